#include "core/chancen.h"

#include "core/chancenaufgabe.h"
#include "core/szenario.h"

namespace ovi {

std::vector<Chance> chancenVorab(const Spielstand& s, int weltmeister) {
    const Spielstand w = ausgewertet(s, weltmeister);
    std::vector<Chance> zeilen;
    for (int p : teilnehmerInRangfolge(w)) zeilen.push_back({p, w.auswertung[p].gesamt, 0, 0, Titel::nein, {}});
    return zeilen;
}

std::optional<Chancen> berechneChancen(const Spielstand& s, int weltmeister, std::stop_token halt,
                                       const std::function<void(std::size_t, const Chance&)>& zeileFertig) {
    const Chancenaufgabe a = baueChancenaufgabe(s, weltmeister, halt);
    if (halt.stop_requested()) return std::nullopt;
    Chancen c;
    c.offeneSpiele = static_cast<int>(a.offene.size());
    c.weltmeisterOffen = a.weltmeisterOffen;
    c.geschaetzt = a.lage.geschaetzt();
    c.zeilen.resize(a.teilnehmer.size());
    for (std::size_t i = a.teilnehmer.size(); i-- > 0;) {
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
        c.zeilen[i] = std::move(z);
        if (zeileFertig) zeileFertig(i, c.zeilen[i]);
    }
    return c;
}

}  // namespace ovi
