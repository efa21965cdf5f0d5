#!/usr/bin/env bash
# Qt for 64-bit Windows, built with mingw-w64 from the qt6-base source of the
# Qt installed here, whose tools (moc, rcc, uic) it uses: shared, release,
# with only what the program and its tests load (Core, Gui, Widgets, Test; the
# Windows and offscreen platforms).
# Kept in /var/cache/biorhythm (or $BIORHYTHM_QT_CACHE) as qt-windows-HASH,
# named for everything that makes it: the source version, this script with its
# options, the notices script, the toolchain file, and the versions of the
# packages that compile and link it (the mingw-w64 compilers, binutils and
# runtime headers, the host's Qt tools), so that an update of any of them
# builds it again. One run at a time makes it,
# in .making-qt-windows (the same path every time, whatever the name: Qt keeps
# the paths it was built at), renamed into place when complete, with every
# time stamp its source's changelog's, so that two builds give the same
# libraries. Folders of other names that no run has handed out for a day are
# removed: no build or test run takes that long. Beside Qt it keeps what the
# licence asks to be offered with it: the source package as fetched
# (source/), how it was built (build/), and the notices of the code compiled
# into it (licenses/, and static-notices/ for its static libraries).
# Usage: windows_qt.sh   Prints the folder on standard output, its progress
# and the cause of a failure on standard error; a failed build keeps its logs
# in qt-windows-HASH-failed/.
failing_as="Qt for Windows"
cd "$(dirname "$0")/.."
. scripts/failing.sh
. scripts/ticking.sh
cache=${BIORHYTHM_QT_CACHE:-/var/cache/biorhythm}
making= log=
say() { echo "Qt for Windows: $*" >&2; }
# step LOG: what follows writes to LOG, whose end a failure shows.
step() { log=$making/$1; }
# On any failure, the logs outlive the folder they were made in.
keep_logs() {
    [[ -n $making && -d $making ]] || return 0
    rm -rf "$logs" && mkdir -p "$logs" && { cp "$making"/*.log "$logs/" 2>/dev/null || true; }
    [[ -z $log || ! -e $log ]] || { say "the end of $logs/$(basename "$log"):"; tail -n 30 "$log" >&2; }
    say "its logs are in $logs"
}
source_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
    fail "qt6-base-dev is not installed: its tools build Qt for Windows"
toolchain=(gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix-runtime
    gcc-mingw-w64-base binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev mingw-w64-common qt6-base-dev-tools)
toolchain_versions=$(dpkg-query -W -f='${Package} ${Version}\n' "${toolchain[@]}") ||
    fail "a package of the toolchain is not installed: ${toolchain[*]}"
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
name=qt-windows-$( (echo "$source_version"; echo "$toolchain_versions"
    cat scripts/windows_qt.sh scripts/qt_notices.py cmake/mingw-w64-x86_64.cmake) | sha256sum | cut -c1-16)
qt=$cache/$name logs=$cache/$name-failed
mkdir -p "$cache"
exec {lock}>"$cache/qt-windows.lock"
flock "$lock"
find "$cache" -maxdepth 1 -name 'qt-windows-*' ! -name "$name" ! -name "$name-failed" -mmin +1440 \
    -exec rm -rf {} +
if [[ ! -d $qt ]]; then
    making=$cache/.making-qt-windows
    rm -rf "$making"  # left by an interrupted run
    trap 'status=$?; [[ $status -eq 0 ]] || keep_logs; rm -rf "$making"' EXIT
    mkdir -p "$making"/apt/lists/partial "$making"/apt/cache/archives/partial "$making"/qt/{source,build}
    # The source from the suites this machine's apt names, through an apt
    # set-up of its own that adds their deb-src entries.
    apt-get indextargets --format '$(TARGET_OF) $(REPO_URI) $(RELEASE) $(COMPONENT)' |
        awk '$1 == "deb" { print "deb-src", $2, $3, $4 }' | sort -u >"$making/apt/sources.list"
    apt=(-o Dir::Etc::SourceList="$making/apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
        -o Dir::State::Lists="$making/apt/lists" -o Dir::Cache="$making/apt/cache")
    say "fetching Debian's qt6-base $source_version source"
    step source.log
    ticking "Qt for Windows: fetching the source" "$log" bash -c '
        version=$1 && shift && apt-get "$@" -q update &&
            cd "$0/qt/source" && apt-get "$@" -q source --download-only "qt6-base=$version"
        ' "$making" "$source_version" "${apt[@]}" || fail "apt-get source qt6-base=$source_version"
    dpkg-source -x "$making"/qt/source/*.dsc "$making/src" >>"$log" 2>&1 || fail "dpkg-source -x"
    # Every time stamp that the libraries keep (the link's, rcc's) is the
    # source's own.
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$making/src/debian/changelog" -STimestamp 2>>"$log") ||
        fail "the source's time stamp (dpkg-parsechangelog)"
    export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH
    say "configuring"
    step configure.log
    ticking "Qt for Windows: configuring" "$log" cmake -S "$making/src" -B "$making/build" -G Ninja "${options[@]}" \
        -DCMAKE_TOOLCHAIN_FILE="$(pwd)/cmake/mingw-w64-x86_64.cmake" -DCMAKE_INSTALL_PREFIX="$making/qt" ||
        fail "configure"
    say "building (about 25 minutes on 2 cores)"
    step build.log
    ticking "Qt for Windows: building" "$log" cmake --build "$making/build" -j"$(nproc)" || fail "build"
    step install.log
    cmake --install "$making/build" >"$log" 2>&1 || fail "install"
    # How it was built, as the licence's corresponding source asks.
    { cp scripts/windows_qt.sh cmake/mingw-w64-x86_64.cmake "$making/qt/build/" &&
        printf '%s\n' "qt6-base $source_version" "${options[@]}" >"$making/qt/build/options.txt"; } >>"$log" 2>&1 ||
        fail "the record of how it was built"
    # Qt's licences, and the notices of the code compiled into the libraries
    # that ship: every file the compiler read for them, as ninja recorded it.
    step notices.log
    mkdir -p "$making/qt/licenses"
    cp "$making"/src/LICENSES/{LGPL-3.0-only,GPL-2.0-only,GPL-3.0-only,Qt-GPL-exception-1.0}.txt \
        "$making/qt/licenses/" >"$log" 2>&1 || fail "Qt's licences"
    ninja -C "$making/build" -t deps >"$making/deps.txt" 2>>"$log" || fail "ninja -t deps"
    { awk '/^[^ ]/ { ships = $1 !~ /\/(Test|QOffscreenIntegrationPlugin)\.dir\// } /^ / && ships { print $1 }' \
        "$making/deps.txt" | sort -u | (cd "$making/build" && xargs realpath -m) | sort -u >"$making/compiled.txt"; } \
        2>>"$log" || fail "the list of compiled files"
    python3 scripts/qt_notices.py "$making/src" "$making/build" "$making/compiled.txt" "$making/qt/licenses" \
        "$making/qt/static-notices" >>"$log" 2>&1 || fail "the notices"
    mv "$making/qt" "$qt" 2>>"$log" || fail "moving it into place as $qt"
    rm -rf "$making" "$logs"
fi
touch "$qt"
echo "$qt"
