// Report dialog: the list of those who play along, the report of the chosen slot, font and colours.
#include "ui/dialoge/frminfo.h"

#include <QComboBox>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>

#include "core/auswertung.h"
#include "core/bericht.h"
#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using ovi::test::teil;

namespace {

QString bericht(const Spielstand& s, int slot) {
    return QString::fromStdString(spielerInfo(s, slot)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString zeile(const QString& text, int nr) { return text.split(u'\n').value(nr - 1); }

// Three participants named "Anna" (slots 0, 2, 6; slot 0 does not play along) and "Bernd" in slot 4.
Spielstand doppelteNamen() {
    Spielstand s;
    s.setName(0, "Anna");
    s.setWMTipp(0, 1);
    const int mit[3] = {2, 4, 6};
    const char* namen[3] = {"Anna", "Bernd", "Anna"};
    const int tipps[3] = {5, 8, 7};
    for (int i = 0; i < 3; ++i) {
        s.setName(mit[i], namen[i]);
        s.setSpieltMit(mit[i], true);
        s.setWMTipp(mit[i], tipps[i]);
    }
    s.spiele[0].aus = 1;
    s.spiele[0].ergHeim = 2;
    s.spiele[0].ergAus = 1;
    s.spiele[0].auswerten = true;
    s.tipps(6, 0, 0) = 2;
    s.tipps(6, 0, 1) = 1;
    werteKomplettAus(s);
    return s;
}

}  // namespace

class FrmInfoTest : public QObject {
    Q_OBJECT

    QWidget haupt_;

    QPointer<frmInfo> oeffne(const Spielstand& s) {
        auto* d = new frmInfo(s, &haupt_);
        d->show();
        return d;
    }

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void listeUndErsterBericht() {
        const Spielstand s = doppelteNamen();
        auto d = oeffne(s);
        QCOMPARE(d->windowTitle(), QStringLiteral("Spielerinformationen"));
        auto* liste = teil<QComboBox>(d, QStringLiteral("cmbSpieler"));
        QCOMPARE(liste->count(), 3);
        QCOMPARE(liste->itemText(0), QStringLiteral("Anna"));
        QCOMPARE(liste->itemText(1), QStringLiteral("Bernd"));
        QCOMPARE(liste->itemText(2), QStringLiteral("Anna"));
        QCOMPARE(liste->currentIndex(), -1);
        QCOMPARE(liste->placeholderText(), QStringLiteral("Spieler"));
        // Not slot 0, which shares the name but does not play along.
        const QString text = teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"))->toPlainText();
        QCOMPARE(text, bericht(s, 2));
        QCOMPARE(zeile(text, 3), QStringLiteral("  Weltmeister-Tipp: Paraguay"));
        delete d;
    }

    void waehltSlotDesEintrags_data() {
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("wmZeile");
        QTest::newRow("erste Anna") << 0 << 2 << QStringLiteral("  Weltmeister-Tipp: Paraguay");
        QTest::newRow("Bernd") << 1 << 4 << QStringLiteral("  Weltmeister-Tipp: Argentinien");
        QTest::newRow("zweite Anna") << 2 << 6 << QStringLiteral("  Weltmeister-Tipp: Schweden");
    }

    void waehltSlotDesEintrags() {
        QFETCH(int, eintrag);
        QFETCH(int, slot);
        QFETCH(QString, wmZeile);
        const Spielstand s = doppelteNamen();
        auto d = oeffne(s);
        auto* liste = teil<QComboBox>(d, QStringLiteral("cmbSpieler"));
        // Start from another entry, so a report that does not change would show.
        test::waehle(liste, (eintrag + 1) % 3);
        test::waehle(liste, eintrag);
        const QString text = teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"))->toPlainText();
        QCOMPARE(text, bericht(s, slot));
        QCOMPARE(zeile(text, 3), wmZeile);
        QVERIFY(d->isVisible());  // the list popup is the dialog's own, not another window
        delete d;
    }

    void treffendeAnnaHatIhrenTreffer() {
        const Spielstand s = doppelteNamen();
        auto d = oeffne(s);
        test::waehle(teil<QComboBox>(d, QStringLiteral("cmbSpieler")), 2);
        const QString text = teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"))->toPlainText();
        QVERIFY(text.contains(QStringLiteral("  Die richtigen Tipps [1x]")));
        delete d;
    }

    void niemandSpieltMit() {
        Spielstand s;
        s.setName(0, "Anna");
        auto d = oeffne(s);
        QCOMPARE(teil<QComboBox>(d, QStringLiteral("cmbSpieler"))->count(), 0);
        QCOMPARE(teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"))->toPlainText(), QString());
        delete d;
    }

    void fehlerhafterTippLaesstDialogBenutzbar() {
        Spielstand s = doppelteNamen();
        s.spieler[2].weltmeisterTipp = 40;  // no team: the report is refused
        auto d = oeffne(s);
        auto* text = teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"));
        QCOMPARE(text->toPlainText(), QString());
        test::waehle(teil<QComboBox>(d, QStringLiteral("cmbSpieler")), 1);
        QCOMPARE(text->toPlainText(), bericht(s, 4));
        test::waehle(teil<QComboBox>(d, QStringLiteral("cmbSpieler")), 0);
        QCOMPARE(text->toPlainText(), bericht(s, 4));
        delete d;
    }

    void schriftUndFarbe() {
        Spielstand s;
        auto d = oeffne(s);
        auto* text = teil<QPlainTextEdit>(d, QStringLiteral("txtInfo"));
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QCOMPARE(text->font().pointSizeF(), 9.75);
        QCOMPARE(text->palette().color(QPalette::Base), QColor(255, 255, 192));
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        delete d;
    }

    void verschwindetBeiAktivierungsverlust() {
        const Spielstand s = doppelteNamen();
        auto d = oeffne(s);
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(d.isNull());
    }

    void escapeSchliesst() {
        const Spielstand s = doppelteNamen();
        auto d = oeffne(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::keyClick(teil<QComboBox>(d, QStringLiteral("cmbSpieler")), Qt::Key_Escape);
        QTRY_VERIFY(d.isNull());
    }
};

QTEST_MAIN(FrmInfoTest)
#include "frminfo_test.moc"
