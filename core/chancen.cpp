#include "core/chancen.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

#include "core/chancenaufgabe.h"
#include "core/szenario.h"

namespace ovi {

std::vector<Chance> chancenVorab(const Spielstand& s, int weltmeister) {
    const Spielstand w = ausgewertet(s, weltmeister);
    std::vector<Chance> zeilen;
    for (int p : teilnehmerInRangfolge(w)) zeilen.push_back({p, w.auswertung[p].gesamt, 0, 0, Titel::nein, {}});
    return zeilen;
}

namespace {

// One participant's row: places, title, the scenario of the best place. Nothing when halted.
std::optional<Chance> zeile(const Chancenaufgabe& a, std::size_t i, std::stop_token halt) {
    const int q = static_cast<int>(i);
    const auto bester = besterPlatz(a.suche, q, halt);
    const auto schlechtester = schlechtesterPlatz(a.suche, q, halt);
    if (!bester || !schlechtester) return std::nullopt;
    Chance z;
    z.spieler = a.teilnehmer[i];
    z.punkte = a.suche.stand[i];
    z.besterPlatz = bester->platz;
    z.schlechtesterPlatz = schlechtester->platz;
    z.titel = z.schlechtesterPlatz == 1 ? Titel::sicher : z.besterPlatz == 1 ? Titel::moeglich : Titel::nein;
    std::vector<Ergebnisvorgabe> ergebnisse;
    for (std::size_t x = 0; x < a.offene.size(); ++x) {
        const Ausgangsklasse& k = a.suche.spiele[x][static_cast<std::size_t>(bester->klassen[x])];
        ergebnisse.push_back({a.offene[x], {k.heim, k.aus}});
    }
    const Chancenaufgabe::Wahl& w = a.wahl[static_cast<std::size_t>(bester->option)];
    const Weltmeisterweg* weg = w.weg >= 0 ? &a.lage.wege[static_cast<std::size_t>(w.weg)] : nullptr;
    z.szenario = baueSzenario(a.stand.spiele, ergebnisse, w.weltmeister, weg, a.weltmeisterOffen);
    return z;
}

}  // namespace

std::optional<Chancen> berechneChancen(const Spielstand& s, int weltmeister, std::stop_token halt,
                                       const std::function<void(std::size_t, const Chance&)>& zeileFertig) {
    const Chancenaufgabe a = baueChancenaufgabe(s, weltmeister, halt);
    if (halt.stop_requested()) return std::nullopt;
    Chancen c;
    c.offeneSpiele = static_cast<int>(a.offene.size());
    c.weltmeisterOffen = a.weltmeisterOffen;
    c.geschaetzt = a.lage.geschaetzt();
    c.zeilen.resize(a.teilnehmer.size());
    // Participants from the last up, shared by as many threads as there are cores: the leaders, who take longest,
    // come last and do not wait for each other.
    std::atomic<std::size_t> naechste{0};
    std::atomic<bool> angehalten{false};
    std::mutex melden;
    std::exception_ptr fehler;
    const auto arbeite = [&] {
        try {
            for (std::size_t n; !angehalten && (n = naechste++) < a.teilnehmer.size();) {
                const std::size_t i = a.teilnehmer.size() - 1 - n;
                auto z = zeile(a, i, halt);
                if (!z) {
                    angehalten = true;
                    return;
                }
                c.zeilen[i] = std::move(*z);
                if (zeileFertig) {
                    const std::lock_guard sperre(melden);
                    zeileFertig(i, c.zeilen[i]);
                }
            }
        } catch (...) {
            const std::lock_guard sperre(melden);
            if (!fehler) fehler = std::current_exception();
            angehalten = true;
        }
    };
    {
        const std::size_t kerne = std::max(1U, std::thread::hardware_concurrency());
        std::vector<std::jthread> helfer;
        for (std::size_t t = 1; t < std::min(kerne, a.teilnehmer.size()); ++t) helfer.emplace_back(arbeite);
        arbeite();
    }
    if (fehler) std::rethrow_exception(fehler);
    if (angehalten) return std::nullopt;
    return c;
}

}  // namespace ovi
