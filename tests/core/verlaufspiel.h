// A small race over three match days for the tests of the standings per day and of the chart.
#pragma once

#include "testspiel.h"

namespace ovi::test {

// 3-2-1: day 1 (09.06.) Ben leads, day 2 (24.06.) Anna and Cem win the day, day 3 the final Italien 2:1
// Frankreich, won by Ben, who also tipped the champion. Slot 1 does not play along.
inline Spielstand rennen(int finaleHeim = 2, int finaleAus = 1, bool bonus = true) {
    Spielstand s;
    s.regel.bonus = bonus;
    s.regel.bonuspunkte = 10;
    mitspieler(s, 0, "Anna", 24);
    s.setName(1, "Paul");
    mitspieler(s, 2, "Ben", 16);
    mitspieler(s, 3, "Cem & Co", 0);
    setzeSpiel(s, 0, 0, 1, 2, 1);
    setzeSpiel(s, 1, 2, 3, 0, 0);
    setzeSpiel(s, 48, 4, 5, 1, 0);
    setzeSpiel(s, 63, 16, 24, finaleHeim, finaleAus);
    const char* datum[] = {"09.06.2006", "09.06.2006", "24.06.2006", "09.07.2006"};
    const int spiele[] = {0, 1, 48, 63};
    for (int i = 0; i < 4; ++i) s.spiele[spiele[i]].datum = datum[i];
    const int tipps[3][4][2] = {{{2, 1}, {1, 1}, {1, 0}, {1, 0}},   // Anna
                                {{3, 2}, {0, 0}, {0, 2}, {2, 1}},   // Ben
                                {{1, 0}, {2, 0}, {1, 0}, {0, 0}}};  // Cem
    const int plaetze[] = {0, 2, 3};
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 4; ++i) setzeTipp(s, plaetze[p], spiele[i], tipps[p][i][0], tipps[p][i][1]);
    for (int m : spiele) setzeTipp(s, 1, m, s.spiele[m].ergHeim, s.spiele[m].ergAus);
    return s;
}

}  // namespace ovi::test
