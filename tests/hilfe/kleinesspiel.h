// A small game a reader evaluates by hand; the core tests derive their expectations from it, the HTML page shows it.
//
// 3-2-1-Regel, champion bonus on with 10 points. Anna (slot 0) tips Italien as champion; Carl (slot 1) tips Italien
// too but does not play along; "Ben & <Co>" (slot 24) chose no champion. Four matches count, one has a result but
// does not count. Carl's tips are always the result.
//
//   match                                    result  Anna             Ben & <Co>
//    0  Gruppe A      Deutschland-Costa Rica  4:2     4:2 exact    3   1:0 tendency  1   09.06.2006
//   47  Gruppe H      England-Paraguay        1:1     0:0 tendency 1   2:1 miss      0   20.06.2006
//   48  Achtelfinale  Deutschland-Schweden    2:0     3:1 Sieghöhe 2   3:0 tendency  1   24.06.2006
//   63  Finale        Italien-Frankreich      2:1     1:0 Sieghöhe 2   2:1 exact     3   09.07.2006
//   20  Gruppe D      Mexiko-Iran             3:1     3:1 (not counted)  3:1 (not counted)  15.06.2006
//
// So Anna: 8 points (group phase 4, knock-out 4), bonus 10 for Italien, total 18; Ben: 5 points (1, 4), no bonus.
#pragma once

#include "core/spielstand.h"

namespace ovi::test {

namespace team {
constexpr Integer deutschland = 0, costaRica = 1, england = 4, paraguay = 5, schweden = 7, mexiko = 12, iran = 13,
                  italien = 16, frankreich = 24, saudiarabien = 31;
}

namespace klein {
constexpr int anna = 0, carl = 1, ben = 24;
}

struct Tor {
    int heim = 0;
    int aus = 0;
};

inline void setzeTipp(Spielstand& s, int slot, int spiel, Tor tipp) {
    s.tipps(slot, spiel, 0) = static_cast<Integer>(tipp.heim);
    s.tipps(slot, spiel, 1) = static_cast<Integer>(tipp.aus);
}

inline Spiel begegnung(Integer heim, Integer aus, Tor ergebnis, const char* datum, bool gewertet = true) {
    Spiel spiel;
    spiel.heim = heim;
    spiel.aus = aus;
    spiel.ergHeim = static_cast<Integer>(ergebnis.heim);
    spiel.ergAus = static_cast<Integer>(ergebnis.aus);
    spiel.auswerten = gewertet;
    spiel.datum = datum;
    return spiel;
}

inline Spielstand kleinesSpiel() {
    using namespace team;
    Spielstand s;
    s.setBonus(true);
    s.setBonuspunkte(10);
    s.spieler[klein::anna] = {.name = "Anna", .weltmeisterTipp = italien, .spieltMit = true};
    s.spieler[klein::carl] = {.name = "Carl", .weltmeisterTipp = italien, .spieltMit = false};
    s.spieler[klein::ben] = {.name = "Ben & <Co>", .weltmeisterTipp = -1, .spieltMit = true};
    const struct {
        int nr;
        Spiel spiel;
        Tor anna, ben;
    } zeilen[] = {
        {.nr = 0, .spiel = begegnung(deutschland, costaRica, {4, 2}, "09.06.2006"), .anna = {4, 2}, .ben = {1, 0}},
        {.nr = 47, .spiel = begegnung(england, paraguay, {1, 1}, "20.06.2006"), .anna = {0, 0}, .ben = {2, 1}},
        {.nr = 48, .spiel = begegnung(deutschland, schweden, {2, 0}, "24.06.2006"), .anna = {3, 1}, .ben = {3, 0}},
        {.nr = 63, .spiel = begegnung(italien, frankreich, {2, 1}, "09.07.2006"), .anna = {1, 0}, .ben = {2, 1}},
        {.nr = 20, .spiel = begegnung(mexiko, iran, {3, 1}, "15.06.2006", false), .anna = {3, 1}, .ben = {3, 1}},
    };
    for (const auto& z : zeilen) {
        s.spiele[z.nr] = z.spiel;
        setzeTipp(s, klein::anna, z.nr, z.anna);
        setzeTipp(s, klein::ben, z.nr, z.ben);
        setzeTipp(s, klein::carl, z.nr, {z.spiel.ergHeim, z.spiel.ergAus});
    }
    return s;
}

}  // namespace ovi::test
