#include "verlaufsvg.h"

#include <gtest/gtest.h>

#include "testspiel.h"
#include "verlaufspiel.h"

using namespace ovi;
using namespace ovi::test;

// The whole figure, both kinds: lines in the order of the last day, Anna picked out and so drawn last; places put
// 1 at the top of the plot area, points 0 at the bottom of a 0..20 axis.
TEST(VerlaufSvg, GanzesBild) {
    const Verlauf v = berechneVerlauf(rennen());
    EXPECT_EQ(alsSvg(diagramm(v, Kurve::platz, 600, 300), 0), lies("verlauf_platz.svg"));
    EXPECT_EQ(alsSvg(diagramm(v, Kurve::punkte, 600, 300), 0), lies("verlauf_punkte.svg"));
}

TEST(VerlaufSvg, TrefferAufLinieUndLegende) {
    const Diagramm d = diagramm(berechneVerlauf(rennen()), Kurve::platz, 600, 300);
    const auto& anna = d.linien[1].punkte;
    const Rechteck& cem = d.linien[2].legende;
    // Middle of a segment, just beside a point, too far beside it, a name in the legend, the corner.
    const std::pair<Punkt, int> faelle[] = {{{(anna[0].x + anna[1].x) / 2, (anna[0].y + anna[1].y) / 2}, 0},
                                            {{anna[2].x, anna[2].y + 4}, 0},
                                            {{anna[2].x, anna[2].y + 7}, -1},
                                            {{cem.links + 40, cem.oben + cem.hoehe / 2}, 3},
                                            {{1, 1}, -1}};
    for (const auto& [p, slot] : faelle) EXPECT_EQ(getroffen(d, p), slot) << p.x << "," << p.y;
}

// Nothing flagged: the figure says so and there is no winner.
TEST(VerlaufSvg, OhneGewertetesSpiel) {
    Spielstand leer = rennen();
    for (Spiel& sp : leer.spiele) sp.auswerten = false;
    EXPECT_NE(alsSvg(diagramm(berechneVerlauf(leer), Kurve::platz, 720, 400)).find("Noch kein Spiel ausgewertet"),
              std::string::npos);
    EXPECT_EQ(tagessiegerZeilen(berechneVerlauf(leer)), std::vector<std::string>{});
}
