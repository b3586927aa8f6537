// The standings after each match day of the race in verlaufspiel.h, worked out by hand from its table.
#include "core/verlauf.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/core/verlaufspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace ovi {
void PrintTo(const Tagesstand& t, std::ostream* aus) {
    *aus << "Tag " << t.tagespunkte << ", Bonus " << t.bonus << ", bisher " << t.punkte << ", gesamt " << t.gesamt
         << ", Platz " << t.platz;
}
}  // namespace ovi

namespace {

constexpr std::size_t anna = 0, ben = 1, cem = 2;  // in the order of the slots that play along

struct Stand {
    std::size_t spieltag, wer;
    Tagesstand soll;
};

void pruefe(const Verlauf& v, const std::vector<Stand>& staende) {
    for (const Stand& z : staende)
        EXPECT_EQ(v.stand.at(z.spieltag - 1).at(z.wer), z.soll) << v.namen.at(z.wer) << " am Spieltag " << z.spieltag;
}

}  // namespace

TEST(Verlauf, StandNachJedemSpieltag) {
    const Verlauf v = berechneVerlauf(rennen());
    EXPECT_EQ(v.teilnehmer, (std::vector<int>{0, 2, 3}));
    // clang-format off
    pruefe(v, {
        {.spieltag = 1, .wer = anna, .soll = {.tagespunkte = 4, .bonus = 0, .punkte = 4, .gesamt = 4, .platz = 2}},
        {.spieltag = 1, .wer = ben,  .soll = {.tagespunkte = 5, .bonus = 0, .punkte = 5, .gesamt = 5, .platz = 1}},
        {.spieltag = 1, .wer = cem,  .soll = {.tagespunkte = 2, .bonus = 0, .punkte = 2, .gesamt = 2, .platz = 3}},
        {.spieltag = 2, .wer = anna, .soll = {.tagespunkte = 3, .bonus = 0, .punkte = 7, .gesamt = 7, .platz = 1}},
        {.spieltag = 2, .wer = ben,  .soll = {.tagespunkte = 0, .bonus = 0, .punkte = 5, .gesamt = 5, .platz = 2}},
        {.spieltag = 2, .wer = cem,  .soll = {.tagespunkte = 3, .bonus = 0, .punkte = 5, .gesamt = 5, .platz = 3}},
        {.spieltag = 3, .wer = anna, .soll = {.tagespunkte = 2, .bonus = 0, .punkte = 9, .gesamt = 9, .platz = 2}},
        {.spieltag = 3, .wer = ben,  .soll = {.tagespunkte = 3, .bonus = 10, .punkte = 8, .gesamt = 18, .platz = 1}},
        {.spieltag = 3, .wer = cem,  .soll = {.tagespunkte = 0, .bonus = 0, .punkte = 5, .gesamt = 5, .platz = 3}},
    });
    // clang-format on
    EXPECT_EQ(v.sieger, (std::vector<std::vector<int>>{{2}, {0, 3}, {2}})) << "Ben; Anna und Cem; Ben";
}

// Final 1:1: Anna's 1:0 and Ben's 2:1 miss, Cem's 0:0 is a tendency. The bonus goes by the champion the game
// holds: Deutschland (team 0, Cem's tip) after the operator's answer, nobody without one.
TEST(Verlauf, UnentschiedenesFinale) {
    Spielstand s = rennen(1, 1);
    s.weltmeister = team::deutschland;
    // clang-format off
    pruefe(berechneVerlauf(s), {
        {.spieltag = 3, .wer = anna, .soll = {.tagespunkte = 0, .bonus = 0, .punkte = 7, .gesamt = 7, .platz = 2}},
        {.spieltag = 3, .wer = cem,  .soll = {.tagespunkte = 1, .bonus = 10, .punkte = 6, .gesamt = 16, .platz = 1}},
    });
    s.weltmeister = -1;
    pruefe(berechneVerlauf(s), {
        {.spieltag = 3, .wer = cem,  .soll = {.tagespunkte = 1, .bonus = 0, .punkte = 6, .gesamt = 6, .platz = 2}},
    });
    // clang-format on
}
