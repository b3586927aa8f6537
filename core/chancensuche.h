// Best and worst place of one participant over every outcome of the open matches: branch and bound over the
// outcome classes of the matches, pruned by per-participant bounds on what the matches still left can change.
#pragma once

#include <optional>
#include <stop_token>
#include <vector>

#include "core/ausgangsklassen.h"

namespace ovi {

// Bits of a tendency in a mask: away win, draw, home win.
inline constexpr int tendenzBit(int tendenz) { return 1 << (tendenz + 1); }
inline constexpr int alleTendenzen = 7;

// One way the champion question can end: the bonus each participant gets and the tendencies it leaves each
// open match (a champion has to get through every match on its way).
struct Suchoption {
    std::vector<int> bonus;    // per participant
    std::vector<int> erlaubt;  // per open match: mask of tendencies
};

struct Suchaufgabe {
    std::vector<int> stand;                           // points now, per participant
    std::vector<std::vector<Ausgangsklasse>> spiele;  // per open match
    std::vector<Suchoption> optionen;                 // at least one
    // The short ways first: a greedy dive, the plain search with a budget of nodes, records from the classes the
    // decomposed bound suggests. Without them the search with the decomposed bound alone has to find the best way
    // (what the checks of its bounds need).
    bool abkuerzungen = true;
};

struct Platzsuche {
    int platz = 1;             // 1 + the participants with strictly more points
    int option = 0;            // index into optionen
    std::vector<int> klassen;  // per open match, the class chosen
};

// The smallest place participant q can still reach, and how. Nothing when halted.
std::optional<Platzsuche> besterPlatz(const Suchaufgabe& a, int q, std::stop_token halt = {});
// The largest place q can still fall to, and how. Nothing when halted.
std::optional<Platzsuche> schlechtesterPlatz(const Suchaufgabe& a, int q, std::stop_token halt = {});

// Nodes visited by the searches of this thread so far (for measuring).
long long suchknoten();

}  // namespace ovi
