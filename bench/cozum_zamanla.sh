# Shared by the fill benchmarks: one timed solve through velzora-cli, and the
# median of a list of times. Sourced, not run.

# coz_zamanla CLI SOZLUK SABLON TOHUM SURE_SINIRI [SOLVE OPTIONS...]: sets
# COZULDU (1 when filled, 0 when stopped or proved unfillable) and SURE_MS
# (wall-clock milliseconds, dictionary load included). A bad template or
# dictionary (exit status 2) ends the whole measurement.
coz_zamanla() {
  local cli=$1 sozluk=$2 sablon=$3 tohum=$4 sinir=$5
  shift 5
  local bas son kod=0
  bas=$(date +%s%N)
  "$cli" solve --template "$sablon" --dict "$sozluk" --seed "$tohum" --time-limit "$sinir" \
    --json "$@" >/dev/null 2>&1 || kod=$?
  son=$(date +%s%N)
  SURE_MS=$(((son - bas) / 1000000))
  case $kod in
    0) COZULDU=1 ;;
    1 | 4) COZULDU=0 ;;
    *)
      echo "!! velzora-cli solve $sablon: çıkış kodu $kod" >&2
      exit 2
      ;;
  esac
}

# saniye MS: milliseconds as seconds with two decimals.
saniye() {
  awk -v ms="$1" 'BEGIN { printf "%.2f s\n", ms / 1000 }'
}

# medyan_ms MS...: the median as seconds with two decimals ("-" for none); an
# even count takes the mean of the two middle values.
medyan_ms() {
  if [ $# -eq 0 ]; then
    echo "-"
    return
  fi
  printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 }
    END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          printf "%.2f s\n", m / 1000 }'
}
