// World champion and bonus award.
#include "core/bonus.h"

#include "core/auswertung.h"
#include "core/rangliste.h"

namespace ovi {

namespace {

// Runs a step of the evaluation whole or not at all: if it throws, results, winners and champion are as before.
template <class Schritt>
auto ganzOderGarNicht(Spielstand& s, Schritt schritt) {
    const auto auswertung = s.auswertung;
    const auto sieger = s.sieger;
    const Integer weltmeister = s.weltmeister;
    try {
        return schritt();
    } catch (...) {
        s.auswertung = auswertung;
        s.sieger = sieger;
        s.weltmeister = weltmeister;
        throw;
    }
}

}  // namespace

bool finaleUndBonus(const Spielstand& s) { return s.spiele[63].auswerten && s.regel.bonus; }

void vergebeBonus(Spielstand& s, int pkt) {
    auto auswertung = s.auswertung;
    Liste<bool, katalog::anzahlSpieler> sieger;
    // Only a real team can be champion; a tip of -1 ("none chosen") never matches.
    const bool bekannt = s.weltmeister >= 0 && s.weltmeister <= katalog::letzteMannschaft;
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
    return ganzOderGarNicht(s, [&] {
        s.weltmeister = weltmeister;
        vergebeBonus(s, s.regel.bonuspunkte);
        return Bonusausgang::bonusVergeben;
    });
}

void setWeltmeister(Spielstand& s, const std::string& team) {
    ganzOderGarNicht(s, [&] {
        if (const int l = katalog::mannschaftNr(s.nationen, team); l >= 0) s.weltmeister = static_cast<Integer>(l);
        // The answer completes the evaluation, so ties in the total go to the lower slot as after any evaluation.
        for (int p = 0; p < katalog::anzahlSpieler; ++p) s.auswertung[p].platz = static_cast<Integer>(p);
        vergebeBonus(s, s.regel.bonuspunkte);
    });
}

Bonusausgang werteKomplettAus(Spielstand& s) {
    return ganzOderGarNicht(s, [&] {
        loescheAuswertung(s);
        werteAus(s);
        return pruefeWeltmeister(s, finaleUndBonus(s));
    });
}

std::string bonusSiegerText(const Spielstand& s, const Liste<bool, katalog::anzahlSpieler>& sieger) {
    std::string text = "Folgende Teilnehmer haben den Weltmeister\r\nrichtig vorhergesagt und bekommen deshalb " +
                       std::to_string(s.regel.bonuspunkte) + " Bonuspunkte gutgeschrieben:\r\n";
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (sieger[p]) text += "\r\n          " + s.spieler[p].name;
    return text;
}

}  // namespace ovi
