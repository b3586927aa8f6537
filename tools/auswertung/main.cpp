// ovikuvela-auswertung: evaluates a game file as opening it in the window does and prints the ranking,
// a participant's report or the schedule.
#include <QDateTime>
#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "ausgabe/tabellenhtml.h"
#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "core/rangliste.h"
#include "core/verlauf.h"
#include "core/version.h"
#include "files/dateiart.h"
#include "files/dateifehler.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tools/auswertung/ausgabe.h"
#include "tools/auswertung/befehl_fehlende.h"
#include "tools/auswertung/befehl_tipptext.h"
#include "tools/auswertung/befehl_tippzettel.h"
#include "tools/auswertung/befehle.h"
#include "tools/auswertung/chancen.h"
#include "tools/auswertung/gruppentabellen.h"
#include "tools/auswertung/verlaufstabelle.h"

using namespace ovi;

namespace {

constexpr const char* hilfe =
    "Aufruf:\n"
    "  ovikuvela-auswertung [--csv] [--sortierung K] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --bericht NR|NAME [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --spielplan [--spielinfo] [--csv] DATEI\n"
    "  ovikuvela-auswertung --gruppen [--spielinfo] [--csv] DATEI\n"
    "  ovikuvela-auswertung --html [--berichte] [--chancen] [--sortierung K] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --verlauf [--csv] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --chancen [--csv] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --szenario NAME [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --vergleich [--csv] [--weltmeister TEAM] DATEI\n"
    "  ovikuvela-auswertung --tipptext TEXTDATEI [--csv] DATEI\n"
    "  ovikuvela-auswertung --fehlende DATEI\n"
    "  ovikuvela-auswertung --tippzettel NAME|leer [--ansicht N] DATEI\n"
    "\n"
    "  --csv             Tabelle als CSV (Semikolon, UTF-8) statt ausgerichtet\n"
    "  --sortierung K    danach nach Schlüssel K sortieren: 0 Gesamtpunkte, 1 Gruppenphase, 2 K.O.-Phase,\n"
    "                    3 Bonuspunkte, 4 richtige Tipps, 5 Sieghöhe, 6 richtige Tendenz\n"
    "  --weltmeister T   Weltmeister nach einem unentschiedenen Finale (Mannschaftsname)\n"
    "  --bericht NR      Bericht eines Teilnehmers statt der Tabelle: NR ist seine Nummer 0..24, die Zeile\n"
    "                    in „Spielerdaten ändern“ von oben gezählt (0 die erste); statt NR geht auch sein Name\n"
    "                    (Groß- und Kleinschreibung gleich)\n"
    "  --spielplan       die 64 Spiele als Tabelle; mit --spielinfo ist DATEI eine Spiel-Informationsdatei\n"
    "  --gruppen         die acht Gruppentabellen aus den gewerteten Gruppenspielen; \"Los\": gleichauf nach\n"
    "                    allen Regeln von 2006, es entscheidet das Los\n"
    "  --html            Tabelle und Tippübersicht als HTML-Seite (UTF-8, alles in einer Datei)\n"
    "  --berichte        mit --html: dazu die Berichte aller Teilnehmer\n"
    "  --verlauf         Punkte und Platz jedes Teilnehmers nach jedem Spieltag\n"
    "  --chancen         Wer kann noch gewinnen: Punkte, bester und schlechtester Platz, Titel (sicher, möglich,\n"
    "                    nein) jedes Teilnehmers über alle Ergebnisse der offenen Spiele; mit --html als Teil der "
    "Seite\n"
    "  --szenario NAME   die offenen Spiele mit Ergebnissen, die den Teilnehmer auf seinen besten Platz bringen:\n"
    "                    Spiel;Heim;Gast;Ergebnis, zuletzt Weltmeister;TEAM, solange der Weltmeister offen ist\n"
    "  --vergleich       Platz und Punkte jedes Teilnehmers unter jeder Wertung nebeneinander\n"
    "  --tipptext T      die Tipps der Textdatei T (UTF-8 oder Windows-1252) lesen wie „Tipps aus Text“ und je\n"
    "                    Zeile zeigen, was geschähe (neu, ersetzt, gleich, ohne Tipp, nicht erkannt); ändert nichts.\n"
    "                    Mit --csv: Zeile;Teilnehmer;Spiel;Tipp;Befund, Spiel 1..64, Tipp in Heim:Gast\n"
    "  --fehlende        je Teilnehmer die fehlenden Tipps: nicht gewertete Spiele mit fester Paarung, Tipp 0:0\n"
    "  --tippzettel N    Tippzettel als Text für Teilnehmer N (Name oder Nummer 0..24) oder „leer“ zum Ausfüllen\n"
    "  --ansicht V       mit --tippzettel nur die Spiele der Ansicht V: 0..7 Gruppe A..H, 8 Achtelfinale,\n"
    "                    9 Viertelfinale, 10 Halbfinale, Finale; ohne --ansicht das ganze Turnier\n"
    "  --help            diese Hilfe\n"
    "  --version         die Version\n"
    "\n"
    "Jeder Aufruf nimmt nur die Optionen seiner Zeile oben.\n";

int benutzung(const std::string& text) {
    std::cerr << "ovikuvela-auswertung: " << werkzeug::sichtbar(text) << "\n\n" << hilfe;
    return 2;
}

// A message that may carry a file name or a name typed on the command line: no control character reaches the
// terminal as it is.
int fehler(const std::string& text) {
    std::cerr << werkzeug::sichtbar(text) << "\n";
    return 1;
}

std::optional<int> zahl(const std::string& text, int von, int bis) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return {};
    const int w = std::stoi(text);
    if (w < von || w > bis) return {};
    return w;
}

