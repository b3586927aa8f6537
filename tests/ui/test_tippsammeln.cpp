// Collecting tips in the window: the tip import with the pool's participants and with others under each of the three
// answers; tips from text through the dialog as one undo step; the digit advance on, off and remembered; the missing
// tips and the tip sheet as their windows show them. The texts themselves are the core tests' matter.
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUndoStack>

#include "ausgabe/fehlendetippstext.h"
#include "ausgabe/tippzettel.h"
#include "files/speichern.h"
#include "files/spieldatei.h"
#include "tests/core/tippspiel.h"
#include "tests/ui/hilfe.h"
#include "ui/dialoge/frmfehlendetipps.h"
#include "ui/dialoge/frmtipptext.h"
#include "ui/frmtippzettel.h"

namespace {

// Participants who play along, rule with its menu mark, colour of exact hits, tips of slots 0 and 1 for matches 1
// and 2, and the number of undo steps.
QString nachImport(Fenster& f) {
    QStringList wer;
    for (int p = 0; p < 25; ++p)
        if (f.s.getSpieltMit(p)) wer << QString::fromStdString(f.s.getName(p));
    QString regel = finde<QLabel>(&f.w, QStringLiteral("lblModusE"))->text();
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        if (finde<QAction>(&f.w, QString::fromUtf8(n))->isChecked()) regel += u' ' + QString::fromUtf8(n);
    QStringList tipps;
    for (int p = 0; p < 2; ++p)
        for (int m = 0; m < 2; ++m) tipps << QStringLiteral("%1:%2").arg(f.s.tipps(p, m, 0)).arg(f.s.tipps(p, m, 1));
    return wer.join(u',') + " | " + regel + " | " + QString::number(f.s.getModusFarbe(0), 16) + " | " +
           tipps.join(u' ') + " | " + QString::number(f.w.verlauf()->count());
}

// What the preview says of each line, "finding" and "participant" apart by "/".
QStringList befunde(const frmTippText* d) {
    const auto* t = finde<QTableWidget>(d, QStringLiteral("tblVorschau"));
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r)
        l << t->item(r, frmTippText::spBefund)->text() + u'/' + t->item(r, frmTippText::spTeilnehmer)->text();
    return l;
}

