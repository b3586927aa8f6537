#include "tabellendokument.h"

#include <gtest/gtest.h>

#include "auswertung.h"
#include "bericht.h"
#include "tabellenhtml.h"
#include "testspiel.h"
#include "utf8.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// Three play along (one with markup in the name), one does not; the Achtelfinale match was played
// before the group match 20, so the group match is the last one counted.
Spielstand kleinesSpiel() {
    Spielstand s;
    s.regel.bonus = true;
    s.regel.bonuspunkte = 5;
    s.modusFarbe[3] = rgb(255, 255, 255);
    mitspieler(s, 0, "Bert", 24);
    mitspieler(s, 1, "Anna & <Co>", 16);
    mitspieler(s, 2, "Cem", 0);
    s.setName(3, "Dora");
    setzeSpiel(s, 0, 0, 1, 4, 2);
    setzeSpiel(s, 20, 12, 13, 3, 1);
    setzeSpiel(s, 50, 10, 9, 2, 0);
    setzeSpiel(s, 30, 24, 25, 1, 1, false);
    s.spiele[20].datum = "19.06.2006", s.spiele[20].zeit = "21:00 Uhr";
    s.spiele[50].datum = "19.06.2006", s.spiele[50].zeit = "17:00 Uhr";
    // tips of Bert, Anna, Cem per counted match
    const int tipps[3][3][2] = {{{4, 2}, {1, 0}, {0, 2}}, {{3, 1}, {2, 0}, {1, 0}}, {{1, 1}, {3, 1}, {2, 0}}};
    const int spiele[3] = {0, 20, 50};
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 3; ++i) setzeTipp(s, p, spiele[i], tipps[p][i][0], tipps[p][i][1]);
    return s;
}

}  // namespace

TEST(Tabellendokument, GanzeSeiteEinesKleinenSpiels) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    Tabellendokument d = baueTabellendokument(s, "", "07.12.2026, 11:48 Uhr");
    // The race chart has tests of its own; here a small figure stands in for it, its winners' lines stay.
    ASSERT_EQ(d.zusatz.size(), 1u);
    d.zusatz[0].svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"></svg>";
    d.zusatz.push_back({"Anhang", "", {"Anna & <Co>"}});
    EXPECT_EQ(alsHtml(d), lies("tabelle_klein.html"));
}

TEST(Tabellendokument, BerichteAufWunschInRangfolge) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    const std::string ohne = alsHtml(baueTabellendokument(s, "a.gowet", "jetzt", {true, true, false}));
    EXPECT_EQ(ohne.find("<h2>Berichte</h2>"), std::string::npos);
    const Tabellendokument d = baueTabellendokument(s, "a.gowet", "jetzt", {false, false, true});
    EXPECT_EQ(d.berichtNamen, (std::vector<std::string>{"Cem", "Anna & <Co>", "Bert"}));
    const std::string html = alsHtml(d);
    EXPECT_EQ(html.find("<h2>Tabelle</h2>"), std::string::npos);
    EXPECT_EQ(html.find("<h2>Tippübersicht</h2>"), std::string::npos);
    std::string bericht = spielerInfo(s, 1);
    std::erase(bericht, '\r');
    EXPECT_EQ(kopfAngaben(Spielstand{})[2].wert, "kein Spiel");
    EXPECT_NE(html.find("<h3>Anna &amp; &lt;Co&gt;</h3>\n<pre>" + xmlText(bericht) + "</pre>\n"), std::string::npos);
}
