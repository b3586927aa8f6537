// Own-rule dialog: what it loads, the key filter, colour buttons, bonus switch, confirm and discard.
#include "ui/dialoge/frmregel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "core/auswertung.h"
#include "tests/dialoge/dialogtest.h"
#include "ui/dialoge/ziffernfeld.h"

using namespace ovi;
using ovi::test::teil;

namespace {

QColor farbe(const QWidget* w) { return w->palette().color(QPalette::Window); }

const QColor rot(247, 25, 25), gelb(250, 250, 124), gruen(48, 190, 48);

}  // namespace

class FrmRegelTest : public QObject {
    Q_OBJECT

    QWidget haupt_;
    int aufrufe_ = 0;

    QPointer<frmRegel> oeffne(Spielstand& s) {
        aufrufe_ = 0;
        auto* d = new frmRegel(
            s, [this] { ++aufrufe_; }, &haupt_);
        d->show();
        return d;
    }
    static QLineEdit* punkte(QWidget* d, int i) { return teil<QLineEdit>(d, QStringLiteral("txtNeuModus_%1").arg(i)); }
    static QLabel* label(QWidget* d, const char* name, int i) {
        return teil<QLabel>(d, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
    }

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void pruefeZifferTabelle_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("ergebnis");
        for (int c = 48; c <= 57; ++c) QTest::addRow("Ziffer %d", c) << c << c;
        QTest::newRow("Backspace") << 8 << 8;
        QTest::newRow("Return") << 13 << 48;
        QTest::newRow("Escape") << 27 << 48;
        QTest::newRow("/") << 47 << 48;
        QTest::newRow(":") << 58 << 48;
        QTest::newRow("x") << 120 << 48;
        QTest::newRow("NUL") << 0 << 48;
        QTest::newRow("ä") << 228 << 48;
    }
    void pruefeZifferTabelle() {
        QFETCH(int, code);
        QFETCH(int, ergebnis);
        QCOMPARE(pruefeZiffer(code), ergebnis);
    }

