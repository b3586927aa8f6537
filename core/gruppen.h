// Group tables from the flagged group matches, ordered by the rules of 2006.
#pragma once

#include <optional>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

struct Gruppenzeile {
    int team = 0;
    int spiele = 0, siege = 0, unentschieden = 0, niederlagen = 0, tore = 0, gegentore = 0, punkte = 0;
    bool los = false;            // level with a neighbour by every rule: only the lot can part them
    bool losMitVorigem = false;  // level by every rule with the row above: the two share one lot
    int differenz() const { return tore - gegentore; }
    bool operator==(const Gruppenzeile&) const = default;
};

struct Gruppentabelle {
    int gruppe = 0;
    int gewertet = 0;                  // flagged matches of the six
    std::vector<Gruppenzeile> zeilen;  // in table order
    bool fertig() const { return gewertet == 6; }
    // The team on place `platz` (0 first) once all six matches count and no lot touches the place.
    std::optional<int> entschieden(int platz) const;
};

inline constexpr int siegPunkte = 3;

// Teams are those named in the group's six pairings, in catalogue order until the matches part them:
// points, goal difference, goals; then the same among the level teams in their matches against each other.
Gruppentabelle gruppenTabelle(const Spiele& spiele, int gruppe);

}  // namespace ovi
