// List of bonus winners: the whole text for marked winners, built when shown; "ok" and leaving close it.
#include "frmwmauswerten.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "dialogtest.h"

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

  private slots:
    // The whole text from the state when the dialog is first shown, not when it is made or shown again; then the
    // way the dialog is closed. One case to a row.
    void ganzerText() {
        Spielstand s;  // the dialog keeps a reference
        for (auto [p, name] :
             {std::pair{0, "Anna"}, {1, "Bernd"}, {2, "Carla"}, {3, "Jürgen"}, {4, "Zoë"}, {24, "Yvonne"}})
            s.setName(p, name);
        const std::tuple<const char*, int, QList<int>, QString, const char*> faelle[] = {
            {"niemand", 10, {}, "", "ok"},
            {"zwei", 15, {1, 3}, ein + "Bernd" + ein + "Jürgen", "Aktivierungsverlust"},
            {"erster und letzter Slot", 7, {0, 4, 24}, ein + "Anna" + ein + "Zoë" + ein + "Yvonne", "Escape"},
            {"leerer Name", 0, {10}, ein, "ok"}};
        for (const auto& [fall, bonus, sieger, namen, weg] : faelle) {
            s.setBonuspunkte(bonus + 5);
            QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
            for (int p : sieger) d->setWinner(p, true);
            s.setBonuspunkte(bonus);
            d->show();
            const QString soll = fall + kopf(bonus) + namen;
            QCOMPARE(fall + inhalt(d, "txtBonuspunkte"), soll);
            d->setWinner(2, true);
            d->hide();
            d->show();
            QCOMPARE(fall + inhalt(d, "txtBonuspunkte"), soll);
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(25, true));
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(-1, true));
            QVERIFY2(verlasse(d, weg), fall);
            QTRY_VERIFY2(d.isNull(), fall);
        }
    }

    // The heading stays on one line for every bonus of up to two digits, also beside the scroll bar that a list
    // of all 25 participants brings.
    void kopfInEinerZeile() {
        Spielstand s;
        for (int p = 0; p < katalog::anzahlSpieler; ++p) s.setName(p, "Hans-Joachim");
        QStringList umbrochen;
        for (int bonus : {0, 7, 10, 48, 99})
            for (bool alle : {false, true}) {
                s.setBonuspunkte(bonus);
                QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
                for (int p = 0; p < katalog::anzahlSpieler; ++p) d->setWinner(p, alle);
                d->show();
                auto* kasten = teil<QPlainTextEdit>(d, "txtBonuspunkte");
                QTRY_VERIFY(kasten->document()->findBlockByNumber(1).layout()->lineCount() > 0);
                QCOMPARE(kasten->verticalScrollBar()->isVisible(), alle);
                for (int b = 0; b < kasten->document()->blockCount(); ++b)
                    if (kasten->document()->findBlockByNumber(b).layout()->lineCount() > 1)
                        umbrochen << QStringLiteral("%1 %2: %3").arg(bonus).arg(alle).arg(b);
                delete d;
            }
        QCOMPARE(umbrochen, QStringList{});
    }
};

QTEST_MAIN(FrmWMAuswertenTest)
#include "frmwmauswerten_test.moc"
