// The shipped tournament files, read back with the checking readers, against data/wm2006.csv and the group list.
#include <gtest/gtest.h>

#include <QFile>
#include <map>
#include <sstream>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "core/rangliste.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tools/turnier/turnierdaten.h"

using namespace ovi;

namespace {

const QString ordner = QStringLiteral(OVI_TURNIER_ORDNER "/");

std::string text(const char* pfad) {
    QFile f(QString::fromUtf8(pfad));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : "";
}

Integer team(const std::string& name) { return Integer(katalog::mannschaftNr(Spielstand().nationen, name)); }

}  // namespace

// The schedule: the group pairings, dates and kick-offs, knock-out sides open, no results. Each stage file: what
// was known the morning after that stage.
TEST(Turnier, SpielplanUndStufendateien) {
    const auto p = turnier::leseCsv(text(OVI_TURNIER_CSV));
    std::map<std::string, char> gruppe;
    std::istringstream gruppen(text(OVI_GRUPPEN_CSV));
    for (std::string zeile; std::getline(gruppen, zeile);) gruppe[zeile.substr(2)] = zeile[0];
    const auto plan = ladeSpielInfo(ordner + "spielplan-wm2006.gowet");
    ASSERT_TRUE(plan) << plan.fehler;
    EXPECT_EQ(plan.daten->ansicht, 0);
    for (int m = 0; m < 64; ++m) {
        const Spiel& sp = plan.daten->spiele[m];
        const int phase = m < 48 ? 0 : m < 56 ? 1 : m < 60 ? 2 : m < 62 ? 3 : m == 62 ? 4 : 5;
        const Integer heim = m < 48 ? team(p[m].heim) : 32, aus = m < 48 ? team(p[m].aus) : 32;
        EXPECT_EQ(std::tie(sp.heim, sp.aus, sp.phase, sp.auswerten, sp.ergHeim, sp.ergAus, sp.schiri, sp.quote,
                           sp.datum, sp.zeit),
                  std::tuple(heim, aus, phase, false, 0, 0, 0, "", p[m].datum, p[m].anstoss + " Uhr"))
            << m;
        EXPECT_TRUE(m >= 48 || gruppe[p[m].heim] + std::string(1, gruppe[p[m].aus]) == std::string(2, 'A' + m / 6))
            << m;
    }
    const turnier::Stufe stufen[] = {{"wm2006-1-nach-gruppenphase.gowet", 48, 56, 8},
                                     {"wm2006-2-nach-achtelfinale.gowet", 56, 60, 9},
                                     {"wm2006-3-nach-viertelfinale.gowet", 60, 62, 10},
                                     {"wm2006-4-nach-halbfinale.gowet", 62, 64, 10},
                                     {"wm2006-5-nach-finale.gowet", 64, 64, 10}};
    for (const auto& st : stufen) {
        SCOPED_TRACE(st.datei);
        const auto g = ladeSpielInfo(ordner + QString::fromUtf8(st.datei));
        ASSERT_TRUE(g) << g.fehler;
        EXPECT_EQ(g.daten->ansicht, st.ansicht);
        for (int m = 0; m < 64; ++m) {
            Spiel erwartet = plan.daten->spiele[m];  // date, kick-off, venue as before the tournament
            if (m < st.paarungenBis) {
                erwartet.heim = team(p[m].heim);
                erwartet.aus = team(p[m].aus);
            }
            if (m < st.ergebnisseBis)
                erwartet.ergHeim = Integer(p[m].toreHeim), erwartet.ergAus = Integer(p[m].toreAus),
                erwartet.auswerten = true;
            EXPECT_EQ(g.daten->spiele[m], erwartet) << m;
        }
    }
}

// The finished tournament with six demo participants under 3-2-1 with a bonus of 10; the ranking was checked with
// a separate count over the file's tips, outside this program.
TEST(Turnier, ErgebnisdateiMitDemoTeilnehmern) {
    Spielstand s;
    const auto gelesen = ladeSpieldatei(ordner + "wm2006-ergebnisse.gowet", s.nationen);
    ASSERT_TRUE(gelesen) << gelesen.fehler;
    uebernehme(s, *gelesen.daten);
    EXPECT_EQ(std::tie(s.regel.modus, s.regel.bonus, s.regel.bonuspunkte), std::tuple(3, true, 10));
    for (int m = 0; m < 64; ++m)
        EXPECT_TRUE(s.spiele[m].auswerten && s.spiele[m].heim != 32 && s.spiele[m].aus != 32) << m;
    ASSERT_EQ(werteKomplettAus(s), Bonusausgang::weltmeisterFrage);  // Italien 1:1 Frankreich
    setWeltmeister(s, "Italien");
    std::string tabelle;
    for (int platz = 0; s.getSpieltMit(spielerAufPlatz(s, platz)) && platz < 25; ++platz) {
        const int p = spielerAufPlatz(s, platz);
        tabelle += s.getName(p) + " " + std::to_string(s.auswertung[p].gesamt) + (s.sieger[p] ? " WM " : " ");
    }
    EXPECT_EQ(tabelle, "Elif 116 WM Anke 109 WM Claudia 106 Bernd 103 Dieter 100 Frank 89 ");
}
