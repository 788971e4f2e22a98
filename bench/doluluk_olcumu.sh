#!/usr/bin/env bash
# How well a dictionary fills random grids: for each size, ADET grids made by
# `velzora-cli random` at black-square ratio 0.17 (grid seeds 1..ADET), each
# solved once with a fixed solve seed under a time limit, one solve at a time.
# Reports how many were filled and the median wall-clock time of all the
# solves and of the filled ones.
#
#   bench/doluluk_olcumu.sh [--build DIR] [--dict FILE] [--sizes "9 11 15"]
#                           [--count 20] [--time-limit 30] [--restarts] [--verbose]
#
# --restarts solves with the smart search (velzora-cli solve --restarts)
# instead of the exact search.
# Defaults: the build folder build/ of this checkout and its built-in
# dictionary. The exit status is 0 whatever the fill rate; 2 on bad input.
set -euo pipefail
BENCH_DIZINI=$(cd "$(dirname "$0")" && pwd)
source "$BENCH_DIZINI/cozum_zamanla.sh"

derleme="$BENCH_DIZINI/../build"
sozluk=
ebatlar="9 11 15"
adet=20
sinir=30
ayrinti=0
secenekler=()
COZUM_TOHUMU=1
ORAN=0.17
while [ $# -gt 0 ]; do
  case $1 in
    --build) derleme=$2; shift 2 ;;
    --dict) sozluk=$2; shift 2 ;;
    --sizes) ebatlar=$2; shift 2 ;;
    --count) adet=$2; shift 2 ;;
    --time-limit) sinir=$2; shift 2 ;;
    --restarts) secenekler+=(--restarts); shift ;;
    --verbose) ayrinti=1; shift ;;
    *) echo "Kullanım: $0 [--build DİZİN] [--dict DOSYA] [--sizes \"9 11 15\"] [--count N] [--time-limit S] [--restarts] [--verbose]" >&2
       exit 2 ;;
  esac
done
cli="$derleme/bin/velzora-cli"
sozluk=${sozluk:-$derleme/share/velzora/sozluk.txt}
for gerekli in "$cli" "$sozluk"; do
  if [ ! -f "$gerekli" ]; then
    echo "!! $gerekli yok: önce derleyin (yerleşik sözlük için scripts/run.sh WordNet'i indirir)." >&2
    exit 2
  fi
done

gecici=$(mktemp -d)
trap 'rm -rf "$gecici"' EXIT

echo "sözlük: $sozluk ($("$cli" dict --dict "$sozluk" | head -n 1))"
echo "oran $ORAN, çözüm tohumu $COZUM_TOHUMU, süre sınırı $sinir s, ebat başına $adet ızgara${secenekler[*]:+, ${secenekler[*]}}"
printf '%-8s %-8s %-16s %s\n' ebat dolan "medyan (tümü)" "medyan (dolanlar)"
for n in $ebatlar; do
  tumu=()
  dolanlar=()
  for ((tohum = 1; tohum <= adet; tohum++)); do
    sablon="$gecici/sab${n}_$tohum.txt"
    "$cli" random --rows "$n" --cols "$n" --ratio "$ORAN" --seed "$tohum" --out "$sablon"
    coz_zamanla "$cli" "$sozluk" "$sablon" "$COZUM_TOHUMU" "$sinir" "${secenekler[@]+"${secenekler[@]}"}"
    tumu+=("$SURE_MS")
    if [ "$COZULDU" = 1 ]; then dolanlar+=("$SURE_MS"); fi
    if [ "$ayrinti" = 1 ]; then
      echo "  ${n}x$n tohum $tohum: $([ "$COZULDU" = 1 ] && echo doldu || echo dolmadı) ${SURE_MS} ms"
    fi
  done
  printf '%-8s %-8s %-16s %s\n' "${n}x$n" "${#dolanlar[@]}/$adet" "$(medyan_ms "${tumu[@]}")" \
    "$(medyan_ms "${dolanlar[@]+"${dolanlar[@]}"}")"
done
