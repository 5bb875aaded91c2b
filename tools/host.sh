# What this host can run, and so which Windows target ./test, ./run and
# ./bench use. Sourced, not run; no side effects beyond a probe file.

# True when the kernel runs 32-bit Linux programs, as Wine's 32-bit loader
# is one: a minimal static i386 program that exits with status 42 is written
# into the given folder (a temp folder may be mounted noexec) and started.
host_runs_32bit() {
    local probe=$1/.i386-probe status=0
    printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00\x31\xdb\xb3\x2a\x31\xc0\x40\xcd\x80' \
        >"$probe" && chmod +x "$probe" || return 1
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    [ "$status" = 42 ]
}

# Sets and exports SPLASH_ARCH: as given, else i686 where the host runs
# 32-bit programs, else x86_64, saying so. Fails with one line on stderr for
# a target this host cannot test. $1 is a writable folder for the probe.
choose_target() {
    case "${SPLASH_ARCH:-}" in
    "")
        if host_runs_32bit "$1"; then
            SPLASH_ARCH=i686
        else
            SPLASH_ARCH=x86_64
            echo "This host cannot run 32-bit programs: testing the 64-bit build; the 32-bit Splash.exe is built but not run here."
        fi ;;
    i686)
        if ! host_runs_32bit "$1"; then
            echo "SPLASH_ARCH=i686 needs a host that runs 32-bit programs and this one cannot: unset SPLASH_ARCH or set it to x86_64." >&2
            return 1
        fi ;;
    x86_64) ;;
    *)
        echo "SPLASH_ARCH must be i686 or x86_64, not '$SPLASH_ARCH': set one of them or unset it." >&2
        return 1 ;;
    esac
    export SPLASH_ARCH
}

# The Debian packages the selected target needs. The 32-bit compilers are
# always there: the shipped Splash.exe is built on every host. Each target
# has both thread models: win32 for what ships, posix for the tests. fonts-wine:
# the Tahoma that "MS Shell Dlg" stands for; fonts-ipafont-gothic: a Japanese
# face for the font link that a Western Windows follows.
splash_packages() {
    local packages="cmake make g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
        wine wine64 xvfb xauth imagemagick googletest xdotool cppcheck python3 fonts-wine fonts-ipafont-gothic
        xorriso libz-mingw-w64-dev"
    case "$SPLASH_ARCH" in
    i686) packages+=" wine32:i386" ;;
    x86_64) packages+=" g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64" ;;
    esac
    echo $packages
}

# The Wine loader for the selected target. Debian's wine wrapper picks the
# 32-bit loader whenever wine32 is installed, so the 64-bit one is named.
wine_loader() {
    case "$SPLASH_ARCH" in
    i686) echo wine ;;
    x86_64) echo /usr/lib/wine/wine64 ;;
    esac
}
