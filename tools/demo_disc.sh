# Lays out the demo disc: the menu, stand-in installers that "install" by
# writing their uninstall key, Readme files in several languages and manuals;
# its disc image; and the release image, from the 32-bit programs on every
# host. Sourced by ./run after tools/environment.sh.

DEMO_DISC=$BUILD_DIR/demo-disc
DEMO_IMAGE=${BUILD_ROOT:-$BUILD_DIR}/demo/demo-disc.iso
# The menu and the stand-ins a disc is laid out with: the tested target's,
# unless make_release_image says otherwise.
DEMO_MENU=$BUILD_DIR/Splash.exe
DEMO_FIXTURES=$BUILD_DIR/fixtures
# The build whose programs go on the release disc: the 32-bit one, which
# every Windows the disc serves runs, whatever target this host tests.
RELEASE_BUILD=${BUILD_ROOT:-$(dirname "$BUILD_DIR")}/i686

demo_installer() {  # demo_installer <relative path> [behaviour lines...]
    local target=$DEMO_DISC/$1
    mkdir -p "$(dirname "$target")"
    cp "$DEMO_FIXTURES/FakeInstaller.exe" "$target"
    shift
    local base=${target%.*}
    printf '%s\n' sleep=1500 "$@" >"$base.behaviour"
}

demo_page() {  # demo_page <relative path> <language> <title> <text>
    mkdir -p "$(dirname "$DEMO_DISC/$1")"
    cat >"$DEMO_DISC/$1" <<HTML
<!DOCTYPE html>
<html lang="$2"><head><meta charset="utf-8"><title>$3</title></head>
<body style="font-family: sans-serif; background: #0d2433; color: #e8f0f4">
<h1>$3</h1><p>$4</p></body></html>
HTML
}

# The Readme's demo text per file; the disc has none in Italian or Spanish,
# so those languages fall back to the English one.
demo_readme() {  # demo_readme <relative path>
    case ${1##*/} in
    Readme.htm) demo_page "$1" en 'Zelvora Velquin Readme' 'Thank you for choosing Zelvora Velquin.' ;;
    readme.fr.htm) demo_page "$1" fr 'Lisez-moi Zelvora Velquin' 'Merci d’avoir choisi Zelvora Velquin.' ;;
    readme.de.htm) demo_page "$1" de 'Zelvora Velquin – Liesmich' 'Vielen Dank, dass Sie sich für Zelvora Velquin entschieden haben.' ;;
    readme.jp.htm) demo_page "$1" ja 'Zelvora Velquin Readme' 'Zelvora Velquin をお選びいただきありがとうございます。' ;;
    esac
}

# Every file the menu may look for, "path<tab>product code" a line: the
# button table's own list, read through DiscCheck. SPLASH_EMULATOR runs it
# (Wine in the current prefix when unset).
demo_layout() {
    local runner=("${SPLASH_EMULATOR[@]:-$WINE}")
    "${runner[@]}" "$BUILD_DIR/DiscCheck.exe" /layout 2>/dev/null | tr -d '\r'
}

make_demo_disc() {
    local layout path product
    layout=$(demo_layout)
    [ -n "$layout" ] || { echo "DiscCheck /layout listed nothing" >&2; return 1; }
    rm -rf "$DEMO_DISC"
    mkdir -p "$DEMO_DISC"
    cp "$DEMO_MENU" "$DEMO_DISC/Splash.exe"
    printf '%s\r\n' '[autorun]' 'open=Splash.exe' 'icon=Splash.exe,0' 'label=Zelvora Velquin' \
        >"$DEMO_DISC/autorun.inf"

    while IFS=$'\t' read -r path product; do
        path=${path//\\//}
        mkdir -p "$DEMO_DISC/$(dirname "$path")"
        case $path in
        setup.exe) cp "$DEMO_MENU" "$DEMO_DISC/setup.exe" ;;  # the restart starts the menu again
        *.dll)
            cp "$DEMO_FIXTURES/DSetup.dll" "$DEMO_DISC/$path"
            echo 8 >"$DEMO_DISC/$(dirname "$path")/dsetup.version" ;;
        *.exe) demo_installer "$path" ${product:+"uninstall=$product"} ;;
        *.pdf) printf '%%PDF-1.1\n%% Velquin manual: %s\n' "${path##*/}" >"$DEMO_DISC/$path" ;;
        *.htm) demo_readme "$path" ;;
        esac
    done <<<"$layout"
}

