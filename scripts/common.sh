# Shared by scripts/run.sh and scripts/test.sh: installs what is missing and
# configures and builds a build folder. Safe to run again.

VELZORA_KOK=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VELZORA_PAKETLER=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config git ca-certificates
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libzip-dev libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xclip fonts-liberation2 npm
)

yetkili() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# paketleri_kur [ek paketler...]
paketleri_kur() {
  local eksik=()
  local p
  for p in "${VELZORA_PAKETLER[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || eksik+=("$p")
  done
  if [ ${#eksik[@]} -gt 0 ]; then
    echo "== Eksik paketler kuruluyor: ${eksik[*]}"
    yetkili env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    yetkili env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${eksik[@]}"
  fi
}

# derle KLASOR [cmake seçenekleri...]
derle() {
  local klasor=$1
  shift
  cmake -S "$VELZORA_KOK" -B "$VELZORA_KOK/$klasor" -G Ninja "$@"
  cmake --build "$VELZORA_KOK/$klasor"
}
