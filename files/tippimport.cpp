#include "files/tippimport.h"

#include <QFileInfo>

#include "core/tippzuordnung.h"
#include "files/dateiart.h"

namespace ovi {

void ergaenzeTipps(TippFeld& tipps, const TippFeld& ablage) {
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            if (tipps(p, m, 0) == 0 && tipps(p, m, 1) == 0) {
                tipps(p, m, 0) = ablage(p, m, 0);
                tipps(p, m, 1) = ablage(p, m, 1);
            }
}

Gelesen<std::vector<Tippdatei>> leseTippdateien(const QStringList& pfade, const Nationen& gehalten) {
    std::vector<Tippdatei> dateien;
    dateien.reserve(static_cast<std::size_t>(pfade.size()));
    for (const QString& pfad : pfade) {
        auto g = ladeSpieldatei(pfad, gehalten);
        if (!g)
            return {std::nullopt, (g.andereArt ? istSpielInfo(pfad) + ladenAlsSpielInfo : g.fehler) +
                                      " Es wurden keine Tipps übernommen."};
        dateien.push_back({QFileInfo(pfad).fileName(), std::move(*g.daten)});
    }
    return {std::move(dateien), {}};
}

std::vector<std::string> ergaenzeAusDatei(Spielstand& s, const Spieldatei& d, Zuordnung z) {
    s.spieleImport = d.spiele;  // the operator's results, flags and pairings stay
    s.tippsAblage = d.tippsAblage;
    if (z == Zuordnung::nachNamen) {
        const Namenszuordnung n = ordneNachNamen(s.spieler, d.spieler);
        ergaenzeTippsNachNamen(s.tipps, d.tippsAblage, n);
        return n.ohneZiel;
    }
    s.nationen = d.nationen;
    s.spieler = d.spieler;
    s.regel = d.regel;
    s.modusFarbe = d.modusFarbe;
    ergaenzeTipps(s.tipps, s.tippsAblage);
    return {};
}

std::string importiereTipps(Spielstand& s, const QStringList& pfade) {
    // Every file is checked before the first one is merged, so a bad file imports nothing.
    const auto dateien = leseTippdateien(pfade, s.nationen);
    if (!dateien) return dateien.fehler;
    Spielstand neu = s;
    for (const Tippdatei& d : *dateien.daten) ergaenzeAusDatei(neu, d.daten, Zuordnung::wieInDatei);
    s = std::move(neu);
    return {};
}

}  // namespace ovi
