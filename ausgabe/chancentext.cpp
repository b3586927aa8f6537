#include "ausgabe/chancentext.h"

#include "core/auswertung.h"

namespace ovi {

namespace {

std::string team(const Spielstand& s, int nr) {
    return nr >= 0 && nr < katalog::anzahlNationen ? s.nationen[nr]
                                                   : std::string(katalog::nationen[katalog::unbekannt]);
}

std::string ergebnis(const Szenariospiel& sp) { return std::to_string(sp.ergHeim) + ":" + std::to_string(sp.ergAus); }

}  // namespace

const char* const schaetzungsHinweis =
    "Schätzung: Solange Gruppenspiele offen sind, zählt der Weltmeister-Bonus für jede Mannschaft, die ihre Gruppe "
    "noch unter den ersten zwei beenden kann; bester und schlechtester Platz können darum zu günstig oder zu "
    "ungünstig ausfallen.";

const std::vector<std::string> chancenDefinitionen = {
    "Offen sind die Spiele ohne Haken bei „auswerten“; jedes kann noch 0:0 bis 9:9 enden.",
    "Tipps und Wertung zählen wie bei „auswerten“, dazu der Weltmeister-Bonus.",
    "Platz: 1 + die Zahl der Mitspieler mit mehr Punkten; gleiche Punkte teilen sich einen Platz.",
    "Bester und schlechtester Platz: der kleinste und der größte Platz, der noch möglich ist.",
    "Titel: sicher, wenn der schlechteste Platz 1 ist; möglich, wenn der beste Platz 1 ist; sonst nein.",
    "Weltmeister ist der Sieger des Finales. Ein unentschiedenes K.-o.-Spiel zählt für die Punkte als "
    "Unentschieden, weiter kommt dann eine der beiden Mannschaften. Noch unbekannte Gegner folgen dem Turnierbaum "
    "von 2006.",
};

std::string titelText(Titel t) {
    switch (t) {
        case Titel::sicher:
            return "sicher";
        case Titel::moeglich:
            return "möglich";
        case Titel::nein:
            break;
    }
    return "nein";
}

Textzeilen chancenZeilen(const Spielstand& s, const Chancen& c) {
    Textzeilen t = {{"Teilnehmer", "Punkte", "Bester Platz", "Schlechtester Platz", "Titel"}};
    for (const Chance& z : c.zeilen)
        t.push_back({s.spieler[z.spieler].name, std::to_string(z.punkte), std::to_string(z.besterPlatz),
                     std::to_string(z.schlechtesterPlatz), titelText(z.titel)});
    return t;
}

std::string szenarioSatz(const Spielstand& s, const Chance& c) {
    const std::string& name = s.spieler[c.spieler].name;
    const Szenario& sz = c.szenario;
    std::string liste;
    for (const Szenariospiel& sp : sz.spiele) {
        if (!liste.empty()) liste += ", ";
        liste += team(s, sp.heim) + " – " + team(s, sp.aus) + " " + ergebnis(sp);
        if (sp.weiter >= 0) liste += " (" + team(s, sp.weiter) + " weiter)";
    }
    if (sz.weltmeister >= 0 && sz.weltmeister < katalog::unbekannt)
        liste += (liste.empty() ? "" : ", ") + std::string("Weltmeister ") + team(s, sz.weltmeister);
    const std::string platz = std::to_string(c.besterPlatz);
    if (liste.empty()) return "Es ist nichts mehr offen: " + name + " steht auf Platz " + platz + ".";
    if (c.titel == Titel::sicher) return name + " wird in jedem Fall Erste, zum Beispiel so: " + liste;
    if (c.besterPlatz == 1) return "So wird " + name + " noch Erste: " + liste;
    return "So erreicht " + name + " noch Platz " + platz + ": " + liste;
}

Textzeilen szenarioZeilen(const Spielstand& s, const Szenario& sz) {
    Textzeilen t;
    for (const Szenariospiel& sp : sz.spiele)
        t.push_back({std::to_string(sp.spiel + 1), team(s, sp.heim), team(s, sp.aus), ergebnis(sp)});
    if (sz.weltmeister >= 0) t.push_back({"Weltmeister", team(s, sz.weltmeister)});
    return t;
}

Textzeilen regelZeilen(const Spielstand& s, const Regelvergleich& v) {
    Textzeilen t = {{"Teilnehmer"}};
    for (const Regelspalte& sp : v.spalten) {
        const std::string name = regelName(sp.modus) + (sp.gilt ? " (gilt)" : "");
        t[0].push_back("Platz " + name);
        t[0].push_back("Punkte " + name);
    }
    for (std::size_t i = 0; i < v.teilnehmer.size(); ++i) {
        std::vector<std::string> z = {s.spieler[v.teilnehmer[i]].name};
        for (const Regelspalte& sp : v.spalten) {
            z.push_back(std::to_string(sp.platz[i]));
            z.push_back(std::to_string(sp.punkte[i]));
        }
        t.push_back(std::move(z));
    }
    return t;
}

}  // namespace ovi

namespace ovi {

Zusatzteil chancenTeil(const Spielstand& s, const Chancen& c) {
    Zusatzteil t;
    t.titel = "Wer kann noch gewinnen?";
    t.tabelle = chancenZeilen(s, c);
    if (c.geschaetzt) t.zeilen.push_back(schaetzungsHinweis);
    t.zeilen.insert(t.zeilen.end(), chancenDefinitionen.begin(), chancenDefinitionen.end());
    return t;
}

}  // namespace ovi
