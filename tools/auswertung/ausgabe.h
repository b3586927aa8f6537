// Tables of the command-line tool: CSV (";", quoted where needed) or aligned for a terminal.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi::werkzeug {

using Tabelle = std::vector<std::vector<std::string>>;  // first row: header

std::string csvFeld(const std::string& feld);
std::string alsCsv(const Tabelle& t);
std::string alsText(const Tabelle& t);

// Ranking rows of the participants who play along, in table order.
Tabelle rangliste(const Spielstand& s);
// The slot a participant's number 0..24 or name stands for; of equal names the lowest slot that plays along,
// else the lowest. Nothing for a number outside 0..24 or an unknown name.
std::optional<int> teilnehmer(const Spielstand& s, const std::string& nrOderName);
// The 64 match records.
Tabelle spielplan(const Spielstand& s);

}  // namespace ovi::werkzeug
