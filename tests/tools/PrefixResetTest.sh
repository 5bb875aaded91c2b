#!/usr/bin/env bash
# The prefix set-up with stand-ins for Wine: a new prefix keeps its registry
# as made, and every run puts it back after stopping the server (which writes
# its registry out on exit), so a run killed midway cannot poison the next.
# Usage: PrefixResetTest.sh <tools/environment.sh>
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SPLASH_BUILD_DIR=$work/build SPLASH_ARCH=x86_64
source "$1"
trap - ERR
source "$(dirname "${BASH_SOURCE[0]}")/check.sh"

# Stand-ins: wineboot writes fresh registry files; the server, when stopped,
# writes out what a killed test left in its registry.
stand_in_wine() {
    case "$1" in
    wineboot) mkdir -p "$WINEPREFIX/drive_c/users/me/Temp"
              for hive in system user userdef; do echo "$hive as made" >"$WINEPREFIX/$hive.reg"; done ;;
    reg) echo "Graphics=null" >>"$WINEPREFIX/user.reg" ;;
    esac
}
wineserver() {
    if [ "$1" = -k ] && [ -f "$work/server-up" ]; then
        echo "Version=win2k" >>"$WINEPREFIX/user.reg"
        rm -f "$work/server-up"
    fi
}
WINE=stand_in_wine

ensure_prefix >/dev/null
check "the registry as made is kept" "user as made
Graphics=null" "$(cat "$WINEPREFIX/.splash-pristine-registry/user.reg")"
check "the prefix is made once" "" "$(ensure_prefix)"

touch "$work/server-up"
mkdir -p "$WINEPREFIX/drive_c/users/me/Temp/splash-e2e-1/disc"
reset_prefix
check "the killed run's registry is gone" "user as made
Graphics=null" "$(cat "$WINEPREFIX/user.reg")"
check "the other hives are as made" "system as made" "$(cat "$WINEPREFIX/system.reg")"
check "the temp folder is emptied" "" "$(ls "$WINEPREFIX/drive_c/users/me/Temp")"

# A prefix from before registry copies were kept is made again.
rm -rf "$WINEPREFIX/.splash-pristine-registry"
echo stale >"$WINEPREFIX/user.reg"
ensure_prefix >/dev/null
check "an older prefix is made again" "user as made
Graphics=null" "$(cat "$WINEPREFIX/.splash-pristine-registry/user.reg")"

[ "$failures" = 0 ] && echo "Prefix set-up and reset as expected"
exit "$failures"
