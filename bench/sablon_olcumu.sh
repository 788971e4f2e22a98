#!/usr/bin/env bash
# How the built-in templates fill with a dictionary: every sab*.txt of the
# data folder solved for solve seeds 1..N (20 for the default sablon01.txt,
# 10 for the others) under a time limit, one solve at a time. Reports per
# template how many seeds filled it, the median and the longest wall-clock time.
#
#   bench/sablon_olcumu.sh [--build DIR] [--dict FILE] [--time-limit 30] [--verbose]
#
# Defaults: the build folder build/ of this checkout, its data folder and its
# built-in dictionary. Exit status 1 when a template was left unfilled for a
# seed, 2 on bad input.
set -euo pipefail
BENCH_DIZINI=$(cd "$(dirname "$0")" && pwd)
source "$BENCH_DIZINI/cozum_zamanla.sh"

derleme="$BENCH_DIZINI/../build"
sozluk=
sinir=30
ayrinti=0
while [ $# -gt 0 ]; do
  case $1 in
    --build) derleme=$2; shift 2 ;;
    --dict) sozluk=$2; shift 2 ;;
    --time-limit) sinir=$2; shift 2 ;;
    --verbose) ayrinti=1; shift ;;
    *) echo "Kullanım: $0 [--build DİZİN] [--dict DOSYA] [--time-limit S] [--verbose]" >&2
       exit 2 ;;
  esac
done
cli="$derleme/bin/velzora-cli"
veri="$derleme/share/velzora"
sozluk=${sozluk:-$veri/sozluk.txt}
for gerekli in "$cli" "$sozluk"; do
  if [ ! -f "$gerekli" ]; then
    echo "!! $gerekli yok: önce derleyin (yerleşik sözlük için scripts/run.sh WordNet'i indirir)." >&2
    exit 2
  fi
done

echo "sözlük: $sozluk ($("$cli" dict --dict "$sozluk" | head -n 1)), süre sınırı $sinir s"
printf '%-14s %-7s %-7s %-12s %s\n' şablon ebat dolan medyan "en uzun"
eksik=0
for sablon in "$veri"/sab*.txt; do
  ad=$(basename "$sablon")
  adet=10
  [ "$ad" = sablon01.txt ] && adet=20
  tumu=()
  dolan=0
  for ((tohum = 1; tohum <= adet; tohum++)); do
    coz_zamanla "$cli" "$sozluk" "$sablon" "$tohum" "$sinir"
    tumu+=("$SURE_MS")
    dolan=$((dolan + COZULDU))
    if [ "$ayrinti" = 1 ]; then
      echo "  $ad tohum $tohum: $([ "$COZULDU" = 1 ] && echo doldu || echo dolmadı) ${SURE_MS} ms"
    fi
  done
  [ "$dolan" = "$adet" ] || eksik=1
  en_uzun=$(printf '%s\n' "${tumu[@]}" | sort -n | tail -n 1)
  printf '%-14s %-7s %-7s %-12s %s\n' "$ad" "$(head -n 2 "$sablon" | tail -n 1 | awk '{ print $1 "x" $2 }')" \
    "$dolan/$adet" "$(medyan_ms "${tumu[@]}")" "$(saniye "$en_uzun")"
done
exit "$eksik"
