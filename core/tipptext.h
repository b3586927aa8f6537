// Tips written as text (a chat message, a mail, a filled-in tip sheet), read line by line. Nothing is guessed:
// a line with a score either names exactly one match and a participant, or it is not recognised, with the reason.
//
//   Tipps von Anke                      participant line (also "Anke" or "Anke:"), for the lines that follow
//   Deutschland - Costa Rica 2:1        two teams and a score; "–", "gegen", "vs" between the teams, "2-1" or
//   GER vs CRC 2 : 1                    "2 : 1" for the score; codes and short names; the reverse pairing
//   12. 2:1   Spiel 12: 2:1   12) 2-1   a match number 1..64, the teams after it optional
//   (Fr 09.06., 18:00)                  remarks in brackets are left out; "_" counts as a blank
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

enum class Zeilenart {
    leer,          // nothing but blanks
    ohneTipp,      // no score: greetings, headings, a sheet's unfilled line
    teilnehmer,    // names whose tips follow
    tipp,          // a tip placed: participant, match, score
    nichtErkannt,  // a score or a participant line that cannot be placed; grund says why
};

struct Tippzeile {
    int nummer = 0;    // 1 for the first line
    std::string text;  // as written, without its line end
    Zeilenart art = Zeilenart::leer;
    int spieler = -1;  // whose tip, or whom a participant line names; -1 none
    int spiel = -1;    // 0..63; -1 none
    int heim = 0;      // the tip in the game's order of home and away side
    int aus = 0;
    std::string grund;  // why not recognised
    bool operator==(const Tippzeile&) const = default;
};

// Reads the text against the game's participants (those who play along) and pairings. spieler: whose tips the
// lines before the first participant line are (-1: nobody's, so they are not recognised).
std::vector<Tippzeile> leseTipptext(std::string_view text, const Spielstand& s, int spieler = -1);

}  // namespace ovi
