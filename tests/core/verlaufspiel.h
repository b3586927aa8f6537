// A small race over three match days for the standings per day and the chart.
//
// 3-2-1-Regel, bonus 10 (on unless asked otherwise). Anna (slot 0) tips Frankreich as champion, Ben (slot 2)
// Italien, "Cem & Co" (slot 3) Deutschland; Paul (slot 1) tips every result and Italien but does not play along.
//
//   day         match                          result  Anna         Ben          Cem & Co
//   09.06.2006   0  Deutschland-Costa Rica     2:1     2:1 exact 3  3:2 Sieg. 2  1:0 Sieg. 2
//   09.06.2006   1  Polen-Ecuador              0:0     1:1 tend. 1  0:0 exact 3  2:0 miss  0
//   24.06.2006  48  England-Paraguay           1:0     1:0 exact 3  0:2 miss  0  1:0 exact 3
//   09.07.2006  63  Italien-Frankreich         2:1     1:0 Sieg. 2  2:1 exact 3  0:0 miss  0
//
// Day 1: Ben 5, Anna 4, Cem 2. Day 2: Anna 7, Ben 5, Cem 5 (Ben before Cem by slot). Day 3: Ben 8 + 10 bonus = 18,
// Anna 9, Cem 5. The final's result can be chosen (a drawn one asks for the champion).
#pragma once

#include "tests/hilfe/kleinesspiel.h"

namespace ovi::test {

inline Spielstand rennen(int finaleHeim = 2, int finaleAus = 1, bool bonus = true) {
    using namespace team;
    constexpr Integer polen = 2, ecuador = 3;
    Spielstand s;
    s.setBonus(bonus);
    s.setBonuspunkte(10);
    s.spieler[0] = {.name = "Anna", .weltmeisterTipp = frankreich, .spieltMit = true};
    s.spieler[1] = {.name = "Paul", .weltmeisterTipp = italien, .spieltMit = false};
    s.spieler[2] = {.name = "Ben", .weltmeisterTipp = italien, .spieltMit = true};
    s.spieler[3] = {.name = "Cem & Co", .weltmeisterTipp = deutschland, .spieltMit = true};
    const struct {
        int nr;
        Spiel spiel;
        Tor anna, ben, cem;
    } zeilen[] = {
        // clang-format off
        {.nr = 0,  .spiel = begegnung(deutschland, costaRica, {2, 1}, "09.06.2006"),
         .anna = {2, 1}, .ben = {3, 2}, .cem = {1, 0}},
        {.nr = 1,  .spiel = begegnung(polen, ecuador, {0, 0}, "09.06.2006"),
         .anna = {1, 1}, .ben = {0, 0}, .cem = {2, 0}},
        {.nr = 48, .spiel = begegnung(england, paraguay, {1, 0}, "24.06.2006"),
         .anna = {1, 0}, .ben = {0, 2}, .cem = {1, 0}},
        {.nr = 63, .spiel = begegnung(italien, frankreich, {finaleHeim, finaleAus}, "09.07.2006"),
         .anna = {1, 0}, .ben = {2, 1}, .cem = {0, 0}},
        // clang-format on
    };
    for (const auto& z : zeilen) {
        s.spiele[z.nr] = z.spiel;
        setzeTipp(s, 0, z.nr, z.anna);
        setzeTipp(s, 1, z.nr, {z.spiel.ergHeim, z.spiel.ergAus});
        setzeTipp(s, 2, z.nr, z.ben);
        setzeTipp(s, 3, z.nr, z.cem);
    }
    return s;
}

}  // namespace ovi::test
