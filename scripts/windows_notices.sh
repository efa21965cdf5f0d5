#!/usr/bin/env bash
# The Windows program's notices, inside the Debian 12 tree, into the
# licenses/ folder of the program's FOLDER: the program's own terms; Qt's,
# with the notices of all that was compiled into it and how it was built; and
# the notices of all else that ships: what the linker put into the program
# beside its own code, as its link MAP names it (members of Qt's static
# libraries: the notices kept with Qt; the rest from Debian's packages: their
# copyright files), and the RUNTIME DLLs shipped beside it, likewise. None
# comes from a list written by hand: a linked or shipped file without a
# notice fails the build. README.txt says, in Chinese and English, which
# notice covers what.
# Usage: windows_notices.sh QT MAP FOLDER RUNTIME-DLL...
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
qt=$1 map=$2 folder=$3
runtime=("${@:4}")
mkdir -p "$folder/licenses/debian"
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
        [[ -e $notices/$member.txt ]] || fail "no notice for $linked, linked into the program"
        linked_qt+=("$notices/$member.txt")
    else
        from_debian+=("$archive")
    fi
done < <(awk '/^Archive member included/ { on = 1; next } /^[A-Z]/ { on = 0 } on && /^\// { print $1 }' \
             "$map"
         awk '$1 == "LOAD" && $2 ~ /^\// && $2 !~ /\.a$/ { print $2 }' "$map")
[[ ${#linked_qt[@]} -gt 0 ]] || fail "the map names none of Qt's code in the program"
cat "${linked_qt[@]}" >"$folder/licenses/qt/LINKED.txt"
declare -A files_of=()
for file in "${runtime[@]}" "${from_debian[@]}"; do
    package=$(dpkg -S "$(realpath "$file")" | sed -n '1s/[,:] .*//p') && [[ -n $package ]] ||
        fail "no Debian package owns $file, which ships with the program"
    files_of[$package]+=" $(basename "$file")"
done
files_by_package=
for package in $(printf '%s\n' "${!files_of[@]}" | LC_ALL=C sort); do
    cp "/usr/share/doc/$package/copyright" "$folder/licenses/debian/$package.txt"
    files_by_package+="  debian/$package.txt:$(tr ' ' '\n' <<<"${files_of[$package]}" | LC_ALL=C sort -u | paste -sd ' ')"$'\n'
done
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
