// The game state: start values, catalogue behind the match fields, tip numbering, sections and views, refused
// accesses.
#include "core/spielstand.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/gruppen.h"
#include "tests/core/testspiel.h"

using namespace ovi;
using namespace ovi::test;

// The start agrees with the menu: "3-2-1-Regel" in force (its points show in the page's head), bonus off, nobody
// playing, no champion, tips without a hit white, every record in slot order with no hit.
TEST(Spielstand, Startzustand) {
    const Spielstand s;
    EXPECT_EQ(s.anzahlMitspieler(), 0);
    EXPECT_EQ(s.weltmeister, -1);
    EXPECT_EQ(s.regel.modus, 3);
    EXPECT_FALSE(s.getBonus());
    EXPECT_EQ(s.getBonuspunkte(), 0);
    EXPECT_EQ(s.getModusFarbe(3), rgb(255, 255, 255));
    for (int p = 0; p < 25; ++p) {
        EXPECT_EQ(s.auswertung[p].platz, p);
        EXPECT_EQ(s.auswertung[p].kategorie[63], 3) << p;
    }
}

// Names behind the numbers of a match record.
TEST(Spielstand, Katalog) {
    Spielstand s;
    s.spiele[5] = {.tag = 3, .ort = 9, .schiri = 5};
    s.spiele[63].aus = katalog::unbekannt;
    const std::pair<std::string, const char*> namen[] = {
        {s.getOrt(5), "München"},
        {s.getStadion(5), "FIFA WM-Stadion München"},
        {s.getTag(5), "Donnertag"},
        {s.getSchiri(5), ""},  // only referee 0 has a name before a file brings them
        {s.getTeam(63, 0), "Deutschland"},
        {s.getTeam(63, 1), "unbekannt"},
        {s.getNation(9), "Elfenbeinküste"},
        {s.getNation(31), "Saudiarabien"},
        {regelName(1), "2-Punkte-Regel"},
        {regelName(4), ""},
    };
    for (const auto& [ist, soll] : namen) EXPECT_EQ(ist, soll);
    EXPECT_EQ(s.getPaarung(63, 1), katalog::unbekannt);
}

// Tip (slot p, match m, side s) is element p + 25 m + 1600 s; sections and views at their edges.
TEST(Spielstand, NummernAbschnitteAnsichten) {
    EXPECT_EQ(TippFeld::nummer(2, 10, 1), 1852);
    EXPECT_EQ(TippFeld::nummer(0, 0, 0), 0);
    EXPECT_EQ(TippFeld::nummer(24, 63, 1), 3199);
    Spielstand s;
    s.tipps(2, 10, 1) = 7;
    EXPECT_EQ(s.tipps.element(1852), 7);

    struct Abschnitt {
        int spiel, abschnitt;
    };
    const Abschnitt abschnitte[] = {
        {.spiel = 0, .abschnitt = 0},   {.spiel = 5, .abschnitt = 0},   {.spiel = 6, .abschnitt = 1},
        {.spiel = 42, .abschnitt = 7},  {.spiel = 47, .abschnitt = 7},  {.spiel = 48, .abschnitt = 8},
        {.spiel = 55, .abschnitt = 8},  {.spiel = 56, .abschnitt = 9},  {.spiel = 59, .abschnitt = 9},
        {.spiel = 60, .abschnitt = 10}, {.spiel = 61, .abschnitt = 10}, {.spiel = 62, .abschnitt = 11},
        {.spiel = 63, .abschnitt = 12}, {.spiel = 64, .abschnitt = 0},  {.spiel = -1, .abschnitt = 0}};
    for (const Abschnitt& a : abschnitte) EXPECT_EQ(abschnittVonSpiel(a.spiel), a.abschnitt) << a.spiel;

    struct Ansicht {
        int ansicht, erstes, letzteZeile;
    };
    const Ansicht ansichten[] = {
        {.ansicht = 0, .erstes = 0, .letzteZeile = 5},   {.ansicht = 7, .erstes = 42, .letzteZeile = 5},
        {.ansicht = 8, .erstes = 48, .letzteZeile = 7},  {.ansicht = 9, .erstes = 56, .letzteZeile = 3},
        {.ansicht = 10, .erstes = 60, .letzteZeile = 3}, {.ansicht = 12, .erstes = 60, .letzteZeile = 3},
        {.ansicht = 13, .erstes = 0, .letzteZeile = 0},  {.ansicht = -1, .erstes = 0, .letzteZeile = 0}};
    for (const Ansicht& a : ansichten) {
        EXPECT_EQ(ersteSpielNr(a.ansicht), a.erstes) << a.ansicht;
        EXPECT_EQ(letzteZeile(a.ansicht), a.letzteZeile) << a.ansicht;
    }
}

