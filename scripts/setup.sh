#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and this machine lacks. Run as root (or with sudo available).
set -euo pipefail

packages=(
    # build
    g++ cmake make pkg-config qt6-base-dev qt6-svg-dev libfontconfig-dev libgtest-dev libgmock-dev
    libbenchmark-dev
    # the program at run time: a Song face for the Chinese texts, Qt's own Chinese
    # texts, Qt's Wayland platform (its X11 one comes with Qt's GUI library)
    fonts-arphic-uming qt6-translations-l10n qt6-wayland
)
# --tests: what the test command needs on this machine: the sanitizer build,
# the package's build, and Debian's tools that build and test it on every
# release in user namespaces.
if [[ " $* " == *" --tests "* ]]; then
    packages+=(
        clang libclang-rt-dev                        # the sanitizer build
        xvfb xauth x11-utils xdotool libx11-dev libxdamage-dev   # the real window, the benchmarks
        weston dbus at-spi2-core python3-pyatspi faketime   # on Wayland, read by AT-SPI
        debhelper dpkg-dev                           # the package
        sbuild autopkgtest mmdebstrap uidmap zstd    # each release's leg
    )
fi
# --windows: the Windows build on Debian 12 (windows.sh): mingw-w64, Qt's
# source and build tools, GoogleTest's source, the icon and installer makers,
# and Wine with a virtual display for its tests.
if [[ " $* " == *" --windows "* ]]; then
    packages+=(
        g++-mingw-w64-x86-64-posix ninja-build dpkg-dev googletest icoutils wixl zip
        wine wine64 xvfb xauth xdotool x11-utils
    )
fi
# qt6ct (a desktop colour-scheme theme for Qt) is built against Qt's private
# interfaces and may be uninstallable on testing while Qt moves on; the tests
# then say that they leave it out.
optional=()
[[ " $* " == *" --tests "* ]] && optional+=(qt6ct)

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
# sbuild and autopkgtest run in user namespaces: the user who runs them needs
# a range of subordinate ids. One is given only to a user without one (named
# or by uid), above every range already given, so that no two users share ids.
if [[ " $* " == *" --tests "* ]]; then
    user=$(id -un) uid=$(id -u)
    for file in /etc/subuid /etc/subgid; do
        grep -qE "^($user|$uid):" "$file" 2>/dev/null && continue
        start=$(cat "$file" 2>/dev/null |
            awk -F: 'BEGIN { end = 100000 } $2 + $3 > end { end = $2 + $3 } END { print end }')
        echo "$user:$start:65536" | "${sudo[@]}" tee -a "$file" >/dev/null
    done
fi

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
"${sudo[@]}" apt-get update -qq
install() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "$@"; }
[[ ${#missing[@]} -eq 0 ]] || install "${missing[@]}"
for package in "${missing_optional[@]}"; do
    install "$package" || echo "$package 无法安装 (cannot be installed) on this release"
done
