#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the normal
# build (warnings as errors), then a clang build of the core under
# AddressSanitizer and UndefinedBehaviorSanitizer with its fuzz test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --tests
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBIORHYTHM_WERROR=ON -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=OFF -DBIORHYTHM_SANITIZE=ON -DBIORHYTHM_FUZZ=ON -DBIORHYTHM_FUZZ_SECONDS=30 >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure
