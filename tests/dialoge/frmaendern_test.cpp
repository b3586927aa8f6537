// Player editor: load, confirm, discard, the name limits and the layout rules.
#include "ui/dialoge/frmaendern.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using namespace ovi::test;

namespace {

QLineEdit* name(QWidget* d, int p) { return teil<QLineEdit>(d, QStringLiteral("txtName_%1").arg(p)); }
QComboBox* tipp(QWidget* d, int p) { return teil<QComboBox>(d, QStringLiteral("cmbWMTipp_%1").arg(p)); }
QCheckBox* mit(QWidget* d, int p) { return teil<QCheckBox>(d, QStringLiteral("chkSpieltMit_%1").arg(p)); }

// Every row as "name|tip|plays along", as the dialog shows it or as the game state holds it.
QString zeile(const QString& n, int t, bool m) { return QStringLiteral("%1|%2|%3").arg(n).arg(t).arg(int(m)); }
QStringList zeilen(QWidget* d) {
    QStringList l;
    for (int p = 0; p < 25; ++p) l << zeile(name(d, p)->text(), tipp(d, p)->currentIndex(), mit(d, p)->isChecked());
    return l;
}
QStringList zeilen(const Spielstand& s) {
    QStringList l;
    for (const Spieler& x : s.spieler) l << zeile(QString::fromStdString(x.name), x.weltmeisterTipp, x.spieltMit);
    return l;
}

}  // namespace

class FrmAendernTest : public DialogTest {
    Q_OBJECT

    QList<QStringList> beimAufruf_;  // the rows of the game state each time the callback runs

    QPointer<frmAendern> bearbeite(Spielstand& s) {
        beimAufruf_.clear();
        return oeffne<frmAendern>(s, [this, &s] { beimAufruf_ << zeilen(s); });
    }

  private slots:
    void laedtZeilen() {
        Spielstand s;  // rows left alone: no name, the first team, not playing along
        s.spieler[0] = Spieler{"Anna", 31, true};
        s.spieler[7] = Spieler{"Jürgen", 9, false};
        s.spieler[24] = Spieler{"Zoë", -1, true};
        auto d = bearbeite(s);
        QStringList erwartet(25, QStringLiteral("|0|0"));
        erwartet[0] = QStringLiteral("Anna|31|1");
        erwartet[7] = QStringLiteral("Jürgen|9|0");
        erwartet[24] = QStringLiteral("Zoë|-1|1");
        QCOMPARE(zeilen(d), erwartet);
        QCOMPARE(tipp(d, 24)->placeholderText(), QStringLiteral("WM-Tipp"));
        QStringList teams;  // list position is the team number
        for (int t = 0; t < 32; ++t) teams << QString::fromStdString(s.getNation(t));
        QCOMPARE(eintraege(tipp(d, 3)), teams);
        QCOMPARE(teams.first(), QStringLiteral("Deutschland"));
        delete d;
    }

    void layout() {
        Spielstand s;
        auto d = bearbeite(s);
        const auto nahe = [](int ist, double twips) { return std::abs(ist - twips / 15.0) <= 1.0; };
        const QRect kopf = teil<QLabel>(d, QStringLiteral("lblName"))->geometry();
        QVERIFY(nahe(name(d, 0)->y() - (kopf.y() + kopf.height()), 200));
        for (int p = 0; p < 25; ++p) {
            const QRect n = name(d, p)->geometry(), l = tipp(d, p)->geometry(), k = mit(d, p)->geometry();
            QVERIFY2(nahe(n.width(), 1215) && nahe(n.y() - name(d, 0)->y(), 360.0 * p) && l.y() == n.y() &&
                         k.y() == n.y() && nahe(l.x() - n.right() - 1, 200) &&
                         nahe(k.x() - n.right() - 1 - l.width(), 600),
                     qPrintable(QStringLiteral("row %1 out of place").arg(p)));
        }
        const QRect spalte = teil<QLabel>(d, QStringLiteral("lblSpieltMit"))->geometry();
        QVERIFY(std::abs(spalte.x() + spalte.width() / 2.0 - mit(d, 0)->x()) <= 1.0);
        const QRect ok = teil<QPushButton>(d, QStringLiteral("cmdOK"))->geometry(), letzte = mit(d, 24)->geometry();
        QVERIFY(nahe(ok.y() - name(d, 24)->y(), 200));
        QVERIFY(nahe(ok.x() - letzte.right() - 1, 300));
        QVERIFY(d->rect().contains(ok));
        delete d;
    }

