#!/usr/bin/env bash
# The real program on a virtual X display (xvfb-run, 1280x1024, no window
# manager): Qt's diagnostics of its start, its colours under a desktop's
# colour schemes switched while it runs, its window, its buttons, its start
# without a display or with a platform that cannot start.
# Usage: program_test.sh BIORHYTHM HOME-PAGE UI-TESTS BARE-QT-WINDOW
program=$1 home=$2 ui_tests=$3 bare=$4
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
failed=0
check() { "${@:2}" >/dev/null 2>&1 || { echo "FAILED: $1"; failed=1; }; }  # check DESCRIPTION COMMAND...
start() {  # start BINARY: runs it and finds its window
    "$1" >"$work/log" 2>&1 &
    pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
}
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 && sleep 0.3; }
ended_with() { timeout 10 tail --pid="$pid" -f /dev/null; wait "$pid"; [[ $? == "$1" ]]; }
exit_button=(413 534) home_button=(614 534)

# Qt's own diagnostics of a start: every category that a bare Qt window logs,
# and nearly as many lines.
logged() { grep -oE '^qt\.qpa[a-z.]*' "$work/log" | sort | uniq -c; }
QT_LOGGING_RULES='qt.qpa.*=true' start "$bare" && sleep 1 && kill "$pid" && wait "$pid"; logged >"$work/bare"

# Under qt6ct's colour schemes where it is installed, switched while the window
# is open: each comes about 3 seconds after its file is renamed into place, and
# the window's texts are measured until they show it.
scheme() { mkdir -p "$work/qt6ct" && printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\ncustom_palette=true\nstyle=Fusion\n' "$1" >"$work/new" && mv "$work/new" "$work/qt6ct/qt6ct.conf"; }
reads() {  # reads WINDOW-COLOUR TEXT-COLOUR
    BIORHYTHM_WINDOW=$window BIORHYTHM_WINDOW_COLOUR=$1 BIORHYTHM_TEXT_COLOUR=$2 QT_QPA_PLATFORM=xcb \
        timeout 20 bash -c 'until "$0" --gtest_filter="ScreenCheck.*"; do sleep 1; done' "$ui_tests"
}
printf '#!/bin/sh\necho "$#:$*" >>%s/launches\n' "$work" >"$work/xdg-open" && chmod +x "$work/xdg-open"
scheme darker
PATH=$work:$PATH XDG_CONFIG_HOME=$work QT_QPA_PLATFORMTHEME=qt6ct QT_LOGGING_RULES='qt.qpa.*=true' start "$program"
if compgen -G '/usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so' >/dev/null; then
    check "the texts read under qt6ct's darker scheme" reads '#222020' '#ffffff'
    scheme airy && check "then switched to airy" reads '#ffffff' '#000000'
    scheme darker && check "and back to darker" reads '#222020' '#ffffff'
else
    echo "qt6ct is not installed on this release: the texts are not tried under its schemes"
fi
sleep 1 && check "Qt's diagnostics of the start kept" awk 'NR == FNR { bare[$2]; all += $1; next }
    { delete bare[$2]; kept += $1 } END { exit length(bare) > 0 || kept < 0.9 * all }' "$work/bare" <(logged)
check "the title" test "$(xdotool getwindowname "$window")" = "人体生物节律分析工具（Zendrel庄园版） V1.0 正式版"
check "752 x 569, centred, of a fixed size" grep -qzE 'upper-left X: +26[345].*upper-left Y: +22[678].*Width: 752.*Height: 569.*minimum size: 752 by 569.*maximum size: 752 by 569' <(xwininfo -id "$window"; xprop -id "$window" WM_NORMAL_HINTS)
check "the icon" grep -q 'Icon (48 x 48)' <(xprop -id "$window" _NET_WM_ICON)
click "${home_button[@]}" && click "${home_button[@]}"
check "each press of the home-page button launches the address alone" test "$(cat "$work/launches")" = "1:$home"$'\n'"1:$home"
click "${exit_button[@]}"
check "the exit button ends the program with status 0" ended_with 0

printf '#!/nonexistent/interpreter\n' >"$work/xdg-open"
PATH=$work:/usr/bin:/bin start "$program"
click "${home_button[@]}"
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^工程1$' | head -n 1)
check "a browser that cannot start gets a box titled 工程1" test -n "$box"
xdotool windowfocus --sync "$box" key Return && sleep 0.5
check "which closes, and the program goes on" test -z "$(xdotool search --onlyvisible --name '^工程1$')"
click "${exit_button[@]}"
check "to end with status 0 from its exit button" ended_with 0
check "having reported no error" test ! -s "$work/log" -o -z "$(grep -E '错误|rror' "$work/log")"

# Without a display, or with one that does not answer: a Chinese line, then an
# English one. With a platform that does not exist, or the X11 one with a
# library it needs broken: Qt's reason, then a Chinese line.
: >"$work/libxcb-icccm.so.4"
no_desktop='^biorhythm: 无法连接到图形桌面[^\n]*\nbiorhythm: cannot reach a graphical desktop[^\n]*\n'
qt_reason() { printf '%s' "(?s)^qt\.qpa\.plugin: .*Could not $1 the Qt platform plugin \"$2\".*\nbiorhythm: 无法启动本程序[^\n]*\n"; }
for start in "-u DISPLAY -u WAYLAND_DISPLAY|$no_desktop" "DISPLAY=:4242|$no_desktop" \
    "QT_QPA_PLATFORM=nosuch|$(qt_reason find nosuch)" "LD_LIBRARY_PATH=$work|$(qt_reason load xcb)"; do
    check "started with ${start%%|*}: its lines, then status 1" \
        grep -qzP "${start#*|}status 1\n\$" <(env ${start%%|*} "$program" 2>&1; echo "status $?")
done

exit "$failed"
