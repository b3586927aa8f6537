// Phase views and the layout of the main window: the start, the participant rows and which columns each view shows.
#include <QTimer>

#include "hilfe.h"

class TestAnsichten : public QObject {
    Q_OBJECT

  private slots:
    // Per view: the columns shown, the first flag's team, whether the flags take turns; a view out of range is refused.
    void ansichten() {
        Fenster f;
        for (int i = 0; i < 64; ++i) f.s.spiele[i].heim = static_cast<Integer>(i % 32);
        QStringList ist, soll;
        for (int v : {8, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1, 11}) {
            const bool gezeigt = v >= 0 && v < 11 ? (waehleAnsicht(&f.w, v), true) : f.w.zeigePhase(v);
            int spalten = 0;
            while (spalten < 8 && finde(&f.w, "fraSpiel", spalten)->isVisibleTo(&f.w)) ++spalten;
            ist << zeile(gezeigt, f.w.ansicht(), spalten, finde(&f.w, "imgSpielHeim", 0)->toolTip(),
                         finde<QTimer>(&f.w, QStringLiteral("tmrWechsel"))->isActive());
            const int w = gezeigt ? v : 10;
            soll << zeile(gezeigt, w, spieleIn(w),
                          " " + QString::fromStdString(f.s.nationen[erstesSpiel(w) % 32]) + " ", w == 8);
        }
        QCOMPARE(ist, soll);
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
        int zeilen = 0;
        while (zeilen < 25 && finde(&f.w, "fraTabSpieler", zeilen)->isVisibleTo(&f.w)) ++zeilen;
        QCOMPARE(zeilen, k);
        QVERIFY(k == 25 || !finde(&f.w, "fraTabSpieler", 24)->isVisibleTo(&f.w));
        auto* tab = finde(&f.w, QStringLiteral("fraTabelleTab"));
        const int oben = lageIn(tab, finde(&f.w, QStringLiteral("fraTabelle"))).y();
        QCOMPARE(tab->height(), px(oben * 15 + 7515 - 300 * (25 - k)) - oben);
    }

    // Each sort key puts both markers over its column, shifted by the key's offset; the lower one rises a row for
    // each slot that does not play along.
    void sortierMarken() {
        Fenster f({1, 2, 5});
        f.w.starteEinblenden();
        auto* tabelle = finde(&f.w, QStringLiteral("fraTabelle"));
        auto* sortierung = finde<QComboBox>(&f.w, QStringLiteral("cmbSortierung"));
        auto *oben = finde(&f.w, "imgSortierer", 0), *unten = finde(&f.w, "imgSortierer", 1);
        const std::pair<const char*, int> spalten[] = {
            {"lblTabPunkteGesamt", 60}, {"lblTabPunkteGruppe", 60}, {"lblTabPunkteKO", 100}, {"lblBonus", 80},
            {"lblTab3er", 20},          {"lblTab2er", 20},          {"lblTab1er", 20}};
        const int hoehe = finde(&f.w, "fraTabSpieler", 0)->height();
        QStringList daneben;
        for (int k : {3, 0, 1, 2, 4, 5, 6}) {
            sortierung->setCurrentIndex(k);
            emit sortierung->activated(k);
            const int x = lageIn(finde(&f.w, spalten[k].first, 0), tabelle).x() + px(spalten[k].second);
            if (std::abs(lageIn(oben, tabelle).x() - x) > 1 || unten->x() != oben->x() ||
                std::abs(lageIn(unten, tabelle).y() - (px(9120) - 22 * hoehe)) > 2)
                daneben << spalten[k].first;
        }
        QCOMPARE(daneben, QStringList{});
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
        // Tips start at 0, away tips bold, places numbered 1 to 25: the first place of each that does not.
        QString falsch;
        for (int i = 0; i < 200; ++i)
            if (inhalt(feld(&f.w, "txtHeimTipp", i)) != "0" || !feld(&f.w, "txtAusTipp", i)->font().bold() ||
                (i < 25 && text(&f.w, "lblPlatz", i) != QString::number(i + 1)))
                falsch += zeile(i, "");
        QCOMPARE(falsch, QString());
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
        // The client area below the menu bar holds 15240 x 10830 twips.
        QCOMPARE(f.w.centralWidget()->minimumSize(), QSize(px(15240), px(10830)));
    }
};

QTEST_MAIN(TestAnsichten)
#include "test_ansichten.moc"
