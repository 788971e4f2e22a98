#!/usr/bin/env bash
# Renders puzzle documents the way a reader sees them: LibreOffice converts
# each .docx or .dotx to PDF headless, poppler turns every page of it and of
# each given .pdf into a PNG. Checks that every page is A4, that the title
# and both clue headings are there, and that no word lies off its page or
# on top of another word.
#
#   tools/belge_kontrol.sh BELGE.docx|BELGE.pdf...
#
# The PNGs go beside each PDF; LibreOffice's PDFs go into lo/ beside the
# first document. Exits 77
# (skipped) where LibreOffice or poppler-utils is not installed; neither is
# needed to build or test the program.
set -euo pipefail

if [ $# -lt 1 ]; then
  echo "kullanım: $0 BELGE.docx|BELGE.pdf..." >&2
  exit 2
fi
for arac in soffice pdftoppm pdftotext pdfinfo; do
  if ! command -v "$arac" >/dev/null; then
    echo "== $arac yok: belge görüntüsü denetlenmedi (libreoffice-writer-nogui, poppler-utils)"
    exit 77
  fi
done

# A profile of its own, so that runs never meet a running LibreOffice.
profil=$(mktemp -d)
trap 'rm -rf "$profil"' EXIT

# Words as "page x0 y0 x1 y1 page-width page-height", one a line.
kelimeler() {
  pdftotext -bbox "$1" - | awk '
    /<page / { s++; match($0, /width="[0-9.]+"/); w = substr($0, RSTART + 7, RLENGTH - 8)
               match($0, /height="[0-9.]+"/); h = substr($0, RSTART + 8, RLENGTH - 9) }
    /<word / { n = split($0, a, "\""); print s, a[2], a[4], a[6], a[8], w, h }'
}

# Off the page, or covering more than a third of another word on its page.
yerlesim_hatalari() {
  kelimeler "$1" | awk '
    { if ($2 < 0 || $3 < 0 || $4 > $6 || $5 > $7) { print "sayfa " $1 " dışında: " $0; next }
      s[NR] = $1; x0[NR] = $2; y0[NR] = $3; x1[NR] = $4; y1[NR] = $5 }
    END {
      for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR && s[j] == s[i]; j++) {
        w = (x1[i] < x1[j] ? x1[i] : x1[j]) - (x0[i] > x0[j] ? x0[i] : x0[j])
        h = (y1[i] < y1[j] ? y1[i] : y1[j]) - (y0[i] > y0[j] ? y0[i] : y0[j])
        if (w <= 0 || h <= 0) continue
        a = (x1[i] - x0[i]) * (y1[i] - y0[i]); b = (x1[j] - x0[j]) * (y1[j] - y0[j])
        if (w * h > (a < b ? a : b) / 3) { print "sayfa " s[i] ": üst üste kelimeler"; exit }
      }
    }'
}

denetle() {
  local pdf=$1 hata=0
  # A4 in either orientation: 595.3 x 841.9 points.
  if pdfinfo -l 9999 "$pdf" | awk '/^Page +[0-9]+ size:/ {
        a = $4; b = $6; if (a > b) { t = a; a = b; b = t }
        if (a < 594 || a > 597 || b < 840 || b > 843) bad = 1 } END { exit !bad }'; then
    echo "$pdf: A4 olmayan sayfa var" >&2
    hata=1
  fi
  local metin
  metin=$(pdftotext "$pdf" -)
  for aranan in "KARE BULMACA" "SOLDAN SAĞA" "YUKARIDAN AŞAĞI"; do
    if ! grep -qF "$aranan" <<<"$metin"; then
      echo "$pdf: \"$aranan\" yok" >&2
      hata=1
    fi
  done
  local yerlesim
  yerlesim=$(yerlesim_hatalari "$pdf")
  if [ -n "$yerlesim" ]; then
    echo "$pdf: $yerlesim" >&2
    hata=1
  fi
  local ad=${pdf%.pdf}
  rm -f "$ad"-*.png
  pdftoppm -png -r 70 "$pdf" "$ad"
  echo "== $(pdfinfo "$pdf" | sed -n 's/^Pages: *//p') sayfa: $ad-*.png"
  return $hata
}

hata=0
belgeler=()
pdfler=()
for belge in "$@"; do
  if [ ! -f "$belge" ]; then
    echo "belge yok: $belge" >&2
    hata=1
  elif [[ $belge == *.pdf ]]; then
    pdfler+=("$belge")
  else
    belgeler+=("$belge")
  fi
done

# One LibreOffice run converts every document.
if [ ${#belgeler[@]} -gt 0 ]; then
  lo=$(dirname "${belgeler[0]}")/lo
  mkdir -p "$lo"
  if ! timeout 1200 soffice -env:UserInstallation="file://$profil" --headless \
    --convert-to pdf --outdir "$lo" "${belgeler[@]}" >"$profil/soffice.log" 2>&1; then
    cat "$profil/soffice.log" >&2
    echo "LibreOffice belgeleri PDF'e çeviremedi" >&2
    exit 1
  fi
  for belge in "${belgeler[@]}"; do
    ad=$(basename "${belge%.*}")
    if [ -s "$lo/$ad.pdf" ]; then
      pdfler+=("$lo/$ad.pdf")
    else
      echo "PDF oluşmadı: $lo/$ad.pdf" >&2
      hata=1
    fi
  done
fi
for pdf in "${pdfler[@]}"; do
  denetle "$pdf" || hata=1
done
exit $hata
