// The champion bonus on the small game of tests/hilfe/kleinesspiel.h: the final Italien - Frankreich decides the
// champion, a drawn one is answered by the operator (with a team name exactly as the list holds it). Anna tipped
// Italien; Carl too, but he does not play along; Ben tipped no champion. Bonus 10 points.
#include "core/bonus.h"

#include <gtest/gtest.h>

#include "tests/hilfe/kleinesspiel.h"

using namespace ovi;
using namespace ovi::test;

TEST(Bonus, WeltmeisterAusDemFinaleOderAusDerAntwort) {
    struct Fall {
        const char* fall;
        Tor erg;  // of the final
        bool gewertet = true;
        bool bonus = true;
        const char* antwort = nullptr;  // the operator's answer after a drawn final
        int annaTipp = team::italien;
        Bonusausgang ausgang;
        int wm;    // the champion
        int anna;  // her bonus; Carl and Ben never get one
    };
    constexpr auto vergeben = Bonusausgang::bonusVergeben, frage = Bonusausgang::weltmeisterFrage,
                   ohne = Bonusausgang::ohneBonus;
    using namespace team;
    const Fall faelle[] = {
        {.fall = "Heimsieg 2:1", .erg = {2, 1}, .ausgang = vergeben, .wm = italien, .anna = 10},
        {.fall = "Auswärtssieg 0:1", .erg = {0, 1}, .ausgang = vergeben, .wm = frankreich, .anna = 0},
        {.fall = "1:1, keine Antwort", .erg = {1, 1}, .ausgang = frage, .wm = -1, .anna = 0},
        {.fall = "1:1, Italien", .erg = {1, 1}, .antwort = "Italien", .ausgang = frage, .wm = italien, .anna = 10},
        {.fall = "1:1, italien", .erg = {1, 1}, .antwort = "italien", .ausgang = frage, .wm = -1, .anna = 0},
        // clang-format off
        {.fall = "1:1, erste Mannschaft", .erg = {1, 1}, .antwort = "Deutschland", .annaTipp = deutschland,
         .ausgang = frage, .wm = deutschland, .anna = 10},
        {.fall = "1:1, letzte Mannschaft", .erg = {1, 1}, .antwort = "Saudiarabien", .annaTipp = saudiarabien,
         .ausgang = frage, .wm = saudiarabien, .anna = 10},
        // clang-format on
        {.fall = "1:1, Platzhalter", .erg = {1, 1}, .antwort = "unbekannt", .ausgang = frage, .wm = -1, .anna = 0},
        {.fall = "Bonus aus", .erg = {2, 1}, .bonus = false, .ausgang = ohne, .wm = -1, .anna = 0},
        {.fall = "nicht gewertet", .erg = {2, 1}, .gewertet = false, .ausgang = ohne, .wm = -1, .anna = 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.fall);
        Spielstand s = kleinesSpiel();
        s.spiele[63] = begegnung(italien, frankreich, f.erg, "09.07.2006", f.gewertet);
        s.setBonus(f.bonus);
        s.setWMTipp(klein::anna, f.annaTipp);
        EXPECT_EQ(werteKomplettAus(s), f.ausgang);
        if (f.antwort) setWeltmeister(s, f.antwort);
        EXPECT_EQ(s.weltmeister, f.wm);
        EXPECT_EQ(s.auswertung[klein::anna].wmBonus, f.anna);
        EXPECT_EQ(s.sieger[klein::anna], f.anna > 0);
        for (int slot : {klein::anna, klein::carl, klein::ben}) {
            const Auswertung& a = s.auswertung[slot];
            EXPECT_EQ(a.gesamt, a.punkte + a.wmBonus) << s.getName(slot);
        }
        EXPECT_EQ(s.auswertung[klein::carl].wmBonus, 0) << "spielt nicht mit";
        EXPECT_EQ(s.auswertung[klein::ben].wmBonus, 0) << "kein Weltmeister-Tipp";
    }
}

// The list the winners' dialog shows: two heading lines with the bonus, then each winner after ten blanks.
TEST(Bonus, SiegerListe) {
    Spielstand s = kleinesSpiel();
    werteKomplettAus(s);
    EXPECT_EQ(bonusSiegerText(s, s.sieger),
              "Folgende Teilnehmer haben den Weltmeister\r\n"
              "richtig vorhergesagt und bekommen deshalb 10 Bonuspunkte gutgeschrieben:\r\n"
              "\r\n"
              "          Anna");
    s.sieger.fuelle(false);
    EXPECT_EQ(bonusSiegerText(s, s.sieger),
              "Folgende Teilnehmer haben den Weltmeister\r\n"
              "richtig vorhergesagt und bekommen deshalb 10 Bonuspunkte gutgeschrieben:\r\n");
}
