// The chances as a search task: the game evaluated as it stands, its open matches as outcome classes, the ways the
// champion question can end as options.
#pragma once

#include <stop_token>
#include <vector>

#include "core/chancensuche.h"
#include "core/spielstand.h"
#include "core/weltmeisterwege.h"

namespace ovi {

struct Chancenaufgabe {
    Spielstand stand;             // evaluated, the answer after a drawn final given
    std::vector<int> teilnehmer;  // slots who play along, in the order of the ranking
    std::vector<int> offene;      // open matches, ascending
    bool weltmeisterOffen = false;
    Weltmeisterlage lage;  // ways only while the bonus depends on them
    Suchaufgabe suche;     // participants in the order of `teilnehmer`, matches in that of `offene`
    struct Wahl {
        int weltmeister = -1;  // a champion the option stands for, -1 when the bonus plays no part
        int weg = -1;          // index into lage.wege
    };
    std::vector<Wahl> wahl;  // per option of the search
};

// The game evaluated as "auswerten" does, then answered with `weltmeister` if its final counts and was drawn
// (-1: no answer). Throws like the evaluation on an overflow.
Spielstand ausgewertet(Spielstand s, int weltmeister);
// Slots who play along, in the order of the ranking of an evaluated game.
std::vector<int> teilnehmerInRangfolge(const Spielstand& ausgewertet);

// `weltmeister` answers a drawn final that counts (-1 none). Throws like the evaluation on an overflow.
Chancenaufgabe baueChancenaufgabe(const Spielstand& s, int weltmeister, std::stop_token halt = {});

}  // namespace ovi
