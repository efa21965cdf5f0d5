# Sourced by windows_package.sh: the release's Authenticode signatures.
# signed ROOT FILE...: signs each FILE in place, in the order given, as
# $signing says, and keeps its signature, detached, as $signatures/NAME.pem,
# NAME its path below ROOT (as the zip or the release folder names it).
# $signing is a folder that holds either
#  - the publisher's certificate: certificate.p12, or certificate.pem (the
#    chain, leaf first) with key.pem; passphrase, if the key has one;
#    timestamp, an RFC 3161 server's address, if any (without one the signing
#    time is SOURCE_DATE_EPOCH); ca.pem, the CA that the signatures are
#    verified against (else the system's);
#  - or signatures/, a published release's, which are attached to the files
#    they belong to, as a rebuilder does; ca.pem, if given, verifies them.
# Every signed file is verified offline against that CA, and a file signed
# with the publisher's certificate by that certificate alone (its hash).
# Without $signing, nothing is signed.
signing=${signing:-}
# What osslsigncode says goes to SIGNING-LOG, shown when it fails.
signing_log=${TMPDIR:-/tmp}/signing.log
# leaf_hash: the SHA-256 of the certificate (PEM) on standard input, as
# osslsigncode's -require-leaf-hash takes it.
leaf_hash() { openssl x509 -outform DER | sha256sum | cut -c1-64; }
verify_signature() {  # verify_signature FILE [LEAF-SHA256]
    local verify=(osslsigncode verify -in "$1")
    [[ ! -e $signing/ca.pem ]] || verify+=(-CAfile "$signing/ca.pem")
    [[ -z ${2:-} ]] || verify+=(-require-leaf-hash "sha256:$2")
    "${verify[@]}" >"$signing_log" 2>&1 ||
        { tail -n 20 "$signing_log" >&2; fail "the signature of $1 does not verify (above)"; }
}
signed() {
    local root=$1 file name leaf=
    shift
    [[ -n $signing ]] || return 0
    local sign=(osslsigncode sign -h sha256)
    if [[ -e $signing/certificate.p12 ]]; then
        sign+=(-pkcs12 "$signing/certificate.p12")
        leaf=$(openssl pkcs12 -in "$signing/certificate.p12" -nokeys -clcerts -passin "file:$signing/passphrase" |
            leaf_hash) || fail "the PKCS#12 file's certificate cannot be read"
    elif [[ -e $signing/certificate.pem ]]; then
        sign+=(-certs "$signing/certificate.pem" -key "$signing/key.pem")
        leaf=$(leaf_hash <"$signing/certificate.pem") ||
            fail "the certificate cannot be read"
    fi
    [[ ! -e $signing/passphrase ]] || sign+=(-readpass "$signing/passphrase")
    if [[ -e $signing/timestamp ]]; then sign+=(-ts "$(cat "$signing/timestamp")"); else sign+=(-time "$SOURCE_DATE_EPOCH"); fi
    for file; do
        name=${file#"$root"/}
        mkdir -p "$(dirname "$signatures/$name")"
        if [[ -n $leaf ]]; then
            "${sign[@]}" -in "$file" -out "$file.signed" >"$signing_log" 2>&1 ||
                { tail -n 20 "$signing_log" >&2; fail "signing $name (above)"; }
        else
            [[ -e $signing/signatures/$name.pem ]] || fail "no signature of $name in the published release"
            # Attached unverified: the verification below says why it fails.
            osslsigncode attach-signature -sigin "$signing/signatures/$name.pem" -in "$file" -out "$file.signed" \
                >"$signing_log" 2>&1 || [[ -s $file.signed ]] ||
                { tail -n 20 "$signing_log" >&2; fail "attaching the published signature to $name (above)"; }
        fi
        mv "$file.signed" "$file"
        verify_signature "$file" "$leaf"
        osslsigncode extract-signature -pem -in "$file" -out "$signatures/$name.pem" >"$signing_log" 2>&1 ||
            { tail -n 20 "$signing_log" >&2; fail "extracting the signature of $name (above)"; }
    done
}
