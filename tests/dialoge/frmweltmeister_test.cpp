// Champion question after a drawn final: the two finalists, "ok" only after a choice, discard on leaving.
#include "ui/dialoge/frmweltmeister.h"

#include "tests/dialoge/dialogtest.h"

class FrmWeltmeisterTest : public DialogTest {
    Q_OBJECT

  private slots:
    // The finalists of the match in slot 63 (an empty list if one is no team, the dialog still usable); "ok"
    // answers only after a choice, leaving discards the choice.
    void fragtNachFinalisten_data() {
        QTest::addColumn<int>("heim");
        QTest::addColumn<int>("aus");
        QTest::addColumn<QStringList>("finalisten");
        QTest::addColumn<int>("eintrag");  // -1: none chosen
        QTest::addColumn<QString>("weg");
        QTest::addColumn<QStringList>("antwort");
        const QStringList efl = {"Elfenbeinküste", "Tschechische Republik"};
        QTest::newRow("Heim") << 8 << 20 << QStringList{"Argentinien", "Brasilien"} << 0 << "ok"
                              << QStringList{"Argentinien"};
        QTest::newRow("Gast") << 9 << 19 << efl << 1 << "ok" << QStringList{"Tschechische Republik"};
        QTest::newRow("unbekannt") << 32 << 0 << QStringList{"unbekannt", "Deutschland"} << 0 << "ok"
                                   << QStringList{"unbekannt"};
        QTest::newRow("Aktivierungsverlust") << 9 << 19 << efl << 1 << "Aktivierungsverlust" << QStringList{};
        QTest::newRow("Escape") << 9 << 19 << efl << 0 << "Escape" << QStringList{};
        QTest::newRow("kein Team") << 0 << 50 << QStringList{} << -1 << "Escape" << QStringList{};
    }
    void fragtNachFinalisten() {
        QFETCH(int, heim);
        QFETCH(int, aus);
        QFETCH(QStringList, finalisten);
        QFETCH(int, eintrag);
        QFETCH(QString, weg);
        QFETCH(QStringList, antwort);
        Spielstand s;
        s.spiele[63] = Spiel{.heim = Integer(heim), .aus = Integer(aus)};
        QStringList antworten;
        auto d =
            oeffne<frmWeltmeister>(s, [&antworten](const std::string& t) { antworten << QString::fromStdString(t); });
        auto* liste = teil<QComboBox>(d, "cmbWeltmeister");  // the question, the list's hint, no choice, the finalists
        QCOMPARE(QStringList({teil<QLabel>(d, "lblWeltmeister")->text(), liste->placeholderText(),
                              QString::number(liste->currentIndex())}) +
                     eintraege(liste),
                 QStringList({"Wer wurde Weltmeister?", " Weltmeister", "-1"}) + finalisten);
        klickeOk(d);
        QVERIFY(d->isVisible() && antworten.isEmpty());
        if (eintrag >= 0) waehle(liste, eintrag);
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        QCOMPARE(antworten, antwort);
    }
};

QTEST_MAIN(FrmWeltmeisterTest)
#include "frmweltmeister_test.moc"
