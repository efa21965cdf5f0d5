#!/usr/bin/env bash
# A Windows installer and the installed program under Wine, on a virtual X
# display (xvfb-run, no window manager), in a new Wine prefix: installed with
# msiexec into its folder, touching nothing outside the profile but that
# folder, its registry key and Windows Installer's own records; started from
# its Start-menu shortcut's target, its window found by its title, the
# keyboard road to the 工程1 box, the home page through Wine's browser bridge
# to a stand-in xdg-open, and 退出程序; a start whose platform cannot start;
# an installer that must refuse beside it refused; then a newer version
# installed over it, and the uninstall, which leaves nothing of it.
# Usage: windows_test.sh MSI NEWER-MSI FOLDER KEY HOME-PAGE [REFUSED-MSI]   (inside xvfb-run)
#   FOLDER as Windows names it ('%ProgramFiles%\Biorhythm'), KEY its registry key.
msi=$1 newer=$2 home=$5 refused_msi=${6:-}
. "$(dirname "$0")/common.sh"
ending='wineserver -k 2>/dev/null'
export WINEPREFIX=$work/prefix WINEDEBUG=-all XDG_CACHE_HOME=$work/cache
# No desktop menu entries, no .NET or HTML engine to offer to download.
export WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml='
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
version_of() { msiinfo export "$1" Property | tr -d '\r' | awk '$1 == "ProductVersion" { print $2 }'; }
# entries: the Apps & Features entries of the program, one line each: its version.
entries() { wine reg query "$uninstall" /s | tr -d '\r' |
    awk '/^HKEY/ { version = "" } $1 == "DisplayVersion" { version = $3 } $1 == "Publisher" && $3 == "Zendrel" { print version }'; }
# none COMMAND...: COMMAND prints nothing; what it does print is the failure's reason.
none() { local said; said=$("$@"); [[ -z $said ]] || { echo "$said" >&2; return 1; }; }
# outside_profile: the files outside the users' profiles, and the machine's
# registry keys, as the prefix keeps them once Wine has written them out.
outside_profile() {
    wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . -path ./users -prune -o -print | LC_ALL=C sort)
    sed -n 's/^\(\[.*\]\) [0-9]*$/\1/p' "$WINEPREFIX/system.reg" | LC_ALL=C sort
}
# What Windows Installer keeps of an install outside the profile: the package
# and its icon; its records of products, features, components and upgrade
# codes, per machine and per user; and the Apps & Features entry (Wine keeps
# a per-user one there too, where Windows keeps it in the profile).
installer_records='^(\./windows/Installer(/|$)|\[Software\\\\(Classes\\\\Installer|Microsoft\\\\Windows\\\\CurrentVersion\\\\(Installer\\\\(UserData|UpgradeCodes)|Uninstall))\\\\)'
box_open() { timeout 20 xdotool search --sync --onlyvisible --name '^工程1$'; }
# msi OPTION PACKAGE: msiexec on the package, silent and bounded; on failure, the
# end of its log (less its properties), then its status.
msi() { rm -f "$work/msi.log" && timeout 120 wine msiexec "$1" "$(winepath -w "$2")" /qn '/l*' "$(winepath -w "$work/msi.log")" || {
    local status=$?
    tr -d '\0\r' 2>/dev/null <"$work/msi.log" | grep -av '^Property(' | tail -n 20 >&2
    echo "msiexec $1 ended with status $status" >&2 && return "$status"; }; }
launched() { timeout 10 bash -c 'until grep -qF "$0" "$1"; do sleep 0.25; done' "$home" "$work/launches"; }

timeout 120 wineboot --init >/dev/null 2>&1
place=$(wine cmd /c echo "$3" | tr -d '\r' | sed 's/^C:\\//; s/\\/\//g') key=$4  # under C:
folder=$WINEPREFIX/drive_c/$place
# touched: what the install changed outside the profile, but for its own
# folder and key and Windows Installer's records.
touched() { comm -13 <(echo "$before") <(outside_profile) | grep -vE "$installer_records" |
    grep -vF -e "./$place" -e "[$(sed 's/^[^\\]*\\//; s/\\/\\\\/g' <<<"$key")"; }
