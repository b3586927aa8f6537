#include "tools/auswertung/ausgabe.h"

#include <algorithm>

#include "core/rangliste.h"
#include "core/utf8.h"

namespace ovi::werkzeug {

std::string csvFeld(const std::string& feld) {
    if (feld.find_first_of(";\"\r\n") == std::string::npos) return feld;
    std::string aus = "\"";
    for (char c : feld) {
        if (c == '"') aus += '"';
        aus += c;
    }
    return aus + "\"";
}

std::string alsCsv(const Tabelle& t) {
    std::string aus;
    for (const auto& zeile : t) {
        for (std::size_t i = 0; i < zeile.size(); ++i) aus += (i ? ";" : "") + csvFeld(zeile[i]);
        aus += "\n";
    }
    return aus;
}

std::string alsText(const Tabelle& t) {
    std::vector<int> breite;
    for (const auto& zeile : t)
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            if (breite.size() <= i) breite.push_back(0);
            breite[i] = std::max(breite[i], zeichenAnzahl(zeile[i]));
        }
    std::string aus;
    for (const auto& zeile : t) {
        std::string z;
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            z += zeile[i];
            if (i + 1 < zeile.size()) z.append(static_cast<std::size_t>(breite[i] - zeichenAnzahl(zeile[i]) + 2), ' ');
        }
        // An empty last column leaves no blanks behind.
        z.erase(z.find_last_not_of(' ') + 1);
        aus += z + "\n";
    }
    return aus;
}

Tabelle rangliste(const Spielstand& s) {
    // The last three columns are points, as the window's tooltips say, not numbers of hits.
    Tabelle t = {{"Platz", "Name", "Gesamtpunkte", "Gruppenphase", "K.O.-Phase", "Bonuspunkte", "Punkte richtige Tipps",
                  "Punkte Sieghöhe", "Punkte richtige Tendenz"}};
    const auto zeilen = tabellenZeilen(s);
    for (int r = 0; r < s.anzahlMitspieler(); ++r) {
        const Tabellenzeile& z = zeilen.at(static_cast<std::size_t>(r));
        t.push_back({std::to_string(r + 1), s.getName(spielerAufPlatz(s, r)), z.gesamt, z.gruppe, z.ko, z.bonus,
                     z.richtige, z.sieghoehe, z.tendenz});
    }
    return t;
}

std::optional<int> teilnehmer(const Spielstand& s, const std::string& nrOderName) {
    if (!nrOderName.empty() && nrOderName.size() <= 3 &&
        nrOderName.find_first_not_of("0123456789") == std::string::npos) {
        const int nr = std::stoi(nrOderName);
        if (nr < katalog::anzahlSpieler) return nr;
        return {};
    }
    std::optional<int> erster;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        if (s.getName(p) != nrOderName) continue;
        if (s.getSpieltMit(p)) return p;
        if (!erster) erster = p;
    }
    return erster;
}

Tabelle spielplan(const Spielstand& s) {
    Tabelle t = {{"Nr", "Phase", "Heim", "Aus", "Wochentag", "Datum", "Anstoß", "Ort", "Stadion", "Schiedsrichter",
                  "Quote", "Ergebnis", "auswerten"}};
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const Spiel& sp = s.spiele[m];
        t.push_back({std::to_string(m), s.getPHName(m), s.getTeam(m, 0), s.getTeam(m, 1), s.getTag(m), s.getDatum(m),
                     s.getZeit(m), s.getOrt(m), s.getStadion(m), s.getSchiri(m), s.getQuote(m),
                     std::to_string(sp.ergHeim) + ":" + std::to_string(sp.ergAus), sp.auswerten ? "ja" : "nein"});
    }
    return t;
}

}  // namespace ovi::werkzeug
