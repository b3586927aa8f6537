// Layout values of the main window in twips.
#pragma once

#include <array>

namespace ovi::masse {

// The two layouts differ only in the match columns.
struct Spalten {
    int spalteLinks;    // Left of match column 0
    int spalteAbstand;  // distance between match columns
    int spalteBreite;
    int tippLinks;  // Left of the home tip field of slot 0, inside the row
    int tippAbstand;
    int gruppeLinks;  // points of this phase
    int gesamtLinks;  // total points
    int heimFlaggeLinks, heimFlaggeOben;
    int ausFlaggeLinks, ausFlaggeOben;
    int heimErgLinks, heimErgBreite;
    int ausErgLinks, ausErgBreite;
};
inline constexpr Spalten breit{1600, 1026, 870, 1680, 1020, 7980, 8460, 0, 180, 420, 180, 0, 435, 420, 435};
inline constexpr Spalten schmal{1360, 865, 675, 1300, 870, 8380, 8860, 0, 60, 240, 180, 0, 375, 360, 315};

inline constexpr int clientBreite = 15240;
inline constexpr int clientHoehe = 10830;

// Match area.
inline constexpr int spieleLinks = 120, spieleOben = 120, spieleBreite = 10080, spieleHoehe = 10275;
inline constexpr int spalteOben = 240, spalteHoehe = 9900;
inline constexpr int flaggeBreite = 435, flaggeHoehe = 285;
inline constexpr int ergOben = 495, ergHoehe = 285;
inline constexpr int chkBreite = 240, chkHoehe = 210;
inline constexpr int infoGroesse = 195;
inline constexpr int tendenzOben = 9600, tendenzHoehe = 240;  // base line of the bars
inline constexpr int knopfBreite = 1200, knopfHoehe = 360;

// Participant rows.
inline constexpr int zeileLinks = 120, zeileOben = 1240, zeileSchritt = 320, zeileBreite = 9535;
inline constexpr int feldGroesse = 285, ausVersatz = 240;
inline constexpr int nameBreite = 1200, punkteBreite = 450;

// Ranking table.
inline constexpr int tabelleLinks = 10320, tabelleBreite = 4800;
inline constexpr int tabLinks = 240, tabOben = 1590, tabZeile = 300, tabZeileBreite = 4215;
inline constexpr int tabVollHoehe = 7515;
inline constexpr int markeOben = 1410, markeBreite = 240, markeHoehe = 150;
inline constexpr int sortierungLinks = 2655, sortierungOben = 810, sortierungBreite = 1800, sortierungHoehe = 330;

// Columns of a ranking row, left to right, with one pixel between them:
// place, name, total, group phase, knock-out phase, bonus, exact, goal difference, tendency.
inline constexpr int tabSpalten = 9;
// The name column holds "  " and a name of 12 characters in the window's font.
inline constexpr std::array<int, tabSpalten> tabBreiten{240, 1290, 405, 390, 420, 360, 330, 330, 330};
inline constexpr int tabLuecke = 15;
constexpr int tabSpalteLinks(int k) {
    int l = 0;
    for (int i = 0; i < k; ++i) l += tabBreiten[static_cast<std::size_t>(i)] + tabLuecke;
    return l;
}
// The sort markers stand over the value columns, which begin after place and name.
inline constexpr int ersteWertSpalte = 2;

// The value column a key's marker stands over (0 gesamt, 1 gruppe, 2 ko, 3 bonus, 4..6 hit columns); key 0 for
// anything outside 0..6.
constexpr int markenSpalte(int schluessel) { return schluessel >= 0 && schluessel < 7 ? schluessel : 0; }
// Offset of the marker from that column's left edge.
constexpr int markenVersatz(int schluessel) {
    constexpr std::array<int, 7> versatz{60, 60, 100, 80, 20, 20, 20};
    return versatz[static_cast<std::size_t>(markenSpalte(schluessel))];
}
// Top of the lower marker, just below the last row of those who play along.
constexpr int untereMarkeOben(int mitspieler) { return 9120 - (25 - mitspieler) * tabZeile; }

}  // namespace ovi::masse
