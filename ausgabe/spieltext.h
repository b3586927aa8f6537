// A match and a participant as the tip sheet and the list of missing tips name them.
#pragma once

#include <string>

#include "core/spielstand.h"

namespace ovi {

// "24.06., 17:00": the day without the year and the kick-off without "Uhr" where the record has them in the usual
// form, else its own texts; empty when it has neither.
std::string terminKurz(const Spiel& spiel);
// "49 Deutschland – Schweden (24.06., 17:00)", the match numbered from 1.
std::string spielMitTermin(const Spielstand& s, int spiel);
// The participant's name, or "Teilnehmer 3" for a slot without one.
std::string teilnehmerName(const Spielstand& s, int spieler);

}  // namespace ovi
