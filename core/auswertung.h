// Scoring: hit categories, the built-in rules, the evaluation records, champion and bonus.
#pragma once

#include <string>

#include "spielstand.h"

namespace ovi {

// 0 exact result, 1 goal difference (never for a drawn result), 2 tendency, 3 no hit.
int trefferKategorie(int tippHeim, int tippAus, int ergHeim, int ergAus);

// Writes modus, the three point values and colours 0..2 of a built-in rule (1, 2 or 3).
void setzeEingebauteRegel(Spielstand& s, int modus);
// "Eigene Regel", "2-Punkte-Regel", "3-Punkte-Regel", "3-2-1-Regel"; empty for anything else.
std::string regelName(int modus);

void loescheAuswertung(Spielstand& s);
// Scores every flagged match for every participant; writes nothing if it fails.
void werteAus(Spielstand& s);
Integer summeAbschnitte(const Spielstand& s, int spieler, int von, int bis);

// What the window has to show once an evaluation ends.
enum class Bonusausgang {
    ohneBonus,         // bonus off or final not flagged: no dialog
    bonusVergeben,     // champion known: the list of bonus winners opens
    weltmeisterFrage,  // drawn final: ask which finalist won
};

// True when the final is flagged and the bonus is switched on.
bool finaleUndBonus(const Spielstand& s);
Bonusausgang pruefeWeltmeister(Spielstand& s, bool finaleUndBonus);
// Credits pkt to every participant who tipped the champion, sets totals, sorts by "Gesamtpunkte".
void vergebeBonus(Spielstand& s, int pkt);
// The operator's answer after a drawn final: a team name as held in nationen 0..31.
void setWeltmeister(Spielstand& s, const std::string& team);

// loescheAuswertung, werteAus, pruefeWeltmeister: the whole chain after the write-back.
Bonusausgang werteKomplettAus(Spielstand& s);

// Text of the list of bonus winners (CR LF line ends) for the winners marked in sieger.
std::string bonusSiegerText(const Spielstand& s, const Liste<bool, katalog::anzahlSpieler>& sieger);

}  // namespace ovi
