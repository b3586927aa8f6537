#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds, and then starts the program, runs the tests, the benchmarks or the fuzzers,
# or makes the Debian package.
#   bash tools/schnellstart.sh starten | testen | leistung | fuzzen [sekunden] | paket
set -euo pipefail
cd "$(dirname "$0")/.."

PAKETE=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libfontconfig-dev libgtest-dev libgmock-dev
        libbenchmark-dev fonts-dejavu-core xvfb xauth openbox xdotool x11-utils imagemagick
        desktop-file-utils appstream libxml2-utils shared-mime-info man-db lintian dpkg-dev file poppler-utils)
# Only the fuzzing needs clang and its libFuzzer runtime.
FUZZPAKETE=(clang libclang-rt-14-dev)

installiere() {
    local fehlend=()
    for p in "${PAKETE[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
    done
    [ ${#fehlend[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installiere: ${fehlend[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
}

baue() {
    local ordner=$1
    shift
    cmake -S . -B "$ordner" -G Ninja "$@" >/dev/null
    cmake --build "$ordner"
}

case "${1:-}" in
starten)
    installiere
    baue build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec build/bin/ovikuvela
    ;;
testen)
    installiere
    # No warning may slip into the tested builds.
    baue build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOVI_WERROR=ON
    ctest --test-dir build --output-on-failure -j2
    # The same suite once more with AddressSanitizer and UndefinedBehaviorSanitizer: any report fails.
    baue build-asan -DCMAKE_BUILD_TYPE=Debug -DOVI_SANITIZE=ON -DOVI_BENCH=OFF -DOVI_WERROR=ON
    ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tools/lsan.supp ctest --test-dir build-asan --output-on-failure -j2
    ;;
leistung)
    installiere
    baue build-leistung -DCMAKE_BUILD_TYPE=Release
    exec build-leistung/bin/ovikuvela-leistung
    ;;
fuzzen)
    PAKETE+=("${FUZZPAKETE[@]}")
    installiere
    exec bash tools/fuzzen.sh "${2:-600}"
    ;;
paket)
    installiere
    baue build-paket -DCMAKE_BUILD_TYPE=Release -DOVI_TESTS=OFF -DOVI_BENCH=OFF
    cpack --config build-paket/CPackConfig.cmake -B build-paket
    ;;
*)
    echo "Aufruf: bash tools/schnellstart.sh starten|testen|leistung|fuzzen [sekunden]|paket" >&2
    exit 2
    ;;
esac
