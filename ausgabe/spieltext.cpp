#include "ausgabe/spieltext.h"

#include "core/datum.h"
#include "core/paarungen.h"

namespace ovi {

std::string terminKurz(const Spiel& spiel) {
    std::string tag = leseDatum(spiel.datum) ? spiel.datum.substr(0, 6) : spiel.datum;
    std::string zeit = leseUhrzeit(spiel.zeit) ? spiel.zeit.substr(0, 5) : spiel.zeit;
    std::string aus = tag.empty() || zeit.empty() ? tag + zeit : tag + ", " + zeit;
    // Shown in brackets, which a reader of the text leaves out: none may stand inside.
    for (char& c : aus)
        if (c == '(' || c == ')') c = ' ';
    return aus;
}

std::string spielMitTermin(const Spielstand& s, int spiel) {
    const std::string termin = terminKurz(s.spiele[spiel]);
    return std::to_string(spiel + 1) + " " + paarungText(s, spiel) + (termin.empty() ? "" : " (" + termin + ")");
}

std::string teilnehmerName(const Spielstand& s, int spieler) {
    const std::string& name = s.spieler[spieler].name;
    return name.find_first_not_of(' ') == std::string::npos ? "Teilnehmer " + std::to_string(spieler + 1) : name;
}

}  // namespace ovi
