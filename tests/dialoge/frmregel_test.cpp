// Own-rule dialog: what it loads, the key filter, colour buttons, bonus switch, confirm and discard.
#include "frmregel.h"

#include "dialogtest.h"
#include "ziffernfeld.h"
#include "farben.h"

namespace {

QLineEdit* punkte(QWidget* d, int i) { return teil<QLineEdit>(d, "txtNeuModus_%1", i); }
QLabel* label(QWidget* d, const char* name, int i) { return teil<QLabel>(d, QLatin1String(name) + "_%1", i); }
QLineEdit* bonus(QWidget* d) { return teil<QLineEdit>(d, "txtBonus"); }
QCheckBox* haken(QWidget* d) { return teil<QCheckBox>(d, "chkBonus"); }
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
        t += QString::number(s.getModusPunkte(i)) + u' ' + farben::aus(s.getModusFarbe(i)).name() + u' ';
    return t + QStringLiteral("Bonus %1 %2, sonst %3")
                   .arg(QString::number(s.getBonuspunkte()), s.getBonus() ? "an" : "aus",
                        farben::aus(s.getModusFarbe(3)).name());
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
    // The row titles with their examples show whole, and the columns begin to their right.
    void zeilentitelGanz() {
        Spielstand s;
        auto d = bearbeite(s);
        const QString soll[3] = {
            "Punkte bei komplett richtigem Tipp" + QString(46, u' ') + "( Ergebnis 3:0, Tipp 3:0)",
            "Punkte bei richtiger Vorhersage der Höhe des Sieges" + QString(17, u' ') + "(Ergebnis 3:0, Tipp 4:1)",
            "Punkte bei richtig getippter Tendenz" + QString(30, u' ') + "(Ergebnis 3:0, Tipp 2:1)"};
        for (int i = 0; i < 3; ++i) {
            QLabel* l = label(d, "lblText", i);
            QCOMPARE(l->text(), soll[i]);
            QVERIFY2(l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width(), qPrintable(soll[i]));
            QVERIFY(l->geometry().right() < label(d, "lblModus", 0)->geometry().left());
        }
        QVERIFY(d->rect().contains(teil<QPushButton>(d, "cmdOK")->geometry()));
    }

    // Digits and Backspace pass, every other key code becomes "0"; a text counts by its leading number, halves
    // rounded to the even neighbour.
    void zifferUndTextWert() {
        QString ziffern, werte;
        for (int c : {8, 48, 57, 0, 13, 27, 47, 58, 120, 228}) ziffern += QString::number(pruefeZiffer(c)) + u' ';
        QCOMPARE(ziffern, QStringLiteral("8 48 57 48 48 48 48 48 48 48 "));
        for (const char* t : {"", "7", "12", "  3", "4x2", "x4", "2.5", "3.5", "-1.5", "6.7"})
            werte += QString::number(textWert(QString::fromLatin1(t))) + u' ';
        QCOMPARE(werte, QStringLiteral("0 7 12 3 4 0 2 4 -2 7 "));
    }

