// The race as a line chart in SVG, one line per participant over the match days, and the day's winners in HTML.
// Drawing and hit-testing share one geometry, so a window can tell which line the mouse is on.
#pragma once

#include <string>
#include <vector>

#include "core/verlauf.h"

namespace ovi {

enum class Kurve { platz, punkte };

struct Punkt {
    double x = 0, y = 0;
    bool operator==(const Punkt&) const = default;
};

struct Rechteck {
    double links = 0, oben = 0, breite = 0, hoehe = 0;
    bool enthaelt(Punkt p) const { return p.x >= links && p.x < links + breite && p.y >= oben && p.y < oben + hoehe; }
};

struct Diagramm {
    struct Linie {
        int slot = 0;
        std::string name;
        std::string farbe;  // "#rrggbb"
        bool gestrichelt = false;
        std::vector<double> werte;  // place or points after each day
        std::vector<Punkt> punkte;  // the same in drawing units
        Rechteck legende;           // the participant's row in the legend
    };
    Kurve art = Kurve::platz;
    double breite = 0, hoehe = 0;
    Rechteck flaeche;  // plot area
    struct Marke {
        double wert = 0, y = 0;
    };
    std::vector<Marke> achse;          // ticks of the y axis
    std::vector<std::string> tagText;  // x axis: "TT.MM." per day
    std::vector<Linie> linien;         // legend order: by the last day's place
};

// Colour of the i-th participant; from the 13th on the colours repeat with dashed lines.
std::string linienFarbe(int i);

Diagramm diagramm(const Verlauf& v, Kurve art, double breite, double hoehe);
// hervorgehoben: a slot drawn bold with the others faded; -1 for none.
std::string alsSvg(const Diagramm& d, int hervorgehoben = -1);
// The slot whose line (within toleranz) or legend row lies under p; -1 for none.
int getroffen(const Diagramm& d, Punkt p, double toleranz = 5);

// The day's winners of every match day as an HTML table.
std::string tagessiegerHtml(const Verlauf& v);

// The day's winners as plain lines for paper: "3. Spieltag, 24.06.2006: Anna, Cem (3 Punkte)".
std::vector<std::string> tagessiegerZeilen(const Verlauf& v);

}  // namespace ovi
