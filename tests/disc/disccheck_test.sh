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
# The whole report, file by file, with the language of each file that has one.
expected=$(cat <<'REPORT'
Install Zelvora Corla
  found    Corla\setup.exe
  found    Corla\Support\Directx8\DSetup.dll                   (Windows 2000, DirectX check)
  found    Corla\Support\Directx8\english\dx81.exe             (Windows 2000 in English, DirectX 8.1 setup)
  found    Corla\Support\Directx8\French\dx81.exe              (Windows 2000 in French, DirectX 8.1 setup)
  found    Corla\Support\Directx8\German\dx81.exe              (Windows 2000 in German, DirectX 8.1 setup)
  found    Corla\Support\Directx8\Italian\dx81.exe             (Windows 2000 in Italian, DirectX 8.1 setup)
  found    Corla\Support\Directx8\Spanish\dx81.exe             (Windows 2000 in Spanish, DirectX 8.1 setup)
  found    Corla\Support\Directx8\Japanese\dx81.exe            (Windows 2000 in Japanese, DirectX 8.1 setup)
  found    setup.exe                                           (Windows 2000, restart after DirectX)

Install Premiere 6.01 updater (a hidden button: never counts as a problem)
  found    Bonus\PremiereUpdater\Premiere6.01Setup.exe
  found    Bonus\PremiereUpdater\FRENCH\Premiere6.01SetupFRN.exe (Premiere in French)
  found    Bonus\PremiereUpdater\German\Premiere6.01SetupGER.exe (Premiere in German)
  found    Bonus\PremiereUpdater\Japanese\Premiere6.01SetupJPN.exe (Premiere in Japanese)

Install Adobe After Effects plug-in
  found    ExtraPlug-ins\AfterEffects\setup.exe

Install 3ds max plug-in
  found    ExtraPlug-ins\3DsMax\setup.exe

Install Pixélan SpiceMaster demo
  found    Bonus\Pixelan\spicemaster2zelvorademo.exe

Install Adobe Acrobat Reader (a hidden button: never counts as a problem)
  found    Bonus\AcrobatReader\Acrobat Reader 5.00.exe

View Zelvora Velquin manual (a hidden button: never counts as a problem)
  found    Docs\Manual_Brisa.pdf -> Docs\Manual_Quarn.pdf found

View Zelvora Velquin Readme
  found    Readme.htm                                          (English)
  found    Readme\readme.fr.htm                                (French) -> Readme.htm found
  found    Readme\readme.de.htm                                (German) -> Readme.htm found
  MISSING  Readme\readme.it.htm                                (Italian) -> Readme.htm found
  MISSING  Readme\readme.es.htm                                (Spanish) -> Readme.htm found
  found    Readme\readme.jp.htm                                (Japanese) -> Readme.htm found

Install Zelvora Velquin wallpapers
  found    Bonus\DesktopWallpapers\setup.exe

Install Zelvora VFW software codecs
  found    Bonus\VFWSoftwareCodecs\setup.exe

Install LightWave 3D plug-in
  found    ExtraPlug-ins\LightWave\setup.exe

Install Zelvora Effect add-ons
  found    ExtraPlug-ins\Effects\Setup.exe

34 files looked for, for 12 buttons.
No problems: every button the menu shows finds its files.
REPORT
)
[ "$(tail -n +3 <<<"$output")" = "$expected" ] ||
    fail "demo disc: the report differs:"$'\n'"$(diff <(echo "$expected") <(tail -n +3 <<<"$output"))"

# What the demo disc is laid out from: every file, and a product code only on
# the file whose installation the button's state follows.
expected=$(printf '%s\n' 'Corla\setup.exe	{5FDD4E6F-84E5-4E1A-AC16-F471369201A1}' 'Corla\Support\Directx8\DSetup.dll	' \
    'Corla\Support\Directx8\'{english,French,German,Italian,Spanish,Japanese}'\dx81.exe	' 'setup.exe	' \
    'Bonus\PremiereUpdater\Premiere6.01Setup.exe	' 'Bonus\PremiereUpdater\FRENCH\Premiere6.01SetupFRN.exe	' \
    'Bonus\PremiereUpdater\German\Premiere6.01SetupGER.exe	' 'Bonus\PremiereUpdater\Japanese\Premiere6.01SetupJPN.exe	' \
    'ExtraPlug-ins\AfterEffects\setup.exe	{6FBC8FFB-23FB-464C-8657-24F57CB520A5}' \
    'ExtraPlug-ins\3DsMax\setup.exe	{7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}' 'Bonus\Pixelan\spicemaster2zelvorademo.exe	' \
    'Bonus\AcrobatReader\Acrobat Reader 5.00.exe	' 'Docs\Manual_Brisa.pdf	' 'Docs\Manual_Quarn.pdf	' 'Readme.htm	' \
    'Readme\readme.'{fr,de,it,es,jp}'.htm	' 'Bonus\DesktopWallpapers\setup.exe	{5F683762-A1AE-4043-9BED-E8443F625D9B}' \
    'Bonus\VFWSoftwareCodecs\setup.exe	{c8ba4e9d-9f8e-4cc3-9d78-ff0f5ee5a4ac}' \
    'ExtraPlug-ins\LightWave\setup.exe	{9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}' 'ExtraPlug-ins\Effects\Setup.exe	')
check /layout
[ "$output" = "$expected" ] || fail "the demo disc's layout differs:"$'\n'"$(diff <(echo "$expected") <(echo "$output"))"

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
