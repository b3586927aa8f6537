// The knock-out bracket of 2006: which group place or earlier match fills each side of matches 48 to 63.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

struct Herkunft {
    enum class Art { gruppe, sieger, verlierer };
    Art art;
    int nr;         // group 0..7, or the match number
    int platz = 0;  // group place: 0 first, 1 second
};

struct KoPaarung {
    Herkunft heim, aus;
};

inline constexpr int erstesKoSpiel = 48;
// Element i is match 48 + i.
extern const std::array<KoPaarung, 16> koBaum;

// The team that went through after a drawn knock-out match, by match number: penalties are in no file.
using Weiter = std::map<int, int>;

struct Paarungswechsel {
    int spiel;
    int heimVorher, ausVorher;
    int heim, aus;
    bool operator==(const Paarungswechsel&) const = default;
};

// Sets every knock-out side the results decide and leaves the others as they are; nothing but heim and aus
// changes. A group place is decided when the group's six matches count and no lot touches it; a match when it
// counts and was won, or was drawn and `weiter` names one of its teams. Returns the changed matches in order.
std::vector<Paarungswechsel> fuelleKoPaarungen(Spiele& spiele, const Weiter& weiter = {});

// Matches that count, ended level, have two known teams once the decided sides are filled, and whose winner
// moves on to a later match: the ones to ask about.
std::vector<int> offeneElfmeter(const Spiele& spiele);

// The side of `spiel` (0 home, 1 away) whose team already stands where the winner goes; -1 if neither does.
int schonWeiter(const Spiele& spiele, int spiel);

// One line per stage, e.g. "Achtelfinale: Deutschland – Schweden, Argentinien – Mexiko".
std::string beschreibe(const std::vector<Paarungswechsel>& wechsel, const Nationen& nationen);

}  // namespace ovi