struct Optionen {
    bool csv = false, spielplan = false, spielinfo = false, gruppen = false, html = false, berichte = false,
         verlauf = false, fehlende = false, chancen = false, vergleich = false;
    int sortierung = 0;
    std::optional<std::string> bericht, tipptext, tippzettel, szenario;
    std::optional<int> ansicht;
    std::optional<std::string> weltmeister;
    std::string datei;

    // The options without a value, each a switch of its own.
    static bool* schalter(Optionen& o, const std::string& name) {
        const std::pair<const char*, bool Optionen::*> alle[] = {{"--csv", &Optionen::csv},
                                                                 {"--spielplan", &Optionen::spielplan},
                                                                 {"--spielinfo", &Optionen::spielinfo},
                                                                 {"--gruppen", &Optionen::gruppen},
                                                                 {"--html", &Optionen::html},
                                                                 {"--berichte", &Optionen::berichte},
                                                                 {"--verlauf", &Optionen::verlauf},
                                                                 {"--fehlende", &Optionen::fehlende},
                                                                 {"--chancen", &Optionen::chancen},
                                                                 {"--vergleich", &Optionen::vergleich}};
        for (const auto& [n, feld] : alle)
            if (name == n) return &(o.*feld);
        return nullptr;
    }
};

}  // namespace

