#!/usr/bin/env bash
# The Windows build, inside the Debian 12 tree that windows.sh makes and
# enters, on the copy of the source in /build/source: Qt for Windows
# (windows_qt.sh, made once and cached), the program cross-built with
# mingw-w64, and its folder as a zip and as an MSI installer, both in /build
# (build-windows/ outside), beside the Qt source package they were made with;
# then its tests under Wine: the core and widget tests, the layout and the
# colours at 100, 125, 150, 175 and 200 % and in high-contrast black, and the
# installer and the installed program end to end (tests/e2e/windows_test.sh).
# Usage: windows_build.sh [--no-tests | --tests-after-legs]
#   --tests-after-legs: the tests wait for build-windows/legs-done (test.sh's),
#   so that Wine has the display's focus and the cores to itself.
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$(bash scripts/windows_qt.sh | tail -n 1)
out=/build
jobs=$(nproc)

# The icon is rendered by a build for this machine.
cmake -S . -B "$out/host" -DBIORHYTHM_TESTS=OFF -DBIORHYTHM_BENCH=OFF >/dev/null
cmake --build "$out/host" --target render_icon -j"$jobs" >/dev/null
cmake -S . -B "$out/program" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBIORHYTHM_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" \
    -DBIORHYTHM_RENDER_ICON="$out/host/ui/render_icon" -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$out/program" -j"$jobs"

# The program's folder: Qt's libraries and the plugins the program loads, the
# mingw runtime, Qt's Chinese texts, and the licences that come with them.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/program/CMakeCache.txt")
name=biorhythm-$version-x64
folder=$out/$name
rm -rf "$folder" && mkdir -p "$folder"/{platforms,styles,imageformats,translations,licenses}
cp "$out/program/biorhythm.exe" data/windows/qt.conf "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt"/plugins/imageformats/q{gif,ico}.dll "$folder/imageformats/"
runtime=(libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
for library in "${runtime[@]}"; do
    cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")" "$folder/"
done
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$folder/translations/"
# The licences: the program's own terms, Qt's with the notices of all that was
# compiled into it and how it was built, and the mingw runtime's. Qt's source
# package goes beside the installer, for whoever passes the program on.
sed -n '/^License: proprietary/,/^$/p' debian/copyright | sed '1d; s/^ \.$//; s/^ //' \
    >"$folder/licenses/biorhythm.txt"
cp -r "$qt/licenses" "$folder/licenses/qt"
cp -r "$qt/build" "$folder/licenses/qt/build"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$folder/licenses/mingw-w64.txt"
rm -rf "$out/qt-source" && cp -r "$qt/source" "$out/qt-source"
qt_source=$(sed -n '1s/^qt6-base //p' "$qt/build/options.txt")
qt_version=${qt_source%%+*}
cat >"$folder/licenses/README.txt" <<TEXT
本程序的使用条款见 biorhythm.txt。
本程序使用 Qt $qt_version（Qt6Core、Qt6Gui、Qt6Widgets 及其插件），依 GNU LGPL 第 3 版授权
（qt/LGPL-3.0-only.txt）。它由 Debian 的 qt6-base $qt_source 源代码包
（apt-get source qt6-base=$qt_source，随安装程序一并提供）构建，构建所用的脚本与选项见
qt/build/。编入 Qt 各库的他人代码的声明见 qt/NOTICES.txt，其许可证见 qt/ 下各自的文件夹。
libstdc++-6.dll 与 libgcc_s_seh-1.dll 属于 GCC 运行库（GPL 第 3 版附 GCC 运行库例外，
gcc-runtime.txt）；libwinpthread-1.dll 属于 mingw-w64（mingw-w64.txt）。

The program's own terms are in biorhythm.txt.
This program uses Qt $qt_version under the GNU LGPL version 3 (qt/LGPL-3.0-only.txt),
built from Debian's qt6-base $qt_source source package (apt-get source
qt6-base=$qt_source; offered with the installer) by the script and with the
options in qt/build/. The notices of the code from elsewhere compiled into
Qt's libraries are in qt/NOTICES.txt, their licences in qt/, one folder each.
The GCC runtime (libstdc++, libgcc) is under the GPL 3 with the GCC Runtime
Library Exception (gcc-runtime.txt); libwinpthread under mingw-w64's licence
(mingw-w64.txt).
TEXT
x86_64-w64-mingw32-strip "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll

