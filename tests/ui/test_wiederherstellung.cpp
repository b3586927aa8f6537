// The recovery copy: written while unsaved, gone after a normal end, offered after a crash and restored
// exactly; a copy of a program that still runs is never touched. Started with --tippen this binary is
// the program that types and gets killed.
#include <signal.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "hilfe.h"
#include "programm.h"
#include "speichern.h"
#include "spieldatei.h"
#include "wiederherstellung.h"

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

// The program as it is started, typing like a person (or not at all), then waiting to be ended from outside.
int tippendesProgramm(char** argv, bool tippen) {
    // Started like the program itself, without the option that made it the typist.
    return laufe(1, argv, [tippen](frmHaupt& w) {
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

    std::unique_ptr<QTemporaryDir> daten_;
    QString ordner_;

  private slots:
    void init() {
        daten_ = std::make_unique<QTemporaryDir>();
        ordner_ = daten_->filePath(QStringLiteral("kopien"));
    }

    // Unsaved: a copy a few seconds later. Back at the saved state, or ended with "Nein": no copy. A folder that
    // cannot be written is reported once, not every few seconds; the game goes on.
    void normalesEnde() {
        const QString datei = daten_->filePath(QStringLiteral("datei"));
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

    // A run that did not end leaves its copy with the file's name; a run that still goes is left alone. Restored:
    // the new run's copy instead of the old one. Refused: gone. Not answered: kept for next time.
    void frueherLauf() {
        QStringList gesehen;
        for (Antwort antwort : {Antwort::ja, Antwort::nein, Antwort::abbrechen}) {
            init();
            const QString datei = daten_->filePath(QStringLiteral("runde.gowet"));
            QVERIFY(speichereSpieldatei(datei, ausSpielstand(Spielstand{})).empty());
            Spieldatei vorher;
            {
                Fenster alt({0});
                alt.tisch.dateien << QStringList{datei};
                befehl(&alt.w, QStringLiteral("menÖffnen"));
                Wiederherstellung sicherung(alt.w, ordner_);
                alt.s.setSpieltMit(0, true), alt.w.starteEinblenden(), sichtbar(alt.w);
                tippe(feld(&alt.w, "txtAusTipp", 8), '2');
                sicherung.sichere();
                vorher = ausSpielstand(alt.s);
            }  // gone without a normal end
            Fenster laeuft, neu;
            sichtbar(laeuft.w);
            Wiederherstellung andere(laeuft.w, ordner_);
            tippe(feld(&laeuft.w, "txtHeimErg", 0), '1');
            andere.sichere();
            neu.tisch.antworten << antwort;
            Wiederherstellung sicherung(neu.w, ordner_);
            const bool angeboten = sicherung.bieteAn();
            const QStringList da = kopien(ordner_);
            gesehen << zeile(angeboten, ausSpielstand(neu.s) == vorher, neu.w.dateiName() == datei,
                             finde<QLabel>(&neu.w, QStringLiteral("lblDateiE"))->text(), neu.w.ungespeichert(),
                             da.size(), da.contains(QFileInfo(andere.kopie()).fileName()),
                             da.contains(QFileInfo(sicherung.kopie()).fileName()), neu.tisch.meldungen.size(),
                             neu.tisch.fragen.join(u'/').replace(QRegularExpression("vom .* Uhr"), "vom … Uhr"));
        }
        const QString frage = QStringLiteral("ovi kuvela|Es gibt ungesicherte Änderungen vom … Uhr. Wiederherstellen?");
        QCOMPARE(gesehen, QStringList({"1 1 1 runde.gowet 1 2 1 1 0 " + frage, "0 0 0  0 1 1 0 0 " + frage,
                                       "0 0 0  0 2 1 0 0 " + frage}));
    }

    // A typing program is killed, or told to end; the next start offers exactly what was typed. A run killed with
    // nothing unsaved leaves only its lock: nothing to offer, and the lock goes.
    void abgebrochen() {
        qputenv("XDG_DATA_HOME", daten_->path().toUtf8());
        const QString ordner = daten_->filePath(QStringLiteral("ovikuvela/wiederherstellung"));
        for (const auto& [signal, art] : {std::pair{SIGKILL, "--tippen"}, {SIGTERM, "--tippen"}, {SIGKILL, "--leer"}}) {
            const bool getippt = art[2] == 't';
            QDir(ordner).removeRecursively();
            QProcess programm;
            programm.start(QCoreApplication::applicationFilePath(), {QString::fromUtf8(art)});
            QByteArray ausgabe;
            QTRY_VERIFY_WITH_TIMEOUT((ausgabe += programm.readAllStandardOutput()).contains("getippt"), 60000);
            // Killed, it can only leave what it wrote on its own.
            if (signal == SIGKILL && getippt) QTRY_VERIFY_WITH_TIMEOUT(kopieHaelt(ordner, erwartet()), 60000);
            ::kill(static_cast<pid_t>(programm.processId()), signal);
            QVERIFY(programm.waitForFinished(60000));
            if (signal == SIGTERM) QCOMPARE(zeile(int(programm.exitStatus()), programm.exitCode()), zeile(0, 0));
            const auto sperren = [&] { return QDir(ordner).entryList({"kopie-*.lock"}, QDir::Files).size(); };
            QCOMPARE(zeile(kopien(ordner).size(), sperren()), zeile(getippt, signal == SIGKILL));
            Fenster neu;
            neu.tisch.antworten << Antwort::ja;
            Wiederherstellung sicherung(neu.w, ordner);
            const bool angeboten = sicherung.bieteAn();
            QCOMPARE(zeile(angeboten, neu.tisch.fragen.size(), ausSpielstand(neu.s) == erwartet(),
                           neu.tisch.meldungen.size(), sperren()),
                     zeile(getippt, getippt, getippt, 0, 1));  // the lock left is the new run's own
        }
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
