#!/usr/bin/env bash
# Start-up time to first paint and resident memory of the program against the
# bare Qt window, alternating the two, under a virtual X display.
# Usage: run_startup.sh BUILD-DIR [RUNS]   (runs itself under xvfb-run)
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10}
if [[ -z "${DISPLAY:-}" ]]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
probe=$build/bench/startup_probe
program=$build/app/biorhythm
baseline=$build/bench/startup_baseline

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

: >/tmp/biorhythm-bench.$$
for _ in $(seq "$runs"); do
    echo "program $("$probe" "$program")" >>/tmp/biorhythm-bench.$$
    echo "baseline $("$probe" "$baseline")" >>/tmp/biorhythm-bench.$$
done
for what in program baseline; do
    ms=$(awk -v w=$what '$1==w{print $2}' /tmp/biorhythm-bench.$$ | median)
    kib=$(awk -v w=$what '$1==w{print $3}' /tmp/biorhythm-bench.$$ | median)
    printf '%-9s start-up to first paint: median %7.1f ms   resident memory: median %7d KiB\n' "$what" "$ms" "$kib"
    eval "${what}_ms=$ms ${what}_kib=$kib"
done
rm -f /tmp/biorhythm-bench.$$
awk -v a="$program_ms" -v b="$baseline_ms" -v c="$program_kib" -v d="$baseline_kib" -v n="$runs" \
    'BEGIN{printf "ratio program / bare Qt window over %d runs each: start-up %.2f, memory %.2f\n", n, a/b, c/d}'
