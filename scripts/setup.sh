#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and this machine lacks. Run as root (or with sudo available).
set -euo pipefail

packages=(
    # build
    g++ cmake make pkg-config qt6-base-dev qt6-svg-dev libfontconfig-dev libgtest-dev libgmock-dev
    libbenchmark-dev
    # the program at run time: a Song face for the Chinese texts, Qt's own Chinese texts
    fonts-arphic-uming qt6-translations-l10n qt6-qpa-plugins
)
# --tests: what the tests need on every release; --legs: what making the
# other releases' chroots needs (scripts/release_leg.sh).
if [[ " $* " == *" --tests "* ]]; then
    packages+=(
        clang libclang-rt-dev          # the sanitizer build
        xvfb xauth x11-utils xdotool   # the real window under a virtual display
        clang-tidy clang-format clazy
        dpkg-dev file desktop-file-utils appstream lintian   # the package and its checks
        libx11-dev libxdamage-dev                    # the X11 test helpers and the benchmark
    )
fi
[[ " $* " == *" --legs "* ]] && packages+=(mmdebstrap)
# qt6ct (a desktop colour-scheme theme for Qt) is built against Qt's private
# interfaces and may be uninstallable on testing while Qt moves on; the tests
# then say that they leave it out.
optional=()
[[ " $* " == *" --tests "* ]] && optional+=(qt6ct)

missing() {
    for package in "$@"; do
        [[ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" == "install ok installed" ]] ||
            echo "$package"
    done
}
mapfile -t missing < <(missing "${packages[@]}")
mapfile -t missing_optional < <(missing "${optional[@]}")
[[ ${#missing[@]} -eq 0 && ${#missing_optional[@]} -eq 0 ]] && exit 0

echo "正在安装缺少的软件包 (installing missing packages): ${missing[*]} ${missing_optional[*]}"
sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
install() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"; }
[[ ${#missing[@]} -eq 0 ]] || install "${missing[@]}"
for package in "${missing_optional[@]}"; do
    install "$package" || echo "$package 无法安装 (cannot be installed) on this release"
done
