// What the accessibility layer says of the grid's fields, flags and ticks.
#include <QCheckBox>

#include "hilfe.h"

class TestZugang : public QObject {
    Q_OBJECT

  private slots:
    // Role, name and value of the fields follow the participant's name and the pairing of the view shown.
    void namenUndWerte() {
        Fenster f({0, 2});
        f.s.setName(0, "Anke");
        f.s.spiele[0].heim = 0;  // Deutschland – Costa Rica
        f.s.spiele[0].aus = 1;
        f.s.spiele[57].heim = 2;  // Polen – Ecuador
        f.s.spiele[57].aus = 3;
        for (int m : {1, 56}) f.s.spiele[m].heim = f.s.spiele[m].aus = 32;  // not yet known
        setzeTipp(f.s, 0, 0, 2, 1);
        setzeTipp(f.s, 2, 57, 4, 0);
        f.s.spiele[0].ergAus = 3;
        f.w.starteEinblenden();
        const char* felder[][2] = {{"txtHeimTipp", "0"}, {"txtAusTipp", "0"}, {"txtHeimTipp", "17"},
                                   {"txtHeimErg", "0"},  {"txtAusErg", "0"},  {"txtAusErg", "1"}};
        auto beschreibung = [&] {
            QStringList l;
            for (const auto& [art, i] : felder) {
                QAccessibleInterface* z = zugang(feld(&f.w, art, QByteArray(i).toInt()));
                l << zeile(z->role() == QAccessible::EditableText, z->state().editable, z->text(QAccessible::Name), "=",
                           z->text(QAccessible::Value), z->textInterface()->characterCount());
            }
            for (const char* art : {"imgSpielHeim", "imgSpielAus", "chkAuswerten"})
                l << zugang(finde(&f.w, art, 1))->text(QAccessible::Name);
            return l;
        };
        QStringList gesehen = beschreibung();
        f.s.setName(0, "Berta");
        waehleAnsicht(&f.w, 9);
        gesehen << beschreibung();
        QCOMPARE(gesehen, QStringList({
                              "1 1 Anke, Deutschland – Costa Rica, Tore Heim = 2 1",
                              "1 1 Anke, Deutschland – Costa Rica, Tore Gast = 1 1",
                              "1 1 Teilnehmer 3, unbekannt – unbekannt, Tore Heim = 0 1",
                              "1 1 Ergebnis, Deutschland – Costa Rica, Tore Heim = 0 1",
                              "1 1 Ergebnis, Deutschland – Costa Rica, Tore Gast = 3 1",
                              "1 1 Ergebnis, unbekannt – unbekannt, Tore Gast = 0 1",
                              "unbekannt",
                              "unbekannt",
                              "unbekannt – unbekannt auswerten",
                              "1 1 Berta, unbekannt – unbekannt, Tore Heim = 0 1",
                              "1 1 Berta, unbekannt – unbekannt, Tore Gast = 0 1",
                              "1 1 Teilnehmer 3, Polen – Ecuador, Tore Heim = 4 1",
                              "1 1 Ergebnis, unbekannt – unbekannt, Tore Heim = 0 1",
                              "1 1 Ergebnis, unbekannt – unbekannt, Tore Gast = 0 1",
                              "1 1 Ergebnis, Polen – Ecuador, Tore Gast = 0 1",
                              "Polen",
                              "Ecuador",
                              "Polen – Ecuador auswerten",
                          }));
    }
};

QTEST_MAIN(TestZugang)
#include "test_zugang.moc"
