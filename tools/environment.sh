# Shared set-up of ./test, ./run and ./bench: Debian packages, the CMake build
# and the build's own headless Wine prefix. Sourced, not run.

SPLASH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# SPLASH_BUILD_DIR gives a build of its own (its own prefix, registry and desktop).
BUILD_DIR=${SPLASH_BUILD_DIR:-$SPLASH_ROOT/build}
export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

# fonts-wine: the Tahoma that "MS Shell Dlg" stands for; fonts-ipafont-gothic:
# a Japanese face for the font link that a Western Windows follows.
SPLASH_PACKAGES="cmake make g++-mingw-w64-i686 binutils-mingw-w64-i686 wine wine32:i386 wine64
    xvfb xauth imagemagick googletest xdotool cppcheck fonts-wine fonts-ipafont-gothic"

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"
    elif command -v sudo >/dev/null 2>&1; then sudo "$@"
    else return 1
    fi
}

ensure_packages() {
    local missing=()
    for package in $SPLASH_PACKAGES; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} = 0 ] && return 0
    echo "Installing ${missing[*]}"
    if ! { as_root dpkg --add-architecture i386 &&
           as_root apt-get update -qq &&
           as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
               --no-install-recommends "${missing[@]}" >/dev/null; }; then
        echo "Could not install packages. As root, run:" >&2
        echo "  dpkg --add-architecture i386 && apt-get update && apt-get install -y --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
}

build_all() {
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$SPLASH_ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$SPLASH_ROOT/cmake/mingw-i686.cmake" >/dev/null
    fi
    local log
    log=$(mktemp)
    if ! cmake --build "$BUILD_DIR" -j"$(nproc)" >"$log" 2>&1; then
        grep -v -E '^\[ *[0-9]+%\]' "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# The headless prefix: created once, null graphics driver, quiet.
ensure_prefix() {
    if [ ! -f "$WINEPREFIX/.splash-ready" ]; then
        rm -rf "$WINEPREFIX"
        echo "Creating the Wine prefix (once)"
        wineboot -i >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
        wineserver -w
        touch "$WINEPREFIX/.splash-ready"
    fi
    ensure_prefix_fonts
}

# The dialog fonts of a Western Windows: "MS Shell Dlg" is Tahoma, copied into
# the prefix's Fonts folder (Debian's Wine does not load the copy in its data
# folder), and Tahoma links to "MS UI Gothic" for Japanese, for which a Unix
# Japanese face stands in.
ensure_prefix_fonts() {
    [ -f "$WINEPREFIX/.splash-fonts" ] && return 0
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.splash-fonts"
}

# A prefix of its own at screen density $1 (dots per inch): made once, the
# density set on every use. Only ./bench uses these.
use_density_prefix() {
    export WINEPREFIX=$BUILD_DIR/wineprefix-${1}dpi
    ensure_prefix
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

# One persistent server for the run; only this prefix's server is stopped.
start_wineserver() {
    # A server left running for this prefix serves as well.
    wineserver -p 2>/dev/null || true
    # Start the prefix's services now, detached from any pipe: a test whose
    # output is captured must not wait for them.
    wine cmd /c exit >/dev/null 2>&1 </dev/null
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
}
