// World champion and bonus award: decided from the final or asked of the operator, then credited.
#pragma once

#include <string>

#include "core/spielstand.h"

namespace ovi {

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

// loescheAuswertung, werteAus, pruefeWeltmeister: the whole chain after the write-back, whole or not at all.
Bonusausgang werteKomplettAus(Spielstand& s);

// Text of the list of bonus winners (CR LF line ends) for the winners marked in sieger.
std::string bonusSiegerText(const Spielstand& s, const Liste<bool, katalog::anzahlSpieler>& sieger);

}  // namespace ovi
