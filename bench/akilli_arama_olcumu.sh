#!/usr/bin/env bash
# The smart search (velzora-cli solve --restarts) on one thread and on two,
# against the exact search and the peer filler Qxw (Debian's qxw, where
# installed), on the same random grids and words: grids of velzora-cli random
# of 11 x 11, 13 x 13 and 15 x 15 at ratio 0.17 and 15 x 15 at 0.25, eight
# seeds each, the built-in dictionary, no repeated words, a time limit per
# run. The fillers take turns on every grid, so a change of machine load
# falls on all of them alike. Prints every run, then per class how many
# runs ended filled (F) or proved unfillable (P) and the median wall time
# (a run that ends neither way counts at its full time).
#
#   bench/akilli_arama_olcumu.sh [BUILD_DIR]
#
# Environment: SURE (seconds per run, 20), TOHUMLAR (grid seeds, "101 ...
# 108"), BOYUTLAR (default "11:0.17 13:0.17 15:0.17 15:0.25"), ISLER (thread
# counts of the smart search, "1 2"), SOZLUK (default: the build's built-in
# dictionary), QXW (default /usr/games/qxw; "yok" skips it), TAM ("yok"
# skips the exact search, for a quick look at the smart one), ESKI_CLI (an
# older velzora-cli whose --restarts runs as one more column, for a
# side-by-side look at an earlier search).
#
# One run at a time: on a shared machine parallel runs would time each other.
#
# Qxw has no Turkish alphabet: the dictionary's letters outside A-Z are mapped
# one-to-one onto the digits of its AZ09 alphabet, and its fills are mapped
# back and checked against the dictionary. Qxw forbids repeated words by
# default, as velzora-cli does without --repeat. Qxw proves nothing: it fills
# or gives up. Its time limit adds the time it takes to load the dictionary,
# which is taken off its time.
set -euo pipefail

KOK=$(cd "$(dirname "$0")/.." && pwd)
YAPI=$(cd "${1:-$KOK/build}" && pwd)
CLI="$YAPI/bin/velzora-cli"
SURE=${SURE:-20}
TOHUMLAR=${TOHUMLAR:-"101 102 103 104 105 106 107 108"}
BOYUTLAR=${BOYUTLAR:-"11:0.17 13:0.17 15:0.17 15:0.25"}
ISLER=${ISLER:-"1 2"}
SOZLUK=${SOZLUK:-$YAPI/share/velzora/sozluk.txt}
QXW=${QXW:-/usr/games/qxw}
ESKI_CLI=${ESKI_CLI:-}
TAM=${TAM:-}

for gerekli in "$CLI" "$SOZLUK"; do
  [ -e "$gerekli" ] || { echo "bulunamadı: $gerekli" >&2; exit 2; }
done
command -v jq >/dev/null || { echo "jq gerekli" >&2; exit 2; }
[ -x "$QXW" ] || QXW=""

GECICI=$(mktemp -d)
trap 'rm -rf "$GECICI"' EXIT
export LC_ALL=C

simdi() { date +%s.%N; }
fark() { echo "$1 $2" | awk '{ printf "%.2f", $2 - $1 }'; }

