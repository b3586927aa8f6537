// Undo and redo: every kind of step taken back and done again, compared as whole games and whole windows;
// the clean state behind the save question; the length of the history. Also the "Verlauf" window, which follows
// evaluations and undo, and a fault inside a handler, which abandons the operation only.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUndoStack>

#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tests/core/verlaufspiel.h"
#include "tests/ui/hilfe.h"
#include "ui/frmverlauf.h"

namespace {

// Everything the window shows: each visible named widget with its place, colours and value, each painted cell as a
// screen reader reads it, and the rule marks.
QStringList bildschirm(frmHaupt& w) {
    QStringList l{w.dateiName()};
    for (QWidget* x : w.findChildren<QWidget*>()) {
        if (x->objectName().isEmpty() || !x->isVisibleTo(&w)) continue;
        const QRect r = x->geometry();
        const QPalette& p = x->palette();
        QString z = zeile(x->objectName(), r.x(), r.y(), r.width(), r.height(), p.color(QPalette::Base).name(),
                          p.color(QPalette::Window).name());
        for (const char* e : {"text", "checked", "currentIndex"})
            if (const QVariant v = x->property(e); v.isValid()) z += u' ' + v.toString();
        l << z;
        if (!qobject_cast<GemalteTabelle*>(x)) continue;
        QAccessibleTableInterface* t = zugang(x)->tableInterface();
        for (int r = 0; r < t->rowCount(); ++r)
            for (int k = 0; k < t->columnCount(); ++k) {
                QAccessibleInterface* c = t->cellAt(r, k);
                l << zeile(x->objectName(), r, k, c->rect().topLeft().x(), c->rect().topLeft().y(),
                           c->text(QAccessible::Name), c->backgroundColor().name(), c->foregroundColor().name());
            }
    }
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        l << zeile(n, finde<QAction>(&w, QString::fromUtf8(n))->isChecked());
    return l;
}

void taste(Qt::Key k, Qt::KeyboardModifiers m = Qt::ControlModifier) {
    QWidget* z = QApplication::focusWidget();
    QTest::keyClick(z ? z : QApplication::activeWindow(), k, m);
}

// A scored game of two participants in group A, its history begun after the setup.
struct Partie : Fenster {
    QTemporaryDir ordner;
    Partie() : Fenster({0, 3}) {
        s.setName(0, "Jörg");
        s.setName(3, "Lena");
        for (int m = 0; m < 6; ++m) {
            s.spiele[m].heim = static_cast<Integer>(m);
            s.spiele[m].aus = 31;
        }
        s.spiele[0].ergHeim = 2;
        s.spiele[0].auswerten = true;
        s.spiele[1].ergAus = 1;
        s.spiele[1].auswerten = true;
        setzeTipp(s, 0, 0, 2, 0);
        setzeTipp(s, 3, 0, 1, 1);
        setzeTipp(s, 3, 1, 0, 2);
        w.starteEinblenden();
        klick(&w, QStringLiteral("cmdTendenz"));
        sichtbar(w);
        w.beginneVerlauf();
    }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
    // A menu command, its file chosen and its question answered.
    void menue(const char* name, const QString& datei = {}) {
        tisch.antworten = {datei.isEmpty() ? Antwort::ok : Antwort::nein};
        if (!datei.isEmpty()) tisch.dateien << QStringList{datei};
        befehl(&w, QString::fromUtf8(name));
    }
    // A dialog from the menu: one field set, one box ticked, OK.
    void dialog(const char* menue, const char* name, const char* feld, const char* kreuz = "") {
        befehl(&w, QString::fromUtf8(menue));
        for (QWidget* d : QApplication::topLevelWidgets())
            if (d->objectName() == QString::fromUtf8(name) && d->isVisible()) {
                finde<QLineEdit>(d, QString::fromUtf8(feld))->setText(QStringLiteral("7"));
                if (*kreuz) finde<QCheckBox>(d, QString::fromUtf8(kreuz))->setChecked(true);
                QTest::mouseClick(finde(d, QStringLiteral("cmdOK")), Qt::LeftButton);
            }
    }
};

QString spieldatei(const QString& pfad, int p, int m, int k) {
    Spielstand t;
    t.tipps(p, m, k) = 4;
    t.setSpieltMit(p, true);
    if (!speichereSpieldatei(pfad, ausSpielstand(t)).empty()) qFatal("kann nicht speichern");
    return pfad;
}

const struct {
    const char* schritt;  // as the undo item names it
    std::function<void(Partie&)> tun;
} faelle[] = {
    {"Tipp", [](Partie& f) { tippe(feld(&f.w, "txtAusTipp", 2), '3'); }},
    {"Ergebnis", [](Partie& f) { tippe(feld(&f.w, "txtHeimErg", 1), '4'); }},
    {"Häkchen", [](Partie& f) { klick(&f.w, QStringLiteral("chkAuswerten_2")); }},
    {"Zufallstipps", [](Partie& f) { klick(&f.w, QStringLiteral("cmdZufall")); }},
    {"Tipp", [](Partie& f) { tippe(feld(&f.w, "txtHeimTipp", 4), '7'); }},
    {"alles auf Null", [](Partie& f) { f.menue("menNull"); }},
    {"2-Punkte-Regel", [](Partie& f) { f.menue("men2Punkte"); }},
    {"Eigene Regel", [](Partie& f) { f.dialog("menEigeneRegel", "frmRegel", "txtNeuModus_0"); }},
    {"Spielerdaten", [](Partie& f) { f.dialog("menÄndern", "frmÄndern", "txtName_0", "chkSpieltMit_7"); }},
    {"Spielauswahl", [](Partie& f) { f.menue("menGruppe_0"); }},
    {"Tipps importieren",
     [](Partie& f) {
         f.tisch.auswahlen << 1;  // "Wie in der Datei": the file's participants come along
         f.menue("menTipps", spieldatei(f.pfad("t.gowet"), 3, 2, 0));
     }},
    {"Öffnen", [](Partie& f) { f.menue("menÖffnen", spieldatei(f.pfad("o.gowet"), 1, 4, 1)); }},
    {"Spiel-Informationen importieren",
     [](Partie& f) {
         SpielInfo info;
         info.spiele[13].heim = 7;
         info.ansicht = 2;
         QVERIFY(speichereSpielInfo(f.pfad("plan.gowet"), info).empty());
         f.menue("menSpiele", f.pfad("plan.gowet"));
     }},
};

}  // namespace

