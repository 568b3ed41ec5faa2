#!/usr/bin/env bash
# Starts the real program on the X server in DISPLAY, finds its main window and checks
# what a user sees first: the caption, a menu bar with text, and the drawing surface
# cleared to white. Usage: smoke.sh <program> <folder for the screenshot>
set -euo pipefail
programm=$1
ablage=$2
mkdir -p "$ablage"

"$programm" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

fenster=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orbisto$' | head -n 1)
[ -n "$fenster" ] || { echo "no window captioned Orbisto"; exit 1; }
sleep 2  # first passes and the deferred redraw
kill -0 $pid || { echo "the program ended by itself"; exit 1; }

bild="$ablage/smoke.png"
import -window "$fenster" "$bild"
read -r breite hoehe < <(identify -format '%w %h\n' "$bild")
echo "window $fenster: ${breite}x${hoehe}"

pixel() { convert "$bild" -format "%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]" -crop "1x1+$1+$2" info:; }

# The drawing surface fills the lower right of the window.
for punkt in "$((breite * 65 / 100)) $((hoehe * 55 / 100))" "$((breite * 90 / 100)) $((hoehe * 85 / 100))"; do
    set -- $punkt
    farbe=$(pixel "$1" "$2")
    [ "$farbe" = "255,255,255" ] || { echo "drawing surface at ($1,$2) is $farbe, not white"; exit 1; }
done

# The menu bar carries dark text along the top.
dunkel=$(convert "$bild" -crop "${breite}x18+0+2" -colorspace Gray -threshold 40% -format "%[fx:int(w*h*(1-mean))]" info:)
[ "$dunkel" -gt 50 ] || { echo "no menu text in the top rows ($dunkel dark pixels)"; exit 1; }

echo "smoke test passed"
