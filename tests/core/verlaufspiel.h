// A small race over three match days for the tests of the standings per day and of the chart.
#pragma once

#include "core/spielstand.h"

namespace ovi::test {

// 3-2-1: day 1 (09.06.) Ben leads, day 2 (24.06.) Anna and Cem win the day, day 3 the final Italien 2:1
// Frankreich, won by Ben, who also tipped the champion. Slot 1 does not play along.
inline Spielstand rennen(int finaleHeim = 2, int finaleAus = 1, bool bonus = true) {
    Spielstand s;
    s.regel.bonus = bonus, s.regel.bonuspunkte = 10;
    s.spieler[0] = {"Anna", 24, true}, s.spieler[1] = {"Paul", 16, false};
    s.spieler[2] = {"Ben", 16, true}, s.spieler[3] = {"Cem & Co", 0, true};
    const int spiele[] = {0, 1, 48, 63}, plaetze[] = {0, 2, 3};
    const int paarung[4][4] = {{0, 1, 2, 1}, {2, 3, 0, 0}, {4, 5, 1, 0}, {16, 24, finaleHeim, finaleAus}};
    const char* datum[] = {"09.06.2006", "09.06.2006", "24.06.2006", "09.07.2006"};
    const int tipps[3][4][2] = {{{2, 1}, {1, 1}, {1, 0}, {1, 0}},   // Anna
                                {{3, 2}, {0, 0}, {0, 2}, {2, 1}},   // Ben
                                {{1, 0}, {2, 0}, {1, 0}, {0, 0}}};  // Cem
    for (int i = 0; i < 4; ++i) {
        const auto* w = paarung[i];
        const int m = spiele[i];
        s.spiele[m] = {Integer(w[0]), Integer(w[1]), Integer(w[2]), Integer(w[3]), true, 0, 0, datum[i], "", 0, 0, ""};
        s.tipps(1, m, 0) = Integer(w[2]), s.tipps(1, m, 1) = Integer(w[3]);
        for (int p = 0; p < 3; ++p)
            s.tipps(plaetze[p], m, 0) = Integer(tipps[p][i][0]), s.tipps(plaetze[p], m, 1) = Integer(tipps[p][i][1]);
    }
    return s;
}

}  // namespace ovi::test
