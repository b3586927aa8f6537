// Phase views and the layout of the main window: which columns and tip fields each view shows and where.
#include <QCheckBox>
#include <QGroupBox>
#include <QTimer>

#include "hilfe.h"

namespace {

// "left+width/top+height", from a widget inside an ancestor ("-" when hidden there) or from twips.
QString lage(const QRect& r) {
    return QStringLiteral("%1+%2/%3+%4").arg(r.x()).arg(r.width()).arg(r.y()).arg(r.height());
}
QString lage(const QWidget* x, const QWidget* in) {
    return x->isVisibleTo(in) ? lage(QRect(lageIn(x, in), x->size())) : QStringLiteral("-");
}
QString tw(int l, int b, int o, int h) { return lage(QRect(px(l), px(o), px(l + b) - px(l), px(o + h) - px(o))); }

// Twips of the wide and the narrow (Achtelfinale) layout.
struct Masse {
    int spalteL, spalteA, spalteB, tippL, tippA;  // columns and tip fields: left, distance, width
    int heimFlO, ausFlL, heimErgB, ausErgL, ausErgB, zweiL, zweiB, gruppe, gesamt;
};
constexpr Masse breit{1600, 1026, 870, 1680, 1020, 180, 420, 435, 420, 435, 565, 305, 7980, 8460};
constexpr Masse schmal{1360, 865, 675, 1300, 870, 60, 240, 375, 360, 315, 435, 240, 8380, 8860};

}  // namespace

class TestAnsichten : public QObject {
    Q_OBJECT

  private slots:
    // Every slot of every view at once: column, tip fields of a row, flags, results, tendency counter, team, and
    // whether the tick box stands right below the home result. Start in the Achtelfinale so every change of layout is
    // really made.
    void ansichten_data() { jedeAnsicht(); }
    void ansichten() {
        QFETCH(int, ansicht);
        const bool eng = ansicht == 8;
        const Masse& m = eng ? schmal : breit;
        Fenster f({2});
        for (int i = 0; i < 64; ++i) f.s.spiele[i].heim = static_cast<Integer>(i % 32);
        f.w.starteEinblenden();
        waehleAnsicht(&f.w, 8);
        waehleAnsicht(&f.w, ansicht);
        QCOMPARE(f.w.ansicht(), ansicht);
        auto* reihe = finde(&f.w, "fraSpieler", 2);
        QStringList ist, soll;
        for (int sl = 0; sl < 8; ++sl) {
            auto* spalte = finde(&f.w, "fraSpiel", sl);
            QStringList i = {lage(spalte, finde(&f.w, QStringLiteral("fraSpiele"))),
                             lage(feld(&f.w, "txtHeimTipp", 16 + sl), reihe),
                             lage(feld(&f.w, "txtAusTipp", 16 + sl), reihe)};
            QStringList s = {"-", "-", "-"};
            if (sl < spieleIn(ansicht)) {
                const int t = m.tippL + sl * m.tippA;
                s = QStringList{tw(m.spalteL + sl * m.spalteA, m.spalteB, 240, 9900)};
                s << tw(t, 285, 0, 285) << tw(t + 240, 285, 0, 285) << tw(0, 435, m.heimFlO, 285)
                  << tw(m.ausFlL, 435, 180, 285) << tw(0, m.heimErgB, 495, 285) << tw(m.ausErgL, m.ausErgB, 495, 285)
                  << tw(m.zweiL, m.zweiB, 9600, 240)
                  << " " + QString::fromStdString(f.s.nationen[(erstesSpiel(ansicht) + sl) % 32]) + " "
                  << "1";
                for (const char* n : {"imgSpielHeim", "imgSpielAus", "txtHeimErg", "txtAusErg", "lblTenZwei"})
                    i << lage(finde(&f.w, n, sl), spalte);
                const QWidget *haken = finde(&f.w, "chkAuswerten", sl), *heimErg = finde(&f.w, "txtHeimErg", sl);
                i << finde(&f.w, "imgSpielHeim", sl)->toolTip()
                  << wert(haken->x() + haken->width() == spalte->width() &&
                          haken->y() == heimErg->y() + heimErg->height());
            }
            ist << i.join(' ');
            soll << s.join(' ');
        }
        QCOMPARE(ist, soll);
        QCOMPARE(zeile(finde(&f.w, "lblPunkteGruppe", 2)->x(), finde(&f.w, "lblPunkteGesamt", 2)->x(),
                       finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive()),
                 zeile(px(m.gruppe), px(m.gesamt), eng));
    }

