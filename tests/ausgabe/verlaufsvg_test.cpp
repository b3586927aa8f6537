// The race chart and the day's winners on the race of tests/core/verlaufspiel.h: Ben leads after 09.06., Anna
// after 24.06. (Anna and Cem win that day), Ben again after the final with his bonus.
#include "ausgabe/verlaufsvg.h"

#include <gtest/gtest.h>

#include "tests/core/verlaufspiel.h"
#include "tests/hilfe/golden.h"

using namespace ovi;
using namespace ovi::test;

// What the figures show: the heading of each file.
TEST(VerlaufSvg, GanzeBilder) {
    const Verlauf v = berechneVerlauf(rennen());
    const std::string platz = alsSvg(diagramm(v, Kurve::platz, 600, 300), 0);
    EXPECT_TRUE(stimmtMitDatei(OVI_ERWARTET "/verlauf_platz.svg", platz));
    const std::string punkte = alsSvg(diagramm(v, Kurve::punkte, 600, 300), 0);
    EXPECT_TRUE(stimmtMitDatei(OVI_ERWARTET "/verlauf_punkte.svg", punkte));
}

// What the pointer hits, by slot (-1 nothing): Anna's line is the second of the legend (place 2 after the final).
// Points a quarter along her segments, away from where Ben's line crosses hers.
TEST(VerlaufSvg, WasDerZeigerTrifft) {
    const Diagramm d = diagramm(berechneVerlauf(rennen()), Kurve::platz, 600, 300);
    const auto& anna = d.linien[1].punkte;
    const auto viertel = [](Punkt a, Punkt b) { return Punkt{a.x + (b.x - a.x) / 4, a.y + (b.y - a.y) / 4}; };
    const Rechteck& cem = d.linien[2].legende;
    struct Fall {
        const char* fall;
        Punkt p;
        int slot;
    };
    const Fall faelle[] = {
        {"auf Annas erster Strecke", viertel(anna[0], anna[1]), 0},
        {"auf Annas letzter Strecke", viertel(anna[1], anna[2]), 0},
        {"4 unter Annas letztem Punkt", {anna[2].x, anna[2].y + 4}, 0},
        {"7 unter Annas letztem Punkt", {anna[2].x, anna[2].y + 7}, -1},
        {"Cems Name in der Legende", {cem.links + 40, cem.oben + cem.hoehe / 2}, 3},
        {"linker und oberer Rand der Legendenzeile", {cem.links, cem.oben}, 3},
        {"rechter Rand: schon daneben", {cem.links + cem.breite, cem.oben + 1}, -1},
        {"unterer Rand der letzten Zeile: daneben", {cem.links + 1, cem.oben + cem.hoehe}, -1},
        {"die Ecke", {1, 1}, -1},
    };
    for (const Fall& f : faelle) EXPECT_EQ(getroffen(d, f.p), f.slot) << f.fall;
}

TEST(VerlaufSvg, Tagessieger) {
    const Verlauf v = berechneVerlauf(rennen());
    EXPECT_EQ(tagessiegerZeilen(v), (std::vector<std::string>{
                                        "1. Spieltag, 09.06.2006: Ben (5 Punkte)",
                                        "2. Spieltag, 24.06.2006: Anna, Cem & Co (3 Punkte)",
                                        "3. Spieltag, 09.07.2006: Ben (3 Punkte); Weltmeister-Bonus: Ben +10",
                                    }));
    EXPECT_EQ(tagessiegerHtml(v),
              "<table class=\"tagessieger\" cellspacing=\"0\" cellpadding=\"3\">\n"
              "<tr><th align=\"left\">Spieltag</th><th align=\"left\">Datum</th><th align=\"left\">Tagessieger</th>"
              "<th align=\"left\">Punkte</th><th align=\"left\">Weltmeister-Bonus</th></tr>\n"
              "<tr><td>1</td><td>09.06.2006</td><td>Ben</td><td>5</td><td></td></tr>\n"
              "<tr><td>2</td><td>24.06.2006</td><td>Anna, Cem &amp; Co</td><td>3</td><td></td></tr>\n"
              "<tr><td>3</td><td>09.07.2006</td><td>Ben</td><td>3</td><td>Ben +10</td></tr>\n"
              "</table>\n");
}

// The points axis of one participant whose total climbs to `hoechster`: steps of 1, 2 or 5 times a power of ten,
// at most about six of them, from 0 up to the next step at or above the total. The places axis and the lines of
// 25 participants, and a single day in the middle.
TEST(VerlaufSvg, Achsen) {
    struct Fall {
        int hoechster;
        double schritt, oben;
    };
    const Fall faelle[] = {{.hoechster = 6, .schritt = 1, .oben = 6},    {.hoechster = 12, .schritt = 2, .oben = 12},
                           {.hoechster = 18, .schritt = 5, .oben = 20},  {.hoechster = 30, .schritt = 5, .oben = 30},
                           {.hoechster = 60, .schritt = 10, .oben = 60}, {.hoechster = 61, .schritt = 20, .oben = 80}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.hoechster);
        Verlauf v;
        v.teilnehmer = {0};
        v.namen = {"Anna"};
        v.tage = {{.datum = 20060609, .spiele = {0}}, {.datum = 20060610, .spiele = {1}}};
        v.stand = {{{.gesamt = 0}}, {{.gesamt = static_cast<Integer>(f.hoechster)}}};
        const Diagramm d = diagramm(v, Kurve::punkte, 600, 300);
        ASSERT_GE(d.achse.size(), 2u);
        EXPECT_EQ(d.achse[0].wert, 0);
        EXPECT_EQ(d.achse[1].wert, f.schritt);
        EXPECT_EQ(d.achse.back().wert, f.oben);
    }
    // 25 participants by place on a plot area 330 high: 14 units per label would overlap, so every second place.
    Verlauf v;
    v.tage = {{.datum = 20060609, .spiele = {0}}};
    v.stand.resize(1);
    for (int p = 0; p < 25; ++p) {
        v.teilnehmer.push_back(p);
        v.namen.push_back("T" + std::to_string(p));
        v.stand[0].push_back({.platz = p + 1});
    }
    const Diagramm plaetze = diagramm(v, Kurve::platz, 600, 330 + 84);
    EXPECT_EQ(plaetze.achse.size(), 13u) << "1, 3, ..., 25";
    EXPECT_EQ(plaetze.achse[1].wert, 3);
    EXPECT_FALSE(plaetze.linien[11].gestrichelt) << "zwölf Farben durchgezogen";
    EXPECT_TRUE(plaetze.linien[12].gestrichelt) << "die dreizehnte gestrichelt in der Farbe der ersten";
    EXPECT_EQ(plaetze.linien[12].farbe, plaetze.linien[0].farbe);
    Spielstand s = rennen();
    for (int m : {48, 63}) s.spiele[m].auswerten = false;
    const Diagramm d = diagramm(berechneVerlauf(s), Kurve::platz, 600, 300);
    EXPECT_EQ(d.linien[0].punkte[0].x, 48 + 436 / 2) << "ein Spieltag: in der Mitte der Fläche";
}

// With nothing counted the figure says so and there is no winner.
TEST(VerlaufSvg, NochNichtsGewertet) {
    Spielstand s = rennen();
    for (Spiel& sp : s.spiele) sp.auswerten = false;
    const Verlauf v = berechneVerlauf(s);
    EXPECT_NE(alsSvg(diagramm(v, Kurve::platz, 720, 400)).find(">Noch kein Spiel ausgewertet</text>"),
              std::string::npos);
    EXPECT_EQ(tagessiegerZeilen(v), std::vector<std::string>{});
}
