// Entry fields: the key filter, the colours while editing, restore on empty, and the write-back to the game.
#include <QKeyEvent>
#include <memory>

#include "hilfe.h"

class TestEingabe : public QObject {
    Q_OBJECT

  private slots:
    // Three participants, group A shown.
    void init() {
        f_ = std::make_unique<Fenster>(std::initializer_list<int>{0, 1, 2});
        f_->w.starteEinblenden();
        sichtbar(f_->w);
    }
    void cleanup() { f_.reset(); }

    // Keys with their characters into a tip that was 4: any non-digit types "0", one digit per field, Backspace
    // empties (the game keeps the value from before), Tab moves on.
    void tastenfilter() {
        f_->s.tipps(1, 2, 0) = 4;
        QVERIFY(f_->w.zeigePhase(0));
        QWidget* f = feld(&f_->w, "txtHeimTipp", 10);
        f->setFocus(Qt::TabFocusReason);
        const std::pair<int, const char*> tasten[] = {
            {Qt::Key_X, "x"},     {Qt::Key_Backspace, "\b"}, {Qt::Key_Space, " "},   {Qt::Key_Backspace, "\b"},
            {Qt::Key_Minus, "-"}, {Qt::Key_Backspace, "\b"}, {Qt::Key_Return, "\r"}, {Qt::Key_Backspace, "\b"},
            {Qt::Key_7, "7"},     {Qt::Key_8, "8"},          {Qt::Key_Tab, "\t"}};
        QStringList gesehen;
        for (const auto& [taste, zeichen] : tasten) {
            for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent e(t, taste, Qt::NoModifier, QString::fromUtf8(zeichen));
                QApplication::sendEvent(f, &e);
            }
            gesehen << zeile("'" + inhalt(f) + "'", f_->s.tipps(1, 2, 0));
        }
        QCOMPARE(gesehen, QStringList({"'0' 0", "'' 4", "'0' 0", "'' 4", "'0' 0", "'' 4", "'0' 0", "'' 4", "'7' 7",
                                       "'7' 7", "'7' 7"}));
        QCOMPARE(QApplication::focusWidget(), feld(&f_->w, "txtAusTipp", 10));
    }

    // A tip showing 2 and a result showing 3, each focused and left without typing: at rest, while edited, after.
    void leerVerlassenStelltWiederHer() {
        f_->s.tipps(2, 5, 0) = 2;
        f_->s.spiele[4].ergAus = 3;
        QVERIFY(f_->w.zeigePhase(0));
        QWidget* tipp = feld(&f_->w, "txtHeimTipp", 21);
        QStringList gesehen;
        for (QWidget* f : {tipp, feld(&f_->w, "txtAusErg", 4)}) {
            auto zustand = [&] {
                return zeile("'" + inhalt(f) + "'", grund(f).name(), zugang(f)->foregroundColor().name(),
                             f == tipp ? f_->s.tipps(2, 5, 0) : f_->s.spiele[4].ergAus);
            };
            gesehen << zustand();
            f->setFocus(Qt::TabFocusReason);
            gesehen << zustand();
            feld(&f_->w, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
            gesehen << zustand();
        }
        QCOMPARE(gesehen, QStringList({"'2' #ffffff #404040 2", "'' #ff0000 #ffffff 2", "'2' #ffffff #404040 2",
                                       "'3' #404040 #ffffff 3", "'' #ff0000 #ffffff 3", "'3' #404040 #ffffff 3"}));
    }

    // Typed tips, results and ticks reach the matches of each view, and no other match; what is typed in one view is
    // still there after another one was shown.
    void rueckschreibenJederAnsicht() {
        for (int ansicht = 0; ansicht < 11; ++ansicht) {
            Fenster f({1, 2});
            f.w.starteEinblenden();
            sichtbar(f.w);
            waehleAnsicht(&f.w, ansicht);
            const int erstes = erstesSpiel(ansicht), spiele = spieleIn(ansicht);
            for (int sl = 0; sl < spiele; ++sl) {
                tippe(feld(&f.w, "txtHeimTipp", 8 + sl), char('1' + sl));
                tippe(feld(&f.w, "txtAusTipp", 16 + sl), char('2' + sl));
                tippe(feld(&f.w, "txtHeimErg", sl), char('9' - sl));
                klick(&f.w, name("chkAuswerten", sl));
            }
            waehleAnsicht(&f.w, ansicht == 9 ? 3 : 9);
            waehleAnsicht(&f.w, ansicht);
            QStringList ist, soll;
            for (int m = 0; m < 64; ++m) {
                const int sl = m - erstes;
                const bool da = sl >= 0 && sl < spiele;
                ist << zeile(
                    m, f.s.tipps(1, m, 0), f.s.tipps(2, m, 1), f.s.spiele[m].ergHeim, f.s.spiele[m].auswerten,
                    da ? inhalt(feld(&f.w, "txtHeimTipp", 8 + sl)) + inhalt(feld(&f.w, "txtHeimErg", sl)) : "");
                soll << (da ? zeile(m, 1 + sl, 2 + sl, 9 - sl, 1, QString::number(1 + sl) + QString::number(9 - sl))
                            : zeile(m, 0, 0, 0, 0, ""));
            }
            QCOMPARE(ist, soll);
        }
    }

    // The focus in a column the next view hides moves on to a field that still shows the old view: what that field
    // shows must not reach the new view's matches.
    void fokusInVerborgenerSpalte() {
        f_->s.spiele[48].ergHeim = 7;
        setzeTipp(f_->s, 0, 48, 5, 6);
        waehleAnsicht(&f_->w, 8);
        feld(&f_->w, "txtHeimErg", 7)->setFocus(Qt::TabFocusReason);
        waehleAnsicht(&f_->w, 0);
        QCOMPARE(zeile(f_->s.spiele[0].ergHeim, f_->s.tipps(0, 0, 0), f_->s.tipps(0, 0, 1), f_->s.spiele[48].ergHeim,
                       f_->s.tipps(0, 48, 0)),
                 "0 0 0 7 5");
    }

    // Ctrl+S while a result and then a tip are being edited and still empty: the result is stored as 0 (what the
    // emptied field holds), the tip keeps its value from before.
    void speichernWaehrendBearbeitung() {
        tippe(feld(&f_->w, "txtHeimErg", 1), '3');
        tippe(feld(&f_->w, "txtAusTipp", 1), '5');
        feld(&f_->w, "txtHeimErg", 1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        feld(&f_->w, "txtAusTipp", 1)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(zeile(f_->s.spiele[1].ergHeim, f_->s.tipps(0, 1, 1), f_->tisch.wahlen.size(),
                       f_->tisch.wahlen.value(0).titel, QApplication::focusWidget()->objectName()),
                 "3 5 2 Geben Sie den Namen der Datei zum Speichern ein! txtAusTipp_1");
    }

  private:
    std::unique_ptr<Fenster> f_;
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
