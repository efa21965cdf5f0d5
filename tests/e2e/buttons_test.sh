#!/usr/bin/env bash
# The exit and home-page buttons of the real program on a virtual X display.
# Usage: buttons_test.sh BIORHYTHM X11_CLOSE HOME-PAGE   (under xvfb-run, 1280x1024)
source "$(dirname "$0")/lib.sh"
program=$1
x11_close=$2
home_page=$3

# Control centres in the window's client area, in pixels.
exit_button=(413 534)
home_button=(614 534)
year_arrow=(294 59)

click_at() {  # click_at X Y: a left click at that point of the program's window
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.3
}

stubs=$(mktemp -d)
trap 'rm -rf "$stubs" "$log"; [[ -n "${program_pid:-}" ]] && kill "$program_pid" 2>/dev/null' EXIT
mkdir "$stubs/recording" "$stubs/broken"
cat >"$stubs/recording/xdg-open" <<SCRIPT
#!/bin/sh
printf 'launch %s:' "\$#" >>"$stubs/launches"
printf ' [%s]' "\$@" >>"$stubs/launches"
printf '\n' >>"$stubs/launches"
SCRIPT
printf '#!/nonexistent/interpreter\n' >"$stubs/broken/xdg-open"
chmod +x "$stubs/recording/xdg-open" "$stubs/broken/xdg-open"

# The home page, three presses, three launches with the address alone.
PATH="$stubs/recording:$PATH" check "the window maps" start_program "$program" || { finish; exit 1; }
for _ in 1 2 3; do click_at "${home_button[@]}"; done
for _ in $(seq 50); do [[ $(wc -l <"$stubs/launches" 2>/dev/null) -ge 3 ]] && break; sleep 0.1; done
expected="launch 1: [$home_page]"
check "three presses, three launches of the address alone" \
    test "$(cat "$stubs/launches" 2>/dev/null)" = "$expected"$'\n'"$expected"$'\n'"$expected"
check "the program goes on running" kill -0 "$program_pid"

# The exit button while the year list's popup is open.
click_at "${year_arrow[@]}"
click_at "${exit_button[@]}"
kill -0 "$program_pid" 2>/dev/null && click_at "${exit_button[@]}"  # the first click closed the popup
check "the exit button ends the program with the popup open" wait_for_exit
check "with exit status 0 (got $exit_status)" test "$exit_status" = 0

# A browser that cannot be started: a warning, and the program goes on.
PATH="$stubs/broken:/usr/bin:/bin" check "the window maps again" start_program "$program" || { finish; exit 1; }
click_at "${home_button[@]}"
box=$(timeout 10 xdotool search --sync --onlyvisible --name '^工程1$' | head -n 1)
check "a message box titled 工程1 appears" test -n "$box"
check "the program keeps running with it" kill -0 "$program_pid"
[[ -n "$box" ]] && "$x11_close" "$box"
sleep 0.5
check "and after it is closed" kill -0 "$program_pid"
check "no error ended or was reported" bash -c "! grep -q '意外错误' '$log'"
click_at "${exit_button[@]}"
check "the exit button ends it" wait_for_exit
check "with exit status 0 (got $exit_status)" test "$exit_status" = 0
finish
