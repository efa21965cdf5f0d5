#!/usr/bin/env bash
# The Windows build and its tests, from any Debian host, in a clean Debian 12
# tree: mmdebstrap makes it from this machine's mirror (bookworm with its
# -updates and -security suites) with what windows_build.sh needs, as a
# tarball named for that list; each run brings it up to date from the mirror
# and runs windows_build.sh there on a copy of the source, in user, mount and
# pid namespaces, with /dev, /proc and a tmpfs bound in. A tool left out of the
# list fails here on every machine alike. Qt for Windows stays cached outside
# the tree. What it makes is left in build-windows/.
# Usage: windows.sh [--no-tests | --tests-after-legs] [SIGNING...]
#   --no-tests, --tests-after-legs: windows_build.sh's
#   --sign CERTIFICATE [--key KEY] [--passphrase-file FILE] [--timestamp URL]
#       [--ca-file CA] [--openpgp-key KEY-ID]: the publisher's signature on
#       every program file and both installers (windows_signing.sh): a PKCS#12
#       file, or a PEM certificate chain (leaf first) with its PEM key; the
#       passphrase read from FILE, or asked on the terminal where the key has
#       one; an RFC 3161 time-stamp server, else debian/changelog's time; the
#       CA to verify against, else the system's. With an OpenPGP key,
#       SHA256SUMS is signed too (SHA256SUMS.asc, armoured, detached).
#   --attach RELEASE [--ca-file CA]: the signatures of a published release
#       (RELEASE/signatures) attached to the files they belong to, as
#       rebuild_windows.sh does.
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
. scripts/ticking.sh
build_options=() certificate= key= passphrase_file= timestamp= ca_file= openpgp_key= attach=
while [[ $# -gt 0 ]]; do
    case $1 in
        --no-tests | --tests-after-legs) build_options+=("$1") ;;
        --sign) certificate=$(realpath "$2") && shift ;;
        --key) key=$(realpath "$2") && shift ;;
        --passphrase-file) passphrase_file=$(realpath "$2") && shift ;;
        --timestamp) timestamp=$2 && shift ;;
        --ca-file) ca_file=$(realpath "$2") && shift ;;
        --openpgp-key) openpgp_key=$2 && shift ;;
        --attach) attach=$(realpath "$2") && shift ;;
        *) fail "unknown option $1 (see the usage at the top of scripts/windows.sh)" ;;
    esac
    shift
done
bash scripts/setup.sh --windows
packages=(
    # the build: Qt for Windows and the program with mingw-w64 and Debian 12's
    # Qt tools; GoogleTest's source; the icon, the zip and the installer
    cmake ninja-build make g++ pkg-config qt6-base-dev qt6-svg-dev libfontconfig-dev
    g++-mingw-w64-x86-64-posix googletest icoutils zip wixl msitools
    dpkg-dev python3 python3-olefile qt6-translations-l10n
    # the tests under Wine on a virtual display; the Song face Wine stands in for 宋体
    wine wine64 xvfb xauth xdotool x11-utils procps fonts-arphic-uming
    # signing, and a rebuilder's other locale, host name, clock and file order
    osslsigncode openssl ca-certificates locales hostname faketime disorderfs
)
cache=${BIORHYTHM_CHROOT_CACHE:-/var/cache/biorhythm/chroots}
out=$(pwd)/build-windows
mkdir -p "$cache" "$out"
unshare --user --map-root-user true 2>/dev/null || fail "this machine does not allow user namespaces"

# tree SUITE PACKAGE...: sets `tarball` to Debian SUITE's tree with those
# packages, made unless one younger than a week is cached.
tree() {
    local suite=$1 mirror security sources kind making
    shift
    tarball=$cache/windows-$suite-$(printf '%s\n' "$@" | sha256sum | cut -c1-16).tar.zst
    exec {lock}>"$cache/windows-$suite.lock"
    flock "$lock"
    if [[ -z $(find "$tarball" -mtime -7 2>/dev/null) ]]; then
        mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
        [[ -n $mirror ]] || fail "this machine's apt sources name no Debian mirror"
        security=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' |
            awk '$2 == "Debian-Security" { print $1; exit }')
        security=${security:-${mirror%/debian/}/debian-security/}
        sources=()
        for kind in deb deb-src; do
            sources+=("$kind $mirror $suite main" "$kind $mirror $suite-updates main"
                "$kind $security $suite-security main")
        done
        rm -f "$cache/.making-windows-$suite-"*  # left by an interrupted run
        making=$cache/.making-windows-$suite-$$.tar.zst
        trap 'rm -f "$making"' EXIT
        echo "Windows: making its Debian $suite tree's tarball from $mirror"
        ticking "Windows: making the $suite tree" "$out/mmdebstrap-$suite.log" \
            mmdebstrap --mode=unshare --variant=apt --include="$(IFS=,; echo "$*")" \
            "$suite" "$making" "${sources[@]}" ||
            { tail -n 30 "$out/mmdebstrap-$suite.log"; fail "mmdebstrap could not make the $suite tree ($out/mmdebstrap-$suite.log, its end above)"; }
        mv "$making" "$tarball"
        trap - EXIT
        find "$cache" -name "windows-$suite-*.tar.zst" -mtime +7 -delete
    fi
    exec {lock}>&-
}
# Debian 13's Wine 10, whose UI Automation client reads the window as a
# Windows screen reader does; its tree, if not cached, is made meanwhile.
reader_packages=(wine wine64 xvfb xauth xdotool procps g++-mingw-w64-x86-64-posix unzip faketime fonts-arphic-uming)
[[ " ${build_options[*]} " == *" --no-tests "* ]] || { tree trixie "${reader_packages[@]}" & reader_tree=$!; }
tree bookworm "${packages[@]}"
build_tree=$tarball

