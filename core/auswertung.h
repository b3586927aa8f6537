// Scoring: hit categories, the built-in rules, the evaluation records.
#pragma once

#include <string>

#include "core/spielstand.h"

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

}  // namespace ovi
