#!/usr/bin/env bash
# The real program on a virtual X display (xvfb-run, 1280x1024, no window
# manager) and on native Wayland, in a D-Bus session (dbus-run-session) where
# screen readers reach it (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1): Qt's
# diagnostics of its start, its window, its buttons, the keyboard road, its
# start without a display, with a platform that cannot start, or with Qt's
# messages made fatal.
# Usage: program_test.sh BIORHYTHM HOME-PAGE BARE-QT-WINDOW
program=$1 home=$2 bare=$3
. "$(dirname "$0")/common.sh"
ending='kill "$weston" 2>/dev/null'
# spoken TEXT: a screen reader finds that text among the program's windows (atspi_windows.py).
spoken() { timeout 10 bash -c 'until "$0" | grep -qF "$1"; do sleep 0.5; done' "$(dirname "$0")/atspi_windows.py" "$1"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1 && sleep 0.3; }
exit_button=(413 534) home_button=(614 534)

# Qt's own diagnostics of a start: every category that a bare Qt window logs,
# and nearly as many lines; a bare window that logs none proves nothing.
logged() { grep -oE '^qt\.qpa[a-z.]*' "$work/log" | sort | uniq -c; }
QT_LOGGING_RULES='qt.qpa.*=true' start "$bare" && sleep 1 && kill "$pid" && wait "$pid"; logged >"$work/bare"

browser
PATH=$work:$PATH QT_LOGGING_RULES='qt.qpa.*=true' start "$program"
sleep 1 && check "Qt's diagnostics of the start kept" awk 'NR == FNR { bare[$2]; all += $1; next }
    { delete bare[$2]; kept += $1 } END { for (category in bare) print "not logged: " category > "/dev/stderr"
        printf "%d lines of the bare window'"'"'s %d\n", kept, all > "/dev/stderr"
        exit all == 0 || length(bare) > 0 || kept < 0.9 * all }' "$work/bare" <(logged)
check "752 x 569, centred, of a fixed size" grep -qzE 'upper-left X: +26[345].*upper-left Y: +22[678].*Width: 752.*Height: 569.*minimum size: 752 by 569.*maximum size: 752 by 569' <(xwininfo -id "$window"; xprop -id "$window" WM_NORMAL_HINTS)
check "the icon" grep -q 'Icon (48 x 48)' <(xprop -id "$window" _NET_WM_ICON)
check "the year list, named by what it asks for, its text its value" spoken "combo box 出生年份 选择年份"
click "${home_button[@]}" && click "${home_button[@]}"
check "each press of the home-page button launches the address alone" test "$(cat "$work/launches")" = "1:$home"$'\n'"1:$home"
printf '#!/nonexistent/interpreter\n' >"$work/xdg-open"
click "${home_button[@]}"
check "a browser that cannot start gets a box titled 工程1" spoken "alert 工程1 "
xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^工程1$' | head -n 1)" key Return && sleep 0.5
click "${exit_button[@]}"
check "which closes, and the exit button ends the program with status 0" ended_with 0
check "having reported no error" test -z "$(grep -vE '^qt\.qpa' "$work/log" | grep -E '错误|rror')"

# On native Wayland: weston on its X11 back end in the virtual display, and
# DISPLAY unset for the program, so that it can only be there. Keys typed into
# weston's window reach the program as Wayland keyboard input.
export XDG_RUNTIME_DIR=$work/runtime && mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --backend=x11-backend.so --use-pixman --socket=e2e --width=1024 --height=768 >"$work/weston.log" 2>&1 & weston=$!
timeout 10 bash -c 'until [[ -S $XDG_RUNTIME_DIR/e2e ]]; do sleep 0.1; done'
env -u DISPLAY WAYLAND_DISPLAY=e2e QT_QPA_PLATFORM=wayland faketime '2024-03-15 12:00:00' "$program" >"$work/log" 2>&1 & pid=$!
check "on Wayland, a frame named by its title, 752 x 569, of a fixed size" spoken "frame $title 752x569 fixed"
keys Tab space
check "节律分析 with no date: the 工程1 box with its warning" spoken "label 请选择您的阳历出生年份！"
check "which takes the keyboard" spoken "active alert 工程1 "
keys Return
check "and closes on Enter, giving the keyboard back to the window" spoken "active frame $title "
keys shift+Tab $(printf 'Down %.0s' {1..81}) Tab $(printf 'Down %.0s' {1..5}) Tab $(printf 'Down %.0s' {1..12}) Tab space
# The widget tests read every result after this road; here, the day's count
# shows the program's own clock, and a cycle's lines reach a screen reader whole.
for text in 'Zendrel：Hi，您好！ 您的生日为：1980年5月12日，您已出生了：16013天。' \
    '您当前正处于第 486 个智力周期中（每 33 天为一个智力周期）\r\n\r\n您今天的智力状况评价等级：聪慧    变化趋势分析：不久将下滑'
do check "the keyboard road to 1980年5月12日 on 15 March 2024 reads, as the analysis of that day must: $text" spoken "label $text"; done
for list in '出生年份 1980年' '出生月份 5月' '出生日期 12日'; do check "and the list $list" spoken "combo box $list"; done
keys Tab Tab space
check "退出程序 ends it with status 0" ended_with 0

# Without a display, or with one that does not answer: a Chinese line, then an
# English one, status 1. With a platform that does not exist, or the X11 one
# with a library it needs broken: Qt's reason, then a Chinese line, status 1.
# With Qt's warnings or criticals made fatal: Qt's own lines as they come, and
# its abort.
: >"$work/libxcb-icccm.so.4"
no_desktop='^biorhythm: 无法连接到图形桌面[^\n]*\nbiorhythm: cannot reach a graphical desktop[^\n]*\nstatus 1'
qt_reason() { printf '%s' "(?s)^qt\.qpa\.plugin: .*Could not $1 the Qt platform plugin \"$2\".*\nbiorhythm: 无法启动本程序[^\n]*\nstatus 1"; }
qt_abort='^qt\.qpa\.xcb: could not connect to display :4242\n(?s).*status 134'
for start in "-u DISPLAY -u WAYLAND_DISPLAY|$no_desktop" "DISPLAY=:4242|$no_desktop" \
    "-u WAYLAND_DISPLAY QT_QPA_PLATFORM=wayland|$no_desktop" "WAYLAND_DISPLAY=none QT_QPA_PLATFORM=wayland|$no_desktop" \
    "QT_QPA_PLATFORM=nosuch|$(qt_reason find nosuch)" "LD_LIBRARY_PATH=$work|$(qt_reason load xcb)" \
    "QT_FATAL_WARNINGS=1 QT_QPA_PLATFORM=xcb DISPLAY=:4242|$qt_abort" \
    "QT_FATAL_CRITICALS=1 QT_QPA_PLATFORM=xcb DISPLAY=:4242|$qt_abort"; do
    check "started with ${start%%|*}: its lines, then its status" \
        grep -qzP "${start#*|}\n\$" <(env ${start%%|*} "$program" 2>&1; echo "status $?")
done

exit "${failed:-0}"
