#include "core/spielstand.h"

#include "core/auswertung.h"

namespace ovi {

int TippFeld::nummer(int spieler, int spiel, int seite) {
    if (spieler < 0 || spieler >= katalog::anzahlSpieler) meldeBereich(spieler, katalog::anzahlSpieler);
    if (spiel < 0 || spiel >= katalog::anzahlSpiele) meldeBereich(spiel, katalog::anzahlSpiele);
    if (seite < 0 || seite > 1) meldeBereich(seite, 2);
    return spieler + 25 * spiel + 1600 * seite;
}

Spielstand::Spielstand() {
    for (int i = 0; i < katalog::anzahlOrte; ++i) {
        orte[i] = katalog::orte[i];
        stadien[i] = katalog::stadien[i];
    }
    for (int i = 0; i < katalog::anzahlTage; ++i) tage[i] = katalog::tage[i];
    for (int i = 0; i < katalog::anzahlPhasen; ++i) phasen[i] = katalog::phasen[i];
    schiris[0] = katalog::schiriUnbekannt;
    for (int i = 0; i < katalog::anzahlNationen; ++i) nationen[i] = katalog::nationen[i];

    // The menu starts with "3-2-1-Regel" checked, so that rule is in force from the start.
    setzeEingebauteRegel(*this, 3);
    modusFarbe[3] = rgb(255, 255, 255);
    loescheAuswertung(*this);
}

int Spielstand::anzahlMitspieler() const {
    int n = 0;
    for (const Spieler& s : spieler) n += s.spieltMit ? 1 : 0;
    return n;
}

Integer Spielstand::getPaarung(int game, int heimaus) const {
    const Spiel& s = spiele[game];
    if (heimaus == 0) return s.heim;
    if (heimaus == 1) return s.aus;
    meldeBereich(heimaus, 2);
}

}  // namespace ovi
