// The fixed vocabulary of the tournament and the numbering of the 64 matches.
#pragma once

#include <array>
#include <string_view>

namespace ovi::katalog {

inline constexpr int anzahlNationen = 33;  // 0..31 real teams, 32 "unbekannt"
inline constexpr int unbekannt = 32;
inline constexpr int letzteMannschaft = 31;
inline constexpr int anzahlOrte = 12;
inline constexpr int anzahlTage = 7;
inline constexpr int anzahlPhasen = 6;
inline constexpr int anzahlSchiris = 24;
inline constexpr int anzahlSpiele = 64;
inline constexpr int anzahlSpieler = 25;
inline constexpr int anzahlAbschnitte = 13;
inline constexpr int anzahlAnsichten = 11;

// Texts are UTF-8; the files store them as Windows-1252.
extern const std::array<std::string_view, anzahlNationen> nationen;
extern const std::array<std::string_view, anzahlOrte> orte;
extern const std::array<std::string_view, anzahlOrte> stadien;
extern const std::array<std::string_view, anzahlTage> tage;
extern const std::array<std::string_view, anzahlPhasen> phasen;
inline constexpr std::string_view schiriUnbekannt = "noch nicht bekannt gegeben";
// Names of the phase views, also the items of the view list.
extern const std::array<std::string_view, anzahlAnsichten> ansichten;

// Slot 0..31 of a team in a list of names, -1 for none; a name given twice counts in the higher slot.
template <class Namen>
int mannschaftNr(const Namen& namen, std::string_view name) {
    for (int l = letzteMannschaft; l >= 0; --l)
        if (namen[l] == name) return l;
    return -1;
}

}  // namespace ovi::katalog

namespace ovi {

// Section 0..12 of a match: 0..7 groups, 8 Achtelfinale ... 12 Finale; 0 for anything else.
int abschnittVonSpiel(int spiel);
// First match of a phase view (0 for an unknown view).
int ersteSpielNr(int ansicht);
// Last used match slot of a phase view (0 for an unknown view).
int letzteZeile(int ansicht);
// Sections summed for the points of a phase view: views 0..9 one section, view 10 sections 10..12.
struct Abschnitte {
    int von;
    int bis;
};
Abschnitte abschnitteDerAnsicht(int ansicht);

}  // namespace ovi
