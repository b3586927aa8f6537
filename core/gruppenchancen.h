// Who can still take a group place: exactly once the group is over, as the first two otherwise.
#pragma once

#include <stop_token>
#include <vector>

#include "core/gruppen.h"

namespace ovi {

// The teams that may stand on place `platz` (0 first) of a finished group: the one decided, or every team of the
// lot that place falls into. Empty when the table has no such place.
std::vector<int> teamsAufPlatz(const Gruppentabelle& t, int platz);

// Can `team` still end among the first two of its group with some results 0:0 to 9:9 of the group's matches
// that do not count yet? A lot that reaches the second place counts as possible.
bool kannUnterErsteZwei(const Spiele& spiele, int gruppe, int team, std::stop_token halt = {});

// The teams of a group that can still end among its first two, in catalogue order.
std::vector<int> moeglicheErsteZwei(const Spiele& spiele, int gruppe, std::stop_token halt = {});

}  // namespace ovi
