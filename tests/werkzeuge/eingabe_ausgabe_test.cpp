// ovikuvela-auswertung on output that cannot be written, and on a pipe given as the game file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QTemporaryDir>

#include "spieldatei.h"

using namespace ovi;

TEST(WerkzeugDateien, FalscheEingabeUndVolleAusgabe) {
    QTemporaryDir ordner;
    const QString spiel = ordner.filePath(QStringLiteral("spiel.gowet"));
    ASSERT_EQ(speichereSpieldatei(spiel, ausSpielstand(Spielstand{})), "");
    const QString pipe = ordner.filePath(QStringLiteral("pipe.gowet"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const std::string voll =
        "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden: der Datenträger ist voll.\n";
    const struct {
        QStringList argumente;
        QString ausgabe;  // where standard output goes; empty: to the test
        int rc;
        std::string fehler;
    } faelle[] = {
        {{spiel}, QStringLiteral("/dev/null"), 0, ""},
        {{spiel}, QStringLiteral("/dev/full"), 1, voll},
        {{"--spielplan", spiel}, QStringLiteral("/dev/full"), 1, voll},  // more than one stdio buffer
        {{pipe},
         {},
         1,
         "Die Datei „pipe.gowet“ kann nicht geöffnet werden: sie ist keine gewöhnliche Datei, sondern eine Pipe.\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE((f.argumente.join(' ') + " > " + f.ausgabe).toStdString());
        QProcess p;
        if (!f.ausgabe.isEmpty()) p.setStandardOutputFile(f.ausgabe);
        p.start(QStringLiteral(OVI_AUSWERTUNG), f.argumente);
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), f.rc);
        EXPECT_EQ(p.readAllStandardError().toStdString(), f.fehler);
    }
}
