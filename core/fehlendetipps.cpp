#include "core/fehlendetipps.h"

#include "core/paarungen.h"

namespace ovi {

std::vector<FehlendeTipps> fehlendeTipps(const Spielstand& s) {
    std::vector<FehlendeTipps> aus;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        if (!s.getSpieltMit(p)) continue;
        FehlendeTipps f{p, {}};
        for (int m = 0; m < katalog::anzahlSpiele; ++m) {
            const Spiel& sp = s.spiele[m];
            // An evaluated match is over: a tip can no longer come.
            if (!sp.auswerten && paarungSteht(sp) && s.tipps(p, m, 0) == 0 && s.tipps(p, m, 1) == 0)
                f.spiele.push_back(m);
        }
        aus.push_back(std::move(f));
    }
    return aus;
}

}  // namespace ovi
