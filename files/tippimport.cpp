#include "files/tippimport.h"

#include <QStringList>
#include <vector>

#include "files/dateiart.h"
#include "files/spieldatei.h"

namespace ovi {

void ergaenzeTipps(TippFeld& tipps, const TippFeld& ablage) {
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            if (tipps(p, m, 0) == 0 && tipps(p, m, 1) == 0) {
                tipps(p, m, 0) = ablage(p, m, 0);
                tipps(p, m, 1) = ablage(p, m, 1);
            }
}

std::string importiereTipps(Spielstand& s, const QStringList& pfade) {
    // Every file is checked before the first one is merged, so a bad file imports nothing.
    std::vector<Spieldatei> dateien;
    dateien.reserve(static_cast<std::size_t>(pfade.size()));
    for (const QString& pfad : pfade) {
        auto g = ladeSpieldatei(pfad, s.nationen);
        if (!g)
            return (g.andereArt ? istSpielInfo(pfad) + ladenAlsSpielInfo : g.fehler) +
                   " Es wurden keine Tipps übernommen.";
        dateien.push_back(std::move(*g.daten));
    }
    Spielstand neu = s;
    for (const Spieldatei& d : dateien) {
        neu.nationen = d.nationen;
        neu.spieleImport = d.spiele;  // the operator's results, flags and pairings stay
        neu.spieler = d.spieler;
        neu.regel = d.regel;
        neu.modusFarbe = d.modusFarbe;
        neu.tippsAblage = d.tippsAblage;
        ergaenzeTipps(neu.tipps, neu.tippsAblage);
    }
    s = std::move(neu);
    return {};
}

}  // namespace ovi
