// The recovery copy: written while unsaved, gone after a normal end, offered after a crash and restored
// exactly; a copy of a program that still runs is never touched. Started with --tippen this binary is
// the program that types and gets killed.
#include <signal.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "files/speichern.h"
#include "files/spieldatei.h"
#include "tests/ui/hilfe.h"
#include "ui/programm.h"
#include "ui/wiederherstellung.h"

namespace {

// Participants 0 and 3 in group A: tips of match 2 and 1, the home result of match 0.
const struct {
    const char* feld;
    int index;
    char ziffer;
} eingaben[] = {{"txtHeimTipp", 2, '3'}, {"txtAusTipp", 2, '1'}, {"txtHeimTipp", 25, '4'}, {"txtHeimErg", 0, '2'}};

Spieldatei erwartet() {
    Spielstand s;
    s.setSpieltMit(0, true), s.setSpieltMit(3, true);
    s.tipps(0, 2, 0) = 3, s.tipps(0, 2, 1) = 1, s.tipps(3, 1, 0) = 4;
    s.spiele[0].ergHeim = 2;
    return ausSpielstand(s);
}

QStringList kopien(const QString& ordner) { return QDir(ordner).entryList({"kopie-*.gowet"}, QDir::Files); }

// Some copy in the folder holds the game.
bool kopieHaelt(const QString& ordner, const Spieldatei& d) {
    for (const QString& k : kopien(ordner))
        if (const auto g = ladeSpieldatei(ordner + u'/' + k, Spielstand{}.nationen); g && *g.daten == d) return true;
    return false;
}

// The program as it is started with a file, typing like a person (or not at all), then waiting to be ended from
// outside.
int tippendesProgramm(char** argv, bool tippen) {
    // Started like the program itself, without the option that made it the typist.
    char* aufruf[] = {argv[0], argv[2], nullptr};
    return laufe(2, aufruf, [tippen](frmHaupt& w) {
        QTimer::singleShot(0, &w, [&w, tippen] {
            w.activateWindow();
            if (!QTest::qWaitForWindowActive(&w)) std::abort();
            w.spielstand().setSpieltMit(0, true), w.spielstand().setSpieltMit(3, true);
            w.starteEinblenden();
            for (const auto& e : eingaben)
                if (tippen) tippe(feld(&w, e.feld, e.index), e.ziffer);
            std::puts("getippt");
            std::fflush(stdout);
        });
    });
}

}  // namespace

class TestWiederherstellung : public QObject {
    Q_OBJECT

    QTemporaryDir daten_;
    const QString ordner_ = daten_.filePath(QStringLiteral("kopien"));

  private slots:
    // Unsaved: a copy a few seconds later. Back at the saved state, or ended with "Nein": no copy. A folder that
    // cannot be written is reported once, not every few seconds; the game goes on.
    void normalesEnde() {
        const QString datei = daten_.filePath(QStringLiteral("datei"));
        QVERIFY(speichereBytes(datei, "kein Ordner").empty());
        Fenster f({0});
        sichtbar(f.w);
        f.w.beginneVerlauf();
        Wiederherstellung sicherung(f.w, ordner_), gesperrt(f.w, datei + QStringLiteral("/kopien"));
        tippe(feld(&f.w, "txtHeimTipp", 0), '5');
        QVERIFY(!QFile::exists(sicherung.kopie()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sicherung.kopie()), 4 * Wiederherstellung::verzoegerungMs);
        QTest::keyClick(&f.w, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(sicherung.kopie()), 4 * Wiederherstellung::verzoegerungMs);
        tippe(feld(&f.w, "txtHeimTipp", 1), '6');
        sicherung.sichere(), gesperrt.sichere(), gesperrt.sichere();
        QVERIFY(QFile::exists(sicherung.kopie()));
        f.tisch.antworten << Antwort::nein;
        QVERIFY(f.w.close());
        QCOMPARE(kopien(ordner_), QStringList{});
        QCOMPARE(f.tisch.meldungen,
                 QStringList{"ovi kuvela|Die Sicherungskopie der ungespeicherten Änderungen konnte nicht geschrieben "
                             "werden.\nDer Ordner „" +
                             datei + "/kopien“ lässt sich nicht beschreiben."});
    }

