#!/usr/bin/env bash
# The Windows program's tests under Wine, inside the Debian 12 tree, on the
# release that windows_package.sh made in OUT: the core and widget tests, the
# layout and the colours at 100, 125, 150, 175 and 200 % and in high-contrast
# black, and each installer and the installed program end to end
# (tests/e2e/windows_test.sh). Each runs in a Wine prefix of its own (Wine's
# variables: windows_test.sh), on a virtual display large enough for the
# window at 200 % (1504 x 1138); every run is bounded, and every one runs: any
# failure fails the whole, after the rest.
# Usage: windows_tests.sh QT OUT
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
qt=$1 out=$2
cmake --build "$out/program" -j"$(nproc)"
home=$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' "$out/program/CMakeCache.txt")

export WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml=' XDG_CACHE_HOME=$out/wine-cache
export WINEQT_FORCE_STDERR_LOGGING=1
windows_path() { echo "Z:${1//\//\\}"; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
export WINEPATH="$WINEPATH;$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
display() { xvfb-run -a -s '-screen 0 1600x1200x24' "$@" || fail_later "$* (above)"; }
# Whatever of Wine is still running, maybe nothing, is ended; a prefix whose
# processes do not end is named.
end_wine() {
    wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w || fail_later "Wine's processes in $(basename "${WINEPREFIX:-the default prefix}") did not end within 30 s"
}
trap end_wine EXIT
prefixes=$out/wine && rm -rf "$prefixes" && mkdir -p "$prefixes"
# prefix NAME DPI [KEY NAME TYPE VALUE]...: a copy of the first prefix at DPI,
# set as Windows keeps its scaling (LogPixels), with these settings too.
prefix() {
    export WINEPREFIX=$prefixes/$1
    cp -a "$prefixes/base" "$WINEPREFIX"
    set -- 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$2" \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' LogPixels REG_DWORD "$2" "${@:3}"
    local said status
    while [[ $# -gt 0 ]]; do
        said=$(timeout 60 wine reg add "$1" /v "$2" /t "$3" /d "$4" /f 2>&1) && status=0 || status=$?
        [[ $status -eq 0 ]] ||
            fail_later "setting $1\\$2 to $4 in the prefix $(basename "$WINEPREFIX") (status $status): $(tail -n 5 <<<"$said")"
        shift 4
    done
    end_wine
}
# Made off the display: its desktop process is ended, so that the tests' own
# runs start one on the virtual display.
WINEPREFIX=$prefixes/base timeout 120 wineboot --init >/dev/null 2>&1 || fail "wineboot could not make a Wine prefix"
WINEPREFIX=$prefixes/base end_wine

# The core and widget tests at 100 %, one at a time: the widget tests' windows
# take the keyboard focus.
WINEPREFIX=$prefixes/base display ctest --test-dir "$out/program" --output-on-failure --timeout 300 --no-tests=error
WINEPREFIX=$prefixes/base end_wine
# widget_tests FILTER: the widget tests that FILTER selects, each of its
# patterns at least one of those listed; every test it selects must pass.
ui_tests=$out/program/ui_tests.exe
mapfile -t listed < <(WINEPREFIX=$prefixes/base display timeout 60 wine "$ui_tests" --gtest_list_tests |
    tr -d '\r' | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }')
WINEPREFIX=$prefixes/base end_wine
selected() {  # selected PATTERN...: how many listed tests any of them selects
    local test pattern count=0
    for test in "${listed[@]}"; do
        for pattern; do
            # shellcheck disable=SC2053  # gtest's patterns are globs
            [[ $test == $pattern ]] && count=$((count + 1)) && break
        done
    done
    echo "$count"
}
widget_tests() {
    local patterns pattern said passed selects
    IFS=: read -ra patterns <<<"$1"
    for pattern in "${patterns[@]}"; do
        [[ $(selected "$pattern") -gt 0 ]] || fail_later "the widget tests' pattern $pattern selects none of the ${#listed[@]} listed"
    done
    display timeout 300 wine "$ui_tests" --gtest_filter="$1" --gtest_brief=1 >"$out/widget-tests.log" 2>&1
    said=$(tr -d '\r' <"$out/widget-tests.log") && echo "$said"
    passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\{0,1\}\..*/\1/p' <<<"$said")
    selects=$(selected "${patterns[@]}")
    [[ ${passed:-0} -eq $selects ]] || fail_later "${passed:-no} widget tests of the $selects that $1 selects passed"
    end_wine
}
# The layout at Windows' scalings: every text and caption fits its place, and
# every frame and button is drawn whole; and every text reads on each colour
# scheme (the colour test's fonts ask for no anti-aliasing themselves).
for dpi in 96 120 144 168 192; do
    prefix "$dpi-dpi" "$dpi"
    echo "Windows: the layout and the colours at $((dpi * 100 / 96)) %"
    widget_tests 'LayoutTest.TheWorkedExample*:ColourTest.*'
done
# Windows' high-contrast black: the system colours white on black, the visual
# style off; the window opens in them, and every text reads.
contrast=('HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive REG_SZ 0)
for colour in Background ButtonFace Window InfoWindow Menu; do contrast+=('HKCU\Control Panel\Colors' "$colour" REG_SZ '0 0 0'); done
for colour in ButtonText WindowText InfoText MenuText ButtonHilight; do contrast+=('HKCU\Control Panel\Colors' "$colour" REG_SZ '255 255 255'); done
prefix high-contrast 96 "${contrast[@]}"
echo "Windows: the colours in high-contrast black"
widget_tests 'ColourTest.*'

# Each installer with its places: the one for all users beside the one for a
# user alone, which must refuse.
release=$(echo "$out"/release/biorhythm-*-x64.zip) && release=${release%.zip}
echo "Windows: the installer for all users, and the installed program"
display timeout 600 bash tests/e2e/windows_test.sh "$release-all-users.msi" "$out/test/upgrade-all-users.msi" \
    '%ProgramFiles%\Biorhythm' 'HKLM\Software\Zendrel' "$home" "$release-per-user.msi"
echo "Windows: the installer for one user, and the installed program"
display timeout 600 bash tests/e2e/windows_test.sh "$release-per-user.msi" "$out/test/upgrade-per-user.msi" \
    '%LOCALAPPDATA%\Programs\Biorhythm' 'HKCU\Software\Zendrel' "$home" "$release-all-users.msi"
[[ -z ${failed:-} ]] || fail "the tests under Wine (above)"
echo "Windows: the core and widget tests, the layout and the colours at 100, 125, 150, 175 and 200 % and in high contrast, and both installers passed under Wine $(wine --version)"
