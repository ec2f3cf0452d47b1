#!/usr/bin/env bash
# The desktop program end to end: starts the real morvane on a copy of the
# example data under Xvfb with openbox, drives it with xdotool, checks
# screenshots and the settings file it writes when closed through the window
# manager. Usage: ende_zu_ende.sh MORVANE MORVANE-CLI ARBEITSVERZEICHNIS
# Exit code 77 (skipped) when Xvfb, openbox, xdotool or ImageMagick is missing.
set -euo pipefail
programm="$1"
cli="$2"
arbeit="$3"

for werkzeug in Xvfb openbox xdotool import convert compare; do
  if ! command -v "$werkzeug" >/dev/null; then
    echo "Übersprungen: $werkzeug ist nicht installiert (tools/pakete.sh)."
    exit 77
  fi
done

rm -rf "$arbeit"
mkdir -p "$arbeit/programm"
daten="$arbeit/daten"
"$cli" --programmverzeichnis "$arbeit/programm" beispieldaten "$daten" >/dev/null

source "$(dirname "$0")/xsitzung.sh"
xsitzung_starten
morvane_starten "$programm" --programmverzeichnis "$arbeit/programm" --datenverzeichnis "$daten" \
  --ohne-splash

fehler() { echo "FEHLER: $*"; cat "$arbeit/morvane.log"; exit 1; }

# How many pixels of the colour (as ImageMagick names it) the region holds.
pixel() {
  local datei="$1" region="$2" farbe="$3" fuzz="${4:-0%}"
  convert "$arbeit/$datei.png" -crop "$region" +repage -fuzz "$fuzz" -fill 'rgb(1,2,3)' -opaque "$farbe" \
    -fuzz 0% -fill black +opaque 'rgb(1,2,3)' -fill white -opaque 'rgb(1,2,3)' \
    -format '%[fx:round(mean*w*h)]' info:
}

# The window's client area on the screen.
eval "$(xdotool getwindowgeometry --shell "$fenster")"
links=$X
oben=$Y
breite=$WIDTH
hoehe=$HEIGHT
# Left panel 169 pixels, the chart right of it below menu and toolbar.
echo "Fenster: $breite x $hoehe bei $links, $oben"
chart="$((breite - 200))x$((hoehe - 120))+$((links + 180))+$((oben + 70))"
panel="170x$((hoehe + 40))+$links+$((oben - 40))"

bild 1-start
rot=$(pixel 1-start "$chart" 'rgb(255,0,0)')
gruen=$(pixel 1-start "$chart" 'rgb(0,128,0)')
schwarz=$(pixel 1-start "$chart" 'rgb(0,0,0)')
echo "Start: rot $rot, grün $gruen, schwarz $schwarz"
[ "$rot" -gt 200 ] || fehler "keine roten Umsatzbalken im Chart"
[ "$gruen" -gt 200 ] || fehler "keine grünen Umsatzbalken im Chart"
[ "$schwarz" -gt 1000 ] || fehler "kein Rahmen und keine Kerzen im Chart"
# The lists: a highlighted catalog row and a highlighted security row, and the
# text of the five securities.
markiert=$(pixel 1-start "$panel" 'rgb(48,140,198)' 12%)
text=$(pixel 1-start "$panel" 'rgb(0,0,0)' 25%)
echo "Listen: markiert $markiert, Text $text"
[ "$markiert" -gt 3000 ] || fehler "keine markierten Zeilen in den Listen"
[ "$text" -gt 300 ] || fehler "keine Einträge in den Listen"

unterschied() {
  compare -metric AE "$arbeit/$1.png" "$arbeit/$2.png" null: 2>&1 || true
}

taste Down
sleep 2
bild 2-runter
[ "$(unterschied 1-start 2-runter)" -gt 1000 ] || fehler "Runter hat den Chart nicht geändert"
taste Home
sleep 1
bild 3-anfang
[ "$(unterschied 2-runter 3-anfang)" -gt 1000 ] || fehler "Pos1 hat den Chart nicht verschoben"
taste End
sleep 1
bild 4-ende
[ "$(unterschied 3-anfang 4-ende)" -gt 1000 ] || fehler "Ende hat den Chart nicht verschoben"
# Template 1 through its menu item, which shares the button's handler: a line
# chart has no candle bodies.
taste alt+a
sleep 1
taste 1
sleep 2
bild 5-vorlage1
[ "$(unterschied 4-ende 5-vorlage1)" -gt 1000 ] || fehler "Vorlage 1 hat den Chart nicht geändert"

morvane_beenden
cfg="$arbeit/programm/morvane.cfg"
[ -f "$cfg" ] || fehler "keine Einstellungsdatei geschrieben"
grep -aq "$daten/Beispiele/Facebook.mv3" "$cfg" || fehler "die Auswahl Facebook fehlt in $cfg"
echo "Bestanden; Bilder in $arbeit"
