# What the end-to-end tests of the program on Linux and on Windows (under
# Wine) share, sourced first: `work`, the test's own folder, removed at the
# end, when the program (`pid`) and whatever `ending` names are ended too.
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null; eval "${ending:-}"; rm -rf "$work"' EXIT
title='人体生物节律分析工具（Zendrel庄园版） V1.0 正式版'
# check DESCRIPTION COMMAND...: a failed check is named, above what its command said on standard error.
check() { "${@:2}" >/dev/null 2>"$work/why" || { echo "FAILED: $1"; tail -n 40 "$work/why"; failed=1; }; }
# equal GOT EXPECTED: the two are the same; if not, both are the reason.
equal() { [[ $1 == "$2" ]] || { echo "got \"$1\", not \"$2\"" >&2; return 1; }; }
# ended_with STATUS: the program ends within 10 seconds, with that status; one
# that does not end is ended, and fails the check.
ended_with() {
    timeout 10 tail --pid="$pid" -f /dev/null || { echo "it did not end within 10 s" >&2; kill -KILL "$pid" 2>/dev/null; }
    wait "$pid"
    equal "status $?" "status $1"
}
# start PROGRAM: runs it, its output in the log, and finds its window by its process.
start() {
    "$1" >"$work/log" 2>&1 & pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
}
keys() { xdotool key --delay 50 "$@" && sleep 0.5; }
# The desktop's browser, standing in: it notes each address it is handed.
browser() { printf '#!/bin/sh\necho "$#:$*" >>%s/launches\n' "$work" >"$work/xdg-open" && chmod +x "$work/xdg-open"; }
