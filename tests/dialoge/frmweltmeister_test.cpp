// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "ui/dialoge/frmweltmeister.h"

#include <QLabel>
#include <QPointer>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using namespace ovi::test;

class FrmWeltmeisterTest : public QObject {
    Q_OBJECT

    QWidget haupt_;
    QStringList antworten_;

    QPointer<frmWeltmeister> oeffne(int heim, int aus) {
        Spielstand s;
        s.spiele[63].heim = static_cast<Integer>(heim);
        s.spiele[63].aus = static_cast<Integer>(aus);
        antworten_.clear();
        auto* d = new frmWeltmeister(
            s, [this](const std::string& t) { antworten_ << QString::fromStdString(t); }, &haupt_);
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
        QTest::newRow("unbekannt") << 32 << 0
                                   << QStringList{QStringLiteral("unbekannt"), QStringLiteral("Deutschland")};
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

    // "ok" answers only after a choice; leaving discards the choice.
    void okErstNachWahl_data() {
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QStringList>("antwort");
        QTest::newRow("Heim") << 0 << QStringLiteral("ok") << QStringList{QStringLiteral("Elfenbeinküste")};
        QTest::newRow("Gast") << 1 << QStringLiteral("ok") << QStringList{QStringLiteral("Tschechische Republik")};
        QTest::newRow("Aktivierungsverlust") << 1 << QStringLiteral("Aktivierungsverlust") << QStringList{};
        QTest::newRow("Escape") << 0 << QStringLiteral("Escape") << QStringList{};
    }
    void okErstNachWahl() {
        QFETCH(int, eintrag);
        QFETCH(QString, weg);
        QFETCH(QStringList, antwort);
        auto d = oeffne(9, 19);
        klickeOk(d);
        QVERIFY(antworten_.isEmpty());
        QVERIFY(d->isVisible());
        waehle(liste(d), eintrag);
        QVERIFY(verlasse(d, &haupt_, weg));
        QTRY_VERIFY(d.isNull());
        QCOMPARE(antworten_, antwort);
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
