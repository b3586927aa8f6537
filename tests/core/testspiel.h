// Small helpers to set up games in tests.
#pragma once

#include <fstream>
#include <sstream>
#include <string>

#include "spielstand.h"

namespace ovi::test {

#ifdef OVI_TESTDATEN
// A whole file of the test data folder, for outputs compared as a whole.
inline std::string lies(const std::string& name) {
    std::ifstream f(std::string(OVI_TESTDATEN) + "/" + name, std::ios::binary);
    std::stringstream inhalt;
    inhalt << f.rdbuf();
    return inhalt.str();
}
#endif

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

}  // namespace ovi::test
