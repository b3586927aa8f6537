#include "rangliste.h"

#include <gtest/gtest.h>

#include <tuple>

#include "auswertung.h"
#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

std::vector<int> reihenfolge(const Spielstand& s, int n) {
    std::vector<int> r;
    for (int platz = 0; platz < n; ++platz) r.push_back(spielerAufPlatz(s, platz));
    return r;
}

// Four players; under 3-2-1: A exact (3), B goal difference + tendency (2+1), C tendency (1), D nothing.
// Totals: A 3, B 3, C 1, D 0. Sieghöhe key: B 2, others 0.
Spielstand vierSpieler() {
    Spielstand s;
    const int tipps[4][4] = {{2, 1, 1, 0}, {1, 0, 2, 2}, {3, 1, 1, 0}, {0, 1, 0, 3}};  // match 0, match 1
    setzeSpiel(s, 0, 0, 1, 2, 1);
    setzeSpiel(s, 1, 2, 3, 0, 0);
    for (int p = 0; p < 4; ++p) {
        mitspieler(s, p, std::string(1, static_cast<char>('A' + p)));
        setzeTipp(s, p, 0, tipps[p][0], tipps[p][1]);
        setzeTipp(s, p, 1, tipps[p][2], tipps[p][3]);
    }
    return s;
}

}  // namespace

TEST(Rangliste, GleichstandGehtAnDenNiedrigerenPlatz) {
    Spielstand s = vierSpieler();
    werteKomplettAus(s);
    EXPECT_EQ(reihenfolge(s, 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(spielerAufPlatz(s, 4), 4);  // non-participants follow in slot order
}

TEST(Rangliste, NeueSortierungBrichtGleichstandNachVorherigerOrdnung) {
    Spielstand s = vierSpieler();
    mitspieler(s, 4, "E");
    setzeTipp(s, 4, 0, 5, 4);  // goal difference: E total 2, Sieghöhe 2
    setzeTipp(s, 4, 1, 3, 1);
    werteKomplettAus(s);
    EXPECT_EQ(reihenfolge(s, 5), (std::vector<int>{0, 1, 4, 2, 3}));
    // Sieghöhe: B 2, E 2, then the rest in the order before; again the same; all equal (3) or an unknown
    // key (7): unchanged; total again: ties keep the order of the Sieghöhe sort.
    const std::pair<int, std::vector<int>> schritte[] = {
        {5, {1, 4, 0, 2, 3}}, {5, {1, 4, 0, 2, 3}}, {3, {1, 4, 0, 2, 3}}, {7, {1, 4, 0, 2, 3}}, {0, {1, 0, 4, 2, 3}}};
    for (const auto& [schluessel, erwartet] : schritte) {
        sortiereTabelle(s, schluessel);
        EXPECT_EQ(reihenfolge(s, 5), erwartet) << schluessel;
    }
}

TEST(Rangliste, SchluesselWerte) {
    Spielstand s = vierSpieler();
    setzeEingebauteRegel(s, 1);
    setzeSpiel(s, 50, 5, 6, 1, 0);
    setzeTipp(s, 2, 50, 1, 0);
    werteKomplettAus(s);
    struct Fall {
        int slot, key, wert;
    };
    for (const Fall& f : {Fall{0, 0, 2}, Fall{0, 4, 2}, Fall{1, 5, 1}, Fall{1, 6, 1}, Fall{2, 1, 1}, Fall{2, 2, 2},
                          Fall{2, 4, 2}, Fall{2, 0, 3}, Fall{3, 0, 0}, Fall{9, 0, -1}}) {
        SCOPED_TRACE(testing::Message() << f.slot << "/" << f.key);
        EXPECT_EQ(sortierWert(s, f.slot, f.key), f.wert);
    }
}

TEST(Rangliste, TabellenzeilenInPlatzOrdnung) {
    Spielstand s = vierSpieler();
    s.regel.bonuspunkte = 4;
    werteKomplettAus(s);
    sortiereTabelle(s, 5);
    const auto z = tabellenZeilen(s);
    EXPECT_EQ(z[0], (Tabellenzeile{"  B", "3", "3", "0", "0", "0", "2", "1"}));
    EXPECT_EQ(z[1], (Tabellenzeile{"  A", "3", "3", "0", "0", "3", "0", "0"}));
    EXPECT_EQ(z[3], (Tabellenzeile{"  D", "0", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(z[4], (Tabellenzeile{"  ", "-5", "0", "0", "0", "0", "0", "0"}));
}

TEST(Rangliste, Marken) {
    const int versatz[7] = {60, 60, 100, 80, 20, 20, 20};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(markenSpalte(k), k);
        EXPECT_EQ(markenVersatz(k), versatz[k]);
    }
    EXPECT_EQ(std::tuple(untereMarkeOben(25, 300), untereMarkeOben(3, 300), untereMarkeOben(0, 300)),
              std::tuple(9120, 9120 - 22 * 300, 1620));
}
