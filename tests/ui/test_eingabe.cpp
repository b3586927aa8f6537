// Entry fields: the key filter, the colours while editing, restore on empty, and the write-back to the game.
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include "hilfe.h"

using namespace ovi;
using namespace ovi::test;

namespace {

QColor grund(const QLineEdit* f) { return f->palette().color(QPalette::Base); }
QColor schrift(const QLineEdit* f) { return f->palette().color(QPalette::Text); }

// One key with its character, as the keyboard sends it.
void taste(QWidget* w, int key, const QString& text) {
    QKeyEvent druck(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &los);
}

}  // namespace

class TestEingabe : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void tastenfilter_data();
    void tastenfilter();
    void zweiteZifferAbgewiesen();
    void einfuegenNurZiffern();
    void leerVerlassenStelltWiederHer();
    void ergebnisLeerVerlassen();
    void rueckschreibenJederAnsicht_data();
    void rueckschreibenJederAnsicht();
    void ansichtWechselBehaeltEingaben();
    void speichernWaehrendBearbeitung();
    void programmEintraegeNichtUebernommen();

  private:
    Schreibtisch* tisch_ = nullptr;
    frmHaupt* w_ = nullptr;
};

void TestEingabe::init() {
    tisch_ = new Schreibtisch;
    w_ = new frmHaupt(tisch_->dienste());
    for (int p : {0, 1, 2}) w_->spielstand().setSpieltMit(p, true);
    w_->starteEinblenden();
    sichtbar(*w_);
}

void TestEingabe::cleanup() {
    delete w_;
    delete tisch_;
}

void TestEingabe::tastenfilter_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("zeichen");
    QTest::addColumn<QString>("sichtbar");
    QTest::addColumn<int>("gespeichert");
    QTest::newRow("Ziffer 7") << int(Qt::Key_7) << "7"
                              << "7" << 7;
    QTest::newRow("Ziffer 0") << int(Qt::Key_0) << "0"
                              << "0" << 0;
    QTest::newRow("Buchstabe x") << int(Qt::Key_X) << "x"
                                 << "0" << 0;
    QTest::newRow("Leerzeichen") << int(Qt::Key_Space) << " "
                                 << "0" << 0;
    QTest::newRow("Minus") << int(Qt::Key_Minus) << "-"
                           << "0" << 0;
    QTest::newRow("Enter") << int(Qt::Key_Return) << "\r"
                           << "0" << 0;
    QTest::newRow("Umlaut") << int(Qt::Key_Odiaeresis) << "ö"
                            << "0" << 0;
}

// On a tip that was 4: what shows and what the game holds at once.
void TestEingabe::tastenfilter() {
    QFETCH(int, key);
    QFETCH(QString, zeichen);
    QFETCH(QString, sichtbar);
    QFETCH(int, gespeichert);
    Spielstand& s = w_->spielstand();
    s.tipps(1, 2, 0) = 4;
    QVERIFY(w_->zeigePhase(0));
    QLineEdit* f = feld(w_, "txtHeimTipp", 10);
    QCOMPARE(f->text(), QStringLiteral("4"));
    f->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->text(), QString());
    QCOMPARE(grund(f), QColor(255, 0, 0));
    QCOMPARE(schrift(f), QColor(Qt::white));
    taste(f, key, zeichen);
    QCOMPARE(f->text(), sichtbar);
    QCOMPARE(int(s.tipps(1, 2, 0)), gespeichert);
    // Tab still moves on, and the field rests white with dark text again.
    QTest::keyClick(f, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), feld(w_, "txtAusTipp", 10));
    QCOMPARE(grund(f), QColor(Qt::white));
    QCOMPARE(schrift(f), QColor(64, 64, 64));
    QCOMPARE(f->text(), sichtbar);
}

void TestEingabe::zweiteZifferAbgewiesen() {
    Spielstand& s = w_->spielstand();
    QLineEdit* f = feld(w_, "txtAusTipp", 3);
    tippe(f, '3');
    QTest::keyClick(f, '4');
    QCOMPARE(f->text(), QStringLiteral("3"));
    QTest::keyClick(f, 'z');
    QCOMPARE(f->text(), QStringLiteral("3"));
    QCOMPARE(int(s.tipps(0, 3, 1)), 3);
    QTest::keyClick(f, Qt::Key_Backspace);
    QCOMPARE(f->text(), QString());
    // Empty while edited: the game keeps the value from before the edit (0).
    QCOMPARE(int(s.tipps(0, 3, 1)), 0);
    QTest::keyClick(f, '6');
    QCOMPARE(int(s.tipps(0, 3, 1)), 6);
}

void TestEingabe::einfuegenNurZiffern() {
    QLineEdit* f = feld(w_, "txtHeimErg", 2);
    f->setFocus(Qt::TabFocusReason);
    f->insert(QStringLiteral("x"));
    QCOMPARE(f->text(), QString());
    f->insert(QStringLiteral("12"));
    QVERIFY(f->text().size() <= 1);
    QVERIFY(f->text().isEmpty() || f->text() == QStringLiteral("1"));
}

// A tip showing 2, focused and left without typing: 2 again, and the game still holds 2.
void TestEingabe::leerVerlassenStelltWiederHer() {
    Spielstand& s = w_->spielstand();
    s.tipps(2, 5, 0) = 2;
    QVERIFY(w_->zeigePhase(0));
    QLineEdit* f = feld(w_, "txtHeimTipp", 21);
    f->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->text(), QString());
    QCOMPARE(int(s.tipps(2, 5, 0)), 2);
    feld(w_, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->text(), QStringLiteral("2"));
    QCOMPARE(int(s.tipps(2, 5, 0)), 2);
    QCOMPARE(grund(f), QColor(Qt::white));
}

