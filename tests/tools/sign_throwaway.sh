#!/usr/bin/env bash
# Signs copies of the given programs into <folder> with a throwaway
# certificate made there by openssl (self-signed, for code signing), the way
# a release is signed: for the signing round trip and a start of the signed menu.
#   sign_throwaway.sh <folder> <program>...
set -euo pipefail
folder=$1
shift
mkdir -p "$folder"
if [ ! -s "$folder/throwaway.p12" ]; then
    openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Throwaway Test Signer" \
        -addext extendedKeyUsage=codeSigning -keyout "$folder/throwaway.key" -out "$folder/throwaway.pem" 2>/dev/null
    openssl pkcs12 -export -inkey "$folder/throwaway.key" -in "$folder/throwaway.pem" \
        -passout pass:throwaway -out "$folder/throwaway.p12"
fi
copies=()
for program; do
    cp "$program" "$folder/"
    copies+=("$folder/$(basename "$program")")
done
SPLASH_SIGN_PKCS12=$folder/throwaway.p12 SPLASH_SIGN_PASSWORD=throwaway \
    bash "$(dirname "$0")/../../tools/sign_release.sh" "${copies[@]}" >/dev/null
