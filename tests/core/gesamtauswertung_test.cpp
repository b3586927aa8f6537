// One game through the whole evaluation under each rule, compared as one text per rule: rule head, bonus
// outcome and winners' list, the table rows after every sort key in turn, two reports, tendency counters, group
// tables, the knock-out pairings and the standings per match day.
#include <gtest/gtest.h>

#include "ausgabe/tabellendokument.h"
#include "ausgabe/tabellenhtml.h"
#include "ausgabe/verlaufsvg.h"
#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "core/datum.h"
#include "core/gruppen.h"
#include "core/kobaum.h"
#include "core/rangliste.h"
#include "core/tendenz.h"
#include "core/verlauf.h"
#include "tests/core/testspiel.h"
#include "tests/core/verlaufspiel.h"

using namespace ovi;
using namespace ovi::test;

namespace {

std::string zahlen(std::initializer_list<long> z) {
    std::string t;
    for (long v : z) t += (t.empty() ? "" : " ") + std::to_string(v);
    return t;
}

std::string bild(Spielstand& s, Bonusausgang ausgang) {
    const char* ausgaenge[] = {"ohne Bonus", "Bonus vergeben", "Weltmeister-Frage"};
    std::string t = regelName(s.regel.modus) + ": " + ausgaenge[static_cast<int>(ausgang)] + ", Weltmeister " +
                    std::to_string(s.weltmeister) + "\nFarben " +
                    zahlen({s.modusFarbe[0], s.modusFarbe[1], s.modusFarbe[2], s.modusFarbe[3]}) + "\n";
    for (const Kopfangabe& k : kopfAngaben(s)) t += k.name + ": " + k.wert + "\n";
    t += bonusSiegerText(s, s.sieger) + "\n";
    for (int k : {0, 1, 2, 3, 4, 5, 6, 5, 7}) {
        sortiereTabelle(s, k);
        t += "Sortierung " + std::to_string(k) + "\n";
        const auto zeilen = tabellenZeilen(s);
        for (int r = 0; r < 6; ++r) {
            const Tabellenzeile& z = zeilen[r];
            t += std::to_string(spielerAufPlatz(s, r)) + "|" + z.spieler + "|" + z.gesamt + "|" + z.gruppe + "|" +
                 z.ko + "|" + z.bonus + "|" + z.richtige + "|" + z.sieghoehe + "|" + z.tendenz + "\n";
        }
    }
    t += mitSpalten(spielerInfo(s, 0)) + spielerInfo(s, 3) + "Tendenzen";
    const auto tendenzen = zaehleTendenzen(s);
    for (int m : {0, 1, 8, 20, 63}) t += " " + zahlen({m, tendenzen[m].eins, tendenzen[m].null, tendenzen[m].zwei});
    for (int g = 0; g < 3; ++g) t += "\nGruppe " + std::to_string(g) + ": " + gruppenText(gruppenTabelle(s.spiele, g));
    Spiele ko = s.spiele;
    fuelleKoPaarungen(ko);
    t += "\nK.O.: " + paarungen(ko, 48, 63);
    const Verlauf v = berechneVerlauf(s);
    for (std::size_t d = 0; d < v.tage.size(); ++d) {
        t += "\n" + datumText(v.tage[d].datum) + ":";
        for (const Tagesstand& st : v.stand[d])
            t += " " + zahlen({st.tagespunkte, st.bonus, st.punkte, st.gesamt, st.platz});
    }
    for (const std::string& z : tagessiegerZeilen(v)) t += "\n" + z;
    return t + "\n" + tagessiegerHtml(v);
}

}  // namespace

// 3-2-1 with the home side as champion, 3-Punkte with the away side, 2-Punkte with a drawn final answered after
// a sort by tendency (a wrong name first), an own rule 5-0-4 and one bonus point with the final unflagged and, besides,
// the bonus switched off.
TEST(Gesamtauswertung, JedeRegelAlsGanzerText) {
    const int faelle[4][4] = {{3, 2, 1, 1}, {2, 0, 1, 1}, {1, 1, 1, 1}, {0, 2, 1, 0}};
    for (const auto& [modus, heim, aus, gewertet] : faelle) {
        SCOPED_TRACE(modus);
        Spielstand s = gesamtspiel(modus, heim, aus, gewertet);
        Bonusausgang ausgang = werteKomplettAus(s);
        std::string t;
        if (ausgang == Bonusausgang::weltmeisterFrage) {
            t = bild(s, ausgang);
            setWeltmeister(s, "saudiarabien");
            sortiereTabelle(s, 6);
            setWeltmeister(s, "Saudiarabien");
            ausgang = Bonusausgang::bonusVergeben;
        }
        if (!gewertet) {
            Spielstand ohne = gesamtspiel(modus, heim, aus, true);
            ohne.setBonus(false);
            t += bild(ohne, werteKomplettAus(ohne));
        }
        t += bild(s, ausgang);
        EXPECT_EQ(t, lies("gesamt-regel" + std::to_string(modus) + ".txt"));
    }
}

