#!/usr/bin/env bash
# What a Windows screen reader reads of the program, inside the Debian 13 tree
# that windows.sh makes and enters: the UI Automation client
# (tests/e2e/uia_read.cpp) built with that tree's mingw-w64, and
# tests/e2e/uia_test.sh under its Wine 10 on a virtual display, on the program
# of the release that windows_build.sh made.
# Usage: windows_reader.sh
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
work=$(mktemp -d)
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -municode -static \
    -o "$work/uia_read.exe" tests/e2e/uia_read.cpp -luiautomationcore -lole32 -loleaut32 -luuid ||
    fail "building the UI Automation client (above)"
unzip -q /build/release/biorhythm-*-x64.zip -d "$work"
home=$(sed -n 's/^BIORHYTHM_HOME_PAGE:STRING=//p' /build/program/CMakeCache.txt)
echo "Windows: what a screen reader reads, under $(wine --version 2>/dev/null)"
xvfb-run -a -s '-screen 0 1600x1200x24' timeout 600 bash tests/e2e/uia_test.sh \
    "$(echo "$work"/biorhythm-*-x64/biorhythm.exe)" "$work/uia_read.exe" "$home" || fail "what a screen reader reads (above)"
echo "Windows: a screen reader reads the window, its Tab order, its results and its box under $(wine --version 2>/dev/null)"
