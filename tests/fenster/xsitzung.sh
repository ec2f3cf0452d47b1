# Sourced by the end-to-end scripts: a virtual X display with openbox and the
# real morvane on it, driven with xdotool. Needs $arbeit (the work directory)
# and, for morvane_beenden, the script's own `fehler`. Every process put into
# `pids` ends with the script.

pids=()
aufraeumen() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap aufraeumen EXIT

# Xvfb and openbox; sets DISPLAY.
xsitzung_starten() {
  Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$arbeit/display" 2>"$arbeit/xvfb.log" &
  pids+=($!)
  for _ in $(seq 100); do [ -s "$arbeit/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$arbeit/display")"
  unset WAYLAND_DISPLAY QT_QPA_PLATFORM
  openbox >"$arbeit/openbox.log" 2>&1 &
  pids+=($!)
  sleep 1
}

# morvane_starten PROGRAMM ARGUMENTE...: starts it, waits for its main window
# and gives that the focus; sets $morvane (the process) and $fenster (the
# window).
morvane_starten() {
  "$@" >"$arbeit/morvane.log" 2>&1 &
  morvane=$!
  pids+=($morvane)
  fenster=$(timeout 60 xdotool search --sync --onlyvisible --name '^Morvane 3\.5$' | head -n1)
  xdotool windowactivate --sync "$fenster"
  xdotool windowfocus --sync "$fenster"
  sleep 2
}

# Keys through XTEST, as a keyboard types them, into the focused window.
taste() { xdotool key --delay 50 "$@"; }
bild() { import -window root "$arbeit/$1.png"; }

# Closes morvane through the window manager and checks that it ended cleanly.
morvane_beenden() {
  taste alt+F4
  for _ in $(seq 300); do kill -0 "$morvane" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$morvane" 2>/dev/null && fehler "morvane hat sich nicht beenden lassen"
  wait "$morvane" || fehler "morvane endete mit Fehlercode $?"
}
