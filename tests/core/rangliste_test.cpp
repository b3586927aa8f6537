#include "rangliste.h"

#include <gtest/gtest.h>

#include <numeric>
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

// Under 3-2-1: A exact (3), B goal difference + tendency (2+1), C tendency (1), D nothing, E goal difference (2).
Spielstand fuenfSpieler() {
    Spielstand s;
    const int tipps[5][4] = {{2, 1, 1, 0}, {1, 0, 2, 2}, {3, 1, 1, 0}, {0, 1, 0, 3}, {5, 4, 3, 1}};
    setzeSpiel(s, 0, 0, 1, 2, 1);
    setzeSpiel(s, 1, 2, 3, 0, 0);
    for (int p = 0; p < 5; ++p) {
        mitspieler(s, p, std::string(1, static_cast<char>('A' + p)));
        setzeTipp(s, p, 0, tipps[p][0], tipps[p][1]);
        setzeTipp(s, p, 1, tipps[p][2], tipps[p][3]);
    }
    return s;
}

}  // namespace

// Ties go to the lower slot after an evaluation; a later sort breaks its ties by the order before it.
TEST(Rangliste, SortierungIstStabil) {
    Spielstand s = fuenfSpieler();
    s.regel.bonuspunkte = 4;
    werteKomplettAus(s);
    EXPECT_EQ(reihenfolge(s, 6), (std::vector<int>{0, 1, 4, 2, 3, 5}));
    // Sieghöhe: B 2, E 2, then the rest in the order before; again the same; all equal (3) or an unknown
    // key (7): unchanged; total again: ties keep the order of the Sieghöhe sort.
    const std::pair<int, std::vector<int>> schritte[] = {
        {5, {1, 4, 0, 2, 3}}, {5, {1, 4, 0, 2, 3}}, {3, {1, 4, 0, 2, 3}}, {7, {1, 4, 0, 2, 3}}, {0, {1, 0, 4, 2, 3}}};
    for (const auto& [schluessel, erwartet] : schritte) {
        sortiereTabelle(s, schluessel);
        EXPECT_EQ(reihenfolge(s, 5), erwartet) << schluessel;
    }
    const auto z = tabellenZeilen(s);
    EXPECT_EQ(z[0], (Tabellenzeile{"  B", "3", "3", "0", "0", "0", "2", "1"}));
    EXPECT_EQ(z[1], (Tabellenzeile{"  A", "3", "3", "0", "0", "3", "0", "0"}));
    EXPECT_EQ(z[5], (Tabellenzeile{"  ", "-5", "0", "0", "0", "0", "0", "0"}));
}

// 25 participants, slot p with p exact hits: the leader stands in the last slot and climbs all 24 places.
TEST(Rangliste, FuehrenderImLetztenPlatz) {
    Spielstand s;
    for (int m = 0; m < 24; ++m) setzeSpiel(s, m, 0, 1, 1, 0);
    for (int p = 0; p < 25; ++p) {
        mitspieler(s, p, "S" + std::to_string(p));
        for (int m = 0; m < 24; ++m) setzeTipp(s, p, m, m < p, m >= p);
    }
    werteKomplettAus(s);
    std::vector<int> erwartet(25);
    std::iota(erwartet.rbegin(), erwartet.rend(), 0);
    EXPECT_EQ(reihenfolge(s, 25), erwartet);
    EXPECT_EQ(tabellenZeilen(s)[0], (Tabellenzeile{"  S24", "72", "72", "0", "0", "72", "0", "0"}));
}

TEST(Rangliste, SchluesselWerte) {
    Spielstand s = fuenfSpieler();
    setzeEingebauteRegel(s, 1);
    setzeSpiel(s, 50, 5, 6, 1, 0);
    setzeTipp(s, 2, 50, 1, 0);
    werteKomplettAus(s);
    const int faelle[][3] = {{0, 0, 2}, {0, 4, 2}, {1, 5, 1}, {1, 6, 1},  {2, 1, 1}, {2, 2, 2},
                             {2, 4, 2}, {2, 0, 3}, {3, 0, 0}, {9, 0, -1}, {2, 7, 0}, {2, -1, 0}};
    for (const auto& f : faelle) EXPECT_EQ(sortierWert(s, f[0], f[1]), f[2]) << f[0] << "/" << f[1];
}

TEST(Rangliste, Marken) {
    const int versatz[7] = {60, 60, 100, 80, 20, 20, 20};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(std::pair(markenSpalte(k), markenVersatz(k)), std::pair(k, versatz[k]));
    EXPECT_EQ(std::tuple(untereMarkeOben(25, 300), untereMarkeOben(3, 300), untereMarkeOben(0, 300)),
              std::tuple(9120, 9120 - 22 * 300, 1620));
}