// A fault aborts the evaluation whole: records, winners and champion stay as the last evaluation left them.
TEST(Gesamtauswertung, FehlerLassenDieAlteAuswertungStehen) {
    Spielstand s = gesamtspiel(3, 2, 1, true);
    werteKomplettAus(s);
    for (int fall = 0; fall < 3; ++fall) {
        Spielstand k = s;
        k.spiele[0].heim = fall ? 0 : 40;  // booked to the teams, so the bad number is used
        k.regel.modusPunkte[0] = fall == 1 ? 32000 : 3;
        k.spiele[63].ergHeim = fall == 2 ? 32767 : 2, k.spiele[63].ergAus = fall == 2 ? -2 : 1;
        if (fall) {
            EXPECT_THROW(werteKomplettAus(k), Ueberlauffehler);
        } else {
            EXPECT_THROW(werteKomplettAus(k), Bereichsfehler);
        }
        EXPECT_TRUE(k.auswertung == s.auswertung && k.sieger == s.sieger && k.weltmeister == 31) << fall;
    }
}

// The report's columns.
TEST(Gesamtauswertung, BerichtSpalten) {
    // A label longer than the column keeps one blank before its number.
    EXPECT_EQ(mitSpalten(std::string(30, 'x') + "\t3\r\n\t2"),
              std::string(30, 'x') + " 3\r\n" + std::string(27, ' ') + "2");
}

// The whole page with table, tip overview and the reports in ranking order, one name with markup. The race chart
// has tests of its own; here a small figure stands in for it, its winners' lines stay.
TEST(Tabellendokument, GanzeSeite) {
    Spielstand s = gesamtspiel(3, 2, 1, true);
    werteKomplettAus(s);
    Tabellendokument d = baueTabellendokument(s, "", "07.12.2026, 11:48 Uhr", {true, true, true});
    ASSERT_EQ(d.zusatz.size(), 1u);
    d.zusatz[0].svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"></svg>";
    EXPECT_EQ(d.berichtNamen, (std::vector<std::string>{"Zoe", "Anna", "Ben & <Co>", "Dora"}));
    EXPECT_EQ(alsHtml(d), lies("tabelle_gesamt.html"));
    EXPECT_EQ(kopfAngaben(Spielstand{})[2].wert, "kein Spiel");
}

// The chart in the document takes the size it is asked for: 720 x 400 unless told.
TEST(Tabellendokument, DiagrammGroesse) {
    Spielstand s = gesamtspiel(3, 2, 1, true);
    werteKomplettAus(s);
    const struct {
        const char* name;
        Diagrammgroesse groesse;
        const char* kopf;
    } faelle[] = {{"ungefragt", {}, "width=\"720.0\" height=\"400.0\""},
                  {"halb", {360, 200}, "width=\"360.0\" height=\"200.0\""}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const Tabellendokument d = baueTabellendokument(s, "", "", {true, false, false}, f.groesse);
        ASSERT_EQ(d.zusatz.size(), 1u);
        EXPECT_NE(d.zusatz[0].svg.find(f.kopf), std::string::npos);
    }
}

// The whole figure, both kinds: lines in the order of the last day, Anna picked out and so drawn last; places put
// 1 at the top of the plot area, points 0 at the bottom of a 0..20 axis. What the pointer hits: the middle of a
// segment, just beside a point, too far beside it, a name in the legend, the corner. With nothing flagged the figure
// says so and there is no winner.
TEST(VerlaufSvg, GanzesBildUndTreffer) {
    Spielstand s = rennen();
    const Verlauf v = berechneVerlauf(s);
    EXPECT_EQ(alsSvg(diagramm(v, Kurve::platz, 600, 300), 0), lies("verlauf_platz.svg"));
    EXPECT_EQ(alsSvg(diagramm(v, Kurve::punkte, 600, 300), 0), lies("verlauf_punkte.svg"));
    const Diagramm d = diagramm(v, Kurve::platz, 600, 300);
    const auto& anna = d.linien[1].punkte;
    const Rechteck& cem = d.linien[2].legende;
    const std::pair<Punkt, int> faelle[] = {{{(anna[0].x + anna[1].x) / 2, (anna[0].y + anna[1].y) / 2}, 0},
                                            {{anna[2].x, anna[2].y + 4}, 0},
                                            {{anna[2].x, anna[2].y + 7}, -1},
                                            {{cem.links + 40, cem.oben + cem.hoehe / 2}, 3},
                                            {{1, 1}, -1}};
    for (const auto& [p, slot] : faelle) EXPECT_EQ(getroffen(d, p), slot) << p.x << "," << p.y;
    for (Spiel& sp : s.spiele) sp.auswerten = false;
    EXPECT_NE(alsSvg(diagramm(berechneVerlauf(s), Kurve::platz, 720, 400)).find("Noch kein Spiel ausgewertet"),
              std::string::npos);
    EXPECT_EQ(tagessiegerZeilen(berechneVerlauf(s)), std::vector<std::string>{});
}
