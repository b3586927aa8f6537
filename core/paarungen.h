// Which matches have their two teams, and which match a pair of teams meets in.
#pragma once

#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

// Both sides are real teams (0..31) and not the same one: a match that can be tipped. Empty records
// ("Deutschland – Deutschland") and open knock-out matches ("unbekannt") are not.
bool paarungSteht(const Spiel& spiel);

// The matches in which teams a and b meet, in either order, by match number.
std::vector<int> spieleMitPaarung(const Spiele& spiele, int a, int b);

// "Deutschland – Costa Rica"
std::string paarungText(const Spielstand& s, int spiel);

}  // namespace ovi
