// Tendency counters: how many participants tipped a home win, a draw, an away win.
#pragma once

#include <array>

#include "spielstand.h"

namespace ovi {

struct Tendenz {
    Integer eins = 0;  // home wins
    Integer null = 0;  // draws
    Integer zwei = 0;  // away wins
    bool operator==(const Tendenz&) const = default;
};

std::array<Tendenz, katalog::anzahlSpiele> zaehleTendenzen(const Spielstand& s);

// Geometry of one match column's counters in twips: the three labels and the bars above them.
struct TendenzBild {
    std::array<int, 3> labelLinks{};
    std::array<int, 3> labelBreite{};
    std::array<double, 3> balkenLinks{};
    std::array<double, 3> balkenOben{};
    std::array<double, 3> balkenHoehe{};
};
inline constexpr int balkenBreite = 180;
inline constexpr int balkenMax = 400;
// spaltenBreite: width of the match column; grundlinie: top of the middle label (9600).
TendenzBild tendenzBild(const Tendenz& t, int spaltenBreite, int grundlinie);

}  // namespace ovi
