// ovikuvela-auswertung: evaluates a game file as opening it in the window does and prints the ranking,
// a participant's report or the schedule.
#include <QString>
#include <cstdio>
#include <iostream>
#include <optional>

#include "ausgabe.h"
#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/rangliste.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"

using namespace ovi;

namespace {

constexpr const char* hilfe =
    "Aufruf:\n"
    "  ovikuvela-auswertung [--csv] [--sortierung K] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --bericht NR|NAME [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --spielplan [--spielinfo] [--csv] DATEI\n"
    "\n"
    "  --csv             Tabelle als CSV (Semikolon, UTF-8) statt ausgerichtet\n"
    "  --sortierung K    danach nach Schlüssel K sortieren: 0 Gesamtpunkte, 1 Gruppenphase, 2 K.O.-Phase,\n"
    "                    3 Bonuspunkte, 4 richtige Tipps, 5 Sieghöhe, 6 richtige Tendenz\n"
    "  --weltmeister T   Weltmeister nach einem unentschiedenen Finale (Mannschaftsname)\n"
    "  --bericht NR      Bericht eines Teilnehmers statt der Tabelle: NR ist seine Nummer 0..24, die Zeile\n"
    "                    in „Spielerdaten ändern“ von oben gezählt (0 die erste); statt NR geht auch sein Name\n"
    "  --spielplan       die 64 Spiele als Tabelle; mit --spielinfo ist DATEI eine Spiel-Informationsdatei\n"
    "  --help            diese Hilfe\n";

int benutzung(const std::string& text) {
    std::cerr << "ovikuvela-auswertung: " << text << "\n\n" << hilfe;
    return 2;
}

std::optional<int> zahl(const std::string& text, int von, int bis) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const int w = std::stoi(text);
    if (w < von || w > bis) return {};
    return w;
}

struct Optionen {
    bool csv = false, spielplan = false, spielinfo = false;
    int sortierung = 0;
    std::optional<std::string> bericht;
    std::optional<std::string> weltmeister;
    std::string datei;
};

}  // namespace

int main(int argc, char** argv) {
    Optionen o;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto wert = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc) return {};
            return std::string(argv[++i]);
        };
        if (a == "--help" || a == "-h") {
            std::cout << hilfe;
            return 0;
        } else if (a == "--csv") {
            o.csv = true;
        } else if (a == "--spielplan") {
            o.spielplan = true;
        } else if (a == "--spielinfo") {
            o.spielinfo = true;
        } else if (a == "--sortierung") {
            const auto w = wert();
            const auto k = w ? zahl(*w, 0, 6) : std::nullopt;
            if (!k) return benutzung("--sortierung braucht eine Zahl von 0 bis 6");
            o.sortierung = *k;
        } else if (a == "--bericht") {
            o.bericht = wert();
            const bool nummer =
                o.bericht && !o.bericht->empty() && o.bericht->find_first_not_of("0123456789") == std::string::npos;
            if (!o.bericht || o.bericht->empty() || (nummer && !zahl(*o.bericht, 0, 24)))
                return benutzung("--bericht braucht eine Teilnehmernummer von 0 bis 24 oder einen Namen");
        } else if (a == "--weltmeister") {
            o.weltmeister = wert();
            if (!o.weltmeister) return benutzung("--weltmeister braucht einen Mannschaftsnamen");
        } else if (a.rfind("--", 0) == 0) {
            return benutzung("unbekannte Option " + a);
        } else if (o.datei.empty()) {
            o.datei = a;
        } else {
            return benutzung("nur eine Datei angeben");
        }
    }
    if (o.datei.empty()) return benutzung("keine Datei angegeben");
    if (o.spielinfo && !o.spielplan) return benutzung("--spielinfo gehört zu --spielplan");

    Spielstand s;
    if (o.weltmeister) {
        bool bekannt = false;
        for (int l = 0; l <= 31; ++l) bekannt = bekannt || s.nationen[l] == *o.weltmeister;
        if (!bekannt) return benutzung("„" + *o.weltmeister + "“ ist keine Mannschaft");
    }
    const QString pfad = QString::fromLocal8Bit(o.datei.c_str());
    try {
        if (o.spielinfo) {
            const auto g = ladeSpielInfo(pfad);
            if (!g) {
                std::cerr << g.fehler << "\n";
                return 1;
            }
            s.spiele = g.daten->spiele;
        } else {
            const auto g = ladeSpieldatei(pfad, s.nationen);
            if (!g) {
                std::cerr << g.fehler << "\n";
                return 1;
            }
            uebernehme(s, *g.daten);
        }
        if (o.spielplan) {
            const auto t = werkzeug::spielplan(s);
            std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
            return 0;
        }
        if (werteKomplettAus(s) == Bonusausgang::weltmeisterFrage) {
            if (o.weltmeister)
                setWeltmeister(s, *o.weltmeister);
            else
                std::cerr << "Hinweis: Das Finale endete unentschieden; ohne --weltmeister gibt es keine Bonuspunkte.\n";
        }
        if (o.sortierung != 0) sortiereTabelle(s, o.sortierung);
        if (o.bericht) {
            const std::optional<int> nr = werkzeug::teilnehmer(s, *o.bericht);
            if (!nr) {
                std::cerr << o.datei << ": Kein Teilnehmer heißt „" << *o.bericht << "“.\n";
                return 1;
            }
            if (!s.getSpieltMit(*nr)) {
                std::cerr << o.datei << ": Teilnehmer " << *nr
                          << (s.getName(*nr).empty() ? "" : " („" + s.getName(*nr) + "“)")
                          << " spielt nicht mit, darum gibt es keinen Bericht.\n";
                return 1;
            }
            std::cout << spielerInfo(s, *nr);
            return 0;
        }
        const auto t = werkzeug::rangliste(s);
        std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
    } catch (const std::exception& e) {
        std::cerr << o.datei << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
