#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and checks that the
# installed program, desktop entry, metainfo and icons are whole and that the
# installed program starts.
# Usage: package_test.sh BUILD-DIR X11_CLOSE   (under xvfb-run, 1280x1024)
source "$(dirname "$0")/lib.sh"
build=$1
x11_close=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch" "$log"; [[ -n "${program_pid:-}" ]] && kill "$program_pid" 2>/dev/null' EXIT

check "cpack builds the package" bash -c "cpack -G DEB --config '$build/CPackConfig.cmake' -B '$scratch/out' >'$scratch/cpack.log' 2>&1"
deb=$(ls "$scratch"/out/biorhythm_1.0.0.0_*.deb 2>/dev/null | head -n 1)
check "named for version 1.0.0.0" test -n "$deb"
[[ -n "$deb" ]] || { finish; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
check "it depends on Qt's libraries" grep -q 'libqt6widgets6' <<<"$depends"
check "and on a Chinese Song/Ming face" grep -q 'fonts-arphic-uming |' <<<"$depends"
dpkg -x "$deb" "$scratch/root"
root=$scratch/root/usr
for file in bin/biorhythm share/applications/biorhythm.desktop \
    share/metainfo/example.zendrel.biorhythm.metainfo.xml \
    share/icons/hicolor/scalable/apps/biorhythm.svg share/icons/hicolor/48x48/apps/biorhythm.png; do
    check "installs $file" test -s "$root/$file"
done
check "the desktop entry is valid" desktop-file-validate "$root/share/applications/biorhythm.desktop"
check "the metainfo is valid" appstreamcli validate --no-net "$root/share/metainfo/example.zendrel.biorhythm.metainfo.xml"
check "the PNG icon is 48 x 48" bash -c "file '$root/share/icons/hicolor/48x48/apps/biorhythm.png' | grep -q '48 x 48'"
check "the installed program starts" start_program "$root/bin/biorhythm"
if [[ -n "${window:-}" ]]; then
    "$x11_close" "$window"
    check "and ends with status 0 when closed" wait_for_exit
    check "(exit status $exit_status)" test "$exit_status" = 0
fi
finish
