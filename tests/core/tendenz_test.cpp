#include "tendenz.h"

#include <gtest/gtest.h>

#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

TEST(Tendenz, ZaehltNurMitspieler) {
    Spielstand s;
    for (int p : {0, 1, 2, 3, 4}) mitspieler(s, p, "P");
    for (int p : {0, 1, 2, 3, 4}) setzeTipp(s, p, 7, 2, 1);
    setzeTipp(s, 9, 7, 0, 4);  // does not play along
    setzeTipp(s, 0, 8, 0, 1);
    setzeTipp(s, 1, 8, 1, 1);
    const auto t = zaehleTendenzen(s);
    EXPECT_EQ(t[7], (Tendenz{5, 0, 0}));
    EXPECT_EQ(t[8], (Tendenz{0, 4, 1}));
    EXPECT_EQ(t[0], (Tendenz{0, 5, 0}));  // untouched tips are draws
    EXPECT_EQ(zaehleTendenzen(Spielstand{})[0], (Tendenz{0, 0, 0}));
}

TEST(Tendenz, BalkenUndBeschriftung) {
    const TendenzBild breit = tendenzBild(Tendenz{3, 6, 0}, 870, 9600);
    EXPECT_EQ(breit.labelBreite, (std::array<int, 3>{305, 305, 305}));
    EXPECT_EQ(breit.labelLinks, (std::array<int, 3>{0, 290, 565}));
    EXPECT_EQ(breit.balkenHoehe, (std::array<double, 3>{200, 400, 0}));
    EXPECT_EQ(breit.balkenOben, (std::array<double, 3>{9400, 9200, 9600}));
    EXPECT_EQ(breit.balkenLinks, (std::array<double, 3>{62.5, 352.5, 627.5}));

    const TendenzBild schmal = tendenzBild(Tendenz{1, 2, 3}, 675, 9600);
    EXPECT_EQ(schmal.labelBreite[0], 240);
    EXPECT_EQ(schmal.labelLinks, (std::array<int, 3>{0, 225, 435}));
    EXPECT_DOUBLE_EQ(schmal.balkenHoehe[0], 400.0 / 3);

    const TendenzBild leer = tendenzBild(Tendenz{0, 0, 0}, 870, 9600);
    EXPECT_EQ(leer.balkenHoehe, (std::array<double, 3>{0, 0, 0}));
}
