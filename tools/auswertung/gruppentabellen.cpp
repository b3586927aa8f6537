#include "tools/auswertung/gruppentabellen.h"

#include "core/gruppen.h"

namespace ovi::werkzeug {

Tabelle gruppentabellen(const Spielstand& s, bool leerzeilen) {
    Tabelle t = {{"Gruppe", "Platz", "Mannschaft", "Spiele", "Siege", "Unentschieden", "Niederlagen", "Tore",
                  "Gegentore", "Differenz", "Punkte", "Los"}};
    for (int g = 0; g < 8; ++g) {
        const Gruppentabelle tab = gruppenTabelle(s.spiele, g);
        if (leerzeilen && t.size() > 1 && !tab.zeilen.empty()) t.emplace_back();
        int platz = 0;
        for (const Gruppenzeile& z : tab.zeilen)
            t.push_back({std::string(1, static_cast<char>('A' + g)), std::to_string(++platz), s.getNation(z.team),
                         std::to_string(z.spiele), std::to_string(z.siege), std::to_string(z.unentschieden),
                         std::to_string(z.niederlagen), std::to_string(z.tore), std::to_string(z.gegentore),
                         std::to_string(z.differenz()), std::to_string(z.punkte), z.los ? "Los" : ""});
    }
    return t;
}

}  // namespace ovi::werkzeug
