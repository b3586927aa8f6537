// The plain-text report of one participant (CR LF line ends).
#pragma once

#include <string>

#include "core/spielstand.h"

namespace ovi {

// Team name filled with blanks to 23 characters.
std::string namen14(const Spielstand& s, int teamNr);
std::string spielerInfo(const Spielstand& s, int nr);
// The report for a screen or a page: each TAB becomes blanks up to the column of the points per team, so in a
// fixed-pitch font every number of the report stands in a column (a longer label keeps one blank).
std::string mitSpalten(const std::string& bericht);

}  // namespace ovi
