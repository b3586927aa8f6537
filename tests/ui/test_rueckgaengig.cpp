// Undo and redo: every kind of step taken back and done again, compared as whole games and whole windows;
// the clean state behind the save question; the length of the history.
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUndoStack>

#include "spieldatei.h"
#include "spielinfo.h"
#include "hilfe.h"

namespace {

// Everything the window shows: each visible named widget with its place, colours and value, the rule marks, and
// the file name a save proposes.
QStringList bildschirm(frmHaupt& w) {
    QStringList l{w.dateiName()};
    for (QWidget* x : w.findChildren<QWidget*>()) {
        if (x->objectName().isEmpty() || !x->isVisibleTo(&w)) continue;
        const QRect r = x->geometry();
        const QPalette& p = x->palette();
        QString z = zeile(x->objectName(), r.x(), r.y(), r.width(), r.height(), p.color(QPalette::Base).name(),
                          p.color(QPalette::Window).name());
        // Whatever kind of field or label: its text, tick and choice.
        for (const char* e : {"text", "checked", "currentIndex"})
            if (const QVariant v = x->property(e); v.isValid()) z += u' ' + v.toString();
        l << z;
    }
    for (const char* n : {"men321", "men3Punkte", "men2Punkte", "menEigeneRegel"})
        l << zeile(n, finde<QAction>(&w, QString::fromUtf8(n))->isChecked());
    return l;
}

void taste(QWidget& w, Qt::Key k, Qt::KeyboardModifiers m) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, k, m);
}

QWidget* dialog(const char* name) {
    for (QWidget* x : QApplication::topLevelWidgets())
        if (x->objectName() == QString::fromUtf8(name) && x->isVisible()) return x;
    qFatal("kein Dialog %s", name);
}

// A scored game of two participants in group A, its history begun after the setup.
struct Partie : Fenster {
    QTemporaryDir ordner;
    Partie() : Fenster({0, 3}) {
        s.setName(0, "Jörg"), s.setName(3, "Lena");
        for (int m = 0; m < 6; ++m) s.spiele[m].heim = static_cast<Integer>(m), s.spiele[m].aus = 31;
        s.spiele[0].ergHeim = 2, s.spiele[0].auswerten = true;
        s.spiele[1].ergAus = 1, s.spiele[1].auswerten = true;
        setzeTipp(s, 0, 0, 2, 0), setzeTipp(s, 3, 0, 1, 1), setzeTipp(s, 3, 1, 0, 2);
        w.starteEinblenden();
        klick(&w, QStringLiteral("cmdTendenz"));
        sichtbar(w);
        w.beginneVerlauf();
    }
    QString pfad(const char* name) const { return ordner.filePath(QString::fromUtf8(name)); }
};

struct Fall {
    const char* name;
    const char* schritt;  // as the undo item names it
    std::function<void(Partie&)> tun;
    std::function<void(Partie&)> vorher = {};  // done before, as a step of its own
};

