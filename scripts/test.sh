#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. on this machine: release_checks.sh (the build with warnings as errors,
#     the package built twice to the same bytes and passed by lintian, the
#     core, widget and end-to-end tests, the installed package among them,
#     clang-tidy and clazy);
#  2. a clang build under AddressSanitizer and UndefinedBehaviorSanitizer that
#     runs the core and widget tests again;
#  3. release_checks.sh again in a clean chroot of each newer Debian release
#     (release_leg.sh). Their chroots are made in the background meanwhile.
set -euo pipefail
cd "$(dirname "$0")/.."
suites=(trixie testing)

bash scripts/setup.sh --tests --legs
jobs="$(nproc)"
legs=$(mktemp -d)
# Each chroot is made in a process group of its own, ended with the command;
# one that has already finished is no failure of the command.
trap 'for pid in "$legs"/*.pid; do kill -- -"$(cat "$pid")" 2>/dev/null || true; done; rm -rf "$legs"' EXIT
for suite in "${suites[@]}"; do
    setsid bash scripts/release_leg.sh --prepare "$suite" >"$legs/$suite.log" 2>&1 &
    echo $! >"$legs/$suite.pid"
done

bash scripts/release_checks.sh build

CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_BENCH=OFF -DBIORHYTHM_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
# Full stacks through Qt (built without frame pointers), so that the
# suppressions, each explained in the file, match only what they name.
ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizers/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L 'core|ui'

failed=()
for suite in "${suites[@]}"; do
    if ! wait "$(cat "$legs/$suite.pid")"; then
        cat "$legs/$suite.log"
        echo "release leg $suite: FAILED: its chroot could not be made (log above)"
        failed+=("$suite")
    elif ! bash scripts/release_leg.sh "$suite"; then
        failed+=("$suite")
    fi
done
[[ ${#failed[@]} -eq 0 ]] || { echo "release legs FAILED: ${failed[*]}"; exit 1; }
echo "release legs passed: ${suites[*]}"
