#!/usr/bin/env bash
# Starts Morvane of the build directory given as first argument (default
# build/) on the shipped example data. The example data directory
# beispiel-daten/ (not tracked) is created once, with a settings file that
# points at its data; later runs reuse both. Without a display the example
# data is shown with the command-line front end instead.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cli="$build/app/morvane-cli"
programm="$build/app/morvane"
ziel="$PWD/beispiel-daten"
daten="$ziel/daten"
if [ ! -d "$daten/Beispiele" ]; then
  mkdir -p "$ziel"
  echo "Lege die Beispieldaten in $daten an ..." >&2
  "$cli" --programmverzeichnis "$ziel" beispieldaten "$daten" >/dev/null
fi
# The security templates belong in the program directory; a newer build
# brings newer ones.
if [ -f "$build/app/Werte35.mvw" ]; then
  cp -u "$build/app/Werte35.mvw" "$ziel/"
fi
# So do the shipped price sources; the user's own file is never replaced.
if [ -f "$build/app/Quellen35.mvq" ]; then
  cp -u "$build/app/Quellen35.mvq" "$ziel/"
  cp -n "$build/app/anwender.mvq" "$ziel/"
fi
if [ -x "$programm" ]; then
  if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    aufruf=("$programm" --programmverzeichnis "$ziel")
    [ -f "$ziel/morvane.cfg" ] || aufruf+=(--datenverzeichnis "$daten")
    exec "${aufruf[@]}"
  fi
  echo "Keine grafische Oberfläche gefunden (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); hier die Beispieldaten auf der Kommandozeile:"
fi
aufruf=("$cli" --programmverzeichnis "$ziel" --datenverzeichnis "$daten")
datum=11.05.2018
echo "Depotübersicht am $datum (Katalog Beispiele):"
"${aufruf[@]}" liste depot-uebersicht --kataloge Beispiele --datum "$datum"
if "${aufruf[@]}" --help | grep -q '^  signale '; then
  echo
  echo "Signale für Apple am $datum:"
  "${aufruf[@]}" signale "$daten/Beispiele/Apple.mv3" "$datum"
fi
if "${aufruf[@]}" --help | grep -q '^  chart '; then
  bild="$ziel/Apple-Chart.png"
  "${aufruf[@]}" chart "$daten/Beispiele/Apple.mv3" --ausgabe "$bild" --vorlage 1 --typ 3 \
    --bis "$datum" --indikatoren 1:0,3:0
  echo
  echo "Chart für Apple mit RSI, RTI, Indikator-Balken und Infobereich: $bild"
fi
