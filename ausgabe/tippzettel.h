// The tip sheet: the matches to tip, numbered, with teams, day and kick-off, and the tips already there. Filled in
// and sent back as text, it is read by the tip reader as it stands:
//
//   Tippzettel – Gruppe A
//   Tipps von Anke
//
//    1. Deutschland – Costa Rica    2:1    (09.06., 18:00)
//    2. Polen – Ecuador            __:__   (09.06., 21:00)
#pragma once

#include <string>

#include "core/spielstand.h"

namespace ovi {

// spieler: whose tips stand on it, -1 for a blank sheet. ansicht: a phase view 0..10, -1 for the whole
// tournament. Only matches whose pairing stands are listed. LF line ends.
std::string tippzettel(const Spielstand& s, int spieler, int ansicht);

// "Tippzettel – Gruppe A", "Tippzettel – ganzes Turnier"
std::string tippzettelTitel(int ansicht);

}  // namespace ovi
