// Group order by the rules of 2006 on constructed results of group B, one row of daten/gruppen.tsv per case.
#include "gruppen.h"

#include <gtest/gtest.h>

#include <sstream>

#include "testspiel.h"

using namespace ovi;

TEST(Gruppentabelle, OrdnungNachDenRegelnVon2006) {
    std::istringstream tabelle(test::lies("gruppen.tsv"));
    int faelle = 0;
    for (std::string zeile; std::getline(tabelle, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        SCOPED_TRACE(zeile);
        Spiele s;
        std::istringstream z(zeile.substr(0, zeile.find('\t')));
        for (int i = 0; i < 6; ++i) {
            std::string e;
            z >> e;
            s[6 + i] = {
                Integer(4 + test::paare[i][0]), Integer(4 + test::paare[i][1]), 0, 0, e != "-", 0, 0, "", "", 0, 0, ""};
            if (e != "-") s[6 + i].ergHeim = Integer(e[0] - '0'), s[6 + i].ergAus = Integer(e[2] - '0');
        }
        const Gruppentabelle t = gruppenTabelle(s, 1);
        std::string text;
        for (const Gruppenzeile& r : t.zeilen)
            text += (text.empty() ? "" : " | ") + std::to_string(r.team) + " " + std::to_string(r.siege) + "-" +
                    std::to_string(r.unentschieden) + "-" + std::to_string(r.niederlagen) + " " +
                    std::to_string(r.tore) + ":" + std::to_string(r.gegentore) + " " + std::to_string(r.punkte) +
                    (r.los ? "*" : "");
        text += " ->";
        for (int platz = 0; platz < 4; ++platz)
            text += " " + (t.entschieden(platz) ? std::to_string(*t.entschieden(platz)) : std::string("?"));
        EXPECT_EQ(text, zeile.substr(zeile.find('\t') + 1));
        ++faelle;
    }
    EXPECT_EQ(faelle, 7);
}
