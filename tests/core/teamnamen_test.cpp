// Teams by the names people write: catalogue names in any case and without umlauts, the codes of 2006, short names.
#include "core/teamnamen.h"

#include <gtest/gtest.h>

using namespace ovi;

TEST(Teamnamen, GeschriebeneNamen) {
    const Teamnamen namen(Spielstand().nationen);
    const struct {
        const char* text;
        int team;
    } faelle[] = {{"Deutschland", 0},
                  {"DEUTSCHLAND", 0},
                  {"ger", 0},
                  {"Elfenbeinkueste", 9},
                  {"ELFENBEINKÜSTE", 9},
                  {"Cote d’Ivoire", 9},
                  {"Côte d'Ivoire", 9},
                  {"Saudiarabien", 31},
                  {"Saudi-Arabien", 31},
                  {"saudi arabien", 31},
                  {"KSA", 31},
                  {"Süd-Korea", 26},
                  {"Suedkorea", 26},
                  {"Korea", 26},
                  {"Republik Korea", 26},
                  {"Trinidad & Tobago", 6},
                  {"Trinidad/Tobago", 6},
                  {"Serbien & Montenegro", 10},
                  {"Serbien-Montenegro", 10},
                  {"Holland", 11},
                  {"Tschechien", 19},
                  {"U.S.A.", 18},
                  {"Schweiz", 25},
                  {"SUI", 25},
                  {"unbekannt", -1},
                  {"Atlantis", -1},
                  {"", -1},
                  {"–", -1},
                  {"Deutschland Costa Rica", -1}};
    for (const auto& f : faelle) EXPECT_EQ(namen.team(f.text), f.team) << f.text;
}

// Each code in team order names its team, and no spelling the reader knows stands for two teams.
TEST(Teamnamen, KuerzelUndKeinNameDoppelt) {
    const Teamnamen namen(Spielstand().nationen);
    std::map<std::string, int> gesehen;
    const auto eintrag = [&gesehen](std::string_view name, int team) {
        const auto [wo, neu] = gesehen.emplace(teamSchluessel(name), team);
        EXPECT_TRUE(neu || wo->second == team) << name;
    };
    for (int t = 0; t <= katalog::letzteMannschaft; ++t) {
        const auto k = static_cast<std::size_t>(t);
        EXPECT_EQ(namen.team(teamKuerzel[k]), t) << teamKuerzel[k];
        eintrag(teamKuerzel[k], t);
        eintrag(katalog::nationen[k], t);
    }
    for (const Beiname& b : beinamen) {
        EXPECT_EQ(namen.team(b.name), b.team) << b.name;
        eintrag(b.name, b.team);
    }
}

// A game file's own spelling of a team counts too.
TEST(Teamnamen, NamenDesSpiels) {
    Nationen n = Spielstand().nationen;
    n[13] = "Persien";
    EXPECT_EQ(Teamnamen(n).team("persien"), 13);
    EXPECT_EQ(Teamnamen(n).team("Iran"), 13);
}
