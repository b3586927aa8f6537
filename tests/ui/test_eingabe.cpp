// Entry fields write back to the game: typed tips, results and ticks of each view reach its matches and no other.
#include "core/zufall.h"
#include "tests/ui/hilfe.h"

class TestEingabe : public QObject {
    Q_OBJECT

  private slots:
    // What is typed in one view is still there after another one was shown.
    void rueckschreibenJederAnsicht() {
        for (int ansicht = 0; ansicht < 11; ++ansicht) {
            Fenster f({1, 2});
            f.w.starteEinblenden();
            sichtbar(f.w);
            waehleAnsicht(&f.w, ansicht);
            const int erstes = ersteSpielNr(ansicht), spiele = letzteZeile(ansicht) + 1;
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

    // A left click on a match's info icon shows that match's details and ends there: the frame under the icon,
    // which would take it otherwise, never sees it. A right click opens nothing.
    void infoSymbolNimmtDenKlick() {
        Fenster f;
        f.w.starteEinblenden();
        sichtbar(f.w);
        QWidget* symbol = finde(&f.w, "imgInfo", 0);
        struct Zaehler : QObject {
            int klicks = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::MouseButtonRelease) ++klicks;
                return false;
            }
        } darunter;
        symbol->parentWidget()->installEventFilter(&darunter);
        QTest::mouseClick(symbol, Qt::RightButton);
        QCOMPARE(f.w.findChild<QWidget*>(QStringLiteral("frmSpielInfo")), nullptr);
        QCOMPARE(darunter.klicks, 1);
        QTest::mouseClick(symbol, Qt::LeftButton);
        QVERIFY(finde(&f.w, QStringLiteral("frmSpielInfo"))->isVisible());
        QCOMPARE(darunter.klicks, 1);
    }

    // A participant who has not played along yet has no tip fields; what the grid holds for him all the same ("Zufall"
    // draws for all 25 rows, pair k for field k) is taken over at the next write-back and shown once he plays along.
    void zeileOhneFelder() {
        Fenster f({0});
        f.w.starteEinblenden();
        sichtbar(f.w);
        klick(&f.w, QStringLiteral("cmdZufall"));
        const bool ohneFelder = f.w.findChild<QWidget*>(QStringLiteral("txtHeimTipp_40")) == nullptr;
        waehleAnsicht(&f.w, 1);  // the write-back of group A
        Zufall z;
        QStringList soll, ist, gezeigt;
        for (int k = 0; k < 8 * 5 + 6; ++k) {
            const int heim = z.tor(), aus = z.tor();
            if (k >= 40) soll << zeile(heim, aus);
        }
        for (int m = 0; m < 6; ++m) ist << zeile(f.s.tipps(5, m, 0), f.s.tipps(5, m, 1));
        f.s.setSpieltMit(5, true);
        f.w.starteEinblenden();
        waehleAnsicht(&f.w, 0);
        for (int sl = 0; sl < 6; ++sl)
            gezeigt << zeile(inhalt(feld(&f.w, "txtHeimTipp", 40 + sl)), inhalt(feld(&f.w, "txtAusTipp", 40 + sl)));
        QVERIFY(ohneFelder);
        QCOMPARE(ist, soll);
        QCOMPARE(gezeigt, soll);
    }
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