void TestEingabe::ergebnisLeerVerlassen() {
    Spielstand& s = w_->spielstand();
    s.spiele[4].ergAus = 3;
    QVERIFY(w_->zeigePhase(0));
    QLineEdit* f = feld(w_, "txtAusErg", 4);
    QCOMPARE(grund(f), QColor(64, 64, 64));
    f->setFocus(Qt::TabFocusReason);
    QCOMPARE(grund(f), QColor(255, 0, 0));
    feld(w_, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->text(), QStringLiteral("3"));
    QCOMPARE(int(s.spiele[4].ergAus), 3);
    QCOMPARE(grund(f), QColor(64, 64, 64));
    QCOMPARE(schrift(f), QColor(Qt::white));
}

void TestEingabe::rueckschreibenJederAnsicht_data() {
    QTest::addColumn<int>("ansicht");
    QTest::addColumn<int>("erstesSpiel");
    QTest::addColumn<int>("spiele");
    for (int g = 0; g < 8; ++g) QTest::addRow("Gruppe %d", g) << g << 6 * g << 6;
    QTest::newRow("Achtelfinale") << 8 << 48 << 8;
    QTest::newRow("Viertelfinale") << 9 << 56 << 4;
    QTest::newRow("Halbfinale, Finale") << 10 << 60 << 4;
}

// Typed tips, results and ticks reach the matches of the view at once, and no other match.
void TestEingabe::rueckschreibenJederAnsicht() {
    QFETCH(int, ansicht);
    QFETCH(int, erstesSpiel);
    QFETCH(int, spiele);
    Spielstand& s = w_->spielstand();
    waehleAnsicht(w_, ansicht);
    const TippFeld vorher = s.tipps;
    for (int sl = 0; sl < spiele; ++sl) {
        tippe(feld(w_, "txtHeimTipp", 8 + sl), char('1' + sl));
        tippe(feld(w_, "txtAusTipp", 16 + sl), char('2' + sl));
        tippe(feld(w_, "txtHeimErg", sl), char('9' - sl));
        QTest::mouseClick(finde<QCheckBox>(w_, QStringLiteral("chkAuswerten_%1").arg(sl)), Qt::LeftButton);
    }
    for (int m = 0; m < 64; ++m) {
        const int sl = m - erstesSpiel;
        const bool inAnsicht = sl >= 0 && sl < spiele;
        QCOMPARE(int(s.tipps(1, m, 0)), inAnsicht ? 1 + sl : int(vorher(1, m, 0)));
        QCOMPARE(int(s.tipps(2, m, 1)), inAnsicht ? 2 + sl : int(vorher(2, m, 1)));
        QCOMPARE(int(s.spiele[m].ergHeim), inAnsicht ? 9 - sl : 0);
        QCOMPARE(s.spiele[m].auswerten, inAnsicht);
    }
}

void TestEingabe::ansichtWechselBehaeltEingaben() {
    waehleAnsicht(w_, 3);
    tippe(feld(w_, "txtAusErg", 1), '5');
    tippe(feld(w_, "txtHeimTipp", 17), '8');
    waehleAnsicht(w_, 9);
    QCOMPARE(feld(w_, "txtAusErg", 1)->text(), QStringLiteral("0"));
    waehleAnsicht(w_, 3);
    QCOMPARE(feld(w_, "txtAusErg", 1)->text(), QStringLiteral("5"));
    QCOMPARE(feld(w_, "txtHeimTipp", 17)->text(), QStringLiteral("8"));
    QCOMPARE(int(w_->spielstand().spiele[19].ergAus), 5);
}

// A menu command leaves the focus in the field: a result being edited keeps its value.
void TestEingabe::speichernWaehrendBearbeitung() {
    Spielstand& s = w_->spielstand();
    tippe(feld(w_, "txtHeimErg", 1), '3');
    QLineEdit* f = feld(w_, "txtHeimErg", 1);
    feld(w_, "txtHeimTipp", 0)->setFocus(Qt::TabFocusReason);
    f->setFocus(Qt::TabFocusReason);
    QCOMPARE(f->text(), QString());
    tisch_->dateien << QStringList{};  // the save is cancelled, the write-back is done
    befehl(w_, QStringLiteral("menSpeichern"));
    QCOMPARE(int(s.spiele[1].ergHeim), 3);
    QCOMPARE(tisch_->wahlen.size(), 1);
}

// The program's own writes (random tips) are not taken over until the next write-back.
void TestEingabe::programmEintraegeNichtUebernommen() {
    Spielstand& s = w_->spielstand();
    const TippFeld vorher = s.tipps;
    QTest::mouseClick(finde<QPushButton>(w_, QStringLiteral("cmdZufall")), Qt::LeftButton);
    QCOMPARE(s.tipps, vorher);
    // The next edit takes over the whole view, random tips included.
    tippe(feld(w_, "txtHeimErg", 0), '1');
    for (int sl = 0; sl < 6; ++sl)
        QCOMPARE(QString::number(s.tipps(2, sl, 1)), feld(w_, "txtAusTipp", 16 + sl)->text());
}

QTEST_MAIN(TestEingabe)
#include "test_eingabe.moc"
