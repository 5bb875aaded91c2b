# Runs on a virtual display: starts the menu, points at the suite button so
# the description area has something to say, and saves a screenshot.
# Usage: screenshot.sh <Splash.exe> <png>
set -u
"${WINE:-wine}" "$1" &
window=
for _ in $(seq 1 150); do
    window=$(xdotool search --name '^Zelvora Velquin$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
if [ -n "$window" ]; then
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The suite button lies at about 56% across and 44% down the menu.
    xdotool mousemove $((X + WIDTH * 56 / 100)) $((Y + HEIGHT * 44 / 100))
    sleep 1.5
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$2"
fi
wineserver -k
