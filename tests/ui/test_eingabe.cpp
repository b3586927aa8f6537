// Entry fields: the key filter, the colours while editing, restore on empty, and the write-back to the game.
#include <QKeyEvent>
#include <memory>

#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

// Text, background and text colour of a field, and the value the game holds for it.
QString zustand(const QLineEdit* f, int imSpiel) {
    return QStringLiteral("'%1' %2 %3 %4")
        .arg(f->text(), grund(f).name(), f->palette().color(QPalette::Text).name())
        .arg(imSpiel);
}

}  // namespace

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

    void tastenfilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<QString>("ergebnis");  // what shows, what the game holds
        QTest::newRow("Ziffer 7") << int(Qt::Key_7) << "7"
                                  << "'7' 7";
        QTest::newRow("Ziffer 0") << int(Qt::Key_0) << "0"
                                  << "'0' 0";
        QTest::newRow("Buchstabe x") << int(Qt::Key_X) << "x"
                                     << "'0' 0";
        QTest::newRow("Leerzeichen") << int(Qt::Key_Space) << " "
                                     << "'0' 0";
        QTest::newRow("Minus") << int(Qt::Key_Minus) << "-"
                               << "'0' 0";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "\r"
                               << "'0' 0";
        QTest::newRow("Umlaut") << int(Qt::Key_Odiaeresis) << "ö"
                                << "'0' 0";
    }

    // One key with its character on a tip that was 4, then Tab moves on and the field keeps what it shows.
    void tastenfilter() {
        QFETCH(int, key);
        QFETCH(QString, zeichen);
        QFETCH(QString, ergebnis);
        f_->s.tipps(1, 2, 0) = 4;
        QVERIFY(f_->w.zeigePhase(0));
        QLineEdit* f = feld(&f_->w, "txtHeimTipp", 10);
        f->setFocus(Qt::TabFocusReason);
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, key, Qt::NoModifier, zeichen);
            QApplication::sendEvent(f, &e);
        }
        auto ist = [&] { return QStringLiteral("'%1' %2").arg(f->text()).arg(f_->s.tipps(1, 2, 0)); };
        QCOMPARE(ist(), ergebnis);
        QTest::keyClick(f, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld(&f_->w, "txtAusTipp", 10));
        QCOMPARE(ist(), ergebnis);
    }

    // One digit per field: a second one and letters are refused; emptied, the game keeps the value from before (0).
    void zifferFolge() {
        QLineEdit* f = feld(&f_->w, "txtAusTipp", 3);
        f->setFocus(Qt::TabFocusReason);
        QStringList gesehen;
        for (char c : {'3', '4', 'z', '\b', '6'}) {
            QTest::keyClick(f, c);
            gesehen << QStringLiteral("'%1' %2").arg(f->text()).arg(f_->s.tipps(0, 3, 1));
        }
        QCOMPARE(gesehen, QStringList({"'3' 3", "'3' 3", "'3' 3", "'' 0", "'6' 6"}));
    }

    void einfuegenNurZiffern() {
        QLineEdit* f = feld(&f_->w, "txtHeimErg", 2);
        f->setFocus(Qt::TabFocusReason);
        f->insert(QStringLiteral("x"));
        QCOMPARE(f->text(), QString());
        f->insert(QStringLiteral("12"));
        QVERIFY2(f->text().isEmpty() || f->text() == QStringLiteral("1"), qPrintable(f->text()));
    }

    // A tip showing 2 and a result showing 3, each focused and left without typing: at rest, while edited, after.
    void leerVerlassenStelltWiederHer() {
        f_->s.tipps(2, 5, 0) = 2;
        f_->s.spiele[4].ergAus = 3;
        QVERIFY(f_->w.zeigePhase(0));
        QLineEdit* tipp = feld(&f_->w, "txtHeimTipp", 21);
        QLineEdit* erg = feld(&f_->w, "txtAusErg", 4);
        QStringList gesehen;
        for (QLineEdit* f : {tipp, erg}) {
            auto wert = [&] { return f == tipp ? int(f_->s.tipps(2, 5, 0)) : int(f_->s.spiele[4].ergAus); };
            gesehen << zustand(f, wert());
            f->setFocus(Qt::TabFocusReason);
            gesehen << zustand(f, wert());
            feld(&f_->w, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
            gesehen << zustand(f, wert());
        }
        QCOMPARE(gesehen, QStringList({"'2' #ffffff #404040 2", "'' #ff0000 #ffffff 2", "'2' #ffffff #404040 2",
                                       "'3' #404040 #ffffff 3", "'' #ff0000 #ffffff 3", "'3' #404040 #ffffff 3"}));
    }

    void rueckschreibenJederAnsicht_data() {
        QTest::addColumn<int>("ansicht");
        QTest::addColumn<int>("erstesSpiel");
        QTest::addColumn<int>("spiele");
        for (int g = 0; g < 8; ++g) QTest::addRow("Gruppe %d", g) << g << 6 * g << 6;
        QTest::newRow("Achtelfinale") << 8 << 48 << 8;
        QTest::newRow("Viertelfinale") << 9 << 56 << 4;
        QTest::newRow("Halbfinale, Finale") << 10 << 60 << 4;
    }

    // Typed tips, results and ticks reach the matches of the view at once, and no other match.
    void rueckschreibenJederAnsicht() {
        QFETCH(int, ansicht);
        QFETCH(int, erstesSpiel);
        QFETCH(int, spiele);
        Spielstand& s = f_->s;
        waehleAnsicht(&f_->w, ansicht);
        for (int sl = 0; sl < spiele; ++sl) {
            tippe(feld(&f_->w, "txtHeimTipp", 8 + sl), char('1' + sl));
            tippe(feld(&f_->w, "txtAusTipp", 16 + sl), char('2' + sl));
            tippe(feld(&f_->w, "txtHeimErg", sl), char('9' - sl));
            klick(&f_->w, name("chkAuswerten", sl));
        }
        QStringList ist, soll;
        for (int m = 0; m < 64; ++m) {
            const int sl = m - erstesSpiel;
            const bool da = sl >= 0 && sl < spiele;
            ist << QStringLiteral("%1: %2 %3 %4 %5")
                       .arg(m)
                       .arg(s.tipps(1, m, 0))
                       .arg(s.tipps(2, m, 1))
                       .arg(s.spiele[m].ergHeim)
                       .arg(s.spiele[m].auswerten);
            soll << (da ? QStringLiteral("%1: %2 %3 %4 1").arg(m).arg(1 + sl).arg(2 + sl).arg(9 - sl)
                        : QStringLiteral("%1: 0 0 0 0").arg(m));
        }
        QCOMPARE(ist, soll);
    }

    void ansichtWechselBehaeltEingaben() {
        waehleAnsicht(&f_->w, 3);
        tippe(feld(&f_->w, "txtAusErg", 1), '5');
        tippe(feld(&f_->w, "txtHeimTipp", 17), '8');
        waehleAnsicht(&f_->w, 9);
        QCOMPARE(feld(&f_->w, "txtAusErg", 1)->text(), QStringLiteral("0"));
        waehleAnsicht(&f_->w, 3);
        QCOMPARE(feld(&f_->w, "txtAusErg", 1)->text() + feld(&f_->w, "txtHeimTipp", 17)->text(), QStringLiteral("58"));
        QCOMPARE(int(f_->s.spiele[19].ergAus), 5);
    }

    // A menu command leaves the focus in the field: a result being edited keeps its value.
    void speichernWaehrendBearbeitung() {
        QLineEdit* f = feld(&f_->w, "txtHeimErg", 1);
        tippe(f, '3');
        feld(&f_->w, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
        f->setFocus(Qt::TabFocusReason);
        QCOMPARE(f->text(), QString());
        f_->tisch.dateien << QStringList{};  // the save is cancelled, the write-back is done
        befehl(&f_->w, QStringLiteral("menSpeichern"));
        QCOMPARE(int(f_->s.spiele[1].ergHeim), 3);
        QCOMPARE(f_->tisch.wahlen.size(), 1);
    }

  private:
    std::unique_ptr<Fenster> f_;
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