const Fall faelle[] = {
    {"Tipp", "Tipp", [](Partie& f) { tippe(feld(&f.w, "txtAusTipp", 2), '3'); }},
    {"Ergebnis", "Ergebnis", [](Partie& f) { tippe(feld(&f.w, "txtHeimErg", 1), '4'); }},
    {"Häkchen", "Häkchen", [](Partie& f) { klick(&f.w, QStringLiteral("chkAuswerten_2")); }},
    {"Zufall", "Zufallstipps", [](Partie& f) { klick(&f.w, QStringLiteral("cmdZufall")); }},
    // Entering a field takes the random tips of the view over; that changes nothing to see and is no step.
    {"Zufall, dann Tipp", "Tipp", [](Partie& f) { tippe(feld(&f.w, "txtHeimTipp", 4), '7'); },
     [](Partie& f) {
         klick(&f.w, QStringLiteral("cmdZufall"));
         feld(&f.w, "txtHeimTipp", 1)->setFocus(Qt::TabFocusReason);
         finde(&f.w, QStringLiteral("cmbPhase"))->setFocus();
         QCOMPARE(f.w.verlauf()->count(), 1);
     }},
    {"alles auf Null", "alles auf Null",
     [](Partie& f) {
         f.tisch.antworten << Antwort::ok;
         befehl(&f.w, QStringLiteral("menNull"));
     }},
    {"Regel", "2-Punkte-Regel", [](Partie& f) { befehl(&f.w, QStringLiteral("men2Punkte")); }},
    {"eigene Regel", "Eigene Regel",
     [](Partie& f) {
         befehl(&f.w, QStringLiteral("menEigeneRegel"));
         QWidget* d = dialog("frmRegel");
         finde<QLineEdit>(d, QStringLiteral("txtNeuModus_0"))->setText(QStringLiteral("7"));
         QTest::mouseClick(finde(d, QStringLiteral("cmdOK")), Qt::LeftButton);
     }},
    {"Spielerdaten", "Spielerdaten",
     [](Partie& f) {
         befehl(&f.w, QStringLiteral("menÄndern"));
         QWidget* d = dialog("frmÄndern");
         finde<QLineEdit>(d, QStringLiteral("txtName_0"))->setText(QStringLiteral("Jan"));
         finde<QCheckBox>(d, QStringLiteral("chkSpieltMit_7"))->setChecked(true);
         QTest::mouseClick(finde(d, QStringLiteral("cmdOK")), Qt::LeftButton);
     }},
    {"Auswahl", "Spielauswahl", [](Partie& f) { befehl(&f.w, QStringLiteral("menGruppe_0")); }},
    {"Tipps importieren", "Tipps importieren",
     [](Partie& f) {
         Spielstand t;
         t.tipps(3, 2, 0) = 4;
         t.spieler[3].spieltMit = true;
         QVERIFY(speichereSpieldatei(f.pfad("tipps.gowet"), ausSpielstand(t)).empty());
         f.tisch.dateien << QStringList{f.pfad("tipps.gowet")};
         befehl(&f.w, QStringLiteral("menTipps"));
     }},
    {"Spiel-Informationen", "Spiel-Informationen importieren",
     [](Partie& f) {
         SpielInfo info;
         info.spiele[13].heim = 7;
         info.ansicht = 2;
         QVERIFY(speichereSpielInfo(f.pfad("plan.gowet"), info).empty());
         f.tisch.dateien << QStringList{f.pfad("plan.gowet")};
         befehl(&f.w, QStringLiteral("menSpiele"));
     }},
    {"Öffnen", "Öffnen",
     [](Partie& f) {
         Spielstand t;
         t.spieler[1].spieltMit = true;
         t.tipps(1, 4, 1) = 5;
         QVERIFY(speichereSpieldatei(f.pfad("andere.gowet"), ausSpielstand(t)).empty());
         f.tisch.dateien << QStringList{f.pfad("andere.gowet")};
         befehl(&f.w, QStringLiteral("menÖffnen"));
     }},
};

}  // namespace

class TestRueckgaengig : public QObject {
    Q_OBJECT

  private slots:
    void schritte_data() {
        QTest::addColumn<int>("fall");
        for (int i = 0; i < int(std::size(faelle)); ++i) QTest::newRow(faelle[i].name) << i;
    }

