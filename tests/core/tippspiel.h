// A small pool for the tests of collecting tips. Anke, Bernd and Jörg play along, Carla does not. Pairings (match
// numbers from 1 as the texts write them):
//    1 Deutschland – Costa Rica (09.06.2006, 18:00 Uhr)     2 Polen – Ecuador (09.06.2006, 21:00 Uhr)
//    3 Deutschland – Polen (14.06.2006, 21:00 Uhr)          7 Serbien und Montenegro – Niederlande
//    8 Argentinien – Elfenbeinküste                        13 Trinidad und Tobago – Schweden
//   19 USA – Tschechische Republik                         37 Republik Korea – Togo
//   45 Saudiarabien – Tunesien                             49 Deutschland – Schweden (24.06.2006, 17:00 Uhr)
//   50 Polen – Ecuador again                               51 unbekannt – unbekannt (25.06.2006, 17:00 Uhr)
// Every other record is empty ("Deutschland – Deutschland"): no pairing. Anke has tipped 3 with 1:0 and 7 with
// 2:2; match 1 is evaluated (2:1).
#pragma once

#include "core/spielstand.h"

namespace ovi::test {

inline Spielstand tippspiel() {
    Spielstand s;
    const char* namen[] = {"Anke", "Bernd", "Jörg", "Carla"};
    for (int p = 0; p < 4; ++p) {
        s.setName(p, namen[p]);
        s.setSpieltMit(p, p < 3);
    }
    const struct {
        int nr, heim, aus;
        const char *datum, *zeit;
    } paare[] = {{1, 0, 1, "09.06.2006", "18:00 Uhr"},
                 {2, 2, 3, "09.06.2006", "21:00 Uhr"},
                 {3, 0, 2, "14.06.2006", "21:00 Uhr"},
                 {7, 10, 11, "", ""},
                 {8, 8, 9, "", ""},
                 {13, 6, 7, "", ""},
                 {19, 18, 19, "", ""},
                 {37, 26, 27, "", ""},
                 {45, 31, 30, "", ""},
                 {49, 0, 7, "24.06.2006", "17:00 Uhr"},
                 {50, 2, 3, "", ""},
                 {51, 32, 32, "25.06.2006", "17:00 Uhr"}};
    for (const auto& p : paare) {
        Spiel& sp = s.spiele[p.nr - 1];
        sp.heim = static_cast<Integer>(p.heim);
        sp.aus = static_cast<Integer>(p.aus);
        sp.datum = p.datum;
        sp.zeit = p.zeit;
    }
    s.spiele[0].ergHeim = 2;
    s.spiele[0].ergAus = 1;
    s.spiele[0].auswerten = true;
    s.tipps(0, 2, 0) = 1;
    s.tipps(0, 6, 0) = 2;
    s.tipps(0, 6, 1) = 2;
    return s;
}

}  // namespace ovi::test
