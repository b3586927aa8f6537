// The plain-text report of one participant (CR LF line ends).
#pragma once

#include <string>

#include "spielstand.h"

namespace ovi {

// Team name filled with blanks to 23 characters.
std::string namen14(const Spielstand& s, int teamNr);
std::string spielerInfo(const Spielstand& s, int nr);

}  // namespace ovi
