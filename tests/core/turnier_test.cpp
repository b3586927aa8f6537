// The tournament's structure on constructed results: group order, the knock-out bracket, match days.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "core/datum.h"
#include "core/gruppen.h"
#include "core/kobaum.h"
#include "core/verlauf.h"
#include "tests/core/testspiel.h"

using namespace ovi;

// Group order by the rules of 2006 on constructed results of group B, one row of daten/gruppen.tsv per case.

TEST(Gruppentabelle, OrdnungNachDenRegelnVon2006) {
    const std::string text = test::lies("gruppen.tsv");
    ASSERT_EQ(std::count(text.begin(), text.end(), '\t'), 7);  // one per case
    std::istringstream tabelle(text);
    for (std::string zeile; std::getline(tabelle, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        SCOPED_TRACE(zeile);
        Spiele s;
        std::istringstream z(zeile.substr(0, zeile.find('\t')));
        int i = 0;
        for (std::string e; z >> e; ++i) {
            s[6 + i] = {
                Integer(4 + test::paare[i][0]), Integer(4 + test::paare[i][1]), 0, 0, e != "-", 0, 0, "", "", 0, 0, ""};
            if (e != "-") {
                s[6 + i].ergHeim = Integer(e[0] - '0');
                s[6 + i].ergAus = Integer(e[2] - '0');
            }
        }
        EXPECT_EQ(test::gruppenText(gruppenTabelle(s, 1)), zeile.substr(zeile.find('\t') + 1));
    }
}

// Group g holds teams 4g..4g+3; the higher number wins every match 1:0, so 4g+3 is first and 4g+2 second.
static Spiele gruppenFertig() {
    Spiele s;
    for (int m = 0; m < 64; ++m) {
        const int a = m < 48 ? 4 * (m / 6) + test::paare[m % 6][0] : 32,
                  b = m < 48 ? 4 * (m / 6) + test::paare[m % 6][1] : 32;
        s[m] = {Integer(a), Integer(b), Integer(a > b), Integer(a < b), m < 48, 0, 0, "", "", 0, 0, ""};
    }
    return s;
}

// Group A finished (teams 0 to 3, the higher number wins each match 1:0): places 1 to 4 name 3, 2, 1, 0; a place
// outside the four names nobody.
TEST(Gruppentabelle, EntschiedenePlaetze) {
    const Gruppentabelle a = gruppenTabelle(gruppenFertig(), 0);
    const std::pair<int, std::optional<int>> faelle[] = {{0, 3}, {1, 2}, {2, 1}, {3, 0}, {4, {}}, {-1, {}}};
    for (const auto& [platz, team] : faelle) EXPECT_EQ(a.entschieden(platz), team) << "Platz-Index " << platz;
}

// A counted match against a side not known yet does not count for the group.
TEST(Gruppentabelle, NurSpieleZweierMannschaften) {
    Spiele s = gruppenFertig();
    s[6].aus = katalog::unbekannt;
    EXPECT_EQ(gruppenTabelle(s, 1).gewertet, 5);
}

static const std::string achtelfinale = "48 3-6, 49 11-14, 50 7-2, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26";

// A drawn match goes on only with an answer: none, the away side, the home side, a team that did not play.
TEST(KoBaum, UnentschiedenUndOffeneGruppenplaetze) {
    Spiele s = gruppenFertig();
    fuelleKoPaarungen(s);
    for (int m = 48; m < 56; ++m) {  // every home side wins 2:1, only match 53 ends 2:2
        s[m].ergHeim = 2;
        s[m].ergAus = m == 53 ? 2 : 1;
        s[m].auswerten = true;
    }
    EXPECT_EQ(offeneElfmeter(s), std::vector<int>{53});
    EXPECT_EQ(schonWeiter(s, 53), -1);
    Spiele ohneGegner = s;  // group D open: match 49 (1C-2D) ends 2:2 against a side not known yet
    ohneGegner[18].auswerten = false;
    ohneGegner[49].aus = katalog::unbekannt;
    ohneGegner[49].ergAus = 2;
    EXPECT_EQ(offeneElfmeter(ohneGegner), std::vector<int>{53}) << "keine Frage ohne beide Mannschaften";
    Spiele mitTeam0 = s;  // group A open, team 0 put into match 48 by hand; 2:2
    mitTeam0[0].auswerten = false;
    mitTeam0[48].heim = 0;
    mitTeam0[48].ergAus = 2;
    EXPECT_EQ(offeneElfmeter(mitTeam0), (std::vector<int>{48, 53})) << "Mannschaft 0 zählt wie jede";
    const std::pair<int, const char*> faelle[] = {{-1, "56 3-11, 57 19-32, 58 7-15, 59 23-31"},
                                                  {30, "56 3-11, 57 19-30, 58 7-15, 59 23-31"},
                                                  {27, "56 3-11, 57 19-27, 58 7-15, 59 23-31"},
                                                  {5, "56 3-11, 57 19-32, 58 7-15, 59 23-31"}};
    for (const auto& [weiter, viertelfinale] : faelle) {
        Spiele t = s;
        fuelleKoPaarungen(t, weiter < 0 ? Weiter{} : Weiter{{53, weiter}});
        EXPECT_EQ(test::paarungen(t, 48, 59), achtelfinale + ", " + viertelfinale);
    }
    fuelleKoPaarungen(s, {{53, 30}});
    EXPECT_EQ(schonWeiter(s, 53), 1);  // what stands there is offered again next time
    // Group A (0-1, 2-3, 0-2, 3-1, 3-0, 1-2): an open group, a lot for place 2, a lot only for place 3. Nothing
    // but the sides of the knock-out matches changes.
    const std::pair<std::vector<int>, const char*> gruppen[] = {
        {{6}, "48 3-32, 49 11-14, 50 32-2, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        {{0, 2, 5}, "48 3-6, 49 11-14, 50 7-32, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        {{0}, achtelfinale.c_str()}};
    for (const auto& [spiele, erwartet] : gruppen) {
        Spiele s = gruppenFertig();
        for (int m : spiele) {  // match 6 not counted, the others drawn 0:0
            s[m].auswerten = m != 6;
            s[m].ergHeim = 0;
            s[m].ergAus = 0;
        }
        const Spiele vorher = s;
        fuelleKoPaarungen(s);
        EXPECT_EQ(test::paarungen(s, 48, 55), erwartet);
        for (int m = 48; m < 64; ++m) {
            s[m].heim = katalog::unbekannt;
            s[m].aus = katalog::unbekannt;
        }
        EXPECT_EQ(s, vorher);
    }
}

// What the command reports: one line per stage, named by the stage of its first match.
TEST(KoBaum, Beschreibung) {
    const std::vector<Paarungswechsel> wechsel = {{.spiel = 48, .heim = 0, .aus = 1},
                                                  {.spiel = 55, .heim = 2, .aus = 3},
                                                  {.spiel = 62, .heim = 4, .aus = 5},
                                                  {.spiel = 63, .heim = 16, .aus = 24}};
    EXPECT_EQ(beschreibe(wechsel, Spielstand{}.nationen),
              "Achtelfinale: Deutschland – Costa Rica, Polen – Ecuador\n"
              "Spiel um den 3.Platz: England – Paraguay\n"
              "Finale: Italien – Frankreich");
}

TEST(Verlauf, DatumUndSpieltage) {
    const std::pair<const char*, int> faelle[] = {// 0: unreadable
                                                  {"09.06.2006", 20060609}, {"01.01.2006", 20060101},
                                                  {"32.01.2006", 0},        {"31.12.2006", 20061231},
                                                  {"29.02.2008", 20080229}, {"29.02.2006", 0},
                                                  {"31.04.2006", 0},        {"00.06.2006", 0},
                                                  {"09.13.2006", 0},        {"9.6.2006", 0},
                                                  {"09.06.06", 0},          {"09-06-2006", 0},
                                                  {" 09.06.2006", 0},       {"", 0},
                                                  {"09.06.200x", 0},        {"1x.06.2006", 0}};
    for (const auto& [text, zahl] : faelle) {
        EXPECT_EQ(leseDatum(text).value_or(0), zahl) << text;
        if (zahl) {
            EXPECT_EQ(datumText(zahl), text);
        }
    }
    // Kick-off times, 0: unreadable.
    const std::pair<const char*, int> zeiten[] = {{"18:00 Uhr", 1800}, {"21:05", 2105}, {"21:x5 Uhr", 0},
                                                  {"x1:05", 0},        {"2:00", 0},     {"", 0}};
    for (const auto& [text, zahl] : zeiten) EXPECT_EQ(leseUhrzeit(text).value_or(0), zahl) << text;

    // Several matches on a day, days against the match order, an unreadable date going with the match before it (or
    // with none before it, the first day), no readable date at all, nothing flagged. "match=date", a negative match not
    // flagged.
    const std::pair<const char*, const char*> tage[] = {
        {"0=09.06.2006 1=09.06.2006 2=14.06.2006 3=- 6=10.06.2006 8= -7=13.06.2006",
         "09.06.2006:0,1 10.06.2006:6 13.06.2006:8 14.06.2006:2,3"},
        {"0=offen 1=12.06.2006 2=11.06.2006", "11.06.2006:0,2 12.06.2006:1"},
        {"5= 9=Juni", "?:5,9"},
        {"-1=09.06.2006", ""}};
    for (const auto& [spiele, erwartet] : tage) {
        Spiele s;
        std::istringstream z(spiele);
        for (std::string w; z >> w;)
            s[std::abs(std::stoi(w))] = {0, 0, 0, 0, w[0] != '-', 0, 0, w.substr(w.find('=') + 1), "", 0, 0, ""};
        std::string t;
        for (const Spieltag& tag : spieltage(s)) {
            t += (t.empty() ? "" : " ") + (tag.datum ? datumText(tag.datum) : std::string("?")) + ":";
            for (std::size_t i = 0; i < tag.spiele.size(); ++i) t += (i ? "," : "") + std::to_string(tag.spiele[i]);
        }
        EXPECT_EQ(t, erwartet);
    }
}
