#!/usr/bin/env bash
# Start-up time to first paint and resident memory of the program against two
# bare Qt windows of its size: the floor, which paints all of the program's
# opening texts in the same fonts, and one with a single label. The three
# alternate, under a virtual X display; medians over RUNS each.
# Usage: run_startup.sh BUILD-DIR [RUNS]   (runs itself under xvfb-run)
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-21}
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
probe=$build/bench/startup_probe
declare -A binary=([program]=$build/app/biorhythm [floor]=$build/bench/startup_floor
                   [one-label]=$build/bench/startup_baseline)
order=(program floor one-label)
log=$(mktemp)
trap 'rm -f "$log"' EXIT

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

for _ in $(seq "$runs"); do
    for what in "${order[@]}"; do echo "$what $("$probe" "${binary[$what]}")" >>"$log"; done
done
declare -A ms kib
for what in "${order[@]}"; do
    ms[$what]=$(awk -v w="$what" '$1==w{print $2}' "$log" | median)
    kib[$what]=$(awk -v w="$what" '$1==w{print $3}' "$log" | median)
    printf '%-9s start-up to first paint: median %7.1f ms   resident memory: median %7d KiB\n' \
        "$what" "${ms[$what]}" "${kib[$what]}"
done
for base in floor one-label; do
    awk -v a="${ms[program]}" -v b="${ms[$base]}" -v c="${kib[program]}" -v d="${kib[$base]}" \
        -v n="$runs" -v base="$base" \
        'BEGIN{printf "program / %s over %d runs each: start-up %.2f, memory %.2f\n", base, n, a/b, c/d}'
done
