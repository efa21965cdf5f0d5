#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DBIORHYTHM_WITH_UI=ON -DBIORHYTHM_TESTS=OFF \
    -DBIORHYTHM_BENCH=OFF >/dev/null
cmake --build build-run --target biorhythm -j"$(nproc)"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "没有可用的图形显示 (no display): run this from a desktop session," >&2
    echo "or start a virtual one (package xvfb): xvfb-run -s '-screen 0 1280x1024x24' scripts/run.sh" >&2
    exit 1
fi
exec build-run/app/biorhythm
