// The recovery copy: written while unsaved, gone after a normal end, offered after a crash and restored
// exactly; a copy of a program that still runs is never touched. Started with --tippen this binary is
// the program that types and gets killed.
#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QMessageBox>
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
    s.setSpieltMit(0, true);
    s.setSpieltMit(3, true);
    s.tipps(0, 2, 0) = 3;
    s.tipps(0, 2, 1) = 1;
    s.tipps(3, 1, 0) = 4;
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
        // The copy follows the typing at once: the test waits on the kill, not on the delay.
        auto* sicherung = w.findChild<Wiederherstellung*>();
        if (!sicherung) std::abort();
        sicherung->setzeVerzoegerung(0);
        QTimer::singleShot(0, &w, [&w, tippen] {
            w.activateWindow();
            if (!QTest::qWaitForWindowActive(&w)) std::abort();
            w.spielstand().setSpieltMit(0, true);
            w.spielstand().setSpieltMit(3, true);
            w.starteEinblenden();
            for (const auto& e : eingaben)
                if (tippen) tippe(feld(&w, e.feld, e.index), e.ziffer);
            std::puts("getippt");
            std::fflush(stdout);
        });
    });
}

// The program started with a file it cannot open: says on stdout when the message box about it is up.
int programmMitMeldung(char** argv) {
    char* aufruf[] = {argv[0], argv[2], nullptr};
    return laufe(2, aufruf, [](frmHaupt& w) {
        auto* uhr = new QTimer(&w);
        QObject::connect(uhr, &QTimer::timeout, &w, [uhr] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                std::printf("%s|%s\n", qPrintable(box->windowTitle()), qPrintable(box->text()));
                std::fflush(stdout);
                uhr->stop();
            }
        });
        uhr->start(10);
    });
}

}  // namespace

class TestWiederherstellung : public QObject {
    Q_OBJECT

    QTemporaryDir daten_;
    const QString ordner_ = daten_.filePath(QStringLiteral("kopien"));

