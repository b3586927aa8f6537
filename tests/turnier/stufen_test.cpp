// Each shipped stage file, read back with the checking reader, holds what was known the morning after that stage;
// and the bracket, given only its results and the penalty winners, gives back every pairing it holds.
#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "kobaum.h"
#include "spielinfo.h"
#include "turnierdaten.h"

using namespace ovi;

namespace {

int team(const std::string& name) {
    const Spielstand s;
    for (int k = 0; k < katalog::unbekannt; ++k)
        if (s.nationen[k] == name) return k;
    return -1;
}

}  // namespace

TEST(Turnierverlauf, StufendateienUndPaarungenAusErgebnissen) {
    std::ifstream csv(OVI_TURNIER_CSV, std::ios::binary);
    std::stringstream text;
    text << csv.rdbuf();
    const auto p = turnier::leseCsv(text.str());
    const auto plan = ladeSpielInfo(QStringLiteral(OVI_TURNIER_ORDNER "/spielplan-wm2006.gowet"));
    ASSERT_TRUE(plan) << plan.fehler;
    const struct {
        const char* datei;
        int ergebnisseBis, paarungenBis, ansicht;
    } stufen[] = {
        {"wm2006-1-nach-gruppenphase.gowet", 48, 56, 8},   {"wm2006-2-nach-achtelfinale.gowet", 56, 60, 9},
        {"wm2006-3-nach-viertelfinale.gowet", 60, 62, 10}, {"wm2006-4-nach-halbfinale.gowet", 62, 64, 10},
        {"wm2006-5-nach-finale.gowet", 64, 64, 10},
    };
    for (const auto& st : stufen) {
        SCOPED_TRACE(st.datei);
        const auto g = ladeSpielInfo(QStringLiteral(OVI_TURNIER_ORDNER "/") + QString::fromUtf8(st.datei));
        ASSERT_TRUE(g) << g.fehler;
        EXPECT_EQ(g.daten->ansicht, st.ansicht);
        for (int m = 0; m < 64; ++m) {
            Spiel erwartet = plan.daten->spiele[m];  // date, kick-off, venue as before the tournament
            if (m < st.paarungenBis) {
                erwartet.heim = static_cast<Integer>(team(p[m].heim));
                erwartet.aus = static_cast<Integer>(team(p[m].aus));
            }
            if (m < st.ergebnisseBis) {
                erwartet.ergHeim = static_cast<Integer>(p[m].toreHeim);
                erwartet.ergAus = static_cast<Integer>(p[m].toreAus);
                erwartet.auswerten = true;
            }
            EXPECT_EQ(g.daten->spiele[m], erwartet) << m;
        }

        // All knock-out sides forgotten: results and the penalty winners bring back exactly the known pairings.
        Spiele s = g.daten->spiele;
        for (int m = 48; m < 64; ++m) s[m].heim = s[m].aus = katalog::unbekannt;
        Weiter weiter;
        std::vector<int> elfmeter;
        for (int m = 48; m < std::min(st.ergebnisseBis, 62); ++m) {
            const std::string& e = p[m].elfmeter;  // "4:2"
            if (e.empty()) continue;
            elfmeter.push_back(m);
            weiter[m] = team(e[0] > e[2] ? p[m].heim : p[m].aus);
        }
        EXPECT_EQ(offeneElfmeter(s), elfmeter);
        fuelleKoPaarungen(s, weiter);
        EXPECT_EQ(s, g.daten->spiele);
    }
}
