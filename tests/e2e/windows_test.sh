#!/usr/bin/env bash
# A Windows installer and the installed program under Wine, on a virtual X
# display (xvfb-run, no window manager), in a new Wine prefix: the package's
# scope as its summary and properties declare it; installed with msiexec into
# its folder, touching nothing outside the profile but that folder, its
# registry key and Windows Installer's own records of it; started from its
# Start-menu shortcut's target, its window found by its title, the keyboard
# road to the 工程1 box, the home page through Wine's browser bridge to a
# stand-in xdg-open, and 退出程序; a start whose platform cannot start; the
# installer of the other scope beside it (refused by the one for one user,
# with its launch condition as the cause; installed beside the user's own
# copy, which a newer version then still upgrades); a newer version installed
# over it; and the uninstall, which leaves nothing of it.
# Usage: windows_test.sh MSI NEWER-MSI FOLDER KEY HOME-PAGE OTHER-SCOPE-MSI   (inside xvfb-run)
#   FOLDER as Windows names it ('%ProgramFiles%\Biorhythm'), KEY its registry
#   key, whose root (HKLM or HKCU) is the scope the package must have.
msi=$1 newer=$2 home=$5 other=$6
. "$(dirname "$0")/common.sh"
ending='wineserver -k 2>/dev/null'
export WINEPREFIX=$work/prefix WINEDEBUG=-all XDG_CACHE_HOME=$work/cache
# No desktop menu entries, no .NET or HTML engine to offer to download.
export WINEDLLOVERRIDES='winemenubuilder.exe,mscoree,mshtml='
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
property() { msiinfo export "$1" Property | tr -d '\r' | awk -v name="$2" '$1 == name { print $2 }'; }
# entries: the Apps & Features entries of the program, one line each: its version, in order.
entries() { wine reg query "$uninstall" /s | tr -d '\r' |
    awk '/^HKEY/ { version = "" } $1 == "DisplayVersion" { version = $3 } $1 == "Publisher" && $3 == "Zendrel" { print version }' |
    sort; }
versions() { for package; do property "$package" ProductVersion; done | sort; }
# none COMMAND...: COMMAND prints nothing; what it does print is the failure's reason.
none() { local said; said=$("$@"); [[ -z $said ]] || { echo "$said" >&2; return 1; }; }
# settled: Wine's processes have ended, and so written the registry out; else it says they did not.
settled() { timeout 60 wineserver -w || { echo "Wine's processes did not end within 60 s"; return 1; }; }
# outside_profile: the files outside the users' profiles and the machine's
# registry keys, whole (HKLM\...), as Wine last wrote them out.
outside_profile() {
    (cd "$WINEPREFIX/drive_c" && find . -path ./users -prune -o -print)
    sed -n 's/^\[\(.*\)\] [0-9]*$/\1/p' "$WINEPREFIX/system.reg" | sed 's/\\\\/\\/g; s/^/HKLM\\/'
}
box_open() { timeout 20 xdotool search --sync --onlyvisible --name '^工程1$'; }
# msi OPTION PACKAGE: msiexec on the package, silent and bounded; on failure, the
# end of its log (less its properties), then its status.
msi() { rm -f "$work/msi.log" && timeout 120 wine msiexec "$1" "$(winepath -w "$2")" /qn '/l*' "$(winepath -w "$work/msi.log")" || {
    local status=$?
    tr -d '\0\r' 2>/dev/null <"$work/msi.log" | grep -av '^Property(' | tail -n 20 >&2
    [[ $status -ne 124 ]] || { echo "msiexec $1 did not end within 120 s" >&2 && return "$status"; }
    echo "msiexec $1 ended with status $status" >&2 && return "$status"; }; }
launched() { timeout 10 bash -c 'until grep -qF "$0" "$1"; do sleep 0.25; done' "$home" "$work/launches"; }

timeout 120 wineboot --init >/dev/null 2>&1 || { echo "FAILED: wineboot could not make a Wine prefix"; exit 1; }
place=$(wine cmd /c echo "$3" | tr -d '\r' | sed 's/^C:\\//; s/\\/\//g') key=$4  # under C:
folder=$WINEPREFIX/drive_c/$place
# The scope: per machine, ALLUSERS=1 and the summary's Word Count 2
# (compressed); per user, no ALLUSERS and Word Count 10 (compressed, needing
# no elevation).
if [[ $key == HKLM\\* ]]; then scope=machine declared="1 2"; else scope=user declared=" 10"; fi
check "a package for one $scope: ALLUSERS and the summary's Word Count are \"$declared\"" equal \
    "$(property "$msi" ALLUSERS) $(msiinfo suminfo "$msi" | sed -n 's/^Source: \([0-9]*\).*/\1/p')" "$declared"
