#!/usr/bin/env bash
# clang-tidy and clazy over the program's own sources, both at zero findings.
# A run that crashes, or that leaves a source out, fails as a finding does.
# Usage: static_checks.sh BUILD-DIR   (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
# Every source that this build compiles, as it compiles it. Only a build for
# Windows compiles those made for Windows alone, named _windows.cpp; a source
# the build leaves out is one neither tool can read, so any other one left out
# fails.
sources=()
for source in core/*.cpp ui/*.cpp app/*.cpp tools/*.cpp bench/*.cpp; do
    if grep -qF "\"file\": \"$(pwd)/$source\"" "$build/compile_commands.json"; then
        sources+=("$source")
    elif [[ $source != *_windows.cpp ]]; then
        echo "static checks: FAILED: $source is not in $build/compile_commands.json"
        exit 1
    fi
done

echo "clang-tidy: ${#sources[@]} files"
tidy_log=$(mktemp)
trap 'rm -f "$tidy_log"' EXIT
# A finding makes run-clang-tidy end non-zero (.clang-tidy: WarningsAsErrors),
# so its status alone does not tell a finding from a crash.
status=0
run-clang-tidy -p "$build" -quiet -j "$(nproc)" "$(pwd)/(core|ui|app|tools|bench)/[^/]*\.cpp$" >"$tidy_log" 2>&1 ||
    status=$?
crashed='Stack dump:|PLEASE submit a bug report|Segmentation fault|Aborted|Error while processing'
if grep -qE "$crashed" "$tidy_log" || { [[ $status -ne 0 ]] && ! grep -qE '(warning|error):' "$tidy_log"; }; then
    tail -n 30 "$tidy_log"
    echo "clang-tidy: FAILED: it ended in error (status $status, above)"
    exit 1
elif grep -qE '(warning|error):' "$tidy_log"; then
    grep -E '(warning|error):' -A3 "$tidy_log"
    echo "clang-tidy: FAILED: findings above"
    exit 1
fi
echo "clang-tidy: no findings"

# Qt-specific checks on the code that uses Qt.
findings=0
for source in $(printf '%s\n' "${sources[@]}" | grep -E '^(ui|app)/'); do
    status=0
    output=$(clazy-standalone -p "$build/compile_commands.json" -checks=level0,level1 "$source" 2>&1) ||
        status=$?
    if [[ $status -ne 0 ]] || grep -q 'Compile command not found' <<<"$output"; then
        echo "$output"
        echo "clazy: $source: it ended in error (status $status, above)"
        findings=1
    elif grep -qE '(warning|error):' <<<"$output"; then
        echo "$output"
        echo "clazy: $source: findings above"
        findings=1
    fi
done
[[ $findings -eq 0 ]] || { echo "clazy: FAILED"; exit 1; }
echo "clazy: no findings"
