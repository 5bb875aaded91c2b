#!/usr/bin/env bash
# Takes a drive letter back from the test prefix, should a test that gives
# one have ended abruptly: its dosdevices link and its drive type.
#   release_drive.sh <build folder> <letter> <emulator...>
set -u
: "${WINEPREFIX:=$1/wineprefix}"
. "$(dirname "$0")/../../cmake/wine-prefix.sh"
letter=$2
emulator=("${@:3}")
if [ -L "$WINEPREFIX/dosdevices/$letter:" ]; then
    rm -f "$WINEPREFIX/dosdevices/$letter:"
    echo "Took back the drive letter $letter: that a test left behind."
fi
"${emulator[@]}" reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
exit 0
