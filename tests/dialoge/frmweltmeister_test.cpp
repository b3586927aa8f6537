// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "ui/dialoge/frmweltmeister.h"

#include <QLabel>
#include <QPointer>
#include <vector>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using namespace ovi::test;

class FrmWeltmeisterTest : public QObject {
    Q_OBJECT

    QWidget haupt_;
    std::vector<std::string> antworten_;

    QPointer<frmWeltmeister> oeffne(int heim, int aus) {
        Spielstand s;
        s.spiele[63].heim = static_cast<Integer>(heim);
        s.spiele[63].aus = static_cast<Integer>(aus);
        antworten_.clear();
        auto* d = new frmWeltmeister(
            s, [this](const std::string& t) { antworten_.push_back(t); }, &haupt_);
        d->show();
        return d;
    }
    static QComboBox* liste(QWidget* d) { return teil<QComboBox>(d, QStringLiteral("cmbWeltmeister")); }

  private slots:
    void initTestCase() { QVERIFY(zeigeHaupt(haupt_)); }

    void laedtFinalisten_data() {
        QTest::addColumn<int>("heim");
        QTest::addColumn<int>("aus");
        QTest::addColumn<QStringList>("finalisten");
        QTest::newRow("bekannt") << 8 << 20 << QStringList{QStringLiteral("Argentinien"), QStringLiteral("Brasilien")};
        QTest::newRow("unbekannt") << 32 << 0 << QStringList{QStringLiteral("unbekannt"), QStringLiteral("Deutschland")};
        // No team: the list stays empty, the dialog open and usable.
        QTest::newRow("kein Team") << 0 << 50 << QStringList{};
    }
    void laedtFinalisten() {
        QFETCH(int, heim);
        QFETCH(int, aus);
        QFETCH(QStringList, finalisten);
        auto d = oeffne(heim, aus);
        QCOMPARE(teil<QLabel>(d, QStringLiteral("lblWeltmeister"))->text(), QStringLiteral("Wer wurde Weltmeister?"));
        QCOMPARE(eintraege(liste(d)), finalisten);
        QCOMPARE(liste(d)->currentIndex(), -1);
        QCOMPARE(liste(d)->placeholderText(), QStringLiteral(" Weltmeister"));
        QVERIFY(!teil<QPushButton>(d, QStringLiteral("cmdOK"))->isEnabled());
        delete d;
    }

    void okErstNachWahl_data() {
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<QString>("team");
        QTest::newRow("Heim") << 0 << QStringLiteral("Elfenbeinküste");
        QTest::newRow("Gast") << 1 << QStringLiteral("Tschechische Republik");
    }
    void okErstNachWahl() {
        QFETCH(int, eintrag);
        QFETCH(QString, team);
        auto d = oeffne(9, 19);
        klickeOk(d);
        QVERIFY(antworten_.empty());
        QVERIFY(d->isVisible());
        waehle(liste(d), eintrag);
        klickeOk(d);
        QCOMPARE(antworten_, std::vector<std::string>{team.toStdString()});
        QTRY_VERIFY(d.isNull());
    }

    void verwirftBeimVerlassen_data() { wegeHinaus(); }
    void verwirftBeimVerlassen() {
        QFETCH(QString, weg);
        auto d = oeffne(0, 1);
        waehle(liste(d), 1);
        QVERIFY(verlasse(d, &haupt_, weg));
        QTRY_VERIFY(d.isNull());
        QVERIFY(antworten_.empty());
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
