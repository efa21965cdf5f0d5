#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the program and the
# tests need and this machine lacks: the package's build dependencies as
# debian/control declares them, and the rest below. Run as root or as a user
# with sudo; the caches in /var/cache/biorhythm are made that user's.
# Usage: setup.sh [--tests] [--windows]
set -euo pipefail
cd "$(dirname "$0")/.."
tests= windows=
[[ " $* " == *" --tests "* ]] && tests=yes
[[ " $* " == *" --windows "* ]] && windows=yes

packages=(
    # the program at run time: a Song face for the Chinese texts, Qt's own Chinese
    # texts, Qt's Wayland platform (its X11 one comes with Qt's GUI library)
    fonts-arphic-uming qt6-translations-l10n qt6-wayland
)
# --tests: what the test command needs besides: the sanitizer build, the real
# window and the benchmarks, and Debian's tools that build and test the
# package on every release in user namespaces.
[[ -n $tests ]] && packages+=(
    git procps clang libclang-rt-dev libbenchmark-dev
    xvfb xauth x11-utils xdotool libx11-dev libxdamage-dev
    weston dbus at-spi2-core python3-pyatspi faketime
    dpkg-dev sbuild autopkgtest reprotest disorderfs
)
# --windows: the Windows build runs in a Debian 12 tree that mmdebstrap makes
# (windows.sh); this machine needs only what makes and enters it.
[[ -n $tests || -n $windows ]] && packages+=(mmdebstrap uidmap zstd)
# qt6ct (a desktop colour-scheme theme for Qt) is built against Qt's private
# interfaces and may be uninstallable on testing while Qt moves on; the tests
# then say that they leave it out.
optional=()
[[ -n $tests ]] && optional+=(qt6ct)

sudo=()
[[ $(id -u) -ne 0 ]] && sudo=(sudo)
user=$(id -un) uid=$(id -u)
# The caches of chroot tarballs and of Qt for Windows are the user's own.
[[ -n $tests || -n $windows ]] && "${sudo[@]}" install -d -o "$uid" -m 0755 /var/cache/biorhythm
# Trees are made and entered in user namespaces: the user needs a range of
# subordinate ids. One is given only to a user without one (named or by uid),
# above every range already given, so that no two users share ids. A missing
# file is made as useradd makes it.
if [[ -n $tests || -n $windows ]]; then
    for file in /etc/subuid /etc/subgid; do
        [[ -e $file ]] || "${sudo[@]}" install -m 0644 /dev/null "$file"
        grep -qE "^($user|$uid):" "$file" && continue
        start=$(awk -F: 'BEGIN { end = 100000 } $2 + $3 > end { end = $2 + $3 } END { print end }' "$file")
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
# The build dependencies: all of them for the tests, without the tests' own
# otherwise. apt plans without root; no plan (no package lists yet) is a
# missing one.
build_dep=(build-dep --no-install-recommends ./)
[[ -n $tests ]] || build_dep+=(-Pnocheck)
if plan=$(apt-get -s "${build_dep[@]}" 2>/dev/null); then
    build_deps=$(grep -c '^Inst ' <<<"$plan" || true)
else
    build_deps=unknown
fi
[[ ${#missing[@]} -eq 0 && ${#missing_optional[@]} -eq 0 && $build_deps == 0 ]] && exit 0

echo "正在安装缺少的软件包 (installing missing packages): ${missing[*]} ${missing_optional[*]}" \
    "and the build dependencies ($build_deps)"
"${sudo[@]}" apt-get update -qq
apt() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -y -qq "$@"; }
apt "${build_dep[@]}"
[[ ${#missing[@]} -eq 0 ]] || apt install --no-install-recommends "${missing[@]}"
for package in "${missing_optional[@]}"; do
    apt install --no-install-recommends "$package" || echo "$package 无法安装 (cannot be installed) on this release"
done
