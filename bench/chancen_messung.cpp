// The chances timed whole: places, titles and scenarios for 25 participants, from the game to the last row.
// Medians of several runs; a run that would take far beyond its budget is stopped at a cap and reported as such.
#include <QString>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "bench/budget.h"
#include "core/chancen.h"
#include "tests/hilfe/chancenspiel.h"

namespace ovi::bench {

namespace {

using Uhr = std::chrono::steady_clock;

// One run in ms, or nothing when it reached the cap.
std::optional<double> einLauf(const Spielstand& s, double kappeMs) {
    std::jthread arbeit;
    std::mutex m;
    std::condition_variable fertig;
    bool ende = false;
    std::optional<Chancen> c;
    const auto start = Uhr::now();
    arbeit = std::jthread([&](std::stop_token halt) {
        auto ergebnis = berechneChancen(s, -1, halt);
        const std::lock_guard sperre(m);
        c = std::move(ergebnis);
        ende = true;
        fertig.notify_one();
    });
    std::unique_lock sperre(m);
    fertig.wait_for(sperre, std::chrono::duration<double, std::milli>(kappeMs), [&] { return ende; });
    const double ms = std::chrono::duration<double, std::milli>(Uhr::now() - start).count();
    const bool rechtzeitig = ende;
    sperre.unlock();
    arbeit.request_stop();
    arbeit.join();
    if (!rechtzeitig || !c) return std::nullopt;
    return ms;
}

Messwert messe(const QString& name, const Spielstand& s, int laeufe, double budgetMs, double kappeMs) {
    std::vector<double> zeiten;
    for (int i = 0; i < laeufe; ++i) {
        const auto ms = einLauf(s, kappeMs);
        if (!ms) return {name, -1, budgetMs, QStringLiteral("ms"), QStringLiteral("nach %1 s abgebrochen").arg(kappeMs / 1000)};
        zeiten.push_back(*ms);
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + zeiten.size() / 2, zeiten.end());
    return {name, zeiten[zeiten.size() / 2], budgetMs, QStringLiteral("ms"), {}};
}

}  // namespace

std::vector<Messwert> chancenMessungen() {
    // 48: the whole knock-out stage open, 56: the quarter-finals on. Tips like a real pool carry the budgets; tips at
    // random (much harder to bound) are shown beside them.
    return {
        messe(QStringLiteral("Chancen: 25 Teilnehmer, Viertelfinale an offen (8 Spiele)"), test::wieEineEchteRunde(56),
              15, 50, 60000),
        messe(QStringLiteral("Chancen: 25 Teilnehmer, ganze K.-o.-Phase offen (16 Spiele)"),
              test::wieEineEchteRunde(48), 1, 1000, 300000),
        messe(QStringLiteral("Chancen: zufällige Tipps, Viertelfinale an offen, zur Einordnung"),
              test::chancenSpiel(56), 5, -1, 60000),
        messe(QStringLiteral("Chancen: zufällige Tipps, ganze K.-o.-Phase offen, zur Einordnung"),
              test::chancenSpiel(48), 1, -1, 60000),
    };
}

}  // namespace ovi::bench
