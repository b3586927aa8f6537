#include "core/auswertung.h"

#include <gtest/gtest.h>

#include <numeric>

#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

struct KategorieFall {
    int th, ta, rh, ra, kategorie;
};

class Kategorie : public ::testing::TestWithParam<KategorieFall> {};

TEST_P(Kategorie, ErsterZutreffenderTestGewinnt) {
    const auto f = GetParam();
    EXPECT_EQ(trefferKategorie(f.th, f.ta, f.rh, f.ra), f.kategorie);
}

INSTANTIATE_TEST_SUITE_P(Treffer, Kategorie,
                         ::testing::Values(KategorieFall{3, 1, 3, 1, 0}, KategorieFall{0, 0, 0, 0, 0},
                                           KategorieFall{2, 0, 3, 1, 1}, KategorieFall{0, 2, 1, 3, 1},
                                           KategorieFall{1, 0, 3, 1, 2}, KategorieFall{1, 1, 2, 2, 2},
                                           KategorieFall{0, 0, 3, 3, 2}, KategorieFall{3, 1, 1, 3, 3},
                                           KategorieFall{1, 1, 2, 1, 3}, KategorieFall{2, 1, 1, 1, 3},
                                           KategorieFall{0, 3, 0, 1, 2}, KategorieFall{4, 1, 3, 0, 1}));

// One participant, one evaluated match, per rule: points and counters.
struct RegelFall {
    int modus;
    int th, ta, rh, ra;
    int punkte, a3, a2, a1;
    Long farbe;
};

class Regelwertung : public ::testing::TestWithParam<RegelFall> {};

TEST_P(Regelwertung, PunkteUndZaehler) {
    const auto f = GetParam();
    Spielstand s;
    setzeEingebauteRegel(s, f.modus);
    mitspieler(s, 0, "Anna");
    setzeSpiel(s, 10, 4, 7, f.rh, f.ra);
    setzeTipp(s, 0, 10, f.th, f.ta);
    werteKomplettAus(s);
    const Auswertung& a = s.auswertung[0];
    EXPECT_EQ(a.punkte, f.punkte);
    EXPECT_EQ(a.gesamt, f.punkte);
    EXPECT_EQ(a.anzahl3er, f.a3);
    EXPECT_EQ(a.anzahl2er, f.a2);
    EXPECT_EQ(a.anzahl1er, f.a1);
    EXPECT_EQ(a.punkteTeam[4], f.punkte);
    EXPECT_EQ(a.punkteTeam[7], f.punkte);
    EXPECT_EQ(a.punkteAbschnitt[1], f.punkte);
    EXPECT_EQ(s.modusFarbe[a.kategorie[10]], f.farbe);
}

constexpr Long rot = rgb(255, 0, 0), gelb = rgb(250, 250, 144), gruen = rgb(48, 190, 48), weiss = 0xFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    EingebauteRegeln, Regelwertung,
    ::testing::Values(RegelFall{3, 3, 1, 3, 1, 3, 1, 0, 0, rot}, RegelFall{3, 2, 0, 3, 1, 2, 0, 1, 0, gelb},
                      RegelFall{3, 1, 0, 3, 1, 1, 0, 0, 1, gruen}, RegelFall{3, 3, 1, 1, 3, 0, 0, 0, 0, weiss},
                      RegelFall{2, 2, 0, 3, 1, 1, 0, 1, 0, gruen}, RegelFall{2, 3, 1, 3, 1, 3, 1, 0, 0, rot},
                      RegelFall{1, 2, 0, 3, 1, 1, 0, 1, 0, gruen}, RegelFall{1, 1, 0, 3, 1, 1, 0, 0, 1, gruen},
                      RegelFall{1, 0, 0, 0, 0, 2, 1, 0, 0, rot}, RegelFall{1, 1, 1, 2, 2, 1, 0, 0, 1, gruen}));

// A game with several participants and matches, used for the invariants.
static Spielstand gemischtesSpiel() {
    Spielstand s;
    for (int p = 0; p < 25; p += 2) mitspieler(s, p, "S" + std::to_string(p));
    for (int m = 0; m < 64; ++m) {
        setzeSpiel(s, m, m % 32, (m * 7 + 3) % 32, m % 4, (m / 4) % 3, m % 5 != 0);
        for (int p = 0; p < 25; ++p) setzeTipp(s, p, m, (p + m) % 4, (p * m) % 3);
    }
    return s;
}

