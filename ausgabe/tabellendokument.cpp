#include "ausgabe/tabellendokument.h"

#include <tuple>

#include "ausgabe/verlaufsvg.h"
#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "core/datum.h"
#include "core/rangliste.h"
#include "core/verlauf.h"

namespace ovi {

namespace {

std::string zahl(int n) { return std::to_string(n); }

std::string punkteText(int n) { return zahl(n) + (n == 1 ? " Punkt" : " Punkte"); }

std::string paar(int heim, int aus) { return zahl(heim) + ":" + zahl(aus); }

// The reports end their lines with CR LF; pages and HTML want LF.
std::string ohneCR(const std::string& text) {
    std::string aus;
    aus.reserve(text.size());
    for (char c : text)
        if (c != '\r') aus += c;
    return aus;
}

// Slots who play along, in the order of the ranking.
std::vector<int> mitspielerInRangfolge(const Spielstand& s) {
    std::vector<int> slots;
    for (int r = 0; r < katalog::anzahlSpieler; ++r) {
        const int p = spielerAufPlatz(s, r);
        if (s.spieler[p].spieltMit) slots.push_back(p);
    }
    return slots;
}

}  // namespace

int letztesGewertetesSpiel(const Spielstand& s) {
    int letztes = -1;
    std::tuple<int, int, int> bester{-1, -1, -1};
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const Spiel& sp = s.spiele[m];
        if (!sp.auswerten) continue;
        // Anything unreadable sorts first.
        const std::tuple<int, int, int> schluessel{leseDatum(sp.datum).value_or(0), leseUhrzeit(sp.zeit).value_or(0),
                                                   m};
        if (schluessel > bester) bester = schluessel, letztes = m;
    }
    return letztes;
}

std::vector<Kopfangabe> kopfAngaben(const Spielstand& s) {
    const Regel& r = s.regel;
    std::string regel = regelName(r.modus);
    if (!regel.empty()) regel += ": ";
    regel += "richtiger Tipp " + zahl(r.modusPunkte[0]) + ", richtige Sieghöhe " + zahl(r.modusPunkte[1]) +
             ", richtige Tendenz " + zahl(r.modusPunkte[2]);

    std::string bonus = "aus";
    if (r.bonus) {
        const bool bekannt = finaleUndBonus(s) && s.weltmeister >= 0 && s.weltmeister <= katalog::letzteMannschaft;
        bonus = punkteText(r.bonuspunkte) + " für den richtigen Weltmeister-Tipp; Weltmeister: " +
                (bekannt ? s.nationen[s.weltmeister] : std::string("noch offen"));
    }

    int anzahl = 0;
    for (const Spiel& sp : s.spiele) anzahl += sp.auswerten ? 1 : 0;
    std::string gewertet = "kein Spiel";
    if (const int m = letztesGewertetesSpiel(s); m >= 0) {
        const Spiel& sp = s.spiele[m];
        gewertet = zahl(anzahl) + (anzahl == 1 ? " Spiel" : " Spiele") + ", zuletzt " + s.getTeam(m, 0) + " – " +
                   s.getTeam(m, 1) + " " + paar(sp.ergHeim, sp.ergAus);
        if (!sp.datum.empty()) gewertet += " am " + sp.datum;
    }
    return {{"Wertung", regel}, {"Bonus", bonus}, {"Gewertet", gewertet}};
}

Tabellendokument baueTabellendokument(const Spielstand& s, const std::string& dateiTitel, const std::string& stand,
                                      Dokumentwahl wahl, Diagrammgroesse groesse) {
    Tabellendokument d;
    d.titel = dateiTitel.empty() ? "Neues Spiel" : dateiTitel;
    d.stand = stand;
    d.kopf = kopfAngaben(s);
    d.wahl = wahl;

    // Named as the window's tooltips name its columns; the rows the window shows.
    d.spalten = {"Platz",
                 "Name",
                 "Gesamtpunkte",
                 "Punkte in der Gruppenphase",
                 "Punkte der K.O.-Phase",
                 "erreichte Bonuspunkte",
                 "Punkte durch richtige Tipps",
                 "Punkte durch richtige Sieghöhe",
                 "Punkte durch richtige Tendenz"};
    const auto zeilen = tabellenZeilen(s);
    for (int r = 0; r < s.anzahlMitspieler(); ++r) {
        const Tabellenzeile& z = zeilen.at(static_cast<std::size_t>(r));
        d.zeilen.push_back(
            {zahl(r + 1), z.spieler.substr(2), z.gesamt, z.gruppe, z.ko, z.bonus, z.richtige, z.sieghoehe, z.tendenz});
    }
    // The race behind the ranking: places per match day and each day's winners, once a match counts.
    if (wahl.tabelle) {
        const Verlauf v = berechneVerlauf(s);
        if (!v.tage.empty() && !v.teilnehmer.empty())
            d.zusatz.push_back({"Verlauf der Plätze", alsSvg(diagramm(v, Kurve::platz, groesse.breite, groesse.hoehe)),
                                tagessiegerZeilen(v)});
    }

    const std::vector<int> slots = mitspielerInRangfolge(s);
    for (int p : slots) d.teilnehmer.push_back(s.spieler[p].name);
    std::vector<int> summe(slots.size(), 0);
    for (int m = 0; m < katalog::anzahlSpiele; ++m) {
        const Spiel& sp = s.spiele[m];
        if (!sp.auswerten) continue;
        Uebersichtszeile z{s.getTeam(m, 0), s.getTeam(m, 1), paar(sp.ergHeim, sp.ergAus), {}};
        for (std::size_t i = 0; i < slots.size(); ++i) {
            const int p = slots[i];
            const int k = s.auswertung[p].kategorie[m];
            const bool treffer = k >= 0 && k <= 2;
            const int punkte = treffer ? s.regel.modusPunkte[k] : 0;
            summe[i] += punkte;
            z.zellen.push_back(
                {paar(s.tipps(p, m, 0), s.tipps(p, m, 1)), treffer ? k : 3, treffer ? zahl(punkte) : std::string()});
        }
        d.uebersicht.push_back(std::move(z));
    }
    for (int n : summe) d.summen.push_back(zahl(n));
    for (int k = 0; k < 4; ++k) d.farben[static_cast<std::size_t>(k)] = s.modusFarbe[k];
    const char* treffer[4] = {"richtiger Tipp", "richtige Sieghöhe", "richtige Tendenz", "kein Treffer"};
    for (int k = 0; k < 4; ++k)
        d.legende[static_cast<std::size_t>(k)] =
            std::string(treffer[k]) + ": " + punkteText(k < 3 ? s.regel.modusPunkte[k] : 0);

    if (wahl.berichte)
        for (int p : slots) {
            d.berichtNamen.push_back(s.spieler[p].name);
            d.berichte.push_back(ohneCR(spielerInfo(s, p)));
        }
    return d;
}

}  // namespace ovi
