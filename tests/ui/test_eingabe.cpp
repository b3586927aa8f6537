// Entry fields: the key filter, the colours while editing, restore on empty, and the write-back to the game.
#include <QClipboard>
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

    void tastenfilter_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("zeichen");
        QTest::addColumn<QString>("ergebnis");  // what shows, what the game holds
        const struct {
            const char* name;
            int key;
            const char *zeichen, *ergebnis;
        } faelle[] = {{"Ziffer 7", Qt::Key_7, "7", "'7' 7"},       {"Ziffer 0", Qt::Key_0, "0", "'0' 0"},
                      {"Buchstabe x", Qt::Key_X, "x", "'0' 0"},    {"Leerzeichen", Qt::Key_Space, " ", "'0' 0"},
                      {"Minus", Qt::Key_Minus, "-", "'0' 0"},      {"Enter", Qt::Key_Return, "\r", "'0' 0"},
                      {"Umlaut", Qt::Key_Odiaeresis, "ö", "'0' 0"}};
        for (const auto& c : faelle)
            QTest::newRow(c.name) << c.key << QString::fromUtf8(c.zeichen) << QString::fromUtf8(c.ergebnis);
    }

    // One key with its character on a tip that was 4, then Tab moves on and the field keeps what it shows.
    void tastenfilter() {
        QFETCH(int, key);
        QFETCH(QString, zeichen);
        QFETCH(QString, ergebnis);
        f_->s.tipps(1, 2, 0) = 4;
        QVERIFY(f_->w.zeigePhase(0));
        QWidget* f = feld(&f_->w, "txtHeimTipp", 10);
        f->setFocus(Qt::TabFocusReason);
        for (QEvent::Type t : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(t, key, Qt::NoModifier, zeichen);
            QApplication::sendEvent(f, &e);
        }
        auto ist = [&] { return zeile("'" + inhalt(f) + "'", f_->s.tipps(1, 2, 0)); };
        QCOMPARE(ist(), ergebnis);
        QTest::keyClick(f, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), feld(&f_->w, "txtAusTipp", 10));
        QCOMPARE(ist(), ergebnis);
    }

    // One digit per field: a second one and letters are refused; emptied, the game keeps the value from before (0).
    void zifferFolge() {
        QWidget* f = feld(&f_->w, "txtAusTipp", 3);
        f->setFocus(Qt::TabFocusReason);
        QStringList gesehen;
        for (char c : {'3', '4', 'z', '\b', '6'}) {
            QTest::keyClick(f, c);
            gesehen << zeile("'" + inhalt(f) + "'", f_->s.tipps(0, 3, 1));
        }
        QCOMPARE(gesehen, QStringList({"'3' 3", "'3' 3", "'3' 3", "'' 0", "'6' 6"}));
    }

    // Paste takes one digit into the emptied field and refuses anything else; copy and cut hand the digit on.
    void einfuegenKopieren() {
        QWidget* f = feld(&f_->w, "txtAusTipp", 9);
        f->setFocus(Qt::TabFocusReason);
        QClipboard* ablage = QGuiApplication::clipboard();
        QStringList gesehen;
        auto taste = [&](Qt::Key k, const char* vorher) {
            ablage->setText(QString::fromUtf8(vorher));
            QTest::keyClick(f, k, Qt::ControlModifier);
            gesehen << zeile("'" + inhalt(f) + "'", ablage->text(), f_->s.tipps(1, 1, 1));
        };
        for (const char* t : {"x", "12", "-1", "", " 7 ", "8"}) taste(Qt::Key_V, t);
        taste(Qt::Key_C, "a");
        taste(Qt::Key_X, "b");
        QCOMPARE(gesehen,
                 QStringList({"'' x 0", "'' 12 0", "'' -1 0", "''  0", "'7'  7  7", "'7' 8 7", "'7' 7 7", "'' 7 0"}));
    }

    // A tip showing 2 and a result showing 3, each focused and left without typing: at rest, while edited, after.
    void leerVerlassenStelltWiederHer() {
        f_->s.tipps(2, 5, 0) = 2;
        f_->s.spiele[4].ergAus = 3;
        QVERIFY(f_->w.zeigePhase(0));
        QWidget* tipp = feld(&f_->w, "txtHeimTipp", 21);
        QStringList gesehen;
        for (QWidget* f : {tipp, feld(&f_->w, "txtAusErg", 4)}) {
            // Text, background and text colour of the field, and the value the game holds for it.
            auto zustand = [&] {
                return zeile("'" + inhalt(f) + "'", grund(f).name(), schrift(f).name(),
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

    // Typed tips, results and ticks reach the matches of the view at once, and no other match; what is typed in one
    // view is still there after another one was shown.
    void rueckschreibenJederAnsicht_data() { jedeAnsicht(); }
    void rueckschreibenJederAnsicht() {
        QFETCH(int, ansicht);
        Fenster& f = *f_;
        waehleAnsicht(&f.w, ansicht);
        const int spiele = spieleIn(ansicht);
        for (int sl = 0; sl < spiele; ++sl) {
            tippe(feld(&f.w, "txtHeimTipp", 8 + sl), char('1' + sl));
            tippe(feld(&f.w, "txtAusTipp", 16 + sl), char('2' + sl));
            tippe(feld(&f.w, "txtHeimErg", sl), char('9' - sl));
            klick(&f.w, name("chkAuswerten", sl));
        }
        waehleAnsicht(&f.w, ansicht == 9 ? 3 : 9);
        QCOMPARE(inhalt(feld(&f.w, "txtHeimErg", 0)), QStringLiteral("0"));
        waehleAnsicht(&f.w, ansicht);
        QStringList ist, soll;
        for (int m = 0; m < 64; ++m) {
            const int sl = m - erstesSpiel(ansicht);
            const bool da = sl >= 0 && sl < spiele;
            ist << zeile(m, f.s.tipps(1, m, 0), f.s.tipps(2, m, 1), f.s.spiele[m].ergHeim, f.s.spiele[m].auswerten,
                         da ? inhalt(feld(&f.w, "txtHeimTipp", 8 + sl)) + inhalt(feld(&f.w, "txtHeimErg", sl)) : "");
            soll << (da ? zeile(m, 1 + sl, 2 + sl, 9 - sl, 1, QString::number(1 + sl) + QString::number(9 - sl))
                        : zeile(m, 0, 0, 0, 0, ""));
        }
        QCOMPARE(ist, soll);
    }

    // The focus in a column the next view hides moves on to a field that still shows the old view: what that field
    // shows must not reach the new view's matches.
    void fokusInVerborgenerSpalte() {
        f_->s.spiele[48].ergHeim = 7;
        setzeTipp(f_->s, 0, 48, 5, 6);
        waehleAnsicht(&f_->w, 8);
        feld(&f_->w, "txtHeimErg", 7)->setFocus(Qt::TabFocusReason);
        waehleAnsicht(&f_->w, 0);
        QVERIFY(!feld(&f_->w, "txtHeimErg", 7)->hasFocus());
        QCOMPARE(zeile(f_->s.spiele[0].ergHeim, f_->s.tipps(0, 0, 0), f_->s.tipps(0, 0, 1), f_->s.spiele[48].ergHeim,
                       f_->s.tipps(0, 48, 0)),
                 "0 0 0 7 5");
    }

    // A menu command leaves the focus in the field: a result being edited keeps its value.
    void speichernWaehrendBearbeitung() {
        QWidget* f = feld(&f_->w, "txtHeimErg", 1);
        tippe(f, '3');
        feld(&f_->w, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
        f->setFocus(Qt::TabFocusReason);
        QCOMPARE(inhalt(f), QString());
        befehl(&f_->w, QStringLiteral("menSpeichern"));  // the save is cancelled, the write-back is done
        QCOMPARE(int(f_->s.spiele[1].ergHeim), 3);
        QCOMPARE(f_->tisch.wahlen.size(), 1);
    }

  private:
    std::unique_ptr<Fenster> f_;
};

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
