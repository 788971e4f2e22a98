#!/usr/bin/env bash
# The restart search against the exact search, and against the peer filler
# Qxw where Debian's qxw is installed: random grids of velzora-cli random
# (seeds 1 to 10) of 11 x 11, 13 x 13 and 15 x 15 at ratio 0.17 and 15 x 15
# at ratio 0.25, the same dictionary for all, a time limit per run. Prints
# every run, then per size the filled count and the median wall time of each
# filler (a run that fills nothing counts at its full time).
#
#   bench/yeniden_baslatma_olcumu.sh [BUILD_DIR]
#
# Environment: SURE (seconds per run, 20), TOHUMLAR (grid seeds, "1 ... 10"),
# SOZLUK (default: the build's built-in dictionary), TABAN (restart base;
# empty: the program's default), BUDAMASIZ (non-empty: the restart search
# without its pruning, --no-prune), QXW (default /usr/games/qxw; "yok" skips it),
# BOYUTLAR (default "11:0.17 13:0.17 15:0.17 15:0.25").
#
# One run at a time: on a shared machine parallel runs would time each other.
#
# Qxw has no Turkish alphabet: the dictionary's letters outside A-Z are mapped
# one-to-one onto the digits of its AZ09 alphabet, and its fills are mapped
# back and checked against the dictionary. Qxw's default forbids repeated
# words, as velzora-cli does without --repeat. Its time limit adds the time it
# takes to load the dictionary, which velzora-cli's --time-limit leaves out.
set -euo pipefail

