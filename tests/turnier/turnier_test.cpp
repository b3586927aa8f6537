// The shipped tournament files, read back with the checking readers.
#include <gtest/gtest.h>

#include <QString>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "auswertung.h"
#include "rangliste.h"
#include "spieldatei.h"
#include "spielinfo.h"

using namespace ovi;

namespace {

const QString ordner = OVI_TURNIER_ORDNER;

std::map<std::string, char> gruppen() {
    std::ifstream f(OVI_GRUPPEN_CSV);
    std::map<std::string, char> g;
    std::string zeile;
    std::getline(f, zeile);
    while (std::getline(f, zeile))
        if (zeile.size() > 2) g[zeile.substr(2)] = zeile[0];
    return g;
}

int erwartetePhase(int m) { return m < 48 ? 0 : m < 56 ? 1 : m < 60 ? 2 : m < 62 ? 3 : m == 62 ? 4 : 5; }

}  // namespace

TEST(Spielplan, GruppenspieleMitPaarungenKoSpieleOffen) {
    const auto gelesen = ladeSpielInfo(ordner + "/spielplan-wm2006.gowet");
    ASSERT_TRUE(gelesen) << gelesen.fehler;
    const SpielInfo& info = *gelesen.daten;
    const Spielstand s;
    const auto g = gruppen();
    ASSERT_EQ(g.size(), 32u);
    EXPECT_EQ(info.ansicht, 0);
    std::map<int, int> spieleJeTeam;
    std::set<std::pair<std::string, int>> tagUndTeam;
    for (int m = 0; m < 64; ++m) {
        SCOPED_TRACE(m);
        const Spiel& sp = info.spiele[m];
        EXPECT_EQ(sp.phase, erwartetePhase(m));
        EXPECT_FALSE(sp.auswerten);
        EXPECT_EQ(sp.ergHeim, 0);
        EXPECT_EQ(sp.ergAus, 0);
        EXPECT_EQ(sp.schiri, 0);
        EXPECT_EQ(sp.quote, "");
        EXPECT_EQ(sp.datum.size(), 10u);
        EXPECT_EQ(sp.datum.substr(2), sp.datum.substr(2, 1) + sp.datum.substr(3, 2) + ".2006");
        EXPECT_EQ(sp.zeit.substr(5), " Uhr");
        if (m >= 48) {
            EXPECT_EQ(sp.heim, 32);
            EXPECT_EQ(sp.aus, 32);
            continue;
        }
        const char gruppe = static_cast<char>('A' + m / 6);
        for (int team : {sp.heim, sp.aus}) {
            ASSERT_LT(team, 32);
            EXPECT_EQ(g.at(s.nationen[team]), gruppe) << s.nationen[team];
            ++spieleJeTeam[team];
            EXPECT_TRUE(tagUndTeam.insert({sp.datum, team}).second) << "zweimal an einem Tag";
        }
    }
    EXPECT_EQ(spieleJeTeam.size(), 32u);
    for (const auto& [team, anzahl] : spieleJeTeam) EXPECT_EQ(anzahl, 3) << team;
}

TEST(Ergebnisse, FertigesTurnierMitDemoTeilnehmern) {
    const Spielstand leer;
    const auto gelesen = ladeSpieldatei(ordner + "/wm2006-ergebnisse.gowet", leer.nationen);
    ASSERT_TRUE(gelesen) << gelesen.fehler;
    Spielstand s;
    uebernehme(s, *gelesen.daten);
    for (int m = 0; m < 64; ++m) {
        EXPECT_TRUE(s.spiele[m].auswerten);
        EXPECT_NE(s.spiele[m].heim, 32);
        EXPECT_NE(s.spiele[m].aus, 32);
    }
    EXPECT_EQ(s.getTeam(63, 0), "Italien");
    EXPECT_EQ(s.getTeam(63, 1), "Frankreich");
    EXPECT_EQ(s.spiele[63].ergHeim, 1);
    EXPECT_EQ(s.spiele[63].ergAus, 1);
    EXPECT_EQ(s.getTeam(0, 0), "Deutschland");
    EXPECT_EQ(s.spiele[0].ergHeim, 4);
    EXPECT_EQ(s.spiele[0].ergAus, 2);
    EXPECT_EQ(s.regel.modus, 3);
    EXPECT_TRUE(s.regel.bonus);
    EXPECT_EQ(s.regel.bonuspunkte, 10);
    EXPECT_EQ(s.anzahlMitspieler(), 6);

    ASSERT_EQ(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);
    setWeltmeister(s, "Italien");
    EXPECT_EQ(s.weltmeister, 16);
    EXPECT_TRUE(s.sieger[0]);  // Anke and Elif tipped Italien
    EXPECT_TRUE(s.sieger[4]);
    EXPECT_EQ(s.sieger[1] + s.sieger[2] + s.sieger[3] + s.sieger[5], 0);
    // Checked with a separate count over the file's tips, outside this program.
    std::vector<std::string> namen;
    std::vector<int> gesamt;
    for (int platz = 0; platz < 6; ++platz) {
        const int p = spielerAufPlatz(s, platz);
        namen.push_back(s.getName(p));
        gesamt.push_back(s.auswertung[p].gesamt);
    }
    EXPECT_EQ(namen, (std::vector<std::string>{"Elif", "Anke", "Claudia", "Bernd", "Dieter", "Frank"}));
    EXPECT_EQ(gesamt, (std::vector<int>{116, 109, 106, 103, 100, 89}));
}