make_demo_image() {
    "$SPLASH_ROOT/tools/make_disc_image.sh" "$DEMO_DISC" "$DEMO_IMAGE"
    echo "Disc image: $DEMO_IMAGE"
}

# The release: the 32-bit programs that ship, Splash.exe and DiscCheck.exe
# signed in $RELEASE_BUILD/release (tools/sign_release.sh: with the
# certificate SPLASH_SIGN_PKCS12 names, else unsigned, saying so), laid out on
# the disc in $RELEASE_BUILD/demo-disc with the 32-bit stand-ins, its image
# at DEMO_IMAGE, and every program on that image checked.
make_release_image() {
    local release=$RELEASE_BUILD/release
    rm -rf "$release"
    mkdir -p "$release"
    cp "$RELEASE_BUILD/Splash.exe" "$RELEASE_BUILD/DiscCheck.exe" "$release/"
    "$SPLASH_ROOT/tools/sign_release.sh" "$release/Splash.exe" "$release/DiscCheck.exe"
    DEMO_DISC=$RELEASE_BUILD/demo-disc DEMO_MENU=$release/Splash.exe DEMO_FIXTURES=$RELEASE_BUILD/fixtures make_demo_disc
    DEMO_DISC=$RELEASE_BUILD/demo-disc make_demo_image
    python3 "$SPLASH_ROOT/tools/check_release_image.py" ${SPLASH_SIGN_PKCS12:+--signed} "$DEMO_IMAGE"
}

# DiscCheck on the demo disc, as a disc author runs it before burning: its
# summary, or everything when it finds a problem.
check_demo_disc() {
    local report status=0
    report=$("$WINE" "$BUILD_DIR/DiscCheck.exe" "Z:${DEMO_DISC//\//\\}" 2>/dev/null) || status=$?
    # The menu's desktop must start later, on the display it is shown on.
    wineserver -k 2>/dev/null || true
    if [ "$status" = 0 ]; then
        sed -n '/files looked for/,$p' <<<"$report" | tr -d '\r'
    else
        tr -d '\r' <<<"$report" >&2
    fi
}

# A Velquin Pro system at screen density $1: the plug-ins open up once the
# suite is installed.
demo_machine() {  # <dpi>
    "$WINE" reg add 'HKLM\Software\Zelvora' /v Codec /t REG_DWORD /d 5 /f &&
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f && add_prefix_fonts
}

# The colours of a high-contrast theme (white on black), for the picture of
# the menu in that look.
high_contrast_colours() {
    local entry
    for entry in 'Window=0 0 0' 'WindowText=255 255 255' 'ButtonFace=0 0 0' 'ButtonText=255 255 255' \
        'Hilight=26 235 255' 'HilightText=0 0 0' 'GrayText=63 242 63' 'Background=0 0 0'; do
        "$WINE" reg add 'HKCU\Control Panel\Colors' /v "${entry%%=*}" /d "${entry#*=}" /f || return 1
    done
}

# A prefix of its own with the normal graphics driver, for windows one can
# see; SPLASH_DPI (96 when unset) gives one per screen density, and
# SPLASH_HIGH_CONTRAST=1 one with high-contrast colours.
ensure_demo_prefix() {
    local dpi=${SPLASH_DPI:-96}
    local setup=(demo_machine "$dpi")
    export WINEPREFIX=$BUILD_DIR/wineprefix-demo
    [ "$dpi" = 96 ] || WINEPREFIX=$WINEPREFIX-$dpi
    if [ -n "${SPLASH_HIGH_CONTRAST:-}" ]; then
        WINEPREFIX=$WINEPREFIX-high-contrast
        setup=(demo_high_contrast "$dpi")
    fi
    make_prefix_once "for the demo ($SPLASH_ARCH, $dpi DPI)" "${setup[@]}"
}

demo_high_contrast() {  # <dpi>
    demo_machine "$1" && high_contrast_colours
}
