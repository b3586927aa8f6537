#include "core/spielstand.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/katalog.h"

using namespace ovi;
using P = std::pair<int, int>;

namespace {
void regelPunkte(Spielstand& s, int r) { setzeEingebauteRegel(s, r); }
void infoMitTipp(Spielstand s, int tipp) { s.setWMTipp(3, tipp), spielerInfo(s, 3); }
void ortNr(Spielstand s, int ort) { s.spiele[1].ort = Integer(ort), s.getOrt(1); }
}  // namespace

// The start agrees with the menu: "3-2-1-Regel" with its points and colours, bonus off, nobody playing; the
// catalogue behind the match fields, tip numbering and sections.
TEST(Spielstand, StartzustandUndKatalog) {
    Spielstand s;
    EXPECT_EQ(std::tuple(s.anzahlMitspieler(), s.weltmeister, s.regel.modus, s.getBonus(), s.getBonuspunkte()),
              std::tuple(0, -1, 3, false, 0));
    EXPECT_EQ((std::vector<Long>{s.getModusPunkte(0), s.getModusPunkte(1), s.getModusPunkte(2), s.getModusFarbe(0),
                                 s.getModusFarbe(1), s.getModusFarbe(2), s.getModusFarbe(3)}),
              (std::vector<Long>{3, 2, 1, rgb(255, 0, 0), rgb(250, 250, 144), rgb(48, 190, 48), 0xFFFFFF}));
    for (int p = 0; p < 25; ++p) EXPECT_EQ(P(s.auswertung[p].platz, s.auswertung[p].kategorie[63]), P(p, 3));
    s.spiele[5] = {0, 0, 0, 0, false, 0, 3, "", "", 9, 5, ""};
    s.spiele[63].aus = 32;
    EXPECT_EQ((std::vector<std::string>{s.getOrt(5), s.getStadion(5), s.getTag(5), s.getSchiri(5), s.getTeam(63, 0),
                                        s.getTeam(63, 1), s.getNation(9), s.getNation(31)}),
              (std::vector<std::string>{"München", "FIFA WM-Stadion München", "Donnertag", "", "Deutschland",
                                        "unbekannt", "Elfenbeinküste", "Saudiarabien"}));
    EXPECT_EQ(s.getPaarung(63, 1), 32);
    EXPECT_EQ(std::tuple(TippFeld::nummer(2, 10, 1), TippFeld::nummer(0, 0, 0), TippFeld::nummer(24, 63, 1)),
              std::tuple(1852, 0, 3199));
    s.tipps(2, 10, 1) = 7;
    EXPECT_EQ(s.tipps.element(1852), 7);
    const int abschnitte[][2] = {{0, 0},  {5, 0},   {6, 1},   {42, 7},  {47, 7},  {48, 8}, {55, 8}, {56, 9},
                                 {59, 9}, {60, 10}, {61, 10}, {62, 11}, {63, 12}, {64, 0}, {-1, 0}};
    for (const auto& [spiel, abschnitt] : abschnitte) EXPECT_EQ(abschnittVonSpiel(spiel), abschnitt) << spiel;
    const int ansichten[][3] = {{0, 0, 5},   {7, 42, 5},  {8, 48, 7}, {9, 56, 3},
                                {10, 60, 3}, {12, 60, 3}, {13, 0, 0}, {-1, 0, 0}};
    for (const auto& [v, erstes, letzte] : ansichten)
        EXPECT_EQ(P(ersteSpielNr(v), letzteZeile(v)), P(erstes, letzte)) << v;
    EXPECT_EQ(regelName(-1) + regelName(4), "");
}

// Every refused access throws and leaves the game as it was.
TEST(Spielstand, BereichsfehlerAendernNichts) {
    Spielstand s;
    s.setName(2, "Anna");
    const Spielstand vorher = s;
    const std::function<void()> zugriffe[] = {
        [&] { s.getName(25); },       [&] { s.getName(-1); },          [&] { s.setName(25, "x"); },
        [&] { s.getModusPunkte(3); }, [&] { s.setModusPunkte(3, 1); }, [&] { s.getModusFarbe(4); },
        [&] { s.getNation(33); },     [&] { s.getNation(-1); },        [&] { s.getPaarung(64, 0); },
        [&] { s.getPaarung(0, 2); },  [&] { s.tipps(25, 0, 0); },      [&] { s.tipps(0, 64, 0); },
        [&] { s.tipps(0, 0, 2); },    [&] { spielerInfo(s, 25); },     [&] { namen14(s, 33); },
        [&] { regelPunkte(s, 0); },   [&] { regelPunkte(s, 4); },      [&] { infoMitTipp(s, 33); },
        [&] { ortNr(s, 12); }};
    for (std::size_t i = 0; i < std::size(zugriffe); ++i) EXPECT_THROW(zugriffe[i](), Bereichsfehler) << i;
    try {
        s.tipps(0, 64, 0);
    } catch (const Bereichsfehler& f) {
        EXPECT_STREQ(f.what(), "Index 64 außerhalb von 0..63");
    }
    EXPECT_THROW(s.setWMTipp(0, 32768), Ueberlauffehler);
    EXPECT_THROW(s.setBonuspunkte(-32769), Ueberlauffehler);
    s.setWMTipp(1, 32767), s.setBonuspunkte(-32768);
    EXPECT_EQ(P(s.getWMTipp(1), s.getBonuspunkte()), P(32767, -32768));
    EXPECT_TRUE(s.spieler[2] == vorher.spieler[2] && s.regel.modus == vorher.regel.modus && s.spiele == vorher.spiele);
}
