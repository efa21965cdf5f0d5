#!/usr/bin/env bash
# clang-tidy and clazy over the program's own sources, both at zero findings.
# Usage: static_checks.sh BUILD-DIR   (a configured build with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
sources=(core/*.cpp ui/*.cpp app/*.cpp tools/*.cpp bench/*.cpp)

echo "clang-tidy: ${#sources[@]} files"
tidy_log=$(mktemp)
trap 'rm -f "$tidy_log"' EXIT
if ! run-clang-tidy -p "$build" -quiet -j "$(nproc)" \
        "$(pwd)/(core|ui|app|tools|bench)/[^/]*\.cpp$" >"$tidy_log" 2>&1 ||
    grep -qE '(warning|error):' "$tidy_log"; then
    grep -E '(warning|error):' -A3 "$tidy_log" || tail -20 "$tidy_log"
    echo "clang-tidy: findings above"
    exit 1
fi
echo "clang-tidy: no findings"

# Qt-specific checks on the code that uses Qt.
findings=0
for source in ui/*.cpp app/*.cpp; do
    output=$(clazy-standalone -p "$build/compile_commands.json" -checks=level0,level1 "$source" 2>&1) || true
    if grep -qE '(warning|error):' <<<"$output"; then
        echo "$output"
        findings=1
    fi
done
[[ $findings -eq 0 ]] || { echo "clazy: findings above"; exit 1; }
echo "clazy: no findings"
