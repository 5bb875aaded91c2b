# Lays out the demo disc: the menu, stand-in installers that "install" by
# writing their uninstall key, Readme files in several languages and manuals.
# Sourced by ./run after tools/environment.sh.

DEMO_DISC=$BUILD_DIR/demo-disc

demo_installer() {  # demo_installer <relative path> [behaviour lines...]
    local target=$DEMO_DISC/$1
    mkdir -p "$(dirname "$target")"
    cp "$BUILD_DIR/fixtures/FakeInstaller.exe" "$target"
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

make_demo_disc() {
    rm -rf "$DEMO_DISC"
    mkdir -p "$DEMO_DISC"
    cp "$BUILD_DIR/Splash.exe" "$DEMO_DISC/Splash.exe"
    cp "$BUILD_DIR/Splash.exe" "$DEMO_DISC/setup.exe"

    demo_installer 'Corla/setup.exe' 'uninstall={5FDD4E6F-84E5-4E1A-AC16-F471369201A1}'
    mkdir -p "$DEMO_DISC/Corla/Support/Directx8/english"
    cp "$BUILD_DIR/fixtures/DSetup.dll" "$DEMO_DISC/Corla/Support/Directx8/"
    echo 8 >"$DEMO_DISC/Corla/Support/Directx8/dsetup.version"
    demo_installer 'Corla/Support/Directx8/english/dx81.exe'
    demo_installer 'ExtraPlug-ins/AfterEffects/setup.exe' 'uninstall={6FBC8FFB-23FB-464C-8657-24F57CB520A5}'
    demo_installer 'ExtraPlug-ins/3DSMax/setup.exe' 'uninstall={7A2BAC23-BC7C-4A7C-8A63-8CCE51A607B3}'
    demo_installer 'ExtraPlug-ins/Lightwave/setup.exe' 'uninstall={9E2C41A7-3B5D-4F80-B6C2-1D7E8A94F305}'
    demo_installer 'ExtraPlug-ins/Effects/Setup.exe'
    demo_installer 'Bonus/DesktopWallpapers/setup.exe' 'uninstall={5F683762-A1AE-4043-9BED-E8443F625D9B}'
    demo_installer 'Bonus/VFWSoftwareCodecs/setup.exe' 'uninstall={c8ba4e9d-9f8e-4cc3-9d78-ff0f5ee5a4ac}'
    demo_installer 'Bonus/Pixelan/spicemaster2zelvorademo.exe'
    demo_installer 'Bonus/AcrobatReader/Acrobat Reader 5.00.exe'
    demo_installer 'Bonus/PremiereUpdater/Premiere6.01Setup.exe'

    mkdir -p "$DEMO_DISC/Docs"
    printf '%%PDF-1.1\n%% Velquin Lite manual\n' >"$DEMO_DISC/Docs/Manual_Brisa.pdf"
    printf '%%PDF-1.1\n%% Velquin Pro manual\n' >"$DEMO_DISC/Docs/Manual_Quarn.pdf"

    demo_page 'Readme.htm' en 'Zelvora Velquin Readme' 'Thank you for choosing Zelvora Velquin.'
    demo_page 'Readme/readme.fr.htm' fr 'Lisez-moi Zelvora Velquin' 'Merci d’avoir choisi Zelvora Velquin.'
    demo_page 'Readme/readme.de.htm' de 'Zelvora Velquin – Liesmich' 'Vielen Dank, dass Sie sich für Zelvora Velquin entschieden haben.'
    demo_page 'Readme/readme.jp.htm' ja 'Zelvora Velquin Readme' 'Zelvora Velquin をお選びいただきありがとうございます。'
}

# A Velquin Pro system at screen density $1: the plug-ins open up once the
# suite is installed.
demo_machine() {  # <dpi>
    "$WINE" reg add 'HKLM\Software\Zelvora' /v Codec /t REG_DWORD /d 5 /f &&
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f && add_prefix_fonts
}

# A prefix of its own with the normal graphics driver, for windows one can
# see; SPLASH_DPI (96 when unset) gives one per screen density.
ensure_demo_prefix() {
    local dpi=${SPLASH_DPI:-96}
    export WINEPREFIX=$BUILD_DIR/wineprefix-demo
    [ "$dpi" = 96 ] || WINEPREFIX=$BUILD_DIR/wineprefix-demo-$dpi
    make_prefix_once "for the demo ($SPLASH_ARCH, $dpi DPI)" demo_machine "$dpi"
}
