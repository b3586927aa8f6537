// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "ui/dialoge/frmweltmeister.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <vector>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using ovi::test::teil;

class FrmWeltmeisterTest : public QObject {
    Q_OBJECT

    QWidget haupt_;
    std::vector<std::string> antworten_;

    QPointer<frmWeltmeister> oeffne(const Spielstand& s) {
        antworten_.clear();
        auto* d = new frmWeltmeister(
            s, [this](const std::string& t) { antworten_.push_back(t); }, &haupt_);
        d->show();
        return d;
    }
    static Spielstand finale(int heim, int aus) {
        Spielstand s;
        s.spiele[63].heim = static_cast<Integer>(heim);
        s.spiele[63].aus = static_cast<Integer>(aus);
        return s;
    }

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void laedtFinalisten() {
        const Spielstand s = finale(8, 20);
        auto d = oeffne(s);
        QCOMPARE(d->windowTitle(), QString());
        QCOMPARE(teil<QLabel>(d, QStringLiteral("lblWeltmeister"))->text(), QStringLiteral("Wer wurde Weltmeister?"));
        auto* liste = teil<QComboBox>(d, QStringLiteral("cmbWeltmeister"));
        QCOMPARE(liste->count(), 2);
        QCOMPARE(liste->itemText(0), QStringLiteral("Argentinien"));
        QCOMPARE(liste->itemText(1), QStringLiteral("Brasilien"));
        QCOMPARE(liste->currentIndex(), -1);
        QCOMPARE(liste->placeholderText(), QStringLiteral(" Weltmeister"));
        auto* ok = teil<QPushButton>(d, QStringLiteral("cmdOK"));
        QCOMPARE(ok->text(), QStringLiteral("ok"));
        QVERIFY(!ok->isEnabled());
        QVERIFY(d->findChild<QWidget*>(QStringLiteral("Shape1")) != nullptr);
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
        const Spielstand s = finale(9, 19);
        auto d = oeffne(s);
        auto* ok = teil<QPushButton>(d, QStringLiteral("cmdOK"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(antworten_.empty());
        QVERIFY(d->isVisible());
        test::waehle(teil<QComboBox>(d, QStringLiteral("cmbWeltmeister")), eintrag);
        QVERIFY(ok->isEnabled());
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(antworten_.size(), size_t{1});
        QCOMPARE(QString::fromStdString(antworten_[0]), team);
        QTRY_VERIFY(d.isNull());
    }

    void unbekannterFinalist() {
        const Spielstand s = finale(32, 0);
        auto d = oeffne(s);
        auto* liste = teil<QComboBox>(d, QStringLiteral("cmbWeltmeister"));
        QCOMPARE(liste->itemText(0), QStringLiteral("unbekannt"));
        QCOMPARE(liste->itemText(1), QStringLiteral("Deutschland"));
        delete d;
    }

    void fehlerhafterFinalistLaesstDialogBenutzbar() {
        Spielstand s = finale(0, 1);
        s.spiele[63].aus = 50;  // no team: the list stays empty, the dialog open
        auto d = oeffne(s);
        QCOMPARE(teil<QComboBox>(d, QStringLiteral("cmbWeltmeister"))->count(), 0);
        QVERIFY(!teil<QPushButton>(d, QStringLiteral("cmdOK"))->isEnabled());
        delete d;
    }

    void verwirftBeiAktivierungsverlust() {
        const Spielstand s = finale(0, 1);
        auto d = oeffne(s);
        test::waehle(teil<QComboBox>(d, QStringLiteral("cmbWeltmeister")), 1);
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(d.isNull());
        QVERIFY(antworten_.empty());
    }

    void escapeVerwirft() {
        const Spielstand s = finale(0, 1);
        auto d = oeffne(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d, Qt::Key_Escape);
        QTRY_VERIFY(d.isNull());
        QVERIFY(antworten_.empty());
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
