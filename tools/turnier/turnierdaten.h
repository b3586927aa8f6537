// The real 2006 tournament as read from data/wm2006.csv, turned into match records.
#pragma once

#include <array>
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
    std::string elfmeter;           // "4:2" after a draw decided on penalties, else empty
};

// Reads the 64 matches; throws std::runtime_error with a German message on a bad line.
std::vector<Partie> leseCsv(const std::string& text);

// The record of a match as it stands in the schedule before the tournament: knock-out sides unknown,
// no result, not flagged.
Spiel spielplanEintrag(const Partie& p);
// The record after the tournament: real sides and result, flagged.
Spiel ergebnisEintrag(const Partie& p);

// A match-information file as handed out the morning after a stage: results up to `ergebnisseBis`
// (exclusive) entered and flagged, the pairings of the next stage known, the view of that stage shown.
struct Stufe {
    const char* datei;
    int ergebnisseBis;
    int paarungenBis;
    int ansicht;
};
inline constexpr std::array<Stufe, 5> stufen = {{
    {"wm2006-1-nach-gruppenphase.gowet", 48, 56, 8},
    {"wm2006-2-nach-achtelfinale.gowet", 56, 60, 9},
    {"wm2006-3-nach-viertelfinale.gowet", 60, 62, 10},
    {"wm2006-4-nach-halbfinale.gowet", 62, 64, 10},
    {"wm2006-5-nach-finale.gowet", 64, 64, 10},
}};
Spiele stufenSpiele(const std::vector<Partie>& partien, const Stufe& stufe);

// The finished tournament with demo participants, the "3-2-1-Regel" and a bonus of 10 points.
Spielstand demoSpiel(const std::vector<Partie>& partien);

}  // namespace ovi::turnier
