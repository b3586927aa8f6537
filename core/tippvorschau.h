// What taking tips over from a text would do, line by line, measured against the tips the game holds.
#pragma once

#include <string>
#include <vector>

#include "core/tipptext.h"

namespace ovi {

enum class Befund {
    leer,          // a blank line
    ohneTipp,      // no tip in it
    teilnehmer,    // names whose tips follow
    neu,           // fills a missing tip (0:0)
    ersetzt,       // would replace another tip: taken over only when chosen
    gleich,        // the game has this tip already
    nichtErkannt,  // see grund
};

struct Vorschauzeile {
    Tippzeile zeile;
    Befund befund = Befund::leer;
    int altHeim = 0, altAus = 0;  // the tip the game holds, for "ersetzt"
};

std::vector<Vorschauzeile> vorschau(const std::vector<Tippzeile>& zeilen, const TippFeld& tipps);

// "neu", "ersetzt 1:0", "gleich", "ohne Tipp", "Teilnehmer", "nicht erkannt: Grund"; a blank line is "ohne Tipp".
std::string befundText(const Vorschauzeile& z);

// One tip to write: participant, match, score in the game's order.
struct Tippaenderung {
    int spieler = 0, spiel = 0, heim = 0, aus = 0;
    bool operator==(const Tippaenderung&) const = default;
};
// The lines "neu", and the lines "ersetzt" for which waehle says yes.
template <class Wahl>
std::vector<Tippaenderung> aenderungen(const std::vector<Vorschauzeile>& v, Wahl waehle) {
    std::vector<Tippaenderung> aus;
    for (const Vorschauzeile& z : v)
        if (z.befund == Befund::neu || (z.befund == Befund::ersetzt && waehle(z)))
            aus.push_back({z.zeile.spieler, z.zeile.spiel, z.zeile.heim, z.zeile.aus});
    return aus;
}
void uebernimm(TippFeld& tipps, const std::vector<Tippaenderung>& a);

}  // namespace ovi
