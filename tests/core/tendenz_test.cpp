// Tendency counters: per match how many participants who play along tipped a home win, a draw, an away win.
#include "core/tendenz.h"

#include <gtest/gtest.h>

#include <ostream>

#include "tests/hilfe/kleinesspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace ovi {
void PrintTo(const Tendenz& t, std::ostream* aus) { *aus << t.eins << '/' << t.null << '/' << t.zwei; }
}  // namespace ovi

// Anna (slot 0), Ben (slot 3) and Cem (slot 24) play along, Paul (slot 1) does not. No match has a result or a
// tick except match 3: tips count whether or not a match is evaluated.
TEST(Tendenz, JeSpielHeimsiegUnentschiedenAuswaertssieg) {
    struct Fall {
        const char* fall;
        int spiel;
        Tor anna, ben, cem, paul;
        Integer heim, remis, aus;  // expected counts
    };
    // clang-format off
    const Fall faelle[] = {
        {.fall = "je eine Richtung", .spiel = 0,
         .anna = {2, 1}, .ben = {1, 1}, .cem = {0, 3}, .paul = {0, 0}, .heim = 1, .remis = 1, .aus = 1},
        {.fall = "alle Heimsieg", .spiel = 1,
         .anna = {1, 0}, .ben = {3, 2}, .cem = {9, 0}, .paul = {0, 1}, .heim = 3, .remis = 0, .aus = 0},
        {.fall = "nie getippt zählt als Unentschieden", .spiel = 2,
                                                       .paul = {2, 0}, .heim = 0, .remis = 3, .aus = 0},
        {.fall = "gewertetes Spiel", .spiel = 3,
         .anna = {1, 0}, .ben = {1, 0}, .cem = {0, 2}, .paul = {0, 2}, .heim = 2, .remis = 0, .aus = 1},
        {.fall = "Auswärtssiege, Paul zählt nicht", .spiel = 63,
         .anna = {0, 1}, .ben = {1, 2}, .cem = {2, 3}, .paul = {5, 0}, .heim = 0, .remis = 0, .aus = 3},
    };
    // clang-format on
    Spielstand s;
    for (int slot : {0, 3, 24}) s.setSpieltMit(slot, true);
    s.spiele[3] = begegnung(team::deutschland, team::costaRica, {0, 0}, "10.06.2006");
    for (const Fall& f : faelle) {
        setzeTipp(s, 0, f.spiel, f.anna);
        setzeTipp(s, 3, f.spiel, f.ben);
        setzeTipp(s, 24, f.spiel, f.cem);
        setzeTipp(s, 1, f.spiel, f.paul);
    }
    const auto tendenzen = zaehleTendenzen(s);
    for (const Fall& f : faelle)
        EXPECT_EQ(tendenzen[f.spiel], (Tendenz{.eins = f.heim, .null = f.remis, .zwei = f.aus})) << f.fall;
    EXPECT_EQ(zaehleTendenzen(Spielstand{})[0], Tendenz{}) << "niemand spielt mit";
}
