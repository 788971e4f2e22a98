#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
paketleri_kur
wordnet_indir
derle build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $# -eq 0 ]; then
  exec "$VELZORA_KOK/build/bin/velzora-cli" --help
fi
exec "$VELZORA_KOK/build/bin/velzora-cli" "$@"
