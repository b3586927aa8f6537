#include "core/spielstand.h"

#include <gtest/gtest.h>

#include "core/auswertung.h"
#include "core/katalog.h"

using namespace ovi;

// The start agrees with the menu: "3-2-1-Regel" with its points and colours, bonus off, nobody playing.
TEST(Spielstand, StartzustandFolgtDerAngehaktenRegel) {
    const Spielstand s;
    EXPECT_EQ(s.anzahlMitspieler(), 0);
    EXPECT_EQ(s.weltmeister, -1);
    EXPECT_EQ(s.regel.modus, 3);
    const int punkte[3] = {3, 2, 1};
    for (int k = 0; k < 3; ++k) EXPECT_EQ(s.getModusPunkte(k), punkte[k]);
    EXPECT_FALSE(s.getBonus());
    EXPECT_EQ(s.getBonuspunkte(), 0);
    const Long farben[4] = {rgb(255, 0, 0), rgb(250, 250, 144), rgb(48, 190, 48), 0xFFFFFF};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(s.getModusFarbe(k), farben[k]);
    for (int m = 0; m < 64; ++m) {
        EXPECT_EQ(s.getTeam(m, 0) + s.getTeam(m, 1), "DeutschlandDeutschland");
        EXPECT_EQ(s.auswertung[0].kategorie[m], 3);
    }
    for (int p = 0; p < 25; ++p) EXPECT_EQ(s.auswertung[p].platz, p);
}

TEST(Spielstand, KatalogUeberDieSpielfelder) {
    Spielstand s;
    struct Fall {
        int ort;
        const char* stadt;
        const char* stadion;
    };
    for (const Fall& f :
         {Fall{6, "Kaiserslautern", "Fritz-Walter-Stadion"}, Fall{9, "München", "FIFA WM-Stadion München"},
          Fall{11, "Stuttgart", "Gottlieb-Daimler-Stadion"}}) {
        s.spiele[5].ort = static_cast<Integer>(f.ort);
        EXPECT_EQ(s.getOrt(5), f.stadt);
        EXPECT_EQ(s.getStadion(5), f.stadion);
    }
    s.spiele[5].tag = 3;
    EXPECT_EQ(s.getTag(5), "Donnertag");
    s.spiele[5].schiri = 5;
    EXPECT_EQ(s.getSchiri(5), "");
    s.spiele[63].aus = 32;
    EXPECT_EQ(s.getPaarung(63, 1), 32);
    EXPECT_EQ(s.getTeam(63, 1), "unbekannt");
    EXPECT_EQ(s.getNation(0), "Deutschland");
    EXPECT_EQ(s.getNation(9), "Elfenbeinküste");
    EXPECT_EQ(s.getNation(32), "unbekannt");
}

// Every refused access throws and leaves the game as it was.
TEST(Spielstand, BereichsfehlerAendernNichts) {
    Spielstand s;
    s.setName(2, "Anna");
    const Spielstand vorher = s;
    EXPECT_THROW(s.getName(25), Bereichsfehler);
    EXPECT_THROW(s.getName(-1), Bereichsfehler);
    EXPECT_THROW(s.setName(25, "x"), Bereichsfehler);
    EXPECT_THROW(s.getModusPunkte(3), Bereichsfehler);
    EXPECT_THROW(s.setModusPunkte(3, 1), Bereichsfehler);
    EXPECT_THROW(s.getModusFarbe(4), Bereichsfehler);
    EXPECT_THROW(s.getNation(33), Bereichsfehler);
    EXPECT_THROW(s.getNation(-1), Bereichsfehler);
    EXPECT_THROW(s.getPaarung(64, 0), Bereichsfehler);
    EXPECT_THROW(s.getPaarung(0, 2), Bereichsfehler);
    EXPECT_THROW(s.tipps(25, 0, 0), Bereichsfehler);
    EXPECT_THROW(s.tipps(0, 64, 0), Bereichsfehler);
    EXPECT_THROW(s.tipps(0, 0, 2), Bereichsfehler);
    EXPECT_THROW(s.setWMTipp(0, 40000), Ueberlauffehler);
    EXPECT_THROW(s.setBonuspunkte(-40000), Ueberlauffehler);
    s.spiele[1].ort = 12;
    EXPECT_THROW(s.getOrt(1), Bereichsfehler);
    s.spiele[1].ort = 0;
    EXPECT_EQ(s.getName(2), vorher.getName(2));
    EXPECT_TRUE(s.spieler == vorher.spieler);
    EXPECT_TRUE(s.regel == vorher.regel);
    EXPECT_TRUE(s.spiele == vorher.spiele);
}

TEST(Spielstand, TippNummerierung) {
    EXPECT_EQ(TippFeld::nummer(2, 10, 1), 1852);
    EXPECT_EQ(TippFeld::nummer(0, 0, 0), 0);
    EXPECT_EQ(TippFeld::nummer(24, 63, 1), 3199);
    Spielstand s;
    s.tipps(2, 10, 1) = 7;
    EXPECT_EQ(s.tipps.element(1852), 7);
}

TEST(Katalog, Nummerierung) {
    struct Fall {
        int spiel, abschnitt;
    };
    for (const Fall& f :
         {Fall{0, 0}, Fall{5, 0}, Fall{6, 1}, Fall{42, 7}, Fall{47, 7}, Fall{48, 8}, Fall{55, 8}, Fall{56, 9},
          Fall{59, 9}, Fall{60, 10}, Fall{61, 10}, Fall{62, 11}, Fall{63, 12}, Fall{64, 0}, Fall{-1, 0}}) {
        SCOPED_TRACE(f.spiel);
        EXPECT_EQ(abschnittVonSpiel(f.spiel), f.abschnitt);
    }
    struct Ansicht {
        int v, erstes, letzte;
    };
    for (const Ansicht& a : {Ansicht{0, 0, 5}, Ansicht{7, 42, 5}, Ansicht{8, 48, 7}, Ansicht{9, 56, 3},
                             Ansicht{10, 60, 3}, Ansicht{12, 60, 3}, Ansicht{13, 0, 0}}) {
        SCOPED_TRACE(a.v);
        EXPECT_EQ(ersteSpielNr(a.v), a.erstes);
        EXPECT_EQ(letzteZeile(a.v), a.letzte);
    }
    int laenge = 0;
    for (auto n : katalog::nationen) laenge += static_cast<int>(n.size());
    EXPECT_EQ(laenge, 304);  // UTF-8: "ü" takes two bytes, one in the file
}

TEST(Katalog, Regelnamen) {
    EXPECT_EQ(regelName(0), "Eigene Regel");
    EXPECT_EQ(regelName(1), "2-Punkte-Regel");
    EXPECT_EQ(regelName(2), "3-Punkte-Regel");
    EXPECT_EQ(regelName(3), "3-2-1-Regel");
    EXPECT_EQ(regelName(4), "");
    EXPECT_EQ(regelName(-1), "");
}
