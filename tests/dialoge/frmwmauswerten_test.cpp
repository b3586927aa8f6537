// List of bonus winners: the whole text for marked winners, built when shown; "ok" and leaving close it.
#include "ui/dialoge/frmwmauswerten.h"

#include <QPointer>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using namespace ovi::test;

namespace {

Spielstand spiel(int bonus) {
    Spielstand s;
    const char* namen[5] = {"Anna", "Bernd", "Carla", "Jürgen", "Zoë"};
    for (int p = 0; p < 5; ++p) s.setName(p, namen[p]);
    s.setName(24, "Yvonne");
    s.setBonuspunkte(bonus);
    return s;
}

QString kopf(int bonus) {
    return QStringLiteral(
               "Folgende Teilnehmer haben den Weltmeister\nrichtig vorhergesagt und bekommen deshalb "
               "%1 Bonuspunkte gutgeschrieben:\n")
        .arg(bonus);
}

}  // namespace

class FrmWMAuswertenTest : public QObject {
    Q_OBJECT

    QWidget haupt_;

    QPointer<frmWMAuswerten> oeffne(const Spielstand& s, const QList<int>& sieger) {
        QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
        for (int p : sieger) d->setWinner(p, true);
        d->show();
        return d;
    }

  private slots:
    void initTestCase() { QVERIFY(zeigeHaupt(haupt_)); }

    // The whole text, then the way the dialog is closed.
    void ganzerText_data() {
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QList<int>>("sieger");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("weg");
        const QString ein = QStringLiteral("\n          ");
        QTest::newRow("niemand") << 10 << QList<int>{} << kopf(10) << QStringLiteral("ok");
        QTest::newRow("zwei") << 10 << QList<int>{1, 3} << kopf(10) + ein + "Bernd" + ein + "Jürgen"
                              << QStringLiteral("Aktivierungsverlust");
        QTest::newRow("erster und letzter Slot")
            << 7 << QList<int>{0, 4, 24} << kopf(7) + ein + "Anna" + ein + "Zoë" + ein + "Yvonne"
            << QStringLiteral("Escape");
        QTest::newRow("leerer Name") << 0 << QList<int>{10} << kopf(0) + ein << QStringLiteral("ok");
    }
    void ganzerText() {
        QFETCH(int, bonus);
        QFETCH(QList<int>, sieger);
        QFETCH(QString, text);
        QFETCH(QString, weg);
        const Spielstand s = spiel(bonus);  // the dialog keeps a reference
        auto d = oeffne(s, sieger);
        QCOMPARE(inhalt(d, "txtBonuspunkte"), text);
        QVERIFY(verlasse(d, &haupt_, weg));
        QTRY_VERIFY(d.isNull());
    }

    void textEntstehtBeimZeigen() {
        Spielstand s = spiel(10);
        QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
        d->setWinner(2, true);
        s.setBonuspunkte(15);  // what counts is the state when the dialog loads, not when it is made
        d->show();
        const QString erwartet = kopf(15) + QStringLiteral("\n          Carla");
        QCOMPARE(inhalt(d, "txtBonuspunkte"), erwartet);
        d->setWinner(3, true);
        d->hide();
        d->show();
        QCOMPARE(inhalt(d, "txtBonuspunkte"), erwartet);
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(25, true));
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(-1, true));
        delete d;
    }
};

QTEST_MAIN(FrmWMAuswertenTest)
#include "frmwmauswerten_test.moc"
