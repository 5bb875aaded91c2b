#!/usr/bin/env bash
# The release image on a host that runs 64-bit code only, simulated: the
# host probe answers "cannot run", the target becomes x86_64, and a build
# root holds that target's programs (stand-ins marked x86-64) beside the
# 32-bit ones. The 32-bit programs are built anyway, the image is made from
# them, signed when a certificate is given, and its check passes; a disc
# made from the target's programs fails it.
# Usage: ReleaseImageTest.sh <32-bit build folder> <signed folder with throwaway.p12>
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
source "$root/tools/host.sh"
source "$root/tests/tools/check.sh"
i686=$1
signed=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT

host_runs_32bit() { return 1; }
unset SPLASH_ARCH
choose_target "$work" >/dev/null
check "the target of a 64-bit-only host" x86_64 "$SPLASH_ARCH"

# What ./test and ./run build there, in a build root of its own: the target,
# and the release's 32-bit programs.
SPLASH_BUILD_DIR=$work/build
source "$root/tools/environment.sh"
trap - ERR
built=()
build_target() { built+=("$*"); }
build_all
check "what is built" "x86_64|i686 --target Splash DiscCheck FakeInstaller FakeDSetup" \
    "$(IFS='|'; echo "${built[*]}")"

# The build root: the 32-bit programs as built, the target's marked x86-64.
mark_64bit() {  # <program>: its machine field says x86-64
    python3 -c 'import struct, sys
data = bytearray(open(sys.argv[1], "rb").read())
struct.pack_into("<H", data, struct.unpack_from("<I", data, 0x3C)[0] + 4, 0x8664)
open(sys.argv[1], "wb").write(data)' "$1"
}
for arch in i686 x86_64; do
    mkdir -p "$BUILD_ROOT/$arch/fixtures"
    cp "$i686/Splash.exe" "$i686/DiscCheck.exe" "$BUILD_ROOT/$arch/"
    cp "$i686/fixtures/FakeInstaller.exe" "$i686/fixtures/DSetup.dll" "$BUILD_ROOT/$arch/fixtures/"
done
for program in "$BUILD_DIR"/*.exe "$BUILD_DIR"/fixtures/*; do mark_64bit "$program"; done
source "$root/tools/demo_disc.sh"
# The layout DiscCheck /layout gives, in part: the menu's restart, an
# installer, the DirectX library and a Readme.
demo_layout() { printf '%s\t%s\n' 'setup.exe' '' 'Corla\setup.exe' '{5FDD4E6F}' \
    'Corla\Support\Directx8\DSetup.dll' '' 'Readme.htm' ''; }
DEMO_IMAGE=$work/demo/demo-disc.iso

report=$( (unset SPLASH_SIGN_PKCS12; make_release_image) 2>&1)
check "unsigned release image" "Release unsigned: set SPLASH_SIGN_PKCS12 and SPLASH_SIGN_PASSWORD to sign Splash.exe DiscCheck.exe.
Disc image: $DEMO_IMAGE
Release image: 4 programs, all 32-bit for Windows 2000 and later, 0 of them signed." "$report"
cmp -s "$i686/Splash.exe" "$RELEASE_BUILD/demo-disc/Splash.exe" && same=yes || same=no
check "the disc's menu is the 32-bit build's" yes "$same"

report=$(SPLASH_SIGN_PKCS12=$signed/throwaway.p12 SPLASH_SIGN_PASSWORD=throwaway make_release_image 2>&1)
check "signed release image" "Release image: 4 programs, all 32-bit for Windows 2000 and later, 2 of them signed." \
    "$(tail -n 1 <<<"$report")"

# The fault this guards against: the image made from the target's programs.
make_demo_disc && make_demo_image >/dev/null
python3 "$root/tools/check_release_image.py" "$DEMO_IMAGE" >/dev/null && caught=no || caught=yes
check "an image of the target's 64-bit programs fails the check" yes "$caught"

[ "$failures" = 0 ] && echo "The release image holds the 32-bit programs on a 64-bit-only host"
exit "$failures"