frmTippText* textDialog(const frmHaupt& w) {
    for (auto* d : w.findChildren<frmTippText*>())
        if (d->isVisible()) return d;
    return nullptr;
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) qFatal("pdftotext fehlt oder scheitert");
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestTippsammeln : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;
    QString pfad(const char* name) const { return ordner_.filePath(QString::fromUtf8(name)); }

  private slots:
    void initTestCase() {
        // The remembered choice goes to this run's folder, never to the user's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner_.path());
        Spielstand gleich;
        gleich.setName(0, "Anke"), gleich.setSpieltMit(0, true), gleich.setName(1, "Bernd"),
            gleich.setSpieltMit(1, true);
        gleich.regel.modus = 2;
        gleich.setModusFarbe(0, rgb(1, 2, 3));
        setzeTipp(gleich, 0, 0, 2, 1);
        setzeTipp(gleich, 1, 0, 1, 1);
        setzeTipp(gleich, 1, 1, 0, 2);
        QVERIFY(speichereSpieldatei(pfad("gleich.gowet"), ausSpielstand(gleich)).empty());
        // Bernd's own game: himself in row 1 (in small letters, blanks around), a colleague in row 2.
        Spielstand eigen;
        eigen.setName(0, " bernd "), eigen.setSpieltMit(0, true), eigen.setName(1, "Xaver"),
            eigen.setSpieltMit(1, true);
        eigen.regel.modus = 1;
        eigen.setModusFarbe(0, rgb(4, 5, 6));
        setzeTipp(eigen, 0, 0, 2, 0);
        setzeTipp(eigen, 0, 1, 1, 1);
        setzeTipp(eigen, 1, 0, 4, 4);
        QVERIFY(speichereSpieldatei(pfad("eigen.gowet"), ausSpielstand(eigen)).empty());
    }

    // The pool: Anke and Bernd, Bernd has tipped match 2 with 3:3, rule "3-2-1" with its red. Per answer what the game
    // holds afterwards, what was asked and what was said.
    void importMitTeilnehmern() {
        const QString frage = QStringLiteral(
            "Tipps importieren|Die Teilnehmer in „eigen.gowet“ sind andere als im Spiel:\n"
            "Teilnehmer 1: „bernd“ statt „Anke“\n"
            "Teilnehmer 2: „Xaver“ statt „Bernd“\n\n"
            "Nach Namen zuordnen: nur die Tipps der Teilnehmer, die im Spiel genauso heißen; Teilnehmer, Wertung und "
            "Farben des Spiels bleiben.\n"
            "Wie in der Datei: Teilnehmer, Wertung und Farben kommen aus der Datei, die Tipps Zeile für Zeile."
            "|Nach Namen zuordnen/Wie in der Datei/Abbrechen");
        const struct {
            const char* name;
            const char* datei;
            QList<int> antworten;
            QString danach, gefragt, gesagt;
        } faelle[] = {
            {"gleiche Teilnehmer: ohne Frage wie in der Datei",
             "gleich.gowet",
             {},
             "Anke,Bernd | 3-Punkte-Regel men3Punkte | 30201 | 2:1 0:0 1:1 3:3 | 1",
             "",
             ""},
            {"andere, nach Namen",
             "eigen.gowet",
             {0},
             "Anke,Bernd | 3-2-1-Regel men321 | ff | 0:0 0:0 2:0 3:3 | 1",
             frage,
             "Tipps importieren|Diese Teilnehmer gibt es im Spiel nicht, ihre Tipps wurden nicht übernommen:\n"
             "Aus „eigen.gowet“: „Xaver“"},
            {"andere, wie in der Datei",
             "eigen.gowet",
             {1},
             " bernd ,Xaver | 2-Punkte-Regel men2Punkte | 60504 | 2:0 1:1 4:4 3:3 | 1",
             frage,
             ""},
            {"andere, abgebrochen",
             "eigen.gowet",
             {2},
             "Anke,Bernd | 3-2-1-Regel men321 | ff | 0:0 0:0 0:0 3:3 | 0",
             frage,
             ""},
            {"andere, Frage geschlossen",
             "eigen.gowet",
             {},
             "Anke,Bernd | 3-2-1-Regel men321 | ff | 0:0 0:0 0:0 3:3 | 0",
             frage,
             ""},
        };
        for (const auto& c : faelle) {
            Fenster f({0, 1});
            f.s.setName(0, "Anke");
            f.s.setName(1, "Bernd");
            setzeTipp(f.s, 1, 1, 3, 3);
            f.w.starteEinblenden();
            f.w.beginneVerlauf();
            f.tisch.auswahlen = c.antworten;
            f.tisch.dateien << QStringList{pfad(c.datei)};
            befehl(&f.w, QStringLiteral("menTipps"));
            QCOMPARE(zeile(c.name, nachImport(f)), zeile(c.name, c.danach));
            QCOMPARE(f.tisch.auswahlFragen.join(u'/'), c.gefragt);
            QCOMPARE(f.tisch.meldungen.join(u'/'), c.gesagt);
            // One step takes the whole import back.
            if (f.w.verlauf()->count() == 1) {
                f.w.verlauf()->undo();
                QCOMPARE(zeile(c.name, nachImport(f)), zeile(c.name,
                                                             "Anke,Bernd | 3-2-1-Regel men321 | ff | "
                                                             "0:0 0:0 0:0 3:3 | 1"));
            }
        }
    }

    // The pool of tippspiel.h; a message for Bernd (chosen in the dialog) and Anke, with chatter and a pairing the
    // game does not have. Preview, the "ersetzt" line ticked, taken over as one step with grid and counters; the same
    // message again is all "gleich"; Ctrl+Z takes every tip back, and the open dialog follows.
    void tippsAusText() {
        Fenster f;
        f.s = test::tippspiel();
        f.w.starteEinblenden();
        sichtbar(f.w);
        f.w.beginneVerlauf();
        QTest::keyClick(&f.w, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
        frmTippText* d = textDialog(f.w);
        QVERIFY(d);
        const QString nachricht = QStringLiteral(
            "Hallo, meine Tipps:\nDeutschland - Costa Rica 2:0\nDeutschland – Polen 1:1\nTipps von Anke\n"
            "Deutschland - Polen 2:0\nSerbien-Montenegro - Holland 2:2\nBrasilien - Kroatien 1:0");
        auto* wer = finde<QComboBox>(d, QStringLiteral("cmbTeilnehmer"));
        QCOMPARE(wer->count(), 4);  // nobody, Anke, Bernd, Jörg
        wer->setCurrentIndex(wer->findText(QStringLiteral("Bernd")));
        finde<QPlainTextEdit>(d, QStringLiteral("txtText"))->setPlainText(nachricht);
        const QString fremd =
            QStringLiteral("nicht erkannt: Brasilien – Kroatien ist keine Paarung des Spielplans/Anke");
        QCOMPARE(befunde(d), QStringList({"ohne Tipp/", "neu/Bernd", "neu/Bernd", "Teilnehmer/Anke", "ersetzt 1:0/Anke",
                                          "gleich/Anke", fremd}));
        auto* summe = finde<QLabel>(d, QStringLiteral("lblSumme"));
        QCOMPARE(summe->text(), QStringLiteral("2 neu, 1 ersetzt (0 angekreuzt), 1 gleich, 1 nicht erkannt"));
        finde<QTableWidget>(d, QStringLiteral("tblVorschau"))
            ->item(4, frmTippText::spBefund)
            ->setCheckState(Qt::Checked);
        QCOMPARE(summe->text(), QStringLiteral("2 neu, 1 ersetzt (1 angekreuzt), 1 gleich, 1 nicht erkannt"));
        klick(d, QStringLiteral("cmdUebernehmen"));
        QTRY_VERIFY(!textDialog(f.w));

        // Tips of Bernd (row 2) for matches 1 and 3 and Anke's (row 1) for 3, the grid's fields of the first two, the
        // counters of match 1 (0:0 counts as a draw: Jörg and Anke), the place in the history.
        const auto gesehen = [&f] {
            return zeile(f.s.tipps(1, 0, 0), f.s.tipps(1, 0, 1), f.s.tipps(1, 2, 0), f.s.tipps(1, 2, 1),
                         f.s.tipps(0, 2, 0), f.s.tipps(0, 2, 1), inhalt(feld(&f.w, "txtHeimTipp", 8)),
                         inhalt(feld(&f.w, "txtHeimTipp", 2)), text(&f.w, "lblTenEins", 0), text(&f.w, "lblTenNull", 0),
                         text(&f.w, "lblTenZwei", 0), f.w.verlauf()->index());
        };
        QCOMPARE(gesehen(), QStringLiteral("2 0 1 1 2 0 2 2 1 2 0 1"));
        QCOMPARE(f.w.verlauf()->undoText(), QStringLiteral("Tipps aus Text"));

        befehl(&f.w, QStringLiteral("menTippText"));
        d = textDialog(f.w);
        QVERIFY(d);
        finde<QComboBox>(d, QStringLiteral("cmbTeilnehmer"))->setCurrentIndex(2);
        finde<QPlainTextEdit>(d, QStringLiteral("txtText"))->setPlainText(nachricht);
        QCOMPARE(befunde(d), QStringList({"ohne Tipp/", "gleich/Bernd", "gleich/Bernd", "Teilnehmer/Anke",
                                          "gleich/Anke", "gleich/Anke", fremd}));
        QVERIFY(!finde<QPushButton>(d, QStringLiteral("cmdUebernehmen"))->isEnabled());
        f.w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
        QTest::keyClick(&f.w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(gesehen(), QStringLiteral("0 0 0 0 1 0 0 1 0 3 0 0"));
        // The dialog stayed open beside the window and reads against the game as it is now.
        QVERIFY(d->isVisible());
        QCOMPARE(befunde(d), QStringList({"ohne Tipp/", "neu/Bernd", "neu/Bernd", "Teilnehmer/Anke", "ersetzt 1:0/Anke",
                                          "gleich/Anke", fremd}));
        klick(d, QStringLiteral("cmdAbbrechen"));
        QTRY_VERIFY(!textDialog(f.w));
        QCOMPARE(f.w.verlauf()->index(), 0);
    }

    // "Textdatei lesen…": Windows-1252 bytes become the text; a file of another kind is refused with a message.
    void textAusDatei() {
        Fenster f;
        f.s = test::tippspiel();
        f.w.starteEinblenden();
        QVERIFY(speichereBytes(pfad("joerg.txt"), "Tipps von J\xF6rg\r\nDeutschland \x96 Costa Rica 1:0\r\n").empty());
        f.tisch.dateien << QStringList{pfad("joerg.txt")} << QStringList{pfad("gleich.gowet")} << QStringList{};
        befehl(&f.w, QStringLiteral("menTippText"));
        frmTippText* d = textDialog(f.w);
        QVERIFY(d);
        klick(d, QStringLiteral("cmdDatei"));
        QCOMPARE(finde<QPlainTextEdit>(d, QStringLiteral("txtText"))->toPlainText(),
                 QStringLiteral("Tipps von Jörg\nDeutschland – Costa Rica 1:0\n"));
        // The line end after the last line starts no line of its own.
        QCOMPARE(befunde(d), QStringList({"Teilnehmer/Jörg", "neu/Jörg"}));
        klick(d, QStringLiteral("cmdDatei"));
        klick(d, QStringLiteral("cmdDatei"));  // cancelled: nothing happens
        QCOMPARE(f.tisch.meldungen, QStringList{"Tipps aus Text|Die Datei „gleich.gowet“ ist keine Textdatei."});
        QCOMPARE(befunde(d).size(), 2);
        QCOMPARE(f.tisch.wahlen.first().filter, QStringLiteral("Textdateien (*.txt)"));
    }

    // Per row: the choice, the field a digit (or a letter, which types "0") goes into, typed or pasted, and where the
    // focus is then.
    void nachEinerZifferWeiter() {
        const struct {
            bool an;
            const char* art;
            int index;
            char taste;
            const char* fokus;
            bool einfuegen = false;
        } faelle[] = {
            {false, "txtHeimTipp", 0, '3', "txtHeimTipp_0"},       {false, "txtHeimErg", 1, '2', "txtHeimErg_1"},
            {true, "txtHeimTipp", 0, '3', "txtAusTipp_0"},         {true, "txtAusTipp", 0, '1', "txtHeimTipp_1"},
            {true, "txtAusTipp", 9, 'x', "txtHeimTipp_10"},        {true, "txtHeimErg", 1, '2', "txtAusErg_1"},
            {true, "txtAusErg", 1, '0', "chkAuswerten_1"},         {true, "txtHeimTipp", 0, '4', "txtAusTipp_0", true},
            {false, "txtHeimTipp", 0, '4', "txtHeimTipp_0", true},
        };
        for (const auto& c : faelle) {
            Fenster f({0, 1});
            f.w.starteEinblenden();
            sichtbar(f.w);
            QAction* weiter = finde<QAction>(&f.w, QStringLiteral("menZifferWeiter"));
            QVERIFY(weiter->isCheckable());
            weiter->setChecked(c.an);
            if (c.einfuegen) {
                QGuiApplication::clipboard()->setText(QString(c.taste));
                feld(&f.w, c.art, c.index)->setFocus(Qt::TabFocusReason);
                QTest::keyClick(feld(&f.w, c.art, c.index), Qt::Key_V, Qt::ControlModifier);
            } else {
                tippe(feld(&f.w, c.art, c.index), c.taste);
            }
            const QString wo = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
            QCOMPARE(zeile(c.art, c.index, c.an, wo), zeile(c.art, c.index, c.an, c.fokus));
            QCOMPARE(inhalt(feld(&f.w, c.art, c.index)), QString(c.taste == 'x' ? '0' : c.taste));
        }
        // Remembered for the next start; off again afterwards.
        {
            Fenster f;
            finde<QAction>(&f.w, QStringLiteral("menZifferWeiter"))->setChecked(true);
        }
        Fenster g({0});
        QVERIFY(finde<QAction>(&g.w, QStringLiteral("menZifferWeiter"))->isChecked());
        finde<QAction>(&g.w, QStringLiteral("menZifferWeiter"))->setChecked(false);
        QCOMPARE(QSettings(QStringLiteral("ovikuvela"), QStringLiteral("ovikuvela"))
                     .value(QStringLiteral("eingabe/nachEinerZifferWeiter"))
                     .toBool(),
                 false);
        Fenster h;
        QVERIFY(!finde<QAction>(&h.w, QStringLiteral("menZifferWeiter"))->isChecked());
    }

    // The list per participant, the text to copy, and both following a typed tip.
    void fehlendeTipps() {
        Fenster f;
        f.s = test::tippspiel();
        f.w.starteEinblenden();
        sichtbar(f.w);
        befehl(&f.w, QStringLiteral("menFehlendeTipps"));
        auto* fenster = f.w.findChild<frmFehlendeTipps*>();
        QVERIFY(fenster && fenster->isVisible());
        const auto liste = [fenster] {
            QStringList l;
            auto* baum = finde<QTreeWidget>(fenster, QStringLiteral("trvFehlend"));
            for (int i = 0; i < baum->topLevelItemCount(); ++i)
                l << baum->topLevelItem(i)->text(0) + u'/' + baum->topLevelItem(i)->child(0)->text(0);
            return l;
        };
        QCOMPARE(liste(), QStringList({"Anke: 8 Tipps fehlen/2 Polen – Ecuador (09.06., 21:00)",
                                       "Bernd: 10 Tipps fehlen/2 Polen – Ecuador (09.06., 21:00)",
                                       "Jörg: 10 Tipps fehlen/2 Polen – Ecuador (09.06., 21:00)"}));
        tippe(feld(&f.w, "txtAusTipp", 9), '1');  // Bernd, match 2
        QCOMPARE(liste().value(1), QStringLiteral("Bernd: 9 Tipps fehlen/3 Deutschland – Polen (14.06., 21:00)"));
        const QString text = finde<QPlainTextEdit>(fenster, QStringLiteral("txtFehlend"))->toPlainText();
        QCOMPARE(text, QString::fromStdString(fehlendeTippsText(f.s, ovi::fehlendeTipps(f.s))));
        klick(fenster, QStringLiteral("cmdKopieren"));
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    // Anke's sheet of group A: shown, copied, saved as text and as PDF, printed.
    void tippzettel() {
        Fenster f;
        f.s = test::tippspiel();
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menTippzettel"));
        auto* zettel = f.w.findChild<frmTippzettel*>();
        QVERIFY(zettel && zettel->isVisible());
        auto* wer = finde<QComboBox>(zettel, QStringLiteral("cmbTeilnehmer"));
        QCOMPARE(wer->itemText(0), QStringLiteral("leer, zum Ausfüllen"));
        wer->setCurrentIndex(wer->findText(QStringLiteral("Anke")));
        const QString soll = QString::fromStdString(ovi::tippzettel(f.s, 0, 0));
        QCOMPARE(zettel->text(), soll);
        klick(zettel, QStringLiteral("cmdKopieren"));
        QCOMPARE(QGuiApplication::clipboard()->text(), soll);

        f.tisch.dateien << QStringList{pfad("anke")} << QStringList{pfad("anke.pdf")};
        klick(zettel, QStringLiteral("cmdAlsText"));
        std::string bytes;
        QCOMPARE(ladeBytes(pfad("anke.txt"), bytes), std::string());
        QCOMPARE(QString::fromStdString(bytes), soll);
        QCOMPARE(f.tisch.wahlen.last().vorschlag, QStringLiteral("Tippzettel-Anke.txt"));
        klick(zettel, QStringLiteral("cmdAlsPdf"));
        const QString seite = pdfText(pfad("anke.pdf"));
        QVERIFY2(seite.contains(QStringLiteral("Tipps von Anke")) &&
                     seite.contains(QStringLiteral("3. Deutschland – Polen")),
                 qPrintable(seite));
        klick(zettel, QStringLiteral("cmdDrucken"));
        QVERIFY(f.tisch.druck);
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(pfad("gedruckt.pdf"));
        f.tisch.druck(&drucker);
        QVERIFY(pdfText(pfad("gedruckt.pdf")).contains(QStringLiteral("Tippzettel – Gruppe A")));
        QVERIFY(f.tisch.meldungen.isEmpty());
    }
};

QTEST_MAIN(TestTippsammeln)
#include "test_tippsammeln.moc"
