#!/usr/bin/env bash
# The price update end to end: the real morvane on a copy of the example data
# under Xvfb with openbox, its sources pointing at a page server on 127.0.0.1.
# F4 opens the choice of catalogs, the run fetches the pages, the result lists
# the security whose page is missing; morvane-cli then reads the new prices
# from the security file. Usage: ende_zu_ende_kursaktu.sh MORVANE MORVANE-CLI
# ARBEITSVERZEICHNIS. Exit code 77 (skipped) when a tool is missing.
set -euo pipefail
programm="$1"
cli="$2"
arbeit="$3"
seitenserver="$(cd "$(dirname "$0")/../data/online" && pwd)/kursseiten.py"

for werkzeug in Xvfb openbox xdotool import python3; do
  if ! command -v "$werkzeug" >/dev/null; then
    echo "Übersprungen: $werkzeug ist nicht installiert (tools/pakete.sh)."
    exit 77
  fi
done

rm -rf "$arbeit"
mkdir -p "$arbeit/programm" "$arbeit/seiten"
daten="$arbeit/daten"
"$cli" --programmverzeichnis "$arbeit/programm" beispieldaten "$daten" >/dev/null

source "$(dirname "$0")/xsitzung.sh"
fehler() {
  echo "FEHLER: $*"
  [ -n "${DISPLAY:-}" ] && import -window root "$arbeit/fehler.png" || true
  cat "$arbeit/morvane.log" 2>/dev/null || true
  exit 1
}

python3 "$seitenserver" "$arbeit/seiten" >"$arbeit/port" 2>"$arbeit/seiten.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$arbeit/port" ] && break; sleep 0.1; done
port=$(head -n1 "$arbeit/port")
[ -n "$port" ] || fehler "der Seitenserver meldet keinen Port"

# Pages by ISIN: Apple, Microsoft, Facebook and the S&P 500; Google's is missing.
for isin in US0378331005 US5949181045 US30303M1027 US78378X1072; do
  printf '04.12.2026;30,00;31,00;29,00;30,50\n' >"$arbeit/seiten/$isin.txt"
done

# Quellen35.mvq with the automatic daily sources of shares, funds and indices,
# all reading "<isin>.txt" from the page server; version date 08.12.2026.
python3 - "$arbeit/programm/Quellen35.mvq" "$port" <<'PY'
import datetime, struct, sys
ziel, port = sys.argv[1], sys.argv[2]
skript = ('datensatz\n  datum(format "TT.MM.JJJJ") suche(";")\n'
          '  eröffnung(trennzeichen ";") höchst(trennzeichen ";") tiefst(trennzeichen ";")\n'
          '  schluss\nende\n')
def text(t):
    b = t.encode("cp1252")
    return struct.pack("<H", len(b)) + b
namen = ["Wertpapiere von Onvista [ISIN]", "Fonds außerbörslich von Onvista [ISIN]",
         "Indizes von Onvista [ISIN]"]
daten = b"Morvane 3  Kursquellen\x1a"
daten += struct.pack("<iH", datetime.date(2026, 12, 8).toordinal(), len(namen))
for name in namen:
    daten += bytes([1]) + text(name) + text("") + text("")
    daten += text(f"http://127.0.0.1:{port}/<isin>.txt") + text("") + bytes([1]) + text(skript)
open(ziel, "wb").write(daten)
# The user's own sources: none.
leer = "Morvane 3  persönliche Kursquellen\x1a".encode("cp1252") + struct.pack("<iH", 0, 0)
open(ziel.replace("Quellen35.mvq", "anwender.mvq"), "wb").write(leer)
PY

# With AutoUpdate the online update runs for Google: against this machine only.
printf 'UpdateAdresse=https://127.0.0.1:9/index.txt\n' >"$arbeit/programm/konto.cfg"
chmod 600 "$arbeit/programm/konto.cfg"

xsitzung_starten
morvane_starten "$programm" --programmverzeichnis "$arbeit/programm" --datenverzeichnis "$daten" \
  --ohne-splash

warten() {
  timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n1
}

# F4: "Kursaktualisierung..."; the list has the focus, Space selects the one
# catalog, Return is OK.
taste F4
auswahl=$(warten '^Kursaktualisierung$') || fehler "die Auswahl erscheint nicht"
xdotool windowfocus --sync "$auswahl"
sleep 1
taste space
sleep 1
bild 1-auswahl
taste Return
ergebnis=$(warten '^Ergebnis der Kursaktualisierung$') || fehler "kein Ergebnis der Kursaktualisierung"
sleep 1
bild 2-ergebnis
xdotool windowfocus --sync "$ergebnis"
taste Escape
sleep 1
bild 3-danach
grep -q '/US5949181045.txt' "$arbeit/seiten/anfragen.log" || fehler "keine Anfrage für Microsoft"
grep -q 'Mozilla/5.0' "$arbeit/seiten/anfragen.log" || fehler "ohne Browser-Kennung angefragt"
for name in Microsoft Apple Facebook "SP 500"; do
  "$cli" --programmverzeichnis "$arbeit/programm" kurse "$daten/Beispiele/$name.mv3" \
    --von 04.12.2026 >"$arbeit/kurse.txt" || fehler "morvane-cli kurse $name"
  grep -q "^04.12.2026"$'\t30\t31\t29\t30.5\t' "$arbeit/kurse.txt" || fehler "$name hat den Kurs vom 04.12.2026 nicht: $(cat "$arbeit/kurse.txt")"
done
"$cli" --programmverzeichnis "$arbeit/programm" kurse "$daten/Beispiele/Google.mv3" \
  --von 04.12.2026 >"$arbeit/kurse.txt"
[ ! -s "$arbeit/kurse.txt" ] || fehler "Google hat Kurse, obwohl seine Seite fehlt"

morvane_beenden
echo "Bestanden; Bilder in $arbeit"
