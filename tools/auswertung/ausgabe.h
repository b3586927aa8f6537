// Tables of the command-line tool: CSV (";", quoted where needed) or aligned for a terminal.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/spielstand.h"

namespace ovi::werkzeug {

using Tabelle = std::vector<std::vector<std::string>>;  // first row: header

// A CSV cell: quoted where needed. A cell a spreadsheet would run as a formula (beginning with =, +, -, @, a tab or
// a carriage return) gets an apostrophe in front and is quoted; a number stays a number, a negative one too.
// Every CSV the tool writes goes through here.
std::string csvFeld(const std::string& feld);
std::string alsCsv(const Tabelle& t);
// A text for the terminal: control characters, C1 controls and bytes that are no UTF-8 written as \x01, \u0085.
std::string sichtbar(std::string_view text);
std::string alsText(const Tabelle& t);

// Ranking rows of the participants who play along, in table order.
Tabelle rangliste(const Spielstand& s);
// The slot a participant's number 0..24 or name stands for; of equal names the lowest slot that plays along,
// else the lowest. A name is found regardless of case when no name matches it exactly. Nothing for a number
// outside 0..24 or an unknown name.
std::optional<int> teilnehmer(const Spielstand& s, const std::string& nrOderName);
// The 64 match records.
Tabelle spielplan(const Spielstand& s);

}  // namespace ovi::werkzeug
