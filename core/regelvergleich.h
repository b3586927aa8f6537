// The rules side by side: place and points of every participant under each built-in rule and the own rule.
#pragma once

#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

struct Regelspalte {
    int modus = 0;            // 3 "3-2-1-Regel", 2 "3-Punkte-Regel", 1 "2-Punkte-Regel", 0 "Eigene Regel"
    bool gilt = false;        // the rule in force
    std::vector<int> platz;   // per participant, in the order of `teilnehmer`: 1 + those with more points
    std::vector<int> punkte;  // "Gesamtpunkte" under this rule, bonus included
};

struct Regelvergleich {
    std::vector<int> teilnehmer;       // slots who play along, in the order of the ranking under the rule in force
    std::vector<Regelspalte> spalten;  // 3-2-1, 3-Punkte, 2-Punkte, then the own rule when it is in force
};

// Each rule scored by the ordinary evaluation on a copy of the game; bonus and colours stay. The own rule's values
// are those of the game while it is in force (a built-in rule overwrites them). `weltmeister` answers a drawn final
// that counts (-1 none). Throws like the evaluation on an overflow.
Regelvergleich vergleicheRegeln(const Spielstand& s, int weltmeister);

}  // namespace ovi
