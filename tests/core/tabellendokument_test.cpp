#include "tabellendokument.h"

#include <gtest/gtest.h>

#include "tabellenhtml.h"
#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

// The whole page with table, tip overview and the reports in ranking order, one name with markup. The race chart
// has tests of its own; here a small figure stands in for it, its winners' lines stay.
TEST(Tabellendokument, GanzeSeite) {
    Spielstand s = gesamtspiel(3, 2, 1, true);
    werteKomplettAus(s);
    Tabellendokument d = baueTabellendokument(s, "", "07.12.2026, 11:48 Uhr", {true, true, true});
    ASSERT_EQ(d.zusatz.size(), 1u);
    d.zusatz[0].svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"></svg>";
    EXPECT_EQ(d.berichtNamen, (std::vector<std::string>{"Zoe", "Anna", "Ben & <Co>", "Dora"}));
    EXPECT_EQ(alsHtml(d), lies("tabelle_gesamt.html"));
    const std::string ohne = alsHtml(baueTabellendokument(s, "a.gowet", "jetzt", {true, false, false}));
    for (const char* teil : {"<h2>Berichte</h2>", "<h2>Tippübersicht</h2>", "Neues Spiel"})
        EXPECT_EQ(ohne.find(teil), std::string::npos) << teil;
    EXPECT_NE(ohne.find("<h2>Tabelle</h2>"), std::string::npos);
    EXPECT_EQ(kopfAngaben(Spielstand{})[2].wert, "kein Spiel");
}