    void laedtUndFiltert() {
        Spielstand s;  // the start state has the 3-2-1 rule in force
        auto d = bearbeite(s);
        QCOMPARE(anzeige(d), QStringLiteral("3 #ff0000 2 #fafa90 1 #30be30 Bonus 0 aus gesperrt"));
        // Beside it the built-in rules "3-2-1", "3-Pkt" and "2-Pkt": the points they award, in the palette's shades.
        QString fest;
        for (int k = 0; k < 9; ++k)
            fest += label(d, "lblPunkteMod", k)->text() + u' ' + farbe(label(d, "lblFarbeFest", k)) + u' ';
        QCOMPARE(fest,
                 QStringLiteral(
                     "3 #f71919 3 #f71919 2 #f71919 2 #fafa7c 1 #30be30 1 #30be30 1 #30be30 1 #30be30 1 #30be30 "));
        // 12 is longer than the field takes by typing and shown whole all the same; the colour is off the palette.
        s.setModusPunkte(0, 7);
        s.setModusPunkte(1, 12);
        s.setModusFarbe(2, rgb(1, 2, 3));
        s.setBonuspunkte(25);
        s.setBonus(true);
        d = bearbeite(s);
        QCOMPARE(anzeige(d), QStringLiteral("7 #ff0000 12 #fafa90 1 #010203 Bonus 25 an frei"));
        // The key filter, one case to a row, with the bonus on so that its field takes keys.
        const std::tuple<const char*, QLineEdit*, const char*, const char*, const char*> faelle[] = {
            {"Buchstabe ins leere Feld", punkte(d, 1), "", "x", "0"},
            {"Ziffer ersetzt", punkte(d, 1), "3", "7", "7"},
            {"zweite Ziffer ersetzt", punkte(d, 1), "", "59", "9"},
            {"Zeichen ersetzt", punkte(d, 1), "4", "-", "0"},
            {"Umlaut", punkte(d, 1), "4", "ü", "0"},
            {"Return tippt 0", punkte(d, 1), "5", "\r", "0"},
            {"Bonus höchstens zwei", bonus(d), "", "123", "12"},
            {"Bonus Buchstaben", bonus(d), "", "a7", "07"}};
        for (const auto& [fall, feld, vorher, getippt, steht] : faelle) {
            feld->setText(QLatin1String(vorher));
            feld->setCursorPosition(0);
            feld->setFocus();
            tippe(feld, QString::fromUtf8(getippt));
            QCOMPARE(QString::fromUtf8(fall) + ": " + feld->text(), QString::fromUtf8(fall) + ": " + steht);
        }
        punkte(d, 0)->clear();
        punkte(d, 0)->insert(QStringLiteral("52"));
        QCOMPARE(punkte(d, 0)->text(), QString());  // pasted text is held to one digit too
        klicke(haken(d));
        const QString aus = anzeige(d);
        klicke(haken(d));
        QCOMPARE(aus.right(12) + u'/' + anzeige(d).right(7), QStringLiteral("aus gesperrt/an frei"));
    }

    // "ok" stores what was typed and chosen, the bonus value also while the bonus is off; leaving stores nothing.
    void speichertNurBeiOk_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<bool>("bonusAn");
        QTest::addColumn<QString>("gespeichert");  // empty: as before
        QTest::newRow("Bonus an") << "ok" << true << "5 #fafa7c 0 #f71919 9 #30be30 Bonus 12 an, sonst #ffffff";
        QTest::newRow("Bonus aus") << "ok" << false << "5 #fafa7c 0 #f71919 9 #30be30 Bonus 7 aus, sonst #ffffff";
        QTest::newRow("Aktivierungsverlust") << "Aktivierungsverlust" << true << QString();
        QTest::newRow("Escape") << "Escape" << true << QString();
    }
    void speichertNurBeiOk() {
        QFETCH(QString, weg);
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
        QStringList soll = {"#ff0000", "#fafa90", "#30be30"};
        for (int k : {0, 2, 1, 4, 5, 3, 6, 7, 8}) {
            klicke(label(d, "lblFarbAlt", k));
            soll[k / 3] = palette[k % 3];
            QCOMPARE(anzeige(d), QStringLiteral("5 %1  %2 9 %3 Bonus 7 aus gesperrt").arg(soll[0], soll[1], soll[2]));
        }
        if (bonusAn) {
            klicke(haken(d));
            klicke(bonus(d));
            QTRY_COMPARE(bonus(d)->selectedText(), QStringLiteral("7"));  // entering the field selects it for typing
            tippe(bonus(d), QStringLiteral("12"));
        }
        QCOMPARE(stand(s), vorher);  // nothing stored before "ok"
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        // Stored before the evaluation starts, and only once.
        QCOMPARE(beimAufruf_, gespeichert.isEmpty() ? QStringList() : QStringList{gespeichert});
        QCOMPARE(stand(s), gespeichert.isEmpty() ? vorher : gespeichert);
    }
};

QTEST_MAIN(FrmRegelTest)
#include "frmregel_test.moc"
