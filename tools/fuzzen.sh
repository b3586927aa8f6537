#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one in turn for the given seconds (default 600).
#   bash tools/fuzzen.sh [sekunden]
# Findings land in build-fuzz/funde/, the grown corpus in build-fuzz/korpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
SEKUNDEN=${1:-600}
ORDNER=build-fuzz
ZIELE=(fuzz_spieldatei fuzz_spielinfo fuzz_tippimport fuzz_tipptext)

if ! command -v clang++ >/dev/null || ! dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed"; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installiere clang und libFuzzer"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev
fi

CC=clang CXX=clang++ cmake -S . -B "$ORDNER" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DOVI_FUZZ=ON -DOVI_BENCH=OFF -DOVI_TESTS=OFF >/dev/null
# The machine is shared: one compiler at a time.
cmake --build "$ORDNER" -j1 --target "${ZIELE[@]}" fuzz_saatgut turnierdaten

# Seeds: the generated variants plus the shipped tournament files.
SAAT=$ORDNER/saat
rm -rf "$SAAT"
"$ORDNER/bin/fuzz_saatgut" "$SAAT"
cp "$ORDNER/data/wm2006-ergebnisse.gowet" "$SAAT/spieldatei/"
cp "$ORDNER/data/wm2006-ergebnisse.gowet" "$SAAT/tippimport/"
cp "$ORDNER/data/spielplan-wm2006.gowet" "$SAAT/spielinfo/"

for ziel in "${ZIELE[@]}"; do
    teil=${ziel#fuzz_}
    korpus=$ORDNER/korpus/$teil
    funde=$ORDNER/funde/$teil
    mkdir -p "$korpus" "$funde"
    echo "== $ziel: $SEKUNDEN s"
    protokoll=$ORDNER/$ziel.log
    status=0
    nice -n 10 "$ORDNER/bin/$ziel" -max_total_time="$SEKUNDEN" -print_final_stats=1 \
        -artifact_prefix="$funde/" "$korpus" "$SAAT/$teil" >"$protokoll" 2>&1 || status=$?
    grep -E "^#[0-9]+.*cov:" "$protokoll" | tail -n 1 || true
    grep -E "^Done [0-9]+ runs|stat::number_of_executed_units|stat::average_exec_per_sec|stat::peak_rss_mb" "$protokoll" || true
    echo "Korpus: $(ls "$korpus" | wc -l) Dateien; Funde: $(ls "$funde" | wc -l)"
    if [ "$status" -ne 0 ]; then
        echo "$ziel hat einen Fehler gefunden, siehe $protokoll" >&2
        tail -n 40 "$protokoll" >&2
        exit 1
    fi
done
