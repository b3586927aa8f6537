// The participant's report is a contract: the window and the command-line tool show it as it is.
#include "core/bericht.h"

#include <gtest/gtest.h>

#include "core/bonus.h"
#include "core/rangliste.h"
#include "tests/hilfe/golden.h"
#include "tests/hilfe/kleinesspiel.h"

using namespace ovi;
using namespace ovi::test;

// What the lines show: the heading of daten/bericht-ben.txt.
TEST(Bericht, BenImKleinenSpiel) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    EXPECT_TRUE(stimmtMitDatei(OVI_TESTDATEN "/bericht-ben.txt", spielerInfo(s, klein::ben)));
}

// The place is the row of the ranking as last sorted: by tendency Ben (2) stands before Anna (1).
TEST(Bericht, PlatzNachDerLetztenSortierung) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    sortiereTabelle(s, 6);
    EXPECT_NE(spielerInfo(s, klein::ben).find("  Gesamtpunkte:\t5 [1.]\r\n"), std::string::npos);
}

// For the screen every TAB becomes blanks up to the column of the team points; a longer label keeps one blank.
TEST(Bericht, Spalten) {
    EXPECT_EQ(mitSpalten("  WM-Bonus:\t10\r\n"), "  WM-Bonus:" + std::string(16, ' ') + "10\r\n");
    EXPECT_EQ(mitSpalten(std::string(30, 'x') + "\t3\r\n\t2"),
              std::string(30, 'x') + " 3\r\n" + std::string(27, ' ') + "2");
}
