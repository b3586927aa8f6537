#include "core/paarungen.h"

namespace ovi {

bool paarungSteht(const Spiel& spiel) {
    const auto echt = [](int t) { return t >= 0 && t <= katalog::letzteMannschaft; };
    return echt(spiel.heim) && echt(spiel.aus) && spiel.heim != spiel.aus;
}

std::vector<int> spieleMitPaarung(const Spiele& spiele, int a, int b) {
    std::vector<int> aus;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const Spiel& sp = spiele[m];
        if (paarungSteht(sp) && ((sp.heim == a && sp.aus == b) || (sp.heim == b && sp.aus == a))) aus.push_back(m);
    }
    return aus;
}

std::string paarungText(const Spielstand& s, int spiel) { return s.getTeam(spiel, 0) + " – " + s.getTeam(spiel, 1); }

}  // namespace ovi
