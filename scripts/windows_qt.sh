#!/usr/bin/env bash
# Qt for 64-bit Windows, built with mingw-w64 from the qt6-base source of the
# Qt installed here, whose tools (moc, rcc, uic) it uses: shared, release,
# with only what the program and its tests load (Core, Gui, Widgets, Test; the
# Windows and offscreen platforms).
# Kept in /var/cache/biorhythm (or $BIORHYTHM_QT_CACHE), named for the source
# version, the options and the toolchain; one run at a time makes
# it, under a temporary name renamed into place when complete. Beside Qt it
# keeps what the licence asks to be offered with it: the source package as
# fetched (source/), how it was built (build/), and the notices of the code
# compiled into it (licenses/).
# Usage: windows_qt.sh   Prints the installed Qt's folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=${BIORHYTHM_QT_CACHE:-/var/cache/biorhythm}
making=
fail() {
    echo "Qt for Windows: FAILED: $*" >&2
    if [[ -n $making ]]; then
        # The logs outlive the folder they were made in.
        rm -rf "$logs" && mkdir -p "$logs" && cp "$making"/*.log "$logs/" 2>/dev/null
        for log in "$logs"/*.log; do echo "--- the end of $log:" && tail -n 30 "$log"; done >&2
    fi
    exit 1
}
source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed: its tools build Qt for Windows"
options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_jpeg=OFF -DFEATURE_icu=OFF
    # OpenGL off entirely: the feature alone leaves dynamic OpenGL on.
    -DFEATURE_opengl=OFF -DINPUT_opengl=no
    # Qt 6.4's Windows platform does not link without Direct2D's font database.
    -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
    # Debian's source leaves out wintab, and its cross patch turns this on.
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
)
name=qt-windows-$( (echo "$source_version ${options[*]}"; cat cmake/mingw-w64-x86_64.cmake) |
    sha256sum | cut -c1-16)
qt=$cache/$name logs=$cache/$name-failed
mkdir -p "$cache"
exec {lock}>"$cache/qt-windows.lock"
flock "$lock"
if [[ ! -d $qt ]]; then
    rm -rf "$cache/.making-qt-windows-"*  # left by an interrupted run
    making=$cache/.making-qt-windows-$$
    trap 'rm -rf "$making"' EXIT
    mkdir -p "$making"/apt/lists/partial "$making"/apt/cache/archives/partial "$making"/qt/{source,build}
    # The source from the suites this machine's apt names, through an apt
    # set-up of its own that adds their deb-src entries.
    apt-get indextargets --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
        awk '$1 == "deb" { print "deb-src", $2, $3, $4 }' | sort -u >"$making/apt/sources.list"
    apt=(-o Dir::Etc::SourceList="$making/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$making/apt/lists" -o Dir::Cache="$making/apt/cache")
    echo "Qt for Windows: fetching Debian's qt6-base $source_version source"
    apt-get "${apt[@]}" -qq update >"$making/source.log" 2>&1 &&
        (cd "$making/qt/source" && apt-get "${apt[@]}" -qq source --download-only "qt6-base=$source_version") \
            >>"$making/source.log" 2>&1 ||
        fail "apt-get source qt6-base=$source_version"
    dpkg-source -x "$making"/qt/source/*.dsc "$making/src" >>"$making/source.log" 2>&1 || fail "dpkg-source -x"
    echo "Qt for Windows: configuring and building (about 25 minutes on 2 cores)"
    cmake -S "$making/src" -B "$making/build" -G Ninja "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$making/qt" \
        >"$making/configure.log" 2>&1 || fail "configure"
    cmake --build "$making/build" -j"$(nproc)" >"$making/build.log" 2>&1 || fail "build"
    cmake --install "$making/build" >/dev/null
    # How it was built, as the licence's corresponding source asks.
    cp scripts/windows_qt.sh cmake/mingw-w64-x86_64.cmake "$making/qt/build/"
    printf '%s\n' "qt6-base $source_version" "${options[@]}" >"$making/qt/build/options.txt"
    # Qt's licences, and the notices of the code compiled into the libraries
    # that ship: every file the compiler read for them, as ninja recorded it.
    mkdir -p "$making/qt/licenses"
    cp "$making"/src/LICENSES/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt \
        "$making/qt/licenses/"
    ninja -C "$making/build" -t deps |
        awk '/^[^ ]/ { ships = $1 !~ /\/(Test|QOffscreenIntegrationPlugin)\.dir\// } /^ / && ships { print $1 }' |
        sort -u |
        (cd "$making/build" && xargs realpath -m) | sort -u >"$making/compiled.txt"
    python3 scripts/qt_notices.py "$making/src" "$making/compiled.txt" "$making/qt/licenses" >"$making/notices.log" 2>&1 ||
        fail "the notices"
    mv "$making/qt" "$qt"
    rm -rf "$making" "$logs"
fi
echo "$qt"
