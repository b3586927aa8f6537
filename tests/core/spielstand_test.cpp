#include "spielstand.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "auswertung.h"
#include "katalog.h"

using namespace ovi;

// The start agrees with the menu: "3-2-1-Regel" with its points and colours, bonus off, nobody playing.
TEST(Spielstand, StartzustandFolgtDerAngehaktenRegel) {
    const Spielstand s;
    EXPECT_EQ(std::tuple(s.anzahlMitspieler(), s.weltmeister, s.regel.modus, s.getBonus(), s.getBonuspunkte()),
              std::tuple(0, -1, 3, false, 0));
    EXPECT_EQ((std::vector<int>{s.getModusPunkte(0), s.getModusPunkte(1), s.getModusPunkte(2)}),
              (std::vector<int>{3, 2, 1}));
    EXPECT_EQ((std::vector<Long>{s.getModusFarbe(0), s.getModusFarbe(1), s.getModusFarbe(2), s.getModusFarbe(3)}),
              (std::vector<Long>{rgb(255, 0, 0), rgb(250, 250, 144), rgb(48, 190, 48), 0xFFFFFF}));
    for (int m = 0; m < 64; ++m) {
        EXPECT_EQ(s.getTeam(m, 0) + s.getTeam(m, 1), "DeutschlandDeutschland");
        EXPECT_EQ(s.auswertung[0].kategorie[m], 3);
    }
    for (int p = 0; p < 25; ++p) EXPECT_EQ(s.auswertung[p].platz, p);
}

TEST(Spielstand, KatalogUeberDieSpielfelder) {
    Spielstand s;
    for (const auto& [ort, stadt, stadion] : {std::tuple{6, "Kaiserslautern", "Fritz-Walter-Stadion"},
                                              {9, "München", "FIFA WM-Stadion München"},
                                              {11, "Stuttgart", "Gottlieb-Daimler-Stadion"}}) {
        s.spiele[5].ort = static_cast<Integer>(ort);
        EXPECT_EQ(s.getOrt(5) + "/" + s.getStadion(5), std::string(stadt) + "/" + stadion);
    }
    s.spiele[5].tag = 3;
    s.spiele[5].schiri = 5;
    s.spiele[63].aus = 32;
    EXPECT_EQ((std::vector<std::string>{s.getTag(5), s.getSchiri(5), s.getTeam(63, 1), s.getNation(0), s.getNation(9),
                                        s.getNation(32)}),
              (std::vector<std::string>{"Donnertag", "", "unbekannt", "Deutschland", "Elfenbeinküste", "unbekannt"}));
    EXPECT_EQ(s.getPaarung(63, 1), 32);
}

// Every refused access throws and leaves the game as it was.
TEST(Spielstand, BereichsfehlerAendernNichts) {
    Spielstand s;
    s.setName(2, "Anna");
    const Spielstand vorher = s;
    const std::function<void()> zugriffe[] = {
        [&] { s.getName(25); },       [&] { s.getName(-1); },          [&] { s.setName(25, "x"); },
        [&] { s.getModusPunkte(3); }, [&] { s.setModusPunkte(3, 1); }, [&] { s.getModusFarbe(4); },
        [&] { s.getNation(33); },     [&] { s.getNation(-1); },        [&] { s.getPaarung(64, 0); },
        [&] { s.getPaarung(0, 2); },  [&] { s.tipps(25, 0, 0); },      [&] { s.tipps(0, 64, 0); },
        [&] { s.tipps(0, 0, 2); }};
    for (std::size_t i = 0; i < std::size(zugriffe); ++i) EXPECT_THROW(zugriffe[i](), Bereichsfehler) << i;
    EXPECT_THROW(s.setWMTipp(0, 40000), Ueberlauffehler);
    EXPECT_THROW(s.setBonuspunkte(-40000), Ueberlauffehler);
    s.spiele[1].ort = 12;
    EXPECT_THROW(s.getOrt(1), Bereichsfehler);
    s.spiele[1].ort = 0;
    EXPECT_TRUE(s.spieler == vorher.spieler && s.regel == vorher.regel && s.spiele == vorher.spiele);
}

TEST(Spielstand, TippNummerierung) {
    EXPECT_EQ(std::tuple(TippFeld::nummer(2, 10, 1), TippFeld::nummer(0, 0, 0), TippFeld::nummer(24, 63, 1)),
              std::tuple(1852, 0, 3199));
    Spielstand s;
    s.tipps(2, 10, 1) = 7;
    EXPECT_EQ(s.tipps.element(1852), 7);
}

TEST(Katalog, NummerierungUndRegelnamen) {
    for (const auto& [spiel, abschnitt] : {std::pair{0, 0},
                                           {5, 0},
                                           {6, 1},
                                           {42, 7},
                                           {47, 7},
                                           {48, 8},
                                           {55, 8},
                                           {56, 9},
                                           {59, 9},
                                           {60, 10},
                                           {61, 10},
                                           {62, 11},
                                           {63, 12},
                                           {64, 0},
                                           {-1, 0}}) {
        EXPECT_EQ(abschnittVonSpiel(spiel), abschnitt) << spiel;
    }
    for (const auto& [v, erstes, letzte] :
         {std::tuple{0, 0, 5}, {7, 42, 5}, {8, 48, 7}, {9, 56, 3}, {10, 60, 3}, {12, 60, 3}, {13, 0, 0}}) {
        EXPECT_EQ(std::pair(ersteSpielNr(v), letzteZeile(v)), std::pair(erstes, letzte)) << v;
    }
    int laenge = 0;
    for (auto n : katalog::nationen) laenge += static_cast<int>(n.size());
    EXPECT_EQ(laenge, 304);  // UTF-8: "ü" takes two bytes, one in the file
    for (int r = -1; r <= 4; ++r) {
        const char* namen[] = {"", "Eigene Regel", "2-Punkte-Regel", "3-Punkte-Regel", "3-2-1-Regel", ""};
        EXPECT_EQ(regelName(r), namen[r + 1]) << r;
    }
}
