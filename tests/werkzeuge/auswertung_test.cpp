// ovikuvela-auswertung run as a process on small games written by the test.
#include "auswertung.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "tabellenhtml.h"
#include "spieldatei.h"

using namespace ovi;

namespace {

struct Lauf {
    int rc = -1;
    std::string aus, fehler;
};

Lauf starte(const QStringList& argumente) {
    QProcess p;
    p.start(QStringLiteral(OVI_AUSWERTUNG), argumente);
    if (!p.waitForFinished(30000)) return {};
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

Integer team(const Spielstand& s, const std::string& name) {
    for (int k = 0; k < katalog::anzahlNationen; ++k)
        if (s.nationen[k] == name) return Integer(k);
    return -1;
}

void tipp(Spielstand& s, int p, int m, int heim, int aus) {
    s.tipps(p, m, 0) = heim;
    s.tipps(p, m, 1) = aus;
}

// Two flagged matches (group 2:1, round of sixteen 1:1) under 3-2-1; with the final, also a drawn final and bonus.
Spielstand kleinesSpiel(bool finale) {
    Spielstand s;
    s.spiele[0] = {0, 1, 2, 1, true, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    s.spiele[48] = {2, 3, 1, 1, true, 1, 5, "24.06.2006", "17:00 Uhr", 8, 0, ""};
    const char* namen[] = {"Anna", "Bo;b", "Cem \"C\"", "Dora", "", "Emil"};
    for (int p = 0; p < 6; ++p) {
        s.setName(p, namen[p]);
        s.setSpieltMit(p, p != 3 && p != 4);
    }
    tipp(s, 0, 0, 2, 1), tipp(s, 0, 48, 1, 0);
    tipp(s, 1, 0, 1, 0);
    tipp(s, 2, 0, 0, 3), tipp(s, 2, 48, 1, 1);
    tipp(s, 3, 0, 2, 1), tipp(s, 3, 48, 1, 1);  // does not play along
    if (finale) {
        s.spiele[63] = {team(s, "Italien"), team(s, "Frankreich"), 1, 1, true, 5, 6,
                        "09.07.2006",       "20:00 Uhr",           0, 0, ""};
        tipp(s, 1, 63, 1, 1);
        s.setWMTipp(0, team(s, "Italien"));
        s.setWMTipp(1, team(s, "Frankreich"));
        s.regel.bonus = true;
        s.regel.bonuspunkte = 10;
    }
    return s;
}

class Werkzeug : public ::testing::Test {
  protected:
    QTemporaryDir ordner;
    QString datei(const Spielstand& s, const QString& name = QStringLiteral("klein.gowet")) {
        const QString pfad = ordner.filePath(name);
        EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(s)), "");
        return pfad;
    }
};

const std::string kopf =
    "Platz;Name;Gesamtpunkte;Gruppenphase;K.O.-Phase;Bonuspunkte;Punkte richtige Tipps;Punkte Sieghöhe;"
    "Punkte richtige Tendenz\n";

}  // namespace

TEST_F(Werkzeug, CsvInTabellenOrdnungUndNachSortierung) {
    const QString f = datei(kleinesSpiel(false));
    const struct {
        QStringList argumente;
        std::string aus;
    } faelle[] = {
        {{"--csv", f},
         kopf + "1;Anna;3;3;0;0;3;0;0\n2;\"Bo;b\";3;2;1;0;0;2;1\n3;\"Cem "
                "\"\"C\"\"\";3;0;3;0;3;0;0\n4;Emil;1;0;1;0;0;0;1\n"},
        {{"--csv", "--sortierung", "2", f},
         kopf + "1;\"Cem "
                "\"\"C\"\"\";3;0;3;0;3;0;0\n2;\"Bo;b\";3;2;1;0;0;2;1\n3;Emil;1;0;1;0;0;0;1\n4;Anna;3;3;0;0;3;0;0\n"},
        {{"--csv", "--sortierung", "6", f},
         kopf + "1;\"Bo;b\";3;2;1;0;0;2;1\n2;Emil;1;0;1;0;0;0;1\n3;Anna;3;3;0;0;3;0;0\n4;\"Cem "
                "\"\"C\"\"\";3;0;3;0;3;0;0\n"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(" ").toStdString());
        const Lauf l = starte(fall.argumente);
        EXPECT_EQ(l.rc, 0) << l.fehler;
        EXPECT_EQ(l.aus, fall.aus);
        EXPECT_EQ(l.fehler, "");
    }
}