# Windows Installer keeps a GUID as its hex digits in another order: each of
# the first three groups reversed, each byte of the rest with its two digits
# swapped.
packed() {
    local hex=${1//[\{\}-]/} i out
    out=$(rev <<<"${hex:0:8}")$(rev <<<"${hex:8:4}")$(rev <<<"${hex:12:4}")
    for ((i = 16; i < 32; i += 2)); do out+=${hex:i+1:1}${hex:i:1}; done
    echo "$out"
}
# What an install may leave outside the profile, each by its full name, with
# all below it: its folder and, for all users, its key; Windows Installer's
# copy of the package (and, for all users, of the icon); its records of the
# product, its components and its upgrade code, under the SID of the user who
# installs (the user's own in the prefix's profile list) or the machine's
# (S-1-5-18), and, for all users, its advertised product and features; and
# the Apps & Features entry, which Wine keeps under HKLM for a per-user
# install too, where Windows keeps it in the profile.
code=$(property "$msi" ProductCode) product=$(packed "$(property "$msi" ProductCode)")
upgrade=$(packed "$(property "$msi" UpgradeCode)") sid=S-1-5-18
[[ $scope == machine ]] || sid=$(wine reg query 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\ProfileList' /s |
    tr -d '\r' | profile=$(wine cmd /c echo %USERPROFILE% | tr -d '\r') awk '/^HKEY/ { sid = $0; sub(/.*\\/, "", sid) }
        $1 == "ProfileImagePath" { sub(/.*REG_SZ[ \t]+/, ""); if ($0 == ENVIRON["profile"]) { print sid; exit } }')
installer='HKLM\Software\Microsoft\Windows\CurrentVersion\Installer'
allowed=("$installer\\UpgradeCodes\\$upgrade" "$installer\\UserData\\$sid\\Products\\$product"
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\'"$code")
for component in $(msiinfo export "$msi" Component | tr -d '\r' | awk 'NR > 3 && $2 ~ /^\{/ { print $2 }'); do
    allowed+=("$installer\\UserData\\$sid\\Components\\$(packed "$component")")
done
[[ $scope == user ]] || allowed+=("./$place" "$key" "./windows/Installer/$code" "HKLM\\Software\\Classes\\Installer\\Features\\$product"
    "HKLM\\Software\\Classes\\Installer\\Products\\$product" "HKLM\\Software\\Classes\\Installer\\UpgradeCodes\\$upgrade")
# touched: what the install changed outside the profile that is none of
# those, nor below one (compared regardless of case, as Windows compares
# them); Windows Installer's folder, and the package it copies there under a
# name of its own, set aside first.
touched() {
    local line name
    settled || return 1
    while read -r line; do
        [[ $line == ./windows/Installer || $line =~ ^\./windows/Installer/[0-9a-f]+\.msi$ ]] && continue
        for name in "${allowed[@]}"; do
            [[ ${line,,} == "${name,,}" || ${line,,} == "${name,,}"[/\\]* ]] && continue 2
        done
        echo "$line"
    done < <(comm -13 <(echo "$before") <(outside_profile | LC_ALL=C sort))
}
settled && before=$(outside_profile | LC_ALL=C sort)
check "msiexec installs it silently" msi /i "$msi"
check "touching nothing outside the profile but its own folder and key and Windows Installer's records" none touched
# Wine puts a shortcut for all users in the user's Start menu; Windows in everyone's.
shortcut=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/人体生物节律分析工具.lnk' | head -n 1)
target=$folder/biorhythm.exe
check "its Start-menu shortcut targets the program in $(winepath -w "$folder")" \
    grep -qaF "$(winepath -w "$target")" "$shortcut"
check "a window program, which Windows starts without a console" \
    grep -q 'Subsystem.*Windows GUI' <(x86_64-w64-mingw32-objdump -p "$target")
check "with its publisher and version in Apps & Features" equal "$(entries)" "$(versions "$msi")"
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

# refused PACKAGE: msiexec installs nothing of it and ends as Windows
# Installer ends a failed install, 1603 (of which a Unix status keeps 67), for
# the launch condition that carries the program's message: Wine's trace of
# msiexec (its log under /qn names neither) shows that condition false, and
# the launch conditions halting the install.
refusal='已经为这台计算机的所有用户安装了人体生物节律分析工具，无需再为您一人安装。'
refused() {
    local condition status
    condition=$(msiinfo export "$1" LaunchCondition | tr -d '\r' | awk -F'\t' -v text="$refusal" '$2 == text { print $1 }')
    WINEDEBUG=trace+msi timeout 120 wine msiexec /i "$(winepath -w "$1")" /qn 2>"$work/trace"
    status=$?
    echo "status $status; in Apps & Features: $(entries); the condition with that message: ${condition:-none}" >&2
    [[ -n $condition && $status == $((1603 % 256)) && $(entries) == "$(versions "$msi")" ]] &&
        grep -qF "MSI_EvaluateConditionW 0 <- L\"$condition\"" "$work/trace" &&
        grep -qF 'action L"LaunchConditions" returned 1603' "$work/trace"
}
if [[ $scope == machine ]]; then
    check "beside it, $(basename "$other") refuses for its launch condition, and installs nothing" refused "$other"
    check "a newer version installs over it" msi /i "$newer"
    check "and replaces it in Apps & Features" equal "$(entries)" "$(versions "$newer")"
    check "msiexec removes it" msi /x "$newer"
else
    # Both scopes, each with its own entry (and, on Windows, its own
    # shortcut; Wine keeps both in the user's Start menu as one).
    check "beside it, $(basename "$other") installs for all users" msi /i "$other"
    check "and both are in Apps & Features" equal "$(entries)" "$(versions "$msi" "$other")"
    check "a newer version still installs over the user's own copy" msi /i "$newer"
    check "which it replaces in Apps & Features, beside the other" equal "$(entries)" "$(versions "$newer" "$other")"
    check "msiexec removes both" eval 'msi /x "$other" && msi /x "$newer"'
fi
# left_behind: the program's folder, shortcuts, registry key and Apps & Features entries, where there are any.
left_behind() {
    ls -d "$folder" 2>/dev/null
    find "$WINEPREFIX/drive_c" -name '人体生物节律分析工具.lnk'; entries
    wine reg query "$key" /s >"$work/key" 2>&1 && tr -d '\r' <"$work/key"
}
check "leaving none of its files, shortcuts, registry keys or entries" none left_behind
exit "${failed:-0}"
