#!/usr/bin/env bash
# Qt for 64-bit Windows, built with mingw-w64 from the qt6-base source of the
# Qt installed here, whose tools (moc, rcc, uic) it uses: shared, release,
# with only what the program and its tests load (Core, Gui, Widgets, Test; the
# Windows and offscreen platforms).
# Kept in /var/cache/biorhythm (or $BIORHYTHM_QT_CACHE) as qt-windows-HASH,
# named for everything that makes it: the source version, this script with its
# options, the notices script and the toolchain. One run at a time makes it,
# in .making-qt-windows (the same path every time, whatever the name: Qt keeps
# the paths it was built at), renamed into place when complete, with every
# time stamp its source's changelog's, so that two builds give the same
# libraries. Folders of other names that no run has handed out for a day are
# removed: no build or test run takes that long. Beside Qt it keeps what the
# licence asks to be offered with it: the source package as fetched
# (source/), how it was built (build/), and the notices of the code compiled
# into it (licenses/, and static-notices/ for its static libraries).
# Usage: windows_qt.sh   Prints the folder on standard output, its progress
# and the cause of a failure on standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/ticking.sh
cache=${BIORHYTHM_QT_CACHE:-/var/cache/biorhythm}
making=
say() { echo "Qt for Windows: $*" >&2; }
fail() {  # fail WHAT LOG
    say "FAILED: $1"
    if [[ -n $making ]]; then
        # The logs outlive the folder they were made in.
        rm -rf "$logs" && mkdir -p "$logs" && cp "$making"/*.log "$logs/" 2>/dev/null
        say "the end of $logs/$2 (all its logs are there):"
        tail -n 30 "$logs/$2" >&2
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
name=qt-windows-$( (echo "$source_version"; cat scripts/windows_qt.sh scripts/qt_notices.py cmake/mingw-w64-x86_64.cmake) |
    sha256sum | cut -c1-16)
qt=$cache/$name logs=$cache/$name-failed
mkdir -p "$cache"
exec {lock}>"$cache/qt-windows.lock"
flock "$lock"
find "$cache" -maxdepth 1 -name 'qt-windows-*' ! -name "$name" ! -name "$name-failed" -mmin +1440 \
    -exec rm -rf {} +
if [[ ! -d $qt ]]; then
    making=$cache/.making-qt-windows
    rm -rf "$making"  # left by an interrupted run
    trap 'rm -rf "$making"' EXIT
    mkdir -p "$making"/apt/lists/partial "$making"/apt/cache/archives/partial "$making"/qt/{source,build}
    # The source from the suites this machine's apt names, through an apt
    # set-up of its own that adds their deb-src entries.
    apt-get indextargets --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
        awk '$1 == "deb" { print "deb-src", $2, $3, $4 }' | sort -u >"$making/apt/sources.list"
    apt=(-o Dir::Etc::SourceList="$making/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$making/apt/lists" -o Dir::Cache="$making/apt/cache")
    say "fetching Debian's qt6-base $source_version source"
    apt-get "${apt[@]}" -qq update >"$making/source.log" 2>&1 &&
        (cd "$making/qt/source" && apt-get "${apt[@]}" -qq source --download-only "qt6-base=$source_version") \
            >>"$making/source.log" 2>&1 ||
        fail "apt-get source qt6-base=$source_version" source.log
    dpkg-source -x "$making"/qt/source/*.dsc "$making/src" >>"$making/source.log" 2>&1 ||
        fail "dpkg-source -x" source.log
    # Every time stamp that the libraries keep (the link's, rcc's) is the
    # source's own.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$making/src/debian/changelog" -STimestamp)
    export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
    say "configuring"
    cmake -S "$making/src" -B "$making/build" -G Ninja "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$making/qt" \
        >"$making/configure.log" 2>&1 || fail "configure" configure.log
    say "building (about 25 minutes on 2 cores)"
    ticking "Qt for Windows: building" "$making/build.log" cmake --build "$making/build" -j"$(nproc)" ||
        fail "build" build.log
    cmake --install "$making/build" >"$making/install.log" 2>&1 || fail "install" install.log
    # How it was built, as the licence's corresponding source asks.
    cp scripts/windows_qt.sh cmake/mingw-w64-x86_64.cmake "$making/qt/build/"
    printf '%s\n' "qt6-base $source_version" "${options[@]}" >"$making/qt/build/options.txt"
    # Qt's licences, and the notices of the code compiled into the libraries
    # that ship: every file the compiler read for them, as ninja recorded it.
    mkdir -p "$making/qt/licenses"
    cp "$making"/src/LICENSES/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt \
        "$making/qt/licenses/" >"$making/notices.log" 2>&1 || fail "Qt's licences" notices.log
    ninja -C "$making/build" -t deps >"$making/deps.txt" 2>>"$making/notices.log" ||
        fail "ninja -t deps" notices.log
    awk '/^[^ ]/ { ships = $1 !~ /\/(Test|QOffscreenIntegrationPlugin)\.dir\// } /^ / && ships { print $1 }' \
        "$making/deps.txt" | sort -u | (cd "$making/build" && xargs realpath -m) | sort -u >"$making/compiled.txt"
    python3 scripts/qt_notices.py "$making/src" "$making/build" "$making/compiled.txt" "$making/qt/licenses" \
        "$making/qt/static-notices" \
        >>"$making/notices.log" 2>&1 || fail "the notices" notices.log
    mv "$making/qt" "$qt"
    rm -rf "$making" "$logs"
fi
touch "$qt"
echo "$qt"
