#include "core/ausgangsklassen.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "core/auswertung.h"

namespace ovi {

const std::vector<std::array<int, 2>>& ergebnisseSchlichtZuerst() {
    static const std::vector<std::array<int, 2>> alle = [] {
        std::vector<std::array<int, 2>> e;
        for (int h = 0; h <= 9; ++h)
            for (int a = 0; a <= 9; ++a) e.push_back({h, a});
        std::stable_sort(e.begin(), e.end(), [](const auto& x, const auto& y) {
            const auto schluessel = [](const std::array<int, 2>& r) {
                return std::array<int, 3>{r[0] + r[1], std::abs(r[0] - r[1]), r[0] < r[1]};
            };
            return schluessel(x) < schluessel(y);
        });
        return e;
    }();
    return alle;
}

std::vector<Ausgangsklasse> ausgangsklassen(const std::vector<std::array<int, 2>>& tipps,
                                            const std::array<int, 3>& modusPunkte, bool tendenzTrennt) {
    std::map<std::vector<int>, std::size_t> gesehen;  // points (and tendency) -> index of the class
    std::vector<Ausgangsklasse> klassen;
    for (const auto& [h, a] : ergebnisseSchlichtZuerst()) {
        std::vector<int> punkte(tipps.size());
        for (std::size_t i = 0; i < tipps.size(); ++i) {
            const int c = trefferKategorie(tipps[i][0], tipps[i][1], h, a);
            punkte[i] = c < 3 ? modusPunkte[static_cast<std::size_t>(c)] : 0;
        }
        std::vector<int> schluessel = punkte;
        schluessel.push_back(tendenzTrennt ? tendenzVon(h, a) : 0);
        if (gesehen.emplace(std::move(schluessel), klassen.size()).second)
            klassen.push_back({h, a, tendenzVon(h, a), std::move(punkte)});
    }
    return klassen;
}

}  // namespace ovi
