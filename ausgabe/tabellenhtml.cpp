#include "ausgabe/tabellenhtml.h"

#include "ausgabe/xml.h"
#include "core/utf8.h"

namespace ovi {

namespace {

// Narrow screens: the ranking's headers stand upright so its nine columns fit without scrolling;
// the overview keeps the match and its result in place while it scrolls sideways, above the participants'
// columns passing under them (a rotated header is a layer of its own, hence the z-index); the race chart keeps
// its size and scrolls.
constexpr const char* stil = R"(body{font-family:sans-serif;margin:1em;color:#000;background:#fff}
h1{font-size:1.4em;margin:0}
h2{font-size:1.15em;margin:1.4em 0 .4em}
h3{font-size:1em;margin:1em 0 .3em}
p{margin:.3em 0}
table{border-collapse:collapse}
th,td{border:1px solid #999;padding:.2em .4em}
.kopf th,.kopf td{border:0;padding:.1em .8em .1em 0;text-align:left;vertical-align:top}
.rang{width:100%;max-width:60em}
.rang th{font-size:.85em;font-weight:normal;vertical-align:bottom}
.rang td{text-align:right}
.rang td.n{text-align:left;font-weight:bold;overflow-wrap:anywhere}
.breit{overflow-x:auto;max-width:100%}
.tipps{border-collapse:separate;border-spacing:0}
.tipps th,.tipps td{text-align:center;white-space:nowrap;font-size:.9em;border-width:0 1px 1px 0}
.tipps tr>:first-child{border-left-width:1px}
.tipps thead th{border-top-width:1px}
.tipps .s,.tipps .e{position:sticky;z-index:2;background:#fff;box-sizing:border-box}
.tipps .s{text-align:left;white-space:normal;left:0;width:15em;min-width:15em;max-width:15em}
.tipps .e{left:15em}
.tipps th.t{font-weight:normal;vertical-align:bottom}
.tipps th.t span{writing-mode:vertical-rl;transform:rotate(180deg)}
.tipps td small{font-size:.75em}
.legende span{display:inline-block;border:1px solid #999;padding:.1em .5em;margin:.1em .3em .1em 0}
.figur svg{max-width:100%;height:auto}
pre{overflow-x:auto;font-size:.85em;tab-size:8;background:#ffffc0;padding:.5em}
.fuss{margin-top:2em;font-size:.8em;color:#555}
)";
// Last, since simpler renderers (Qt's rich text among them) drop every rule after it.
constexpr const char* schmal =
    "@media (max-width:40em){body{margin:.4em}.rang th span{writing-mode:vertical-rl;transform:rotate(180deg)}"
    ".tipps .s{width:8em;min-width:8em;max-width:8em}.tipps .e{left:8em}"
    ".figur{overflow-x:auto}.figur svg{max-width:none}}\n";

std::string klassen(const Tabellendokument& d) {
    std::string css;
    for (std::size_t k = 0; k < 4; ++k)
        css += ".k" + std::to_string(k) + "{background-color:" + htmlFarbe(d.farben[k]) +
               ";color:" + htmlFarbe(schriftAuf(d.farben[k])) + "}\n";
    return css;
}

void kopf(std::string& h, const Tabellendokument& d) {
    h += "<h1>" + xmlText(d.titel) + "</h1>\n";
    h += "<p>Stand: " + xmlText(d.stand) + "</p>\n<table class=\"kopf\">\n";
    for (const Kopfangabe& k : d.kopf)
        h += "<tr><th>" + xmlText(k.name) + "</th><td>" + xmlText(k.wert) + "</td></tr>\n";
    h += "</table>\n";
}

void rangliste(std::string& h, const Tabellendokument& d) {
    h += "<h2>Tabelle</h2>\n<table class=\"rang\">\n<thead><tr>";
    for (const std::string& s : d.spalten) h += "<th><span>" + xmlText(s) + "</span></th>";
    h += "</tr></thead>\n<tbody>\n";
    for (const auto& z : d.zeilen) {
        h += "<tr>";
        for (std::size_t i = 0; i < z.size(); ++i)
            h += (i == 1 ? "<td class=\"n\">" : "<td>") + xmlText(z[i]) + "</td>";
        h += "</tr>\n";
    }
    h += "</tbody>\n</table>\n";
}

void zusatz(std::string& h, const Zusatzteil& z) {
    h += "<h2>" + xmlText(z.titel) + "</h2>\n";
    if (!z.svg.empty()) h += "<div class=\"figur\">" + z.svg + "</div>\n";
    if (!z.tabelle.empty()) {
        // Like the ranking: the first column names, the others numbers and words.
        h += "<table class=\"rang\">\n<thead><tr>";
        for (const std::string& s : z.tabelle.front()) h += "<th><span>" + xmlText(s) + "</span></th>";
        h += "</tr></thead>\n<tbody>\n";
        for (std::size_t r = 1; r < z.tabelle.size(); ++r) {
            h += "<tr>";
            for (std::size_t i = 0; i < z.tabelle[r].size(); ++i)
                h += (i == 0 ? "<td class=\"n\">" : "<td>") + xmlText(z.tabelle[r][i]) + "</td>";
            h += "</tr>\n";
        }
        h += "</tbody>\n</table>\n";
    }
    for (const std::string& zeile : z.zeilen) h += "<p>" + xmlText(zeile) + "</p>\n";
}

void legende(std::string& h, const Tabellendokument& d) {
    h += "<p class=\"legende\">";
    for (std::size_t k = 0; k < 4; ++k)
        h += "<span class=\"k" + std::to_string(k) + "\">" + xmlText(d.legende[k]) + "</span> ";
    h += "</p>\n";
}

void uebersicht(std::string& h, const Tabellendokument& d) {
    h += "<h2>Tippübersicht</h2>\n";
    if (d.uebersicht.empty()) {
        h += "<p>Noch kein Spiel gewertet.</p>\n";
        return;
    }
    legende(h, d);
    h += "<div class=\"breit\">\n<table class=\"tipps\">\n<thead><tr><th class=\"s\">Spiel</th><th "
         "class=\"e\">Ergebnis</th>";
    for (const std::string& n : d.teilnehmer) h += "<th class=\"t\"><span>" + xmlText(n) + "</span></th>";
    h += "</tr></thead>\n<tbody>\n";
    for (const Uebersichtszeile& z : d.uebersicht) {
        h += "<tr><th class=\"s\">" + xmlText(z.heim) + " – " + xmlText(z.aus) + "</th><td class=\"e\">" + z.ergebnis +
             "</td>";
        for (const Tippzelle& c : z.zellen)
            h += "<td class=\"k" + std::to_string(c.kategorie) + "\">" + xmlText(c.tipp) + "<br><small>" +
                 (c.punkte.empty() ? "&nbsp;" : xmlText(c.punkte)) + "</small></td>";
        h += "</tr>\n";
    }
    h += "<tr><th class=\"s\">Punkte</th><td class=\"e\"></td>";
    for (const std::string& n : d.summen) h += "<td><b>" + n + "</b></td>";
    h += "</tr>\n</tbody>\n</table>\n</div>\n";
}

void berichte(std::string& h, const Tabellendokument& d) {
    h += "<h2>Berichte</h2>\n";
    for (std::size_t i = 0; i < d.berichte.size(); ++i)
        h += "<h3>" + xmlText(d.berichtNamen[i]) + "</h3>\n<pre>" + xmlText(d.berichte[i]) + "</pre>\n";
}

}  // namespace

std::string htmlFarbe(Long farbe) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string aus = "#";
    for (int teil = 0; teil < 3; ++teil) {
        const int w = (farbe >> (8 * teil)) & 0xFF;
        aus += hex[w >> 4];
        aus += hex[w & 0xF];
    }
    return aus;
}

Long schriftAuf(Long grund) {
    const int r = grund & 0xFF, g = (grund >> 8) & 0xFF, b = (grund >> 16) & 0xFF;
    return 299 * r + 587 * g + 114 * b < 128000 ? rgb(255, 255, 255) : rgb(0, 0, 0);
}

std::string alsHtml(const Tabellendokument& d) {
    std::string h =
        "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        xmlText(d.titel) + " – Tabelle</title>\n<style>\n" + stil + klassen(d) + schmal + "</style>\n</head>\n<body>\n";
    kopf(h, d);
    if (d.wahl.tabelle) rangliste(h, d);
    for (const Zusatzteil& z : d.zusatz) zusatz(h, z);
    if (d.wahl.uebersicht) uebersicht(h, d);
    if (d.wahl.berichte) berichte(h, d);
    h += "<p class=\"fuss\">ovi kuvela – Das Tippspiel zur Fußball-Weltmeisterschaft 2006</p>\n</body>\n</html>\n";
    return h;
}

}  // namespace ovi
