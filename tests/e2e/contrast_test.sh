#!/usr/bin/env bash
# The Windows program under Wine in a prefix set up as Windows' high-contrast
# black (white on black, the visual style off, no anti-aliasing): every text of
# its window reads, measured on the screen where the window lies.
# Usage: contrast_test.sh BIORHYTHM.EXE UI-TESTS.EXE   (inside xvfb-run, WINEPREFIX set)
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/common.sh"
wine "$1" >"$work/log" 2>&1 & pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1)
at=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { print x "," $NF }')
BIORHYTHM_WINDOW_AT=$at BIORHYTHM_WINDOW_COLOUR='#000000' BIORHYTHM_TEXT_COLOUR='#ffffff' \
    timeout 60 wine "$2" --gtest_filter='ScreenCheck.*' --gtest_brief=1 || failed=1
keys alt+F4 && check "and it ends with status 0" ended_with 0
exit "${failed:-0}"
