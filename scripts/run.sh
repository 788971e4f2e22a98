#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
paketleri_kur
wordnet_indir
derle build "${VELZORA_ANA_DERLEME[@]}"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "velzora bir masaüstü programıdır, ama ekran yok (DISPLAY ve WAYLAND_DISPLAY boş)." >&2
  echo "No display: run this from a desktop session. Without one, ./scripts/screenshot.sh" >&2
  echo "starts the program under Xvfb and saves a picture of it." >&2
  exit 1
fi
exec "$VELZORA_KOK/build/bin/velzora" "$@"