    // A program with a file typing is killed, or told to end; while it runs, its copy is neither offered nor
    // touched. The next start offers exactly what was typed, with the file's name. Restored: the new run's copy
    // instead of the old one. Refused: gone. Not answered: kept for next time. A run killed with nothing unsaved
    // leaves only its lock: nothing to offer, and the lock goes.
    void abgebrochen() {
        qputenv("XDG_DATA_HOME", daten_.path().toUtf8());
        const QString ordner = daten_.filePath(QStringLiteral("ovikuvela/wiederherstellung"));
        const QString datei = daten_.filePath(QStringLiteral("runde.gowet"));
        QVERIFY(speichereSpieldatei(datei, ausSpielstand(Spielstand{})).empty());
        const auto sperren = [&] { return QDir(ordner).entryList({"kopie-*.lock"}, QDir::Files).size(); };
        const struct {
            int signal;
            const char* art;
            Antwort antwort;
            const char* soll;
        } faelle[] = {{SIGKILL, "--tippen", Antwort::ja, "0 0 1 1 1 1 runde.gowet 1 1 1 1 0"},
                      {SIGTERM, "--tippen", Antwort::nein, "0 0 0 1 0 0  0 0 0 1 0"},
                      {SIGKILL, "--tippen", Antwort::abbrechen, "0 0 0 1 0 0  0 1 0 1 0"},
                      {SIGKILL, "--leer", Antwort::ja, "0 0 0 0 0 0  0 0 0 1 0"}};
        QStringList gesehen, soll;
        for (const auto& c : faelle) {
            QDir(ordner).removeRecursively();
            QProcess programm;
            programm.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(c.art), datei});
            QByteArray ausgabe;
            QTRY_VERIFY_WITH_TIMEOUT((ausgabe += programm.readAllStandardOutput()).contains("getippt"), 60000);
            const bool getippt = c.art[2] == 't';
            // Killed, it can only leave what it wrote on its own.
            if (c.signal == SIGKILL && getippt) QTRY_VERIFY_WITH_TIMEOUT(kopieHaelt(ordner, erwartet()), 60000);
            QString waehrend;
            {
                Fenster laeuft;
                laeuft.tisch.antworten << Antwort::ja;
                waehrend = zeile(Wiederherstellung(laeuft.w, ordner).bieteAn() || !laeuft.tisch.fragen.isEmpty());
            }
            ::kill(static_cast<pid_t>(programm.processId()), c.signal);
            QVERIFY(programm.waitForFinished(60000));
            Fenster neu;
            neu.tisch.antworten << c.antwort;
            Wiederherstellung sicherung(neu.w, ordner);
            const bool angeboten = sicherung.bieteAn();
            gesehen << zeile(waehrend, c.signal == SIGTERM ? programm.exitCode() + int(programm.exitStatus()) : 0,
                             angeboten, neu.tisch.fragen.size(), ausSpielstand(neu.s) == erwartet(),
                             neu.w.dateiName() == datei, finde<QLabel>(&neu.w, QStringLiteral("lblDateiE"))->text(),
                             neu.w.ungespeichert(), kopien(ordner).size(),
                             kopien(ordner).contains(QFileInfo(sicherung.kopie()).fileName()), sperren(),
                             neu.tisch.meldungen.size());
            soll << QString::fromUtf8(c.soll);
        }
        QCOMPARE(gesehen, soll);
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--tippen") == 0) return tippendesProgramm(argv, true);
    if (argc > 1 && qstrcmp(argv[1], "--leer") == 0) return tippendesProgramm(argv, false);
    QApplication app(argc, argv);
    TestWiederherstellung t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_wiederherstellung.moc"
