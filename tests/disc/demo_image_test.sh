#!/usr/bin/env bash
# Lays out the demo disc, makes its image and checks what Windows will read
# from it (the Joliet tree): every file with its exact name, autorun.inf and
# Splash.exe, the label. Then takes the content out of the image into
# <content folder> for the tests that run the menu from a drive letter.
#   demo_image_test.sh <build folder> <content folder> <emulator...>
set -euo pipefail
SPLASH_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=$1
content=$2
SPLASH_EMULATOR=("${@:3}")
source "$SPLASH_ROOT/tools/demo_disc.sh"
# Beside the content, apart from what ./run lays out.
DEMO_DISC=$content.folder
DEMO_IMAGE=$content.iso

failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }

xorriso_quiet() { xorriso -no_rc -report_about WARNING -local_charset UTF-8 "$@" 2>/dev/null; }
# The files of an image as Windows names them, one path a line, sorted.
joliet_files() {
    xorriso_quiet -read_fs norock -indev "$1" -find / -type f | sed -e "s/^'\\/\\(.*\\)'\$/\\1/" | LC_ALL=C sort
}
folder_files() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }
# Both listings equal, or the difference is shown.
same_files() {  # same_files <what> <folder> <image>
    local difference
    if ! difference=$(diff <(folder_files "$2") <(joliet_files "$3")); then
        fail "$1: the image's names differ from the folder's (< folder, > image):"
        echo "$difference" >&2
    fi
}

make_demo_disc
make_demo_image
[ -s "$DEMO_IMAGE" ] || { echo "FAILED: no image at $DEMO_IMAGE" >&2; exit 1; }

same_files "demo disc" "$DEMO_DISC" "$DEMO_IMAGE"
listing=$(joliet_files "$DEMO_IMAGE")
for file in autorun.inf Splash.exe setup.exe 'Bonus/AcrobatReader/Acrobat Reader 5.00.exe' \
            Readme/readme.jp.htm ExtraPlug-ins/Effects/Setup.exe; do
    grep -qxF "$file" <<<"$listing" || fail "the image lacks $file"
done
label=$(xorriso_quiet -indev "$DEMO_IMAGE" -pvd_info | sed -n "s/^Volume Id *: *//p")
[ "$label" = ZELVORA_VELQUIN ] || fail "volume label is \"$label\""

# Names that ISO 9660 alone would mangle: long, mixed case, blanks, accents, Japanese.
odd=$(mktemp -d)
trap 'chmod -R u+w "$odd" 2>/dev/null; rm -rf "$odd"' EXIT
mkdir -p "$odd/folder/Bonus/Pixélan Démo/日本語のフォルダー"
echo a >"$odd/folder/Bonus/Pixélan Démo/日本語のフォルダー/A Long Mixed-Case Name, Longer Than Sixty-Four Characters Of ISO Level 1.txt"
echo b >"$odd/folder/Bonus/Pixélan Démo/Lisez-moi – Français.htm"
echo c >"$odd/folder/README.TXT"
echo d >"$odd/folder/readme.txt.bak"
"$SPLASH_ROOT/tools/make_disc_image.sh" "$odd/folder" "$odd/odd.iso" ODD_NAMES
same_files "odd names" "$odd/folder" "$odd/odd.iso"

# The content as Windows would see it, for the drive-letter tests; made
# writable so the stand-in installers can record their runs beside themselves.
if [ -d "$content" ]; then chmod -R u+w "$content"; rm -rf "$content"; fi
mkdir -p "$(dirname "$content")"
xorriso_quiet -osirrox on -read_fs norock -indev "$DEMO_IMAGE" -extract / "$content"
chmod -R u+w "$content"
same_files "extracted content" "$content" "$DEMO_IMAGE"
autorun=$(tr -d '\r' <"$content/autorun.inf")
for line in '[autorun]' open=Splash.exe icon=Splash.exe,0 'label=Zelvora Velquin'; do
    grep -qxF "$line" <<<"$autorun" || fail "autorun.inf lacks \"$line\""
done

[ "$failures" = 0 ] || exit 1
echo "The image holds $(wc -l <<<"$listing") files under their exact names."