    // Ctrl+Z puts back the game and the window from before the step, Ctrl+Umschalt+Z and Ctrl+Y those after it.
    void schritte() {
        QFETCH(int, fall);
        const Fall& c = faelle[fall];
        Partie f;
        QAction* zurueck = finde<QAction>(&f.w, QStringLiteral("menRückgängig"));
        QCOMPARE(zeile(zurueck->text(), zurueck->isEnabled()), zeile("Rückgängig", 0));
        if (c.vorher) c.vorher(f);
        const Spielstand vorher = f.s;
        const QStringList vorherSchirm = bildschirm(f.w);
        c.tun(f);
        // A field left red by typing is no matter of the game; the counters are recounted by every undo and redo.
        finde(&f.w, QStringLiteral("cmbPhase"))->setFocus();
        klick(&f.w, QStringLiteral("cmdTendenz"));
        const Spielstand nachher = f.s;
        const QStringList nachherSchirm = bildschirm(f.w);
        QVERIFY(!(nachher == vorher) || nachherSchirm != vorherSchirm);
        QCOMPARE(zurueck->text(), QStringLiteral("Rückgängig: ") + QString::fromUtf8(c.schritt));

        taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(f.s == vorher);
        QCOMPARE(bildschirm(f.w), vorherSchirm);
        QCOMPARE(finde<QAction>(&f.w, QStringLiteral("menWiederholen"))->text(),
                 QStringLiteral("Wiederholen: ") + QString::fromUtf8(c.schritt));
        taste(f.w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(f.s == nachher);
        QCOMPARE(bildschirm(f.w), nachherSchirm);
        taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        taste(f.w, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(f.s == nachher);
        QCOMPARE(bildschirm(f.w), nachherSchirm);
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    // What changes no game value is no step: a view change, sorting, a field entered and left, evaluating again.
    void keinSchritt() {
        Partie f;
        waehleAnsicht(&f.w, 3);
        auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
        sortierung->setCurrentIndex(2);
        emit sortierung->activated(2);
        feld(&f.w, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
        feld(&f.w, "txtAusTipp", 0)->setFocus(Qt::TabFocusReason);
        klick(&f.w, QStringLiteral("cmdAuswerten"));
        QCOMPARE(f.w.verlauf()->count(), 0);
    }

    // The save question asks exactly when the history is away from the last save or open.
    void sauber() {
        Partie f;
        QStringList gesehen;
        const auto merke = [&](const char* was) { gesehen << zeile(was, f.w.ungespeichert()); };
        merke("Anfang");
        tippe(feld(&f.w, "txtHeimTipp", 1), '5');
        merke("getippt");
        taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        merke("zurück");
        taste(f.w, Qt::Key_Y, Qt::ControlModifier);
        f.tisch.dateien << QStringList{f.pfad("spiel.gowet")};
        befehl(&f.w, QStringLiteral("menSpeichern"));
        merke("gespeichert");
        tippe(feld(&f.w, "txtHeimTipp", 25), '6');
        merke("weiter");
        taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        merke("zum Gespeicherten");
        taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        merke("davor");
        f.tisch.antworten << Antwort::abbrechen;
        QVERIFY(!f.w.close());
        taste(f.w, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(f.w.close());
        QCOMPARE(gesehen, QStringList({"Anfang 0", "getippt 1", "zurück 0", "gespeichert 0", "weiter 1",
                                       "zum Gespeicherten 0", "davor 1"}));
        QCOMPARE(f.tisch.fragen, QStringList{"ovi kuvela|Sollen die Änderungen gespeichert werden?"});

        Partie g;
        g.tisch.dateien << QStringList{f.pfad("spiel.gowet")};
        befehl(&g.w, QStringLiteral("menÖffnen"));
        QCOMPARE(zeile(g.w.ungespeichert(), g.w.verlauf()->count()), zeile(0, 1));
        taste(g.w, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(g.w.ungespeichert());
    }

    // The history holds the last 200 steps.
    void zweihundert() {
        Partie f;
        Spielstand nachErstem;
        for (int k = 0; k < 201; ++k) {
            tippe(feld(&f.w, "txtHeimTipp", k % 2 ? 1 : 25), k % 4 < 2 ? '1' : '2');
            if (k == 0) nachErstem = f.s;
        }
        QCOMPARE(f.w.verlauf()->count(), 200);
        for (int k = 0; k < 200; ++k) taste(f.w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(zeile(f.w.verlauf()->index(), f.w.verlauf()->canUndo()), zeile(0, 0));
        QVERIFY(f.s == nachErstem);
    }
};

QTEST_MAIN(TestRueckgaengig)
#include "test_rueckgaengig.moc"
