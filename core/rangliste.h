// The ranking table: stable descending sort by seven keys, row texts, sort marker numbers.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/spielstand.h"

namespace ovi {

inline constexpr int anzahlSortierungen = 7;
extern const std::array<std::string_view, anzahlSortierungen> sortierungen;

// Key value of a slot; 0 for a key outside 0..6.
Integer sortierWert(const Spielstand& s, int spieler, int schluessel);
void sortiereTabelle(Spielstand& s, int schluessel);
// The slot standing at a position (the last one found, 0 if none).
int spielerAufPlatz(const Spielstand& s, int platz);

// Captions of one row of the table, numbers as plain decimal text.
struct Tabellenzeile {
    std::string spieler;  // two blanks + name
    std::string gesamt;
    std::string gruppe;
    std::string ko;
    std::string bonus;
    std::string richtige;
    std::string sieghoehe;
    std::string tendenz;
    bool operator==(const Tabellenzeile&) const = default;
};
// Index = table row; all 25 rows, also those of slots that do not play along.
std::array<Tabellenzeile, katalog::anzahlSpieler> tabellenZeilen(const Spielstand& s);

}  // namespace ovi
