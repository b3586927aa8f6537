// The results of one open match that score alike for every participant: one outcome class each.
#pragma once

#include <array>
#include <vector>

#include "core/grundtypen.h"

namespace ovi {

// 1 home win, 0 draw, -1 away win.
inline int tendenzVon(int heim, int aus) { return heim > aus ? 1 : heim < aus ? -1 : 0; }

struct Ausgangsklasse {
    int heim = 0, aus = 0;    // the result that stands for the class, the plainest one of it
    int tendenz = 0;          // of every result in the class
    std::vector<int> punkte;  // per participant, in the order of the tips handed in
};

// Every result 0:0 to 9:9, grouped by the points each tip earns under the three point values; results of
// different tendencies stay apart where `tendenzTrennt` (the champion depends on who goes through).
// Classes come in the order of their plainest result: fewest goals first.
std::vector<Ausgangsklasse> ausgangsklassen(const std::vector<std::array<int, 2>>& tipps,
                                            const std::array<int, 3>& modusPunkte, bool tendenzTrennt);

// The results 0:0 to 9:9 from the plainest on: fewer goals, then the smaller margin, then the home win.
const std::vector<std::array<int, 2>>& ergebnisseSchlichtZuerst();

}  // namespace ovi
