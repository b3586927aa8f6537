// Scoring: the points of each kind of hit under every rule, and the records of the small game of
// tests/hilfe/kleinesspiel.h worked out by hand.
#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "tests/core/testspiel.h"
#include "tests/hilfe/kleinesspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

constexpr int exakt = 0, hoehe = 1, tendenz = 2, daneben = 3;  // kinds of hit

// One participant, one counted match: the record after scoring under a rule (0: the own rule 7-5-0).
Auswertung werteEinSpiel(Tor tipp, Tor ergebnis, int modus) {
    Spielstand s;
    if (modus == 0) {
        s.regel.modus = 0;
        s.setModusPunkte(0, 7);
        s.setModusPunkte(1, 5);
        s.setModusPunkte(2, 0);
    } else {
        setzeEingebauteRegel(s, modus);
    }
    s.setSpieltMit(0, true);
    s.spiele[0] = begegnung(team::deutschland, team::costaRica, ergebnis, "09.06.2006");
    setzeTipp(s, 0, 0, tipp);
    werteAus(s);
    return s.auswertung[0];
}

struct Trefferfall {
    const char* fall;
    Tor tipp, erg;
    int art;
    struct {
        int r321, r3, r2, eigen;
    } punkte;  // under 3-2-1, 3-Punkte, 2-Punkte and the own rule 7-5-0
};
// clang-format off
const Trefferfall trefferfaelle[] = {
    {.fall = "Heimsieg exakt",       .tipp = {3, 1}, .erg = {3, 1}, .art = exakt,    .punkte = {3, 3, 2, 7}},
    {.fall = "Auswärtssieg exakt",   .tipp = {0, 2}, .erg = {0, 2}, .art = exakt,    .punkte = {3, 3, 2, 7}},
    {.fall = "Remis exakt",          .tipp = {2, 2}, .erg = {2, 2}, .art = exakt,    .punkte = {3, 3, 2, 7}},
    {.fall = "0:0 exakt",            .tipp = {0, 0}, .erg = {0, 0}, .art = exakt,    .punkte = {3, 3, 2, 7}},
    {.fall = "Heimsieg, Differenz",  .tipp = {2, 0}, .erg = {3, 1}, .art = hoehe,    .punkte = {2, 1, 1, 5}},
    {.fall = "Auswärts, Differenz",  .tipp = {1, 3}, .erg = {0, 2}, .art = hoehe,    .punkte = {2, 1, 1, 5}},
    {.fall = "Remis, anderer Stand", .tipp = {1, 1}, .erg = {2, 2}, .art = tendenz,  .punkte = {1, 1, 1, 0}},
    {.fall = "Heimsieg, Tendenz",    .tipp = {1, 0}, .erg = {3, 1}, .art = tendenz,  .punkte = {1, 1, 1, 0}},
    {.fall = "Auswärts, Tendenz",    .tipp = {0, 3}, .erg = {1, 2}, .art = tendenz,  .punkte = {1, 1, 1, 0}},
    {.fall = "falscher Sieger",      .tipp = {3, 1}, .erg = {1, 3}, .art = daneben,  .punkte = {0, 0, 0, 0}},
    {.fall = "Remis getippt",        .tipp = {1, 1}, .erg = {2, 1}, .art = daneben,  .punkte = {0, 0, 0, 0}},
    {.fall = "Sieg getippt, Remis",  .tipp = {2, 1}, .erg = {1, 1}, .art = daneben,  .punkte = {0, 0, 0, 0}},
    {.fall = "Differenz gespiegelt", .tipp = {0, 2}, .erg = {2, 0}, .art = daneben,  .punkte = {0, 0, 0, 0}},
};
// clang-format on

}  // namespace

// Points per rule: 3-2-1 gives 3/2/1, 3-Punkte 3/1/1, 2-Punkte 2/1/1, the own rule here 7/5/0; a miss 0 always.
// A drawn result never counts as "Sieghöhe": the right draw with the wrong score is a tendency.
TEST(Wertung, PunkteJeTrefferartUndRegel) {
    for (const Trefferfall& f : trefferfaelle) {
        SCOPED_TRACE(f.fall);
        const std::pair<int, int> regeln[] = {
            {3, f.punkte.r321}, {2, f.punkte.r3}, {1, f.punkte.r2}, {0, f.punkte.eigen}};
        for (const auto& [modus, punkte] : regeln) {
            SCOPED_TRACE(regelName(modus));
            const Auswertung a = werteEinSpiel(f.tipp, f.erg, modus);
            EXPECT_EQ(a.kategorie[0], f.art);
            EXPECT_EQ(a.punkte, punkte);
        }
    }
}

