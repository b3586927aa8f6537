// Own-rule dialog: what it loads, the key filter, colour buttons, bonus switch, confirm and discard.
#include "ui/dialoge/frmregel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "core/auswertung.h"
#include "tests/dialoge/dialogtest.h"
#include "ui/dialoge/ziffernfeld.h"

using namespace ovi;
using namespace ovi::test;

namespace {

QLineEdit* punkte(QWidget* d, int i) { return teil<QLineEdit>(d, QStringLiteral("txtNeuModus_%1").arg(i)); }
QLabel* label(QWidget* d, const char* name, int i) {
    return teil<QLabel>(d, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
}
QLineEdit* bonus(QWidget* d) { return teil<QLineEdit>(d, QStringLiteral("txtBonus")); }
QCheckBox* haken(QWidget* d) { return teil<QCheckBox>(d, QStringLiteral("chkBonus")); }
QString farbe(const QWidget* w) { return w->palette().color(QPalette::Window).name(); }

// The own rule as the dialog shows it: points and colour of each hit category, the bonus and its field.
QString anzeige(QWidget* d) {
    QString t;
    for (int i = 0; i < 3; ++i) t += punkte(d, i)->text() + u' ' + farbe(label(d, "lblFarbWahl", i)) + u' ';
    return t + QStringLiteral("Bonus %1 %2 %3")
                   .arg(bonus(d)->text(), haken(d)->isChecked() ? "an" : "aus",
                        bonus(d)->isEnabled() ? "frei" : "gesperrt");
}
// The same as the game state holds it, with the colour for "no hit" that the dialog must leave alone.
QString stand(const Spielstand& s) {
    QString t;
    for (int i = 0; i < 3; ++i)
        t += QString::number(s.getModusPunkte(i)) + u' ' + dialog::farbe(s.getModusFarbe(i)).name() + u' ';
    return t + QStringLiteral("Bonus %1 %2, sonst %3")
                   .arg(QString::number(s.getBonuspunkte()), s.getBonus() ? "an" : "aus",
                        dialog::farbe(s.getModusFarbe(3)).name());
}

}  // namespace

class FrmRegelTest : public DialogTest {
    Q_OBJECT

    QStringList beimAufruf_;  // the game state each time the evaluation is started

    QPointer<frmRegel> bearbeite(Spielstand& s) {
        beimAufruf_.clear();
        return oeffne<frmRegel>(s, [this, &s] { beimAufruf_ << stand(s); });
    }

  private slots:
    void zifferUndTextWert() {
        // Digits and Backspace pass, every other key code becomes "0".
        for (int c : {8, 48, 57}) QVERIFY2(pruefeZiffer(c) == c, qPrintable(QString::number(c)));
        for (int c : {0, 13, 27, 47, 58, 120, 228}) QVERIFY2(pruefeZiffer(c) == 48, qPrintable(QString::number(c)));
        // The leading number, halves rounded to the even neighbour.
        const std::pair<const char*, long long> texte[] = {{"", 0},   {"7", 7},   {"12", 12}, {"  3", 3},   {"4x2", 4},
                                                           {"x4", 0}, {"2.5", 2}, {"3.5", 4}, {"-1.5", -2}, {"6.7", 7}};
        for (auto [text, soll] : texte) QVERIFY2(textWert(QString::fromLatin1(text)) == soll, text);
    }

    void laedt() {
        Spielstand s;  // the start state has the 3-2-1 rule in force
        auto d = bearbeite(s);
        QCOMPARE(anzeige(d), QStringLiteral("3 #ff0000 2 #fafa90 1 #30be30 Bonus 0 aus gesperrt"));
        // Beside it the built-in rules "3-2-1", "3-Pkt" and "2-Pkt": the points they award, in the palette's shades.
        QString gezeigt, vergeben, farben;
        for (int k = 0; k < 9; ++k) {
            Spielstand r;
            setzeEingebauteRegel(r, 3 - k % 3);
            gezeigt += label(d, "lblPunkteMod", k)->text() + u' ';
            vergeben += QString::number(r.getModusPunkte(k / 3)) + u' ';
            farben += farbe(label(d, "lblFarbeFest", k)) + u' ';
        }
        QCOMPARE(gezeigt, vergeben);
        QCOMPARE(farben, QStringLiteral("#f71919 #f71919 #f71919 #fafa7c #30be30 #30be30 #30be30 #30be30 #30be30 "));
        // 12 is longer than the field takes by typing and shown whole all the same; the colour is off the palette.
        s.setModusPunkte(0, 7);
        s.setModusPunkte(1, 12);
        s.setModusFarbe(2, rgb(1, 2, 3));
        s.setBonuspunkte(25);
        s.setBonus(true);
        d = bearbeite(s);
        QCOMPARE(anzeige(d), QStringLiteral("7 #ff0000 12 #fafa90 1 #010203 Bonus 25 an frei"));
    }