class TestRueckgaengig : public QObject {
    Q_OBJECT

  private slots:
    // Every kind of step in a row, then all taken back with Ctrl+Z and done again with Ctrl+Umschalt+Z and Ctrl+Y
    // in turn: each puts back the game and the window of its place. Seen after each: the menu texts, the length of
    // the history and whether the save question would ask (opening a file is the clean place).
    void schritte() {
        Partie f;
        QAction* zurueck = finde<QAction>(&f.w, QStringLiteral("menRückgängig"));
        QAction* wieder = finde<QAction>(&f.w, QStringLiteral("menWiederholen"));
        QList<std::pair<Spielstand, QStringList>> staende;
        QStringList gesehen, soll;
        const auto sieh = [&](int i) {
            // Entering a field takes random tips over, which is no step; a field left red by typing is no matter of the
            // game; the counters are recounted by every undo and redo.
            feld(&f.w, "txtHeimTipp", 1)->setFocus(Qt::TabFocusReason);
            finde(&f.w, QStringLiteral("cmbPhase"))->setFocus();
            klick(&f.w, QStringLiteral("cmdTendenz"));
            if (i == staende.size()) staende.append({f.s, bildschirm(f.w)});
            QVERIFY2(f.s == staende[i].first && bildschirm(f.w) == staende[i].second,
                     qPrintable(zeile(i, gesehen.size())));
            gesehen << zeile(zurueck->text(), zurueck->isEnabled(), wieder->text(), wieder->isEnabled(),
                             f.w.verlauf()->count(), f.w.ungespeichert());
        };
        const auto text = [](const char* wort, int i) {
            return zeile(QString::fromUtf8(wort) + (i < 0 || i >= 13 ? "" : QString(": ") + faelle[i].schritt),
                         i >= 0 && i < 13);
        };
        // What changes no game value is no step: a view change, sorting, a field entered and left, evaluating again.
        waehleAnsicht(&f.w, 3);
        auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
        sortierung->setCurrentIndex(2);
        emit sortierung->activated(2);
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        waehleAnsicht(&f.w, 0);
        sieh(0);
        for (int i = 1; i <= 13; ++i) {
            faelle[i - 1].tun(f);
            sieh(i);
        }
        for (int i = 12; i >= 0; --i) {
            taste(Qt::Key_Z);
            sieh(i);
        }
        for (int i = 1; i <= 13; ++i) {
            taste(i % 2 ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier | (i % 2 ? Qt::ShiftModifier : Qt::NoModifier));
            sieh(i);
        }
        for (int i = 0; i <= 13; ++i)
            soll << zeile(text("Rückgängig", i - 1), text("Wiederholen", 13), i, i != 0 && i != 12);
        for (int i = 12; i >= 0; --i) soll << zeile(text("Rückgängig", i - 1), text("Wiederholen", i), 13, i != 12);
        for (int i = 1; i <= 13; ++i) soll << zeile(text("Rückgängig", i - 1), text("Wiederholen", i), 13, i != 12);
        // Saved, the question asks exactly when the history is away from it; "Abbrechen" keeps the window.
        f.menue("menSpeichern", f.pfad("spiel.gowet"));
        const qsizetype n = f.tisch.fragen.size();
        taste(Qt::Key_Z);
        f.tisch.antworten = {Antwort::abbrechen};
        gesehen << zeile(f.w.close());
        taste(Qt::Key_Y);
        gesehen.last() += zeile("", f.w.close(), f.tisch.fragen.mid(n).join(u'/'));
        QCOMPARE(gesehen, soll << "0 1 ovi kuvela|Sollen die Änderungen gespeichert werden?");
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    // The chart window from the menu: its switch, hover, how it follows evaluations and undo.
    void verlaufsfenster() {
        Fenster f;
        f.s = rennen();
        f.w.starteEinblenden();
        befehl(&f.w, QStringLiteral("menVerlauf"));
        auto* fenster = finde(&f.w, "frmVerlauf");
        auto* bild = finde<VerlaufBild>(fenster, "picVerlauf");
        finde<QRadioButton>(fenster, "optPunkte")->click();
        const Punkt p = bild->diagramm().linien[1].punkte[1];
        QTest::mouseMove(bild, QPoint(qRound(p.x), qRound(p.y)));  // on Anna's line
        QCOMPARE(zeile(fenster->isVisible(), fenster->isWindow(), fenster->isModal(), fenster->windowTitle(),
                       bild->diagramm().linien.size(), bild->diagramm().art == Kurve::punkte,
                       finde<QTextBrowser>(fenster, "txtTagessieger")->toPlainText().count("Anna, Cem & Co"),
                       bild->hervorgehoben(), finde<QLabel>(fenster, "lblAuswahl")->text()),
                 "1 1 0 Verlauf 3 1 1 0 Anna: Platz 2, 9 Punkte");
        QTest::mouseMove(bild, QPoint(2, 2));
        QCOMPARE(bild->hervorgehoben(), -1);
        f.s.spiele[63].auswerten = false;  // without the final two match days are left
        f.w.starteEinblenden();
        QCOMPARE(bild->diagramm().tagText, (std::vector<std::string>{"09.06.", "24.06."}));
        const auto werte = [bild] {
            std::vector<std::vector<double>> w;
            for (const auto& l : bild->diagramm().linien) w.push_back(l.werte);
            return w;
        };
        f.w.beginneVerlauf();
        const auto vorher = werte();
        befehl(&f.w, QStringLiteral("men2Punkte"));
        QVERIFY(werte() != vorher);
        befehl(&f.w, QStringLiteral("menRückgängig"));
        QCOMPARE(werte(), vorher);
    }

    // A step taken back while a field is being edited: the field shows the restored value, and emptied and left it
    // stands for that, not for the one it showed when the edit began. A tip field and a result field, each first
    // typed over with 5 (Jörg's tip for the first match was 2:0, the result 2:0), entered again, the typing taken
    // back, the field emptied and left.
    void rueckgaengigImFeld() {
        const struct {
            const char* feld;
            std::function<int(const Spielstand&)> wert;
        } faelle[] = {
            {"txtHeimTipp", [](const Spielstand& s) { return int(s.tipps(0, 0, 0)); }},
            {"txtHeimErg", [](const Spielstand& s) { return int(s.spiele[0].ergHeim); }},
        };
        for (const auto& fall : faelle) {
            Partie f;
            QWidget* x = feld(&f.w, fall.feld, 0);
            tippe(x, '5');
            QCOMPARE(fall.wert(f.s), 5);
            x->setFocus(Qt::TabFocusReason);
            taste(Qt::Key_Z);
            QCOMPARE(inhalt(x), QStringLiteral("2"));
            QTest::keyClick(x, Qt::Key_Backspace);
            QCOMPARE(inhalt(x), QString());
            finde(&f.w, QStringLiteral("cmbPhase"))->setFocus();
            QVERIFY2(fall.wert(f.s) == 2, fall.feld);
        }
    }

    // 20000 points for an exact hit overflow 16 bits in the second hit: the evaluation is abandoned and reported,
    // points stay as they were; afterwards a typed tip still counts.
    void abbruch() {
        Fenster f({0, 1});
        for (int m : {0, 1}) {
            f.s.spiele[m].ergHeim = 1;
            f.s.spiele[m].auswerten = true;
            f.s.tipps(0, m, 0) = 1;
        }
        setzeTipp(f.s, 1, 0, 2, 1);
        f.w.starteEinblenden();
        sichtbar(f.w);
        const auto punkte = [&] {
            return zeile(text(&f.w, "lblPunkteGesamt", 0), text(&f.w, "lblPunkteGesamt", 1),
                         text(&f.w, "lblTabPunkteGesamt", 0), text(&f.w, "lblTabPunkteGesamt", 1));
        };
        const Spielstand vorher = f.s;
        f.s.regel.modusPunkte[0] = 20000;
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QCOMPARE(f.tisch.meldungen,
                 QStringList{"ovi kuvela|Der Vorgang wurde abgebrochen:\nÜberlauf: 40000 passt nicht "
                             "in 16 Bit"});
        QVERIFY(f.s.auswertung == vorher.auswertung && f.s.sieger == vorher.sieger);
        QCOMPARE(punkte(), QStringLiteral("6 2 6 2"));
        f.s.regel = vorher.regel;
        tippe(feld(&f.w, "txtHeimTipp", 8 * 1 + 1), '1');
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QCOMPARE(zeile(f.s.tipps(1, 1, 0), f.tisch.meldungen.size(), punkte()), "1 1 6 5 6 5");
    }
};

QTEST_MAIN(TestRueckgaengig)
#include "test_rueckgaengig.moc"
