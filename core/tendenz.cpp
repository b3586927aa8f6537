#include "core/tendenz.h"

namespace ovi {

std::array<Tendenz, katalog::anzahlSpiele> zaehleTendenzen(const Spielstand& s) {
    std::array<Tendenz, katalog::anzahlSpiele> t{};
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        if (!s.spieler[p].spieltMit) continue;
        for (int m = 0; m < katalog::anzahlSpiele; ++m) {
            const int d = s.tipps(p, m, 0) - s.tipps(p, m, 1);
            Tendenz& z = t.at(static_cast<std::size_t>(m));
            Integer& zaehler = d > 0 ? z.eins : d == 0 ? z.null : z.zwei;
            zaehler = plus16(zaehler, 1);
        }
    }
    return t;
}

}  // namespace ovi