TEST_F(Werkzeug, TextTabelleIstAusgerichtet) {
    const Lauf l = starte({datei(kleinesSpiel(false))});
    ASSERT_EQ(l.rc, 0) << l.fehler;
    // clang-format off
    EXPECT_EQ(l.aus,
              "Platz  Name     Gesamtpunkte  Gruppenphase  K.O.-Phase  Bonuspunkte  Punkte richtige Tipps  Punkte Sieghöhe  Punkte richtige Tendenz\n"
              "1      Anna     3             3             0           0            3                      0                0\n"
              "2      Bo;b     3             2             1           0            0                      2                1\n"
              "3      Cem \"C\"  3             0             3           0            3                      0                0\n"
              "4      Emil     1             0             1           0            0                      0                1\n");
    // clang-format on
}

TEST_F(Werkzeug, UnentschiedenesFinaleBrauchtDenWeltmeister) {
    const QString f = datei(kleinesSpiel(true));
    const Lauf ohne = starte({"--csv", f});
    EXPECT_EQ(ohne.rc, 0);
    EXPECT_NE(ohne.fehler.find("--weltmeister"), std::string::npos) << ohne.fehler;
    EXPECT_EQ(ohne.aus, kopf +
                            "1;\"Bo;b\";6;2;4;0;3;2;1\n2;Anna;4;3;1;0;3;0;1\n3;\"Cem \"\"C\"\"\";4;0;4;0;3;0;1\n"
                            "4;Emil;2;0;2;0;0;0;2\n");
    const Lauf mit = starte({"--csv", "--weltmeister", "Italien", f});
    EXPECT_EQ(mit.rc, 0);
    EXPECT_EQ(mit.fehler, "");
    EXPECT_EQ(mit.aus, kopf +
                           "1;Anna;14;3;1;10;3;0;1\n2;\"Bo;b\";6;2;4;0;3;2;1\n3;\"Cem \"\"C\"\"\";4;0;4;0;3;0;1\n"
                           "4;Emil;2;0;2;0;0;0;2\n");
}

TEST_F(Werkzeug, BerichtUndSpielplan) {
    const QString f = datei(kleinesSpiel(false));
    const Lauf bericht = starte({"--bericht", "2", f});
    EXPECT_EQ(bericht.rc, 0) << bericht.fehler;
    EXPECT_NE(bericht.aus.find("Cem \"C\""), std::string::npos);
    EXPECT_NE(bericht.aus.find("\r\n"), std::string::npos);
    const Lauf plan = starte({"--spielplan", "--csv", f});
    EXPECT_EQ(plan.rc, 0) << plan.fehler;
    EXPECT_EQ(plan.aus.substr(0, plan.aus.find('\n', plan.aus.find('\n') + 1) + 1),
              "Nr;Phase;Heim;Aus;Wochentag;Datum;Anstoß;Ort;Stadion;Schiedsrichter;Quote;Ergebnis;auswerten\n"
              "0;Gruppenphase;Deutschland;Costa Rica;Freitag;09.06.2006;18:00 Uhr;München;FIFA WM-Stadion München;noch "
              "nicht bekannt gegeben;;2:1;ja\n");
    EXPECT_EQ(std::count(plan.aus.begin(), plan.aus.end(), '\n'), 65);
}

