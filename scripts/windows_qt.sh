#!/usr/bin/env bash
# Qt for 64-bit Windows, built with mingw-w64 from Debian 12's own qt6-base
# source: shared, release, with only what the program and its tests load
# (Core, Gui, Widgets, Test; the Windows and offscreen platforms). Qt's own
# tools (moc, rcc, uic) are this machine's, so the host must have the same Qt:
# Debian 12's 6.4.2. Kept in /var/cache/biorhythm (or $BIORHYTHM_QT_CACHE),
# named for the source version and the options; one run at a time makes it,
# under a temporary name renamed into place when complete.
# Usage: windows_qt.sh   Prints the installed Qt's folder on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
fail() { echo "Qt for Windows: FAILED: $*" >&2; exit 1; }
source_version=6.4.2+dfsg-10
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
cache=${BIORHYTHM_QT_CACHE:-/var/cache/biorhythm}
qt=$cache/qt-windows-$( (echo "$source_version ${options[*]}"; cat cmake/mingw-w64-x86_64.cmake) |
    sha256sum | cut -c1-16)
mkdir -p "$cache"
exec {lock}>"$cache/qt-windows.lock"
flock "$lock"
if [[ ! -d $qt ]]; then
    rm -rf "$cache/.making-qt-windows-"*  # left by an interrupted run
    making=$cache/.making-qt-windows-$$
    trap 'rm -rf "$making"' EXIT
    mkdir -p "$making"/apt/lists/partial "$making"/apt/cache/archives/partial
    # The source from the mirror this machine's apt names, through an apt
    # set-up of its own that adds the deb-src entry.
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
    [[ -n $mirror ]] || fail "this machine's apt sources name no Debian mirror"
    echo "deb-src $mirror bookworm main" >"$making/apt/sources.list"
    apt=(-o Dir::Etc::SourceList="$making/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$making/apt/lists" -o Dir::Cache="$making/apt/cache")
    echo "Qt for Windows: fetching Debian's qt6-base $source_version source from $mirror"
    apt-get "${apt[@]}" -qq update
    (cd "$making" && apt-get "${apt[@]}" -qq source "qt6-base=$source_version" >source.log 2>&1) ||
        fail "apt-get source qt6-base=$source_version ($making/source.log)"
    echo "Qt for Windows: configuring and building (about 25 minutes on 2 cores)"
    cmake -S "$making"/qt6-base-*/ -B "$making/build" -G Ninja "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$making/qt" \
        >"$making/configure.log" 2>&1 || { tail -n 30 "$making/configure.log"; fail "configure"; }
    cmake --build "$making/build" -j"$(nproc)" >"$making/build.log" 2>&1 ||
        { tail -n 30 "$making/build.log"; fail "build"; }
    cmake --install "$making/build" >/dev/null
    # The licences that ship with it: Qt's, and those of the libraries built
    # into its DLLs, each beside what Qt says of that library.
    mkdir -p "$making/qt/licenses"
    cp "$making"/qt6-base-*/LICENSES/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt \
        "$making/qt/licenses/"
    for library in "$making"/qt6-base-*/src/3rdparty/*/qt_attribution.json; do
        folder=$(dirname "$library")
        mkdir -p "$making/qt/licenses/$(basename "$folder")"
        find "$folder" -maxdepth 1 -type f \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -name qt_attribution.json \) \
            -exec cp {} "$making/qt/licenses/$(basename "$folder")/" \;
    done
    mv "$making/qt" "$qt"
    rm -rf "$making"
fi
echo "$qt"