int lauf(int argc, char** argv) {
    Optionen o;
    std::vector<std::string> gegeben;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const auto wert = [&]() -> std::optional<std::string> {
            if (i + 1 >= argc) return {};
            return std::string(argv[++i]);
        };
        if (a == "--help" || a == "-h") {
            std::cout << hilfe;
            return 0;
        } else if (a == "--version") {
            std::cout << "ovikuvela-auswertung " << version << "\n";
            return 0;
        } else if (auto* schalter = Optionen::schalter(o, a)) {
            *schalter = true;
            gegeben.push_back(a);
        } else if (a == "--sortierung") {
            const auto w = wert();
            const auto k = w ? zahl(*w, 0, 6) : std::nullopt;
            if (!k) return benutzung("--sortierung braucht eine Zahl von 0 bis 6");
            o.sortierung = *k;
            gegeben.push_back(a);
        } else if (a == "--bericht") {
            o.bericht = wert();
            const bool nummer =
                o.bericht && !o.bericht->empty() && o.bericht->find_first_not_of("0123456789") == std::string::npos;
            if (!o.bericht || o.bericht->empty() || (nummer && !zahl(*o.bericht, 0, 24)))
                return benutzung("--bericht braucht eine Teilnehmernummer von 0 bis 24 oder einen Namen");
            gegeben.push_back(a);
        } else if (a == "--szenario") {
            o.szenario = wert();
            if (!o.szenario || o.szenario->empty()) return benutzung("--szenario braucht den Namen eines Teilnehmers");
            gegeben.push_back(a);
        } else if (a == "--tipptext" || a == "--tippzettel") {
            auto& feld = a == "--tipptext" ? o.tipptext : o.tippzettel;
            feld = wert();
            if (!feld || feld->empty())
                return benutzung(a == "--tipptext" ? "--tipptext braucht eine Textdatei"
                                                   : "--tippzettel braucht einen Teilnehmer oder „leer“");
            gegeben.push_back(a);
        } else if (a == "--ansicht") {
            const auto w = wert();
            o.ansicht = w ? zahl(*w, 0, katalog::anzahlAnsichten - 1) : std::nullopt;
            if (!o.ansicht) return benutzung("--ansicht braucht eine Zahl von 0 bis 10");
            gegeben.push_back(a);
        } else if (a == "--weltmeister") {
            o.weltmeister = wert();
            if (!o.weltmeister) return benutzung("--weltmeister braucht einen Mannschaftsnamen");
            gegeben.push_back(a);
        } else if (a.rfind("--", 0) == 0) {
            return benutzung("unbekannte Option " + a);
        } else if (o.datei.empty()) {
            o.datei = a;
        } else {
            return benutzung("nur eine Datei angeben");
        }
    }
    if (o.datei.empty()) return benutzung("keine Datei angegeben");
    if (const std::string warum = werkzeug::passenZusammen(gegeben); !warum.empty()) return benutzung(warum);

    Spielstand s;
    if (o.weltmeister) {
        if (katalog::mannschaftNr(s.nationen, *o.weltmeister) < 0)
            return benutzung("„" + *o.weltmeister + "“ ist keine Mannschaft");
    }
    const QString pfad = QString::fromLocal8Bit(o.datei.c_str());
    try {
        // A file of the other kind is named as such, with the way it is read.
        if (o.spielinfo) {
            const auto g = ladeSpielInfo(pfad);
            if (!g) return fehler(g.andereArt ? istSpieldatei(pfad) + " Sie wird ohne --spielinfo gelesen." : g.fehler);
            s.spiele = g.daten->spiele;
        } else {
            const auto g = ladeSpieldatei(pfad, s.nationen);
            if (!g)
                return fehler(g.andereArt ? istSpielInfo(pfad) +
                                                " Sie wird mit --spielinfo gelesen (bei --spielplan und --gruppen)."
                                          : g.fehler);
            uebernehme(s, *g.daten);
        }
        if (o.tipptext) return werkzeug::befehlTipptext(s, *o.tipptext, o.csv, std::cout, std::cerr);
        if (o.fehlende) return werkzeug::befehlFehlende(s, std::cout);
        if (o.tippzettel)
            return werkzeug::befehlTippzettel(s, *o.tippzettel, o.ansicht.value_or(-1), o.datei, std::cout, std::cerr);
        if (o.spielplan) {
            const auto t = werkzeug::spielplan(s);
            std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
            return 0;
        }
        if (o.gruppen) {
            const auto t = werkzeug::gruppentabellen(s, !o.csv);
            std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
            return 0;
        }
        // The chances answer a drawn final themselves: without an answer either finalist may still be champion.
        const int weltmeister = o.weltmeister ? katalog::mannschaftNr(s.nationen, *o.weltmeister) : -1;
        if (o.chancen && !o.html) return werkzeug::zeigeChancen(s, weltmeister, o.csv);
        if (o.szenario) return werkzeug::zeigeSzenario(s, weltmeister, *o.szenario, o.datei);
        if (werteKomplettAus(s) == Bonusausgang::weltmeisterFrage) {
            if (o.weltmeister)
                setWeltmeister(s, *o.weltmeister);
            else
                std::cerr
                    << "Hinweis: Das Finale endete unentschieden; ohne --weltmeister gibt es keine Bonuspunkte.\n";
        }
        if (o.vergleich) return werkzeug::zeigeVergleich(s, weltmeister, o.csv);
        if (o.verlauf) {
            const auto t = werkzeug::verlauf(berechneVerlauf(s));
            std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
            return 0;
        }
        if (o.sortierung != 0) sortiereTabelle(s, o.sortierung);
        if (o.bericht) {
            const std::optional<int> nr = werkzeug::teilnehmer(s, *o.bericht);
            if (!nr) return fehler(o.datei + ": Kein Teilnehmer heißt „" + *o.bericht + "“.");
            if (!s.getSpieltMit(*nr))
                return fehler(o.datei + ": Teilnehmer " + std::to_string(*nr) +
                              (s.getName(*nr).empty() ? "" : " („" + s.getName(*nr) + "“)") +
                              " spielt nicht mit, darum gibt es keinen Bericht.");
            std::cout << spielerInfo(s, *nr);
            return 0;
        }
        if (o.html) {
            const QString stand = QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'"));
            Tabellendokument d = baueTabellendokument(s, QFileInfo(pfad).fileName().toStdString(), stand.toStdString(),
                                                      {true, true, o.berichte});
            if (o.chancen) d.zusatz.push_back(werkzeug::chancenFuerSeite(s, weltmeister));
            std::cout << alsHtml(d);
            return 0;
        }
        const auto t = werkzeug::rangliste(s);
        std::cout << (o.csv ? werkzeug::alsCsv(t) : werkzeug::alsText(t));
    } catch (const std::exception& e) {
        return fehler(o.datei + ": " + e.what());
    }
    return 0;
}

// Output to a full disk or /dev/full fails only when it is written: then the run has failed too. The whole output
// waits in one buffer, so the write at the end sees the failure and its cause.
int main(int argc, char** argv) {
    static char puffer[1 << 20];
    std::setvbuf(stdout, puffer, _IOFBF, sizeof puffer);
    const int rc = lauf(argc, argv);
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout) && std::cout.flush()) return rc;
    const std::string ursache = systemUrsache(errno);
    std::cerr << "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden"
              << (ursache.empty() ? "" : ": " + ursache) << ".\n";
    return rc == 0 ? 1 : rc;
}
