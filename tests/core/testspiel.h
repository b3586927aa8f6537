// Small helpers to set up games in tests.
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "core/auswertung.h"
#include "core/gruppen.h"
#include "core/spielstand.h"

namespace ovi::test {

// A whole file of the test data folder, for outputs compared as a whole.
inline std::string lies(const std::string& name) {
    std::ifstream f(std::string(OVI_TESTDATEN) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// "team S-U-N tore:gegen punkte" per row, "*" where only the lot parts them, then the places decided ("?" open).
inline std::string gruppenText(const Gruppentabelle& t) {
    std::string text;
    for (const Gruppenzeile& r : t.zeilen)
        text += (text.empty() ? "" : " | ") + std::to_string(r.team) + " " + std::to_string(r.siege) + "-" +
                std::to_string(r.unentschieden) + "-" + std::to_string(r.niederlagen) + " " + std::to_string(r.tore) +
                ":" + std::to_string(r.gegentore) + " " + std::to_string(r.punkte) + (r.los ? "*" : "");
    text += " ->";
    for (int p = 0; p < 4; ++p) text += " " + (t.entschieden(p) ? std::to_string(*t.entschieden(p)) : std::string("?"));
    return text;
}

// "48 3-6, 49 11-14, ...", 32 for a side not known.
inline std::string paarungen(const Spiele& s, int von, int bis) {
    std::string t;
    for (int m = von; m <= bis; ++m)
        t += (t.empty() ? "" : ", ") + std::to_string(m) + " " + std::to_string(s[m].heim) + "-" +
             std::to_string(s[m].aus);
    return t;
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
    s.spieler[0] = {"Anna", 31, true}, s.spieler[1] = {"Ben & <Co>", 24, true}, s.spieler[2] = {"Carl", 31, false};
    s.spieler[3] = {"Dora", -1, true}, s.spieler[24] = {"Zoe", 31, true};
    const auto tipp = [&s](int p, int m, int h, int a) {
        s.tipps(p, m, 0) = Integer(h), s.tipps(p, m, 1) = Integer(a);
    };
    for (int m = 0; m < 64; ++m) tipp(3, m, 5, 5);
    for (int m = 0; m < 15; ++m) {
        const int g = m < 14 ? m / 6 : 3, i = m < 14 ? m % 6 : 2, *e = gruppenspiele[m], n = m < 14 ? m : 20;
        s.spiele[n] = {Integer(4 * g + paare[i][0]),
                       Integer(4 * g + paare[i][1]),
                       Integer(e[0]),
                       Integer(e[1]),
                       m < 14,
                       0,
                       0,
                       "1" + std::to_string(g) + ".06.2006",
                       "",
                       0,
                       0,
                       ""};
        tipp(0, n, e[2], e[3]), tipp(1, n, 1, 0), tipp(2, n, 2, 1), tipp(24, n, e[0], e[1]);
    }
    s.spiele[50] = {10, 9, 2, 0, true, 0, 0, "24.06.2006", "", 0, 0, ""};
    s.spiele[63] = {31, 24, Integer(finaleHeim), Integer(finaleAus), finaleGewertet, 0, 0, "09.07.2006", "", 0, 0, ""};
    tipp(0, 50, 3, 1), tipp(1, 50, 1, 0), tipp(0, 63, 1, 0), tipp(1, 63, 0, 1);
    for (int m : {50, 63}) tipp(24, m, s.spiele[m].ergHeim, s.spiele[m].ergAus);
    return s;
}

}  // namespace ovi::test
