// The layout of the main window against its twips: stacked participant rows, the sort markers, the tendency bars.
#include "tests/ui/hilfe.h"

class TestAnsichten : public QObject {
    Q_OBJECT

  private slots:
    // Rows of those who play along, stacked without gaps, and as many ranking rows; the table shrinks with them.
    void zeilenStapeln() {
        for (const QList<int>& mitspieler : {QList<int>{}, QList<int>{0, 3, 7}, von(0, 24)}) {
            Fenster f;
            for (int p : mitspieler) f.s.setSpieltMit(p, true);
            f.w.starteEinblenden();
            auto* spiele = finde(&f.w, QStringLiteral("fraSpiele"));
            const int k = int(mitspieler.size());
            QStringList ist, soll;
            for (int p = 0; p < 25; ++p) {
                auto* reihe = finde(&f.w, "fraSpieler", p);
                if (reihe->isVisibleTo(&f.w)) ist << zeile(p, lageIn(reihe, spiele).y());
                if (const int i = int(mitspieler.indexOf(p)); i >= 0) soll << zeile(p, px(1240 + 320 * i));
            }
            if (rangliste(&f.w)->rowCount() != k) ist << zeile("Tabellenzeilen", rangliste(&f.w)->rowCount());
            auto* tab = finde(&f.w, QStringLiteral("fraTabelleTab"));
            const int oben = lageIn(tab, finde(&f.w, QStringLiteral("fraTabelle"))).y();
            QCOMPARE(ist << zeile(tab->height()), soll << zeile(px(oben * 15 + 7515 - 300 * (25 - k)) - oben));
        }
        // The client area below the menu bar holds 15240 x 10830 twips.
        QCOMPARE(Fenster().w.centralWidget()->minimumSize(), QSize(px(15240), px(10830)));
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
        const int hoehe = gemalt(&f.w, "lblPlatz_0")->zelle.rechteck.height();
        QStringList daneben;
        for (int k : {3, 0, 1, 2, 4, 5, 6}) {
            sortierung->setCurrentIndex(k);
            emit sortierung->activated(k);
            const auto spalte = gemalt(&f.w, name(spalten[k].first, 0));
            const int x = spalte->tabelle->mapTo(tabelle, spalte->zelle.rechteck.topLeft()).x() + px(spalten[k].second);
            if (std::abs(lageIn(oben, tabelle).x() - x) > 1 || unten->x() != oben->x() ||
                std::abs(lageIn(unten, tabelle).y() - (px(9120) - 22 * hoehe)) > 2)
                daneben << spalten[k].first;
        }
        QCOMPARE(daneben, QStringList{});
    }

    // Counter, place and bar of home win, draw and away win for match 13 (group C, slot 1), per set of tips: thirds
    // of the 870 wide column, 305 each, overlapping by 15 and 30; bars 180 wide, centred, 400 for the largest count.
    void tendenzBalken() {
        const std::pair<QList<QPoint>, QList<int>> faelle[] = {
            {{}, {0, 0, 0}},
            {QList<QPoint>(5, QPoint(2, 1)), {5, 0, 0}},
            {QList<QPoint>(3, QPoint(1, 0)) + QList<QPoint>(6, QPoint(0, 0)), {3, 6, 0}},
            {{{1, 0}, {2, 2}, {0, 3}, {1, 2}}, {1, 1, 2}}};
        for (const auto& [tipps, zahlen] : faelle) {
            Fenster f;
            setzeTipp(f.s, 24, 13, 5, 0);  // does not play along, never counts
            for (int p = 0; p < tipps.size(); ++p)
                f.s.setSpieltMit(p, true), setzeTipp(f.s, p, 13, tipps[p].x(), tipps[p].y());
            waehleAnsicht(&f.w, 2);
            klick(&f.w, QStringLiteral("cmdTendenz"));
            const int links[3] = {0, 290, 565}, groesste = std::max({1, zahlen[0], zahlen[1], zahlen[2]});
            QStringList ist, soll;
            auto* spalte = finde<Spielspalte>(&f.w, QStringLiteral("fraSpiel_1"));
            for (int k = 0; k < 3; ++k) {
                const Zelle l = spalte->zelle(0, k);
                const QRect b = spalte->balken(k), r = l.rechteck;
                ist << zeile(l.text, r.x(), r.width(), r.y(), b.width(), b.height(), b.y() + b.height(),
                             std::abs((b.x() + b.width() / 2) - (r.x() + r.width() / 2)) <= 1);
                soll << zeile(zahlen[k], px(links[k]), px(links[k] + 305) - px(links[k]), px(9600), 12,
                              px(9600) - px(9600 - 400 * zahlen[k] / groesste), px(9600), 1);
            }
            QCOMPARE(ist, soll);
        }
    }
};

QTEST_MAIN(TestAnsichten)
#include "test_ansichten.moc"
