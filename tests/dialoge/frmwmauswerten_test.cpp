// List of bonus winners: the whole text for marked winners, built when shown; "ok" and leaving close it.
#include "ui/dialoge/frmwmauswerten.h"

#include "tests/dialoge/dialogtest.h"

namespace {

const QString ein = QStringLiteral("\n          ");
QString kopf(int bonus) {
    return QStringLiteral(
               "Folgende Teilnehmer haben den Weltmeister\nrichtig vorhergesagt und bekommen deshalb "
               "%1 Bonuspunkte gutgeschrieben:\n")
        .arg(bonus);
}

}  // namespace

class FrmWMAuswertenTest : public DialogTest {
    Q_OBJECT

    Spielstand s_;  // the dialog keeps a reference

  private slots:
    void init() {
        s_ = Spielstand();
        for (auto [p, name] :
             {std::pair{0, "Anna"}, {1, "Bernd"}, {2, "Carla"}, {3, "Jürgen"}, {4, "Zoë"}, {24, "Yvonne"}})
            s_.setName(p, name);
    }

    // The whole text from the state when the dialog is first shown, not when it is made or shown again; then the
    // way the dialog is closed.
    void ganzerText_data() {
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QList<int>>("sieger");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("weg");
        QTest::newRow("niemand") << 10 << QList<int>{} << kopf(10) << "ok";
        QTest::newRow("zwei") << 15 << QList<int>{1, 3} << kopf(15) + ein + "Bernd" + ein + "Jürgen"
                              << "Aktivierungsverlust";
        QTest::newRow("erster und letzter Slot")
            << 7 << QList<int>{0, 4, 24} << kopf(7) + ein + "Anna" + ein + "Zoë" + ein + "Yvonne"
            << "Escape";
        QTest::newRow("leerer Name") << 0 << QList<int>{10} << kopf(0) + ein << "ok";
    }
    void ganzerText() {
        QFETCH(int, bonus);
        QFETCH(QList<int>, sieger);
        QFETCH(QString, text);
        QFETCH(QString, weg);
        s_.setBonuspunkte(bonus + 5);
        QPointer<frmWMAuswerten> d = new frmWMAuswerten(s_, &haupt_);
        for (int p : sieger) d->setWinner(p, true);
        s_.setBonuspunkte(bonus);
        d->show();
        QCOMPARE(inhalt(d, "txtBonuspunkte"), text);
        d->setWinner(2, true);
        d->hide();
        d->show();
        QCOMPARE(inhalt(d, "txtBonuspunkte"), text);
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(25, true));
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(-1, true));
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
    }
};

QTEST_MAIN(FrmWMAuswertenTest)
#include "frmwmauswerten_test.moc"
