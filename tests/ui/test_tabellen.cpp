// The painted participant rows and ranking rows as a screen reader and the mouse meet them: an accessible table
// each, with the cells' texts, tool tips and colours; the name under the mouse marked in both places.
#include <QHelpEvent>
#include <QToolTip>

#include "core/auswertung.h"
#include "tests/ui/hilfe.h"

namespace {

// Anke (slot 0) and Bert (slot 3) play along under the 3-2-1 rule. Germany – Costa Rica ended 2:1 and counts: Anke
// tipped 2:1 (exact, 3 points), Bert 1:0 (the goal difference, 2 points).
struct Zwei : Fenster {
    Zwei() : Fenster({0, 3}) {
        s.setName(0, "Anke");
        s.setName(3, "Bert");
        s.spiele[0].aus = 1;
        s.spiele[0].ergHeim = 2, s.spiele[0].ergAus = 1, s.spiele[0].auswerten = true;
        setzeTipp(s, 0, 0, 2, 1);
        setzeTipp(s, 3, 0, 1, 0);
        setzeEingebauteRegel(s, 3);
        w.starteEinblenden();
    }
};

QAccessibleTableInterface* teilnehmerTabelle(const QObject* w) {
    return zugang(w->findChild<Teilnehmerspalte*>())->tableInterface();
}

// Every cell of an accessible table: its text, and its tool tip where it has one.
QStringList zellen(QAccessibleTableInterface* t) {
    QStringList l;
    for (int r = 0; r < t->rowCount(); ++r) {
        QStringList z;
        for (int k = 0; k < t->columnCount(); ++k) {
            QAccessibleInterface* c = t->cellAt(r, k);
            const QString tipp = c->text(QAccessible::Description);
            z << c->text(QAccessible::Name) + (tipp.isEmpty() ? "" : " (" + tipp + ')');
        }
        l << z.join(u'|');
    }
    return l;
}

}  // namespace

class TestTabellen : public QObject {
    Q_OBJECT

  private slots:
    // Rows, columns and what each cell says, in both tables; the headers name the columns, a row its participant.
    void zugaenglicheTabellen() {
        Zwei f;
        QAccessibleTableInterface* rang = rangliste(&f.w);
        QAccessibleTableInterface* teil = teilnehmerTabelle(&f.w);
        QStringList spalten;
        for (int k = 0; k < rang->columnCount(); ++k) spalten << rang->columnDescription(k);
        for (int k = 0; k < teil->columnCount(); ++k) spalten << teil->columnDescription(k);
        QCOMPARE(spalten, QStringList({"Platz", "Name", "Gesamtpunkte", "Gruppenphase", "K.O.-Phase", "Bonuspunkte",
                                       "richtige Tipps", "Sieghöhe", "richtige Tendenz", "Name",
                                       "Punkte in dieser Phase", "Gesamtpunkte"}));
        QCOMPARE(QStringList({rang->rowDescription(0), rang->rowDescription(1), teil->rowDescription(1)}),
                 QStringList({"Anke", "Bert", "Bert"}));
        QCOMPARE(zellen(rang),
                 QStringList({"1 (Platz)|  Anke|3 (Gesamtpunkte)|3 (Punkte in der Gruppenphase)|0 (Punkte der "
                              "K.O.-Phase)|0 (erreichte Bonuspunkte)|3 (Punkte durch richtige Tipps)|0 (Punkte durch "
                              "richtige Sieghöhe)|0 (Punkte durch richtige Tendenz)",
                              "2 (Platz)|  Bert|2 (Gesamtpunkte)|2 (Punkte in der Gruppenphase)|0 (Punkte der "
                              "K.O.-Phase)|0 (erreichte Bonuspunkte)|0 (Punkte durch richtige Tipps)|2 (Punkte durch "
                              "richtige Sieghöhe)|0 (Punkte durch richtige Tendenz)"}));
        QCOMPARE(zellen(teil), QStringList({"Anke|3 (Punkte in dieser Phase)|3 (Gesamtpunkte)",
                                            "Bert|2 (Punkte in dieser Phase)|2 (Gesamtpunkte)"}));
        // The row frames with their tip fields follow the cells as children of the participant rows.
        QAccessibleInterface* spalte = zugang(f.w.findChild<Teilnehmerspalte*>());
        QAccessibleInterface* rahmen = spalte->child(2 * 3);
        QCOMPARE(zeile(spalte->childCount(), rahmen->object()->objectName(), spalte->indexOfChild(rahmen),
                       spalte->indexOfChild(teil->cellAt(1, 2))),
                 "31 fraSpieler_0 6 5");
    }

