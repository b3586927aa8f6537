// --fehlende SPIEL: who still owes which tips, as the window "Fehlende Tipps" gives it to copy.
#pragma once

#include <iosfwd>

#include "core/spielstand.h"

namespace ovi::werkzeug {

int befehlFehlende(const Spielstand& s, std::ostream& aus);

}  // namespace ovi::werkzeug
