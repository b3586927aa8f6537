// --tipptext TEXTDATEI [--csv] SPIEL: how "Tipps aus Text" would read a text against a game, changing nothing.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "core/tippvorschau.h"
#include "tools/auswertung/ausgabe.h"

namespace ovi::werkzeug {

// CSV: Zeile;Teilnehmer;Spiel;Tipp;Befund, the match numbered 1..64 and the tip in the game's order. Aligned for
// reading: the match with its teams and each line's text at the end. Blank lines are left out of both.
Tabelle tippvorschau(const Spielstand& s, const std::vector<Vorschauzeile>& v, bool csv);

// Reads the text file (UTF-8, else Windows-1252) and prints the preview; 1 when the file cannot be read.
int befehlTipptext(const Spielstand& s, const std::string& textdatei, bool csv, std::ostream& aus,
                   std::ostream& fehler);

}  // namespace ovi::werkzeug
