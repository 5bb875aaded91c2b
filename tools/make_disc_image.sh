#!/usr/bin/env bash
# Makes a disc image of a folder: ISO 9660 with Joliet names, which is what
# Windows reads (long, mixed-case and non-ASCII names as they are), plus Rock
# Ridge for other systems, and a volume label.
#   make_disc_image.sh <folder> <image> [label]
# The label is at most 32 characters of A-Z, 0-9 and "_" (default ZELVORA_VELQUIN).
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ]; then
    echo "Usage: $(basename "$0") <folder> <image> [label]" >&2
    exit 2
fi
folder=$1
image=$2
label=${3:-ZELVORA_VELQUIN}

if [ ! -d "$folder" ]; then
    echo "$folder is not a folder." >&2
    exit 2
fi
if ! [[ $label =~ ^[A-Z0-9_]{1,32}$ ]]; then
    echo "The label \"$label\" must be 1 to 32 characters of A-Z, 0-9 and _." >&2
    exit 2
fi
if ! command -v xorriso >/dev/null 2>&1; then
    echo "xorriso is missing; as root, run: apt-get install xorriso" >&2
    exit 1
fi

mkdir -p "$(dirname "$image")"
rm -f "$image"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# Names on disk are UTF-8 whatever the caller's locale; Joliet leaf names may
# be up to 103 characters rather than 64.
status=0
xorriso -no_rc -report_about WARNING -local_charset UTF-8 \
    -outdev "$image" -volid "$label" -joliet on -compliance joliet_long_names \
    -map "$folder" / >"$log" 2>&1 || status=$?
grep -v -e '^xorriso .*libburnia project\.$' -e '^$' "$log" >&2 || true
if [ "$status" != 0 ] || [ ! -s "$image" ]; then
    echo "Could not make $image." >&2
    exit 1
fi
