// Small helpers to set up games in tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "auswertung.h"
#include "spielstand.h"

namespace ovi::test {

// A whole file of the test data folder, for outputs compared as a whole.
inline std::string lies(const std::string& name) {
    std::ifstream f(std::string(OVI_TESTDATEN) + "/" + name, std::ios::binary);
    std::stringstream inhalt;
    inhalt << f.rdbuf();
    return inhalt.str();
}

inline void setzeSpiel(Spielstand& s, int m, int heim, int aus, int erg1, int erg2, bool auswerten = true) {
    Spiel& sp = s.spiele[m];
    sp.heim = static_cast<Integer>(heim);
    sp.aus = static_cast<Integer>(aus);
    sp.ergHeim = static_cast<Integer>(erg1);
    sp.ergAus = static_cast<Integer>(erg2);
    sp.auswerten = auswerten;
}

inline void setzeTipp(Spielstand& s, int p, int m, int heim, int aus) {
    s.tipps(p, m, 0) = static_cast<Integer>(heim);
    s.tipps(p, m, 1) = static_cast<Integer>(aus);
}

inline void mitspieler(Spielstand& s, int p, const std::string& name, int wmTipp = 0) {
    s.setName(p, name);
    s.setSpieltMit(p, true);
    s.setWMTipp(p, wmTipp);
}

// Groups A..C: team 4g+i; results of the 14 flagged group matches and Anna's tip on each, every row of the hit
// table (exact, goal difference, tendency, miss, each drawn and decided). Match 20 has a result, unflagged.
inline const int gruppenspiele[15][4] = {{3, 1, 3, 1}, {0, 0, 0, 0}, {3, 1, 2, 0}, {1, 3, 0, 2}, {3, 0, 4, 1},
                                         {3, 1, 1, 0}, {2, 2, 1, 1}, {3, 3, 0, 0}, {0, 1, 0, 3}, {1, 3, 3, 1},
                                         {2, 1, 1, 1}, {0, 1, 0, 0}, {1, 1, 2, 1}, {0, 0, 1, 0}, {3, 1, 3, 1}};
inline const int paare[6][2] = {{0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2}};

// Anna (tips Saudiarabien), Ben & <Co> (Frankreich), Carl (Saudiarabien, does not play along), Dora (no champion,
// 5:5 everywhere), Zoe in slot 24 (Saudiarabien, every result exact). Final Saudiarabien against Frankreich.
inline Spielstand gesamtspiel(int modus, int finaleHeim, int finaleAus, bool finaleGewertet) {
    Spielstand s;
    if (modus) setzeEingebauteRegel(s, modus);
    s.regel.modus = static_cast<Integer>(modus);
    for (int i = 0; !modus && i < 3; ++i) s.setModusPunkte(i, "\5\0\4"[i]), s.setModusFarbe(i, i + 1);
    s.setBonus(true), s.setBonuspunkte(modus ? 10 : 1);
    mitspieler(s, 0, "Anna", 31), mitspieler(s, 1, "Ben & <Co>", 24), mitspieler(s, 3, "Dora", -1);
    mitspieler(s, 24, "Zoe", 31), s.setName(2, "Carl"), s.setWMTipp(2, 31);
    for (int m = 0; m < 15; ++m) {
        const int g = m < 14 ? m / 6 : 3, i = m < 14 ? m % 6 : 2, *e = gruppenspiele[m], n = m < 14 ? m : 20;
        setzeSpiel(s, n, 4 * g + paare[i][0], 4 * g + paare[i][1], e[0], e[1], m < 14);
        s.spiele[n].datum = "1" + std::to_string(g) + ".06.2006";
        setzeTipp(s, 0, n, e[2], e[3]), setzeTipp(s, 1, n, 1, 0), setzeTipp(s, 2, n, 2, 1),
            setzeTipp(s, 24, n, e[0], e[1]);
    }
    setzeSpiel(s, 50, 10, 9, 2, 0);
    setzeSpiel(s, 63, 31, 24, finaleHeim, finaleAus, finaleGewertet);
    s.spiele[50].datum = "24.06.2006", s.spiele[63].datum = "09.07.2006";
    const int ko[2][5] = {{3, 1, 1, 0, 2}, {1, 0, 0, 1, 1}};  // Anna, Ben, Carl, Zoe's tips on 50 and 63
    for (int k = 0; k < 2; ++k) {
        const int m = k ? 63 : 50;
        setzeTipp(s, 0, m, ko[k][0], ko[k][1]), setzeTipp(s, 1, m, ko[k][2], ko[k][3]);
        setzeTipp(s, 24, m, s.spiele[m].ergHeim, s.spiele[m].ergAus);
    }
    for (int m = 0; m < 64; ++m) setzeTipp(s, 3, m, 5, 5);
    return s;
}

}  // namespace ovi::test
