# Shared steps of the end-to-end tests: start the real program on the virtual
# display, find its window, check and report.
set -uo pipefail

failures=0
checks=0

check() {  # check DESCRIPTION COMMAND...
    local description=$1
    shift
    checks=$((checks + 1))
    if "$@"; then
        echo "ok: $description"
    else
        echo "FAILED: $description"
        failures=$((failures + 1))
    fi
}

start_program() {  # start_program BINARY: sets program_pid and window
    "$1" >"$log" 2>&1 &
    program_pid=$!
    window=$(timeout 15 xdotool search --sync --onlyvisible --name '^人体生物节律分析工具' | head -n 1)
    [[ -n "$window" ]]
}

# Waits up to 10 s for the program to end; sets exit_status.
wait_for_exit() {
    for _ in $(seq 100); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            wait "$program_pid"
            exit_status=$?
            return 0
        fi
        sleep 0.1
    done
    kill "$program_pid" 2>/dev/null
    exit_status=timeout
    return 1
}

window_geometry() {  # prints "X Y WIDTH HEIGHT" of the window
    xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
        /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}

finish() {
    echo "$((checks - failures)) passed, $failures failed"
    [[ $failures -eq 0 ]]
}

log=$(mktemp)
trap 'rm -f "$log"; [[ -n "${program_pid:-}" ]] && kill "$program_pid" 2>/dev/null' EXIT
