#!/usr/bin/env bash
# Compares a published Windows release folder with one built here, file by
# file: says "the same bytes", or names each file that differs, or that only
# one of them has, and fails. Where diffoscope is installed, it shows the
# first difference.
# Usage: windows_compare.sh PUBLISHED BUILT
failing_as=Windows
. "$(dirname "$0")/failing.sh"
published=$1 built=$2
files() { find "$1" -type f ! -name SHA256SUMS.asc -printf '%P\n' | LC_ALL=C sort; }
differ=()
while read -r file; do
    if [[ ! -e $published/$file ]]; then differ+=("$file (only built here)")
    elif [[ ! -e $built/$file ]]; then differ+=("$file (only in the published release)")
    elif ! cmp -s "$published/$file" "$built/$file"; then differ+=("$file")
    fi
done < <(sort -u <(files "$published") <(files "$built"))
[[ ${#differ[@]} -gt 0 ]] || { echo "Windows: $published and $built: the same bytes"; exit 0; }
printf 'Windows: differs: %s\n' "${differ[@]}" >&2
first=${differ[0]}
if [[ $first != *" (only "* ]] && command -v diffoscope >/dev/null; then
    diffoscope --text - "$published/$first" "$built/$first" 2>&1 | head -n 40 >&2
fi
fail "$built is not the same bytes as $published: ${#differ[@]} of the files differ (above)"