rm -f "$out/$name.zip" && (cd "$out" && zip -qr "$name.zip" "$name")
# The installer: the folder described by wixl-heat, the rest by biorhythm.wxs;
# its Chinese texts, those of the desktop entry, in code page 936.
product=人体生物节律分析工具
comment=根据出生日期分析您今天的智力、情绪和体力节律状况
downgrade=已经安装了更新版本的人体生物节律分析工具。
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$out/_ForceCodepage.idt"
msi() {  # msi VERSION OUTPUT
    find "$folder" -type f | sort |
        wixl-heat -p "$folder/" --component-group Files --var var.Files --directory-ref INSTALLDIR --win64 \
            >"$out/files.wxs"
    # wixl finds the files by paths relative to the descriptions' folder.
    cp data/windows/biorhythm.wxs "$out/"
    (cd "$out" && wixl -a x64 -D Win64=yes -D Version="$1" -D Files="$name" \
        -D Icon=program/data/windows/biorhythm.ico -D Name=- -D Comment=- -D Downgrade=- \
        -D HomePage="$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' program/CMakeCache.txt)" \
        -o "$2" biorhythm.wxs files.wxs)
    msibuild "$2" -i "$out/_ForceCodepage.idt" \
        -q "UPDATE \`Property\` SET \`Value\` = '$product' WHERE \`Property\` = 'ProductName'" \
        -q "UPDATE \`Shortcut\` SET \`Name\` = '$product', \`Description\` = '$comment'" \
        -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$downgrade'"
}
msi_version=$(cut -d. -f1-3 <<<"$version")
msi "$msi_version" "$out/$name.msi"
echo "Windows: $out/$name.msi and $out/$name.zip"
[[ " $* " != *" --no-tests "* ]] || exit 0
if [[ " $* " == *" --tests-after-legs "* ]]; then
    echo "Windows: built; the tests wait for the release legs"
    timeout 5400 bash -c 'until [[ -e $0 ]]; do sleep 5; done' "$out/legs-done"
fi

# The tests under Wine, in Wine prefixes of their own (Wine's variables:
# windows_test.sh), each on a virtual display large enough for the window at
# 200 % (1504 x 1138); every run is bounded. The same installer, its third
# version field raised, stands in for a newer version.
IFS=. read -r major minor patch _ <<<"$version"
newer=$major.$minor.$((patch + 1))
msi "$newer" "$out/upgrade-test.msi"
export WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml=' XDG_CACHE_HOME=$out/wine-cache
export WINEQT_FORCE_STDERR_LOGGING=1
windows_path() { echo "Z:${1//\//\\}"; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
export WINEPATH="$WINEPATH;$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
display() { xvfb-run -a -s '-screen 0 1600x1200x24' "$@" || failed=1; }  # every test runs; any failure fails
end_wine() { wineserver -k 2>/dev/null || true; }  # whatever of Wine is still running; maybe none
trap end_wine EXIT
prefixes=$out/wine && rm -rf "$prefixes" && mkdir -p "$prefixes"
# prefix NAME DPI [KEY NAME TYPE VALUE]...: a copy of the first prefix at DPI,
# set as Windows keeps its scaling (LogPixels), with these settings too.
prefix() {
    export WINEPREFIX=$prefixes/$1
    cp -a "$prefixes/base" "$WINEPREFIX"
    set -- 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$2" \
        'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' LogPixels REG_DWORD "$2" "${@:3}"
    while [[ $# -gt 0 ]]; do
        timeout 60 wine reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || failed=1
        shift 4
    done
    end_wine
}
# Made off the display: its desktop process is ended, so that the tests' own
# runs start one on the virtual display.
WINEPREFIX=$prefixes/base timeout 120 wineboot --init >/dev/null 2>&1 ||
    { echo "Windows: FAILED: wineboot could not make a Wine prefix"; exit 1; }
WINEPREFIX=$prefixes/base end_wine

# The core and widget tests at 100 %, one at a time: the widget tests' windows
# take the keyboard focus.
WINEPREFIX=$prefixes/base display ctest --test-dir "$out/program" --output-on-failure --timeout 300
WINEPREFIX=$prefixes/base end_wine
# The layout at Windows' scalings: every text and caption fits its place, and
# every frame and button is drawn whole; and every text reads on each colour
# scheme, measured where the font set-up draws no anti-aliasing (FontSmoothing
# 0), so that every stroke is whole pixels of its text's colour.
ui_tests=$out/program/ui_tests.exe
no_smoothing=('HKCU\Control Panel\Desktop' FontSmoothing REG_SZ 0)
for dpi in 96 120 144 168 192; do
    prefix "$dpi-dpi" "$dpi" "${no_smoothing[@]}"
    echo "Windows: the layout and the colours at $((dpi * 100 / 96)) %"
    display timeout 300 wine "$ui_tests" --gtest_filter='LayoutTest.TheWorkedExample*:FitTest.*:ColourTest.*' \
        --gtest_brief=1
    end_wine
done
# Windows' high-contrast black: the system colours white on black, the visual
# style off; the window opens in them, and every text reads.
contrast=('HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' ThemeActive REG_SZ 0)
for colour in Background ButtonFace Window InfoWindow Menu; do contrast+=('HKCU\Control Panel\Colors' "$colour" REG_SZ '0 0 0'); done
for colour in ButtonText WindowText InfoText MenuText ButtonHilight; do contrast+=('HKCU\Control Panel\Colors' "$colour" REG_SZ '255 255 255'); done
prefix high-contrast 96 "${no_smoothing[@]}" "${contrast[@]}"
echo "Windows: the colours in high-contrast black"
display timeout 300 wine "$ui_tests" --gtest_filter='ColourTest.*' --gtest_brief=1
end_wine

display timeout 600 bash tests/e2e/windows_test.sh "$out/$name.msi" "$msi_version" \
    "$out/upgrade-test.msi" "$newer" "$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' "$out/program/CMakeCache.txt")"
[[ -z ${failed:-} ]] || { echo "Windows: FAILED: the tests under Wine (above)"; exit 1; }
echo "Windows: the core and widget tests, the layout and the colours at 100, 125, 150, 175 and 200 % and in high contrast, and the installer passed under Wine $(wine --version)"
