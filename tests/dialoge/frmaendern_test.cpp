// Player editor: load, confirm, discard, the name limits and the layout rules.
#include "frmaendern.h"

#include "dialogtest.h"

namespace {

QLineEdit* name(QWidget* d, int p) { return teil<QLineEdit>(d, "txtName_%1", p); }
QComboBox* tipp(QWidget* d, int p) { return teil<QComboBox>(d, "cmbWMTipp_%1", p); }
QCheckBox* mit(QWidget* d, int p) { return teil<QCheckBox>(d, "chkSpieltMit_%1", p); }

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
    // Loads every row; "ok" stores every change before the callback, leaving stores none.
    void laedtUndSpeichert_data() { wege(); }
    void laedtUndSpeichert() {
        QFETCH(QString, weg);
        Spielstand s;  // rows left alone: no name, the first team, not playing along
        s.spieler[0] = Spieler{"Anna", 31, true};
        s.spieler[1] = Spieler{"Bernd", 0, false};
        s.spieler[2].weltmeisterTipp = -1;
        s.spieler[7] = Spieler{"Jürgen", 9, false};
        s.spieler[24] = Spieler{"Zoë", -1, true};
        const QStringList vorher = zeilen(s);
        auto d = bearbeite(s);
        QCOMPARE(zeilen(d), vorher);
        QCOMPARE(tipp(d, 24)->placeholderText(), QStringLiteral("WM-Tipp"));
        QStringList teams;  // list position is the team number
        for (int t = 0; t < 32; ++t) teams << QString::fromStdString(s.getNation(t));
        QCOMPARE(eintraege(tipp(d, 3)), teams);
        QCOMPARE(teams.first(), QStringLiteral("Deutschland"));

        QVERIFY(QTest::qWaitForWindowActive(d));
        klicke(name(d, 1));
        QTRY_COMPARE(name(d, 1)->selectedText(), QStringLiteral("Bernd"));  // so typing replaces it
        tippe(name(d, 1), QStringLiteral("Carla"));
        klicke(mit(d, 1));
        klicke(mit(d, 0));
        waehle(tipp(d, 1), 31);
        klicke(name(d, 5));
        tippe(name(d, 5), QStringLiteral("Zoë"));
        QCOMPARE(zeilen(s), vorher);  // nothing is stored before "ok"
        QVERIFY(verlasse(d, weg));
        QTRY_VERIFY(d.isNull());
        QStringList erwartet = vorher;
        erwartet[0] = "Anna|31|0", erwartet[1] = "Carla|31|1", erwartet[5] = "Zoë|0|0";
        const bool ok = weg == "ok";
        QCOMPARE(zeilen(s), ok ? erwartet : vorher);
        QCOMPARE(beimAufruf_, ok ? QList<QStringList>{erwartet} : QList<QStringList>{});  // once, after storing
    }

    // The layout rules. Typing stops at twelve characters and refuses what Windows-1252 cannot hold; pasted text is
    // refused whole. A longer name from the game state stays and may only shrink. One case to a row, all stored by one
    // "ok". Tab goes name, tip, plays along, then the next row's name, selected for typing.
    void layoutNamensGrenzenUndTab() {
        const std::tuple<const char*, bool, const char*, const char*> faelle[] = {
            {"zwölf Zeichen", false, "ABCDEFGHIJKLMNO", "ABCDEFGHIJKL"},
            {"Umlaute zählen einfach", false, "Jürgen Müller-Lüdenscheidt", "Jürgen Mülle"},
            {"Euro ja, ł nein", false, "Zoë€ł", "Zoë€"},
            {"Œ und Ž aus 0x80..0x9F", false, "Œ Ž š", "Œ Ž š"},
            {"Ő nicht", false, "Győző", "Gyz"},
            {"außerhalb der BMP", false, "A😀B", "AB"},
            {"chinesisch", false, "中文", ""},
            {"eingefügt mit Ł", true, "Łukasz", ""},
            {"eingefügt zu lang", true, "Lukasz Kowalski", ""},
            {"eingefügt", true, "Lukasz", "Lukasz"}};
        Spielstand s;
        s.setName(20, "Maximilian Alexander");
        s.setName(21, "Friederike von Berg");
        auto d = bearbeite(s);
        const auto nahe = [](int ist, double twips) { return std::abs(ist - twips / 15.0) <= 1.0; };
        const QRect kopf = teil<QLabel>(d, "lblName")->geometry();
        QVERIFY(nahe(name(d, 0)->y() - (kopf.y() + kopf.height()), 200));
        for (int p = 0; p < 25; ++p) {
            const QRect n = name(d, p)->geometry(), l = tipp(d, p)->geometry(), k = mit(d, p)->geometry();
            QVERIFY2(nahe(n.width(), 1215) && nahe(n.y() - name(d, 0)->y(), 360.0 * p) && l.y() == n.y() &&
                         k.y() == n.y() && nahe(l.x() - n.right() - 1, 200) &&
                         nahe(k.x() - n.right() - 1 - l.width(), 600),
                     qPrintable(QStringLiteral("row %1 out of place").arg(p)));
        }
        const QRect spalte = teil<QLabel>(d, "lblSpieltMit")->geometry();
        QVERIFY(std::abs(spalte.x() + spalte.width() / 2.0 - mit(d, 0)->x()) <= 1.0);
        const QRect ok = teil<QPushButton>(d, "cmdOK")->geometry(), letzte = mit(d, 24)->geometry();
        QVERIFY(nahe(ok.y() - name(d, 24)->y(), 200) && nahe(ok.x() - letzte.right() - 1, 300));
        QVERIFY(d->rect().contains(ok));
        QVERIFY(QTest::qWaitForWindowActive(d));
        name(d, 19)->setFocus();
        for (QWidget* w : QList<QWidget*>{name(d, 19), tipp(d, 19), mit(d, 19)}) QTest::keyClick(w, Qt::Key_Tab);
        QVERIFY(name(d, 20)->hasFocus());
        QTRY_COMPARE(name(d, 20)->selectedText(), QStringLiteral("Maximilian Alexander"));
        QStringList soll, gespeichert;
        for (int p = 0; p < 10; ++p) {
            const auto& [fall, einfuegen, eingabe, steht] = faelle[p];
            klicke(name(d, p));
            einfuegen ? name(d, p)->insert(QString::fromUtf8(eingabe)) : tippe(name(d, p), QString::fromUtf8(eingabe));
            soll << QString::fromUtf8(fall) + ": " + steht;
        }
        klicke(name(d, 21));
        QTest::keyClick(name(d, 21), Qt::Key_End);
        tippe(name(d, 21), QStringLiteral("x"));
        QTest::keyClick(name(d, 21), Qt::Key_Backspace);
        tippe(name(d, 21), QStringLiteral("y"));
        klickeOk(d);
        for (int p : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 21})
            gespeichert << (p < 10 ? QString::fromUtf8(std::get<0>(faelle[p])) : QString::number(p)) + ": " +
                               QString::fromStdString(s.getName(p));
        QCOMPARE(gespeichert, soll << "20: Maximilian Alexander"
                                   << "21: Friederike von Ber");
    }
};

QTEST_MAIN(FrmAendernTest)
#include "frmaendern_test.moc"
