// Missing tips: which matches count as still to be tipped, and the text to send round.
#include "core/fehlendetipps.h"

#include <gtest/gtest.h>

#include "ausgabe/fehlendetippstext.h"
#include "tests/core/tippspiel.h"

using namespace ovi;

// In the pool: match 1 is evaluated and 51 has no pairing; 3 and 7 are tipped by Anke. So Anke misses 2, 8, 13, 19,
// 37, 45, 49, 50; Bernd and Jörg miss those and 3 and 7 as well; Carla plays not and is not listed.
TEST(FehlendeTipps, WerWelcheSpieleNochTippenMuss) {
    const Spielstand s = test::tippspiel();
    const std::vector<int> anke = {1, 7, 12, 18, 36, 44, 48, 49};
    const std::vector<int> alle = {1, 2, 6, 7, 12, 18, 36, 44, 48, 49};
    EXPECT_EQ(fehlendeTipps(s), (std::vector<FehlendeTipps>{{0, anke}, {1, alle}, {2, alle}}));
}

// A tip other than 0:0 is there, whatever it is; 0:0 counts as missing.
TEST(FehlendeTipps, TextJeTeilnehmer) {
    Spielstand s;
    s.setName(0, "Anke");
    s.setSpieltMit(0, true);
    s.setSpieltMit(2, true);
    EXPECT_EQ(fehlendeTippsText(s, fehlendeTipps(s)), "Alle Tipps sind da.\n");
    s.spiele[48] = {0, 7, 0, 0, false, 1, 5, "24.06.2006", "17:00 Uhr", 9, 0, ""};
    s.spiele[49] = {8, 12, 0, 0, false, 1, 5, "24.06.2006", "21:00 Uhr", 8, 0, ""};
    s.spiele[50] = {4, 3, 0, 0, false, 1, 6, "Sonntag", "", 11, 0, ""};
    s.tipps(2, 48, 1) = 1;
    s.tipps(2, 49, 0) = 3;
    EXPECT_EQ(fehlendeTippsText(s, fehlendeTipps(s)),
              "Anke: es fehlen 3 Tipps – 49 Deutschland – Schweden (24.06., 17:00), 50 Argentinien – Mexiko (24.06., "
              "21:00), 51 England – Ecuador (Sonntag)\n"
              "Teilnehmer 3: es fehlt 1 Tipp – 51 England – Ecuador (Sonntag)\n");
    s.setSpieltMit(0, false);
    s.setSpieltMit(2, false);
    EXPECT_EQ(fehlendeTippsText(s, fehlendeTipps(s)), "Es spielt noch niemand mit.\n");
}