TEST(Auswertung, InvariantenJedesMitspielers) {
    for (int modus : {1, 2, 3}) {
        Spielstand s = gemischtesSpiel();
        setzeEingebauteRegel(s, modus);
        werteKomplettAus(s);
        for (int p = 0; p < 25; p += 2) {
            SCOPED_TRACE(p);
            const Auswertung& a = s.auswertung[p];
            const int abschnitte = std::accumulate(a.punkteAbschnitt.begin(), a.punkteAbschnitt.end(), 0);
            const int teams = std::accumulate(a.punkteTeam.begin(), a.punkteTeam.end(), 0);
            EXPECT_EQ(a.punkte, abschnitte);
            EXPECT_EQ(a.punkte, a.anzahl3er * s.regel.modusPunkte[0] + a.anzahl2er * s.regel.modusPunkte[1] +
                                    a.anzahl1er * s.regel.modusPunkte[2]);
            EXPECT_EQ(teams, 2 * a.punkte);
            EXPECT_EQ(summeAbschnitte(s, p, 0, 7) + summeAbschnitte(s, p, 8, 12), a.punkte);
            EXPECT_GT(a.punkte, 0);
            for (int m = 0; m < 64; m += 5) EXPECT_EQ(a.kategorie[m], 3);  // not flagged
        }
    }
}

TEST(Auswertung, KategorieOhnePunkteWirdTrotzdemGezaehlt) {
    Spielstand s;
    s.regel.modus = 0;
    s.regel.modusPunkte[0] = 5;
    s.regel.modusPunkte[1] = 4;
    s.regel.modusPunkte[2] = 0;
    mitspieler(s, 0, "Anna");
    setzeSpiel(s, 0, 0, 1, 2, 0);
    setzeTipp(s, 0, 0, 1, 0);
    setzeSpiel(s, 1, 2, 3, 1, 1);
    setzeTipp(s, 0, 1, 0, 0);
    werteKomplettAus(s);
    EXPECT_EQ(s.auswertung[0].anzahl1er, 2);
    EXPECT_EQ(s.auswertung[0].punkte, 0);
    EXPECT_EQ(s.auswertung[0].kategorie[0], 2);
    EXPECT_EQ(s.auswertung[0].kategorie[1], 2);
}

TEST(Auswertung, NichtGewerteteSpieleZaehlenNicht) {
    Spielstand s;
    mitspieler(s, 0, "Anna");
    setzeSpiel(s, 3, 0, 1, 2, 1, false);
    setzeTipp(s, 0, 3, 2, 1);
    werteKomplettAus(s);
    EXPECT_EQ(s.auswertung[0].punkte, 0);
    EXPECT_EQ(s.auswertung[0].anzahl3er, 0);
    EXPECT_EQ(s.auswertung[0].kategorie[3], 3);
}

// Slots that do not play along sink below everybody, flagged matches or not.
TEST(Auswertung, NichtMitspielerStehenImmerUnten) {
    for (bool einSpielGewertet : {false, true}) {
        SCOPED_TRACE(einSpielGewertet);
        Spielstand s;
        s.regel.bonuspunkte = 10;
        mitspieler(s, 20, "Zoe");
        mitspieler(s, 22, "Yan");
        setzeSpiel(s, 0, 0, 1, 1, 0, einSpielGewertet);
        werteKomplettAus(s);
        for (int p = 0; p < 25; ++p) {
            if (p == 20 || p == 22) continue;
            EXPECT_EQ(s.auswertung[p].punkte, -11);
            EXPECT_EQ(s.auswertung[p].gesamt, -11);
        }
        EXPECT_EQ(s.auswertung[20].platz, 0);
        EXPECT_EQ(s.auswertung[22].platz, 1);
    }
}

TEST(Auswertung, RegelwechselBehaeltBonusUndFarbeDrei) {
    Spielstand s;
    s.regel.modus = 0;
    s.regel.bonuspunkte = 12;
    s.regel.bonus = true;
    s.modusFarbe[3] = rgb(1, 2, 3);
    setzeEingebauteRegel(s, 2);
    EXPECT_EQ(s.regel.modus, 2);
    EXPECT_EQ(s.regel.bonuspunkte, 12);
    EXPECT_TRUE(s.regel.bonus);
    EXPECT_EQ(s.modusFarbe[3], rgb(1, 2, 3));
    EXPECT_THROW(setzeEingebauteRegel(s, 0), Bereichsfehler);
    EXPECT_THROW(setzeEingebauteRegel(s, 4), Bereichsfehler);
    EXPECT_EQ(s.regel.modus, 2);
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
