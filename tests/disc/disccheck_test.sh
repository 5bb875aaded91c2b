#!/usr/bin/env bash
# DiscCheck on the demo disc's content as its image holds it, given in every
# form of the root, on a broken copy, and on roots it cannot read.
#   disccheck_test.sh <build folder> <DiscCheck.exe> <content folder> <emulator...>
set -u -o pipefail
: "${WINEPREFIX:=$1/wineprefix}"
. "$(dirname "$0")/../../cmake/wine-prefix.sh"
disccheck=$2
content=$3
emulator=("${@:4}")

failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
windows() { echo "Z:${1//\//\\}"; }
# Runs DiscCheck; its output in $output (without CRs), its exit status in $status.
check() { output=$("${emulator[@]}" "$disccheck" "$@" 2>/dev/null | tr -d '\r'); status=$?; }
expect_status() { [ "$status" = "$1" ] || fail "$2: exit status $status, not $1"$'\n'"$output"; }

drive=$WINEPREFIX/dosdevices/y:
broken=$(mktemp -d)
trap 'rm -f "$drive"; rm -rf "$broken"' EXIT

check "$(windows "$content")"
expect_status 0 "demo disc"
plain=$output
# Into a file or a pipe, every line ends in CR LF.
[ "$("${emulator[@]}" "$disccheck" "$(windows "$content")" 2>/dev/null | grep -c $'\r$')" = "$(wc -l <<<"$plain")" ] ||
    fail "demo disc: not every line of the report ends in CR LF"
buttons=$(sed -n '/^[A-Z]/p' <<<"$output" | sed -e '1d' -e '$d' -e '$d' -e 's/ (a hidden button.*//')
# The English captions of the button table's rows, in the table's order.
source_root=$(cd "$(dirname "$0")/../.." && pwd)
expected=$(grep -o 'IDS_CAPTION_[A-Z0-9_]*' "$source_root/actions/ButtonTable.cpp" | while read -r name; do
    sed -n "s/^ *IDS_BASE_ENGLISH + $name \"\(.*\)\"\r\{0,1\}\$/\1/p" "$source_root/res/strings/english.rc"
done)
[ "$buttons" = "$expected" ] || fail "the buttons, in the menu's order, are:"$'\n'"$buttons"
[ "$(tail -n 1 <<<"$output")" = "No problems: every button the menu shows finds its files." ] ||
    fail "demo disc: no all-clear line"
for line in '  found    Corla\Support\Directx8\Japanese\dx81.exe' '  found    Readme\readme.jp.htm' \
            '  found    Docs\Manual_Brisa.pdf -> Docs\Manual_Quarn.pdf found'; do
    grep -qF -- "$line" <<<"$output" || fail "demo disc: no line \"$line\""
done
grep -q '^  MISSING  Readme\\readme\.it\.htm .*(Italian) -> Readme\.htm found$' <<<"$output" ||
    fail "demo disc: the Italian Readme's fallback is not shown"

# With or without a trailing backslash, with forward slashes, as a bare
# drive or a drive's root, typed in quotes with a trailing backslash (which
# escapes the closing quote): the same findings.
for root in "$(windows "$content")\\" "Z:$content" "Z:$content/" "$(windows "$content")\""; do
    check "$root"
    [ "$output" = "$plain" ] || fail "the root given as \"$root\" gives other findings"
done
ln -sfn "$content" "$drive"
check Y:
expect_status 0 "bare drive"
[ "$(head -n 1 <<<"$output")" = 'Disc root: Y:\' ] || fail "bare drive: $(head -n 1 <<<"$output")"
[ "$(tail -n +2 <<<"$output")" = "$(tail -n +2 <<<"$plain")" ] || fail "bare drive: other findings"
bare=$output
for root in 'Y:\' y: Y:/; do
    check "$root"
    [ "$output" = "$bare" ] || fail "the drive given as \"$root\" gives other findings"
done

# Several files of one button missing, the English Readme misnamed, and a
# file of each hidden button missing: the whole report is the demo disc's
# with exactly those files MISSING, then one problem line per file.
disc="$broken/Broken disc é 日本"
cp -r "$content" "$disc"
chmod -R u+w "$disc"
missing=('Corla\Support\Directx8\DSetup.dll' 'Corla\Support\Directx8\Italian\dx81.exe'
         'Corla\Support\Directx8\Spanish\dx81.exe' 'ExtraPlug-ins\3DsMax\setup.exe'
         'Bonus\PremiereUpdater\Premiere6.01Setup.exe' 'Bonus\AcrobatReader\Acrobat Reader 5.00.exe'
         'Docs\Manual_Brisa.pdf' 'Docs\Manual_Quarn.pdf')
expected="Disc root: $(windows "$disc")\\"$'\n'$(sed -e '1d' -e '$d' <<<"$plain")
for path in "${missing[@]}" Readme.htm; do
    [ "$path" = Readme.htm ] && mv "$disc/Readme.htm" "$disc/Read me.htm" || rm "$disc/${path//\\//}"
    pattern=$(sed 's/[][\\.*^$/]/\\&/g' <<<"$path")
    expected=$(sed -e "s/^  found    \($pattern\)/  MISSING  \1/" -e "s/-> \($pattern\) found\$/-> \1 MISSING/" <<<"$expected")
done
# Joliet holds names of up to 64 characters: one more is warned about, in a
# folder too, and a name of 64 (in UTF-16, as Joliet counts) is not.
long=$(printf 'Long name %.0s' {1..6})
mkdir -p "$disc/Bonus/Extra"
touch "$disc/Bonus/Extra/${long}é.txt" "$disc/Bonus/Extra/${long}.txt"
expected+="
WARNING: Bonus\\Extra\\${long}é.txt: a name longer than 64 characters, which Joliet, the names Windows reads from a CD, cannot hold.
5 problems:
PROBLEM: Install Zelvora Corla: Corla\\Support\\Directx8\\DSetup.dll is missing (needed for: Windows 2000, DirectX check).
PROBLEM: Install Zelvora Corla: Corla\\Support\\Directx8\\Italian\\dx81.exe is missing (needed for: Windows 2000 in Italian, DirectX 8.1 setup).
PROBLEM: Install Zelvora Corla: Corla\\Support\\Directx8\\Spanish\\dx81.exe is missing (needed for: Windows 2000 in Spanish, DirectX 8.1 setup).
PROBLEM: Install 3ds max plug-in: ExtraPlug-ins\\3DsMax\\setup.exe is missing (the button stays disabled on every machine).
PROBLEM: View Zelvora Velquin Readme: Readme.htm is missing (needed for: English, Italian, Spanish)."
check "$(windows "$disc")"
expect_status 1 "broken disc"
[ "$output" = "$expected" ] || fail "broken disc: the report differs:"$'\n'"$(diff <(echo "$expected") <(echo "$output"))"

# Roots it cannot read, and wrong arguments: status 2 and one sentence.
for arguments in "" "''" "C:\\Disc D:\\Disc" "'C:\\no such disc é'" "'$(windows "$content")\\Splash.exe'" Q:; do
    eval "check $arguments"
    expect_status 2 "DiscCheck $arguments"
    [[ $output =~ ^(Usage: DiscCheck|Cannot read the disc root \").*\.$ ]] && [ "$(wc -l <<<"$output")" = 1 ] ||
        fail "DiscCheck $arguments says: $output"
done

[ "$failures" = 0 ]
