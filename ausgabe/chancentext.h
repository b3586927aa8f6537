// The chances and the rules side by side in words and tables, the same for the window, the tool and the HTML page.
#pragma once

#include <string>
#include <vector>

#include "ausgabe/tabellendokument.h"
#include "core/chancen.h"
#include "core/regelvergleich.h"

namespace ovi {

// "sicher", "möglich", "nein".
std::string titelText(Titel t);

// Header and one row per participant: Teilnehmer, Punkte, Bester Platz, Schlechtester Platz, Titel.
Textzeilen chancenZeilen(const Spielstand& s, const Chancen& c);

// "So wird Elif noch Erste: Deutschland – Italien 0:2, Portugal – Frankreich 0:1, Weltmeister Italien".
std::string szenarioSatz(const Spielstand& s, const Chance& c);

// The lines of `--szenario`: "Spiel;Heim;Gast;Ergebnis" per open match (numbers 1 to 64), last the champion
// while it is open.
Textzeilen szenarioZeilen(const Spielstand& s, const Szenario& sz);

// Said wherever the champion bonus rests on the group-stage estimate.
extern const char* const schaetzungsHinweis;
// The definitions in short, one per line.
extern const std::vector<std::string> chancenDefinitionen;

// Header "Teilnehmer", then place and points per rule ("Platz 3-2-1-Regel", "Punkte 3-2-1-Regel"); the rule in
// force carries " (gilt)".
Textzeilen regelZeilen(const Spielstand& s, const Regelvergleich& v);

// The chances as a part of the standings document: the table, the estimate note where it applies, the definitions.
Zusatzteil chancenTeil(const Spielstand& s, const Chancen& c);

}  // namespace ovi
