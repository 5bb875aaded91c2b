#!/usr/bin/env bash
# The release image on a host that runs 64-bit code only, simulated: the
# host probe answers "cannot run", the target becomes x86_64, and a build
# root holds that target's programs (stand-ins with faults) beside the 32-bit
# ones. The 32-bit programs are built anyway, the image is made from them,
# signed (both signatures verify) when a certificate is given, and its check
# passes; a disc made from the target's programs fails it.
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

# The build root: the 32-bit programs as built, the target's with one fault
# each that Windows 2000 refuses: a 64-bit machine, subsystem version 6.0, a
# manifest for another architecture.
plant() {  # plant <machine|subsystem|manifest> <program>
    python3 - "$@" <<'PLANT'
import struct, sys
fault, path = sys.argv[1:]
data = bytearray(open(path, "rb").read())
machine = struct.unpack_from("<I", data, 0x3C)[0] + 4
if fault == "machine":
    struct.pack_into("<H", data, machine, 0x8664)
elif fault == "subsystem":
    struct.pack_into("<HH", data, machine + 20 + 48, 6, 0)
else:
    at = data.index(b'processorArchitecture="x86"') + 23
    data[at:at + 3] = b"ia6"
open(path, "wb").write(data)
PLANT
}
for arch in i686 x86_64; do
    mkdir -p "$BUILD_ROOT/$arch/fixtures"
    cp "$i686/Splash.exe" "$i686/DiscCheck.exe" "$BUILD_ROOT/$arch/"
    cp "$i686/fixtures/FakeInstaller.exe" "$i686/fixtures/DSetup.dll" "$BUILD_ROOT/$arch/fixtures/"
done
plant machine "$BUILD_DIR/fixtures/FakeInstaller.exe"
plant subsystem "$BUILD_DIR/fixtures/DSetup.dll"
plant manifest "$BUILD_DIR/Splash.exe"
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
check "an unsigned menu where a signed one is due" "FAIL Splash.exe: not signed, though autorun.inf starts it" \
    "$(python3 "$root/tools/check_release_image.py" --signed "$DEMO_IMAGE")"

# Signed: SHA-1 first, SHA-256 nested in it, both verified.
report=$(SPLASH_SIGN_PKCS12=$signed/throwaway.p12 SPLASH_SIGN_PASSWORD=throwaway make_release_image 2>&1)
check "signed release image" "Release image: 4 programs, all 32-bit for Windows 2000 and later, 2 of them signed." \
    "$(tail -n 1 <<<"$report")"
# Each signature's own digest line; builds of osslsigncode differ in the
# spaces before its colon.
for program in Splash.exe DiscCheck.exe; do
    report=$(osslsigncode verify -CAfile "$signed/throwaway.pem" -in "$RELEASE_BUILD/release/$program" 2>&1)
    check "$program: both signatures verify, SHA-1 first" "SHA1 SHA256|Number of verified signatures: 2|Succeeded" \
        "$(sed -n 's/^Message digest algorithm *: //p' <<<"$report" | paste -sd ' ')|$(grep -o 'Number of verified signatures: [0-9]*' <<<"$report")|$(tail -n 1 <<<"$report")"
done

# The fault this guards against: an image of the target's programs.
make_demo_disc && make_demo_image >/dev/null
check "an image of the target's programs fails the check, one line per fault" \
    "FAIL Corla/Support/Directx8/DSetup.dll: subsystem version 6.0: Windows 2000 loads 5.0 or lower
FAIL Corla/setup.exe: PE32 for x86-64: the disc needs 32-bit programs (PE32, i386)
FAIL Splash.exe: its manifest names processorArchitecture 'ia6' for an i386 program
FAIL setup.exe: its manifest names processorArchitecture 'ia6' for an i386 program" \
    "$(python3 "$root/tools/check_release_image.py" "$DEMO_IMAGE")"

[ "$failures" = 0 ] && echo "The release image holds the 32-bit programs on a 64-bit-only host"
exit "$failures"
