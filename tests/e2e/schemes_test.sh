#!/usr/bin/env bash
# The real program's texts, measured on a virtual X display, under qt6ct's
# colour schemes switched while it runs: darker, then airy, then darker again.
# The font set-up draws no anti-aliasing here, so that every stroke shows its
# text's colour whole. Where qt6ct is not installed, it tries nothing and says
# so with status 77: skipped.
# Usage: schemes_test.sh BIORHYTHM UI-TESTS   (inside xvfb-run)
program=$1 ui_tests=$2
compgen -G '/usr/lib/*/qt6/plugins/platformthemes/libqt6ct.so' >/dev/null ||
    { echo "qt6ct is not installed: the live colour schemes are not tried"; exit 77; }
. "$(dirname "$0")/common.sh"
export FONTCONFIG_FILE=$(realpath "$(dirname "$0")/../no-antialias.conf")
# Each scheme comes about 3 seconds after its file is renamed into place, and
# the window's texts are measured until they show it.
scheme() { mkdir -p "$work/qt6ct" && printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/%s.conf\ncustom_palette=true\nstyle=Fusion\n' "$1" >"$work/new" && mv "$work/new" "$work/qt6ct/qt6ct.conf"; }
# reads WINDOW-COLOUR TEXT-COLOUR: the measuring test ran (a filter that
# selects none passes in GoogleTest) and passed.
reads() {
    BIORHYTHM_WINDOW=$window BIORHYTHM_WINDOW_COLOUR=$1 BIORHYTHM_TEXT_COLOUR=$2 QT_QPA_PLATFORM=xcb timeout 20 bash -c \
        'until "$0" --gtest_filter="ScreenCheck.*" >"$1" && grep -q "^\[  PASSED  \] [1-9]" "$1"; do sleep 1; done' \
        "$ui_tests" "$work/measured" || { tail -n 20 "$work/measured" >&2; return 1; }
}
scheme darker
XDG_CONFIG_HOME=$work QT_QPA_PLATFORMTHEME=qt6ct start "$program"
check "the texts read under qt6ct's darker scheme" reads '#222020' '#ffffff'
scheme airy && check "then switched to airy" reads '#ffffff' '#000000'
scheme darker && check "and back to darker" reads '#222020' '#ffffff'
exit "${failed:-0}"
