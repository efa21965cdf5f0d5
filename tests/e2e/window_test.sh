#!/usr/bin/env bash
# The real window on a virtual X display: title, size, centred, fixed size,
# and a clean exit when the window is closed.
# Usage: window_test.sh BIORHYTHM X11_CLOSE   (run under xvfb-run, 1280x1024)
source "$(dirname "$0")/lib.sh"
program=$1
x11_close=$2

check "the window maps" start_program "$program" || { finish; exit 1; }
check "the title" test "$(xdotool getwindowname "$window")" = "人体生物节律分析工具（Zendrel庄园版） V1.0 正式版"
read -r x y width height < <(window_geometry)
check "the client area is 752 x 569 (got $width x $height)" test "$width $height" = "752 569"
check "centred on the 1280 x 1024 screen (at $x,$y)" test $((x - 264)) -ge -1 -a $((x - 264)) -le 1 -a $((y - 227)) -ge -1 -a $((y - 227)) -le 1
hints=$(xprop -id "$window" WM_NORMAL_HINTS)
check "a window manager may not resize it" grep -q "program specified minimum size: 752 by 569" <<<"$hints"
check "nor enlarge it" grep -q "program specified maximum size: 752 by 569" <<<"$hints"
check "the icon is set" bash -c "xprop -id $window _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
"$x11_close" "$window"
check "closing the window ends the program" wait_for_exit
check "with exit status 0 (got $exit_status)" test "$exit_status" = 0
check "nothing was reported on the way" bash -c "! grep -qiE 'error|错误' '$log'"
finish