before=$(outside_profile)
check "msiexec installs it silently" msi /i "$msi"
check "touching nothing outside the profile but its own folder and key and Windows Installer's records" none touched
# Wine puts a shortcut for all users in the user's Start menu; Windows in everyone's.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/人体生物节律分析工具.lnk' | head -n 1)
target=$folder/biorhythm.exe
check "its Start-menu shortcut targets the program in $(winepath -w "$folder")" \
    grep -qaF "$(winepath -w "$target")" "$shortcut"
check "a window program, which Windows starts without a console" \
    grep -q 'Subsystem.*Windows GUI' <(x86_64-w64-mingw32-objdump -p "$target")
check "with its publisher and version in Apps & Features" test "$(entries)" = "$(version_of "$msi")"
# The application manifest, resource 1 of type 24 (RT_MANIFEST).
manifest=$(wrestool -x --raw --type=24 --name=1 "$target" 2>/dev/null)
check "its manifest asks for Common Controls 6" grep -qE 'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' <<<"$manifest"
check "and names Windows 10 and 11 as its systems" grep -qF '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' <<<"$manifest"
check "and leaves DPI awareness to Qt" test -z "$(grep -i dpiAware <<<"$manifest")"

browser
PATH=$work:$PATH wine "$target" >"$work/log" 2>&1 & pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
# Without a window manager, Wine's X window is the client area; a window that
# cannot be resized offers a window manager no resizing (Motif hints, bit 2).
# (No window found: id 1, which X refuses, where no id would wait for a click.)
check "the window, found by its title, has a 752 x 569 client area and a fixed size" \
    grep -qzP '(?s)Width: 752\n\s*Height: 569\n.*_MOTIF_WM_HINTS\) = 0x3, 0x(?![0-9a-f]*[2367abef],)' \
    <(xwininfo -id "${window:-1}"; xprop -id "${window:-1}" _MOTIF_WM_HINTS)
keys Tab space
check "节律分析 with no date: the 工程1 box" box_open
keys Return
check "which Enter closes" timeout 10 bash -c 'while xdotool search --onlyvisible --name "^工程1$"; do sleep 0.25; done'
keys Tab Tab Tab space
check "the home-page button hands the address to the desktop's browser" launched
keys shift+Tab space
check "退出程序 ends it with status 0" ended_with 0
# Wine 8.0 has neither per-monitor DPI awareness v2 nor the call Qt falls back
# on; Qt, refused, says so.
wine_lacks='SetProcessDpiAwarenessContext\(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2\) failed: COM error 0x57|EnableNonClientDpiScaling\(\) failed .*\(Call not implemented\.\)'
check "having logged nothing else as it ran" test -z "$(grep -vE "$wine_lacks" "$work/log")"
# A platform that cannot start: Qt's own box first, then the program's, titled
# 工程1, with its Chinese line above Qt's reason; status 1.
WINEQT_QPA_PLATFORM=nosuch wine "$target" >/dev/null 2>&1 & pid=$!
timeout 30 xdotool search --sync --onlyvisible --classname '^biorhythm.exe$' >/dev/null && keys Return
check "a platform that cannot start: the program's 工程1 box" box_open
keys Return
check "then status 1" ended_with 1

# refused PACKAGE: msiexec installs nothing of it, ending with Windows
# Installer's status for a failed install, 1603, of which a Unix status keeps 67.
refused() { msi /i "$1"; local status=$?; echo "status $status; in Apps & Features: $(entries)" >&2
    [[ $status == $((1603 % 256)) && $(entries) == "$(version_of "$msi")" ]]; }
[[ -z $refused_msi ]] || check "beside it, $(basename "$refused_msi") refuses, and installs nothing" refused "$refused_msi"
check "a newer version installs over it" msi /i "$newer"
check "and replaces it in Apps & Features" test "$(entries)" = "$(version_of "$newer")"
check "msiexec removes it" msi /x "$newer"
# left_behind: the program's folder, shortcuts, registry key and Apps & Features entries, where there are any.
left_behind() {
    ls -d "$folder" 2>/dev/null
    find "$WINEPREFIX/drive_c" -name '人体生物节律分析工具.lnk'; entries
    wine reg query "$key" /s >"$work/key" 2>&1 && tr -d '\r' <"$work/key"
}
check "leaving none of its files, shortcuts, registry keys or entries" none left_behind
exit "${failed:-0}"
