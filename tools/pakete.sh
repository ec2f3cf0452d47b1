#!/usr/bin/env bash
# Installs the Debian packages the build needs, when some are missing.
set -euo pipefail
PAKETE=(build-essential cmake ninja-build ccache pkg-config qt6-base-dev qt6-svg-dev libgtest-dev
  libgmock-dev libbenchmark-dev libssl-dev clang libclang-rt-14-dev fontconfig fonts-liberation2
  xvfb xauth x11-utils x11-apps imagemagick poppler-utils desktop-file-utils qt6-translations-l10n
  openbox xdotool nginx-light tinyproxy)

fehlend=()
for p in "${PAKETE[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${fehlend[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