    void tastenfilter() {
        Spielstand s;
        s.setBonus(true);
        auto d = bearbeite(s);
        struct Fall {
            const char *fall, *feld, *vorher, *getippt, *steht;
        };
        const Fall faelle[] = {{"Buchstabe ins leere Feld", "txtNeuModus_1", "", "x", "0"},
                               {"Ziffer ersetzt", "txtNeuModus_1", "3", "7", "7"},
                               {"zweite Ziffer ersetzt", "txtNeuModus_1", "", "59", "9"},
                               {"Zeichen ersetzt", "txtNeuModus_1", "4", "-", "0"},
                               {"Umlaut", "txtNeuModus_1", "4", "ü", "0"},
                               {"Return tippt 0", "txtNeuModus_1", "5", "\r", "0"},
                               {"Bonus höchstens zwei", "txtBonus", "", "123", "12"},
                               {"Bonus Buchstaben", "txtBonus", "", "a7", "07"}};
        for (const Fall& f : faelle) {
            auto* feld = teil<QLineEdit>(d, QLatin1String(f.feld));
            feld->setText(QLatin1String(f.vorher));
            feld->setCursorPosition(0);
            feld->setFocus();
            tippe(feld, QString::fromUtf8(f.getippt));
            QCOMPARE(QString::fromUtf8(f.fall) + ": " + feld->text(), QString::fromUtf8(f.fall) + ": " + f.steht);
        }
        QLineEdit* f = punkte(d, 0);
        QTest::keyClick(f, Qt::Key_End);
        QTest::keyClick(f, Qt::Key_Backspace);
        QCOMPARE(f->text(), QString());
        f->insert(QStringLiteral("52"));
        QCOMPARE(f->text(), QString());  // pasted text is held to one digit too
        klicke(haken(d));
        QVERIFY(anzeige(d).endsWith(QStringLiteral("aus gesperrt")));
        klicke(haken(d));
        QVERIFY(anzeige(d).endsWith(QStringLiteral("an frei")));
    }

    // "ok" stores what was typed and chosen; the bonus value also while the bonus is off.
    void okSchreibtRegel_data() {
        QTest::addColumn<bool>("bonusAn");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("Bonus an") << true << "5 #fafa7c 0 #f71919 9 #30be30 Bonus 12 an, sonst #ffffff";
        QTest::newRow("Bonus aus") << false << "5 #fafa7c 0 #f71919 9 #30be30 Bonus 7 aus, sonst #ffffff";
    }
    void okSchreibtRegel() {
        QFETCH(bool, bonusAn);
        QFETCH(QString, gespeichert);
        Spielstand s;
        s.setBonuspunkte(7);
        const QString vorher = stand(s);
        auto d = bearbeite(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        klicke(punkte(d, 0));
        tippe(punkte(d, 0), QStringLiteral("5"));
        klicke(punkte(d, 1));
        QTest::keyClick(punkte(d, 1), Qt::Key_End);
        QTest::keyClick(punkte(d, 1), Qt::Key_Backspace);  // an empty field gives 0 points
        klicke(punkte(d, 2));
        tippe(punkte(d, 2), QStringLiteral("9"));
        // Each colour button gives its row its palette colour and leaves the other rows alone.
        const QString palette[3] = {"#f71919", "#fafa7c", "#30be30"};
        QStringList soll = {"#ff0000", "#fafa90", "#30be30"}, ist;
        for (int k : {0, 2, 1, 4, 5, 3, 6, 7, 8}) {
            klicke(label(d, "lblFarbAlt", k));
            soll[k / 3] = palette[k % 3];
            ist = {farbe(label(d, "lblFarbWahl", 0)), farbe(label(d, "lblFarbWahl", 1)),
                   farbe(label(d, "lblFarbWahl", 2))};
            QCOMPARE(ist, soll);
        }
        if (bonusAn) {
            klicke(haken(d));
            klicke(bonus(d));
            QTRY_COMPARE(bonus(d)->selectedText(), QStringLiteral("7"));  // entering the field selects it for typing
            tippe(bonus(d), QStringLiteral("12"));
        }
        QCOMPARE(stand(s), vorher);  // nothing stored before "ok"
        klickeOk(d);
        QCOMPARE(beimAufruf_, QStringList{gespeichert});  // stored before the evaluation starts, and only once
        QCOMPARE(stand(s), gespeichert);
        QTRY_VERIFY(d.isNull());
    }

    void verwirftBeimVerlassen_data() { wegeHinaus(); }
    void verwirftBeimVerlassen() {
        QFETCH(QString, weg);
        Spielstand s;
        const QString vorher = stand(s);
        auto d = bearbeite(s);
        klicke(label(d, "lblFarbAlt", 4));
        klicke(haken(d));
        klicke(punkte(d, 0));
        tippe(punkte(d, 0), QStringLiteral("8"));
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        QCOMPARE(stand(s), vorher);
        QVERIFY(beimAufruf_.isEmpty());
    }
};

QTEST_MAIN(FrmRegelTest)
#include "frmregel_test.moc"
