#include "bericht.h"

#include <gtest/gtest.h>

#include "auswertung.h"
#include "rangliste.h"
#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// Anna (slot 1) tips Italien; an exact hit in group A, a goal difference in the Achtelfinale,
// a drawn tendency in the final, a miss in group B; match 20 has a result but is not flagged.
Spielstand kleinesSpiel() {
    Spielstand s;
    s.regel.bonus = true;
    s.regel.bonuspunkte = 10;
    mitspieler(s, 0, "Bert", 24);
    mitspieler(s, 1, "Anna", 16);
    // match, teams, result, flagged, Anna's tip
    const int spiele[][8] = {{0, 0, 1, 4, 2, 1, 4, 2},
                             {6, 4, 5, 1, 0, 1, 0, 1},
                             {20, 12, 13, 3, 1, 0, 3, 1},
                             {50, 10, 9, 2, 0, 1, 3, 1},
                             {63, 16, 24, 1, 1, 1, 0, 0}};
    for (const auto& g : spiele) {
        setzeSpiel(s, g[0], g[1], g[2], g[3], g[4], g[5] != 0);
        setzeTipp(s, 1, g[0], g[6], g[7]);
    }
    setzeTipp(s, 0, 63, 1, 1);
    return s;
}

}  // namespace

TEST(Bericht, GanzerTextEinesKleinenSpiels) {
    Spielstand s = kleinesSpiel();
    ASSERT_EQ(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);
    setWeltmeister(s, "Italien");
    EXPECT_EQ(spielerInfo(s, 1), lies("bericht_anna.txt"));
}

// The place is the row of the sort chosen last, not of the total.
TEST(Bericht, PlatzFolgtDerLetztenSortierung) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    EXPECT_NE(spielerInfo(s, 1).find("  Gesamtpunkte:\t6 [1.]\r\n"), std::string::npos);
    s.auswertung[0].anzahl3er = 2;
    sortiereTabelle(s, 4);  // exact hits: Bert 6, Anna 3
    EXPECT_NE(spielerInfo(s, 1).find("  Gesamtpunkte:\t6 [2.]\r\n"), std::string::npos);
}

TEST(Bericht, OhneTrefferUndOhneTipp) {
    Spielstand s;
    mitspieler(s, 0, "Leer", -1);
    setzeEingebauteRegel(s, 1);
    werteKomplettAus(s);
    const std::string t = spielerInfo(s, 0);
    for (const char* teil :
         {"  Weltmeister-Tipp: kein Tipp\r\n", "  Die richtigen Tipps [0x]\r\n  [jeweils 2 Punkte]\r\n  -\r\n\r\n",
          "  Spiele mit richtiger Sieghöhe [0x]\r\n  [jeweils 1 Punkte]\r\n  -\r\n\r\n",
          "  Spiele mit richtiger Tendenz [0x]\r\n  [jeweils 1 Punkt(e)]\r\n  -\r\n\r\n\r\n"}) {
        EXPECT_NE(t.find(teil), std::string::npos) << teil;
    }
    s.setWMTipp(0, 33);
    EXPECT_THROW(spielerInfo(s, 0), Bereichsfehler);
    EXPECT_THROW(spielerInfo(s, 25), Bereichsfehler);
}

TEST(Bericht, Namen14FuelltAufDreiundzwanzig) {
    Spielstand s;
    EXPECT_EQ(namen14(s, 10) + "|" + namen14(s, 9) + "|" + namen14(s, 32),
              "Serbien und Montenegro |Elfenbeinküste         |unbekannt              ");
    EXPECT_THROW(namen14(s, 33), Bereichsfehler);
}

// A TAB becomes blanks up to column 27, where the points per team stand; characters, not bytes, count.
TEST(Bericht, MitSpaltenErsetztTabs) {
    const struct {
        std::string ein, aus;
    } faelle[] = {
        {"  WM-Bonus:\t10\r\n", "  WM-Bonus:" + std::string(16, ' ') + "10\r\n"},
        {"    Höhe des Sieges:\t2\r\n  K.O.-Phase: \t0",
         "    Höhe des Sieges:       2\r\n  K.O.-Phase:              0"},
        {std::string(26, 'x') + "\t1\r\n\t2", std::string(26, 'x') + " 1\r\n" + std::string(27, ' ') + "2"},
        {std::string(30, 'x') + "\t3", std::string(30, 'x') + " 3"},  // a longer label keeps one blank
        {"ohne Tab\r\n", "ohne Tab\r\n"},
    };
    for (const auto& f : faelle) EXPECT_EQ(mitSpalten(f.ein), f.aus) << f.ein;
}
