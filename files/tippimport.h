// Merging the tips of participants' own copies of the game.
#pragma once

#include <QStringList>
#include <string>

#include "core/spielstand.h"

namespace ovi {

// Fills every tip of tipps that is still 0:0 from ablage.
void ergaenzeTipps(TippFeld& tipps, const TippFeld& ablage);

// Reads and checks all files first; if one is malformed nothing is imported and its error is returned.
// Otherwise, file by file in the given order: team names, participants, rule and colours are taken over,
// the match records go to spieleImport (results, flags and pairings of the game stay), tippsAblage is
// read and merged. Empty text on success.
std::string importiereTipps(Spielstand& s, const QStringList& pfade);

}  // namespace ovi
