#include <gtest/gtest.h>

#include <tuple>

#include "auswertung.h"
#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// Final 16 (Italien) against 24 (Frankreich); slot 0 tips Italien, 1 Frankreich, 2 Italien but does not
// play along, 3 gave no tip (-1). Slot 1 scores the group match.
Spielstand finalSpiel(int h, int a, bool bonus, bool finaleGewertet) {
    Spielstand s;
    s.regel.bonus = bonus;
    s.regel.bonuspunkte = 10;
    mitspieler(s, 0, "Anna", 16);
    mitspieler(s, 1, "Ben", 24);
    s.setName(2, "Carl");
    s.setWMTipp(2, 16);
    mitspieler(s, 3, "Dora", -1);
    setzeSpiel(s, 0, 0, 1, 1, 0);
    setzeTipp(s, 1, 0, 1, 0);
    setzeSpiel(s, 63, 16, 24, h, a, finaleGewertet);
    return s;
}

}  // namespace

// Final tips: Anna 0:0 and Ben 0:0 (never entered), so a drawn final 0:0 gives both 3 points.
TEST(Bonus, AusgangDesFinales) {
    const struct {
        const char* name;
        int h, a;
        bool bonus, gewertet;
        Bonusausgang ausgang;
        int weltmeister, bonusAnna, bonusBen;
    } faelle[] = {{"Heimsieg", 2, 1, true, true, Bonusausgang::bonusVergeben, 16, 10, 0},
                  {"Auswaertssieg", 0, 1, true, true, Bonusausgang::bonusVergeben, 24, 0, 10},
                  {"Unentschieden", 1, 1, true, true, Bonusausgang::weltmeisterFrage, -1, 0, 0},
                  {"BonusAus", 2, 1, false, true, Bonusausgang::ohneBonus, -1, 0, 0},
                  {"FinaleNichtGewertet", 2, 1, true, false, Bonusausgang::ohneBonus, -1, 0, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand s = finalSpiel(f.h, f.a, f.bonus, f.gewertet);
        EXPECT_EQ(werteKomplettAus(s), f.ausgang);
        EXPECT_EQ(s.weltmeister, f.weltmeister);
        EXPECT_EQ((std::vector<int>{s.auswertung[0].wmBonus, s.auswertung[1].wmBonus, s.auswertung[2].wmBonus,
                                    s.auswertung[3].wmBonus}),
                  (std::vector<int>{f.bonusAnna, f.bonusBen, 0, 0}));
        for (int p = 0; p < 25; ++p) {
            EXPECT_EQ(s.auswertung[p].gesamt, s.auswertung[p].punkte + s.auswertung[p].wmBonus) << p;
            EXPECT_EQ(s.sieger[p], s.auswertung[p].wmBonus != 0) << p;
        }
    }
}

// A drawn final is fully evaluated before anybody answers; an unknown name keeps the champion open.
TEST(Bonus, AntwortNachUnentschiedenemFinale) {
    Spielstand s = finalSpiel(1, 1, true, true);
    ASSERT_EQ(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);
    // Ben scored the group match: his total is set and he leads, though nobody answered yet.
    EXPECT_EQ(std::tuple(s.auswertung[1].gesamt, s.auswertung[1].platz, s.auswertung[0].gesamt),
              std::tuple(3 + 1, 0, 1));
    for (const char* name : {"unbekannt", "italien", ""}) {
        setWeltmeister(s, name);
        EXPECT_EQ(s.weltmeister, -1) << name;
        // -1 never matches Dora's missing tip.
        for (int p = 0; p < 25; ++p) EXPECT_EQ(s.auswertung[p].wmBonus, 0) << name << " " << p;
    }
    setWeltmeister(s, "Italien");
    const Auswertung &anna = s.auswertung[0], &ben = s.auswertung[1];
    EXPECT_EQ(std::tuple(s.weltmeister, anna.wmBonus, anna.gesamt, anna.platz, ben.platz, s.sieger[0], s.sieger[2]),
              std::tuple(16, 10, 11, 0, 1, true, false));
}

TEST(Bonus, SiegerText) {
    Spielstand s = finalSpiel(2, 1, true, true);
    werteKomplettAus(s);
    const std::string kopf =
        "Folgende Teilnehmer haben den Weltmeister\r\n"
        "richtig vorhergesagt und bekommen deshalb 10 Bonuspunkte gutgeschrieben:\r\n";
    EXPECT_EQ(bonusSiegerText(s, s.sieger), kopf + "\r\n          Anna");
    EXPECT_EQ(bonusSiegerText(s, Liste<bool, 25>{}), kopf);
    Liste<bool, 25> zwei{};
    zwei[1] = zwei[3] = true;
    EXPECT_EQ(bonusSiegerText(s, zwei), kopf + "\r\n          Ben\r\n          Dora");
}

TEST(Bonus, UeberlaufDerFinaltoreBrichtAb) {
    Spielstand s = finalSpiel(0, 0, true, true);
    s.spiele[63].ergHeim = 32767;
    s.spiele[63].ergAus = -2;
    const auto vorher = s.auswertung;
    EXPECT_THROW(werteKomplettAus(s), Ueberlauffehler);
    EXPECT_TRUE(s.auswertung == vorher);
    EXPECT_EQ(s.weltmeister, -1);
}