    void textWertTabelle_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qlonglong>("wert");
        QTest::newRow("leer") << QString() << 0LL;
        QTest::newRow("Ziffer") << QStringLiteral("7") << 7LL;
        QTest::newRow("zwei Ziffern") << QStringLiteral("12") << 12LL;
        QTest::newRow("Blanks davor") << QStringLiteral("  3") << 3LL;
        QTest::newRow("Rest ignoriert") << QStringLiteral("4x2") << 4LL;
        QTest::newRow("keine Zahl") << QStringLiteral("x4") << 0LL;
        QTest::newRow("halb zur geraden 2") << QStringLiteral("2.5") << 2LL;
        QTest::newRow("halb zur geraden 4") << QStringLiteral("3.5") << 4LL;
        QTest::newRow("negativ") << QStringLiteral("-1.5") << -2LL;
        QTest::newRow("aufrunden") << QStringLiteral("6.7") << 7LL;
    }
    void textWertTabelle() {
        QFETCH(QString, text);
        QFETCH(qlonglong, wert);
        QCOMPARE(textWert(text), wert);
    }

    void laedtUnterDreiZweiEins() {
        Spielstand s;  // the start state has the "3-2-1-Regel" in force
        auto d = oeffne(s);
        QCOMPARE(d->windowTitle(), QStringLiteral("Eigene Regel bezüglich der Auswertung erstellen"));
        QVERIFY(!d->isModal());
        const QString zeilen[3] = {
            QStringLiteral("Punkte bei komplett richtigem Tipp                                              ( Ergebnis "
                           "3:0, Tipp 3:0)"),
            QStringLiteral(
                "Punkte bei richtiger Vorhersage der Höhe des Sieges                 (Ergebnis 3:0, Tipp 4:1)"),
            QStringLiteral(
                "Punkte bei richtig getippter Tendenz                              (Ergebnis 3:0, Tipp 2:1)")};
        const QString koepfe[4] = {QStringLiteral("neue Regel"), QStringLiteral("3-2-1- Regel"),
                                   QStringLiteral("3-Pkt- Regel"), QStringLiteral("2-Pkt -Regel")};
        for (int i = 0; i < 3; ++i) QCOMPARE(label(d, "lblText", i)->text(), zeilen[i]);
        for (int c = 0; c < 4; ++c) QCOMPARE(label(d, "lblModus", c)->text(), koepfe[c]);
        const QString werte[3] = {QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("1")};
        const QColor gewaehlt[3] = {QColor(255, 0, 0), QColor(250, 250, 144), QColor(48, 190, 48)};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(punkte(d, i)->text(), werte[i]);
            QCOMPARE(punkte(d, i)->toolTip(), QStringLiteral(" hier die Punktzahl eintragen "));
            QCOMPARE(punkte(d, i)->palette().color(QPalette::Base), QColor(255, 255, 128));
            QCOMPARE(punkte(d, i)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
            QCOMPARE(farbe(label(d, "lblFarbWahl", i)), gewaehlt[i]);
            QCOMPARE(label(d, "lblFarbWahl", i)->toolTip(), QStringLiteral(" aktuell gewählte Farbe "));
        }
        const QColor palette[3] = {rot, gelb, gruen};
        const char* festePunkte[9] = {"3", "3", "2", "2", "1", "1", "1", "1", "1"};
        const QColor festeFarben[9] = {rot, rot, rot, gelb, gruen, gruen, gruen, gruen, gruen};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(farbe(label(d, "lblFarbAlt", k)), palette[k % 3]);
            QCOMPARE(label(d, "lblFarbAlt", k)->toolTip(), QStringLiteral(" zur Wahl stehende Farben"));
            QCOMPARE(label(d, "lblPunkteMod", k)->text(), QLatin1String(festePunkte[k]));
            QCOMPARE(farbe(label(d, "lblFarbeFest", k)), festeFarben[k]);
        }
        auto* bonus = teil<QLineEdit>(d, QStringLiteral("txtBonus"));
        QCOMPARE(bonus->text(), QStringLiteral("0"));
        QVERIFY(!bonus->isEnabled());
        QVERIFY(!teil<QCheckBox>(d, QStringLiteral("chkBonus"))->isChecked());
        QCOMPARE(teil<QCheckBox>(d, QStringLiteral("chkBonus"))->text(),
                 QStringLiteral("Bonuspunkte bei richtigem Weltmeistertipp"));
        delete d;
    }

    void laedtEigeneWerte() {
        Spielstand s;
        s.setModusPunkte(0, 7);
        s.setModusPunkte(1, 12);  // longer than the field takes by typing, shown whole all the same
        s.setModusFarbe(2, rgb(1, 2, 3));
        s.setBonuspunkte(25);
        s.setBonus(true);
        auto d = oeffne(s);
        QCOMPARE(punkte(d, 0)->text(), QStringLiteral("7"));
        QCOMPARE(punkte(d, 1)->text(), QStringLiteral("12"));
        QCOMPARE(farbe(label(d, "lblFarbWahl", 2)), QColor(1, 2, 3));
        QCOMPARE(teil<QLineEdit>(d, QStringLiteral("txtBonus"))->text(), QStringLiteral("25"));
        QVERIFY(teil<QLineEdit>(d, QStringLiteral("txtBonus"))->isEnabled());
        QVERIFY(teil<QCheckBox>(d, QStringLiteral("chkBonus"))->isChecked());
        delete d;
    }

    void tastenfilter_data() {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");
        const QString p = QStringLiteral("txtNeuModus_1"), b = QStringLiteral("txtBonus");
        QTest::newRow("Buchstabe ins leere Feld") << p << QString() << QStringLiteral("x") << QStringLiteral("0");
        QTest::newRow("Ziffer ersetzt") << p << QStringLiteral("3") << QStringLiteral("7") << QStringLiteral("7");
        QTest::newRow("zweite Ziffer ersetzt") << p << QString() << QStringLiteral("59") << QStringLiteral("9");
        QTest::newRow("Zeichen ersetzt") << p << QStringLiteral("4") << QStringLiteral("-") << QStringLiteral("0");
        QTest::newRow("Umlaut") << p << QStringLiteral("4") << QStringLiteral("ü") << QStringLiteral("0");
        QTest::newRow("Return tippt 0") << p << QStringLiteral("5") << QStringLiteral("\r") << QStringLiteral("0");
        QTest::newRow("Bonus zwei Ziffern") << b << QString() << QStringLiteral("12") << QStringLiteral("12");
        QTest::newRow("Bonus höchstens zwei") << b << QString() << QStringLiteral("123") << QStringLiteral("12");
        QTest::newRow("Bonus Buchstaben") << b << QString() << QStringLiteral("a7") << QStringLiteral("07");
    }

    void tastenfilter() {
        QFETCH(QString, feld);
        QFETCH(QString, vorher);
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        Spielstand s;
        s.setBonus(true);
        auto d = oeffne(s);
        auto* f = teil<QLineEdit>(d, feld);
        f->setText(vorher);
        f->setCursorPosition(0);
        f->setFocus();
        test::tippe(f, getippt);
        QCOMPARE(f->text(), steht);
        delete d;
    }

    void backspaceLeert() {
        Spielstand s;
        auto d = oeffne(s);
        QLineEdit* f = punkte(d, 0);
        f->setFocus();
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QString());
        test::tippe(f, QStringLiteral("x"));
        QCOMPARE(f->text(), QStringLiteral("0"));
        f->insert(QStringLiteral("5"));
        QCOMPARE(f->text(), QStringLiteral("0"));  // pasted text is held to one digit too
        delete d;
    }

    void farbknoepfe_data() {
        QTest::addColumn<int>("knopf");
        QTest::addColumn<QColor>("neu");
        const QColor palette[3] = {rot, gelb, gruen};
        for (int k = 0; k < 9; ++k) QTest::addRow("lblFarbAlt_%d", k) << k << palette[k % 3];
    }

    void farbknoepfe() {
        QFETCH(int, knopf);
        QFETCH(QColor, neu);
        Spielstand s;
        s.setModusFarbe(0, rgb(10, 10, 10));
        s.setModusFarbe(1, rgb(20, 20, 20));
        s.setModusFarbe(2, rgb(30, 30, 30));
        auto d = oeffne(s);
        QTest::mouseClick(label(d, "lblFarbAlt", knopf), Qt::LeftButton);
        QColor erwartet[3] = {QColor(10, 10, 10), QColor(20, 20, 20), QColor(30, 30, 30)};
        erwartet[knopf / 3] = neu;
        for (int i = 0; i < 3; ++i) QCOMPARE(farbe(label(d, "lblFarbWahl", i)), erwartet[i]);
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        for (int i = 0; i < 3; ++i) QCOMPARE(dialog::farbe(s.getModusFarbe(i)), erwartet[i]);
        QCOMPARE(s.getModusFarbe(3), rgb(255, 255, 255));  // "no hit" is not this dialog's business
    }

    void bonusSchalter() {
        Spielstand s;
        auto d = oeffne(s);
        auto* kasten = teil<QCheckBox>(d, QStringLiteral("chkBonus"));
        auto* feld = teil<QLineEdit>(d, QStringLiteral("txtBonus"));
        QVERIFY(!feld->isEnabled());
        QTest::mouseClick(kasten, Qt::LeftButton);
        QVERIFY(kasten->isChecked());
        QVERIFY(feld->isEnabled());
        QTest::mouseClick(kasten, Qt::LeftButton);
        QVERIFY(!feld->isEnabled());
        test::tippe(feld, QStringLiteral("5"));
        QCOMPARE(feld->text(), QStringLiteral("0"));  // a disabled field takes nothing
        delete d;
    }

    void okSchreibtRegel() {
        Spielstand s;
        Spielstand erwartet;
        erwartet.regel.modusPunkte[0] = 5;
        erwartet.regel.modusPunkte[1] = 0;
        erwartet.regel.modusPunkte[2] = 9;
        erwartet.regel.bonuspunkte = 12;
        erwartet.regel.bonus = true;
        erwartet.modusFarbe[0] = rgb(250, 250, 124);
        erwartet.modusFarbe[1] = rgb(247, 25, 25);

        bool schonGeschrieben = false;
        QPointer<frmRegel> d = new frmRegel(
            s,
            [&] {
                ++aufrufe_;
                schonGeschrieben = s.regel == erwartet.regel && s.modusFarbe == erwartet.modusFarbe;
            },
            &haupt_);
        aufrufe_ = 0;
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::mouseClick(punkte(d, 0), Qt::LeftButton);
        test::tippe(punkte(d, 0), QStringLiteral("5"));
        QTest::mouseClick(punkte(d, 1), Qt::LeftButton);
        QTest::keyClick(punkte(d, 1), Qt::Key_End);
        QTest::keyClick(punkte(d, 1), Qt::Key_Backspace);  // an empty field gives 0 points
        QTest::mouseClick(punkte(d, 2), Qt::LeftButton);
        test::tippe(punkte(d, 2), QStringLiteral("9"));
        QTest::mouseClick(label(d, "lblFarbAlt", 1), Qt::LeftButton);
        QTest::mouseClick(label(d, "lblFarbAlt", 3), Qt::LeftButton);
        QTest::mouseClick(teil<QCheckBox>(d, QStringLiteral("chkBonus")), Qt::LeftButton);
        auto* bonus = teil<QLineEdit>(d, QStringLiteral("txtBonus"));
        QTest::mouseClick(bonus, Qt::LeftButton);
        QTRY_COMPARE(bonus->selectedText(), QStringLiteral("0"));
        test::tippe(bonus, QStringLiteral("12"));
        QVERIFY(s.regel == Spielstand().regel);  // nothing stored before "ok"

        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(aufrufe_, 1);
        QVERIFY(schonGeschrieben);
        QVERIFY(s.regel == erwartet.regel);
        QVERIFY(s.modusFarbe == erwartet.modusFarbe);
        QTRY_VERIFY(d.isNull());
    }

    void bonusWertAuchOhneHaken() {
        Spielstand s;
        s.setBonuspunkte(7);
        s.setBonus(false);
        auto d = oeffne(s);
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(s.getBonuspunkte(), Integer{7});
        QVERIFY(!s.getBonus());
        QCOMPARE(aufrufe_, 1);
    }

    void verwirftBeiAktivierungsverlust() {
        Spielstand s;
        const Regel regel = s.regel;
        const auto farben = s.modusFarbe;
        auto d = oeffne(s);
        QTest::mouseClick(punkte(d, 0), Qt::LeftButton);
        test::tippe(punkte(d, 0), QStringLiteral("8"));
        QTest::mouseClick(label(d, "lblFarbAlt", 4), Qt::LeftButton);
        QTest::mouseClick(teil<QCheckBox>(d, QStringLiteral("chkBonus")), Qt::LeftButton);
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(d.isNull());
        QVERIFY(s.regel == regel);
        QVERIFY(s.modusFarbe == farben);
        QCOMPARE(aufrufe_, 0);
    }

    void escapeVerwirft() {
        Spielstand s;
        const Regel regel = s.regel;
        auto d = oeffne(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        punkte(d, 2)->setFocus();
        test::tippe(punkte(d, 2), QStringLiteral("4"));
        QTest::keyClick(punkte(d, 2), Qt::Key_Escape);
        QTRY_VERIFY(d.isNull());
        QVERIFY(s.regel == regel);
        QCOMPARE(aufrufe_, 0);
    }
};

QTEST_MAIN(FrmRegelTest)
#include "frmregel_test.moc"
