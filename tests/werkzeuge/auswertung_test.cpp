// ovikuvela-auswertung run as a process on a small stored game: each run's whole output and exit code, against
// literal expectations in erwartet/ (never against what the libraries behind the tool compute). The files of whole
// outputs go through tests/hilfe/golden.h: OVI_NEU=1 rewrites them and shows the diff to be read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "files/speichern.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/core/tippspiel.h"
#include "tests/hilfe/chancenspiel.h"
#include "tests/hilfe/golden.h"

using namespace ovi;

namespace {

// Exit code, stdout and stderr, the test's folder written as DIR both ways; stdout goes to `ausgabe` when named.
using Lauf = std::tuple<int, std::string, std::string>;
Lauf starte(const QString& ordner, QStringList argumente, const QString& ausgabe = {}) {
    QProcess p;
    if (!ausgabe.isEmpty()) p.setStandardOutputFile(ausgabe);
    p.start(QStringLiteral(OVI_AUSWERTUNG), argumente.replaceInStrings("DIR", ordner));
    if (!p.waitForFinished(30000)) return {};
    return {p.exitCode(), p.readAllStandardOutput().toStdString(),
            QString::fromUtf8(p.readAllStandardError()).replace(ordner, "DIR").toStdString()};
}

std::string pfad(const QString& name) { return QStringLiteral(OVI_ERWARTET "/").toStdString() + name.toStdString(); }

std::string erwartet(const char* name) {
    QFile f(QString::fromStdString(pfad(QString::fromUtf8(name))));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll().toStdString();
}

}  // namespace

