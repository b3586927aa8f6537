// A pool part-way through the tournament, for the chances: real groups and the bracket of 2006, random results
// and tips, every match before `ersteOffene` counted, the pairings the counted results decide filled in.
#pragma once

#include "core/kobaum.h"
#include "core/spielstand.h"
#include "core/zufall.h"

namespace ovi::test {

inline Spielstand chancenSpiel(int ersteOffene, int teilnehmer = katalog::anzahlSpieler) {
    static constexpr int paare[6][2] = {{0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2}};
    Spielstand s;
    Zufall z;
    s.regel.modus = 3;
    s.regel.modusPunkte[0] = 3;
    s.regel.modusPunkte[1] = 2;
    s.regel.modusPunkte[2] = 1;
    s.regel.bonus = true;
    s.regel.bonuspunkte = 10;
    for (int p = 0; p < teilnehmer; ++p) {
        s.setName(p, "Spieler " + std::to_string(p + 1));
        s.setSpieltMit(p, true);
        s.setWMTipp(p, static_cast<int>(32 * z.naechster()));
    }
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        Spiel& sp = s.spiele[m];
        sp.heim = sp.aus = katalog::unbekannt;
        if (m < erstesKoSpiel) {
            sp.heim = static_cast<Integer>(4 * (m / 6) + paare[m % 6][0]);
            sp.aus = static_cast<Integer>(4 * (m / 6) + paare[m % 6][1]);
        }
        sp.ergHeim = static_cast<Integer>(z.tor());
        sp.ergAus = static_cast<Integer>(z.tor());
        // A counted knock-out match is won: penalties are in no file.
        if (m >= erstesKoSpiel && sp.ergHeim == sp.ergAus) ++sp.ergHeim;
        sp.auswerten = m < ersteOffene;
        for (int p = 0; p < teilnehmer; ++p) {
            s.tipps(p, m, 0) = static_cast<Integer>(z.tor());
            s.tipps(p, m, 1) = static_cast<Integer>(z.tor());
        }
    }
    for (int m = 0; m < katalog::anzahlSpiele; ++m)
        if (!s.spiele[m].auswerten) s.spiele[m].ergHeim = s.spiele[m].ergAus = 0;
    fuelleKoPaarungen(s.spiele);
    return s;
}

}  // namespace ovi::test
