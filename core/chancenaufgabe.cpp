#include "core/chancenaufgabe.h"

#include <map>

#include "core/bonus.h"
#include "core/rangliste.h"

namespace ovi {

namespace {

bool echt(int team) { return team >= 0 && team <= katalog::letzteMannschaft; }

bool weltmeisterOffen(const Spiele& spiele, int antwort) {
    const Spiel& f = spiele[63];
    return !f.auswerten || (f.ergHeim == f.ergAus && !echt(antwort));
}

// One option per way the champion question can end; options giving the same bonus and leaving the same
// tendencies are one.
void fuegeOptionenHinzu(Chancenaufgabe& a) {
    const std::size_t n = a.teilnehmer.size();
    const Spielstand& s = a.stand;
    std::map<int, std::size_t> stelle;  // match -> index among the open ones
    for (std::size_t x = 0; x < a.offene.size(); ++x) stelle[a.offene[x]] = x;
    std::map<std::pair<std::vector<int>, std::vector<int>>, std::size_t> gesehen;
    for (std::size_t w = 0; w < a.lage.wege.size(); ++w) {
        const Weltmeisterweg& weg = a.lage.wege[w];
        for (int team : weg.teams) {
            Suchoption opt{std::vector<int>(n, 0), std::vector<int>(a.offene.size(), alleTendenzen)};
            for (std::size_t i = 0; i < n; ++i)
                if (s.spieler[a.teilnehmer[i]].weltmeisterTipp == team) opt.bonus[i] = s.regel.bonuspunkte;
            for (const Bedingung& b : weg.bedingungen)
                opt.erlaubt[stelle.at(b.spiel)] = tendenzBit(0) | tendenzBit(b.seite == 0 ? 1 : -1);
            if (!gesehen.emplace(std::pair{opt.bonus, opt.erlaubt}, a.suche.optionen.size()).second) continue;
            a.suche.optionen.push_back(std::move(opt));
            a.wahl.push_back({team, static_cast<int>(w)});
        }
    }
    if (a.suche.optionen.empty()) {
        a.suche.optionen.push_back({std::vector<int>(n, 0), std::vector<int>(a.offene.size(), alleTendenzen)});
        a.wahl.push_back({});
    }
}

}  // namespace

Spielstand ausgewertet(Spielstand s, int weltmeister) {
    if (werteKomplettAus(s) == Bonusausgang::weltmeisterFrage && echt(weltmeister))
        setWeltmeister(s, s.nationen[weltmeister]);
    return s;
}

std::vector<int> teilnehmerInRangfolge(const Spielstand& s) {
    std::vector<int> slots;
    for (int r = 0; r < katalog::anzahlSpieler; ++r)
        if (const int p = spielerAufPlatz(s, r); s.spieler[p].spieltMit) slots.push_back(p);
    return slots;
}

Chancenaufgabe baueChancenaufgabe(const Spielstand& eingabe, int antwort, std::stop_token halt) {
    Chancenaufgabe a;
    a.stand = ausgewertet(eingabe, antwort);
    const Spielstand& s = a.stand;
    a.teilnehmer = teilnehmerInRangfolge(s);
    for (int m = 0; m < katalog::anzahlSpiele; ++m)
        if (!s.spiele[m].auswerten) a.offene.push_back(m);
    a.weltmeisterOffen = weltmeisterOffen(s.spiele, antwort);
    // The champion matters only with the bonus on and not yet decided.
    if (s.regel.bonus && a.weltmeisterOffen) a.lage = weltmeisterLage(s.spiele, antwort, halt);

    std::vector<bool> gekoppelt(katalog::anzahlSpiele, false);
    for (const Weltmeisterweg& weg : a.lage.wege)
        for (const Bedingung& b : weg.bedingungen) gekoppelt[static_cast<std::size_t>(b.spiel)] = true;
    const std::array<int, 3> punkte{s.regel.modusPunkte[0], s.regel.modusPunkte[1], s.regel.modusPunkte[2]};
    for (int m : a.offene) {
        std::vector<std::array<int, 2>> tipps;
        for (int p : a.teilnehmer) tipps.push_back({s.tipps(p, m, 0), s.tipps(p, m, 1)});
        a.suche.spiele.push_back(ausgangsklassen(tipps, punkte, gekoppelt[static_cast<std::size_t>(m)]));
    }
    for (int p : a.teilnehmer) a.suche.stand.push_back(s.auswertung[p].gesamt);
    fuegeOptionenHinzu(a);
    return a;
}

}  // namespace ovi
