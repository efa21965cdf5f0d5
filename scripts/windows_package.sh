#!/usr/bin/env bash
# The Windows release, inside the Debian 12 tree, from the source it stands
# in: the program cross-built with mingw-w64 against Qt for Windows, its
# folder with every notice, and that folder as a zip and as an MSI installer,
# in OUT/release beside the Qt source package and SHA256SUMS, and nothing
# else there. The same source gives the same bytes at any path: every time
# stamp is debian/changelog's, and the MSI's codes follow from what it holds.
# What the tests need besides (an installer of a newer version) goes to
# OUT/test, the files the installer is made from to OUT/msi. With SIGNING
# (windows_signing.sh), every program file of the folder is signed before the
# zip and the installers are made of it, then the installers, and the
# detached signatures go to OUT/release/signatures.
# Usage: windows_package.sh QT OUT [SIGNING]
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
. scripts/windows_signing.sh
qt=$1 out=$2 signing=${3:-} signatures=$2/release/signatures
jobs=$(nproc)
# One time zone and one language whatever the machine's: the linker writes
# its map, which the notices are read from, in the locale's language.
TZ=UTC0 LC_ALL=C.UTF-8 SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
export TZ LC_ALL SOURCE_DATE_EPOCH
version=$(dpkg-parsechangelog -SVersion)
# Windows Installer tells versions apart by their first three fields alone: a
# release that raised only the fourth would not install over the one before.
IFS=. read -r major minor patch fourth <<<"$version"
[[ ${fourth:-0} == 0 ]] || fail "version $version: Windows Installer compares only a version's first three" \
    "fields, so it would take this release for $major.$minor.$patch, the one before, and not install it over" \
    "that; raise the third field in debian/changelog (to $major.$minor.$((patch + 1)).0) and keep the fourth at 0"

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
name=biorhythm-$version-x64
folder=$out/msi/$name
rm -rf "$out/msi" "$out/release" "$out/test" && mkdir -p "$out/release" "$out/test"
mkdir -p "$folder"/{platforms,styles,imageformats,translations}
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
# Every notice of what ships, and Qt's source package beside the installers.
bash scripts/windows_notices.sh "$qt" "$out/program/app/biorhythm.map" "$folder" "${runtime[@]}"
cp -r "$qt/source" "$out/release/qt-source"
x86_64-w64-mingw32-strip "$folder"/*.exe "$folder"/*.dll "$folder"/*/*.dll
mapfile -t programs < <(find "$folder" -type f \( -name '*.exe' -o -name '*.dll' \) | LC_ALL=C sort)
signed "$out/msi" "${programs[@]}"
# Every file and folder of the zip and the installer's cabinet: one time, and
# modes that no umask changes.
chmod -R u=rwX,go=rX "$folder"
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
# The folder as wixl-heat describes it, for each scope (msi_files.py).
find "$folder" -type f | LC_ALL=C sort |
    wixl-heat -p "$folder/" --component-group Files --var var.Files --directory-ref INSTALLDIR --win64 |
    python3 scripts/msi_files.py "$out/msi"
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
        -q "UPDATE \`LaunchCondition\` SET \`Description\` = '$machine_installed' WHERE \`Condition\` = 'NOT MACHINEINSTALL OR Installed OR WIX_UPGRADE_DETECTED'"
    python3 scripts/msi_summary.py "$3" "$SOURCE_DATE_EPOCH"
}
# The same installers, their third version field raised, stand in for newer
# versions in the tests.
for scope in perMachine perUser; do
    file=$(sed 's/perMachine/all-users/; s/perUser/per-user/' <<<"$scope")
    msi "$scope" "$major.$minor.$patch" "$out/release/$name-$file.msi"
    msi "$scope" "$major.$minor.$((patch + 1))" "$out/test/upgrade-$file.msi"
done
signed "$out/release" "$out/release/$name-all-users.msi" "$out/release/$name-per-user.msi"
(cd "$out/release" && find . -type f ! -name SHA256SUMS | LC_ALL=C sort | sed 's|^\./||' |
    xargs sha256sum >SHA256SUMS)
echo "Windows: the release in $out/release: $(cd "$out/release" && ls | paste -sd ' ')"
