// Where the tendency counters of one match column stand and how high their bars are, in twips.
#pragma once

#include <array>

#include "core/tendenz.h"

namespace ovi {

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
