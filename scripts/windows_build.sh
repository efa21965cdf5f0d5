#!/usr/bin/env bash
# The Windows build, inside the Debian 12 tree that windows.sh makes and
# enters, on the copy of the source in /build/source: Qt for Windows
# (windows_qt.sh, made once and cached), then the release (windows_package.sh)
# in /build/release, build-windows/release/ outside, signed as /build/signing
# says if windows.sh was given a certificate or a published release's
# signatures. Unless --no-tests:
#  - unless a certificate was given, the release signed with a throwaway CA's
#    code-signing certificate, made here, each file verified against that CA
#    and that certificate alone; a file signed by another certificate of that
#    CA, and one checked after its certificate expired, must fail;
#  - the release made again from a copy of the source at another path, with a
#    rebuilder's other umask, time zone, locale, number of CPUs, host name,
#    clock (a year and more later) and order of the files in a folder
#    (disorderfs), the first one's signatures attached as a rebuilder attaches
#    them: every file must be the same bytes;
#  - the tests under Wine (windows_tests.sh).
# Usage: windows_build.sh [--no-tests | --tests-after-legs]
#   --tests-after-legs: the tests wait for build-windows/legs-done (test.sh's),
#   so that Wine has the display's focus and the cores to itself.
failing_as=Windows
cd "$(dirname "$0")/.."
. scripts/failing.sh
. scripts/windows_signing.sh
signing=
[[ ! -d /build/signing ]] || signing=/build/signing
tests=yes
[[ " $* " != *" --no-tests "* ]] || tests=
qt=$(bash scripts/windows_qt.sh) || fail "Qt for Windows (above)"

# certificate FOLDER NAME DAYS: a code-signing certificate of the CA in FOLDER,
# as FOLDER/NAME.pem with its key, NAME.key.
certificate() {
    openssl req -newkey rsa:2048 -nodes -keyout "$1/$2.key" -out "$1/$2.csr" -subj "/CN=Zendrel $2" &&
        openssl x509 -req -in "$1/$2.csr" -CA "$1/ca.pem" -CAkey "$1/ca.key" -set_serial "0x$(openssl rand -hex 8)" \
            -days "$3" -extfile <(printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n') \
            -out "$1/$2.pem"
} 2>/dev/null
if [[ -n $tests && -z $signing ]]; then
    signing=/tmp/throwaway && rm -rf "$signing" && mkdir -p "$signing"
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$signing/ca.key" -out "$signing/ca.pem" -days 36500 \
        -subj "/CN=Zendrel throwaway test CA" -addext basicConstraints=critical,CA:TRUE \
        -addext keyUsage=critical,keyCertSign 2>/dev/null &&
        certificate "$signing" publisher 36500 && certificate "$signing" other 36500 &&
        certificate "$signing" brief 1 || fail "making the throwaway CA and its certificates"
    cp "$signing/publisher.pem" "$signing/certificate.pem" && cp "$signing/publisher.key" "$signing/key.pem"
    echo "Windows: signing with a throwaway certificate"
fi
bash scripts/windows_package.sh "$qt" /build ${signing:+"$signing"} || fail "the release (above)"
[[ -n $tests ]] || exit 0

if [[ $signing == /tmp/throwaway ]]; then
    exe=$(find /build/msi -name biorhythm.exe) leaf=$(leaf_hash <"$signing/publisher.pem")
    osslsigncode remove-signature -in "$exe" -out /tmp/unsigned.exe >/dev/null
    # refused CERTIFICATE VERIFY-OPTION...: signed with it, the program fails
    # a verification that the publisher's signature passes.
    refused() {
        osslsigncode verify -CAfile "$signing/ca.pem" "${@:2}" -in "$exe" >/dev/null 2>&1 ||
            fail "the publisher's own signature fails verification with ${*:2}"
        osslsigncode sign -certs "$signing/$1.pem" -key "$signing/$1.key" -h sha256 -time "$SOURCE_DATE_EPOCH" \
            -in /tmp/unsigned.exe -out "/tmp/$1.exe" >/dev/null || fail "signing with the $1 certificate"
        ! osslsigncode verify -CAfile "$signing/ca.pem" "${@:2}" -in "/tmp/$1.exe" >/dev/null 2>&1 ||
            fail "a program signed with the $1 certificate passed verification"
    }
    SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -STimestamp)
    refused other -require-leaf-hash "sha256:$leaf"
    refused brief -time "$(($(date +%s) + 2 * 86400))"
    echo "Windows: every file verified; another certificate, and an expired one, fail"
fi

# What a rebuilder's machine may change, each unlike the first build: the
# path, the umask, the time zone, the locale, the number of CPUs (nproc heeds
# OMP_NUM_THREADS), the host name (a UTS namespace of its own), the clock and
# the order in which a folder lists its files (the source seen through
# disorderfs, which shuffles it).
again=/build/again/copy/of
rm -rf "$again" && mkdir -p "$again/signing" "$again/source" && cp -a . "$again/unordered"
disorderfs --shuffle-dirents=yes "$again/unordered" "$again/source" >/dev/null ||
    fail "disorderfs could not show the source in another order"
cp -r /build/release/signatures "$again/signing/"
[[ ! -e $signing/ca.pem ]] || cp "$signing/ca.pem" "$again/signing/"
# The rebuilder's locale, made as Debian's locales package makes one.
localedef -i fr_CH -f UTF-8 fr_CH.UTF-8 || fail "making the locale fr_CH.UTF-8"
echo "Windows: the release again, as a rebuilder's machine makes it, from $again"
(umask 002 && cd "$again/source" && TZ=Pacific/Auckland LANG=fr_CH.UTF-8 LC_ALL=fr_CH.UTF-8 OMP_NUM_THREADS=1 \
    unshare --uts bash -c 'hostname rebuilder.example && exec faketime -f +400d bash "$@"' \
        rebuild scripts/windows_package.sh "$qt" "$again" "$again/signing") >"$again/package.log" 2>&1 ||
    { tail -n 30 "$again/package.log"; fail "the second build (build-windows/again/copy/of/package.log)"; }
umount "$again/source"
bash scripts/windows_compare.sh /build/release "$again/release"

if [[ " $* " == *" --tests-after-legs "* ]]; then
    echo "Windows: built; the tests wait for the release legs"
    timeout 5400 bash -c 'until [[ -e $0 ]]; do sleep 5; done' /build/legs-done ||
        fail "the release legs did not end within 90 minutes"
fi
exec bash scripts/windows_tests.sh "$qt" /build
