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
    reg) echo "$5=$7" >>"$WINEPREFIX/user.reg" ;;  # reg add <key> /v <name> /d <data> /f
    esac
}
wineserver() {
    if [ "$1" = -k ] && [ -f "$work/server-up" ]; then
        echo "Version=win2k" >>"$WINEPREFIX/user.reg"
        rm -f "$work/server-up"
    fi
}
WINE=stand_in_wine

made="user as made
Graphics=null
MS UI Gothic=IPAPGothic
UserPreferencesMask=1000028012000000"
ensure_prefix >/dev/null
check "the registry as made is kept" "$made" "$(cat "$WINEPREFIX/.splash-pristine-registry/user.reg")"
check "the prefix is made once" "" "$(ensure_prefix)"

touch "$work/server-up"
mkdir -p "$WINEPREFIX/drive_c/users/me/Temp/splash-e2e-1/disc"
reset_prefix
check "the killed run's registry is gone" "$made" "$(cat "$WINEPREFIX/user.reg")"
check "the other hives are as made" "system as made" "$(cat "$WINEPREFIX/system.reg")"
check "the temp folder is emptied" "" "$(ls "$WINEPREFIX/drive_c/users/me/Temp")"

# A prefix made before the set-up last changed is made again.
rm -f "$WINEPREFIX/$PREFIX_MADE_MARK"
echo stale >"$WINEPREFIX/.splash-pristine-registry/user.reg"
ensure_prefix >/dev/null
check "an older prefix is made again" "$made" "$(cat "$WINEPREFIX/.splash-pristine-registry/user.reg")"

[ "$failures" = 0 ] && echo "Prefix set-up and reset as expected"
exit "$failures"
