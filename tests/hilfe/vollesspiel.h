// A full game for measuring: 25 participants, 64 matches with results, all flagged.
#pragma once

#include "core/spielstand.h"
#include "core/zufall.h"

namespace ovi::test {

inline Spielstand vollesSpiel() {
    Spielstand s;
    Zufall z;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        s.setName(p, "Spieler " + std::to_string(p + 1));
        s.setSpieltMit(p, true);
        s.setWMTipp(p, p % 32);
    }
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& sp = s.spiele[m];
        sp.heim = static_cast<Integer>(m % 32);
        sp.aus = static_cast<Integer>((m * 5 + 1) % 32);
        sp.ergHeim = static_cast<Integer>(z.tor());
        sp.ergAus = static_cast<Integer>(z.tor());
        sp.auswerten = true;
        sp.datum = "17.06.2006";
        sp.zeit = "21:00 Uhr";
        sp.quote = "1,45  -  4,50  -  8,00";
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            s.tipps(p, m, 0) = static_cast<Integer>(z.tor());
            s.tipps(p, m, 1) = static_cast<Integer>(z.tor());
        }
    }
    s.spiele[63].ergHeim = 2;  // a decided final, so the bonus is credited without a question
    s.spiele[63].ergAus = 1;
    s.regel.bonus = true;
    s.regel.bonuspunkte = 10;
    return s;
}

}  // namespace ovi::test