    void zeilenStapeln_data() {
        QTest::addColumn<QList<int>>("mitspieler");
        QTest::newRow("keiner") << QList<int>{};
        QTest::newRow("0, 3 und 7") << QList<int>{0, 3, 7};
        QTest::newRow("alle 25") << von(0, 24);
    }

    // Rows of those who play along, stacked without gaps, and as many ranking rows; the table shrinks with them.
    void zeilenStapeln() {
        QFETCH(QList<int>, mitspieler);
        Fenster f;
        for (int p : mitspieler) f.s.setSpieltMit(p, true);
        f.w.starteEinblenden();
        auto* spiele = finde(&f.w, QStringLiteral("fraSpiele"));
        QStringList ist, soll;
        for (int p = 0; p < 25; ++p) {
            auto* reihe = finde(&f.w, "fraSpieler", p);
            if (reihe->isVisibleTo(&f.w)) ist << zeile(p, lageIn(reihe, spiele).y());
            if (const int k = int(mitspieler.indexOf(p)); k >= 0) soll << zeile(p, px(1240 + 320 * k));
        }
        QCOMPARE(ist, soll);
        const int k = int(mitspieler.size());
        QCOMPARE(welche(&f.w, "fraTabSpieler", 25, [&](QWidget* z) { return z->isVisibleTo(&f.w); }),
                 welche(&f.w, "fraTabSpieler", k, [](QWidget*) { return true; }));
        auto* tab = finde(&f.w, QStringLiteral("fraTabelleTab"));
        const int oben = lageIn(tab, finde(&f.w, QStringLiteral("fraTabelle"))).y();
        QCOMPARE(tab->height(), px(oben * 15 + 7515 - 300 * (25 - k)) - oben);
    }

