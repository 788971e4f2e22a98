#!/usr/bin/env bash
# Builds the Debian package from build/ (cpack -G DEB) and checks it: its
# library dependencies, its software-centre entry and manual page, and that
# the programs unpacked from it into a scratch root find their data there.
# Usage: ./scripts/package.sh [BUILD_FOLDER]   (default build; the package lands there)
set -euo pipefail
source "$(dirname "$0")/common.sh"
paketleri_kur
wordnet_indir
klasor=${1:-build}
derle "$klasor" "${VELZORA_ANA_DERLEME[@]}"

insa=$VELZORA_KOK/$klasor
(cd "$insa" && cpack -G DEB) | { grep -v '^CPack: - ' || true; }
surum=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$insa/CMakeCache.txt")
paket=$insa/velzora_${surum}_$(dpkg --print-architecture).deb

hata() {
  echo "!! $*" >&2
  exit 1
}

dpkg-deb --field "$paket" Package Version Depends Recommends
dpkg-deb --field "$paket" Depends | grep -q libqt6widgets6 ||
  hata "paketin kütüphane bağımlılıkları hesaplanmamış"
dpkg --contents "$paket"

kok=$(realpath "$(mktemp -d)")
trap 'rm -rf "$kok"' EXIT
dpkg --extract "$paket" "$kok"
appstreamcli validate --no-net "$kok"/usr/share/metainfo/*.metainfo.xml
# The software-centre entry together with the desktop entry it launches.
appstreamcli validate-tree --no-net "$kok"
desktop-file-validate "$kok"/usr/share/applications/*.desktop
uyarilar=$(zcat "$kok/usr/share/man/man1/velzora-cli.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
[ -z "$uyarilar" ] || hata "velzora-cli.1: $uyarilar"

veri=$kok/usr/share/velzora
[ -f "$veri/sablon01.txt" ] && [ -f "$veri/yardim/yardim.htm" ] || hata "pakette şablon ya da yardım yok"
if [ ! -f "$veri/sozluk.txt" ]; then
  echo "== Yerleşik sözlük yok: kurulan programlar denenmedi"
  exit 0
fi
# The installed programs, each with a settings store of its own: the
# command-line tool solves the default template with the built-in
# dictionary, and the desktop program's start-up finds both beside itself.
"$kok/usr/bin/velzora-cli" solve --template "$veri/sablon01.txt" --dict "$veri/sozluk.txt" \
  --seed 1 >/dev/null || hata "kurulan velzora-cli varsayılan şablonu çözemedi"
rapor=$(XDG_CONFIG_HOME=$kok/ayarlar QT_QPA_PLATFORM=offscreen "$kok/usr/bin/velzora" --check) ||
  hata "kurulan velzora başlangıcı tamamlayamadı"
echo "$rapor"
for satir in "Veri klasörü: $veri" "Şablon: $veri/sablon01.txt" "Yardım: $veri/yardim"; do
  grep -qxF "$satir" <<<"$rapor" || hata "beklenen satır yok: $satir"
done
grep -qF "Sözlük: $veri/sozluk.txt (" <<<"$rapor" || hata "kurulan sözlük kullanılmadı"
echo "== Paket: $paket"
