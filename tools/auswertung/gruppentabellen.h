// The eight group tables of the command-line tool.
#pragma once

#include "tools/auswertung/ausgabe.h"

namespace ovi::werkzeug {

// One row per team, groups A to H in table order; a group without pairings has none. `leerzeilen` puts an
// empty row between groups, for a terminal.
Tabelle gruppentabellen(const Spielstand& s, bool leerzeilen);

}  // namespace ovi::werkzeug
