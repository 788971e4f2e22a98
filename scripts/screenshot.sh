#!/usr/bin/env bash
# Builds the program, starts it on a virtual display (Xvfb) with a settings
# store of its own, and saves a picture of the screen.
# Usage: ./scripts/screenshot.sh [FILE.png]   (default build/ekran.png)
set -euo pipefail
source "$(dirname "$0")/common.sh"
paketleri_kur imagemagick
derle build "${VELZORA_ANA_DERLEME[@]}"
cikti=$(realpath -m "${1:-$VELZORA_KOK/build/ekran.png}")
ayarlar=$(mktemp -d)
trap 'rm -rf "$ayarlar"' EXIT
XDG_CONFIG_HOME=$ayarlar QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" & program=$!
  sleep 4
  import -window root "$2"
  kill "$program"' _ "$VELZORA_KOK/build/bin/velzora" "$cikti"
echo "== Ekran görüntüsü: $cikti"
