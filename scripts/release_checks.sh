#!/usr/bin/env bash
# What every release must pass: installs what is missing, builds everything
# with warnings as errors, builds the Debian package twice to the same bytes
# under this release's lintian, runs the core, widget and end-to-end tests (the
# last installs, starts and purges the package), then this release's
# clang-tidy and clazy.
# Usage: release_checks.sh [BUILD-DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

bash scripts/setup.sh --tests
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"
bash scripts/package_checks.sh "$build"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
bash scripts/static_checks.sh "$build"
