// --tippzettel NAME|leer [--ansicht N] SPIEL: the tip sheet as text, as the window's "Tippzettel…" makes it.
#pragma once

#include <iosfwd>
#include <string>

#include "core/spielstand.h"

namespace ovi::werkzeug {

// wer: a participant's name or number 0..24, or "leer" for a blank sheet; ansicht 0..10, -1 the whole tournament.
// 1 with a message when nobody of that name plays along.
int befehlTippzettel(const Spielstand& s, const std::string& wer, int ansicht, const std::string& datei,
                     std::ostream& aus, std::ostream& fehler);

}  // namespace ovi::werkzeug
