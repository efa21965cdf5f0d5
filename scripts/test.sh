#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. the normal build (warnings as errors) and its Debian package, built twice
#     to the same bytes and passed by lintian; the core, widget and end-to-end
#     tests, the installed package among them;
#  2. clang-tidy and clazy over the program's sources;
#  3. a clang build under AddressSanitizer and UndefinedBehaviorSanitizer that
#     runs the core and widget tests again, and a bounded fuzz run of the core.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh --tests
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_TESTS=ON >/dev/null
cmake --build build -j"$jobs"
bash scripts/package_checks.sh build
ctest --test-dir build --output-on-failure -j"$jobs"

bash scripts/static_checks.sh build

CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_BENCH=OFF -DBIORHYTHM_SANITIZE=ON \
    -DBIORHYTHM_FUZZ=ON -DBIORHYTHM_FUZZ_SECONDS=30 >/dev/null
cmake --build build-sanitize -j"$jobs"
# Full stacks through Qt (built without frame pointers), so that the
# suppressions, each explained in the file, match only what they name.
ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizers/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L 'core|fuzz|ui'
