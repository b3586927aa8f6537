#include "tools/auswertung/befehl_tipptext.h"

#include <QString>
#include <ostream>

#include "ausgabe/spieltext.h"
#include "core/paarungen.h"
#include "files/textdatei.h"

namespace ovi::werkzeug {

Tabelle tippvorschau(const Spielstand& s, const std::vector<Vorschauzeile>& v, bool csv) {
    Tabelle t = {{"Zeile", "Teilnehmer", "Spiel", "Tipp", "Befund"}};
    if (!csv) t.front().push_back("Text");
    for (const Vorschauzeile& z : v) {
        if (z.befund == Befund::leer) continue;
        const Tippzeile& l = z.zeile;
        const bool spiel = l.spiel >= 0;
        std::string nr = spiel ? std::to_string(l.spiel + 1) : "";
        if (spiel && !csv) nr += " " + paarungText(s, l.spiel);
        std::vector<std::string> zeile = {std::to_string(l.nummer), l.spieler >= 0 ? teilnehmerName(s, l.spieler) : "",
                                          nr, spiel ? std::to_string(l.heim) + ":" + std::to_string(l.aus) : "",
                                          befundText(z)};
        if (!csv) zeile.push_back(l.text);
        t.push_back(std::move(zeile));
    }
    return t;
}

int befehlTipptext(const Spielstand& s, const std::string& textdatei, bool csv, std::ostream& aus,
                   std::ostream& fehler) {
    const Gelesen<std::string> text = ladeTextdatei(QString::fromLocal8Bit(textdatei.c_str()));
    if (!text) {
        fehler << text.fehler << "\n";
        return 1;
    }
    const Tabelle t = tippvorschau(s, vorschau(leseTipptext(*text.daten, s), s.tipps), csv);
    aus << (csv ? alsCsv(t) : alsText(t));
    return 0;
}

}  // namespace ovi::werkzeug
