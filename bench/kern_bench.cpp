// Core and file operations, measured with Google Benchmark.
#include <benchmark/benchmark.h>

#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "core/rangliste.h"
#include "core/tendenz.h"
#include "files/spieldatei.h"
#include "tests/hilfe/vollesspiel.h"

using namespace ovi;

static void BM_Auswertung(benchmark::State& state) {
    Spielstand s = test::vollesSpiel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(werteKomplettAus(s));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Auswertung);

static void BM_Sortierung(benchmark::State& state) {
    Spielstand s = test::vollesSpiel();
    werteKomplettAus(s);
    const int schluessel = static_cast<int>(state.range(0));
    for (auto _ : state) {
        sortiereTabelle(s, schluessel);
        sortiereTabelle(s, (schluessel + 1) % anzahlSortierungen);  // so each round really reorders
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Sortierung)->DenseRange(0, anzahlSortierungen - 1);

static void BM_Bericht(benchmark::State& state) {
    Spielstand s = test::vollesSpiel();
    werteKomplettAus(s);
    for (auto _ : state) benchmark::DoNotOptimize(spielerInfo(s, 7));
}
BENCHMARK(BM_Bericht);

static void BM_Tendenz(benchmark::State& state) {
    Spielstand s = test::vollesSpiel();
    for (auto _ : state) benchmark::DoNotOptimize(zaehleTendenzen(s));
}
BENCHMARK(BM_Tendenz);

static void BM_SpieldateiSchreiben(benchmark::State& state) {
    const Spieldatei d = ausSpielstand(test::vollesSpiel());
    for (auto _ : state) benchmark::DoNotOptimize(schreibeSpieldatei(d));
}
BENCHMARK(BM_SpieldateiSchreiben);

static void BM_SpieldateiLesen(benchmark::State& state) {
    const Spielstand s = test::vollesSpiel();
    const std::string bytes = schreibeSpieldatei(ausSpielstand(s));
    for (auto _ : state) benchmark::DoNotOptimize(leseSpieldatei(bytes, s.nationen, "bench.gowet"));
}
BENCHMARK(BM_SpieldateiLesen);
