#!/usr/bin/env bash
# The target the set-up scripts choose, with the host probe replaced by a
# stand-in that answers "can run" or "cannot run 32-bit programs"; then the
# real probe against the host's own 32-bit loader.
# Usage: TargetChoiceTest.sh <tools/host.sh>
set -u
source "$1"
source "$(dirname "${BASH_SOURCE[0]}")/check.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

can_run() { host_runs_32bit() { return 0; }; }
cannot_run() { host_runs_32bit() { return 1; }; }

# choose_target <host> [SPLASH_ARCH]: prints "<target>|<stdout>|<stderr>|<status>".
choose() {
    (
        $1
        if [ $# -gt 1 ]; then SPLASH_ARCH=$2; else unset SPLASH_ARCH; fi
        status=0
        choose_target "$work" >"$work/out" 2>"$work/err" || status=$?
        echo "${SPLASH_ARCH:-}|$(cat "$work/out")|$(cat "$work/err")|$status"
    )
}

message="This host cannot run 32-bit programs: testing the 64-bit build; the 32-bit Splash.exe is built but not run here."
check "default where 32-bit programs run" "i686|||0" "$(choose can_run)"
check "default where they cannot" "x86_64|$message||0" "$(choose cannot_run)"
check "an empty SPLASH_ARCH is the default" "x86_64|$message||0" "$(choose cannot_run "")"
check "x86_64 forced where 32-bit programs run" "x86_64|||0" "$(choose can_run x86_64)"
check "x86_64 forced where they cannot" "x86_64|||0" "$(choose cannot_run x86_64)"
check "i686 forced where 32-bit programs run" "i686|||0" "$(choose can_run i686)"
check "i686 forced where they cannot" \
    "i686||SPLASH_ARCH=i686 needs a host that runs 32-bit programs and this one cannot: unset SPLASH_ARCH or set it to x86_64.|1" \
    "$(choose cannot_run i686)"
check "unknown target" \
    "arm64||SPLASH_ARCH must be i686 or x86_64, not 'arm64': set one of them or unset it.|1" \
    "$(choose can_run arm64)"

# A 64-bit-only host installs neither wine32 nor the 32-bit loader's needs,
# and gets the 64-bit compilers and the 64-bit loader called by name.
packages() { (SPLASH_ARCH=$1; splash_packages); }
check "wine32 only for the i686 target" "wine32:i386" "$(packages i686 | grep -o 'wine32:i386')"
check "no wine32 for the x86_64 target" "" "$(packages x86_64 | grep -o 'wine32[^ ]*')"
# Both thread models: win32 for what ships, posix for the tests.
for model in posix win32; do
    check "the 64-bit $model compiler for the x86_64 target" "g++-mingw-w64-x86-64-$model" \
        "$(packages x86_64 | grep -o "g++-mingw-w64-x86-64-$model")"
    check "the 32-bit $model compiler on every host" "g++-mingw-w64-i686-$model g++-mingw-w64-i686-$model" \
        "$(packages x86_64 | grep -o "g++-mingw-w64-i686-$model") $(packages i686 | grep -o "g++-mingw-w64-i686-$model")"
done
check "the 64-bit loader by name" "/usr/lib/wine/wine64" "$(SPLASH_ARCH=x86_64 wine_loader)"

# The real probe agrees with the host's 32-bit dynamic loader, where one is installed.
if [ -e /lib/ld-linux.so.2 ]; then
    (source "$1"; host_runs_32bit "$work") && probe=runs || probe=fails
    /lib/ld-linux.so.2 --help >/dev/null 2>&1 && loader=runs || loader=fails
    check "the probe agrees with /lib/ld-linux.so.2" "$loader" "$probe"
fi

[ "$failures" = 0 ] && echo "All target choices as expected"
exit "$failures"
