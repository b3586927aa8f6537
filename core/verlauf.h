// The race over time: flagged matches grouped into match days, the standings after every day.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

struct Spieltag {
    int datum = 0;            // JJJJMMTT, 0 when no match of the game carries a readable date
    std::vector<int> spiele;  // flagged matches of the day, in match order
};

// Flagged matches by day, days in calendar order. A match with an unreadable date is played on the day of
// the match before it in match order; with none before it, on the first day.
std::vector<Spieltag> spieltage(const Spiele& spiele);

// One participant after one match day.
struct Tagesstand {
    Integer tagespunkte = 0;  // match points of this day
    Integer bonus = 0;        // champion bonus credited on this day (the final's day)
    Integer punkte = 0;       // match points so far
    Integer gesamt = 0;       // points so far with the bonus, the ranking's "Gesamtpunkte"
    int platz = 0;            // 1.. among the participants, ordered like the ranking
    bool operator==(const Tagesstand&) const = default;
};

struct Verlauf {
    std::vector<int> teilnehmer;  // slots that play along, in slot order
    std::vector<std::string> namen;
    std::vector<Spieltag> tage;
    std::vector<std::vector<Tagesstand>> stand;  // [day][index into teilnehmer]
    std::vector<std::vector<int>> sieger;        // [day] slots with the most match points that day
};

// Scores the game once per match day with the game's own evaluation, each time with the flagged matches up to
// that day. After a drawn final the bonus goes by the champion the game holds (the operator's answer).
// Throws like the evaluation on an overflow.
Verlauf berechneVerlauf(const Spielstand& s);

}  // namespace ovi
