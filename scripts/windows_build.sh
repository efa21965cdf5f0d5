#!/usr/bin/env bash
# The Windows build, inside the Debian 12 tree that windows.sh makes and
# enters, on the copy of the source in /build/source: Qt for Windows
# (windows_qt.sh, made once and cached), then the release (windows_package.sh)
# in /build/release, build-windows/release/ outside. Unless --no-tests: the
# release made again from a copy of the source at another path, which must
# give the same bytes, and the tests under Wine (windows_tests.sh).
# Usage: windows_build.sh [--no-tests | --tests-after-legs]
#   --tests-after-legs: the tests wait for build-windows/legs-done (test.sh's),
#   so that Wine has the display's focus and the cores to itself.
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
qt=$(bash scripts/windows_qt.sh) || fail "Qt for Windows (above)"
bash scripts/windows_package.sh "$qt" /build || fail "the release (above)"
[[ " $* " != *" --no-tests "* ]] || exit 0

again=/build/again/copy/of
rm -rf "$again/source" && mkdir -p "$again" && cp -a . "$again/source"
echo "Windows: the release again, from a copy of the source in $again"
bash "$again/source/scripts/windows_package.sh" "$qt" "$again" >"$again/package.log" 2>&1 ||
    { tail -n 30 "$again/package.log"; fail "the second build (build-windows/again/copy/of/package.log)"; }
diff /build/release/SHA256SUMS "$again/release/SHA256SUMS" ||
    fail "two builds of the release differ (above: build-windows/release/ and again/copy/of/release/)"
echo "Windows: two builds at different paths, the same bytes"

if [[ " $* " == *" --tests-after-legs "* ]]; then
    echo "Windows: built; the tests wait for the release legs"
    timeout 5400 bash -c 'until [[ -e $0 ]]; do sleep 5; done' /build/legs-done ||
        fail "the release legs did not end within 90 minutes"
fi
exec bash scripts/windows_tests.sh "$qt" /build