// The records of the small game (see its header): points, hits of each kind, group phase and knock-out,
// points per team. Carl does not play along and sinks to -1 - 10; the uncounted match 20 adds nothing.
TEST(Wertung, DatensaetzeDesKleinenSpiels) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    struct Satz {
        const char* name;
        int slot, punkte, exakt, hoehe, tendenz, gruppe, ko;
    };
    // clang-format off
    const Satz saetze[] = {
        {.name = "Anna", .slot = 0, .punkte = 8, .exakt = 1, .hoehe = 2, .tendenz = 1, .gruppe = 4, .ko = 4},
        {.name = "Ben", .slot = 24, .punkte = 5, .exakt = 1, .hoehe = 0, .tendenz = 2, .gruppe = 1, .ko = 4},
        {.name = "Carl", .slot = 1, .punkte = -11, .exakt = 0, .hoehe = 0, .tendenz = 0, .gruppe = 0, .ko = 0},
        {.name = "leer", .slot = 2, .punkte = -11, .exakt = 0, .hoehe = 0, .tendenz = 0, .gruppe = 0, .ko = 0},
    };
    // clang-format on
    for (const Satz& z : saetze) {
        SCOPED_TRACE(z.name);
        const Auswertung& a = s.auswertung[z.slot];
        EXPECT_EQ(a.punkte, z.punkte);
        EXPECT_EQ(a.anzahl3er, z.exakt);
        EXPECT_EQ(a.anzahl2er, z.hoehe);
        EXPECT_EQ(a.anzahl1er, z.tendenz);
        EXPECT_EQ(summeAbschnitte(s, z.slot, 0, 7), z.gruppe);
        EXPECT_EQ(summeAbschnitte(s, z.slot, 8, 12), z.ko);
    }
    // Both teams of a match get its points.
    struct Teampunkte {
        const char* name;
        int slot, team, punkte;
    };
    using namespace team;
    const Teampunkte teams[] = {
        {.name = "Anna: 4:2 exakt, 3:1 auf 2:0", .slot = klein::anna, .team = deutschland, .punkte = 5},
        {.name = "Anna: 4:2 exakt", .slot = klein::anna, .team = costaRica, .punkte = 3},
        {.name = "Anna: 0:0 auf 1:1", .slot = klein::anna, .team = paraguay, .punkte = 1},
        {.name = "Anna: nicht gewertet", .slot = klein::anna, .team = mexiko, .punkte = 0},
        {.name = "Ben: Finale exakt", .slot = klein::ben, .team = frankreich, .punkte = 3},
        {.name = "Ben: 2:1 auf 1:1", .slot = klein::ben, .team = england, .punkte = 0},
        {.name = "Carl spielt nicht mit", .slot = klein::carl, .team = deutschland, .punkte = 0},
    };
    for (const Teampunkte& t : teams) EXPECT_EQ(s.auswertung[t.slot].punkteTeam[t.team], t.punkte) << t.name;
    EXPECT_EQ(s.auswertung[klein::anna].kategorie[20], daneben) << "nicht gewertet";
}

// A fault aborts the evaluation whole: records, winners and champion stay as the last evaluation left them.
TEST(Wertung, FehlerLassenDieAlteAuswertungStehen) {
    const Spielstand s = [] {
        Spielstand t = kleinesSpiel();
        werteKomplettAus(t);
        return t;
    }();
    struct Stoerung {
        const char* name;
        std::function<void(Spielstand&)> stoere;
        const char* meldung;
    };
    // clang-format off
    const Stoerung faelle[] = {
        {.name = "Mannschaft 40 im ersten Spiel",
         .stoere = [](Spielstand& k) { k.spiele[0].heim = 40; },
         .meldung = "Index 40 außerhalb von 0..32"},
        {.name = "Anna: 32767 für das exakte 4:2, dann 1 für die Tendenz",
         .stoere = [](Spielstand& k) { k.setModusPunkte(0, 32767); },
         .meldung = "Überlauf: 32768 passt nicht in 16 Bit"},
        {.name = "Finale 32767:-2, die Differenz passt nicht",
         .stoere = [](Spielstand& k) { k.spiele[63] = begegnung(team::italien, team::frankreich, {32767, -2}, ""); },
         .meldung = "Überlauf: 32769 passt nicht in 16 Bit"},
    };
    // clang-format on
    for (const Stoerung& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand k = s;
        f.stoere(k);
        EXPECT_EQ(fehlerText([&k] { werteKomplettAus(k); }), f.meldung);
        EXPECT_TRUE(k.auswertung == s.auswertung);
        EXPECT_TRUE(k.sieger == s.sieger);
        EXPECT_EQ(k.weltmeister, team::italien);
    }
}
