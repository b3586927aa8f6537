// ovikuvela-auswertung run as a process on a small stored game: each run's whole output and exit code.
#include "core/auswertung.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QTemporaryDir>
#include <map>

#include "ausgabe/chancentext.h"
#include "ausgabe/tabellenhtml.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "files/speichern.h"
#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/core/tippspiel.h"
#include "tests/hilfe/chancenspiel.h"

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

std::string erwartet(const char* name) {
    QFile f(QStringLiteral(OVI_ERWARTET "/") + QLatin1String(name));
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
    Spielstand s;
    const auto gelesen = ladeSpieldatei(f, s.nationen);
    ASSERT_TRUE(gelesen) << gelesen.fehler;
    uebernehme(s, *gelesen.daten);
    // The other kind of .gowet file: klein.gowet's matches as match information.
    ASSERT_EQ(speichereSpielInfo(ordner.filePath("plan.gowet"), {s.spiele, 0}), "");
    // Names a spreadsheet would run, and two it would not: all play along, nobody has points yet.
    Spielstand formeln;
    const char* namen[] = {"=1+2", "+cmd|calc", "@SUM(A1)", "-2+3", "-5", "Eva=1"};
    for (int p = 0; p < 6; ++p) {
        formeln.setName(p, namen[p]);
        formeln.setSpieltMit(p, true);
    }
    ASSERT_EQ(speichereSpieldatei(ordner.filePath("formeln.gowet"), ausSpielstand(formeln)), "");
    werteKomplettAus(s);
    setWeltmeister(s, "Italien");
    // One run to a row: arguments, where stdout goes, exit code, stdout, stderr; rows "{name}" define a text.
    std::map<QString, QString> teile = {{"{hilfe}", QString::fromStdString(erwartet("hilfe.txt"))},
                                        {"{bericht}", QString::fromStdString(spielerInfo(s, 5))}};
    const auto fuelle = [&teile](QString t) {
        for (const auto& [name, wert] : teile) t.replace(name, wert);
        return t.replace("\\n", "\n").toStdString();
    };
    for (const QString& zeile : QString::fromStdString(erwartet("aufrufe.tsv")).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList sp = zeile.split(u'\t');
        if (sp[0].startsWith(u'{')) teile[sp[0]] = QString::fromStdString(fuelle(sp[4]));
        if (sp[0].startsWith(u'{') || sp[0].startsWith(u'#')) continue;
        SCOPED_TRACE(zeile.toStdString());
        EXPECT_EQ(starte(ordner.path(), sp[0].split(u' ', Qt::SkipEmptyParts), sp[1]),
                  Lauf(sp[2].toInt(), sp[3].isEmpty() || sp[3][0] == u'{' ? fuelle(sp[3]) : erwartet(qPrintable(sp[3])),
                       fuelle(sp[4])));
    }
    // The page the window would export from the same file, with the tool's date and time.
    for (const bool berichte : {false, true}) {
        const auto [rc, aus, fehler] =
            starte(ordner.path(), {"--html", "--weltmeister", "Italien", f, berichte ? "--berichte" : "--html"});
        ASSERT_EQ(rc, 0) << fehler;
        const std::size_t von = aus.find("<p>Stand: ") + 10;
        const std::string stand = aus.substr(von, aus.find("</p>", von) - von);
        EXPECT_EQ(aus, alsHtml(baueTabellendokument(s, "klein.gowet", stand, {true, true, berichte})));
    }
    // With --chancen the page gains the chances part, as the window's export does.
    const auto [rc, aus, fehler] = starte(ordner.path(), {"--html", "--chancen", f});
    ASSERT_EQ(rc, 0) << fehler;
    const std::size_t von = aus.find("<p>Stand: ") + 10;
    const std::string stand = aus.substr(von, aus.find("</p>", von) - von);
    Spielstand ohne;
    uebernehme(ohne, *gelesen.daten);
    werteKomplettAus(ohne);
    Tabellendokument d = baueTabellendokument(ohne, "klein.gowet", stand, {true, true, false});
    d.zusatz.push_back(chancenTeil(ohne, *berechneChancen(ohne, -1)));
    EXPECT_EQ(aus, alsHtml(d));
    EXPECT_NE(aus.find("<h2>Wer kann noch gewinnen?</h2>"), std::string::npos);
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