    void okSchreibtAlles() {
        Spielstand s;
        s.spieler[0] = Spieler{"Anna", 3, true};
        s.spieler[1] = Spieler{"Bernd", 0, false};
        s.spieler[2].weltmeisterTipp = -1;
        QStringList erwartet = zeilen(s);
        erwartet[0] = QStringLiteral("Anna|3|0");
        erwartet[1] = QStringLiteral("Carla|31|1");
        erwartet[5] = QStringLiteral("Zoë|0|0");
        auto d = bearbeite(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        klicke(name(d, 1));
        QTRY_COMPARE(name(d, 1)->selectedText(), QStringLiteral("Bernd"));  // so typing replaces it
        tippe(name(d, 1), QStringLiteral("Carla"));
        klicke(mit(d, 1));
        klicke(mit(d, 0));
        waehle(tipp(d, 1), 31);
        klicke(name(d, 5));
        tippe(name(d, 5), QStringLiteral("Zoë"));
        QCOMPARE(s.getName(1), std::string("Bernd"));  // nothing is stored before "ok"
        klickeOk(d);
        QCOMPARE(beimAufruf_, QList<QStringList>{erwartet});  // every row stored before the callback, once
        QCOMPARE(zeilen(s), erwartet);
        QTRY_VERIFY(d.isNull());
    }

    void verwirftBeimVerlassen_data() { wegeHinaus(); }
    void verwirftBeimVerlassen() {
        QFETCH(QString, weg);
        Spielstand s;
        s.setName(3, "Dora");
        const QStringList vorher = zeilen(s);
        auto d = bearbeite(s);
        klicke(mit(d, 3));
        klicke(name(d, 3));
        tippe(name(d, 3), QStringLiteral("Egon"));
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        QCOMPARE(zeilen(s), vorher);
        QVERIFY(beimAufruf_.isEmpty());
    }

    // Typing stops at twelve characters and refuses what Windows-1252 cannot hold; pasted text is refused whole.
    void namensGrenzen_data() {
        QTest::addColumn<bool>("einfuegen");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("steht");
        QTest::newRow("zwölf Zeichen") << false << "ABCDEFGHIJKLMNO"
                                       << "ABCDEFGHIJKL";
        QTest::newRow("Umlaute zählen einfach") << false << "Jürgen Müller-Lüdenscheidt"
                                                << "Jürgen Mülle";
        QTest::newRow("Euro ja, ł nein") << false << "Zoë€ł"
                                         << "Zoë€";
        QTest::newRow("Œ und Ž aus 0x80..0x9F") << false << "Œ Ž š"
                                                << "Œ Ž š";
        QTest::newRow("Ő nicht") << false << "Győző"
                                 << "Gyz";
        QTest::newRow("außerhalb der BMP") << false << "A😀B"
                                           << "AB";
        QTest::newRow("chinesisch") << false << "中文"
                                    << "";
        QTest::newRow("eingefügt mit Ł") << true << "Łukasz"
                                         << "";
        QTest::newRow("eingefügt zu lang") << true << "Lukasz Kowalski"
                                           << "";
        QTest::newRow("eingefügt") << true << "Lukasz"
                                   << "Lukasz";
    }
    void namensGrenzen() {
        QFETCH(bool, einfuegen);
        QFETCH(QString, eingabe);
        QFETCH(QString, steht);
        Spielstand s;
        auto d = bearbeite(s);
        klicke(name(d, 2));
        if (einfuegen)
            name(d, 2)->insert(eingabe);
        else
            tippe(name(d, 2), eingabe);
        QCOMPARE(name(d, 2)->text(), steht);
        klickeOk(d);
        QCOMPARE(QString::fromStdString(s.getName(2)), steht);
    }

    // A longer name from the game state stays, and may only shrink.
    void langerNameBleibt() {
        Spielstand s;
        s.setName(0, "Maximilian Alexander");
        s.setName(1, "Friederike von Berg");
        auto d = bearbeite(s);
        QLineEdit* feld = name(d, 1);
        klicke(feld);
        QTest::keyClick(feld, Qt::Key_End);
        tippe(feld, QStringLiteral("x"));
        QTest::keyClick(feld, Qt::Key_Backspace);
        tippe(feld, QStringLiteral("y"));
        QCOMPARE(feld->text(), QStringLiteral("Friederike von Ber"));
        klickeOk(d);
        QCOMPARE(s.getName(0), std::string("Maximilian Alexander"));
        QCOMPARE(s.getName(1), std::string("Friederike von Ber"));
    }

    void tabGehtZeileFuerZeile() {
        Spielstand s;
        s.setName(4, "Heinrich");
        auto d = bearbeite(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        name(d, 3)->setFocus();
        for (QWidget* w : QList<QWidget*>{name(d, 3), tipp(d, 3), mit(d, 3)}) QTest::keyClick(w, Qt::Key_Tab);
        QVERIFY(name(d, 4)->hasFocus());
        QTRY_COMPARE(name(d, 4)->selectedText(), QStringLiteral("Heinrich"));
        delete d;
    }
};

QTEST_MAIN(FrmAendernTest)
#include "frmaendern_test.moc"