# --- Qxw's inputs: the dictionary's words with the letters mapped ---
if [ -n "$QXW" ]; then
  # Windows-1254: one byte per letter, so that tr maps them one to one.
  cut -d: -f1 "$SOZLUK" | tr -d '\r' >"$GECICI/kelimeler"
  HARFLER=$(grep -o '[^A-Z]' "$GECICI/kelimeler" | sort -u | tr -d '\n' || true)
  if [ ${#HARFLER} -gt 10 ]; then
    echo "Qxw atlandı: A-Z dışında ${#HARFLER} harf var, AZ09'da 10 yer var" >&2
    QXW=""
  else
    RAKAMLAR=$(printf '0123456789' | head -c ${#HARFLER})
    tr "$HARFLER" "$RAKAMLAR" <"$GECICI/kelimeler" >"$GECICI/qxw_sozluk"
    sort -u "$GECICI/kelimeler" >"$GECICI/kelime_kumesi"
    printf 'a b\n' >"$GECICI/bos.qxd"
    bas=$(simdi)
    "$QXW" -b -a AZ09 -d "$GECICI/qxw_sozluk" "$GECICI/bos.qxd" >/dev/null 2>&1 || true
    QXW_YUKLEME=$(fark "$bas" "$(simdi)")
  fi
fi

# A deck line per slot, its cells named by row and column.
deste_yaz() {
  "$CLI" slots --template "$1" | awk '/^Kesisim/ { exit } NR > 2 && NF == 5 {
      line = ""
      for (p = 0; p < $5; p++) {
        r = $3 + ($2 == "S" ? 0 : p); c = $4 + ($2 == "S" ? p : 0)
        line = line (p ? " " : "") "r" r "c" c
      }
      print line
    }'
}

# Qxw's fill mapped back: every word from the dictionary and none twice.
qxw_dolgusu_gecerli() {
  local dolgu=$1
  [ -s "$dolgu" ] || return 1
  tr "$RAKAMLAR" "$HARFLER" <"$dolgu" >"$dolgu.geri"
  [ "$(sort "$dolgu.geri" | uniq -d | wc -l)" -eq 0 ] || return 1
  [ "$(sort -u "$dolgu.geri" | comm -23 - "$GECICI/kelime_kumesi" | wc -l)" -eq 0 ]
}

# velzora_kos CLI TEMPLATE SEED [options] -> "F|P|- seconds"
velzora_kos() {
  local cli=$1 sablon=$2 tohum=$3
  shift 3
  local bas son cikti sonuc
  bas=$(simdi)
  cikti=$("$cli" solve --template "$sablon" --dict "$SOZLUK" --seed "$tohum" \
    --time-limit "$SURE" --json "$@" 2>/dev/null || true)
  son=$(simdi)
  sonuc=$(jq -r 'if .solved then "F" elif (.outcome // "") == "unfillable"
                 or ((.outcome == null) and (.stopped | not)) then "P" else "-" end' <<<"$cikti")
  echo "$sonuc $(fark "$bas" "$son")"
}

qxw_kos() {  # template -> "F|- seconds"
  local sablon=$1 bas son kod=0 sinir
  deste_yaz "$sablon" >"$GECICI/deste.qxd"
  sinir=$(echo "$SURE $QXW_YUKLEME" | awk '{ print $1 + $2 }')
  bas=$(simdi)
  timeout "$sinir" "$QXW" -b -a AZ09 -d "$GECICI/qxw_sozluk" "$GECICI/deste.qxd" \
    >"$GECICI/qxw_cikti" 2>/dev/null || kod=$?
  son=$(simdi)
  awk '/^W[0-9]+ / { print $2 }' "$GECICI/qxw_cikti" >"$GECICI/qxw_dolgu"
  local sure
  sure=$(echo "$(fark "$bas" "$son") $QXW_YUKLEME" | awk '{ s = $1 - $2; printf "%.2f", s < 0 ? 0 : s }')
  if [ "$kod" -eq 0 ] && qxw_dolgusu_gecerli "$GECICI/qxw_dolgu"; then
    echo "F $sure"
  else
    echo "- $sure"
  fi
}

medyan() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) printf "%.2f", v[(NR + 1) / 2]; else printf "%.2f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

SUTUNLAR=()
[ "$TAM" = yok ] || SUTUNLAR+=(tam)
for is in $ISLER; do SUTUNLAR+=("akilli-$is"); done
[ -n "$ESKI_CLI" ] && SUTUNLAR+=(eski-yeniden)
[ -n "$QXW" ] && SUTUNLAR+=(qxw)

echo "sozluk: $SOZLUK ($(wc -l <"$SOZLUK") satir), sure siniri ${SURE} s, tohumlar: $TOHUMLAR"
echo "yuk: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) islemci"
[ -n "$QXW" ] && echo "qxw: $QXW, sozluk yukleme ${QXW_YUKLEME} s (sureden dusuldu)"
printf '%-10s %5s' boyut tohum
printf '  %-13s' "${SUTUNLAR[@]}"
echo
OZET=()
for boyut in $BOYUTLAR; do
  ebat=${boyut%%:*}
  oran=${boyut##*:}
  for s in "${SUTUNLAR[@]}"; do : >"$GECICI/$s"; done
  for tohum in $TOHUMLAR; do
    sablon="$GECICI/s_${ebat}_${oran}_${tohum}.txt"
    "$CLI" random --rows "$ebat" --cols "$ebat" --ratio "$oran" --seed "$tohum" --out "$sablon"
    satir=$(printf '%-10s %5s' "${ebat}x${ebat}/$oran" "$tohum")
    for s in "${SUTUNLAR[@]}"; do
      case $s in
        tam) sonuc=$(velzora_kos "$CLI" "$sablon" "$tohum") ;;
        akilli-*) sonuc=$(velzora_kos "$CLI" "$sablon" "$tohum" --restarts --threads "${s#akilli-}") ;;
        eski-yeniden) sonuc=$(velzora_kos "$ESKI_CLI" "$sablon" "$tohum" --restarts) ;;
        qxw) sonuc=$(qxw_kos "$sablon") ;;
      esac
      echo "$sonuc" >>"$GECICI/$s"
      satir+=$(printf '  %-13s' "$sonuc")
    done
    echo "$satir"
  done
  satir=$(printf '%-10s' "${ebat}x${ebat}/$oran")
  for s in "${SUTUNLAR[@]}"; do
    f=$(grep -c '^F' "$GECICI/$s" || true)
    p=$(grep -c '^P' "$GECICI/$s" || true)
    satir+=$(printf ' | %dF+%dP/%d %6s s' "$f" "$p" "$(wc -l <"$GECICI/$s")" \
      "$(cut -d' ' -f2 "$GECICI/$s" | medyan)")
  done
  OZET+=("$satir")
done
echo
printf '%-10s' sinif
printf ' | %-19s' "${SUTUNLAR[@]}"
echo
printf '%s\n' "${OZET[@]}"
echo "yuk sonunda: $(cut -d' ' -f1-3 /proc/loadavg)"
