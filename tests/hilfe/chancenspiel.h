// Pools part-way through the tournament, for the chances: real groups and the bracket of 2006, random results,
// every match before `ersteOffene` counted, the pairings the counted results decide filled in.
#pragma once

#include "core/auswertung.h"
#include "core/kobaum.h"
#include "core/spielstand.h"
#include "core/zufall.h"

namespace ovi::test {

// Tips at random, 0 to 3 goals a side; champion tips at random among all 32 teams.
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

// Tips like those of a real pool: the favourite of each match (mostly the home side) wins 1:0, 2:1 or 2:0, some
// tip a draw, few an upset; champion tips among twelve favourites, each with some repeats.
inline Spielstand wieEineEchteRunde(int ersteOffene, int teilnehmer = katalog::anzahlSpieler) {
    Spielstand s = chancenSpiel(ersteOffene, teilnehmer);
    Zufall z;
    static constexpr int haeufig[16][2] = {{1, 0}, {1, 0}, {1, 0}, {2, 1}, {2, 1}, {2, 1}, {2, 0}, {2, 0},
                                           {1, 1}, {1, 1}, {3, 1}, {3, 0}, {0, 0}, {0, 1}, {1, 2}, {2, 2}};
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const bool heimFavorit = (m * 7 + 3) % 5 != 0;
        for (int p = 0; p < teilnehmer; ++p) {
            const auto& t = haeufig[static_cast<int>(16 * z.naechster())];
            s.tipps(p, m, 0) = static_cast<Integer>(heimFavorit ? t[0] : t[1]);
            s.tipps(p, m, 1) = static_cast<Integer>(heimFavorit ? t[1] : t[0]);
        }
    }
    static constexpr int favoriten[12] = {0, 0, 4, 4, 8, 12, 16, 20, 24, 28, 1, 5};
    for (int p = 0; p < teilnehmer; ++p) s.setWMTipp(p, favoriten[static_cast<int>(12 * z.naechster())]);
    return s;
}

// Third place Deutschland – Portugal and the final Italien – Frankreich open, both pairings in the records; 3-2-1
// with a bonus of 10. Every other match counts, 1:0 where nobody tipped (no points), except match 0, 2:1: Anna
// tipped 2:1 (3 points), Bernd 1:0 (2), Cem 0:0 (none). Champion tips: Anna Italien, Bernd Frankreich, Cem
// Deutschland. Third place and final: Anna 1:0 and 2:1, Bernd 1:0 and 0:1, Cem 0:3 and 1:1.
inline Spielstand endspiel() {
    constexpr int deutschland = 0, portugal = 15, italien = 16, frankreich = 24;
    Spielstand s;
    setzeEingebauteRegel(s, 3);
    s.setBonus(true);
    s.setBonuspunkte(10);
    s.spieler[0] = {"Anna", italien, true};
    s.spieler[1] = {"Bernd", frankreich, true};
    s.spieler[2] = {"Cem", deutschland, true};
    for (int m = 0; m < 62; ++m) {
        s.spiele[m].ergHeim = 1;
        s.spiele[m].auswerten = true;
    }
    s.spiele[0].ergHeim = 2;
    s.spiele[0].ergAus = 1;
    s.spiele[62].heim = deutschland;
    s.spiele[62].aus = portugal;
    s.spiele[63].heim = italien;
    s.spiele[63].aus = frankreich;
    const int tipps[3][6] = {{2, 1, 1, 0, 2, 1}, {1, 0, 1, 0, 0, 1}, {0, 0, 0, 3, 1, 1}};  // match 0, 62, 63
    const int spiele[3] = {0, 62, 63};
    for (int p = 0; p < 3; ++p)
        for (int i = 0; i < 3; ++i) {
            s.tipps(p, spiele[i], 0) = static_cast<Integer>(tipps[p][2 * i]);
            s.tipps(p, spiele[i], 1) = static_cast<Integer>(tipps[p][2 * i + 1]);
        }
    return s;
}

}  // namespace ovi::test
