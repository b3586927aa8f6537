#include "core/katalog.h"

namespace ovi::katalog {

const std::array<std::string_view, anzahlNationen> nationen = {"Deutschland",
                                                               "Costa Rica",
                                                               "Polen",
                                                               "Ecuador",
                                                               "England",
                                                               "Paraguay",
                                                               "Trinidad und Tobago",
                                                               "Schweden",
                                                               "Argentinien",
                                                               "Elfenbeinküste",
                                                               "Serbien und Montenegro",
                                                               "Niederlande",
                                                               "Mexiko",
                                                               "Iran",
                                                               "Angola",
                                                               "Portugal",
                                                               "Italien",
                                                               "Ghana",
                                                               "USA",
                                                               "Tschechische Republik",
                                                               "Brasilien",
                                                               "Kroatien",
                                                               "Australien",
                                                               "Japan",
                                                               "Frankreich",
                                                               "Schweiz",
                                                               "Republik Korea",
                                                               "Togo",
                                                               "Spanien",
                                                               "Ukraine",
                                                               "Tunesien",
                                                               "Saudiarabien",
                                                               "unbekannt"};

const std::array<std::string_view, anzahlOrte> orte = {"Berlin",  "Dortmund", "Frankfurt",      "Gelsenkirchen",
                                                       "Hamburg", "Hannover", "Kaiserslautern", "Köln",
                                                       "Leipzig", "München",  "Nürnberg",       "Stuttgart"};

const std::array<std::string_view, anzahlOrte> stadien = {"Olympiastadion",
                                                          "FIFA WM-Stadion Dortmund",
                                                          "FIFA WM-Stadion Frankfurt",
                                                          "FIFA WM-Stadion Gelsenkirchen",
                                                          "FIFA WM-Stadion Hamburg",
                                                          "FIFA WM-Stadion Hannover",
                                                          "Fritz-Walter-Stadion",
                                                          "FIFA WM-Stadion Köln",
                                                          "Zentralstadion",
                                                          "FIFA WM-Stadion München",
                                                          "Frankenstadion",
                                                          "Gottlieb-Daimler-Stadion"};

// "Donnertag" is how the program has always spelled it.
const std::array<std::string_view, anzahlTage> tage = {"Montag",  "Dienstag", "Mittwoch", "Donnertag",
                                                       "Freitag", "Samstag",  "Sonntag"};

const std::array<std::string_view, anzahlPhasen> phasen = {"Gruppenphase", "Achtelfinale",         "Viertelfinale",
                                                           "Halbfinale",   "Spiel um den 3.Platz", "Finale"};

const std::array<std::string_view, anzahlAnsichten> ansichten = {
    "Gruppe A", "Gruppe B", "Gruppe C",     "Gruppe D",      "Gruppe E",          "Gruppe F",
    "Gruppe G", "Gruppe H", "Achtelfinale", "Viertelfinale", "Halbfinale, Finale"};

}  // namespace ovi::katalog

namespace ovi {

int abschnittVonSpiel(int spiel) {
    if (spiel >= 0 && spiel <= 47) return spiel / 6;
    if (spiel >= 48 && spiel <= 55) return 8;
    if (spiel >= 56 && spiel <= 59) return 9;
    if (spiel == 60 || spiel == 61) return 10;
    if (spiel == 62) return 11;
    if (spiel == 63) return 12;
    return 0;
}

int ersteSpielNr(int ansicht) {
    if (ansicht >= 0 && ansicht <= 7) return 6 * ansicht;
    if (ansicht == 8) return 48;
    if (ansicht == 9) return 56;
    if (ansicht >= 10 && ansicht <= 12) return 60;
    return 0;
}

int letzteZeile(int ansicht) {
    if (ansicht >= 0 && ansicht <= 7) return 5;
    if (ansicht == 8) return 7;
    if (ansicht >= 9 && ansicht <= 12) return 3;
    return 0;
}

Abschnitte abschnitteDerAnsicht(int ansicht) {
    if (ansicht == 10) return {10, 12};
    return {ansicht, ansicht};
}

}  // namespace ovi