KOK=$(cd "$(dirname "$0")/.." && pwd)
YAPI=$(cd "${1:-$KOK/build}" && pwd)
CLI="$YAPI/bin/velzora-cli"
SURE=${SURE:-20}
TOHUMLAR=${TOHUMLAR:-"1 2 3 4 5 6 7 8 9 10"}
SOZLUK=${SOZLUK:-$YAPI/share/velzora/sozluk.txt}
QXW=${QXW:-/usr/games/qxw}
BOYUTLAR=${BOYUTLAR:-"11:0.17 13:0.17 15:0.17 15:0.25"}
YENIDEN_SECENEKLERI=()
[ -n "${TABAN:-}" ] && YENIDEN_SECENEKLERI=(--restart-base "$TABAN")
[ -n "${BUDAMASIZ:-}" ] && YENIDEN_SECENEKLERI+=(--no-prune)

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
  cut -d: -f1 "$SOZLUK" | tr -d '\r' >"$GECICI/kelimeler"
  ozel=$(grep -o '[^A-Z]' "$GECICI/kelimeler" | sort -u | tr -d '\n' || true)
  if [ ${#ozel} -gt 10 ]; then
    echo "Qxw atlandı: A-Z dışında ${#ozel} harf var, AZ09'da 10 yer var" >&2
    QXW=""
  else
    HARFLER="$ozel"
    RAKAMLAR=$(printf '0123456789' | head -c ${#ozel})
    if [ -n "$HARFLER" ]; then
      tr "$HARFLER" "$RAKAMLAR" <"$GECICI/kelimeler" >"$GECICI/qxw_sozluk"
    else
      cp "$GECICI/kelimeler" "$GECICI/qxw_sozluk"
    fi
    sort -u "$GECICI/kelimeler" >"$GECICI/kelime_kumesi"
    # Loading the dictionary counts against Qxw's wall time; give it back.
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
  if [ -n "$HARFLER" ]; then
    tr "$RAKAMLAR" "$HARFLER" <"$dolgu" >"$dolgu.geri"
  else
    cp "$dolgu" "$dolgu.geri"
  fi
  [ "$(sort "$dolgu.geri" | uniq -d | wc -l)" -eq 0 ] || return 1
  [ "$(sort -u "$dolgu.geri" | comm -23 - "$GECICI/kelime_kumesi" | wc -l)" -eq 0 ]
}

velzora_kos() {  # template, seed, extra options... -> "filled seconds rounds"
  local sablon=$1 tohum=$2
  shift 2
  local bas son cikti
  bas=$(simdi)
  cikti=$("$CLI" solve --template "$sablon" --dict "$SOZLUK" --seed "$tohum" \
    --time-limit "$SURE" --json "$@" 2>/dev/null || true)
  son=$(simdi)
  printf '%s %s %s\n' "$(jq -r '.solved' <<<"$cikti")" "$(fark "$bas" "$son")" \
    "$(jq -r '.stats.rounds' <<<"$cikti")"
}

qxw_kos() {  # template -> "filled seconds"
  local sablon=$1 bas son kod=0 sinir
  deste_yaz "$sablon" >"$GECICI/deste.qxd"
  sinir=$(echo "$SURE $QXW_YUKLEME" | awk '{ print $1 + $2 }')
  bas=$(simdi)
  timeout "$sinir" "$QXW" -b -a AZ09 -d "$GECICI/qxw_sozluk" "$GECICI/deste.qxd" \
    >"$GECICI/qxw_cikti" 2>/dev/null || kod=$?
  son=$(simdi)
  awk '/^W[0-9]+ / { print $2 }' "$GECICI/qxw_cikti" >"$GECICI/qxw_dolgu"
  if [ "$kod" -eq 0 ] && qxw_dolgusu_gecerli "$GECICI/qxw_dolgu"; then
    echo "true $(fark "$bas" "$son")"
  else
    echo "false $(fark "$bas" "$son")"
  fi
}

medyan() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) printf "%.2f", v[(NR + 1) / 2]; else printf "%.2f", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "sozluk: $SOZLUK ($(wc -l <"$SOZLUK") satir), sure siniri ${SURE} s, taban ${TABAN:-varsayilan}${BUDAMASIZ:+, budamasiz}"
[ -n "$QXW" ] && echo "qxw: $QXW, sozluk yukleme ${QXW_YUKLEME} s" || echo "qxw: yok"
printf '%-10s %5s  %-14s %-22s %-14s\n' boyut tohum "tam arama" "yeniden (tur)" qxw
OZET=()
for boyut in $BOYUTLAR; do
  ebat=${boyut%%:*}
  oran=${boyut##*:}
  : >"$GECICI/tam" && : >"$GECICI/yeniden" && : >"$GECICI/qxw"
  for tohum in $TOHUMLAR; do
    sablon="$GECICI/s_${ebat}_${oran}_${tohum}.txt"
    "$CLI" random --rows "$ebat" --cols "$ebat" --ratio "$oran" --seed "$tohum" --out "$sablon"
    read -r t_dolu t_sure _ < <(velzora_kos "$sablon" "$tohum")
    read -r y_dolu y_sure y_tur < <(velzora_kos "$sablon" "$tohum" --restarts "${YENIDEN_SECENEKLERI[@]}")
    echo "$t_dolu $t_sure" >>"$GECICI/tam"
    echo "$y_dolu $y_sure" >>"$GECICI/yeniden"
    q_metin="-"
    if [ -n "$QXW" ]; then
      read -r q_dolu q_sure < <(qxw_kos "$sablon")
      echo "$q_dolu $q_sure" >>"$GECICI/qxw"
      q_metin="$q_dolu $q_sure"
    fi
    printf '%-10s %5s  %-14s %-22s %-14s\n' "${ebat}x${ebat}/$oran" "$tohum" "$t_dolu $t_sure" \
      "$y_dolu $y_sure ($y_tur)" "$q_metin"
  done
  satir=$(printf '%-10s' "${ebat}x${ebat}/$oran")
  for f in tam yeniden qxw; do
    if [ -s "$GECICI/$f" ]; then
      dolu=$(grep -c '^true' "$GECICI/$f" || true)
      toplam=$(wc -l <"$GECICI/$f")
      satir+=$(printf ' | %2d/%-2d %6s s' "$dolu" "$toplam" "$(cut -d' ' -f2 "$GECICI/$f" | medyan)")
    else
      satir+=$(printf ' | %12s' -)
    fi
  done
  OZET+=("$satir")
done
echo
printf '%-10s | %-14s | %-14s | %-14s\n' boyut "tam arama" "yeniden" qxw
printf '%-10s | %-14s | %-14s | %-14s\n' "" "dolu  medyan" "dolu  medyan" "dolu  medyan"
printf '%s\n' "${OZET[@]}"
