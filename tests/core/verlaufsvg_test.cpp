#include "verlaufsvg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <regex>
#include <sstream>

#include "verlaufspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// The numbers of every polyline of an SVG text, line by line.
std::vector<std::vector<double>> linienImSvg(const std::string& svg) {
    std::vector<std::vector<double>> linien;
    const std::regex polyline("<polyline[^>]* points=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), polyline); it != std::sregex_iterator(); ++it) {
        std::string punkte = (*it)[1];
        std::replace(punkte.begin(), punkte.end(), ',', ' ');
        std::istringstream ein(punkte);
        linien.emplace_back(std::istream_iterator<double>(ein), std::istream_iterator<double>());
    }
    return linien;
}

}  // namespace

// Lines in the order of the last day, Anna picked out and so drawn last; places put 1 at the top of the plot
// area, points 0 at the bottom of a 0..20 axis. The SVG carries exactly these numbers.
TEST(VerlaufSvg, ReihenAlsZahlen) {
    const Verlauf v = berechneVerlauf(rennen());
    const struct {
        Kurve art;
        std::vector<std::vector<double>> werte;  // Ben, Anna, Cem
        double unten, oben;                      // values at the bottom and the top of the plot area
        std::vector<double> achse;
    } faelle[] = {{Kurve::platz, {{1, 2, 1}, {2, 1, 2}, {3, 3, 3}}, 3, 1, {1, 2, 3}},
                  {Kurve::punkte, {{5, 5, 18}, {4, 7, 9}, {2, 5, 5}}, 0, 20, {0, 5, 10, 15, 20}}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.art == Kurve::platz ? "Platz" : "Punkte");
        const Diagramm d = diagramm(v, f.art, 600, 300);
        const Rechteck& r = d.flaeche;
        std::vector<double> achse;
        for (const auto& m : d.achse) achse.push_back(m.wert);
        EXPECT_EQ(achse, f.achse);
        const auto svg = linienImSvg(alsSvg(d, 0));
        ASSERT_EQ(d.linien.size(), 3u);
        ASSERT_EQ(svg.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto& l = d.linien[i];
            EXPECT_EQ(l.name, (std::vector<std::string>{"Ben", "Anna", "Cem & Co"}[i]));
            EXPECT_EQ(l.farbe, linienFarbe(std::vector<int>{1, 0, 2}[i]));
            EXPECT_EQ(l.werte, f.werte[i]);
            std::vector<double> soll;
            for (std::size_t t = 0; t < 3; ++t)
                soll.insert(soll.end(), {r.links + t * r.breite / 2,
                                         r.oben + (f.oben - f.werte[i][t]) / (f.oben - f.unten) * r.hoehe});
            const auto& gezeichnet = svg[std::vector<std::size_t>{0, 2, 1}[i]];  // Anna last
            ASSERT_EQ(gezeichnet.size(), soll.size());
            for (std::size_t k = 0; k < soll.size(); ++k) {
                EXPECT_NEAR(gezeichnet[k], soll[k], 0.05);
                EXPECT_NEAR(k % 2 ? l.punkte[k / 2].y : l.punkte[k / 2].x, soll[k], 1e-9);
            }
        }
    }
}

TEST(VerlaufSvg, TrefferAufLinieUndLegende) {
    const Diagramm d = diagramm(berechneVerlauf(rennen()), Kurve::platz, 600, 300);
    const auto& anna = d.linien[1].punkte;
    const Rechteck& cem = d.linien[2].legende;
    const struct {
        const char* name;
        Punkt p;
        int slot;
    } faelle[] = {{"Mitte eines Abschnitts", {(anna[0].x + anna[1].x) / 2, (anna[0].y + anna[1].y) / 2}, 0},
                  {"knapp daneben", {anna[2].x, anna[2].y + 4}, 0},
                  {"zu weit daneben", {anna[2].x, anna[2].y + 7}, -1},
                  {"Name in der Legende", {cem.links + 40, cem.oben + cem.hoehe / 2}, 3},
                  {"Ecke", {1, 1}, -1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(getroffen(d, f.p), f.slot);
    }
}

TEST(VerlaufSvg, TagessiegerAlsHtmlUndZeilen) {
    EXPECT_EQ(tagessiegerHtml(berechneVerlauf(rennen())),
              "<table class=\"tagessieger\" cellspacing=\"0\" cellpadding=\"3\">\n"
              "<tr><th align=\"left\">Spieltag</th><th align=\"left\">Datum</th><th align=\"left\">Tagessieger</th>"
              "<th align=\"left\">Punkte</th><th align=\"left\">Weltmeister-Bonus</th></tr>\n"
              "<tr><td>1</td><td>09.06.2006</td><td>Ben</td><td>5</td><td></td></tr>\n"
              "<tr><td>2</td><td>24.06.2006</td><td>Anna, Cem &amp; Co</td><td>3</td><td></td></tr>\n"
              "<tr><td>3</td><td>09.07.2006</td><td>Ben</td><td>3</td><td>Ben +10</td></tr>\n"
              "</table>\n");
    Spielstand leer = rennen();
    for (Spiel& sp : leer.spiele) sp.auswerten = false;
    EXPECT_NE(alsSvg(diagramm(berechneVerlauf(leer), Kurve::platz, 720, 400)).find("Noch kein Spiel ausgewertet"),
              std::string::npos);
    EXPECT_EQ(tagessiegerZeilen(berechneVerlauf(leer)), std::vector<std::string>{});
    EXPECT_EQ(tagessiegerZeilen(berechneVerlauf(rennen())),
              (std::vector<std::string>{"1. Spieltag, 09.06.2006: Ben (5 Punkte)",
                                        "2. Spieltag, 24.06.2006: Anna, Cem & Co (3 Punkte)",
                                        "3. Spieltag, 09.07.2006: Ben (3 Punkte); Weltmeister-Bonus: Ben +10"}));
}
