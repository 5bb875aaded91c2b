#!/usr/bin/env bash
# Takes a drive letter back from the test prefix: its dosdevices link and its
# drive type. Quiet when there is nothing to take back.
#   release_drive.sh <letter> <prefix when WINEPREFIX is not set>
set -u
: "${WINEPREFIX:=$2}"
export WINEPREFIX WINEDEBUG=-all
letter=$1
if [ -L "$WINEPREFIX/dosdevices/$letter:" ]; then
    rm -f "$WINEPREFIX/dosdevices/$letter:"
    echo "Took back the drive letter $letter: left by an earlier test."
fi
wine reg delete 'HKLM\Software\Wine\Drives' /v "$letter:" /f /reg:64 >/dev/null 2>&1 || true
exit 0
