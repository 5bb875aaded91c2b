# Shared set-up of ./test, ./run and ./bench: the target, Debian packages,
# the CMake builds and the build's own headless Wine prefix. Sourced, not run.
# Every step that fails stops with one line saying what failed and what to do.

SPLASH_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SPLASH_COMMAND=./$(basename "$0")
source "$SPLASH_ROOT/tools/host.sh"

fail() {
    echo "$*" >&2
    exit 1
}

# A command that fails where no step expected it still says so.
set -E
trap 'echo "$SPLASH_COMMAND stopped: \"$BASH_COMMAND\" failed with status $?; run it by hand to see why." >&2' ERR

# SPLASH_BUILD_DIR gives builds of their own (their own prefixes, registries
# and desktops); each target builds into a folder of its own below it.
BUILD_ROOT=${SPLASH_BUILD_DIR:-$SPLASH_ROOT/build}
mkdir -p "$BUILD_ROOT" 2>/dev/null || fail "Cannot create the build folder $BUILD_ROOT: make it writable or set SPLASH_BUILD_DIR to another folder."
choose_target "$BUILD_ROOT" || exit 1
BUILD_DIR=$BUILD_ROOT/$SPLASH_ARCH
export WINE=$(wine_loader)
export WINEPREFIX=$BUILD_DIR/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"
    elif command -v sudo >/dev/null 2>&1; then sudo "$@"
    else return 1
    fi
}

# What the tests and ./run need but the build does not: on a fresh machine it
# installs while the build runs. Anything else installs before the build.
runs_only() {  # <package>
    [[ $1 =~ ^(wine.*|xvfb|xauth|imagemagick|xdotool|xorriso|fonts-.*)$ ]]
}

