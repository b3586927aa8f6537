// Report dialog: the list of those who play along, the report of the chosen slot, a fixed-pitch font.
#include "frminfo.h"

#include <QFontInfo>
#include <QRegularExpression>

#include "auswertung.h"
#include "bericht.h"
#include "dialogtest.h"

namespace {

QString bericht(const Spielstand& s, int slot) {
    return QString::fromStdString(mitSpalten(spielerInfo(s, slot)))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
QComboBox* liste(QWidget* d) { return teil<QComboBox>(d, "cmbSpieler"); }

// "Anna" in slots 0, 2 and 6 (slot 0 does not play along), "Bernd" in slot 4; slot 6 tipped the one evaluated match
// right.
Spielstand doppelteNamen() {
    Spielstand s;
    s.spieler[0] = Spieler{"Anna", 1, false};
    s.spieler[2] = Spieler{"Anna", 5, true};
    s.spieler[4] = Spieler{"Bernd", 8, true};
    s.spieler[6] = Spieler{"Anna", 7, true};
    s.spiele[0].aus = 1, s.spiele[0].ergHeim = 2, s.spiele[0].ergAus = 1, s.spiele[0].auswerten = true;
    s.tipps(6, 0, 0) = 2;
    s.tipps(6, 0, 1) = 1;
    werteKomplettAus(s);
    return s;
}

}  // namespace

class FrmInfoTest : public DialogTest {
    Q_OBJECT

    const Spielstand s_ = doppelteNamen();

  private slots:
    // Starts with the first who plays along, not slot 0 that shares the name; then the report of the slot that
    // goes with each entry, each chosen after another one, so a report that does not change would show. Leaving
    // closes it.
    void berichtDesGewaehltenSlots_data() { wege({"Aktivierungsverlust", "Escape"}); }
    void berichtDesGewaehltenSlots() {
        QFETCH(QString, weg);
        auto d = oeffne<frmInfo>(s_);
        // The list's hint, no choice, the entries.
        QCOMPARE(
            QStringList({liste(d)->placeholderText(), QString::number(liste(d)->currentIndex())}) + eintraege(liste(d)),
            QStringList({"Spieler", "-1", "Anna", "Bernd", "Anna"}));
        QCOMPARE(inhalt(d, "txtInfo"), bericht(s_, 2));
        QVERIFY(QFontInfo(teil<QPlainTextEdit>(d, "txtInfo")->font()).fixedPitch());  // for the columns
        for (auto [eintrag, slot, team] : {std::tuple{1, 4, "Argentinien"}, {2, 6, "Schweden"}, {0, 2, "Paraguay"}}) {
            waehle(liste(d), eintrag);
            QCOMPARE(inhalt(d, "txtInfo"), bericht(s_, slot));
            QCOMPARE(inhalt(d, "txtInfo").split(u'\n').value(2), QStringLiteral("  Weltmeister-Tipp: ") + team);
        }
        QVERIFY(d->isVisible());  // the list popup is the dialog's own, not another window
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
    }

    // On the screen every number stands in a column: the totals, the three categories and the 32 teams at one x,
    // the results of the 64 matches at another. Numbers in brackets belong to their heading.
    void spaltenStehenUntereinander() {
        auto d = oeffne<frmInfo>(s_);
        const QFontMetrics schrift(teil<QPlainTextEdit>(d, "txtInfo")->font());
        QMap<int, int> anfaenge;  // x of a line's first digit: number of lines
        for (const QString& z : inhalt(d, "txtInfo").split(u'\n')) {
            const qsizetype i = z.indexOf(QRegularExpression(QStringLiteral("[0-9]")));
            if (i > 0 && z[i - 1] != u'[' && !z.trimmed().startsWith(u'['))
                ++anfaenge[schrift.horizontalAdvance(z.left(i))];
        }
        const QMap<int, int> soll = {{schrift.horizontalAdvance(QString(27, u' ')), 4 + 3 + 32},
                                     {schrift.horizontalAdvance(QString(53, u' ')), 64}};
        QCOMPARE(anfaenge, soll);
    }

    // No one plays along: an empty list and no report. A tip that is no team: that report is refused, the old
    // one stays, the dialog usable.
    void ohneBericht() {
        Spielstand s;
        s.setName(0, "Anna");
        auto d = oeffne<frmInfo>(s);
        QCOMPARE(liste(d)->count(), 0);
        QCOMPARE(inhalt(d, "txtInfo"), QString());
        s = s_;
        s.spieler[2].weltmeisterTipp = 40;
        d = oeffne<frmInfo>(s);
        QCOMPARE(inhalt(d, "txtInfo"), QString());
        waehle(liste(d), 1);
        QCOMPARE(inhalt(d, "txtInfo"), bericht(s, 4));
        waehle(liste(d), 0);
        QCOMPARE(inhalt(d, "txtInfo"), bericht(s, 4));
    }
};

QTEST_MAIN(FrmInfoTest)
#include "frminfo_test.moc"
