#!/usr/bin/env bash
# Rebuilds a published Windows release from this source and compares it, file
# by file: the release made as windows.sh makes it, in a clean Debian 12 tree,
# the published signatures (RELEASE/signatures) attached to the files they
# belong to, in the order signing used; then "the same bytes", or each file
# that differs named (and, where diffoscope is installed, its first
# difference). It needs no key, and nothing beyond Debian's mirror.
# Usage: rebuild_windows.sh RELEASE [--ca-file CA]
#   RELEASE: the published folder (the MSIs, the zip, qt-source/, signatures/,
#   SHA256SUMS); CA: the publisher's CA, where the system's does not hold it.
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
[[ $# -ge 1 && -d $1 ]] || fail "usage: scripts/rebuild_windows.sh RELEASE [--ca-file CA]"
release=$(realpath "$1")
bash scripts/windows.sh --no-tests --attach "$release" "${@:2}"
bash scripts/windows_compare.sh "$release" build-windows/release
