// Small helpers to set up games in tests.
#pragma once

#include <exception>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "core/gruppen.h"
#include "core/spielstand.h"

namespace ovi::test {

// A whole file of the test data folder, for outputs compared as a whole.
inline std::string lies(const std::string& name) {
    std::ifstream f(std::string(OVI_TESTDATEN) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

// The message of what a call throws; "kein Fehler" when it throws nothing.
inline std::string fehlerText(const std::function<void()>& aufruf) {
    try {
        aufruf();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "kein Fehler";
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

// The six pairings of a group by the teams' places in it.
inline const int paare[6][2] = {{0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2}};

}  // namespace ovi::test
