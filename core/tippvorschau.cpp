#include "core/tippvorschau.h"

namespace ovi {

std::vector<Vorschauzeile> vorschau(const std::vector<Tippzeile>& zeilen, const TippFeld& tipps) {
    std::vector<Vorschauzeile> aus;
    aus.reserve(zeilen.size());
    for (const Tippzeile& z : zeilen) {
        Vorschauzeile v{z, Befund::nichtErkannt, 0, 0};
        switch (z.art) {
            case Zeilenart::leer:
                v.befund = Befund::leer;
                break;
            case Zeilenart::ohneTipp:
                v.befund = Befund::ohneTipp;
                break;
            case Zeilenart::teilnehmer:
                v.befund = Befund::teilnehmer;
                break;
            case Zeilenart::nichtErkannt:
                break;
            case Zeilenart::tipp: {
                v.altHeim = tipps(z.spieler, z.spiel, 0);
                v.altAus = tipps(z.spieler, z.spiel, 1);
                // 0:0 stands for a missing tip, so a tip of 0:0 fills nothing.
                if (v.altHeim == z.heim && v.altAus == z.aus)
                    v.befund = Befund::gleich;
                else
                    v.befund = v.altHeim == 0 && v.altAus == 0 ? Befund::neu : Befund::ersetzt;
                break;
            }
        }
        aus.push_back(std::move(v));
    }
    return aus;
}

std::string befundText(const Vorschauzeile& z) {
    switch (z.befund) {
        case Befund::neu:
            return "neu";
        case Befund::ersetzt:
            return "ersetzt " + std::to_string(z.altHeim) + ":" + std::to_string(z.altAus);
        case Befund::gleich:
            return "gleich";
        case Befund::teilnehmer:
            return "Teilnehmer";
        case Befund::nichtErkannt:
            return "nicht erkannt: " + z.zeile.grund;
        default:
            return "ohne Tipp";
    }
}

void uebernimm(TippFeld& tipps, const std::vector<Tippaenderung>& a) {
    for (const Tippaenderung& t : a) {
        tipps(t.spieler, t.spiel, 0) = alsInteger(t.heim);
        tipps(t.spieler, t.spiel, 1) = alsInteger(t.aus);
    }
}

}  // namespace ovi
