#!/usr/bin/env bash
# The Windows build, inside the Debian 12 tree that windows.sh makes and
# enters, on the copy of the source in /build/source: Qt for Windows
# (windows_qt.sh, made once and cached), the program cross-built with
# mingw-w64, and its folder as a zip and as an MSI installer, both in /build
# (build-windows/ outside), beside the Qt source package they were made with;
# then its tests under Wine: the core and widget tests, and the installer and
# the installed program end to end (tests/e2e/windows_test.sh).
# Usage: windows_build.sh [--no-tests]
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
cp -r "$qt/licenses" "$folder/licenses/qt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/licenses/gcc-runtime.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$folder/licenses/mingw-w64.txt"
cat >"$folder/licenses/README.txt" <<TEXT
本程序使用 Qt 6.4.2（Qt6Core、Qt6Gui、Qt6Widgets 及其插件），依 GNU LGPL 第 3 版授权
（qt/LGPL-3.0-only.txt）。其源代码即 Debian 的 qt6-base 6.4.2+dfsg-10 源代码包
（apt-get source qt6-base=6.4.2+dfsg-10），本程序所用的 Qt 由它原样构建。
Qt 的库中编入的第三方库（zlib、libpng、FreeType、HarfBuzz、PCRE2、md4c、
double-conversion 等）的许可证见 qt/ 下各自的文件夹。
libstdc++-6.dll 与 libgcc_s_seh-1.dll 属于 GCC 运行库（GPL 第 3 版附 GCC 运行库例外，
gcc-runtime.txt）；libwinpthread-1.dll 属于 mingw-w64（mingw-w64.txt）。

This program uses Qt 6.4.2 under the GNU LGPL version 3 (qt/LGPL-3.0-only.txt);
its source is Debian's qt6-base 6.4.2+dfsg-10 source package, built as it is.
The licences of the libraries built into Qt's DLLs are in qt/, one folder each.
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

# The tests under Wine, on a virtual display, in Wine prefixes of their own
# (Wine's variables: windows_test.sh). The same installer, its third version
# field raised, stands in for a newer version.
IFS=. read -r major minor patch _ <<<"$version"
newer=$major.$minor.$((patch + 1))
msi "$newer" "$out/upgrade-test.msi"
export WINEDEBUG=-all WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml=' XDG_CACHE_HOME=$out/wine-cache
export WINEPREFIX=$out/wine-tests WINEQT_FORCE_STDERR_LOGGING=1
windows_path() { echo "Z:${1//\//\\}"; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")")"
export WINEPATH="$WINEPATH;$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")")"
end_wine() { wineserver -k 2>/dev/null || true; }  # whatever of Wine is still running; maybe none
trap end_wine EXIT
# Made off the display: its desktop process is ended, so that the tests' own
# runs start one on the virtual display.
rm -rf "$WINEPREFIX" && timeout 120 wineboot --init >/dev/null 2>&1 && end_wine
# One at a time: the widget tests' windows take the keyboard focus. Wine on a
# loaded machine sometimes misses a popup's click or a process's exit, so a
# failed test runs once more; ctest's output shows each failure all the same.
xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$out/program" --output-on-failure --timeout 300 --repeat until-pass:2
end_wine
xvfb-run -a -s '-screen 0 1280x1024x24' bash tests/e2e/windows_test.sh "$out/$name.msi" "$msi_version" \
    "$out/upgrade-test.msi" "$newer" "$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' "$out/program/CMakeCache.txt")"
echo "Windows: the core and widget tests and the installer passed under Wine $(wine --version)"
