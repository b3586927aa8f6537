#include "core/verlaufsvg.h"

#include <gtest/gtest.h>

#include <regex>

#include "verlaufspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// The numbers of every polyline of an SVG text, line by line.
std::vector<std::vector<double>> linienImSvg(const std::string& svg) {
    std::vector<std::vector<double>> linien;
    const std::regex polyline("<polyline[^>]* points=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), polyline); it != std::sregex_iterator(); ++it) {
        std::vector<double> zahlen;
        std::string punkte = (*it)[1];
        for (char& c : punkte)
            if (c == ',') c = ' ';
        std::istringstream ein(punkte);
        for (double w; ein >> w;) zahlen.push_back(w);
        linien.push_back(zahlen);
    }
    return linien;
}

std::vector<double> flach(const std::vector<Punkt>& punkte) {
    std::vector<double> w;
    for (const Punkt& p : punkte) w.insert(w.end(), {p.x, p.y});
    return w;
}

}  // namespace

// Lines in the order of the last day; places put 1 at the top, points 0 at the bottom of a 0..20 axis.
TEST(VerlaufSvg, ReihenUndLage) {
    const Verlauf v = berechneVerlauf(rennen());
    const struct {
        Kurve art;
        std::vector<std::vector<double>> werte;  // Ben, Anna, Cem
        std::vector<double> achse;
        double unten, oben;  // values at the bottom and the top of the plot area
    } faelle[] = {{Kurve::platz, {{1, 2, 1}, {2, 1, 2}, {3, 3, 3}}, {1, 2, 3}, 3, 1},
                  {Kurve::punkte, {{5, 5, 18}, {4, 7, 9}, {2, 5, 5}}, {0, 5, 10, 15, 20}, 0, 20}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.art == Kurve::platz ? "Platz" : "Punkte");
        const Diagramm d = diagramm(v, f.art, 600, 300);
        const Rechteck& r = d.flaeche;
        ASSERT_EQ(d.linien.size(), 3u);
        std::vector<double> achse;
        for (const auto& m : d.achse) achse.push_back(m.wert);
        EXPECT_EQ(achse, f.achse);
        for (std::size_t i = 0; i < 3; ++i) {
            const auto& l = d.linien[i];
            EXPECT_EQ(l.werte, f.werte[i]) << l.name;
            std::vector<Punkt> erwartet;
            for (std::size_t t = 0; t < 3; ++t)
                erwartet.push_back(
                    {r.links + t * r.breite / 2, r.oben + (f.oben - l.werte[t]) / (f.oben - f.unten) * r.hoehe});
            EXPECT_EQ(l.punkte.size(), 3u);
            for (std::size_t t = 0; t < l.punkte.size(); ++t) {
                EXPECT_NEAR(l.punkte[t].x, erwartet[t].x, 1e-9);
                EXPECT_NEAR(l.punkte[t].y, erwartet[t].y, 1e-9);
            }
        }
        EXPECT_EQ((std::vector<std::string>{d.linien[0].name, d.linien[1].name, d.linien[2].name}),
                  (std::vector<std::string>{"Ben", "Anna", "Cem & Co"}));
        EXPECT_EQ((std::vector<std::string>{d.linien[0].farbe, d.linien[1].farbe, d.linien[2].farbe}),
                  (std::vector<std::string>{linienFarbe(1), linienFarbe(0), linienFarbe(2)}));
    }
}

// The SVG draws the geometry it was given; the picked-out line comes last and bold.
TEST(VerlaufSvg, SvgZeichnetDieGeometrie) {
    const Diagramm d = diagramm(berechneVerlauf(rennen()), Kurve::platz, 600, 300);
    for (int hervor : {-1, 0}) {
        SCOPED_TRACE(hervor);
        const std::string svg = alsSvg(d, hervor);
        const auto linien = linienImSvg(svg);
        ASSERT_EQ(linien.size(), 3u);
        const std::vector<int> reihenfolge = hervor < 0 ? std::vector<int>{0, 1, 2} : std::vector<int>{0, 2, 1};
        for (std::size_t i = 0; i < 3; ++i) {
            const auto soll = flach(d.linien[static_cast<std::size_t>(reihenfolge[i])].punkte);
            ASSERT_EQ(linien[i].size(), soll.size());
            for (std::size_t k = 0; k < soll.size(); ++k) EXPECT_NEAR(linien[i][k], soll[k], 0.05);
        }
        EXPECT_EQ(svg.find("stroke-width=\"4\"") != std::string::npos, hervor >= 0);
        EXPECT_NE(svg.find("Cem &amp; Co</text>"), std::string::npos);
    }
}

TEST(VerlaufSvg, TrefferAufLinieUndLegende) {
    const Diagramm d = diagramm(berechneVerlauf(rennen()), Kurve::platz, 600, 300);
    const auto& anna = d.linien[1];
    const auto mitte = [](Punkt a, Punkt b) { return Punkt{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
    const Rechteck& cem = d.linien[2].legende;
    const struct {
        const char* name;
        Punkt p;
        int slot;
    } faelle[] = {{"Mitte eines Abschnitts", mitte(anna.punkte[0], anna.punkte[1]), 0},
                  {"knapp daneben", {anna.punkte[2].x, anna.punkte[2].y + 4}, 0},
                  {"zu weit daneben", {anna.punkte[2].x, anna.punkte[2].y + 7}, -1},
                  {"Name in der Legende", {cem.links + 40, cem.oben + cem.hoehe / 2}, 3},
                  {"Ecke", {1, 1}, -1}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(getroffen(d, f.p), f.slot);
    }
}

TEST(VerlaufSvg, TagessiegerAlsHtml) {
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
    const VerlaufFuerTabelle t = verlaufFuerTabelle(leer);
    EXPECT_NE(t.svg.find("Noch kein Spiel ausgewertet"), std::string::npos);
    EXPECT_EQ(t.tagessiegerHtml.find("<td>"), std::string::npos);
}