# What signs the release goes to build-windows/signing, the user's alone and
# removed at the end, which the tree sees as /build/signing.
signing=$out/signing
rm -rf "$signing"
trap 'rm -rf "$signing"' EXIT
if [[ -n $certificate || -n $attach ]]; then
    (umask 077 && mkdir "$signing")
    [[ -z $ca_file ]] || cp "$ca_file" "$signing/ca.pem"
fi
if [[ -n $attach ]]; then
    [[ -d $attach/signatures ]] || fail "$attach has no signatures/ folder"
    cp -r "$attach/signatures" "$signing/"
elif [[ -n $certificate ]]; then
    if [[ -n $key ]]; then
        cp "$certificate" "$signing/certificate.pem" && cp "$key" "$signing/key.pem"
        # A key without a passphrase opens with an empty one.
        needs_passphrase() { ! openssl pkey -in "$key" -passin pass: -noout 2>/dev/null; }
    else
        cp "$certificate" "$signing/certificate.p12"
        needs_passphrase() { true; }
    fi
    if [[ -n $passphrase_file ]]; then
        cp "$passphrase_file" "$signing/passphrase"
    elif needs_passphrase; then
        [[ -t 0 ]] || fail "the key has a passphrase: give it with --passphrase-file, or run this on a terminal"
        read -rsp "The signing key's passphrase: " passphrase && echo
        printf '%s' "$passphrase" >"$signing/passphrase" && unset passphrase
    fi
    [[ -z $timestamp ]] || echo "$timestamp" >"$signing/timestamp"
fi

# The source as a clean clone has it, with any files not yet committed, every
# file new to the build kept in build-windows/, so that none is taken for one
# it built before.
rm -rf "$out/source" && mkdir -p "$out/source"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - --touch -C "$out/source"

# The tree is root's inside: the user's own id maps to root there and the
# user's subordinate ids to the rest, so what it writes to build-windows/ and
# the Qt cache is the user's.
user=$(id -un) uid=$(id -u)
ids() { awk -F: -v user="$user" -v uid="$uid" '$1 == user || $1 == uid { print $2 "," 1 "," $3 - 1; exit }' "$1"; }
qt_cache=${BIORHYTHM_QT_CACHE:-/var/cache/biorhythm}
mkdir -p "$qt_cache"
cp /etc/resolv.conf "$out/resolv.conf"
# in_tree TARBALL SCRIPT ARGUMENT...: SCRIPT of the source, run in a fresh
# copy of that tree brought up to date.
in_tree() {
    unshare --map-root-user --map-users="$(ids /etc/subuid)" --map-groups="$(ids /etc/subgid)" \
        --mount --pid --fork --kill-child --mount-proc -- bash -euo pipefail -c '
        tarball=$1 out=$2 qt_cache=$3; shift 3
        root=$out/tree
        mkdir -p "$root" && mount -t tmpfs -o size=8g tmpfs "$root"
        tar --zstd -xf "$tarball" -C "$root" --exclude="./dev/*"  # /dev is bound in
        mount --rbind /dev "$root/dev" && mount -t proc proc "$root/proc" && mount -t tmpfs tmpfs "$root/tmp"
        # A /dev/shm of its own: faketime names its semaphore by process id,
        # and one left in the host /dev/shm by a tree that ended before stops
        # it from starting a program in this one, whose ids start again at 1.
        mount -t tmpfs tmpfs "$root/dev/shm"
        mkdir -p "$root/build" "$root/var/cache/biorhythm"
        mount --bind "$out" "$root/build" && mount --bind "$qt_cache" "$root/var/cache/biorhythm"
        cp "$out/resolv.conf" "$root/etc/resolv.conf"
        exec chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
            bash -euo pipefail -c "
            apt-get -qq update && DEBIAN_FRONTEND=noninteractive apt-get -qq -y dist-upgrade >/dev/null
            cd /build/source && exec bash \"\$@\"" in_tree "$@"
    ' windows "$1" "$out" "$qt_cache" "${@:2}"
}
in_tree "$build_tree" scripts/windows_build.sh "${build_options[@]}" || fail "the Windows tree ended with status $? (above)"
if [[ -n ${reader_tree:-} ]]; then
    wait "$reader_tree" || fail "the Debian 13 tree (above)"
    tree trixie "${reader_packages[@]}"
    echo "Windows: the screen reader's check, in the Debian 13 tree"
    in_tree "$tarball" scripts/windows_reader.sh || fail "the screen reader's check under Wine 10 (above)"
fi
if [[ -n $openpgp_key ]]; then
    gpg --local-user "$openpgp_key" --armor --detach-sign --yes --output "$out/release/SHA256SUMS.asc" \
        "$out/release/SHA256SUMS" || fail "signing SHA256SUMS with the OpenPGP key $openpgp_key"
    gpg --verify "$out/release/SHA256SUMS.asc" "$out/release/SHA256SUMS" 2>/dev/null ||
        fail "SHA256SUMS.asc does not verify"
fi
