// Who can still become champion, and through which open matches: the ways to the final along the bracket of 2006.
#pragma once

#include <stop_token>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

// An open match the champion has to get through: side `seite` (0 home, 1 away) must not lose it. A draw lets
// either team through (penalties).
struct Bedingung {
    int spiel = 0;
    int seite = 0;
    bool operator==(const Bedingung&) const = default;
};

// One way into the final's winner: where the team enters and what it must get through from there.
struct Weltmeisterweg {
    std::vector<int> teams;              // who can enter here
    std::vector<Bedingung> bedingungen;  // from the final down
    int gruppe = -1, platz = 0;          // entry from a group place, or -1: a side the match record names
    bool geschaetzt = false;             // the group is not over: its first two, an estimate
    bool operator==(const Weltmeisterweg&) const = default;
};

struct Weltmeisterlage {
    bool offen = false;    // the champion is still to be decided
    int weltmeister = -1;  // once decided: the team (-1 or 32: nobody's tip can match)
    std::vector<Weltmeisterweg> wege;
    bool geschaetzt() const;
};

// From the match records: a final that counts and was won decides; a drawn one is decided by `antwort` (the
// operator's champion, -1 for none). Otherwise every way along the bracket: a side named in its match record
// stands, an unknown one comes from the group place or the winner the bracket names; a group place of a finished
// group is who holds it (all of a lot), of a group still playing every team that can still end among the first two.
Weltmeisterlage weltmeisterLage(const Spiele& spiele, int antwort, std::stop_token halt = {});

}  // namespace ovi
