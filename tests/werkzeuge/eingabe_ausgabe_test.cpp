// ovikuvela-auswertung on what is no game file to read and on output that cannot be written.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QProcess>
#include <QTemporaryDir>

#include "files/spieldatei.h"

using namespace ovi;

TEST(WerkzeugDateien, FalscheEingabeUndVolleAusgabe) {
    QTemporaryDir ordner;
    const QString spiel = ordner.filePath(QStringLiteral("spiel.gowet"));
    ASSERT_EQ(speichereSpieldatei(spiel, ausSpielstand(Spielstand{})), "");
    const QString pipe = ordner.filePath(QStringLiteral("pipe.gowet"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString nullen = ordner.filePath(QStringLiteral("nullen.gowet"));
    {
        QFile f(nullen);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(QByteArray(8417, '\0')) == 8417);
    }
    const struct {
        QStringList argumente;
        QString ausgabe;  // where standard output goes; empty: to the test
        int rc;
        std::string fehler;
    } faelle[] = {
        {{spiel},
         QStringLiteral("/dev/full"),
         1,
         "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden: der Datenträger ist voll.\n"},
        {{"--spielplan", spiel},
         QStringLiteral("/dev/full"),
         1,
         "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden: der Datenträger ist voll.\n"},
        {{"--help"},
         QStringLiteral("/dev/full"),
         1,
         "ovikuvela-auswertung: Die Ausgabe konnte nicht geschrieben werden: der Datenträger ist voll.\n"},
        {{pipe},
         {},
         1,
         "Die Datei „pipe.gowet“ kann nicht geöffnet werden: sie ist keine gewöhnliche Datei, sondern eine Pipe.\n"},
        {{"--spielplan", "--spielinfo", "/dev/zero"},
         {},
         1,
         "Die Datei „zero“ kann nicht geöffnet werden: sie ist keine gewöhnliche Datei, sondern ein Gerät.\n"},
        {{nullen},
         {},
         1,
         "Die Datei „nullen.gowet“ ist keine gültige Spieldatei: Block 1 (Mannschaften): der Name von Mannschaft 1 "
         "enthält das Steuerzeichen 0x00.\n"},
        {{spiel}, QStringLiteral("/dev/null"), 0, ""},
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
