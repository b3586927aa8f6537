// A scenario from the search's choice: the results of the open matches, the teams they bring into the knock-out
// matches, and the champion.
#pragma once

#include <array>
#include <vector>

#include "core/chancen.h"
#include "core/weltmeisterwege.h"

namespace ovi {

struct Ergebnisvorgabe {
    int spiel = 0;
    std::array<int, 2> ergebnis{};
};

// `weltmeister` is the champion the scenario is built for (-1 when the bonus plays no part) and `weg` the way it
// takes (nullptr then). A side the match record names stands; an unknown one is filled along the bracket from the
// results: a group place from the table (on the champion's way: the champion), a winner from the result, after a
// draw the champion where it plays, else the home side. `weltmeisterOffen`: name the final's winner.
Szenario baueSzenario(const Spiele& spiele, const std::vector<Ergebnisvorgabe>& ergebnisse, int weltmeister,
                      const Weltmeisterweg* weg, bool weltmeisterOffen);

}  // namespace ovi
