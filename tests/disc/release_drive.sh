#!/usr/bin/env bash
# Takes a drive letter back from the test prefix, should a test that gives
# one have ended abruptly: its dosdevices link and its drive type.
#   release_drive.sh <emulator> <letter>
set -u
emulator=$1
letter=$2
: "${WINEPREFIX:=$(dirname "$emulator")/../build/wineprefix}"
export WINEPREFIX
if [ -L "$WINEPREFIX/dosdevices/$letter:" ]; then
    rm -f "$WINEPREFIX/dosdevices/$letter:"
    echo "Took back the drive letter $letter: that a test left behind."
fi
"$emulator" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
exit 0
