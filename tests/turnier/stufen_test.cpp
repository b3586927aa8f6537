// The tournament stage by stage: the bracket fills every real pairing from the real results, and each shipped
// stage file, read back with the checking reader, holds what was known the morning after that stage.
#include <gtest/gtest.h>

#include <QString>
#include <fstream>
#include <sstream>

#include "core/kobaum.h"
#include "files/spielinfo.h"
#include "turnierdaten.h"

using namespace ovi;

namespace {

std::vector<turnier::Partie> partien() {
    std::ifstream f(OVI_TURNIER_CSV, std::ios::binary);
    std::stringstream text;
    text << f.rdbuf();
    return turnier::leseCsv(text.str());
}

int team(const std::string& name) {
    const Spielstand s;
    for (int k = 0; k < katalog::unbekannt; ++k)
        if (s.nationen[k] == name) return k;
    return -1;
}

std::string paarung(const Spiel& sp) {
    const Spielstand s;
    return s.nationen[sp.heim] + " – " + s.nationen[sp.aus];
}

}  // namespace

TEST(Turnierverlauf, ErgebnisseGebenJedeEchtePaarung) {
    const auto p = partien();
    Spiele s;
    for (const auto& x : p) s[x.nr] = turnier::spielplanEintrag(x);
    // Each stage: its results are entered and flagged, then the command fills the next one.
    const int grenzen[] = {0, 48, 56, 60, 62, 64};
    for (int k = 0; k + 1 < 5; ++k) {
        SCOPED_TRACE(grenzen[k + 1]);
        for (int m = grenzen[k]; m < grenzen[k + 1]; ++m) {
            s[m].ergHeim = static_cast<Integer>(p[m].toreHeim);
            s[m].ergAus = static_cast<Integer>(p[m].toreAus);
            s[m].auswerten = true;
        }
        // Whoever won on penalties, as the operator would answer.
        Weiter weiter;
        std::vector<int> elfmeter;
        for (int m : offeneElfmeter(s)) {
            elfmeter.push_back(m);
            const std::string& e = p[m].elfmeter;
            ASSERT_EQ(e.size(), 3u) << m;
            weiter[m] = team(e[0] > e[2] ? p[m].heim : p[m].aus);
            // Asked again at every later stage, with the side that already went through offered.
            if (m < grenzen[k]) {
                EXPECT_EQ(schonWeiter(s, m), s[m].heim == weiter[m] ? 0 : 1) << m;
            }
        }
        std::vector<int> erwartet;
        for (int m = 48; m < grenzen[k + 1]; ++m)
            if (!p[m].elfmeter.empty() && m < 62) erwartet.push_back(m);
        EXPECT_EQ(elfmeter, erwartet);

        const auto wechsel = fuelleKoPaarungen(s, weiter);
        const int bis = k == 3 ? 64 : grenzen[k + 2];
        ASSERT_EQ(wechsel.size(), static_cast<std::size_t>(bis - grenzen[k + 1]));
        for (int m = grenzen[k + 1]; m < bis; ++m) EXPECT_EQ(paarung(s[m]), p[m].heim + " – " + p[m].aus) << m;
    }
}

TEST(Turnierverlauf, StufendateienWieAmMorgenDanach) {
    const auto p = partien();
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
            SCOPED_TRACE(m);
            const Spiel& sp = g.daten->spiele[m];
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
            EXPECT_EQ(sp, erwartet);
        }
    }
}
