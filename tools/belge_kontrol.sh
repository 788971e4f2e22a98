#!/usr/bin/env bash
# Renders a puzzle document (.docx) the way a reader sees it: LibreOffice
# converts it to PDF headless, poppler turns each page into a PNG. Checks that
# the page is A4 and shows the title and both clue headings.
#
#   tools/belge_kontrol.sh BELGE.docx [ÇIKTI_KLASÖRÜ]
#
# Exits 77 (skipped) where LibreOffice or poppler-utils is not installed;
# neither is needed to build or test the program.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "kullanım: $0 BELGE.docx [ÇIKTI_KLASÖRÜ]" >&2
  exit 2
fi
belge=$1
cikti=${2:-$(dirname "$belge")}

for arac in soffice pdftoppm pdftotext pdfinfo; do
  if ! command -v "$arac" >/dev/null; then
    echo "== $arac yok: belge görüntüsü denetlenmedi (libreoffice-writer-nogui, poppler-utils)"
    exit 77
  fi
done
[ -f "$belge" ] || { echo "belge yok: $belge" >&2; exit 1; }
mkdir -p "$cikti"

# A profile of its own, so that runs never meet a running LibreOffice.
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT
ad=$(basename "${belge%.*}")
timeout 120 soffice -env:UserInstallation="file://$profil" --headless \
  --convert-to pdf --outdir "$cikti" "$belge" >"$profil/soffice.log" 2>&1 || {
  cat "$profil/soffice.log" >&2
  echo "LibreOffice belgeyi PDF'e çeviremedi" >&2
  exit 1
}
pdf="$cikti/$ad.pdf"
[ -s "$pdf" ] || { echo "PDF oluşmadı: $pdf" >&2; exit 1; }

hata=0
boyut=$(pdfinfo "$pdf" | sed -n 's/^Page size: *\([0-9.]*\) x \([0-9.]*\) pts.*/\1 \2/p')
# A4 portrait is 595.3 x 841.9 points.
if ! awk -v b="$boyut" 'BEGIN { split(b, k, " "); exit !(k[1] > 594 && k[1] < 597 && k[2] > 840 && k[2] < 843) }'; then
  echo "sayfa A4 dikey değil: $boyut" >&2
  hata=1
fi
metin=$(pdftotext -layout "$pdf" -)
for aranan in "KARE BULMACA" "SOLDAN SAĞA" "YUKARIDAN AŞAĞI"; do
  if ! grep -qF "$aranan" <<<"$metin"; then
    echo "PDF'de \"$aranan\" yok" >&2
    hata=1
  fi
done

rm -f "$cikti/$ad"-*.png
pdftoppm -png -r 70 "$pdf" "$cikti/$ad"
echo "== $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') sayfa: $cikti/$ad-*.png"
exit $hata
