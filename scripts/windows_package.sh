#!/usr/bin/env bash
# The Windows release, inside the Debian 12 tree, from the source it stands
# in: the program cross-built with mingw-w64 against Qt for Windows, its
# folder with every notice, and that folder as a zip and as an MSI installer,
# in OUT/release beside the Qt source package and SHA256SUMS, and nothing
# else there. The same source gives the same bytes at any path: every time
# stamp is debian/changelog's, and the MSI's codes follow from what it holds.
# What the tests need besides (an installer of a newer version) goes to
# OUT/test, the files the installer is made from to OUT/msi.
# Usage: windows_package.sh QT OUT
set -euo pipefail
cd "$(dirname "$0")/.."
qt=$1 out=$2
jobs=$(nproc)
TZ=UTC0 SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
export TZ SOURCE_DATE_EPOCH

# The icon is rendered by a build for this machine.
cmake -S . -B "$out/host" -DBIORHYTHM_TESTS=OFF -DBIORHYTHM_BENCH=OFF >/dev/null
cmake --build "$out/host" --target render_icon -j"$jobs" >/dev/null
# A build folder keeps the toolchain, and so the Qt, it was first made with.
toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$out/program/CMakeCache.txt" 2>/dev/null ||
    rm -rf "$out/program"
cmake -S . -B "$out/program" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBIORHYTHM_WERROR=ON \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" \
    -DBIORHYTHM_RENDER_ICON="$out/host/ui/render_icon" -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
cmake --build "$out/program" --target biorhythm -j"$jobs"

# The program's folder: Qt's libraries and the plugins the program loads, the
# mingw runtime, Qt's Chinese texts, and the licences that come with them.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/program/CMakeCache.txt")
name=biorhythm-$version-x64
folder=$out/msi/$name
rm -rf "$out/msi" "$out/release" "$out/test" && mkdir -p "$out/release" "$out/test"
mkdir -p "$folder"/{platforms,styles,imageformats,translations,licenses/debian}
cp "$out/program/biorhythm.exe" data/windows/qt.conf "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$folder/"
cp "$qt/plugins/platforms/qwindows.dll" "$folder/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$folder/styles/"
cp "$qt"/plugins/imageformats/q{gif,ico}.dll "$folder/imageformats/"
runtime=()
for library in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    runtime+=("$(x86_64-w64-mingw32-g++-posix -print-file-name="$library")")
done
cp "${runtime[@]}" "$folder/"
cp /usr/share/qt6/translations/qtbase_zh_CN.qm "$folder/translations/"
# The licences: the program's own terms; Qt's, with the notices of all that
# was compiled into it and how it was built; and the notices of all else
# that ships: what the linker put into the program beside its own code, as
# its map names it (members of Qt's static libraries: the notices kept with
# Qt; the rest from Debian's packages: their copyright files, as for the
# runtime's DLLs). Qt's source package goes beside the installer, for whoever
# passes the program on.
sed -n '/^License: proprietary/,/^$/p' debian/copyright | sed '1d; s/^ \.$//; s/^ //' \
    >"$folder/licenses/biorhythm.txt"
