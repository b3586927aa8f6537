#include "core/bericht.h"

#include <algorithm>

#include "core/auswertung.h"
#include "core/utf8.h"

namespace ovi {

namespace {

constexpr const char* zeilenende = "\r\n";

struct Abschnittskopf {
    int vorSpiel;
    const char* text;
};
constexpr Abschnittskopf koepfe[] = {
    {0, "  Gruppe A"},      {6, "  Gruppe B"},       {12, "  Gruppe C"},   {18, "  Gruppe D"},
    {24, "  Gruppe E"},     {30, "  Gruppe F"},      {36, "  Gruppe G"},   {42, "  Gruppe H"},
    {48, "  Achtelfinale"}, {56, "  Viertelfinale"}, {60, "  Halbfinale"}, {62, "  Finale"},
};

class Bericht {
  public:
    Bericht(const Spielstand& s, int nr) : s_(s), nr_(nr) {}

    void zeile(const std::string& text = {}) {
        text_ += text;
        text_ += zeilenende;
    }

    void spielZeile(int m, bool mitTipp) {
        const Spiel& spiel = s_.spiele[m];
        std::string z = "    " + namen14(s_, spiel.heim) + " - " + namen14(s_, spiel.aus) +
                        std::to_string(spiel.ergHeim) + ":" + std::to_string(spiel.ergAus);
        if (mitTipp) z += " (" + std::to_string(s_.tipps(nr_, m, 0)) + ":" + std::to_string(s_.tipps(nr_, m, 1)) + ")";
        zeile(z);
    }

    void trefferListe(const std::string& kopf, int anzahl, int punkte, const char* einheit, int kategorie) {
        zeile("  " + kopf + " [" + std::to_string(anzahl) + "x]");
        zeile("  [jeweils " + std::to_string(punkte) + " " + einheit + "]");
        zeile("  -");
        const Auswertung& a = s_.auswertung[nr_];
        for (int m = 0; m < katalog::anzahlSpiele; ++m)
            if (a.kategorie[m] == kategorie) spielZeile(m, kategorie != 0);
    }

    std::string text() { return std::move(text_); }

  private:
    const Spielstand& s_;
    int nr_;
    std::string text_;
};

std::string wmTippText(const Spielstand& s, int tipp) {
    if (tipp == -1) return "kein Tipp";
    return s.nationen[tipp];
}

}  // namespace

std::string namen14(const Spielstand& s, int teamNr) {
    std::string name = s.nationen[teamNr];
    const int fehlend = 23 - zeichenAnzahl(name);
    if (fehlend > 0) name.append(static_cast<std::size_t>(fehlend), ' ');
    return name;
}

std::string spielerInfo(const Spielstand& s, int nr) {
    const Spieler& sp = s.spieler[nr];
    const Auswertung& a = s.auswertung[nr];
    const int p0 = s.regel.modusPunkte[0], p1 = s.regel.modusPunkte[1], p2 = s.regel.modusPunkte[2];
    const auto zahl = [](int v) { return std::to_string(v); };

    Bericht b(s, nr);
    b.zeile("  " + sp.name);
    b.zeile("  -");
    b.zeile("  Weltmeister-Tipp: " + wmTippText(s, sp.weltmeisterTipp));
    b.zeile();
    b.zeile("  Gesamtpunkte:\t" + zahl(a.gesamt) + " [" + zahl(a.platz + 1) + ".]");
    b.zeile("  Gruppenphase:\t" + zahl(summeAbschnitte(s, nr, 0, 7)));
    b.zeile("  K.O.-Phase: \t" + zahl(summeAbschnitte(s, nr, 8, 12)));
    b.zeile("  WM-Bonus:\t" + zahl(a.wmBonus));
    b.zeile();
    b.zeile("  Punkte durch");
    b.zeile("    richtiges Ergebnis:\t" + zahl(mal16(a.anzahl3er, p0)));
    b.zeile("    Höhe des Sieges:\t" + zahl(mal16(a.anzahl2er, p1)));
    b.zeile("    richtige Tendenz:\t" + zahl(mal16(a.anzahl1er, p2)));
    b.zeile();
    b.zeile();
    b.zeile("  Punkte nach Mannschaften");
    b.zeile("  -");
    for (int t = 0; t <= katalog::letzteMannschaft; ++t) b.zeile("    " + namen14(s, t) + zahl(a.punkteTeam[t]));
    b.zeile();
    b.trefferListe("Die richtigen Tipps", a.anzahl3er, p0, "Punkte", 0);
    b.zeile();
    b.trefferListe("Spiele mit richtiger Sieghöhe", a.anzahl2er, p1, "Punkte", 1);
    b.zeile();
    b.trefferListe("Spiele mit richtiger Tendenz", a.anzahl1er, p2, "Punkt(e)", 2);
    b.zeile();
    b.zeile();
    b.zeile("  Alle Spiele");
    b.zeile("  -");
    std::size_t naechsterKopf = 0;
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        if (naechsterKopf < std::size(koepfe) && koepfe[naechsterKopf].vorSpiel == m) {
            b.zeile();
            b.zeile(koepfe[naechsterKopf].text);
            b.zeile("  -");
            ++naechsterKopf;
        }
        b.spielZeile(m, true);
    }
    return b.text();
}

std::string mitSpalten(const std::string& bericht) {
    constexpr int wertSpalte = 4 + 23;  // "    " and a padded team name
    std::string aus;
    aus.reserve(bericht.size() + 1024);
    int spalte = 0;
    for (const char c : bericht) {
        if (c == '\t') {
            const int blanks = std::max(1, wertSpalte - spalte);
            aus.append(static_cast<std::size_t>(blanks), ' ');
            spalte += blanks;
            continue;
        }
        aus += c;
        if (c == '\n' || c == '\r')
            spalte = 0;
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++spalte;
    }
    return aus;
}

}  // namespace ovi