// klein.gowet: 3-2-1 with bonus 10 on three match days: Deutschland 2:1 Costa Rica and Polen 0:0 Ecuador (09.06.),
// Polen 1:1 Ecuador again in the round of sixteen (24.06.), the final Italien 1:1 Frankreich (09.07.). Anna, "Bo;b",
// 'Cem "C"', Dora, a nameless slot 4 and Emil; Dora and slot 4 do not play along; tips not set are 0:0.
TEST(Werkzeug, AufrufeMitAusgabeFehlerUndRueckgabe) {
    QTemporaryDir ordner;
    const QString f = ordner.filePath(QStringLiteral("klein.gowet"));
    for (const char* name : {"klein.gowet", "kaputt.gowet"})
        ASSERT_TRUE(QFile::copy(QStringLiteral(OVI_ERWARTET "/") + name, ordner.filePath(name)));
    ASSERT_EQ(::mkfifo(QFile::encodeName(ordner.filePath("pipe.gowet")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::copy(QStringLiteral(OVI_ERWARTET "/tipps.txt"), ordner.filePath("tipps.txt")));
    ASSERT_EQ(speichereSpieldatei(ordner.filePath("tipps.gowet"), ausSpielstand(test::tippspiel())), "");
    ASSERT_EQ(speichereBytes(ordner.filePath("tipps-1252.txt"), "J\xF6rg:\r\nDeutschland \x96 Costa Rica 1:0\r\n"), "");
    QFile finale(ordner.filePath(QStringLiteral("finale.gowet")));
    ASSERT_TRUE(finale.open(QIODevice::WriteOnly));
    const std::string bytes = schreibeSpieldatei(ausSpielstand(test::endspiel()));
    ASSERT_EQ(finale.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    finale.close();
    const auto gelesen = ladeSpieldatei(f, Spielstand{}.nationen);
    ASSERT_TRUE(gelesen) << gelesen.fehler;
    // The other kind of .gowet file: klein.gowet's matches as match information.
    ASSERT_EQ(speichereSpielInfo(ordner.filePath("plan.gowet"), {gelesen.daten->spiele, 0}), "");
    // Names a spreadsheet would run, and two it would not: all play along, nobody has points yet.
    Spielstand formeln;
    const char* namen[] = {"=1+2", "+cmd|calc", "@SUM(A1)", "-2+3", "-5", "Eva=1"};
    for (int p = 0; p < 6; ++p) {
        formeln.setName(p, namen[p]);
        formeln.setSpieltMit(p, true);
    }
    ASSERT_EQ(speichereSpieldatei(ordner.filePath("formeln.gowet"), ausSpielstand(formeln)), "");
    // One run to a row: arguments, where stdout goes, exit code, stdout, stderr; rows "{name}" define a text.
    std::map<QString, QString> teile = {{"{hilfe}", QString::fromStdString(erwartet("hilfe.txt"))}};
    const auto fuelle = [&teile](QString t) {
        for (const auto& [name, wert] : teile) t.replace(name, wert);
        return t.replace("\\n", "\n").toStdString();
    };
    for (const QString& zeile : QString::fromStdString(erwartet("aufrufe.tsv")).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList sp = zeile.split(u'\t');
        if (sp[0].startsWith(u'{')) teile[sp[0]] = QString::fromStdString(fuelle(sp[4]));
        if (sp[0].startsWith(u'{') || sp[0].startsWith(u'#')) continue;
        SCOPED_TRACE(zeile.toStdString());
        const auto [rc, aus, fehler] = starte(ordner.path(), sp[0].split(u' ', Qt::SkipEmptyParts), sp[1]);
        EXPECT_EQ(rc, sp[2].toInt());
        EXPECT_EQ(fehler, fuelle(sp[4]));
        const bool datei = !sp[3].isEmpty() && sp[3][0] != u'{';
        if (datei) {
            EXPECT_TRUE(test::stimmtMitDatei(pfad(sp[3]), aus));
        } else {
            EXPECT_EQ(aus, fuelle(sp[3]));
        }
    }
    // The page the window would export from the same file; the tool's date and time stand as DATUM.
    const auto seite = [&](const QStringList& argumente) {
        auto [rc, aus, fehler] = starte(ordner.path(), argumente);
        EXPECT_EQ(rc, 0) << fehler;
        const std::size_t von = aus.find("<p>Stand: ") + 10;
        if (von >= 10) aus.replace(von, aus.find("</p>", von) - von, "DATUM");
        return aus;
    };
    const std::string ohne = seite({"--html", "--weltmeister", "Italien", f});
    EXPECT_TRUE(test::stimmtMitDatei(pfad(QStringLiteral("seite.html")), ohne));
    // With --berichte: the same page with a part "Berichte" before the foot, one report per participant who plays
    // along, in the order of the ranking, each as --bericht writes it (lines ending in LF here).
    std::string mit = seite({"--html", "--weltmeister", "Italien", f, "--berichte"});
    const std::size_t anfang = mit.find("<h2>Berichte</h2>\n"), fuss = mit.find("<p class=\"fuss\">");
    ASSERT_NE(anfang, std::string::npos);
    ASSERT_NE(fuss, std::string::npos);
    const std::string berichte = mit.substr(anfang, fuss - anfang);
    EXPECT_EQ(mit.erase(anfang, fuss - anfang), ohne);
    std::size_t stelle = 0;
    for (const char* name : {"Anna", "Bo;b", "Cem &quot;C&quot;", "Emil"}) {
        const std::size_t hier = berichte.find(std::string("<h3>") + name + "</h3>\n<pre>  ");
        EXPECT_GT(hier, stelle) << name;
        stelle = hier;
    }
    std::string emil = erwartet("bericht-emil.txt");
    emil.erase(0, test::golden::kopf(emil));
    std::erase(emil, '\r');
    EXPECT_EQ(berichte.substr(stelle), "<h3>Emil</h3>\n<pre>" + emil + "</pre>\n");
    // With --chancen the page gains the chances part before the tip overview, as the window's export does.
    const std::string chancen = seite({"--html", "--chancen", f});
    const std::size_t von = chancen.find("<h2>Wer kann noch gewinnen?</h2>"),
                      bis = chancen.find("<h2>Tippübersicht</h2>");
    ASSERT_NE(von, std::string::npos);
    ASSERT_NE(bis, std::string::npos);
    EXPECT_TRUE(test::stimmtMitDatei(pfad(QStringLiteral("chancen-teil.html")), chancen.substr(von, bis - von)));
}

// A file name with control characters (an escape sequence, a bell) is named in the messages, but nothing of it
// reaches the terminal as it is.
TEST(Werkzeug, SteuerzeichenImDateinamenNieRoh) {
    QTemporaryDir ordner;
    const QString name = ordner.filePath(QStringLiteral("a\x1b[2Jb\x07.gowet"));
    const auto [rc, aus, fehler] = starte(ordner.path(), {name});
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(fehler, "Die Datei „a\\x1B[2Jb\\x07.gowet“ kann nicht geöffnet werden: sie ist nicht vorhanden.\n");
}