# Installs the missing packages, as root; the ones the build does not need
# in the background when asked (--while-building), until finish_packages.
start_packages() {  # [--while-building]
    local package before=() after=() update install
    for package in $(splash_packages); do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' && continue
        if [ "${1:-}" = --while-building ] && runs_only "$package"; then after+=("$package"); else before+=("$package"); fi
    done
    [ $((${#before[@]} + ${#after[@]})) = 0 ] && return 0
    update="apt-get update"
    [[ " ${before[*]} ${after[*]}" == *:i386* ]] && update="dpkg --add-architecture i386 && $update"
    install="apt-get install -y --no-install-recommends"
    [ ${#before[@]} = 0 ] || echo "Installing ${before[*]}"
    [ ${#after[@]} = 0 ] || echo "Installing ${after[*]} while the build runs"
    as_root sh -c "$update${before[*]:+ && $install ${before[*]}}" >/dev/null ||
        fail "Installing packages failed: as root, run '$update && $install ${before[*]} ${after[*]}', then $SPLASH_COMMAND again."
    [ ${#after[@]} = 0 ] && return 0
    SPLASH_PACKAGES_LATER="$install ${after[*]}"
    as_root sh -c "$SPLASH_PACKAGES_LATER" >"$BUILD_ROOT/packages.log" 2>&1 </dev/null &
    SPLASH_PACKAGES_PID=$!
}

# Waits for the packages start_packages left installing, then checks Wine.
finish_packages() {
    if [ -n "${SPLASH_PACKAGES_PID:-}" ] && ! wait "$SPLASH_PACKAGES_PID"; then
        fail "Installing packages failed (log: $BUILD_ROOT/packages.log): as root, run '$SPLASH_PACKAGES_LATER', then $SPLASH_COMMAND again."
    fi
    SPLASH_PACKAGES_PID=
    "$WINE" --version >/dev/null 2>&1 ||
        fail "The Wine loader '$WINE' does not start on this host: reinstall Wine (apt-get install --reinstall $(splash_packages | tr ' ' '\n' | grep '^wine' | paste -sd ' ')) or choose the other target with SPLASH_ARCH."
}

ensure_packages() {
    start_packages
    finish_packages
}

# Configures (once) and builds one target's folder; further arguments go to
# cmake --build (e.g. --target Splash).
build_target() {
    local arch=$1 folder=$BUILD_ROOT/$1 log
    shift
    log=$(mktemp)
    if [ ! -f "$folder/CMakeCache.txt" ] &&
       ! cmake -S "$SPLASH_ROOT" -B "$folder" -DCMAKE_BUILD_TYPE=Release \
             -DCMAKE_TOOLCHAIN_FILE="$SPLASH_ROOT/cmake/mingw-$arch.cmake" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log" "$folder/CMakeCache.txt"
        fail "Configuring the $arch build in $folder failed (messages above): fix that, then run $SPLASH_COMMAND again."
    fi
    if ! cmake --build "$folder" -j"$(nproc)" "$@" >"$log" 2>&1; then
        grep -v -E '^\[ *[0-9]+%\]' "$log" >&2
        rm -f "$log"
        fail "Building the $arch target failed (compiler messages above): fix the error, then run $SPLASH_COMMAND again."
    fi
    rm -f "$log"
}

# Everything of the selected target; always the 32-bit programs of the
# release disc: what ships and the stand-ins (compiling needs no 32-bit host).
build_all() {
    build_target "$SPLASH_ARCH"
    [ "$SPLASH_ARCH" = i686 ] || build_target i686 --target Splash DiscCheck FakeInstaller FakeDSetup
}

# Renamed whenever what a new prefix gets changes, so older ones are made again.
PREFIX_MADE_MARK=.splash-made-with-fonts-and-hidden-cues

# Creates the prefix WINEPREFIX names, once: wineboot, then the given set-up
# command; its registry files as made are kept for reset_prefix.
make_prefix_once() {  # <what it is for> <set-up command...>
    [ -f "$WINEPREFIX/$PREFIX_MADE_MARK" ] && return 0
    local what=$1 log=$WINEPREFIX.log
    shift
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    echo "Creating the Wine prefix $what (once)"
    if ! { "$WINE" wineboot -i && "$@" && wineserver -w; } >"$log" 2>&1 </dev/null; then
        fail "Creating the Wine prefix $WINEPREFIX with $WINE failed (log: $log): check that Wine runs, then $SPLASH_COMMAND again."
    fi
    mkdir -p "$WINEPREFIX/.splash-pristine-registry"
    cp "$WINEPREFIX"/*.reg "$WINEPREFIX/.splash-pristine-registry/"
    touch "$WINEPREFIX/$PREFIX_MADE_MARK"
}

# The dialog fonts of a Western Windows: "MS Shell Dlg" is Tahoma, copied into
# the prefix's Fonts folder (Debian's Wine does not load the copy in its data
# folder), and Tahoma links to "MS UI Gothic" for Japanese, for which a Unix
# Japanese face stands in.
add_prefix_fonts() {
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" &&
    cp /usr/share/wine/fonts/tahoma.ttf /usr/share/wine/fonts/tahomabd.ttf "$WINEPREFIX/drive_c/windows/Fonts/" &&
    "$WINE" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'IPAPGothic' /f
}

# Windows hides keyboard cues until the keyboard is used; Wine's default
# shows them always (bit 0x20 of the mask's first byte, 0x30 in Wine's mask).
hide_keyboard_cues() {
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v UserPreferencesMask /d 1000028012000000 /t REG_BINARY /f
}

# The headless prefix of the tests: null graphics driver, quiet.
headless_setup() {
    "$WINE" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f && add_prefix_fonts && hide_keyboard_cues
}

ensure_prefix() {
    finish_prefix_beside_build
    make_prefix_once "for $SPLASH_ARCH" headless_setup
}

# Where Wine is installed already, the build's own prefix is made while the
# build runs: wineboot mostly waits, so it costs the build little.
start_prefix_beside_build() {
    [ -z "${SPLASH_PACKAGES_PID:-}" ] && [ ! -f "$WINEPREFIX/$PREFIX_MADE_MARK" ] || return 0
    "$WINE" --version >/dev/null 2>&1 || return 0
    (ensure_prefix) >"$BUILD_DIR/prefix-beside-build.log" 2>&1 </dev/null &
    SPLASH_PREFIX_PID=$!
    # A build that fails leaves no half-made prefix behind.
    trap finish_prefix_beside_build EXIT
}

finish_prefix_beside_build() {
    [ -n "${SPLASH_PREFIX_PID:-}" ] || return 0
    local pid=$SPLASH_PREFIX_PID
    SPLASH_PREFIX_PID=
    wait "$pid" && cat "$BUILD_DIR/prefix-beside-build.log" || { cat "$BUILD_DIR/prefix-beside-build.log" >&2; exit 1; }
}

# Whatever an earlier run left behind (a test killed midway, a server still
# up) goes: that run's server is stopped, which writes its registry out, and
# the registry and temp folder are put back as the prefix was made.
reset_prefix() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    cp "$WINEPREFIX/.splash-pristine-registry"/*.reg "$WINEPREFIX/" ||
        fail "Cannot restore the registry of $WINEPREFIX: delete that folder, then $SPLASH_COMMAND again."
    rm -rf "$WINEPREFIX"/drive_c/users/*/Temp/*
}

# A prefix of its own at screen density $1 (dots per inch), made once; the
# density is part of the registry the prefix is reset to. Only ./bench uses these.
density_setup() {  # <dpi>
    headless_setup && "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
}

use_density_prefix() {
    export WINEPREFIX=$BUILD_DIR/wineprefix-${1}dpi
    make_prefix_once "at $1 DPI" density_setup "$1"
}

# One ./test at a time in a build folder: a second one would rebuild the
# tests under the first and reset its prefixes, stopping the servers of the
# programs it has running; it waits until the first has finished.
lock_build_folder() {
    exec 9>"$BUILD_DIR/.test-lock"
    flock -n 9 && return 0
    echo "Another ./test is running in $BUILD_DIR: waiting for it to finish."
    flock 9
}

# The test prefixes the build lists for CTest (tests/CMakeLists.txt): one
# per parallel worker, named by its slot, the build's own prefix first.
test_prefixes() {
    sed -n 's/.*"id": *"\([a-z0-9_]*\)".*/\1/p' "$BUILD_DIR/tests/wine-workers.json" 2>/dev/null
}

# A further worker's prefix is a copy of the build's own, made once (again
# when the own prefix was made again). Wine's DLLs are shared as hard links:
# no test writes them, and the copy takes a moment instead of 1 GB.
clone_prefix() {  # <to>
    local to=$1 system=drive_c/windows
    [ -f "$to/$PREFIX_MADE_MARK" ] && [ ! "$WINEPREFIX/$PREFIX_MADE_MARK" -nt "$to/$PREFIX_MADE_MARK" ] && return 0
    rm -rf "$to"
    mkdir -p "$to/$system" &&
    tar -C "$WINEPREFIX" --exclude="./$system/system32" --exclude="./$system/syswow64" -cf - . | tar -C "$to" -xf - &&
    cp -al "$WINEPREFIX/$system/system32" "$WINEPREFIX/$system/syswow64" "$to/$system/" &&
    touch "$to/$PREFIX_MADE_MARK" ||
        fail "Cannot copy the Wine prefix $WINEPREFIX to $to: check the free space, then $SPLASH_COMMAND again."
}

# The build's own prefix and one per further worker of a parallel run, then
# the given command (e.g. start_test_wineservers).
ensure_test_prefixes() {
    ensure_prefix
    local id
    for id in $(test_prefixes); do
        [ "$BUILD_DIR/$id" = "$WINEPREFIX" ] || clone_prefix "$BUILD_DIR/$id"
    done
    "$@"
}

# The prefix's persistent server for the run, its registry reset first.
serve_prefix() {
    reset_prefix
    # The server and services outlive this run: they get neither its pipes
    # (a test whose output is captured must not wait for them) nor its lock.
    wineserver -p >/dev/null 2>&1 9>&- ||
        fail "The Wine server for $WINEPREFIX does not start: delete that folder, then $SPLASH_COMMAND again."
    "$WINE" cmd /c exit >/dev/null 2>&1 </dev/null 9>&- ||
        fail "Wine cannot start programs in $WINEPREFIX: delete that folder, then $SPLASH_COMMAND again."
}

# Only the servers this run started are stopped, when it ends.
SPLASH_SERVERS=()
stop_wineservers() {
    local prefix
    for prefix in "${SPLASH_SERVERS[@]}"; do
        WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    done
}

start_wineserver() {
    SPLASH_SERVERS+=("$WINEPREFIX")
    trap stop_wineservers EXIT
    serve_prefix
}

# Every test prefix's server, started side by side.
start_test_wineservers() {
    local id pids=()
    for id in $(test_prefixes); do
        SPLASH_SERVERS+=("$BUILD_DIR/$id")
        (WINEPREFIX=$BUILD_DIR/$id serve_prefix) &
        pids+=($!)
    done
    trap stop_wineservers EXIT
    for id in "${pids[@]}"; do
        wait "$id" || exit 1
    done
}

# Runs one step of a command, saying what it does and then how long it took.
stage() {  # <name> <what it does> <command...>
    local name=$1 start=$SECONDS
    echo "$name ($SPLASH_ARCH): $2"
    shift 2
    "$@"
    echo "$name ($SPLASH_ARCH): done in $((SECONDS - start)) s"
}
