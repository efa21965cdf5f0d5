#!/usr/bin/env bash
# The Debian package: built from this commit in the given build folder and
# again in a separate one, the two must be the same bytes, and lintian must
# report nothing. Leaves the package in BUILD-DIR/package/ for the tests.
# Usage: package_checks.sh BUILD-DIR   (configured and built like the test build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH

cmake -S . -B build-repro -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBIORHYTHM_WERROR=ON \
    -DBIORHYTHM_TESTS=OFF -DBIORHYTHM_BENCH=OFF >/dev/null
cmake --build build-repro -j"$(nproc)" >/dev/null
for folder in "$build" build-repro; do
    rm -rf "$folder/package"
    cpack -G DEB --config "$folder/CPackConfig.cmake" -B "$folder/package" >/dev/null
done
sha256sum "$build"/package/*.deb build-repro/package/*.deb
cmp "$build"/package/*.deb build-repro/package/*.deb
echo "package: two builds, the same bytes"

desktop-file-validate data/biorhythm.desktop
appstreamcli validate --no-net "$build/data/biorhythm.metainfo.xml" >/dev/null
findings=$(lintian "$build"/package/*.deb 2>&1 | grep -v 'running with root privileges' || true)
echo "lintian: ${findings:-no findings}"
[[ -z "$findings" ]]
