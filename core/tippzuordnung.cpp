#include "core/tippzuordnung.h"

#include "core/utf8.h"

namespace ovi {

namespace {

// The name as the operator sees it in the list: without blanks around it.
std::string inZeichen(const std::string& name) {
    const std::size_t von = name.find_first_not_of(' '), bis = name.find_last_not_of(' ');
    return "„" + (von == std::string::npos ? std::string() : name.substr(von, bis - von + 1)) + "“";
}

}  // namespace

std::vector<int> mitspielerNamens(const Teilnehmerliste& spieler, std::string_view name) {
    const std::string gesucht = namensSchluessel(name);
    std::vector<int> aus;
    if (gesucht.empty()) return aus;
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (spieler[p].spieltMit && namensSchluessel(spieler[p].name) == gesucht) aus.push_back(p);
    return aus;
}

std::vector<std::string> teilnehmerAbweichungen(const Teilnehmerliste& spiel, const Teilnehmerliste& datei) {
    std::vector<std::string> aus;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        const Spieler& a = spiel[p];
        const Spieler& b = datei[p];
        const std::string zeile = "Teilnehmer " + std::to_string(p + 1) + ": ";
        if (a.spieltMit && b.spieltMit && namensSchluessel(a.name) != namensSchluessel(b.name))
            aus.push_back(zeile + inZeichen(b.name) + " statt " + inZeichen(a.name));
        else if (a.spieltMit && !b.spieltMit)
            aus.push_back(zeile + inZeichen(a.name) + " fehlt in der Datei");
        else if (!a.spieltMit && b.spieltMit)
            aus.push_back(zeile + inZeichen(b.name) + " nur in der Datei");
    }
    return aus;
}

Namenszuordnung ordneNachNamen(const Teilnehmerliste& spiel, const Teilnehmerliste& datei) {
    Namenszuordnung z;
    z.ziel.fill(-1);
    for (int q = 0; q < katalog::anzahlSpieler; ++q) {
        if (!datei[q].spieltMit) continue;
        const std::vector<int> treffer = mitspielerNamens(spiel, datei[q].name);
        if (treffer.size() == 1)
            z.ziel[static_cast<std::size_t>(q)] = treffer.front();
        else
            z.ohneZiel.push_back(datei[q].name.empty() ? "Teilnehmer " + std::to_string(q + 1) + " ohne Namen"
                                                       : datei[q].name);
    }
    return z;
}

void ergaenzeTippsNachNamen(TippFeld& tipps, const TippFeld& datei, const Namenszuordnung& z) {
    for (int q = 0; q < katalog::anzahlSpieler; ++q) {
        const int p = z.ziel[static_cast<std::size_t>(q)];
        if (p < 0) continue;
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            if (tipps(p, m, 0) == 0 && tipps(p, m, 1) == 0) {
                tipps(p, m, 0) = datei(q, m, 0);
                tipps(p, m, 1) = datei(q, m, 1);
            }
    }
}

}  // namespace ovi
