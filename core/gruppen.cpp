#include "core/gruppen.h"

#include <algorithm>
#include <array>
#include <tuple>

namespace ovi {

namespace {

bool echtePaarung(const Spiel& sp) {
    return sp.heim >= 0 && sp.heim < katalog::unbekannt && sp.aus >= 0 && sp.aus < katalog::unbekannt &&
           sp.heim != sp.aus;
}

Gruppenzeile* zeileVon(std::vector<Gruppenzeile>& zeilen, int team) {
    for (Gruppenzeile& z : zeilen)
        if (z.team == team) return &z;
    return nullptr;
}

void zaehle(Gruppenzeile& z, int eigene, int andere) {
    ++z.spiele;
    z.tore += eigene;
    z.gegentore += andere;
    if (eigene > andere) {
        ++z.siege;
        z.punkte += siegPunkte;
    } else if (eigene == andere) {
        ++z.unentschieden;
        z.punkte += 1;
    } else {
        ++z.niederlagen;
    }
}

// Counts the matches among `zeilen` only; a match with an outside team is skipped.
void zaehleSpiele(std::vector<Gruppenzeile>& zeilen, const std::vector<const Spiel*>& gezaehlt) {
    for (const Spiel* sp : gezaehlt) {
        Gruppenzeile* h = zeileVon(zeilen, sp->heim);
        Gruppenzeile* a = zeileVon(zeilen, sp->aus);
        if (!h || !a) continue;
        zaehle(*h, sp->ergHeim, sp->ergAus);
        zaehle(*a, sp->ergAus, sp->ergHeim);
    }
}

auto schluessel(const Gruppenzeile& z) { return std::tuple(z.punkte, z.differenz(), z.tore); }

}  // namespace

std::optional<int> Gruppentabelle::entschieden(int platz) const {
    if (!fertig() || zeilen.size() != 4 || platz < 0 || platz >= 4) return {};
    const Gruppenzeile& z = zeilen[static_cast<std::size_t>(platz)];
    if (z.los) return {};
    return z.team;
}

Gruppentabelle gruppenTabelle(const Spiele& spiele, int gruppe) {
    if (gruppe < 0 || gruppe > 7) meldeBereich(gruppe, 8);
    Gruppentabelle t;
    t.gruppe = gruppe;
    std::vector<const Spiel*> gezaehlt;
    std::array<bool, katalog::unbekannt> dabei{};
    for (int m = 6 * gruppe; m < 6 * gruppe + 6; ++m) {
        const Spiel& sp = spiele[m];
        if (!echtePaarung(sp)) continue;
        dabei[static_cast<std::size_t>(sp.heim)] = dabei[static_cast<std::size_t>(sp.aus)] = true;
        if (sp.auswerten) gezaehlt.push_back(&sp);
    }
    t.gewertet = static_cast<int>(gezaehlt.size());
    for (int team = 0; team < katalog::unbekannt; ++team)
        if (dabei[static_cast<std::size_t>(team)]) t.zeilen.push_back({.team = team});
    zaehleSpiele(t.zeilen, gezaehlt);

    auto vorn = [](const auto& a, const auto& b) { return schluessel(a) > schluessel(b); };
    std::stable_sort(t.zeilen.begin(), t.zeilen.end(), vorn);
    if (t.gewertet == 0) return t;  // nothing played: no order to decide yet

    for (auto anfang = t.zeilen.begin(); anfang != t.zeilen.end();) {
        auto ende = std::find_if(anfang, t.zeilen.end(),
                                 [&](const Gruppenzeile& z) { return schluessel(z) != schluessel(*anfang); });
        if (ende - anfang > 1) {
            // The level teams once more, counting only their matches against each other.
            std::vector<Gruppenzeile> unter;
            for (auto z = anfang; z != ende; ++z) unter.push_back({.team = z->team});
            zaehleSpiele(unter, gezaehlt);
            std::stable_sort(unter.begin(), unter.end(), vorn);
            std::vector<bool> los(unter.size()), mitVorigem(unter.size());
            for (std::size_t i = 0; i + 1 < unter.size(); ++i)
                if (schluessel(unter[i]) == schluessel(unter[i + 1])) los[i] = los[i + 1] = mitVorigem[i + 1] = true;
            for (std::size_t i = 0; i < unter.size(); ++i) {
                const int team = unter[i].team;
                unter[i] = *std::find_if(anfang, ende, [team](const Gruppenzeile& z) { return z.team == team; });
                unter[i].los = los[i];
                unter[i].losMitVorigem = mitVorigem[i];
            }
            std::copy(unter.begin(), unter.end(), anfang);
        }
        anfang = ende;
    }
    return t;
}

}  // namespace ovi
