#!/usr/bin/env bash
# Signs the programs of a release in place (Authenticode, with osslsigncode),
# before the disc image is made from them:
#   sign_release.sh <program.exe>...
# The certificate comes from the environment: SPLASH_SIGN_PKCS12 names a
# PKCS#12 file (.p12, .pfx) and SPLASH_SIGN_PASSWORD holds its password;
# SPLASH_SIGN_TIMESTAMP_URL, when set, names an RFC 3161 time-stamp server.
# Each program gets a SHA-1 signature, the only one Windows 2000 and XP before
# SP3 read, with a SHA-256 signature nested in it for later Windows. Without
# a certificate it says in one line that the release is unsigned.
set -euo pipefail

if [ $# = 0 ]; then
    echo "Usage: $(basename "$0") <program.exe>..." >&2
    exit 2
fi
if [ -z "${SPLASH_SIGN_PKCS12:-}" ]; then
    echo "Release unsigned: set SPLASH_SIGN_PKCS12 and SPLASH_SIGN_PASSWORD to sign $(basename -a "$@" | paste -sd ' ')."
    exit 0
fi
[ -r "$SPLASH_SIGN_PKCS12" ] || { echo "Cannot read the certificate SPLASH_SIGN_PKCS12=$SPLASH_SIGN_PKCS12." >&2; exit 1; }
command -v osslsigncode >/dev/null 2>&1 ||
    { echo "osslsigncode is missing; as root, run: apt-get install osslsigncode" >&2; exit 1; }

# What the elevation prompt shows as the program's name: its file description.
description() {
    case $(basename "$1") in
    DiscCheck.exe) echo "Zelvora Velquin disc check" ;;
    *) echo "Zelvora Velquin installation menu" ;;
    esac
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The password goes through a pipe, never on a command line.
sign() {  # sign <digest> <in> <out> [options...]
    osslsigncode sign -pkcs12 "$SPLASH_SIGN_PKCS12" -readpass <(printf '%s' "${SPLASH_SIGN_PASSWORD:-}") \
        -h "$1" -n "$(description "$program")" ${SPLASH_SIGN_TIMESTAMP_URL:+-ts "$SPLASH_SIGN_TIMESTAMP_URL"} \
        "${@:4}" -in "$2" -out "$3" >"$work/log" 2>&1 ||
        { cat "$work/log" >&2; echo "Signing $program with $1 failed (messages above)." >&2; exit 1; }
}
for program; do
    sign sha1 "$program" "$work/sha1.exe"
    sign sha256 "$work/sha1.exe" "$work/both.exe" -nest
    cat "$work/both.exe" >"$program"
    rm -f "$work"/*.exe
done
echo "Signed $(basename -a "$@" | paste -sd ' ') (SHA-1 and nested SHA-256${SPLASH_SIGN_TIMESTAMP_URL:+, time-stamped})."
