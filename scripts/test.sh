#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the optimised
# build (GCC, Release) with its Debian package, a configuration without tests
# that needs neither GoogleTest nor Google Benchmark, the
# AddressSanitizer/UndefinedBehaviorSanitizer build (clang, Debug), and each
# fuzz target.
set -euo pipefail
source "$(dirname "$0")/common.sh"
paketleri_kur
wordnet_indir

# The window tests need no display; the start-up test makes its own with Xvfb.
export QT_QPA_PLATFORM=offscreen

echo "== Derleme ve testler (GCC, Release)"
derle build "${VELZORA_ANA_DERLEME[@]}" -DVELZORA_WERROR=ON
ctest --test-dir "$VELZORA_KOK/build" --output-on-failure

echo "== Debian paketi"
"$VELZORA_KOK/scripts/package.sh"

# Configured only: it compiles the same sources as build/. The two switches
# make any search for the two libraries an error, and go unused when none is made.
echo "== Testsiz yapılandırma (GoogleTest ve Google Benchmark olmadan)"
cmake -S "$VELZORA_KOK" -B "$VELZORA_KOK/build-yalin" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON --no-warn-unused-cli >/dev/null

echo "== AddressSanitizer + UndefinedBehaviorSanitizer"
derle build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVELZORA_WERROR=ON \
  -DVELZORA_SANITIZE=ON -DVELZORA_FUZZ=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$VELZORA_KOK/tests/lsan.supp \
  ctest --test-dir "$VELZORA_KOK/build-asan" --output-on-failure

echo "== Fuzz hedefleri (her biri 20 s)"
for hedef in "$VELZORA_KOK"/build-asan/fuzz/fuzz_*; do
  [ -x "$hedef" ] || continue
  ad=$(basename "$hedef")
  derlem="$VELZORA_KOK/build-asan/fuzz/derlem_$ad"
  mkdir -p "$derlem"
  cp -n "$VELZORA_KOK/fuzz/ornekler/$ad"/* "$derlem"/ 2>/dev/null || true
  echo "-- $ad"
  # Room for a dictionary of more than 32,767 entries (":" and a line end each).
  "$hedef" -max_total_time=20 -timeout=5 -rss_limit_mb=2048 -max_len=131072 -print_final_stats=1 \
    "$derlem" 2>&1 | tail -n 12
done
echo "== Bütün testler geçti"
