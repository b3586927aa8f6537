// The real 2006 tournament as read from data/wm2006.csv, turned into match records.
#pragma once

#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi::turnier {

struct Partie {
    int nr = 0;
    std::string phase;  // "Gruppenphase", "Achtelfinale", ...
    std::string heim, aus;
    std::string datum;  // DD.MM.2006
    std::string wochentag;
    std::string anstoss;  // HH:MM
    std::string stadt;
    int toreHeim = 0, toreAus = 0;  // after 90 or 120 minutes
};

// Reads the 64 matches; throws std::runtime_error with a German message on a bad line.
std::vector<Partie> leseCsv(const std::string& text);

// The record of a match as it stands in the schedule before the tournament: knock-out sides unknown,
// no result, not flagged.
Spiel spielplanEintrag(const Partie& p);
// The record after the tournament: real sides and result, flagged.
Spiel ergebnisEintrag(const Partie& p);

// The finished tournament with demo participants, the "3-2-1-Regel" and a bonus of 10 points.
Spielstand demoSpiel(const std::vector<Partie>& partien);

}  // namespace ovi::turnier
