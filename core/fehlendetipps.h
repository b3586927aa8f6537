// Who has not tipped yet: per participant who plays along, the matches still to come whose pairing stands and
// whose tip is 0:0.
#pragma once

#include <vector>

#include "core/spielstand.h"

namespace ovi {

struct FehlendeTipps {
    int spieler = 0;
    std::vector<int> spiele;  // by match number
    bool operator==(const FehlendeTipps&) const = default;
};

// Every participant who plays along, in slot order, also those with nothing missing.
std::vector<FehlendeTipps> fehlendeTipps(const Spielstand& s);

}  // namespace ovi
