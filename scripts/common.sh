# Shared by the scripts of this folder: installs what is missing and
# configures and builds a build folder. Safe to run again.

VELZORA_KOK=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VELZORA_PAKETLER=(
  g++ clang libclang-rt-14-dev cmake ninja-build pkg-config git ca-certificates
  qt6-base-dev qt6-qpa-plugins qt6-translations-l10n libzip-dev libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev libgecode-dev qt6-base-private-dev xvfb xauth xclip fonts-liberation2 jq
  dpkg-dev file appstream desktop-file-utils groff-base
  libhunspell-dev hunspell-tr
  # The sanitizers name functions through llvm-symbolizer; the leak check's
  # suppression of Gecode's own leak matches by function name.
  llvm
)

# The build folder's configuration, the same for every script so that they
# share build/: optimised, and laid out for /usr as the Debian package is.
VELZORA_ANA_DERLEME=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr)

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

# The Turkish WordNet from which the build makes the built-in dictionary:
# fetched with npm into downloads/ (kept out of git) and used only when its
# SHA-512 is the registry's integrity value pinned here. On a fetch failure
# the build goes on without the dictionary; a wrong checksum stops the set-up.
# Debian's npm is installed only when no npm is on the PATH: beside a Node.js
# from elsewhere, which brings its own npm, the Debian package cannot install.
WORDNET_PAKETI=nlptoolkit-wordnet@1.0.7
WORDNET_DOSYASI=nlptoolkit-wordnet-1.0.7.tgz
WORDNET_BUTUNLUK='sha512-FWe9sIBnR5zD5V1h1jQXP7kw/Bqkv62rHObF1HLyrEi3JUzdvUuHg8sKPjDi+TLDOILL7h13yrI9Gtum5/JTGA=='

# butunluk DOSYA: the file's npm integrity value, sha512-<base64>.
butunluk() {
  local onaltili
  onaltili=$(sha512sum "$1" | cut -c1-128)
  printf 'sha512-%s' "$(printf "$(sed 's/../\\x&/g' <<<"$onaltili")" | base64 -w0)"
}

wordnet_indir() {
  local hedef="$VELZORA_KOK/downloads/$WORDNET_DOSYASI"
  if [ -f "$hedef" ] && [ "$(butunluk "$hedef")" = "$WORDNET_BUTUNLUK" ]; then
    return 0
  fi
  if ! command -v npm >/dev/null; then
    yetkili env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    yetkili env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends npm
  fi
  echo "== Türkçe WordNet indiriliyor: $WORDNET_PAKETI"
  local kayit
  if ! kayit=$(npm view "$WORDNET_PAKETI" dist.integrity); then
    echo "!! $WORDNET_PAKETI bilgisi alınamadı; yerleşik sözlük olmadan devam ediliyor." >&2
    return 0
  fi
  if [ "$kayit" != "$WORDNET_BUTUNLUK" ]; then
    echo "!! Kayıttaki sağlama ($kayit) beklenenden ($WORDNET_BUTUNLUK) farklı." >&2
    return 1
  fi
  local gecici
  gecici=$(mktemp -d)
  if ! (cd "$gecici" && npm pack --silent "$WORDNET_PAKETI" >/dev/null); then
    rm -rf "$gecici"
    echo "!! $WORDNET_PAKETI indirilemedi; yerleşik sözlük olmadan devam ediliyor." >&2
    return 0
  fi
  local bulunan
  bulunan=$(butunluk "$gecici/$WORDNET_DOSYASI")
  if [ "$bulunan" != "$WORDNET_BUTUNLUK" ]; then
    rm -rf "$gecici"
    echo "!! İndirilen $WORDNET_DOSYASI bozuk: sağlama $bulunan." >&2
    return 1
  fi
  mkdir -p "$VELZORA_KOK/downloads"
  mv "$gecici/$WORDNET_DOSYASI" "$hedef"
  rm -rf "$gecici"
}

# derle KLASOR [cmake seçenekleri...]
derle() {
  local klasor=$1
  shift
  local hizlandirici=()
  # A developer's rebuilds reuse earlier compilations when ccache is there.
  command -v ccache >/dev/null && hizlandirici=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$VELZORA_KOK" -B "$VELZORA_KOK/$klasor" -G Ninja "${hizlandirici[@]}" "$@"
  cmake --build "$VELZORA_KOK/$klasor"
}
