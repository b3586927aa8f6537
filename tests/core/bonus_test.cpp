#include <gtest/gtest.h>

#include <tuple>

#include "auswertung.h"
#include "rangliste.h"
#include "testspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// Final `heim` against 24 (Frankreich); slot 0 tips `heim`, 1 Frankreich, 2 `heim` but does not play along,
// 3 gave no tip (-1). Slot 1 scores the group match; the final tips are 0:0 (never entered).
Spielstand finalSpiel(int h, int a, bool bonus = true, bool finaleGewertet = true, int heim = 16) {
    Spielstand s;
    s.regel.bonus = bonus;
    s.regel.bonuspunkte = 10;
    mitspieler(s, 0, "Anna", heim);
    mitspieler(s, 1, "Ben", 24);
    s.setName(2, "Carl");
    s.setWMTipp(2, heim);
    mitspieler(s, 3, "Dora", -1);
    setzeSpiel(s, 0, 0, 1, 1, 0);
    setzeTipp(s, 1, 0, 1, 0);
    setzeSpiel(s, 63, heim, 24, h, a, finaleGewertet);
    return s;
}

const std::string kopf =
    "Folgende Teilnehmer haben den Weltmeister\r\n"
    "richtig vorhergesagt und bekommen deshalb 10 Bonuspunkte gutgeschrieben:\r\n";

}  // namespace

TEST(Bonus, AusgangDesFinales) {
    const struct {
        const char* name;
        int h, a;
        bool bonus, gewertet;
        int heim;
        Bonusausgang ausgang;
        int weltmeister, bonusAnna, bonusBen;
        std::string liste;
    } faelle[] = {{"Heimsieg", 2, 1, true, true, 16, Bonusausgang::bonusVergeben, 16, 10, 0, "\r\n          Anna"},
                  {"Saudiarabien Weltmeister", 3, 0, true, true, 31, Bonusausgang::bonusVergeben, 31, 10, 0,
                   "\r\n          Anna"},
                  {"Auswaertssieg", 0, 1, true, true, 16, Bonusausgang::bonusVergeben, 24, 0, 10, "\r\n          Ben"},
                  {"Unentschieden", 1, 1, true, true, 16, Bonusausgang::weltmeisterFrage, -1, 0, 0, ""},
                  {"BonusAus", 2, 1, false, true, 16, Bonusausgang::ohneBonus, -1, 0, 0, ""},
                  {"FinaleNichtGewertet", 2, 1, true, false, 16, Bonusausgang::ohneBonus, -1, 0, 0, ""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Spielstand s = finalSpiel(f.h, f.a, f.bonus, f.gewertet, f.heim);
        EXPECT_EQ(werteKomplettAus(s), f.ausgang);
        EXPECT_EQ(s.weltmeister, f.weltmeister);
        EXPECT_EQ((std::vector<int>{s.auswertung[0].wmBonus, s.auswertung[1].wmBonus, s.auswertung[2].wmBonus,
                                    s.auswertung[3].wmBonus}),
                  (std::vector<int>{f.bonusAnna, f.bonusBen, 0, 0}));
        EXPECT_EQ(bonusSiegerText(s, s.sieger), kopf + f.liste);
        for (int p = 0; p < 25; ++p)
            EXPECT_EQ(s.auswertung[p].gesamt, s.auswertung[p].punkte + s.auswertung[p].wmBonus) << p;
    }
}

// A drawn final is fully evaluated before anybody answers; an unknown name keeps the champion open. The answer
// re-sorts by total from slot order, whatever key was chosen in between: Anna (1 + 3) ties Ben (3 + 1) and,
// in the lower slot, comes first.
TEST(Bonus, AntwortNachUnentschiedenemFinale) {
    for (int team : {16, 31}) {
        SCOPED_TRACE(team);
        Spielstand s = finalSpiel(1, 1, true, true, team);
        s.regel.bonuspunkte = 3;
        ASSERT_EQ(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);
        EXPECT_EQ(std::tuple(s.auswertung[1].gesamt, s.auswertung[1].platz, s.auswertung[0].gesamt),
                  std::tuple(3 + 1, 0, 1));
        for (const char* name : {"unbekannt", "italien", ""}) {
            setWeltmeister(s, name);
            EXPECT_EQ(s.weltmeister, -1) << name;
            for (int p = 0; p < 25; ++p) EXPECT_EQ(s.auswertung[p].wmBonus, 0) << name << " " << p;
        }
        sortiereTabelle(s, 1);  // group phase: Ben 3 first
        setWeltmeister(s, team == 16 ? "Italien" : "Saudiarabien");
        const Auswertung &anna = s.auswertung[0], &ben = s.auswertung[1];
        EXPECT_EQ(std::tuple(s.weltmeister, anna.wmBonus, anna.gesamt, anna.platz, ben.platz, s.sieger[0], s.sieger[2]),
                  std::tuple(team, 3, 4, 0, 1, true, false));
    }
}

TEST(Bonus, UeberlaufDerFinaltoreBrichtAb) {
    Spielstand s = finalSpiel(0, 0);
    s.spiele[63].ergHeim = 32767;
    s.spiele[63].ergAus = -2;
    const auto vorher = s.auswertung;
    EXPECT_THROW(werteKomplettAus(s), Ueberlauffehler);
    EXPECT_TRUE(s.auswertung == vorher);
    EXPECT_EQ(s.weltmeister, -1);
}
