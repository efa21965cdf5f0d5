#!/usr/bin/env bash
# One Debian release's leg of the test command: release_checks.sh in a clean
# chroot of that release, made with mmdebstrap from the Debian mirror that this
# machine's apt sources name, with this project's setup.sh run inside. The
# chroot is kept as a tarball outside the clone, made anew when setup.sh
# changes, and unpacked afresh for every run.
# Usage: release_leg.sh [--prepare] SUITE   (trixie, testing, ...; as root)
#   --prepare only makes the chroot's tarball, if it is not there yet.
set -euo pipefail
cd "$(dirname "$0")/.."
prepare_only=false
[[ "${1:-}" == "--prepare" ]] && { prepare_only=true; shift; }
suite=$1
fail() { echo "release leg $suite: FAILED: $*" >&2; exit 1; }

command -v mmdebstrap >/dev/null || bash scripts/setup.sh --legs
cache=${BIORHYTHM_CHROOT_CACHE:-/var/cache/biorhythm/chroots}
tarball=$cache/$suite-$(sha256sum scripts/setup.sh | cut -c1-16).tar
if [[ ! -f $tarball ]]; then
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
    [[ -n $mirror ]] || fail "this machine's apt sources name no Debian mirror"
    # testing's and sid's Release files on the mirror may be past their
    # Valid-Until date; that chroot alone accepts them.
    options=()
    [[ $suite == testing || $suite == sid || $suite == unstable ]] &&
        options+=(--aptopt='Acquire::Check-Valid-Until "false"')
    echo "release leg $suite: making its chroot from $mirror"
    # Made in a folder of its own, which also takes mmdebstrap's temporary
    # files, so that a broken run leaves nothing behind that the next one
    # would trust; and in namespaces of its own, so that its mounts and
    # processes end with it.
    making=$cache/making-$suite
    rm -rf --one-file-system "$making"
    mkdir -p "$making"
    TMPDIR=$making unshare --mount --pid --mount-proc --kill-child \
        mmdebstrap --quiet --variant=apt "${options[@]}" \
        --customize-hook='copy-in scripts/setup.sh /tmp' \
        --customize-hook='chroot "$1" bash /tmp/setup.sh --tests' \
        "$suite" "$making/chroot.tar" "$mirror" || {
        rm -rf --one-file-system "$making"
        fail "mmdebstrap could not make a chroot of $suite from $mirror"
    }
    rm -f "$cache/$suite"-*.tar  # made for an older setup.sh
    mv "$making/chroot.tar" "$tarball"
    rm -rf "$making"
fi
$prepare_only && exit 0

root=$(mktemp -d "/var/tmp/biorhythm-$suite.XXXXXX")
trap 'rm -rf --one-file-system "$root"' EXIT
tar -xf "$tarball" -C "$root" || fail "its chroot's tarball $tarball does not unpack"
mkdir "$root/src"
git ls-files -z --cached --others --exclude-standard |
    tar --null -T - --ignore-failed-read -cf - 2>/dev/null | tar -xf - -C "$root/src"
echo "release leg $suite: $(chroot "$root" sh -c '. /etc/os-release; echo "$PRETTY_NAME"')"
# The chroot's mounts and processes live in namespaces of their own and go
# with them.
unshare --mount --pid --kill-child bash -euc '
    mount -t proc proc "$1/proc"
    mount -t sysfs sys "$1/sys"
    mount --rbind /dev "$1/dev"
    mount -t tmpfs tmpfs "$1/tmp"
    mount -t tmpfs tmpfs "$1/dev/shm"
    exec chroot "$1" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        SOURCE_DATE_EPOCH="$2" bash /src/scripts/release_checks.sh
' leg "$root" "$(git log -1 --format=%ct)" || fail "its checks failed (above)"
echo "release leg $suite: passed"
