// Player editor: load, confirm, discard, the name limits and the layout rules.
#include "ui/dialoge/frmaendern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "tests/dialoge/dialogtest.h"

using namespace ovi;
using ovi::test::teil;

class FrmAendernTest : public QObject {
    Q_OBJECT

    QWidget haupt_;
    int aufrufe_ = 0;

    QPointer<frmAendern> oeffne(Spielstand& s) {
        aufrufe_ = 0;
        auto* d = new frmAendern(
            s, [this] { ++aufrufe_; }, &haupt_);
        d->show();
        return d;
    }
    static QLineEdit* name(QWidget* d, int p) { return teil<QLineEdit>(d, QStringLiteral("txtName_%1").arg(p)); }
    static QComboBox* tipp(QWidget* d, int p) { return teil<QComboBox>(d, QStringLiteral("cmbWMTipp_%1").arg(p)); }
    static QCheckBox* mit(QWidget* d, int p) { return teil<QCheckBox>(d, QStringLiteral("chkSpieltMit_%1").arg(p)); }

  private slots:
    void initTestCase() {
        haupt_.setWindowTitle(QStringLiteral("Hauptfenster"));
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }

    void startZustand() {
        Spielstand s;
        auto d = oeffne(s);
        QCOMPARE(d->objectName(), QStringLiteral("frmÄndern"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Spielerdaten ändern"));
        QVERIFY(!d->isModal());
        for (int p = 0; p < 25; ++p) {
            QCOMPARE(name(d, p)->text(), QString());
            QCOMPARE(tipp(d, p)->currentText(), QStringLiteral("Deutschland"));
            QVERIFY(!mit(d, p)->isChecked());
        }
        QCOMPARE(name(d, 0)->palette().color(QPalette::Base), QColor(65, 152, 61));
        QCOMPARE(name(d, 0)->palette().color(QPalette::Text), QColor(255, 255, 255));
        delete d;
    }

    void laedtZeilen() {
        Spielstand s;
        s.setName(0, "Anna");
        s.setSpieltMit(0, true);
        s.setWMTipp(0, 31);
        s.setName(7, "Jürgen");
        s.setWMTipp(7, 9);
        s.setName(24, "Zoë");
        s.setSpieltMit(24, true);
        s.setWMTipp(24, -1);
        auto d = oeffne(s);
        QComboBox* liste = tipp(d, 3);
        QCOMPARE(liste->count(), 32);
        for (int t = 0; t < 32; ++t) QCOMPARE(liste->itemText(t), QString::fromStdString(s.getNation(t)));
        QCOMPARE(name(d, 0)->text(), QStringLiteral("Anna"));
        QCOMPARE(tipp(d, 0)->currentText(), QStringLiteral("Saudiarabien"));
        QVERIFY(mit(d, 0)->isChecked());
        QCOMPARE(name(d, 7)->text(), QStringLiteral("Jürgen"));
        QCOMPARE(tipp(d, 7)->currentIndex(), 9);
        QVERIFY(!mit(d, 7)->isChecked());
        QCOMPARE(name(d, 24)->text(), QStringLiteral("Zoë"));
        QCOMPARE(tipp(d, 24)->currentIndex(), -1);
        QCOMPARE(tipp(d, 24)->placeholderText(), QStringLiteral("WM-Tipp"));
        QVERIFY(mit(d, 24)->isChecked());
        delete d;
    }

    void layout() {
        Spielstand s;
        auto d = oeffne(s);
        const auto nahe = [](int ist, double twips) { return std::abs(ist - twips / 15.0) <= 1.0; };
        const QRect kopf = teil<QLabel>(d, QStringLiteral("lblName"))->geometry();
        QVERIFY(nahe(name(d, 0)->y() - (kopf.y() + kopf.height()), 200));
        for (int p = 0; p < 25; ++p) {
            const QRect n = name(d, p)->geometry(), l = tipp(d, p)->geometry(), k = mit(d, p)->geometry();
            QVERIFY(nahe(n.width(), 1215));
            QVERIFY(nahe(n.y() - name(d, 0)->y(), 360.0 * p));
            QCOMPARE(l.y(), n.y());
            QCOMPARE(k.y(), n.y());
            QVERIFY(nahe(l.x() - (n.x() + n.width()), 200));
            QVERIFY(nahe(k.x() - (n.x() + n.width()) - l.width(), 600));
        }
        const QRect spalte = teil<QLabel>(d, QStringLiteral("lblSpieltMit"))->geometry();
        QVERIFY(std::abs(spalte.x() + spalte.width() / 2.0 - mit(d, 0)->x()) <= 1.0);
        const QRect ok = teil<QPushButton>(d, QStringLiteral("cmdOK"))->geometry();
        const QRect letzte = mit(d, 24)->geometry();
        QVERIFY(nahe(ok.y() - name(d, 24)->y(), 200));
        QVERIFY(nahe(ok.x() - (letzte.x() + letzte.width()), 300));
        QVERIFY(d->rect().contains(ok));
        delete d;
    }

    void okSchreibtAlles() {
        Spielstand s;
        s.setName(0, "Anna");
        s.setSpieltMit(0, true);
        s.setWMTipp(0, 3);
        s.setName(1, "Bernd");
        s.setWMTipp(2, -1);
        auto erwartet = s.spieler;
        erwartet[0].spieltMit = false;
        erwartet[1] = Spieler{"Carla", 31, true};
        erwartet[5].name = "Zoë";

        // The callback checks that every row is stored before it runs.
        bool schonGeschrieben = false;
        aufrufe_ = 0;
        QPointer<frmAendern> d = new frmAendern(
            s,
            [&] {
                ++aufrufe_;
                schonGeschrieben = s.spieler == erwartet;
            },
            &haupt_);
        d->show();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::mouseClick(name(d, 1), Qt::LeftButton);
        QTRY_COMPARE(name(d, 1)->selectedText(), QStringLiteral("Bernd"));
        test::tippe(name(d, 1), QStringLiteral("Carla"));
        QTest::mouseClick(mit(d, 1), Qt::LeftButton);
        QTest::mouseClick(mit(d, 0), Qt::LeftButton);
        test::waehle(tipp(d, 1), 31);
        QTest::mouseClick(name(d, 5), Qt::LeftButton);
        test::tippe(name(d, 5), QStringLiteral("Zoë"));
        QCOMPARE(s.getName(1), std::string("Bernd"));  // nothing is stored before "ok"
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);

        QCOMPARE(aufrufe_, 1);
        QVERIFY(schonGeschrieben);
        for (int p = 0; p < 25; ++p) {
            QCOMPARE(QString::fromStdString(s.spieler[p].name), QString::fromStdString(erwartet[p].name));
            QCOMPARE(s.spieler[p].weltmeisterTipp, erwartet[p].weltmeisterTipp);
            QCOMPARE(s.spieler[p].spieltMit, erwartet[p].spieltMit);
        }
        QTRY_VERIFY(d.isNull());
    }

    void verwirftBeiAktivierungsverlust() {
        Spielstand s;
        s.setName(3, "Dora");
        const auto vorher = s.spieler;
        auto d = oeffne(s);
        QTest::mouseClick(name(d, 3), Qt::LeftButton);
        test::tippe(name(d, 3), QStringLiteral("Egon"));
        QTest::mouseClick(mit(d, 3), Qt::LeftButton);
        QVERIFY(test::entziehe(d, &haupt_));
        QTRY_VERIFY(d.isNull());
        QVERIFY(s.spieler == vorher);
        QCOMPARE(aufrufe_, 0);
    }

    void escapeVerwirft() {
        Spielstand s;
        const auto vorher = s.spieler;
        auto d = oeffne(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QTest::mouseClick(name(d, 0), Qt::LeftButton);
        test::tippe(name(d, 0), QStringLiteral("Fritz"));
        QTest::keyClick(name(d, 0), Qt::Key_Escape);
        QTRY_VERIFY(d.isNull());
        QVERIFY(s.spieler == vorher);
        QCOMPARE(aufrufe_, 0);
    }

    void namensGrenzen_data() {
        QTest::addColumn<QString>("getippt");
        QTest::addColumn<QString>("steht");
        QTest::newRow("zwölf Zeichen") << QStringLiteral("ABCDEFGHIJKLMNO") << QStringLiteral("ABCDEFGHIJKL");
        QTest::newRow("Umlaute zählen einfach")
            << QStringLiteral("Jürgen Müller-Lüdenscheidt") << QStringLiteral("Jürgen Mülle");
        QTest::newRow("Euro ja, ł nein") << QStringLiteral("Zoë€ł") << QStringLiteral("Zoë€");
        QTest::newRow("Œ und Ž aus 0x80..0x9F") << QStringLiteral("Œ Ž š") << QStringLiteral("Œ Ž š");
        QTest::newRow("Ő nicht") << QStringLiteral("Győző") << QStringLiteral("Gyz");
        QTest::newRow("außerhalb der BMP") << QStringLiteral("A😀B") << QStringLiteral("AB");
        QTest::newRow("chinesisch") << QStringLiteral("中文") << QString();
    }

    void namensGrenzen() {
        QFETCH(QString, getippt);
        QFETCH(QString, steht);
        Spielstand s;
        auto d = oeffne(s);
        QTest::mouseClick(name(d, 2), Qt::LeftButton);
        test::tippe(name(d, 2), getippt);
        QCOMPARE(name(d, 2)->text(), steht);
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(s.getName(2)), steht);
    }

    void eingefuegterTextGeprueft() {
        Spielstand s;
        auto d = oeffne(s);
        QLineEdit* feld = name(d, 0);
        feld->insert(QStringLiteral("Łukasz"));
        QCOMPARE(feld->text(), QString());
        feld->insert(QStringLiteral("Lukasz Kowalski"));
        QCOMPARE(feld->text(), QString());
        feld->insert(QStringLiteral("Lukasz"));
        QCOMPARE(feld->text(), QStringLiteral("Lukasz"));
        delete d;
    }

    void langerNameBleibt() {
        Spielstand s;
        s.setName(0, "Maximilian Alexander");
        s.setName(1, "Friederike von Berg");
        auto d = oeffne(s);
        QCOMPARE(name(d, 0)->text(), QStringLiteral("Maximilian Alexander"));
        QLineEdit* feld = name(d, 1);
        QTest::mouseClick(feld, Qt::LeftButton);
        QTest::keyClick(feld, Qt::Key_End);
        test::tippe(feld, QStringLiteral("x"));
        QCOMPARE(feld->text(), QStringLiteral("Friederike von Berg"));
        QTest::keyClick(feld, Qt::Key_Backspace);
        test::tippe(feld, QStringLiteral("y"));
        QCOMPARE(feld->text(), QStringLiteral("Friederike von Ber"));
        QTest::mouseClick(teil<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
        QCOMPARE(s.getName(0), std::string("Maximilian Alexander"));
        QCOMPARE(s.getName(1), std::string("Friederike von Ber"));
    }

    void fokusWaehltNamen() {
        Spielstand s;
        s.setName(4, "Heinrich");
        auto d = oeffne(s);
        QVERIFY(QTest::qWaitForWindowActive(d));
        name(d, 3)->setFocus();
        QTest::keyClick(name(d, 3), Qt::Key_Tab);  // on to the tip list of row 3
        QTest::keyClick(tipp(d, 3), Qt::Key_Tab);
        QTest::keyClick(mit(d, 3), Qt::Key_Tab);
        QVERIFY(name(d, 4)->hasFocus());
        QTRY_COMPARE(name(d, 4)->selectedText(), QStringLiteral("Heinrich"));
        delete d;
    }
};

QTEST_MAIN(FrmAendernTest)
#include "frmaendern_test.moc"
