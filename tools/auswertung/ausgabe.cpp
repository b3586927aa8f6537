#include "tools/auswertung/ausgabe.h"

#include <QString>
#include <algorithm>

#include "core/rangliste.h"
#include "core/utf8.h"

namespace ovi::werkzeug {

namespace {

// "-3", "12", "-0,5": what a spreadsheet reads as a number, not as a formula.
bool istZahl(std::string_view t) {
    if (!t.empty() && t[0] == '-') t.remove_prefix(1);
    const std::size_t komma = t.find_first_of(".,");
    const auto ziffern = [](std::string_view z) {
        return !z.empty() && z.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return komma == std::string_view::npos ? ziffern(t) : ziffern(t.substr(0, komma)) && ziffern(t.substr(komma + 1));
}

bool istFormel(const std::string& feld) {
    return !feld.empty() && std::string_view("=+-@\t\r").find(feld[0]) != std::string_view::npos && !istZahl(feld);
}

}  // namespace

std::string csvFeld(const std::string& feld) {
    const bool formel = istFormel(feld);
    if (!formel && feld.find_first_of(";\"\r\n") == std::string::npos) return feld;
    std::string aus = formel ? "\"'" : "\"";
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

std::string sichtbar(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string aus;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        // The length of a well-formed UTF-8 sequence starting here, 0 if it is none.
        std::size_t n = b < 0x80                          ? 1
                        : (b & 0xE0) == 0xC0 && b >= 0xC2 ? 2
                        : (b & 0xF0) == 0xE0              ? 3
                        : (b & 0xF8) == 0xF0 && b <= 0xF4 ? 4
                                                          : 0;
        for (std::size_t k = 1; k < n; ++k)
            if (i + k >= text.size() || (static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) n = 0;
        if (n == 1 && (b < 0x20 || b == 0x7F)) {
            aus += std::string("\\x") + hex[b >> 4] + hex[b & 0xF];
        } else if (n == 2 && b == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0) {
            const auto c = static_cast<unsigned char>(text[i + 1]);  // U+0080..U+009F
            aus += std::string("\\u00") + hex[c >> 4] + hex[c & 0xF];
        } else if (n == 0) {
            aus += std::string("\\x") + hex[b >> 4] + hex[b & 0xF];
            n = 1;
        } else {
            aus.append(text.substr(i, n));
        }
        i += n;
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
    const auto suche = [&s](const auto& passt) {
        std::optional<int> erster;
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            if (!passt(QString::fromStdString(s.getName(p)))) continue;
            if (s.getSpieltMit(p)) return std::optional<int>(p);
            if (!erster) erster = p;
        }
        return erster;
    };
    const QString name = QString::fromStdString(nrOderName);
    if (const auto genau = suche([&name](const QString& n) { return n == name; })) return genau;
    return suche([&name](const QString& n) { return n.compare(name, Qt::CaseInsensitive) == 0; });
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
