// Layout numbers: sort markers, and the tendency labels and bars of the narrow column (the wide one is seen in
// the window's tests).
#include "ui/masse.h"

#include <gtest/gtest.h>

#include "ui/tendenzbild.h"

namespace ovi {

TEST(Masse, SortiermarkenJeSchluessel) {
    const int versatz[7] = {60, 60, 100, 80, 20, 20, 20};
    for (int k = 0; k < 7; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(masse::markenSpalte(k), k);
        EXPECT_EQ(masse::markenVersatz(k), versatz[k]);
    }
    EXPECT_EQ(masse::markenSpalte(7), 0) << "a key past the list takes the first column";
    EXPECT_EQ(masse::markenSpalte(-1), 0);
}

TEST(Masse, UntereMarkeUnterDerLetztenZeile) {
    EXPECT_EQ(masse::untereMarkeOben(25), 9120);
    EXPECT_EQ(masse::untereMarkeOben(3), 9120 - 22 * 300);
    EXPECT_EQ(masse::untereMarkeOben(0), 1620);
}

TEST(Masse, TendenzSchmaleSpalte) {
    const TendenzBild schmal = tendenzBild(Tendenz{1, 2, 3}, 675, 9600);
    EXPECT_EQ(schmal.labelBreite[0], 240);
    EXPECT_EQ(schmal.labelLinks[1], 225);
    EXPECT_EQ(schmal.labelLinks[2], 435);
    EXPECT_DOUBLE_EQ(schmal.balkenHoehe[0], 400.0 / 3);
    EXPECT_DOUBLE_EQ(schmal.balkenOben[2], 9600 - 400.0);
}

}  // namespace ovi
