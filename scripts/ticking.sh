# Sourced. ticking LABEL LOG COMMAND...: runs COMMAND with its output in LOG
# and, while it runs, says once a minute on standard error that it still is,
# with LOG's last step count ("[12/991] ..." of a build) or else its last
# line; COMMAND's status is its own.
ticking() {
    local label=$1 log=$2 job minutes=0 status=0
    shift 2
    "$@" >"$log" 2>&1 &
    job=$!
    until timeout 60 tail --pid="$job" -f /dev/null; do
        minutes=$((minutes + 1))
        echo "$label: $minutes min, $( (grep -aE '^\[[0-9]+/[0-9]+\]' "$log" || tail -n 1 "$log") |
            tail -n 1 | cut -c1-100)" >&2
    done
    wait "$job" || status=$?
    return "$status"
}