cp -r "$qt/licenses" "$folder/licenses/qt"
cp -r "$qt/build" "$folder/licenses/qt/build"
# The map names our own code by relative paths, all else by absolute ones.
from_debian=() linked_qt=()
while read -r linked; do
    archive=$(realpath "${linked%(*}")
    if [[ $archive == "$qt"/* ]]; then
        # Qt's import libraries hold no code, and have no notices.
        notices=$qt/static-notices/$(basename "$archive")
        [[ -d $notices ]] || continue
        member=${linked##*(} && member=${member%)}
        [[ -e $notices/$member.txt ]] || { echo "FAILED: no notice for $linked, linked into the program"; exit 1; }
        linked_qt+=("$notices/$member.txt")
    else
        from_debian+=("$archive")
    fi
done < <(awk '/^Archive member included/ { on = 1; next } /^[A-Z]/ { on = 0 } on && /^\// { print $1 }' \
             "$out/program/app/biorhythm.map"
         awk '$1 == "LOAD" && $2 ~ /^\// && $2 !~ /\.a$/ { print $2 }' "$out/program/app/biorhythm.map")
[[ ${#linked_qt[@]} -gt 0 ]] || { echo "FAILED: the map names none of Qt's code in the program"; exit 1; }
cat "${linked_qt[@]}" >"$folder/licenses/qt/LINKED.txt"
declare -A files_of=()
for file in "${runtime[@]}" "${from_debian[@]}"; do
    package=$(dpkg -S "$(realpath "$file")" | sed -n '1s/[,:] .*//p') && [[ -n $package ]] ||
        { echo "FAILED: no Debian package owns $file, which ships with the program"; exit 1; }
    files_of[$package]+=" $(basename "$file")"
done
files_by_package=
for package in $(printf '%s\n' "${!files_of[@]}" | LC_ALL=C sort); do
    cp "/usr/share/doc/$package/copyright" "$folder/licenses/debian/$package.txt"
    files_by_package+="  debian/$package.txt:$(tr ' ' '\n' <<<"${files_of[$package]}" | LC_ALL=C sort -u | paste -sd ' ')"$'\n'
done
cp -r "$qt/source" "$out/release/qt-source"
qt_source=$(sed -n '1s/^qt6-base //p' "$qt/build/options.txt")
qt_version=${qt_source%%+*}
cat >"$folder/licenses/README.txt" <<TEXT
本程序的使用条款见 biorhythm.txt。
本程序使用 Qt $qt_version（Qt6Core、Qt6Gui、Qt6Widgets 及其插件），依 GNU LGPL 第 3 版授权
（qt/LGPL-3.0-only.txt）。它由 Debian 的 qt6-base $qt_source 源代码包
（apt-get source qt6-base=$qt_source，随安装程序一并提供）构建，构建所用的脚本与选项见
qt/build/。编入 Qt 各库的他人代码的声明见 qt/NOTICES.txt，其许可证见 qt/ 下各自的文件夹；
编入 biorhythm.exe 本身的 Qt 代码（程序入口）的声明与许可证见 qt/LINKED.txt。
其余随程序提供或编入程序的文件来自 Debian 的软件包，各包的版权与许可证如下：
${files_by_package%$'\n'}

The program's own terms are in biorhythm.txt.
This program uses Qt $qt_version under the GNU LGPL version 3 (qt/LGPL-3.0-only.txt),
built from Debian's qt6-base $qt_source source package (apt-get source
qt6-base=$qt_source; offered with the installer) by the script and with the
options in qt/build/. The notices of the code from elsewhere compiled into
Qt's libraries are in qt/NOTICES.txt, their licences in qt/, one folder each;
those of Qt's code linked into biorhythm.exe itself (its entry point), with
their licences, in qt/LINKED.txt.
The other files shipped with the program or linked into it come from Debian's
packages, whose copyright and licences are, by package:
${files_by_package%$'\n'}
TEXT
x86_64-w64-mingw32-strip "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll
# Every file and folder of the zip and the installer's cabinet: one time.
find "$folder" -exec touch --no-dereference --date="@$SOURCE_DATE_EPOCH" {} +
(cd "$out/msi" && find "$name" | LC_ALL=C sort | zip -qX -@ "$out/release/$name.zip")

# The installers, one for all users and one for the user who runs it: the
# folder described by wixl-heat, the rest by biorhythm.wxs; their Chinese
# texts, those of the desktop entry, in code page 936.
product=人体生物节律分析工具
comment=根据出生日期分析您今天的智力、情绪和体力节律状况
downgrade=已经安装了更新版本的人体生物节律分析工具。
machine_installed=已经为这台计算机的所有用户安装了人体生物节律分析工具，无需再为您一人安装。
printf '\r\n\r\n936\t_ForceCodepage\r\n' >"$out/msi/_ForceCodepage.idt"
# wixl finds the files by paths relative to the descriptions' folder.
cp data/windows/biorhythm.wxs "$out/msi/"
# wixl-heat names folders at random: numbered in order instead.
find "$folder" -type f | LC_ALL=C sort |
    wixl-heat -p "$folder/" --component-group Files --var var.Files --directory-ref INSTALLDIR --win64 |
    awk '/<Directory Id="dir/ { sub(/Id="dir[0-9A-F]*"/, "Id=\"dir" ++n "\"") } { print }' \
        >"$out/msi/files-perMachine.wxs"
# In the user's profile, Windows Installer keeps a component by a value under
# HKCU, not by a file (ICE38), and removes each folder it made there (ICE64).
awk '/<File / { sub(/ KeyPath="yes"/, "") }
    { print }
    /<Component / { match($0, /Id="[^"]*"/); id = substr($0, RSTART + 4, RLENGTH - 5)
        print "<RegistryValue Root=\"HKCU\" Key=\"Software\\Zendrel\\Biorhythm\\Files\" Name=\"" id \
            "\" Type=\"integer\" Value=\"1\" KeyPath=\"yes\"/><RemoveFolder Id=\"Remove" id "\" On=\"uninstall\"/>" }' \
    "$out/msi/files-perMachine.wxs" >"$out/msi/files-perUser.wxs"
home_page=$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' "$out/program/CMakeCache.txt")
msi() {  # msi SCOPE VERSION OUTPUT
    local described=(-a x64 -D Win64=yes -D Scope="$1" -D Version="$2" -D Files="$name"
        -D Icon=../program/data/windows/biorhythm.ico -D Name=- -D Comment=- -D Downgrade=- -D MachineInstalled=-
        -D HomePage="$home_page")
    # The product code follows from the upgrade code, the version and the scope.
    local upgrade_code product_code
    upgrade_code=$(cd "$out/msi" && wixl -E "${described[@]}" -D ProductCode=- biorhythm.wxs |
        sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p')
    product_code=$(python3 -c 'import sys, uuid; print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), sys.argv[2])).upper())' \
        "$upgrade_code" "$2 $1")
    (cd "$out/msi" && wixl "${described[@]}" -D ProductCode="$product_code" -o "$3" biorhythm.wxs "files-$1.wxs")
    msibuild "$3" -i "$out/msi/_ForceCodepage.idt" \
        -q "UPDATE \`Property\` SET \`Value\` = '$product' WHERE \`Property\` = 'ProductName'" \
        -q "UPDATE \`Shortcut\` SET \`Name\` = '$product', \`Description\` = '$comment'" \
        -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$downgrade' WHERE \`Condition\` = 'NOT WIX_DOWNGRADE_DETECTED'" \
        -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$machine_installed' WHERE \`Condition\` = 'NOT MACHINEINSTALL OR Installed'"
    python3 scripts/msi_summary.py "$3" "$SOURCE_DATE_EPOCH"
}
# The same installers, their third version field raised, stand in for newer
# versions in the tests.
IFS=. read -r major minor patch _ <<<"$version"
for scope in perMachine perUser; do
    file=$(sed 's/perMachine/all-users/; s/perUser/per-user/' <<<"$scope")
    msi "$scope" "$major.$minor.$patch" "$out/release/$name-$file.msi"
    msi "$scope" "$major.$minor.$((patch + 1))" "$out/test/upgrade-$file.msi"
done
(cd "$out/release" && find . -type f ! -name SHA256SUMS | LC_ALL=C sort | sed 's|^\./||' |
    xargs sha256sum >SHA256SUMS)
echo "Windows: the release in $out/release: $(cd "$out/release" && ls | paste -sd ' ')"
