#include "ausgabe/tippzettel.h"

#include <algorithm>
#include <vector>

#include "ausgabe/spieltext.h"
#include "core/paarungen.h"
#include "core/utf8.h"

namespace ovi {

namespace {

constexpr std::string_view leerTipp = "__:__";

std::string rechts(const std::string& t, int breite) {
    return std::string(static_cast<std::size_t>(std::max(0, breite - zeichenAnzahl(t))), ' ') + t;
}
std::string links(const std::string& t, int breite) {
    return t + std::string(static_cast<std::size_t>(std::max(0, breite - zeichenAnzahl(t))), ' ');
}

}  // namespace

std::string tippzettelTitel(int ansicht) {
    const std::string teil =
        ansicht < 0 ? "ganzes Turnier" : std::string(katalog::ansichten.at(static_cast<std::size_t>(ansicht)));
    return "Tippzettel – " + teil;
}

std::string tippzettel(const Spielstand& s, int spieler, int ansicht) {
    const int von = ansicht < 0 ? 0 : ansicht, bis = ansicht < 0 ? katalog::anzahlAnsichten - 1 : ansicht;
    // One width for the teams of the whole sheet, so the tips stand in one column.
    int breite = 0;
    for (int m = 0; m < katalog::anzahlSpiele; ++m)
        if (paarungSteht(s.spiele[m])) breite = std::max(breite, zeichenAnzahl(paarungText(s, m)));
    std::string aus = tippzettelTitel(ansicht) + "\n";
    aus += "Tipps von " + (spieler < 0 ? std::string(20, '_') : teilnehmerName(s, spieler)) + "\n\n";
    aus += "Bitte je Spiel die Tore eintragen, eine Ziffer je Mannschaft.\n";
    for (int v = von; v <= bis; ++v) {
        aus += "\n";
        if (ansicht < 0) aus += std::string(katalog::ansichten[static_cast<std::size_t>(v)]) + "\n";
        bool eines = false;
        for (int m = ersteSpielNr(v); m <= ersteSpielNr(v) + letzteZeile(v); ++m) {
            const Spiel& sp = s.spiele[m];
            if (!paarungSteht(sp)) continue;
            eines = true;
            const int h = spieler < 0 ? 0 : s.tipps(spieler, m, 0), a = spieler < 0 ? 0 : s.tipps(spieler, m, 1);
            const std::string tipp =
                h == 0 && a == 0 ? std::string(leerTipp) : " " + std::to_string(h) + ":" + std::to_string(a) + " ";
            const std::string termin = terminKurz(sp);
            std::string zeile =
                rechts(std::to_string(m + 1), 2) + ". " + links(paarungText(s, m), breite) + "  " + tipp;
            if (!termin.empty()) zeile += "   (" + termin + ")";
            zeile.erase(zeile.find_last_not_of(' ') + 1);
            aus += zeile + "\n";
        }
        if (!eines) aus += "(Die Paarungen stehen noch nicht fest.)\n";
    }
    return aus;
}

}  // namespace ovi
