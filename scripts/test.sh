#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
#  1. each release's leg (release_leg.sh), one after another, in the
#     background, the later legs' chroot tarballs made meanwhile: sbuild
#     builds the source package in a clean chroot, with the build-time tests
#     and lintian, and autopkgtest tests the installed package;
#  2. meanwhile, on this machine's release: a clang build under AddressSanitizer
#     and UndefinedBehaviorSanitizer that runs the core and widget tests; and
#     the Debian package built twice by Debian's reprotest, the second build
#     varying all that a rebuilder's machine may (the path, the clock, the
#     time zone, the locale, the umask, the number of CPUs, the host name,
#     the file order, ...), which must give the same bytes;
#  3. beside both, in a Debian 12 tree of its own: the Windows build
#     (windows.sh), its installer and, once the legs are done, its tests
#     under Wine; then, in a Debian 13 tree, what a screen reader reads of it
#     under Wine 10.
# Each phase says when it starts and ends, the background ones too; their
# whole logs follow at the end, with the skipped tests, each named. Whatever
# way it ends, nothing it started is left running.
# Usage: test.sh [SUITE...]   (default: bookworm trixie testing)
set -euo pipefail
cd "$(dirname "$0")/.."
suites=("$@")
[[ $# -gt 0 ]] || suites=(bookworm trixie testing)
jobs="$(nproc)"
phase() { echo "== $* ($(date +%H:%M:%S))"; }

bash scripts/setup.sh --tests

# The source as a clean clone has it, with any files not yet committed.
packages=build-packages
rm -rf "$packages" && mkdir -p "$packages/source"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$packages/source"
(cd "$packages" && dpkg-source --build source >/dev/null)
# Every process under PID, deepest first.
descendants() {
    local child
    for child in $(pgrep -P "$1"); do descendants "$child"; echo "$child"; done
}
# Ends PID and everything under it, sbuild, autopkgtest, Xvfb and Wine too: all
# are stopped first, so that none starts another or is handed to init unseen
# while they are gathered, then terminated.
end_tree() {
    local all=("$1") found new
    kill -STOP "$1" 2>/dev/null || return 0
    while mapfile -t found < <(descendants "$1") &&
        mapfile -t new < <(comm -23 <(printf '%s\n' "${found[@]}" | sort) <(printf '%s\n' "${all[@]}" | sort)) &&
        [[ -n ${new[*]} ]]; do
        kill -STOP "${new[@]}" 2>/dev/null || true
        all+=("${new[@]}")
    done
    # Some may have ended meanwhile; the rest still hear it.
    kill -TERM "${all[@]}" 2>/dev/null || true
    kill -CONT "${all[@]}" 2>/dev/null || true
    sleep 2
    kill -KILL "${all[@]}" 2>/dev/null || true
}
background=()
trap 'for job in "${background[@]}"; do end_tree "$job"; done' EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The legs run one after another, alongside this release's own checks below,
# which need no display: much of a leg is unpacking, apt and waiting. The later
# legs' chroot tarballs, where missing, are made meanwhile, each under its
# release's lock; one that fails is tried again, and reported, by its leg.
mkdir -p build-legs && rm -f build-legs/failed build-legs/skipped
exec {terminal}>&1
{
    for suite in "${suites[@]:1}"; do bash scripts/release_leg.sh --tarball-only "$suite" & done
    for suite in "${suites[@]}"; do
        phase "release leg $suite: started" >&"$terminal"
        bash scripts/release_leg.sh "$suite" "$packages"/biorhythm_*.dsc || echo "$suite" >>build-legs/failed
        phase "release leg $suite: ended$(grep -qx "$suite" build-legs/failed 2>/dev/null && echo ', FAILED')" >&"$terminal"
    done
    wait
} >build-legs/all.log 2>&1 &
legs=$! && background+=("$legs")
# The Windows build and its tests under Wine, beside them; its own lines of
# progress, and every line that says FAILED, reach the terminal as they come.
mkdir -p build-windows && rm -f build-windows/legs-done
(bash scripts/windows.sh --tests-after-legs 2>&1 | tee build-windows/all.log |
    grep --line-buffered -E '^(Qt for )?Windows: |FAILED' | while read -r line; do phase "$line"; done) &
windows=$! && background+=("$windows")

phase "the sanitizer build and its tests: started"
CXX=clang++ cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_BENCH=OFF -DBIORHYTHM_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
# Full stacks through Qt (built without frame pointers), so that the
# suppressions, each explained in the file, match only what they name.
ASAN_OPTIONS=fast_unwind_on_malloc=0:detect_leaks=1 \
LSAN_OPTIONS="suppressions=$(pwd)/tests/sanitizers/lsan.supp" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L 'core|ui' --no-tests=error
phase "the sanitizer build and its tests: passed"

phase "the package, built twice by reprotest: started"
# Every variation reprotest knows but another user, which needs a second
# account with sudo; the build-time tests run in each leg's build.
rm -rf "$packages/reprotest" "$packages/rebuilt" && cp -a "$packages/source" "$packages/rebuilt"
(cd "$packages/rebuilt" && reprotest --vary=-user_group --min-cpus="$jobs" --store-dir="$(realpath ../reprotest)" \
    -c 'DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage --no-sign -b -Pnocheck' . '../*.deb' -- null) \
    >"$packages/reprotest.log" 2>&1 ||
    { tail -n 40 "$packages/reprotest.log"; echo "FAILED: the package's two builds differ, or one failed ($packages/reprotest.log)"; exit 1; }
phase "the package: two builds on two kinds of machine, the same bytes: $(cd "$packages/reprotest/control" && echo ./*.deb)"

wait "$legs" || true
cat build-legs/all.log
touch build-windows/legs-done
windows_failed=
wait "$windows" || windows_failed=1
cat build-windows/all.log
background=()
# Skipped tests, each named; on the releases that can install everything they
# need, a skip is a failure.
while read -r suite test; do
    echo "skipped: $test on $suite"
    [[ $suite != bookworm && $suite != trixie ]] || echo "$suite" >>build-legs/failed
done < <(cat build-legs/skipped 2>/dev/null)
[[ ! -s build-legs/failed ]] || { echo "release legs FAILED: $(sort -u build-legs/failed | paste -sd ' ')"; exit 1; }
echo "release legs passed: ${suites[*]}"
[[ -z $windows_failed ]] || { echo "Windows FAILED (build-windows/all.log)"; exit 1; }
echo "Windows: built and tested under Wine"
