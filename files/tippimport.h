// Merging the tips of participants' own copies of the game.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/spielstand.h"
#include "files/spieldatei.h"

namespace ovi {

// Fills every tip of tipps that is still 0:0 from ablage.
void ergaenzeTipps(TippFeld& tipps, const TippFeld& ablage);

// One file chosen for the import, read and checked.
struct Tippdatei {
    QString name;  // without folder
    Spieldatei daten;
};
// Reads and checks every file; the first that is malformed is named in the error and none is returned.
Gelesen<std::vector<Tippdatei>> leseTippdateien(const QStringList& pfade, const Nationen& gehalten);

enum class Zuordnung {
    wieInDatei,  // slot by slot; the file's participants, rule and colours come along
    nachNamen,   // only the tips of participants the game has by name; the game's participants, rule, colours stay
};
// Merges one file into the game; missing tips (0:0) are filled in either way. The match records go to spieleImport,
// so the game's results, flags and pairings stay. Returns the names of the file's participants whose tips stayed
// out (by name only: nobody in the game is called so).
std::vector<std::string> ergaenzeAusDatei(Spielstand& s, const Spieldatei& d, Zuordnung z);

// Every file as in the file, in the given order; if one is malformed nothing is imported and its error is
// returned. Empty text on success.
std::string importiereTipps(Spielstand& s, const QStringList& pfade);

}  // namespace ovi