  private slots:
    // Unsaved: a copy a few seconds later. Back at the saved state, or ended with "Nein": no copy. A folder that
    // cannot be written is reported once, not every few seconds, naming a file that stands in its way; a copy that
    // cannot be written is reported with its cause, never with the copy's own file name. The game goes on.
    void normalesEnde() {
        const QString datei = daten_.filePath(QStringLiteral("datei"));
        QVERIFY(speichereBytes(datei, "kein Ordner").empty());
        Fenster f({0});
        sichtbar(f.w);
        f.w.beginneVerlauf();
        Wiederherstellung sicherung(f.w, ordner_);
        Wiederherstellung gesperrt(f.w, datei + QStringLiteral("/kopien"));
        Wiederherstellung verstellt(f.w, ordner_);
        sicherung.setzeVerzoegerung(10);
        QVERIFY(QDir().mkpath(verstellt.kopie()));  // a folder where the copy goes
        tippe(feld(&f.w, "txtHeimTipp", 0), '5');
        QVERIFY(!QFile::exists(sicherung.kopie()));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(sicherung.kopie()), 5000);
        QTest::keyClick(&f.w, Qt::Key_Z, Qt::ControlModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(sicherung.kopie()), 5000);
        tippe(feld(&f.w, "txtHeimTipp", 1), '6');
        sicherung.sichere();
        gesperrt.sichere();
        gesperrt.sichere();
        QVERIFY(QFile::exists(sicherung.kopie()));
        f.tisch.antworten << Antwort::nein;
        verstellt.sichere();
        QVERIFY(QDir().rmdir(verstellt.kopie()));
        QVERIFY(f.w.close());
        QCOMPARE(kopien(ordner_), QStringList{});
        const QString vorne = QStringLiteral(
            "ovi kuvela|Die Sicherungskopie der ungespeicherten Änderungen konnte nicht geschrieben "
            "werden: ");
        QCOMPARE(f.tisch.meldungen,
                 QStringList({vorne + "„" + datei + "“ ist eine Datei, kein Ordner.", vorne + "sie ist ein Ordner."}));
    }

    // SIGTERM while the game is unsaved: the copy is written, and the window then closes without asking about
    // saving (the session is going, nobody would answer); the copy stays for the next start.
    void signalSchliesstOhneFrage() {
        const QString ordner = daten_.filePath(QStringLiteral("signal-hier"));
        Fenster f({0});
        sichtbar(f.w);
        f.w.beginneVerlauf();
        Wiederherstellung sicherung(f.w, ordner);
        sicherung.beobachteSitzungsende();
        tippe(feld(&f.w, "txtHeimTipp", 0), '5');
        QVERIFY(::raise(SIGTERM) == 0);
        QTRY_VERIFY_WITH_TIMEOUT(sicherung.beendetDurchSignal(), 5000);
        QVERIFY(f.w.close());
        QCOMPARE(f.tisch.fragen, QStringList{});
        QVERIFY(QFile::exists(sicherung.kopie()));
    }

    // What the start offers, each copy checked first. A good copy is offered naming the game it belongs to, or
    // saying it was never saved; a copy that does not read as a game is named as damaged and deleted on "Ja";
    // links (to a good copy, to a device), a pipe and a folder that look like copies are passed over, untouched,
    // and nothing blocks on the pipe. Newest first.
    void kopienPruefen() {
        const QString ordner = daten_.filePath(QStringLiteral("pruefen"));
        QVERIFY(QDir().mkpath(ordner));
        const QString basis = ordner + QStringLiteral("/kopie-9-");
        const auto lege = [&](int nr, const std::string& bytes, const char* name, int minuten) {
            const QString k = basis + QString::number(nr) + QStringLiteral(".gowet");
            QVERIFY(speichereBytes(k, bytes).empty());
            if (name) QVERIFY(speichereBytes(basis + QString::number(nr) + QStringLiteral(".name"), name).empty());
            QFile datei(k);
            QVERIFY(datei.open(QIODevice::ReadWrite));
            QVERIFY(datei.setFileTime(QDateTime(QDate(2026, 12, 7), QTime(20, minuten)),
                                      QFileDevice::FileModificationTime));
        };
        const std::string gut = schreibeSpieldatei(erwartet());
        lege(1, gut, "/irgendwo/buero.gowet", 27);
        lege(2, gut, nullptr, 25);
        lege(3, std::string(300, 'x'), "/irgendwo/verein.gowet", 26);
        QVERIFY(QFile::link(basis + QStringLiteral("1.gowet"), basis + QStringLiteral("4.gowet")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), basis + QStringLiteral("5.gowet")));
        QCOMPARE(::mkfifo(QFile::encodeName(basis + QStringLiteral("6.gowet")).constData(), 0600), 0);
        QVERIFY(QDir().mkpath(basis + QStringLiteral("7.gowet")));
        Fenster f;
        f.tisch.antworten << Antwort::abbrechen << Antwort::ja << Antwort::nein;
        Wiederherstellung sicherung(f.w, ordner);
        QVERIFY(!sicherung.bieteAn());
        QCOMPARE(f.tisch.fragen,
                 QStringList({"ovi kuvela|Es gibt ungesicherte Änderungen an „buero.gowet“ vom 07.12.2026 um 20:27 "
                              "Uhr. Wiederherstellen?",
                              "ovi kuvela|Die Sicherungskopie ungesicherter Änderungen an „verein.gowet“ vom "
                              "07.12.2026 um 20:26 Uhr ist beschädigt und lässt sich nicht wiederherstellen.\nSoll sie "
                              "gelöscht werden?",
                              "ovi kuvela|Es gibt ungesicherte Änderungen an einem noch nie gespeicherten Spiel vom "
                              "07.12.2026 um 20:25 Uhr. Wiederherstellen?"}));
        QCOMPARE(f.tisch.meldungen, QStringList{});
        QCOMPARE(QDir(ordner).entryList({"kopie-9-*"}, QDir::AllEntries | QDir::System | QDir::Hidden).join(u','),
                 QStringLiteral("kopie-9-1.gowet,kopie-9-1.name,kopie-9-4.gowet,kopie-9-5.gowet,kopie-9-6.gowet,"
                                "kopie-9-7.gowet"));
    }

    // A game restored after a crash keeps the guard of its file: a change another program made to the file since the
    // killed run read it is asked about on the first save, and "Nein" keeps it.
    void wiederhergestelltBewacht() {
        qputenv("XDG_DATA_HOME", daten_.path().toUtf8());
        const QString ordner = daten_.filePath(QStringLiteral("ovikuvela/wiederherstellung"));
        QDir(ordner).removeRecursively();
        const QString datei = daten_.filePath(QStringLiteral("bewacht.gowet"));
        QVERIFY(speichereSpieldatei(datei, ausSpielstand(Spielstand{})).empty());
        QProcess programm;
        programm.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--tippen"), datei});
        QByteArray ausgabe;
        QTRY_VERIFY_WITH_TIMEOUT((ausgabe += programm.readAllStandardOutput()).contains("getippt"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(kopieHaelt(ordner, erwartet()), 30000);
        ::kill(static_cast<pid_t>(programm.processId()), SIGKILL);
        QVERIFY(programm.waitForFinished(30000));
        Spielstand fremd;
        fremd.setName(0, "Fremd");
        QVERIFY(speichereSpieldatei(datei, ausSpielstand(fremd)).empty());
        Fenster neu;
        neu.tisch.antworten << Antwort::ja;
        Wiederherstellung sicherung(neu.w, ordner);
        QVERIFY(sicherung.bieteAn());
        neu.tisch.dateien << QStringList{datei};
        neu.tisch.antworten << Antwort::nein;
        befehl(&neu.w, QStringLiteral("menSpeichern"));
        QCOMPARE(neu.tisch.fragen.value(1), QStringLiteral("Speichern|Die Datei „bewacht.gowet“ wurde seit dem Öffnen "
                                                           "von einem anderen Programm geändert. Trotzdem ersetzen?"));
        QCOMPARE(ladeSpieldatei(datei, fremd.nationen).daten->spieler[0].name, "Fremd");
    }

    // The first SIGTERM or SIGHUP ends the program also while the message about a file named on the command line
    // is up, before the event loop runs: the real program in a process of its own, a real signal, bounded waits.
    void signalWaehrendStartmeldung() {
        const QString leer = daten_.filePath(QStringLiteral("leer.gowet"));
        QVERIFY(speichereBytes(leer, "").empty());
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert(QStringLiteral("XDG_DATA_HOME"), daten_.filePath(QStringLiteral("signal")));
        for (const int signal : {SIGTERM, SIGHUP}) {
            QProcess programm;
            programm.setProcessEnvironment(umgebung);
            programm.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--startmeldung"), leer});
            QByteArray ausgabe;
            QTRY_VERIFY_WITH_TIMEOUT((ausgabe += programm.readAllStandardOutput()).contains("Öffnen|"), 30000);
            ::kill(static_cast<pid_t>(programm.processId()), signal);
            const bool beendet = programm.waitForFinished(30000);
            if (!beendet) programm.kill();
            QVERIFY2(beendet, qPrintable(QStringLiteral("Signal %1").arg(signal)));
            QCOMPARE(programm.exitStatus(), QProcess::NormalExit);
            QCOMPARE(programm.exitCode(), 0);
        }
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
        // What the next start shows; the one lock left is always the new run's own.
        struct Nachher {
            bool angebotenWaehrendEsLief = false;
            int endeNachSigterm = 0;  // exit code plus status: 0 is a normal end with 0
            bool angeboten = false;
            int fragen = 0;
            bool getipptesWiederda = false;
            bool dateiWiederda = false;
            QString dateiAnzeige;
            bool ungespeichert = false;
            int kopien = 0;
            bool eigeneKopie = false;
            int sperren = 1;
            int meldungen = 0;
            QString text() const {
                return QStringLiteral(
                           "angebotenWaehrendEsLief=%1 endeNachSigterm=%2 angeboten=%3 fragen=%4 "
                           "getipptesWiederda=%5 dateiWiederda=%6 dateiAnzeige=%7 ungespeichert=%8 "
                           "kopien=%9 eigeneKopie=%10 sperren=%11 meldungen=%12")
                    .arg(angebotenWaehrendEsLief)
                    .arg(endeNachSigterm)
                    .arg(angeboten)
                    .arg(fragen)
                    .arg(getipptesWiederda)
                    .arg(dateiWiederda)
                    .arg(dateiAnzeige)
                    .arg(ungespeichert)
                    .arg(kopien)
                    .arg(eigeneKopie)
                    .arg(sperren)
                    .arg(meldungen);
            }
        };
        const struct {
            const char* name;
            int signal;
            const char* art;
            Antwort antwort;
            Nachher soll;
        } faelle[] = {
            {"getippt, getötet, wiederhergestellt",
             SIGKILL,
             "--tippen",
             Antwort::ja,
             {.angeboten = true,
              .fragen = 1,
              .getipptesWiederda = true,
              .dateiWiederda = true,
              .dateiAnzeige = "runde.gowet",
              .ungespeichert = true,
              .kopien = 1,
              .eigeneKopie = true}},
            {"getippt, beendet, abgelehnt", SIGTERM, "--tippen", Antwort::nein, {.angeboten = false, .fragen = 1}},
            {"getippt, getötet, nicht beantwortet: bleibt",
             SIGKILL,
             "--tippen",
             Antwort::abbrechen,
             {.fragen = 1, .kopien = 1}},
            {"nichts getippt, getötet: nur die Sperre, und die geht", SIGKILL, "--leer", Antwort::ja, {}},
        };
        for (const auto& c : faelle) {
            QDir(ordner).removeRecursively();
            QProcess programm;
            programm.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(c.art), datei});
            QByteArray ausgabe;
            QTRY_VERIFY_WITH_TIMEOUT((ausgabe += programm.readAllStandardOutput()).contains("getippt"), 30000);
            const bool getippt = c.art[2] == 't';
            // Killed, it can only leave what it wrote on its own.
            if (c.signal == SIGKILL && getippt) QTRY_VERIFY_WITH_TIMEOUT(kopieHaelt(ordner, erwartet()), 30000);
            bool waehrend = false;
            {
                Fenster laeuft;
                laeuft.tisch.antworten << Antwort::ja;
                waehrend = Wiederherstellung(laeuft.w, ordner).bieteAn() || !laeuft.tisch.fragen.isEmpty();
            }
            ::kill(static_cast<pid_t>(programm.processId()), c.signal);
            QVERIFY(programm.waitForFinished(30000));
            Fenster neu;
            neu.tisch.antworten << c.antwort;
            Wiederherstellung sicherung(neu.w, ordner);
            const bool angeboten = sicherung.bieteAn();
            Nachher ist;
            ist.angebotenWaehrendEsLief = waehrend;
            ist.endeNachSigterm = c.signal == SIGTERM ? programm.exitCode() + int(programm.exitStatus()) : 0;
            ist.angeboten = angeboten;
            ist.fragen = int(neu.tisch.fragen.size());
            ist.getipptesWiederda = ausSpielstand(neu.s) == erwartet();
            ist.dateiWiederda = neu.w.dateiName() == datei;
            ist.dateiAnzeige = finde<QLabel>(&neu.w, QStringLiteral("lblDateiE"))->text();
            ist.ungespeichert = neu.w.ungespeichert();
            ist.kopien = int(kopien(ordner).size());
            ist.eigeneKopie = kopien(ordner).contains(QFileInfo(sicherung.kopie()).fileName());
            ist.sperren = int(sperren());
            ist.meldungen = int(neu.tisch.meldungen.size());
            QVERIFY2(ist.text() == c.soll.text(),
                     qPrintable(QString::fromUtf8(c.name) + "\n  ist:  " + ist.text() + "\n  soll: " + c.soll.text()));
        }
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--tippen") == 0) return tippendesProgramm(argv, true);
    if (argc > 1 && qstrcmp(argv[1], "--leer") == 0) return tippendesProgramm(argv, false);
    if (argc > 1 && qstrcmp(argv[1], "--startmeldung") == 0) return programmMitMeldung(argv);
    QApplication app(argc, argv);
    TestWiederherstellung t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_wiederherstellung.moc"
