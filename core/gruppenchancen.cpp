#include "core/gruppenchancen.h"

#include <algorithm>

namespace ovi {

namespace {

bool echt(int team) { return team >= 0 && team < katalog::unbekannt; }
bool echtePaarung(const Spiel& sp) { return echt(sp.heim) && echt(sp.aus) && sp.heim != sp.aus; }

// First row of the lot the row belongs to (the row itself when it shares none).
std::size_t losAnfang(const Gruppentabelle& t, std::size_t zeile) {
    while (zeile > 0 && t.zeilen[zeile].losMitVorigem) --zeile;
    return zeile;
}

bool unterErsteZwei(const Gruppentabelle& t, int team) {
    for (std::size_t z = 0; z < t.zeilen.size(); ++z)
        if (t.zeilen[z].team == team) return losAnfang(t, z) <= 1;
    return false;
}

}  // namespace

std::vector<int> teamsAufPlatz(const Gruppentabelle& t, int platz) {
    if (platz < 0 || platz >= static_cast<int>(t.zeilen.size())) return {};
    const std::size_t p = static_cast<std::size_t>(platz);
    std::size_t ende = p + 1;
    while (ende < t.zeilen.size() && t.zeilen[ende].losMitVorigem) ++ende;
    std::vector<int> teams;
    for (std::size_t z = losAnfang(t, p); z < ende; ++z) teams.push_back(t.zeilen[z].team);
    std::sort(teams.begin(), teams.end());
    return teams;
}

bool kannUnterErsteZwei(const Spiele& spiele, int gruppe, int team, std::stop_token halt) {
    if (gruppe < 0 || gruppe > 7) meldeBereich(gruppe, 8);
    // The team wins every open match of its own 9:0: more points and goals for it, fewer for the other side,
    // never a worse place. The other open matches are tried with every result that could matter: a draw
    // without goals (goals only lift the others) and wins without a goal against, of every margin.
    Spiele w = spiele;
    std::vector<int> andere;
    int dabei = 0;
    for (int m = 6 * gruppe; m < 6 * gruppe + 6; ++m) {
        Spiel& sp = w[m];
        if (!echtePaarung(sp)) continue;
        dabei += sp.heim == team || sp.aus == team;
        if (sp.auswerten) continue;
        if (sp.heim == team || sp.aus == team) {
            sp.ergHeim = static_cast<Integer>(sp.heim == team ? 9 : 0);
            sp.ergAus = static_cast<Integer>(sp.heim == team ? 0 : 9);
            sp.auswerten = true;
        } else {
            andere.push_back(m);
        }
    }
    if (dabei == 0) return false;
    static constexpr int ergebnisse[19][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0},
                                              {7, 0}, {8, 0}, {9, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4},
                                              {0, 5}, {0, 6}, {0, 7}, {0, 8}, {0, 9}};
    for (int m : andere) w[m].auswerten = true;
    std::vector<int> wahl(andere.size(), 0);
    while (true) {
        if (halt.stop_requested()) return false;
        for (std::size_t i = 0; i < andere.size(); ++i) {
            w[andere[i]].ergHeim = static_cast<Integer>(ergebnisse[wahl[i]][0]);
            w[andere[i]].ergAus = static_cast<Integer>(ergebnisse[wahl[i]][1]);
        }
        if (unterErsteZwei(gruppenTabelle(w, gruppe), team)) return true;
        std::size_t i = 0;
        while (i < wahl.size() && ++wahl[i] == 19) wahl[i++] = 0;
        if (i == wahl.size()) return false;
    }
}

std::vector<int> moeglicheErsteZwei(const Spiele& spiele, int gruppe, std::stop_token halt) {
    std::vector<int> teams;
    for (const Gruppenzeile& z : gruppenTabelle(spiele, gruppe).zeilen)
        if (kannUnterErsteZwei(spiele, gruppe, z.team, halt)) teams.push_back(z.team);
    std::sort(teams.begin(), teams.end());
    return teams;
}

}  // namespace ovi
