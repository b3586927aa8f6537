// Saving never replaces what it has not seen: two real programs on one game file, a file copied over the open one,
// the lock beside it (taken over from a killed program, not needed where none can be made), and the question's
// default. Started with --halten DATEI this binary is the other program: it opens the file and then follows the
// lines on its stdin ("tipp": Anke's tip typed and saved; "ende").
#include <signal.h>

#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

#include "files/speichern.h"
#include "files/spieldatei.h"
#include "tests/ui/hilfe.h"
#include "ui/dateiwache.h"

namespace {

// Anke in slot 0, Bernd in slot 1; their home tips for the first match are fields 0 and 8 of the grid.
Spielstand runde() {
    Spielstand s;
    s.setName(0, "Anke");
    s.setSpieltMit(0, true);
    s.setName(1, "Bernd");
    s.setSpieltMit(1, true);
    return s;
}

// The home tips of Anke and Bernd for the first match as the file holds them.
QString tippe(const QString& pfad) {
    const auto g = ladeSpieldatei(pfad, Spielstand{}.nationen);
    if (!g) return QString::fromStdString(g.fehler);
    return zeile(g.daten->tippsAblage(0, 0, 0), g.daten->tippsAblage(1, 0, 0));
}

void schreibe(const char* text) {
    std::puts(text);
    std::fflush(stdout);
}

int andererProgramm(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString datei = QString::fromLocal8Bit(argv[2]);
    Fenster f;
    f.w.show();
    f.tisch.dateien << QStringList{datei};
    befehl(&f.w, QStringLiteral("menÖffnen"));
    schreibe(f.w.dateiName() == datei ? "offen" : "nicht offen");
    for (std::string befehlszeile; std::getline(std::cin, befehlszeile);) {
        if (befehlszeile == "ende") return 0;
        f.w.activateWindow();
        if (!QTest::qWaitForWindowActive(&f.w)) return 3;
        ovi::test::tippe(feld(&f.w, "txtHeimTipp", 0), '3');
        f.tisch.dateien << QStringList{datei};
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menSpeichern"));
        schreibe(qPrintable("gespeichert nach " + f.tisch.fragen.join(u'/')));
        f.tisch.fragen.clear();
    }
    return 0;
}

}  // namespace

