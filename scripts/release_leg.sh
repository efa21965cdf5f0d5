#!/usr/bin/env bash
# One Debian release's leg of the test command: sbuild builds the source
# package in a clean chroot of that release, running the build-time tests and
# that release's lintian on the source and binary packages; then autopkgtest
# installs what it built in a fresh testbed of the release and runs
# debian/tests. Both start from a tarball that mmdebstrap makes from the Debian
# mirror that this machine's apt sources name, with the package's build and
# test dependencies already in it; each brings it up to date from the mirror.
# Usage: release_leg.sh SUITE DSC   (bookworm, trixie, testing, ...)
#        release_leg.sh --tarball-only SUITE: the tarball alone, made or kept,
#        so that the test command can make every leg's at once.
# Leaves sbuild's log and autopkgtest's output in build-legs/SUITE/, and
# mmdebstrap's in build-legs/SUITE-tarball/ when the tarball alone is made.
set -euo pipefail
cd "$(dirname "$0")/.."
tarball_only=
[[ $1 != --tarball-only ]] || { tarball_only=-tarball && shift; }
suite=$1
[[ -n $tarball_only ]] || dsc=$(realpath "$2")
failing_as="release leg $suite"
. scripts/failing.sh
out=$(realpath -m "build-legs/$suite$tarball_only")
rm -rf "$out" && mkdir -p "$out"

cache=${BIORHYTHM_CHROOT_CACHE:-/var/cache/biorhythm/chroots}
mkdir -p "$cache"
unshare --user --map-root-user true 2>/dev/null || fail "this machine does not allow user namespaces"
[[ $(df --output=avail -k "$cache" | tail -n 1) -gt 6000000 ]] || fail "less than 6 GB free in $cache"
[[ $(df --output=avail -k "$out" | tail -n 1) -gt 6000000 ]] || fail "less than 6 GB free in $out"

# The tarball carries what every test must have installed, so that no run
# fetches it again. A test that may be uninstallable on a release
# (skip-not-installable: qt6ct, built against Qt's private interfaces, while
# testing's Qt moves on) installs its own, as Debian's CI installs them all.
# A tarball is named for the dependencies it carries and made again after a
# week, so that new releases' packages are not fetched again on every run. One
# run at a time makes a release's tarball, under a temporary name renamed into
# place when complete: an interrupted or concurrent run never leaves a file that
# another trusts.
tarball=$cache/$suite-$(cat debian/control debian/tests/control | sha256sum | cut -c1-16).tar.zst
exec {lock}>"$cache/$suite.lock"
flock "$lock"
if [[ -z $(find "$tarball" -mtime -7 2>/dev/null) ]]; then
    mirror=$(apt-get indextargets --format '$(REPO_URI) $(LABEL)' | awk '$2 == "Debian" { print $1; exit }')
    [[ -n $mirror ]] || fail "this machine's apt sources name no Debian mirror"
    # testing's Release file on the mirror may be past its Valid-Until date;
    # that release alone accepts it.
    options=()
    [[ $suite == testing ]] && options+=(--aptopt='Acquire::Check-Valid-Until "false"')
    test_depends=$(awk -v RS= '!/Restrictions:[^\n]*skip-not-installable/' debian/tests/control |
        sed -n 's/^Depends: //p' | tr ',' '\n' | sed 's/^ *//' | grep -v '^@' | sort -u | paste -sd ',')
    rm -f "$cache/.making-$suite-"*  # left by an interrupted run
    making=$cache/.making-$suite-$$.tar.zst
    trap 'rm -f "$making"' EXIT
    echo "release leg $suite: making its chroot's tarball from $mirror"
    mmdebstrap --quiet --mode=unshare --variant=buildd --include=lintian "${options[@]}" \
        --customize-hook='mkdir "$1/tmp/source"' --customize-hook='copy-in debian /tmp/source' \
        --customize-hook='chroot "$1" apt-get build-dep -y --no-install-recommends /tmp/source' \
        --customize-hook="chroot \"\$1\" apt-get satisfy -y --no-install-recommends '$test_depends'" \
        --customize-hook='rm -rf "$1/tmp/source"' \
        "$suite" "$making" "$mirror" >"$out/mmdebstrap.log" 2>&1 ||
        fail "mmdebstrap could not make its chroot from $mirror ($out/mmdebstrap.log)"
    mv "$making" "$tarball"
    find "$cache" -name "$suite-*.tar.zst" -mtime +7 -delete
fi
exec {lock}>&-
[[ -z $tarball_only ]] || exit 0

# The changelog names unstable; -d says so, so that lintian finds the
# distribution the changes file names. Testing's lintian warns that its
# autopkgtest deprecates skip-not-installable, which Debian 12's and 13's
# still need for the colour schemes' qt6ct; their lintian knows no such tag,
# so it is left aside on testing alone.
lintian_options=--fail-on=error,warning
[[ $suite == bookworm || $suite == trixie ]] ||
    lintian_options+=" --suppress-tags=testsuite-restrictions-has-deprecated-skip-not-installable"
sbuild --chroot-mode=unshare --chroot="$tarball" --dist=unstable --build-dir="$out" \
    --run-lintian --lintian-opts="$lintian_options" --no-run-piuparts --no-run-autopkgtest \
    --quiet "$dsc" >/dev/null 2>&1 || true
log=$(ls "$out"/*.build 2>/dev/null | head -n 1 || true)
[[ -n $log ]] || fail "sbuild did not start"
grep -q '^Status: successful' "$log" || fail "sbuild could not build the package ($log)"
grep -qE '^Lintian: (pass|info)$' "$log" || fail "lintian found faults ($log)"

# autopkgtest's status 2 says that a test was skipped (as one marked skippable
# does where what it tries is not installed): each is named in
# build-legs/skipped, and the test command says what a skip means.
status=0
autopkgtest --quiet -U --output-dir="$out/autopkgtest" "$out"/*.deb "$dsc" \
    -- unshare --tarball="$tarball" >"$out/autopkgtest.log" 2>&1 || status=$?
summary=$out/autopkgtest/summary
[[ $status -eq 0 || ($status -eq 2 && -s $summary && -z $(grep -v ' SKIP ' "$summary" | grep -v ' PASS')) ]] ||
    fail "autopkgtest failed: $(grep -E ' (FAIL|SKIP)' "$summary" 2>/dev/null | paste -sd ';') ($out/autopkgtest.log)"
awk -v suite="$suite" '$2 == "SKIP" { print suite, $1 }' "$summary" >>build-legs/skipped
echo "release leg $suite: passed ($(paste -sd ';' "$summary"))"
