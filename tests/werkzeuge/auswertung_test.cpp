// ovikuvela-auswertung run as a process on a small game written by the test: each run's whole output and exit code.
#include "auswertung.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "bericht.h"
#include "spieldatei.h"
#include "tabellenhtml.h"

using namespace ovi;

namespace {

struct Lauf {
    int rc = -1;
    std::string aus, fehler;
};

// stdout goes to the file `ausgabe` when one is named.
Lauf starte(const QStringList& argumente, const QString& ausgabe = {}) {
    QProcess p;
    if (!ausgabe.isEmpty()) p.setStandardOutputFile(ausgabe);
    p.start(QStringLiteral(OVI_AUSWERTUNG), argumente);
    if (!p.waitForFinished(30000)) return {};
    return {p.exitCode(), p.readAllStandardOutput().toStdString(), p.readAllStandardError().toStdString()};
}

std::string erwartet(const char* name) {
    QFile f(QStringLiteral(OVI_ERWARTET "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll().toStdString();
}

// 3-2-1 with bonus 10 on three match days: Deutschland 2:1 Costa Rica and Polen 0:0 Ecuador (09.06.), Polen 1:1
// Ecuador again in the round of sixteen (24.06.), the final Italien 1:1 Frankreich (09.07.). Dora and the nameless
// slot 4 do not play along; tips not set are 0:0.
Spielstand kleinesSpiel() {
    Spielstand s;
    s.spiele[0] = {0, 1, 2, 1, true, 0, 4, "09.06.2006", "18:00 Uhr", 9, 0, ""};
    s.spiele[48] = {2, 3, 1, 1, true, 1, 5, "24.06.2006", "17:00 Uhr", 8, 0, ""};
    s.spiele[1] = {2, 3, 0, 0, true, 0, 4, "09.06.2006", "21:00 Uhr", 4, 0, ""};
    s.spiele[63] = {16, 24, 1, 1, true, 5, 6, "09.07.2006", "20:00 Uhr", 0, 0, ""};
    const char* namen[] = {"Anna", "Bo;b", "Cem \"C\"", "Dora", "", "Emil"};
    for (int p = 0; p < 6; ++p) s.spieler[p] = {namen[p], 0, p != 3 && p != 4};
    s.spieler[0].weltmeisterTipp = 16, s.spieler[1].weltmeisterTipp = 24;
    for (auto [p, m, heim, aus] : {std::array{0, 0, 2, 1},
                                   {0, 48, 1, 0},
                                   {1, 0, 1, 0},
                                   {1, 63, 1, 1},
                                   {2, 0, 0, 3},
                                   {2, 48, 1, 1},
                                   {3, 0, 2, 1},
                                   {3, 48, 1, 1}})
        s.tipps(p, m, 0) = Integer(heim), s.tipps(p, m, 1) = Integer(aus);
    s.regel.bonus = true;
    s.regel.bonuspunkte = 10;
    return s;
}

}  // namespace

TEST(Werkzeug, AufrufeMitAusgabeFehlerUndRueckgabe) {
    QTemporaryDir ordner;
    const QString f = ordner.filePath(QStringLiteral("klein.gowet")), kaputt = ordner.filePath("kaputt.gowet"),
                  pipe = ordner.filePath("pipe.gowet");
    Spielstand s = kleinesSpiel();
    ASSERT_EQ(speichereSpieldatei(f, ausSpielstand(s)), "");
    QFile k(kaputt);
    ASSERT_TRUE(k.open(QIODevice::WriteOnly) && k.write("zu kurz") == 7);
    k.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    werteKomplettAus(s);
    setWeltmeister(s, "Italien");
    const std::string emil = spielerInfo(s, 5), hilfe = erwartet("hilfe.txt"), d = "DIR/klein.gowet";
    const auto aufruf = [&hilfe](const std::string& grund) {
        return "ovikuvela-auswertung: " + grund + "\n\n" + hilfe;
    };
    const std::string hinweis =
        "Hinweis: Das Finale endete unentschieden; ohne --weltmeister gibt es keine Bonuspunkte.\n";
    const std::string voll =
        "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden: der Datenträger ist voll.\n";
    const struct {
        QStringList argumente;
        int rc;
        std::string aus, fehler;
        QString ausgabe = {};
    } faelle[] = {
        {{"--csv", f}, 0, erwartet("tabelle-ohne-weltmeister.csv"), hinweis},
        {{"--csv", "--weltmeister", "Italien", f}, 0, erwartet("tabelle.csv"), ""},
        {{"--weltmeister", "Italien", f}, 0, erwartet("tabelle.txt"), ""},
        {{"--csv", "--sortierung", "2", "--weltmeister", "Italien", f}, 0, erwartet("tabelle-sortierung-2.csv"), ""},
        {{"--csv", "--sortierung", "6", "--weltmeister", "Italien", f}, 0, erwartet("tabelle-sortierung-6.csv"), ""},
        {{"--gruppen", "--csv", f}, 0, erwartet("gruppen.csv"), ""},
        {{"--verlauf", "--csv", "--weltmeister", "Italien", f}, 0, erwartet("verlauf.csv"), ""},
        {{"--spielplan", "--csv", f}, 0, erwartet("spielplan.csv"), ""},
        {{"--help"}, 0, hilfe, ""},
        // A participant is named by number 0..24 or by name; one who does not play along has no report.
        {{"--bericht", "Emil", "--weltmeister", "Italien", f}, 0, emil, ""},
        {{"--bericht", "005", "--weltmeister", "Italien", f}, 0, emil, ""},
        {{"--bericht", "Dora", f},
         1,
         "",
         hinweis + d + ": Teilnehmer 3 („Dora“) spielt nicht mit, darum gibt es keinen Bericht.\n"},
        {{"--bericht", "4", f},
         1,
         "",
         hinweis + d + ": Teilnehmer 4 spielt nicht mit, darum gibt es keinen Bericht.\n"},
        {{"--bericht", "Zoe", f}, 1, "", hinweis + d + ": Kein Teilnehmer heißt „Zoe“.\n"},
        {{"--bericht", "25", f},
         2,
         "",
         aufruf("--bericht braucht eine Teilnehmernummer von 0 bis 24 oder einen Namen")},
        {{"--sortierung", "7", f}, 2, "", aufruf("--sortierung braucht eine Zahl von 0 bis 6")},
        {{"--weltmeister", "Atlantis", f}, 2, "", aufruf("„Atlantis“ ist keine Mannschaft")},
        {{"--unbekannt", f}, 2, "", aufruf("unbekannte Option --unbekannt")},
        {{}, 2, "", aufruf("keine Datei angegeben")},
        {{f, f}, 2, "", aufruf("nur eine Datei angeben")},
        {{"--berichte", f}, 2, "", aufruf("--berichte gehört zu --html")},
        {{kaputt},
         1,
         "",
         "Die Datei „kaputt.gowet“ ist keine gültige Spieldatei: Block 1 (Mannschaften): die Datei endet vorzeitig.\n"},
        {{"--spielplan", "--spielinfo", f},
         1,
         "",
         "Die Datei „klein.gowet“ enthält keine gültigen Spiel-Informationen: Spiel 1: die Heimmannschaft ist 25924, "
         "erlaubt sind 0 bis 32.\n"},
        {{pipe},
         1,
         "",
         "Die Datei „pipe.gowet“ kann nicht geöffnet werden: sie ist keine gewöhnliche Datei, sondern eine Pipe.\n"},
        {{f}, 0, "", hinweis, "/dev/null"},
        {{f}, 1, "", hinweis + voll, "/dev/full"},
        {{"--spielplan", f}, 1, "", voll, "/dev/full"},  // more than one stdio buffer
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE((fall.argumente.join(' ') + " > " + fall.ausgabe).toStdString());
        const Lauf l = starte(fall.argumente, fall.ausgabe);
        EXPECT_EQ(l.rc, fall.rc);
        EXPECT_EQ(l.aus, fall.aus);
        EXPECT_EQ(QString::fromStdString(l.fehler).replace(ordner.path(), "DIR").toStdString(), fall.fehler);
    }
    // The page the window would export from the same file, with the tool's date and time.
    for (const bool berichte : {false, true}) {
        const Lauf l = starte(QStringList{"--html", "--weltmeister", "Italien", f, berichte ? "--berichte" : "--html"});
        ASSERT_EQ(l.rc, 0) << l.fehler;
        const std::size_t von = l.aus.find("<p>Stand: ") + 10;
        const std::string stand = l.aus.substr(von, l.aus.find("</p>", von) - von);
        EXPECT_EQ(l.aus, alsHtml(baueTabellendokument(s, "klein.gowet", stand, {true, true, berichte})));
    }
}
