// Group order by the rules of 2006 on constructed groups: one row per case, the whole table compared.
#include "gruppen.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>

using namespace ovi;

namespace {

// Group B (matches 6..11) with teams 4..7 in the order of the real schedule's pairings.
constexpr std::array<std::pair<int, int>, 6> paarungen = {{{4, 5}, {6, 7}, {4, 6}, {7, 5}, {7, 4}, {5, 6}}};
using Ergebnisse = std::array<std::optional<std::pair<int, int>>, 6>;  // empty: not flagged

Spiele gruppeB(const Ergebnisse& erg) {
    Spiele s;
    for (int i = 0; i < 6; ++i) {
        Spiel& sp = s[6 + i];
        sp.heim = static_cast<Integer>(paarungen[static_cast<std::size_t>(i)].first);
        sp.aus = static_cast<Integer>(paarungen[static_cast<std::size_t>(i)].second);
        if (const auto& e = erg[static_cast<std::size_t>(i)]) {
            sp.ergHeim = static_cast<Integer>(e->first);
            sp.ergAus = static_cast<Integer>(e->second);
            sp.auswerten = true;
        }
    }
    return s;
}

// "team S-U-N tore:gegen punkte", "*" for a tie only the lot parts; "|" between rows; then the decided places.
std::string alsText(const Gruppentabelle& t) {
    std::string text;
    for (const Gruppenzeile& z : t.zeilen) {
        if (!text.empty()) text += " | ";
        text += std::to_string(z.team) + " " + std::to_string(z.siege) + "-" + std::to_string(z.unentschieden) + "-" +
                std::to_string(z.niederlagen) + " " + std::to_string(z.tore) + ":" + std::to_string(z.gegentore) + " " +
                std::to_string(z.punkte) + (z.los ? "*" : "");
    }
    text += " ->";
    for (int platz = 0; platz < 4; ++platz) {
        const auto team = t.entschieden(platz);
        text += " " + (team ? std::to_string(*team) : std::string("?"));
    }
    return text;
}

struct Fall {
    Ergebnisse erg;
    const char* tabelle;
};

using P = std::pair<int, int>;
const Fall faelle[] = {
    // 6 leads on points; 7 before 4 on difference.
    // Punkte
    {{P{2, 0}, P{1, 0}, P{0, 1}, P{3, 0}, P{0, 0}, P{1, 1}},
     "6 2-1-0 3:1 7 | 7 1-1-1 3:1 4 | 4 1-1-1 2:1 4 | 5 0-1-2 1:6 1 -> 6 7 4 5"},
    // All on 4 points: 6 leads on difference, 5 before 4 on goals (both +-0).
    // Differenz, dann Tore
    {{P{2, 2}, P{1, 1}, P{1, 0}, P{1, 3}, P{1, 0}, P{0, 2}},
     "6 1-1-1 3:2 4 | 5 1-1-1 5:5 4 | 4 1-1-1 3:3 4 | 7 1-1-1 3:4 4 -> 6 5 4 7"},
    // 4 and 5 level on points, difference and goals; 5 won the match between them.
    // direkter Vergleich
    {{P{0, 1}, P{0, 0}, P{1, 0}, P{0, 1}, P{0, 1}, P{0, 1}},
     "5 2-0-1 2:1 6 | 4 2-0-1 2:1 6 | 6 1-1-1 1:1 4 | 7 0-1-2 0:2 1 -> 5 4 6 7"},
    // 4, 5 and 6 level; among them 6 scored more, 4 and 5 stay level: the lot, in catalogue order.
    // drei gleichauf, dann Los
    {{P{0, 0}, P{0, 1}, P{1, 1}, P{2, 1}, P{2, 1}, P{1, 1}},
     "7 3-0-0 5:2 9 | 6 0-2-1 2:3 2 | 4 0-2-1 2:3 2* | 5 0-2-1 2:3 2* -> 7 6 ? ?"},
    // alles 0:0
    {{P{0, 0}, P{0, 0}, P{0, 0}, P{0, 0}, P{0, 0}, P{0, 0}},
     "4 0-3-0 0:0 3* | 5 0-3-0 0:0 3* | 6 0-3-0 0:0 3* | 7 0-3-0 0:0 3* -> ? ? ? ?"},
    // nichts gewertet
    {{}, "4 0-0-0 0:0 0 | 5 0-0-0 0:0 0 | 6 0-0-0 0:0 0 | 7 0-0-0 0:0 0 -> ? ? ? ?"},
    // Four of six flagged: an order, but no place is decided yet.
    // Gruppe offen
    {{P{3, 0}, P{1, 0}, P{2, 0}, P{0, 1}, {}, {}},
     "4 2-0-0 5:0 6 | 6 1-0-1 1:2 3 | 5 1-0-1 1:3 3 | 7 0-0-2 0:2 0 -> ? ? ? ?"},
};

}  // namespace

TEST(Gruppentabelle, OrdnungNachDenRegelnVon2006) {
    for (const Fall& f : faelle) EXPECT_EQ(alsText(gruppenTabelle(gruppeB(f.erg), 1)), f.tabelle);
}