    // Colours as the cells paint them, through the accessibility layer: one row of the ranking, one participant.
    void farben() {
        Zwei f;
        const auto farbe = [](QAccessibleInterface* c) {
            return c->backgroundColor().name() + '/' + c->foregroundColor().name();
        };
        QStringList ist;
        for (int k = 0; k < Tabellenzeilen::spaltenZahl; ++k) ist << farbe(rangliste(&f.w)->cellAt(1, k));
        for (int k = 0; k < Teilnehmerspalte::spaltenZahl; ++k) ist << farbe(teilnehmerTabelle(&f.w)->cellAt(1, k));
        QCOMPARE(ist, QStringList({"#41983d/#ffffff", "#41983d/#ffffff", "#ffc080/#000000", "#000000/#ffc080",
                                   "#000000/#ffc080", "#ffffff/#ff0000", "#ff0000/#000000", "#ffff90/#000000",
                                   "#30be30/#000000", "#41983d/#ffffff", "#000000/#ffc080", "#ffc080/#000000"}));
    }

    // The mouse over a name marks the participant in both tables; over the points it marks nothing new. Seen: the
    // background of Anke's and Bert's names in the participant rows, then in the ranking.
    void markierung() {
        Zwei f;
        const auto namen = [&] {
            QStringList l;
            for (QAccessibleTableInterface* t : {teilnehmerTabelle(&f.w), rangliste(&f.w)})
                for (int r = 0; r < 2; ++r) l << t->cellAt(r, t == rangliste(&f.w) ? 1 : 0)->backgroundColor().name();
            return l.join(u' ');
        };
        // The middle of a cell, found through the accessibility layer.
        const auto schwebe = [&](GemalteTabelle* w, int r, int k) {
            const QPoint p = w->mapFromGlobal(zugang(w)->tableInterface()->cellAt(r, k)->rect().center());
            QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
            return namen();
        };
        auto* teil = f.w.findChild<Teilnehmerspalte*>();
        auto* rang = f.w.findChild<Tabellenzeilen*>();
        const QString ruhe = "#41983d", mark = "#800000";
        const QStringList ist{namen(), schwebe(teil, 1, 0), schwebe(rang, 0, 1), schwebe(teil, 1, 2)};
        QCOMPARE(ist, QStringList({zeile(ruhe, ruhe, ruhe, ruhe), zeile(ruhe, mark, ruhe, mark),
                                   zeile(mark, ruhe, mark, ruhe), zeile(mark, ruhe, mark, ruhe)}));
    }

    // The tool tip of the cell under the mouse; none over the name or the gap between two columns.
    void werkzeugtipps() {
        Zwei f;
        sichtbar(f.w);
        auto* tabelle = f.w.findChild<Tabellenzeilen*>();
        const auto tipp = [&](QPoint p) {
            QHelpEvent e(QEvent::ToolTip, p, tabelle->mapToGlobal(p));
            QApplication::sendEvent(tabelle, &e);
            return e.isAccepted() ? QToolTip::text() : QStringLiteral("-");
        };
        const Zelle bonus = tabelle->zelle(0, 5), name = tabelle->zelle(0, 1);
        QCOMPARE(QStringList({tipp(bonus.rechteck.center()), tipp(name.rechteck.center()),
                              tipp(QPoint(bonus.rechteck.left() - 1, bonus.rechteck.center().y()))}),
                 QStringList({" erreichte Bonuspunkte ", "-", "-"}));
        QToolTip::hideText();
    }
};

QTEST_MAIN(TestTabellen)
#include "test_tabellen.moc"