    // Results of the view first, each match's tick after its two fields, then the tips of each participant slot by
    // slot, home before away.
    void tabulatorReihenfolge() {
        Fenster f({0, 4});
        f.w.starteEinblenden();
        sichtbar(f.w);
        QStringList erwartet;
        for (int sl = 0; sl < 6; ++sl)
            erwartet << name("txtHeimErg", sl) << name("txtAusErg", sl) << name("chkAuswerten", sl);
        for (int p : {0, 4})
            for (int sl = 0; sl < 6; ++sl)
                erwartet << name("txtHeimTipp", 8 * p + sl) << name("txtAusTipp", 8 * p + sl);
        feld(&f.w, "txtHeimErg", 0)->setFocus(Qt::TabFocusReason);
        QStringList gesehen;
        for (int i = 0; i < erwartet.size(); ++i) {
            gesehen << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(gesehen, erwartet);
    }

    void startZustand() {
        Fenster f;
        QCOMPARE(f.w.windowTitle(), QStringLiteral("ovi kuvela - Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
        auto* phase = finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"));
        QStringList eintraege = {wert(phase->currentIndex())};
        for (int i = 0; i < phase->count(); ++i) eintraege << phase->itemText(i);
        QCOMPARE(eintraege.join(','),
                 "0,Gruppe A,Gruppe B,Gruppe C,Gruppe D,Gruppe E,Gruppe F,Gruppe G,Gruppe H,"
                 "Achtelfinale,Viertelfinale,Halbfinale, Finale");
        auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
        QCOMPARE(zeile(sortierung->currentIndex(), sortierung->placeholderText(), sortierung->count(),
                       finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive()),
                 "-1 Sortierung 7 0");
        // Tips start at 0, away tips bold, places numbered 1 to 25: the names of those that do not.
        int r = 0;
        QStringList falsch = welche(&f.w, "txtHeimTipp", 200, [](QWidget* x) { return inhalt(x) != "0"; });
        falsch << welche(&f.w, "txtAusTipp", 200, [](QWidget* x) { return !x->font().bold(); });
        falsch << welche(&f.w, "lblPlatz", 25,
                         [&](QWidget* x) { return static_cast<QLabel*>(x)->text() != QString::number(++r); });
        QCOMPARE(falsch, QStringList{});

        // name | tool tip (empty: not looked at) | background | text colour | bold
        // clang-format off
        const QStringList erwartet = {
            "lblSpieler_0||#41983d|#ffffff", "lblTabSpieler_0||#41983d|#ffffff", "lblPlatz_3| Platz |#41983d|#ffffff",
            "lblPunkteGesamt_24| Gesamtpunkte |#ffc080|#000000|1", "lblTabPunkteGesamt_0| Gesamtpunkte|#ffc080|#000000",
            "lblPunkteGruppe_0| Punkte in dieser Phase |#000000|#ffc080", "fraSpiel_0||#41983d|#000000",
            "lblTabPunkteKO_2| Punkte der K.O.-Phase |#000000|#ffc080|1", "chkAuswerten_5| dieses Spiel mit auswerten ",
            "lblBonus_4| erreichte Bonuspunkte |#ffffff|#ff0000", "lblTabPunkteGruppe_1| Punkte in der Gruppenphase ",
            "lblTab3er_5| Punkte durch richtige Tipps |#ff0000|#000000", "lblTenNull_7| Anzahl getippter Unentschieden ",
            "lblTab2er_6| Punkte durch richtige Sieghöhe |#ffff90|#000000",
            "lblTab1er_7| Punkte durch richtige Tendenz |#30be30|#000000",
            "lblTenEins_0| Anzahl getippter Siege der erstgenannten Mannschaft ",
            "lblTenZwei_3| Anzahl getippter Siege der letztgenannten Mannschaft "};
        // clang-format on
        QStringList gesehen;
        for (const QString& e : erwartet) {
            const QStringList teile = e.split(QLatin1Char('|'));
            auto* x = finde(&f.w, teile[0]);
            QStringList z = {teile[0], teile[1].isEmpty() ? QString() : x->toolTip()};
            if (teile.size() > 2)
                z << (x->autoFillBackground() ? grund(x).name() : QStringLiteral("durchsichtig"))
                  << x->palette().color(QPalette::WindowText).name();
            if (teile.size() > 4) z << QString::number(x->font().bold());
            gesehen << z.join(QLatin1Char('|'));
        }
        QCOMPARE(gesehen, erwartet);
        QVERIFY(!finde(&f.w, "linie", 0)->isVisibleTo(&f.w));
        QCOMPARE(finde(&f.w, "fraTabSpieler", 0)->width(), px(4215));
        // The client area below the menu bar holds 15240 x 10830 twips; a small screen gets the window maximized.
        QCOMPARE(f.w.centralWidget()->minimumSize(), QSize(1016, 722));
        f.w.passeAnBildschirm(768);
        QVERIFY(f.w.windowState() & Qt::WindowMaximized);
        f.w.passeAnBildschirm(1024);
        QVERIFY(!(f.w.windowState() & Qt::WindowMaximized));

        // A view number out of range leaves the Achtelfinale as it is.
        waehleAnsicht(&f.w, 8);
        auto* spalte7 = finde(&f.w, "fraSpiel", 7);
        const QRect vorher = spalte7->geometry();
        for (int v : {-1, 11, 200}) {
            QVERIFY(!f.w.zeigePhase(v));
            QCOMPARE(zeile(f.w.ansicht(), spalte7->isVisibleTo(&f.w), spalte7->geometry() == vorher,
                           finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive()),
                     "8 1 1 1");
        }
        QVERIFY(f.w.zeigePhase(10));
    }

    void sortierMarkenStehenUeberIhrerSpalte() {
        Fenster f({1, 2, 5});
        f.w.starteEinblenden();
        auto* tabelle = finde(&f.w, QStringLiteral("fraTabelle"));
        auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
        auto *oben = finde(&f.w, "imgSortierer", 0), *unten = finde(&f.w, "imgSortierer", 1);
        QStringList daneben;
        int k = 0;
        for (const char* spalte : {"lblTabPunkteGesamt", "lblTabPunkteGruppe", "lblTabPunkteKO", "lblBonus",
                                   "lblTab3er", "lblTab2er", "lblTab1er"}) {
            sortierung->setCurrentIndex(k);
            emit sortierung->activated(k++);
            auto* l = finde(&f.w, spalte, 0);
            const QPoint p = lageIn(l, tabelle);
            if (oben->x() < p.x() || oben->x() + oben->width() > p.x() + l->width() || unten->x() != oben->x() ||
                oben->y() + oben->height() > p.y())
                daneben << QString::fromUtf8(spalte);
        }
        QCOMPARE(daneben, QStringList{});
        // The lower marker stands right below the last visible row.
        auto* letzte = finde(&f.w, "fraTabSpieler", 2);
        const int zeilenEnde = lageIn(letzte, tabelle).y() + letzte->height();
        QVERIFY2(unten->y() >= zeilenEnde && unten->y() <= zeilenEnde + 3, qPrintable(wert(unten->y() - zeilenEnde)));
    }
};

QTEST_MAIN(TestAnsichten)
#include "test_ansichten.moc"
