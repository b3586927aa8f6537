#include "ausgabe/verlaufsvg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "ausgabe/xml.h"
#include "core/datum.h"
#include "core/utf8.h"

namespace ovi {

namespace {

constexpr double schrift = 12;
constexpr double zeichenBreite = 7.5;  // rough width of a character at 12 px, for the legend's width

// Always a decimal point: the window runs under the user's locale, where printf would write a comma.
std::string zahl(double w) {
    char text[32];
    const auto ende = std::to_chars(text, text + sizeof text, w, std::chars_format::fixed, 1).ptr;
    return std::string(text, ende);
}

// A tick step of 1, 2 or 5 times a power of ten giving at most about six ticks.
double schritt(double spanne) {
    const double roh = std::max(spanne / 6, 1.0);
    const double zehner = std::pow(10, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * zehner >= roh) return f * zehner;
    return 10 * zehner;
}

double abstand(Punkt p, Punkt a, Punkt b) {
    const double dx = b.x - a.x, dy = b.y - a.y, l = dx * dx + dy * dy;
    const double t = l > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / l, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

}  // namespace

std::string linienFarbe(int i) {
    static constexpr std::array<const char*, 12> farben = {"#d62828", "#1d4e89", "#2a9d3f", "#f18f01",
                                                           "#7b2cbf", "#00a6a6", "#8d5524", "#e84393",
                                                           "#5c6b73", "#b5a000", "#3f88c5", "#6a994e"};
    return farben.at(static_cast<std::size_t>(i) % farben.size());
}

Diagramm diagramm(const Verlauf& v, Kurve art, double breite, double hoehe) {
    Diagramm d;
    d.art = art;
    d.breite = breite;
    d.hoehe = hoehe;
    const int n = static_cast<int>(v.teilnehmer.size());
    const int tage = static_cast<int>(v.tage.size());
    int laengster = 6;
    for (const std::string& name : v.namen) laengster = std::max(laengster, zeichenAnzahl(name));
    const double legendeBreite = 36 + zeichenBreite * laengster;
    d.flaeche = {48, 20, std::max(breite - legendeBreite - 68, 40.0), std::max(hoehe - 84, 40.0)};
    const Rechteck& f = d.flaeche;

    for (const Spieltag& t : v.tage) d.tagText.push_back(t.datum ? datumText(t.datum).substr(0, 6) : "?");
    const auto xVon = [&](int tag) {
        return tage > 1 ? f.links + tag * f.breite / (tage - 1) : f.links + f.breite / 2;
    };

    double unten = 0, oben = 1;  // value range of the y axis
    if (art == Kurve::platz) {
        unten = std::max(n, 1);
        oben = 1;
        const int abst = std::max(1, static_cast<int>(std::ceil(14 * (n - 1) / f.hoehe)));
        for (int pl = 1; pl <= n; pl += abst) d.achse.push_back({double(pl), 0});
    } else {
        for (const auto& tag : v.stand)
            for (const Tagesstand& st : tag) {
                unten = std::min<double>(unten, st.gesamt);
                oben = std::max<double>(oben, st.gesamt);
            }
        const double s = schritt(oben - unten);
        unten = std::floor(unten / s) * s;
        oben = std::ceil(oben / s) * s;
        for (double w = unten; w <= oben + s / 2; w += s) d.achse.push_back({w, 0});
    }
    const auto yVon = [&](double w) {
        return unten == oben ? f.oben + f.hoehe / 2 : f.oben + (oben - w) / (oben - unten) * f.hoehe;
    };
    for (Diagramm::Marke& m : d.achse) m.y = yVon(m.wert);

    std::vector<int> folge(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) folge[static_cast<std::size_t>(i)] = i;
    if (tage > 0)
        std::sort(folge.begin(), folge.end(),
                  [&](int a, int b) { return v.stand.back()[a].platz < v.stand.back()[b].platz; });
    const double zeile = n > 0 ? std::min(20.0, (hoehe - f.oben - 8) / n) : 20;
    const double legendeLinks = f.links + f.breite + 24;
    for (int r = 0; r < n; ++r) {
        const int i = folge[static_cast<std::size_t>(r)];
        Diagramm::Linie l;
        l.slot = v.teilnehmer[static_cast<std::size_t>(i)];
        l.name = v.namen[static_cast<std::size_t>(i)];
        l.farbe = linienFarbe(i);
        l.gestrichelt = i >= 12;
        for (int t = 0; t < tage; ++t) {
            const Tagesstand& st = v.stand[static_cast<std::size_t>(t)][static_cast<std::size_t>(i)];
            const double w = art == Kurve::platz ? st.platz : st.gesamt;
            l.werte.push_back(w);
            l.punkte.push_back({xVon(t), yVon(w)});
        }
        l.legende = {legendeLinks, f.oben + r * zeile, legendeBreite, zeile};
        d.linien.push_back(std::move(l));
    }
    return d;
}

std::string alsSvg(const Diagramm& d, int hervorgehoben) {
    const Rechteck& f = d.flaeche;
    const std::string b = zahl(d.breite), h = zahl(d.hoehe);
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + b + "\" height=\"" + h +
                    "\" viewBox=\"0 0 " + b + " " + h + "\" font-family=\"sans-serif\" font-size=\"" + zahl(schrift) +
                    "\">\n";
    s += "<rect width=\"" + b + "\" height=\"" + h + "\" fill=\"#ffffff\"/>\n";
    if (d.tagText.empty()) {
        s += "<text x=\"" + zahl(d.breite / 2) + "\" y=\"" + zahl(d.hoehe / 2) +
             "\" text-anchor=\"middle\" fill=\"#404040\">Noch kein Spiel ausgewertet</text>\n</svg>\n";
        return s;
    }
    const double unten = f.oben + f.hoehe;
    const auto linie = [&](double x1, double y1, double x2, double y2) {
        return "<line x1=\"" + zahl(x1) + "\" y1=\"" + zahl(y1) + "\" x2=\"" + zahl(x2) + "\" y2=\"" + zahl(y2) +
               "\"/>\n";
    };
    // Grid and axes: a tick per value on the left, a date per match day below.
    const std::vector<Punkt>& erste = d.linien.empty() ? std::vector<Punkt>{} : d.linien.front().punkte;
    s += "<g stroke=\"#d8d8d8\" stroke-width=\"1\">\n";
    for (const Diagramm::Marke& m : d.achse) s += linie(f.links, m.y, f.links + f.breite, m.y);
    for (const Punkt& p : erste) s += linie(p.x, f.oben, p.x, unten);
    s += "</g>\n<g fill=\"#404040\">\n";
    s += "<text x=\"4\" y=\"" + zahl(f.oben - 8) + "\">" + (d.art == Kurve::platz ? "Platz" : "Punkte") + "</text>\n";
    for (const Diagramm::Marke& m : d.achse)
        s += "<text x=\"" + zahl(f.links - 8) + "\" y=\"" + zahl(m.y + 4) + "\" text-anchor=\"end\">" +
             std::to_string(std::lround(m.wert)) + "</text>\n";
    for (std::size_t t = 0; t < erste.size(); ++t) {
        const std::string x = zahl(erste[t].x + 4), y = zahl(unten + 12);
        s += "<text x=\"" + x + "\" y=\"" + y + "\" text-anchor=\"end\" transform=\"rotate(-45 " + x + " " + y +
             ")\">" + xmlText(d.tagText[t]) + "</text>\n";
    }
    s += "</g>\n";
    // Lines, the picked-out one last so it lies on top.
    std::vector<const Diagramm::Linie*> folge;
    for (const auto& l : d.linien)
        if (l.slot != hervorgehoben) folge.push_back(&l);
    for (const auto& l : d.linien)
        if (l.slot == hervorgehoben) folge.push_back(&l);
    for (const Diagramm::Linie* l : folge) {
        const bool hell = hervorgehoben >= 0 && l->slot != hervorgehoben;
        const bool fett = l->slot == hervorgehoben;
        s += "<g stroke=\"" + l->farbe + "\" fill=\"" + l->farbe + "\"" + (hell ? " opacity=\"0.25\"" : "") + ">\n";
        s += "<polyline fill=\"none\" stroke-width=\"" + std::string(fett ? "4" : "2") + "\"" +
             (l->gestrichelt ? " stroke-dasharray=\"6 3\"" : "") + " points=\"";
        for (std::size_t i = 0; i < l->punkte.size(); ++i)
            s += (i ? " " : "") + zahl(l->punkte[i].x) + "," + zahl(l->punkte[i].y);
        s += "\"/>\n";
        for (const Punkt& p : l->punkte)
            s += "<circle cx=\"" + zahl(p.x) + "\" cy=\"" + zahl(p.y) + "\" r=\"" + (fett ? "3.5" : "2.5") + "\"/>\n";
        s += "</g>\n";
    }
    // Legend: a sample of the line and the name, in the order of the last day.
    for (const auto& l : d.linien) {
        const Rechteck& r = l.legende;
        const double mitte = r.oben + r.hoehe / 2;
        const bool hell = hervorgehoben >= 0 && l.slot != hervorgehoben;
        s += "<g" + std::string(hell ? " opacity=\"0.35\"" : "") + ">\n";
        s += "<line x1=\"" + zahl(r.links + 2) + "\" y1=\"" + zahl(mitte) + "\" x2=\"" + zahl(r.links + 24) +
             "\" y2=\"" + zahl(mitte) + "\" stroke=\"" + l.farbe + "\" stroke-width=\"3\"" +
             (l.gestrichelt ? " stroke-dasharray=\"6 3\"" : "") + "/>\n";
        s += "<text x=\"" + zahl(r.links + 30) + "\" y=\"" + zahl(mitte + 4) + "\" fill=\"#202020\"" +
             (l.slot == hervorgehoben ? " font-weight=\"bold\"" : "") + ">" + xmlText(l.name) + "</text>\n</g>\n";
    }
    return s + "</svg>\n";
}

int getroffen(const Diagramm& d, Punkt p, double toleranz) {
    for (const auto& l : d.linien)
        if (l.legende.enthaelt(p)) return l.slot;
    int bester = -1;
    double naechster = toleranz;
    for (const auto& l : d.linien)
        for (std::size_t i = 0; i < l.punkte.size(); ++i) {
            const double a = abstand(p, l.punkte[i], l.punkte[i + 1 < l.punkte.size() ? i + 1 : i]);
            if (a <= naechster) {
                naechster = a;
                bester = l.slot;
            }
        }
    return bester;
}

namespace {

// Who won day t, with how many points, and who got the champion bonus that day.
struct Tagessieger {
    std::string namen, bonus;
    int punkte = 0;
};

Tagessieger tagessieger(const Verlauf& v, std::size_t t, std::string (*maske)(std::string_view)) {
    Tagessieger z;
    for (std::size_t i = 0; i < v.teilnehmer.size(); ++i) {
        const Tagesstand& st = v.stand[t][i];
        if (std::find(v.sieger[t].begin(), v.sieger[t].end(), v.teilnehmer[i]) != v.sieger[t].end()) {
            z.namen += (z.namen.empty() ? "" : ", ") + maske(v.namen[i]);
            z.punkte = st.tagespunkte;
        }
        if (st.bonus) z.bonus += (z.bonus.empty() ? "" : ", ") + maske(v.namen[i]) + " +" + std::to_string(st.bonus);
    }
    return z;
}

std::string roh(std::string_view t) { return std::string(t); }

}  // namespace

std::string tagessiegerHtml(const Verlauf& v) {
    std::string h =
        "<table class=\"tagessieger\" cellspacing=\"0\" cellpadding=\"3\">\n"
        "<tr><th align=\"left\">Spieltag</th><th align=\"left\">Datum</th><th align=\"left\">Tagessieger</th>"
        "<th align=\"left\">Punkte</th><th align=\"left\">Weltmeister-Bonus</th></tr>\n";
    for (std::size_t t = 0; t < v.tage.size(); ++t) {
        const Tagessieger z = tagessieger(v, t, xmlText);
        h += "<tr><td>" + std::to_string(t + 1) + "</td><td>" + (v.tage[t].datum ? datumText(v.tage[t].datum) : "") +
             "</td><td>" + z.namen + "</td><td>" + std::to_string(z.punkte) + "</td><td>" + z.bonus + "</td></tr>\n";
    }
    return h + "</table>\n";
}

std::vector<std::string> tagessiegerZeilen(const Verlauf& v) {
    std::vector<std::string> zeilen;
    for (std::size_t t = 0; t < v.tage.size(); ++t) {
        const Tagessieger z = tagessieger(v, t, roh);
        std::string zeile = std::to_string(t + 1) + ". Spieltag";
        if (v.tage[t].datum) zeile += ", " + datumText(v.tage[t].datum);
        zeile += ": " + z.namen + " (" + std::to_string(z.punkte) + (z.punkte == 1 ? " Punkt)" : " Punkte)");
        if (!z.bonus.empty()) zeile += "; Weltmeister-Bonus: " + z.bonus;
        zeilen.push_back(zeile);
    }
    return zeilen;
}

}  // namespace ovi
