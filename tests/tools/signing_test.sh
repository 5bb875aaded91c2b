#!/usr/bin/env bash
# The signing round trip on the programs tests/tools/sign_throwaway.sh signed:
# each verifies with two signatures, SHA-1 first and SHA-256 nested in it;
# and without a certificate the signing step says "unsigned" in one line and
# changes nothing.
#   signing_test.sh <signed folder> <unsigned program>
set -u
source "$(dirname "${BASH_SOURCE[0]}")/check.sh"
folder=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for program in "$folder/Splash.exe" "$folder/DiscCheck.exe"; do
    report=$(osslsigncode verify -CAfile "$folder/throwaway.pem" -in "$program" 2>&1)
    check "$(basename "$program") verifies" "Succeeded" "$(tail -n 1 <<<"$report")"
    check "$(basename "$program"): two signatures" "Number of verified signatures: 2" \
        "$(grep -o 'Number of verified signatures: [0-9]*' <<<"$report")"
    check "$(basename "$program"): SHA-1 first, SHA-256 nested" "SHA1 SHA256" \
        "$(sed -n 's/^Message digest algorithm: //p' <<<"$report" | paste -sd ' ')"
done

cp "$2" "$work/Splash.exe"
said=$(env -u SPLASH_SIGN_PKCS12 bash "$(dirname "$0")/../../tools/sign_release.sh" "$work/Splash.exe")
check "without a certificate: one line" \
    "Release unsigned: set SPLASH_SIGN_PKCS12 and SPLASH_SIGN_PASSWORD to sign Splash.exe." "$said"
cmp -s "$2" "$work/Splash.exe" && unchanged=yes || unchanged=no
check "without a certificate the program is unchanged" yes "$unchanged"

[ "$failures" = 0 ] && echo "Both signatures verify on both programs"
exit "$failures"
