// The standings per match day as a table of the command-line tool.
#pragma once

#include "core/verlauf.h"
#include "tools/auswertung/ausgabe.h"

namespace ovi::werkzeug {

// One row per match day and participant, within a day in the order of the places.
Tabelle verlauf(const Verlauf& v);

}  // namespace ovi::werkzeug
