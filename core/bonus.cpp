// World champion and bonus award.
#include "auswertung.h"
#include "rangliste.h"

namespace ovi {

bool finaleUndBonus(const Spielstand& s) { return s.spiele[63].auswerten && s.regel.bonus; }

void vergebeBonus(Spielstand& s, int pkt) {
    auto auswertung = s.auswertung;
    Liste<bool, katalog::anzahlSpieler> sieger;
    // Only a real team can be champion; a tip of -1 ("none chosen") never matches.
    const bool bekannt = s.weltmeister >= 0 && s.weltmeister <= 31;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        Auswertung& a = auswertung[p];
        const bool getroffen = bekannt && s.spieler[p].weltmeisterTipp == s.weltmeister && s.spieler[p].spieltMit;
        a.wmBonus = getroffen ? alsInteger(pkt) : Integer{0};
        a.gesamt = plus16(a.punkte, a.wmBonus);
        sieger[p] = getroffen;
    }
    s.auswertung = auswertung;
    s.sieger = sieger;
    sortiereTabelle(s, 0);
}

Bonusausgang pruefeWeltmeister(Spielstand& s, bool finaleUndBonus) {
    if (!finaleUndBonus) {
        vergebeBonus(s, 0);
        return Bonusausgang::ohneBonus;
    }
    const Spiel& finale = s.spiele[63];
    const Integer d = minus16(finale.ergHeim, finale.ergAus);
    if (d == 0) {
        // Finish without bonus first, so nothing stays at 0 when the question is dismissed.
        vergebeBonus(s, 0);
        return Bonusausgang::weltmeisterFrage;
    }
    const Integer weltmeister = d > 0 ? finale.heim : finale.aus;
    const Integer vorher = s.weltmeister;
    s.weltmeister = weltmeister;
    try {
        vergebeBonus(s, s.regel.bonuspunkte);
    } catch (...) {
        s.weltmeister = vorher;
        throw;
    }
    return Bonusausgang::bonusVergeben;
}

void setWeltmeister(Spielstand& s, const std::string& team) {
    const Integer vorher = s.weltmeister;
    const auto plaetze = s.auswertung;
    for (int l = 0; l <= 31; ++l)
        if (team == s.nationen[l]) s.weltmeister = static_cast<Integer>(l);
    // The answer completes the evaluation, so ties in the total go to the lower slot as after any evaluation.
    for (int p = 0; p < katalog::anzahlSpieler; ++p) s.auswertung[p].platz = static_cast<Integer>(p);
    try {
        vergebeBonus(s, s.regel.bonuspunkte);
    } catch (...) {
        s.weltmeister = vorher;
        s.auswertung = plaetze;
        throw;
    }
}

Bonusausgang werteKomplettAus(Spielstand& s) {
    const auto auswertung = s.auswertung;
    const auto sieger = s.sieger;
    const Integer weltmeister = s.weltmeister;
    try {
        loescheAuswertung(s);
        werteAus(s);
        return pruefeWeltmeister(s, finaleUndBonus(s));
    } catch (...) {
        s.auswertung = auswertung;
        s.sieger = sieger;
        s.weltmeister = weltmeister;
        throw;
    }
}

std::string bonusSiegerText(const Spielstand& s, const Liste<bool, katalog::anzahlSpieler>& sieger) {
    std::string text = "Folgende Teilnehmer haben den Weltmeister\r\nrichtig vorhergesagt und bekommen deshalb " +
                       std::to_string(s.regel.bonuspunkte) + " Bonuspunkte gutgeschrieben:\r\n";
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (sieger[p]) text += "\r\n          " + s.spieler[p].name;
    return text;
}

}  // namespace ovi
