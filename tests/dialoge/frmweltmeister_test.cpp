// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "ui/dialoge/frmweltmeister.h"

#include <QLabel>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using namespace ovi::test;

class FrmWeltmeisterTest : public DialogTest {
    Q_OBJECT

    QStringList antworten_;

    QPointer<frmWeltmeister> frage(int heim, int aus) {
        Spielstand s;
        s.spiele[63] = Spiel{.heim = Integer(heim), .aus = Integer(aus)};
        antworten_.clear();
        return oeffne<frmWeltmeister>(s, [this](const std::string& t) { antworten_ << QString::fromStdString(t); });
    }
    static QComboBox* liste(QWidget* d) { return teil<QComboBox>(d, QStringLiteral("cmbWeltmeister")); }

  private slots:
    void laedtFinalisten_data() {
        QTest::addColumn<int>("heim");
        QTest::addColumn<int>("aus");
        QTest::addColumn<QStringList>("finalisten");
        QTest::newRow("bekannt") << 8 << 20 << QStringList{"Argentinien", "Brasilien"};
        QTest::newRow("unbekannt") << 32 << 0 << QStringList{"unbekannt", "Deutschland"};
        QTest::newRow("kein Team") << 0 << 50 << QStringList{};  // the list stays empty, the dialog usable
    }
    void laedtFinalisten() {
        QFETCH(int, heim);
        QFETCH(int, aus);
        QFETCH(QStringList, finalisten);
        auto d = frage(heim, aus);
        QCOMPARE(teil<QLabel>(d, QStringLiteral("lblWeltmeister"))->text(), QStringLiteral("Wer wurde Weltmeister?"));
        QCOMPARE(eintraege(liste(d)), finalisten);
        QCOMPARE(liste(d)->currentIndex(), -1);
        QCOMPARE(liste(d)->placeholderText(), QStringLiteral(" Weltmeister"));
    }

    // "ok" answers only after a choice; leaving discards the choice.
    void okErstNachWahl_data() {
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QStringList>("antwort");
        QTest::newRow("Heim") << 0 << "ok" << QStringList{"Elfenbeinküste"};
        QTest::newRow("Gast") << 1 << "ok" << QStringList{"Tschechische Republik"};
        QTest::newRow("Aktivierungsverlust") << 1 << "Aktivierungsverlust" << QStringList{};
        QTest::newRow("Escape") << 0 << "Escape" << QStringList{};
    }
    void okErstNachWahl() {
        QFETCH(int, eintrag);
        QFETCH(QString, weg);
        QFETCH(QStringList, antwort);
        auto d = frage(9, 19);
        klickeOk(d);
        QVERIFY(d->isVisible() && antworten_.isEmpty());
        waehle(liste(d), eintrag);
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        QCOMPARE(antworten_, antwort);
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