class TestDateiwache : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    const QString spiel_ = ordner_.filePath(QStringLiteral("spiel.gowet"));

    // The other program, once it has the file open.
    void starte(QProcess& anderes) {
        anderes.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--halten"), spiel_});
        QByteArray aus;
        QTRY_VERIFY_WITH_TIMEOUT((aus += anderes.readAllStandardOutput()).contains("offen\n"), 60000);
        QVERIFY(!aus.contains("nicht offen"));
    }

    // Saves under the file's own name with one answer ready; what was asked.
    static QString speichere(Fenster& f, const QString& pfad, Antwort a) {
        f.tisch.dateien << QStringList{pfad};
        f.tisch.antworten << a;
        befehl(&f.w, QStringLiteral("menSpeichern"));
        const QString gefragt = (f.tisch.fragen + f.tisch.meldungen).join(u'/');
        f.tisch.meldungen.clear();
        f.tisch.fragen.clear();
        f.tisch.antworten.clear();
        return gefragt;
    }

  private slots:
    // One program opens the file, the second is told and opens it anyway. The first saves Anke's tip; the second,
    // with Bernd's, is asked once whether to replace a file another program changed (Nein keeps Anke's tip, Ja
    // replaces it), and after its own save only the ordinary question comes. A copy laid over the open file is
    // noticed the same way. Per step: what was asked, the tips of Anke and Bernd in the file.
    void zweiProgramme() {
        QVERIFY(speichereSpieldatei(spiel_, ausSpielstand(runde())).empty());
        QProcess anderes;
        starte(anderes);
        const qint64 prozess = anderes.processId();
        Fenster f;
        sichtbar(f.w);
        f.tisch.dateien << QStringList{spiel_};
        f.tisch.antworten << Antwort::ja;
        befehl(&f.w, QStringLiteral("menÖffnen"));
        QStringList gesehen{zeile(f.tisch.fragen.join(u'/'), f.w.dateiName() == spiel_, tippe(spiel_))};
        f.tisch.fragen.clear();

        anderes.write("tipp\n");
        QByteArray aus;
        QTRY_VERIFY_WITH_TIMEOUT((aus += anderes.readAllStandardOutput()).contains("gespeichert"), 60000);
        const QString dort = QString::fromUtf8(aus).trimmed();
        gesehen << zeile(dort, tippe(spiel_));
        // Saved first, then the file read: the two apart, as arguments have no order.
        const auto schritt = [&](Antwort a) {
            const QString gefragt = speichere(f, spiel_, a);
            gesehen << zeile(gefragt, tippe(spiel_));
        };
        ovi::test::tippe(feld(&f.w, "txtHeimTipp", 8), '4');
        schritt(Antwort::nein);
        schritt(Antwort::ja);
        schritt(Antwort::ja);
        Spielstand fremd = runde();
        fremd.tipps(0, 0, 0) = 7;
        QVERIFY(speichereSpieldatei(ordner_.filePath(QStringLiteral("fremd.gowet")), ausSpielstand(fremd)).empty());
        QVERIFY(QFile::remove(spiel_));
        QVERIFY(QFile::copy(ordner_.filePath(QStringLiteral("fremd.gowet")), spiel_));
        schritt(Antwort::nein);
        anderes.write("ende\n");
        QVERIFY(anderes.waitForFinished(30000));

        const QString geaendert = QStringLiteral(
            "Speichern|Die Datei „spiel.gowet“ wurde seit dem Öffnen von einem anderen Programm geändert. Trotzdem "
            "ersetzen?");
        const QString gibts =
            QStringLiteral("Speichern|Die Datei „spiel.gowet“ gibt es schon.\nSoll sie ersetzt werden?");
        QCOMPARE(gesehen, QStringList({zeile(QStringLiteral("Öffnen|Die Datei „spiel.gowet“ ist schon in einem "
                                                            "anderen laufenden ovi kuvela geöffnet (Prozess %1).\n"
                                                            "Trotzdem öffnen?")
                                                 .arg(prozess),
                                             1, "0 0"),
                                       zeile("gespeichert nach " + gibts, "3 0"), zeile(geaendert, "3 0"),
                                       zeile(geaendert, "0 4"), zeile(gibts, "0 4"), zeile(geaendert, "7 0")}));
    }

    // A program killed with the file open leaves its lock: the next one takes it over without a word and holds it
    // while the file is open; a program that ends normally leaves none. Per step: questions, lock file there.
    void sperreEinesBeendetenProgramms() {
        QVERIFY(speichereSpieldatei(spiel_, ausSpielstand(runde())).empty());
        const QString sperre = Dateiwache::sperrPfad(spiel_);
        QStringList gesehen;
        for (const bool toeten : {true, false}) {
            QProcess anderes;
            starte(anderes);
            gesehen << zeile(QFile::exists(sperre));
            if (toeten) {
                ::kill(static_cast<pid_t>(anderes.processId()), SIGKILL);
            } else {
                anderes.write("ende\n");
            }
            QVERIFY(anderes.waitForFinished(30000));
            gesehen << zeile(QFile::exists(sperre));
            {
                Fenster f;
                f.tisch.dateien << QStringList{spiel_};
                befehl(&f.w, QStringLiteral("menÖffnen"));
                gesehen << zeile(f.tisch.fragen.size(), f.w.dateiName() == spiel_, QFile::exists(sperre));
            }
            gesehen << zeile(QFile::exists(sperre));
        }
        QCOMPARE(gesehen, QStringList({"1", "1", "0 1 1", "0", "1", "0", "0 1 1", "0"}));
    }

    // Where no lock can be made (something else stands at its place), opening and saving go on as ever.
    void ohneSperre() {
        QTemporaryDir hier;
        const QString datei = hier.filePath(QStringLiteral("spiel.gowet"));
        QVERIFY(speichereSpieldatei(datei, ausSpielstand(runde())).empty());
        QVERIFY(QDir().mkpath(Dateiwache::sperrPfad(datei)));
        Fenster f;
        sichtbar(f.w);
        f.tisch.dateien << QStringList{datei};
        befehl(&f.w, QStringLiteral("menÖffnen"));
        ovi::test::tippe(feld(&f.w, "txtHeimTipp", 0), '5');
        const int beimOeffnen = f.tisch.fragen.size();
        const QString beimSpeichern = speichere(f, datei, Antwort::ja);
        QCOMPARE(zeile(beimOeffnen, beimSpeichern, tippe(datei), f.tisch.meldungen.size()),
                 zeile(0, "Speichern|Die Datei „spiel.gowet“ gibt es schon.\nSoll sie ersetzt werden?", "5 0", 0));
    }

    // The desktop's own question box: the text as it stands (a name with markup in it), and for a question that may
    // lose something Return answers "Nein". The ordinary Ja/Nein question keeps "Ja" as its default.
    void vorgabeNein() {
        const Dienste d = mitStandard({});
        QStringList gesehen;
        for (const Knoepfe k : {Knoepfe::jaNeinVorgabeNein, Knoepfe::jaNein}) {
            QTimer::singleShot(0, this, [&gesehen] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                gesehen << zeile(box->textFormat() == Qt::PlainText, box->text());
                QTest::keyClick(box, Qt::Key_Return);
            });
            gesehen << zeile(int(d.frage(nullptr, QStringLiteral("t"), QStringLiteral("<b>Anke</b>?"), k)));
        }
        QCOMPARE(gesehen, QStringList({"1 <b>Anke</b>?", QString::number(int(Antwort::nein)), "1 <b>Anke</b>?",
                                       QString::number(int(Antwort::ja))}));
    }
    // Quitting with a typed tip: "Ja" to saving, a file chosen that is there already, "Nein" to replacing it.
    // Nothing was saved, so the window stays open and the file keeps what it held; "Ja" to replacing saves and
    // lets the window go.
    void beendenOhneErsetzen() {
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("da.gowet"));
        QVERIFY(speichereSpieldatei(datei, ausSpielstand(runde())).empty());
        Fenster f({0, 1});
        f.w.starteEinblenden();
        sichtbar(f.w);
        f.w.beginneVerlauf();
        ovi::test::tippe(feld(&f.w, "txtHeimTipp", 0), '3');
        QVERIFY(f.w.ungespeichert());

        f.tisch.antworten = {Antwort::ja, Antwort::nein};
        f.tisch.dateien << QStringList{datei};
        QVERIFY(!f.w.close());
        const QStringList fragen{"ovi kuvela|Sollen die Änderungen gespeichert werden?",
                                 "Speichern|Die Datei „da.gowet“ gibt es schon.\nSoll sie ersetzt werden?"};
        QCOMPARE(f.tisch.fragen, fragen);
        QVERIFY(f.w.isVisible());
        QVERIFY(f.w.ungespeichert());
        QCOMPARE(tippe(datei), QStringLiteral("0 0"));

        f.tisch.fragen.clear();
        f.tisch.antworten = {Antwort::ja, Antwort::ja};
        f.tisch.dateien << QStringList{datei};
        QVERIFY(f.w.close());
        QCOMPARE(f.tisch.fragen, fragen);
        QCOMPARE(tippe(datei), QStringLiteral("3 0"));
    }
};

int main(int argc, char** argv) {
    if (argc > 2 && qstrcmp(argv[1], "--halten") == 0) return andererProgramm(argc, argv);
    QApplication app(argc, argv);
    TestDateiwache t;
    return QTest::qExec(&t, argc, argv);
}

#include "test_dateiwache.moc"