// The page the window would export from the same file, with the tool's date and time.
TEST_F(Werkzeug, HtmlSeiteWieImFenster) {
    const QString f = datei(kleinesSpiel(true));
    Spielstand s;
    const auto g = ladeSpieldatei(f, s.nationen);
    ASSERT_TRUE(g) << g.fehler;
    uebernehme(s, *g.daten);
    werteKomplettAus(s);
    setWeltmeister(s, "Italien");
    for (const bool berichte : {false, true}) {
        QStringList argumente = {"--html", "--weltmeister", "Italien", f};
        if (berichte) argumente.prepend("--berichte");
        const Lauf l = starte(argumente);
        ASSERT_EQ(l.rc, 0) << l.fehler;
        const std::size_t von = l.aus.find("<p>Stand: ") + 10;
        const std::string stand = l.aus.substr(von, l.aus.find("</p>", von) - von);
        EXPECT_EQ(l.aus, alsHtml(baueTabellendokument(s, "klein.gowet", stand, {true, true, berichte})));
    }
}

// A participant is named by number 0..24 or by name; one who does not play along has no report.
TEST_F(Werkzeug, BerichtNachNummerOderName) {
    const QString f = datei(kleinesSpiel(false));
    const std::string emil = starte({"--bericht", "5", f}).aus;
    EXPECT_EQ(emil.rfind("  Emil\r\n", 0), 0u) << emil;
    const struct {
        const char* wer;
        int rc;
        std::string aus;
        const char* imFehler;
    } faelle[] = {
        {"Emil", 0, emil, ""},
        {"005", 0, emil, ""},
        {"Dora", 1, "", "Teilnehmer 3 („Dora“) spielt nicht mit"},
        {"3", 1, "", "Teilnehmer 3 („Dora“) spielt nicht mit"},
        {"4", 1, "", "Teilnehmer 4 spielt nicht mit"},
        {"Zoe", 1, "", "Kein Teilnehmer heißt „Zoe“"},
        {"25", 2, "", "Teilnehmernummer von 0 bis 24 oder einen Namen"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.wer);
        const Lauf l = starte({"--bericht", QString::fromUtf8(fall.wer), f});
        EXPECT_EQ(l.rc, fall.rc);
        EXPECT_EQ(l.aus, fall.aus);
        EXPECT_EQ(l.fehler.empty(), fall.rc == 0) << l.fehler;
        EXPECT_NE(l.fehler.find(fall.imFehler), std::string::npos) << l.fehler;
    }
}

TEST_F(Werkzeug, FehlerUndBenutzung) {
    const QString gut = datei(kleinesSpiel(false));
    const QString kaputt = ordner.filePath("kaputt.gowet");
    {
        QFile k(kaputt);
        ASSERT_TRUE(k.open(QIODevice::WriteOnly));
        k.write("zu kurz");
    }
    const struct {
        QStringList argumente;
        int rc;
        const char* imFehler;
    } faelle[] = {
        {{kaputt}, 1, "„kaputt.gowet“"},
        {{"--csv", ordner.filePath("fehlt.gowet")}, 1, "fehlt.gowet"},
        {{"--spielplan", "--spielinfo", gut}, 1, "klein.gowet"},  // a game file is no match-information file
        {{}, 2, "Aufruf:"},
        {{"--sortierung", "7", gut}, 2, "0 bis 6"},
        {{"--weltmeister", "Atlantis", gut}, 2, "Atlantis"},
        {{"--unbekannt", gut}, 2, "--unbekannt"},
        {{gut, gut}, 2, "Aufruf:"},
        {{"--berichte", gut}, 2, "--berichte gehört zu --html"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.argumente.join(" ").toStdString());
        const Lauf l = starte(fall.argumente);
        EXPECT_EQ(l.rc, fall.rc);
        EXPECT_EQ(l.aus, "");
        EXPECT_NE(l.fehler.find(fall.imFehler), std::string::npos) << l.fehler;
    }
    const Lauf hilfe = starte({"--help"});
    EXPECT_EQ(hilfe.rc, 0);
    EXPECT_EQ(hilfe.aus.rfind("Aufruf:", 0), 0u);
}
