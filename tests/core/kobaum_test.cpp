// The knock-out bracket on constructed results: which sides are decided and which stay as they were.
#include "kobaum.h"

#include <gtest/gtest.h>

#include "testspiel.h"

using namespace ovi;

namespace {

// Group g holds teams 4g..4g+3; the higher number wins every match 1:0, so 4g+3 is first and 4g+2 second.
Spiele gruppenFertig() {
    Spiele s;
    for (int m = 0; m < 64; ++m) {
        const int a = m < 48 ? 4 * (m / 6) + test::paare[m % 6][0] : 32,
                  b = m < 48 ? 4 * (m / 6) + test::paare[m % 6][1] : 32;
        s[m] = {Integer(a), Integer(b), Integer(a > b), Integer(a < b), m < 48, 0, 0, "", "", 0, 0, ""};
    }
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

// A drawn match goes on only with an answer: none, the away side, the home side, a team that did not play.
TEST(KoBaum, UnentschiedenGehtNurMitAntwortWeiter) {
    Spiele s = gruppenFertig();
    fuelleKoPaarungen(s);
    for (int m = 48; m < 56; ++m) s[m].ergHeim = 2, s[m].ergAus = m == 53 ? 2 : 1, s[m].auswerten = true;
    EXPECT_EQ(std::pair(offeneElfmeter(s), schonWeiter(s, 53)), std::pair(std::vector<int>{53}, -1));
    const std::pair<int, const char*> faelle[] = {{-1, "56 3-11, 57 19-32, 58 7-15, 59 23-31"},
                                                  {30, "56 3-11, 57 19-30, 58 7-15, 59 23-31"},
                                                  {27, "56 3-11, 57 19-27, 58 7-15, 59 23-31"},
                                                  {5, "56 3-11, 57 19-32, 58 7-15, 59 23-31"}};
    for (const auto& [weiter, viertelfinale] : faelle) {
        Spiele t = s;
        fuelleKoPaarungen(t, weiter < 0 ? Weiter{} : Weiter{{53, weiter}});
        EXPECT_EQ(paarungen(t, 48, 59), achtelfinale + ", " + viertelfinale);
    }
    fuelleKoPaarungen(s, {{53, 30}});
    EXPECT_EQ(schonWeiter(s, 53), 1);  // what stands there is offered again next time
}

// Group A (0-1, 2-3, 0-2, 3-1, 3-0, 1-2): an open group, a lot for place 2, a lot only for place 3. Nothing but
// the sides of the knock-out matches changes.
TEST(KoBaum, OffeneGruppenplaetzeBleibenStehen) {
    const std::pair<std::vector<int>, const char*> faelle[] = {
        {{6}, "48 3-32, 49 11-14, 50 32-2, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        {{0, 2, 5}, "48 3-6, 49 11-14, 50 7-32, 51 15-10, 52 19-22, 53 27-30, 54 23-18, 55 31-26"},
        {{0}, achtelfinale.c_str()}};
    for (const auto& [spiele, erwartet] : faelle) {
        Spiele s = gruppenFertig();
        for (int m : spiele) m == 6 ? void(s[m].auswerten = false) : void(s[m].ergHeim = s[m].ergAus = 0);
        const Spiele vorher = s;
        fuelleKoPaarungen(s);
        EXPECT_EQ(paarungen(s, 48, 55), erwartet);
        for (int m = 48; m < 64; ++m) s[m].heim = s[m].aus = katalog::unbekannt;
        EXPECT_EQ(s, vorher);
    }
}
