#include "auswertung.h"

#include <gtest/gtest.h>

#include <tuple>

#include "testspiel.h"

using namespace ovi;
using P = std::pair<int, int>;
using namespace ovi::test;

// Every tip/result row under each rule (0: an own rule 5-4-0 with colours 1, 2, 3): the first test that applies
// wins (exact, goal difference, tendency, miss); points, counters, team and section sums and colour follow it.
// A built-in rule keeps the bonus and the colour of a miss.
TEST(Auswertung, KategorieUndPunkteJeRegel) {
    const int faelle[][5] = {{3, 1, 3, 1, 0}, {0, 0, 0, 0, 0}, {2, 0, 3, 1, 1}, {0, 2, 1, 3, 1}, {4, 1, 3, 0, 1},
                             {1, 0, 3, 1, 2}, {1, 1, 2, 2, 2}, {0, 0, 3, 3, 2}, {0, 3, 0, 1, 2}, {3, 1, 1, 3, 3},
                             {1, 1, 2, 1, 3}, {0, 0, 0, 1, 3}, {2, 1, 1, 1, 3}, {1, 0, 0, 0, 3}};
    constexpr Long rot = rgb(255, 0, 0), gelb = rgb(250, 250, 144), gruen = rgb(48, 190, 48), weiss = rgb(1, 2, 3);
    const int punkte[4][4] = {{5, 4, 0, 0}, {2, 1, 1, 0}, {3, 1, 1, 0}, {3, 2, 1, 0}};
    const Long farben[4][4] = {
        {1, 2, 3, weiss}, {rot, gruen, gruen, weiss}, {rot, gruen, gruen, weiss}, {rot, gelb, gruen, weiss}};
    for (int modus = 0; modus < 4; ++modus)
        for (const auto& f : faelle) {
            SCOPED_TRACE(testing::Message()
                         << "Regel " << modus << ", " << f[0] << ":" << f[1] << " auf " << f[2] << ":" << f[3]);
            Spielstand s;
            s.setBonuspunkte(12), s.setModusFarbe(3, weiss);
            if (modus) setzeEingebauteRegel(s, modus);
            s.regel.modus = static_cast<Integer>(modus);
            for (int i = 0; !modus && i < 3; ++i) s.setModusPunkte(i, punkte[0][i]), s.setModusFarbe(i, farben[0][i]);
            mitspieler(s, 0, "Anna");
            setzeSpiel(s, 10, 4, 7, f[2], f[3]);
            setzeTipp(s, 0, 10, f[0], f[1]);
            werteKomplettAus(s);
            const Auswertung& a = s.auswertung[0];
            const int k = f[4], p = punkte[modus][k];
            EXPECT_EQ((std::vector<Long>{a.kategorie[10], a.punkte, a.gesamt, a.anzahl3er, a.anzahl2er, a.anzahl1er,
                                         a.punkteTeam[4], a.punkteTeam[7], a.punkteAbschnitt[1], s.modusFarbe[k],
                                         s.regel.bonuspunkte}),
                      (std::vector<Long>{k, p, p, k == 0, k == 1, k == 2, p, p, p, farben[modus][k], 12}));
        }
    Spielstand s;
    EXPECT_THROW(setzeEingebauteRegel(s, 0), Bereichsfehler);
    EXPECT_THROW(setzeEingebauteRegel(s, 4), Bereichsfehler);
}

// Slots that do not play along sink below everybody, flagged matches or not.
TEST(Auswertung, NichtMitspielerStehenImmerUnten) {
    for (bool einSpielGewertet : {false, true}) {
        Spielstand s;
        s.regel.bonuspunkte = 10;
        mitspieler(s, 20, "Zoe");
        mitspieler(s, 22, "Yan");
        setzeSpiel(s, 0, 0, 1, 1, 0, einSpielGewertet);
        werteKomplettAus(s);
        for (int p = 0; p < 25; ++p) {
            if (p == 20 || p == 22) continue;
            EXPECT_EQ(P(s.auswertung[p].punkte, s.auswertung[p].gesamt), P(-11, -11)) << p;
        }
        EXPECT_EQ(P(s.auswertung[20].platz, s.auswertung[22].platz), P(0, 1));
    }
}

// A damaged team number or a total past 16 bits aborts the evaluation without touching the old records.
TEST(Auswertung, FehlerLaesstAlteAuswertungStehen) {
    Spielstand s;
    mitspieler(s, 0, "Anna");
    setzeSpiel(s, 0, 0, 1, 1, 0);
    setzeTipp(s, 0, 0, 1, 0);
    werteKomplettAus(s);
    const auto vorher = s.auswertung;
    Spielstand kaputt = s;
    setzeSpiel(kaputt, 1, 40, 1, 1, 0);
    setzeTipp(kaputt, 0, 1, 1, 0);  // points are booked to the teams, so the bad number is used
    EXPECT_THROW(werteKomplettAus(kaputt), Bereichsfehler);
    EXPECT_TRUE(kaputt.auswertung == vorher);
    s.regel.modusPunkte[0] = 32000;
    setzeSpiel(s, 1, 0, 1, 1, 0);
    setzeTipp(s, 0, 1, 1, 0);
    EXPECT_THROW(werteKomplettAus(s), Ueberlauffehler);
    EXPECT_TRUE(s.auswertung == vorher);
}
