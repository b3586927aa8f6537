// List of bonus winners: the whole text for marked winners, built when shown; "ok" and leaving close it.
#include "ui/dialoge/frmwmauswerten.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using ovi::test::teil;

class FrmWMAuswertenTest : public QObject {
    Q_OBJECT

    QWidget haupt_;

    static Spielstand spiel(int bonus) {
        Spielstand s;
        const char* namen[5] = {"Anna", "Bernd", "Carla", "Jürgen", "Zoë"};
        for (int p = 0; p < 5; ++p) s.setName(p, namen[p]);
        s.setName(24, "Yvonne");
        s.setBonuspunkte(bonus);
        return s;
    }
    QPointer<frmWMAuswerten> oeffne(const Spielstand& s, const QList<int>& sieger) {
        auto* d = new frmWMAuswerten(s, &haupt_);
        for (int p = 0; p < 25; ++p) d->setWinner(p, sieger.contains(p));
        d->show();
        return d;
    }

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void ganzerText_data() {
        QTest::addColumn<int>("bonus");
        QTest::addColumn<QList<int>>("sieger");
        QTest::addColumn<QString>("text");
        const QString kopf10 = QStringLiteral(
            "Folgende Teilnehmer haben den Weltmeister\n"
            "richtig vorhergesagt und bekommen deshalb 10 Bonuspunkte gutgeschrieben:\n");
        QTest::newRow("niemand") << 10 << QList<int>{} << kopf10;
        QTest::newRow("zwei") << 10 << QList<int>{1, 3}
                              << kopf10 + QStringLiteral("\n          Bernd\n          Jürgen");
        QTest::newRow("erster und letzter Slot")
            << 7 << QList<int>{0, 4, 24}
            << QStringLiteral(
                   "Folgende Teilnehmer haben den Weltmeister\n"
                   "richtig vorhergesagt und bekommen deshalb 7 Bonuspunkte gutgeschrieben:\n"
                   "\n          Anna\n          Zoë\n          Yvonne");
        QTest::newRow("leerer Name") << 0 << QList<int>{10}
                                     << QStringLiteral(
                                            "Folgende Teilnehmer haben den Weltmeister\n"
                                            "richtig vorhergesagt und bekommen deshalb 0 Bonuspunkte "
                                            "gutgeschrieben:\n\n          ");
    }

    void ganzerText() {
        QFETCH(int, bonus);
        QFETCH(QList<int>, sieger);
        QFETCH(QString, text);
        const Spielstand s = spiel(bonus);
        auto d = oeffne(s, sieger);
        QCOMPARE(d->windowTitle(), QStringLiteral("Bonuspunkte"));
        QCOMPARE(teil<QPlainTextEdit>(d, QStringLiteral("txtBonuspunkte"))->toPlainText(), text);
        delete d;
    }

    void textEntstehtBeimZeigen() {
        Spielstand s = spiel(10);
        auto* d = new frmWMAuswerten(s, &haupt_);
        QPointer<frmWMAuswerten> w(d);
        d->setWinner(2, true);
        s.setBonuspunkte(15);  // what counts is the state when the dialog loads
        d->show();
        auto* text = teil<QPlainTextEdit>(d, QStringLiteral("txtBonuspunkte"));
        const QString erwartet = QStringLiteral(
            "Folgende Teilnehmer haben den Weltmeister\n"
            "richtig vorhergesagt und bekommen deshalb 15 Bonuspunkte gutgeschrieben:\n"
            "\n          Carla");
        QCOMPARE(text->toPlainText(), erwartet);
        d->setWinner(3, true);
        d->hide();
        d->show();
        QCOMPARE(text->toPlainText(), erwartet);
        delete w;
    }

    void setWinnerPrueftIndex() {
        Spielstand s;
        frmWMAuswerten d(s, &haupt_);
        d.setAttribute(Qt::WA_DeleteOnClose, false);
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d.setWinner(25, true));
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d.setWinner(-1, true));
    }

    void okSchliesst() {
        const Spielstand s = spiel(10);
        auto d = oeffne(s, {0});
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_VERIFY(d.isNull());
    }

    void verschwindetBeiAktivierungsverlust() {
        const Spielstand s = spiel(10);
        auto d = oeffne(s, {0});
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(d.isNull());
    }
};

QTEST_MAIN(FrmWMAuswertenTest)
#include "frmwmauswerten_test.moc"
