// The standings to hand round: header, ranking, tip overview and reports of an evaluated game,
// built once here so the window's print, PDF and HTML and the command-line tool show the same.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/spielstand.h"

namespace ovi {

// Which parts the operator wants in the document.
struct Dokumentwahl {
    bool tabelle = true;
    bool uebersicht = true;
    bool berichte = false;
};

using Textzeilen = std::vector<std::vector<std::string>>;  // first row: header

// A part brought in from elsewhere (a figure, a table, a list): shown after the ranking.
struct Zusatzteil {
    std::string titel;
    std::string svg;                  // an <svg> element: inline in HTML as it is, a vector figure on paper
    std::vector<std::string> zeilen;  // plain text lines below the figure or table
    Textzeilen tabelle{};             // a table between figure and lines, empty for none
};

struct Kopfangabe {
    std::string name;  // "Wertung"
    std::string wert;
};

struct Tippzelle {
    std::string tipp;    // "2:1"
    int kategorie = 3;   // 0..3, picks the colour
    std::string punkte;  // empty for a tip without a hit
};

struct Uebersichtszeile {
    std::string heim, aus;
    std::string ergebnis;
    std::vector<Tippzelle> zellen;  // one per column of the overview
};

struct Tabellendokument {
    std::string titel;  // file title of the game
    std::string stand;  // date and time of the export, as given
    std::vector<Kopfangabe> kopf;

    std::vector<std::string> spalten;              // ranking headers
    std::vector<std::vector<std::string>> zeilen;  // ranking rows, as many cells as headers

    std::vector<Zusatzteil> zusatz;

    std::vector<std::string> teilnehmer;  // overview columns: who plays along, in ranking order
    std::vector<Uebersichtszeile> uebersicht;
    std::vector<std::string> summen;     // points per overview column
    std::array<Long, 4> farben{};        // highlight per hit category
    std::array<std::string, 4> legende;  // "richtiger Tipp: 3 Punkte"

    std::vector<std::string> berichtNamen;
    std::vector<std::string> berichte;  // report texts, LF line ends

    Dokumentwahl wahl;
};

// The match that counts and was played last (by date, time, then number); -1 when none counts.
int letztesGewertetesSpiel(const Spielstand& s);
// Header lines: rule with its points, bonus, counted matches.
std::vector<Kopfangabe> kopfAngaben(const Spielstand& s);

// The race chart's size in its own units: pixels on a screen, points on paper.
struct Diagrammgroesse {
    int breite = 720;
    int hoehe = 400;
};

// From the game as the last evaluation left it. dateiTitel empty: "Neues Spiel".
Tabellendokument baueTabellendokument(const Spielstand& s, const std::string& dateiTitel, const std::string& stand,
                                      Dokumentwahl wahl = {}, Diagrammgroesse groesse = {});

}  // namespace ovi
