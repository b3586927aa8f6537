// The knock-out bracket on constructed results: which sides are decided and which stay as they were; the real
// tournament is run through it beside the shipped stage files.
#include "kobaum.h"

#include <gtest/gtest.h>

using namespace ovi;

namespace {

void ergebnis(Spiele& s, int m, int heim, int aus, int tore1, int tore2) {
    s[m].heim = static_cast<Integer>(heim);
    s[m].aus = static_cast<Integer>(aus);
    s[m].ergHeim = static_cast<Integer>(tore1);
    s[m].ergAus = static_cast<Integer>(tore2);
    s[m].auswerten = true;
}

// Group g holds teams 4g..4g+3; the higher number wins every match, so 4g+3 is first and 4g+2 second.
Spiele gruppenFertig() {
    Spiele s;
    for (int m = 48; m < 64; ++m) s[m].heim = s[m].aus = katalog::unbekannt;
    const int paare[6][2] = {{0, 1}, {2, 3}, {0, 2}, {3, 1}, {3, 0}, {1, 2}};
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i < 6; ++i) ergebnis(s, 6 * g + i, 4 * g + paare[i][0], 4 * g + paare[i][1], 0, 1);
    for (int g = 0; g < 8; ++g)
        for (int i = 0; i < 6; ++i)
            if (paare[i][0] > paare[i][1]) std::swap(s[6 * g + i].ergHeim, s[6 * g + i].ergAus);
    return s;
}

// "48 3-6, 49 11-14, ...", 32 for a side not known.
std::string paarungen(const Spiele& s, int von, int bis) {
    std::string t;
    for (int m = von; m <= bis; ++m)
        t += (t.empty() ? "" : ", ") + std::to_string(m) + " " + std::to_string(s[m].heim) + "-" +
             std::to_string(s[m].aus);
    return t;
}

const std::string achtelfinale = "48 3-6, 49 11-14, 50 7-2, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26";

}  // namespace

TEST(KoBaum, UnentschiedenGehtNurMitAntwortWeiter) {
    Spiele s = gruppenFertig();
    fuelleKoPaarungen(s);
    for (int m = 48; m < 56; ++m) ergebnis(s, m, s[m].heim, s[m].aus, 2, 1);
    s[53].ergAus = 2;  // 27 against 30, 2:2
    EXPECT_EQ(offeneElfmeter(s), std::vector<int>{53});
    EXPECT_EQ(schonWeiter(s, 53), -1);

    // No answer, the away side, the home side, a team that did not play.
    const std::pair<Weiter, const char*> faelle[] = {{{}, "56 3-11, 57 19-32, 58 7-15, 59 23-31"},
                                                     {{{53, 30}}, "56 3-11, 57 19-30, 58 7-15, 59 23-31"},
                                                     {{{53, 27}}, "56 3-11, 57 19-27, 58 7-15, 59 23-31"},
                                                     {{{53, 5}}, "56 3-11, 57 19-32, 58 7-15, 59 23-31"}};
    for (const auto& [weiter, viertelfinale] : faelle) {
        Spiele t = s;
        fuelleKoPaarungen(t, weiter);
        EXPECT_EQ(paarungen(t, 48, 59), achtelfinale + ", " + viertelfinale);
    }
    fuelleKoPaarungen(s, {{53, 30}});
    EXPECT_EQ(schonWeiter(s, 53), 1);  // what stands there is offered again next time
}

TEST(KoBaum, OffeneGruppenplaetzeBleibenStehen) {
    // Group A, matches 0..5 between 0-1, 2-3, 0-2, 3-1, 3-0, 1-2.
    const struct {
        const char* name;
        void (*aendere)(Spiele&);
        const char* achtelfinale;
    } faelle[] = {
        {"Gruppe B nicht fertig", [](Spiele& s) { s[6].auswerten = false; },
         "48 3-32, 49 11-14, 50 32-2, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        // 3 wins everything, the other three draw 0:0 among themselves: second place goes by lot.
        {"Los um Platz 2",
         [](Spiele& s) {
             for (int m : {0, 2, 5}) s[m].ergHeim = s[m].ergAus = 0;
         },
         "48 3-6, 49 11-14, 50 7-32, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        // Only 0 and 1 are level (0:0 between them, both beaten by 2 and 3): places 1 and 2 stand.
        {"Los nur um Platz 3", [](Spiele& s) { s[0].ergHeim = s[0].ergAus = 0; }, achtelfinale.c_str()},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spiele s = gruppenFertig();
        f.aendere(s);
        const Spiele vorher = s;
        fuelleKoPaarungen(s);
        EXPECT_EQ(paarungen(s, 48, 55), f.achtelfinale);
        // Nothing but the sides of the knock-out matches changes.
        for (int m = 48; m < 64; ++m) s[m].heim = s[m].aus = katalog::unbekannt;
        EXPECT_EQ(s, vorher);
    }
}