// Every refused access throws with a message naming the index and the bounds, and leaves the game as it was;
// an access that throws nothing fails its row.
TEST(Spielstand, BereichsfehlerAendernNichts) {
    Spielstand s;
    s.setName(2, "Anna");
    const Spielstand vorher = s;
    struct Zugriff {
        const char* was;
        std::function<void()> tue;
        const char* meldung;
    };
    const Spielstand mitTipp33 = [&] {
        Spielstand t = s;
        t.setWMTipp(3, 33);
        t.spiele[1].ort = 12;
        return t;
    }();
    // clang-format off
    const Zugriff zugriffe[] = {
        {"getName(25)",         [&] { s.getName(25); },                  "Index 25 außerhalb von 0..24"},
        {"getName(-1)",         [&] { s.getName(-1); },                  "Index -1 außerhalb von 0..24"},
        {"getModusPunkte(3)",   [&] { s.getModusPunkte(3); },            "Index 3 außerhalb von 0..2"},
        {"getModusFarbe(4)",    [&] { s.getModusFarbe(4); },             "Index 4 außerhalb von 0..3"},
        {"getNation(33)",       [&] { s.getNation(33); },                "Index 33 außerhalb von 0..32"},
        {"getPaarung(0, 2)",    [&] { s.getPaarung(0, 2); },             "Index 2 außerhalb von 0..1"},
        {"tipps(25, 0, 0)",     [&] { s.tipps(25, 0, 0); },              "Index 25 außerhalb von 0..24"},
        {"tipps(0, 64, 0)",     [&] { s.tipps(0, 64, 0); },              "Index 64 außerhalb von 0..63"},
        {"tipps(0, 0, 2)",      [&] { s.tipps(0, 0, 2); },               "Index 2 außerhalb von 0..1"},
        {"Gruppe 8",            [&] { gruppenTabelle(s.spiele, 8); },   "Index 8 außerhalb von 0..7"},
        {"Gruppe -1",           [&] { gruppenTabelle(s.spiele, -1); },  "Index -1 außerhalb von 0..7"},
        {"Regel 0",             [&] { setzeEingebauteRegel(s, 0); },     "Regel 0 außerhalb von 1..3"},
        {"Regel 4",             [&] { setzeEingebauteRegel(s, 4); },     "Regel 4 außerhalb von 1..3"},
        {"Weltmeister-Tipp 33", [&] { spielerInfo(mitTipp33, 3); },      "Index 33 außerhalb von 0..32"},
        {"Ort 12",              [&] { mitTipp33.getOrt(1); },            "Index 12 außerhalb von 0..11"},
        {"setWMTipp(32768)",    [&] { s.setWMTipp(0, 32768); },          "Überlauf: 32768 passt nicht in 16 Bit"},
        {"Bonuspunkte -32769",  [&] { s.setBonuspunkte(-32769); },       "Überlauf: -32769 passt nicht in 16 Bit"},
    };
    // clang-format on
    for (const Zugriff& z : zugriffe) EXPECT_EQ(fehlerText(z.tue), z.meldung) << z.was;
    EXPECT_TRUE(s == vorher);
    s.setWMTipp(1, 32767);
    EXPECT_EQ(s.getWMTipp(1), 32767);
    s.setBonuspunkte(-32768);
    EXPECT_EQ(s.getBonuspunkte(), -32768);
}
