// Texts of the main window shown whole and not covering each other, and what the accessibility layer says of a field.
#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

#include "tests/ui/hilfe.h"
#include "ui/einpasslabel.h"

class TestBeschriftung : public QObject {
    Q_OBJECT

  private slots:
    // A usual text fits in the window's own font, an extreme one in the smaller font the label then draws it in.
    void textePassen() {
        QTemporaryDir ordner;
        Fenster f({0, 1, 2});
        const char* namen[] = {"Maximilianus", "Hans-Joachim", "WWWWWWWWWWWW"};
        for (int p = 0; p < 3; ++p) f.s.setName(p, namen[p]);
        f.w.starteEinblenden();
        QStringList gesehen;
        const auto miss = [&](const QString& name) {
            if (const auto g = gemalt(&f.w, name)) {
                const QString& t = g->zelle.text;
                const int breite = GemalteTabelle::textRechteck(g->zelle).width();
                QFont eigen = g->tabelle->font();
                eigen.setBold(g->zelle.fett);
                gesehen << zeile(name, t, QFontMetrics(eigen).horizontalAdvance(t) <= breite,
                                 QFontMetrics(g->tabelle->schrift(g->zelle)).horizontalAdvance(t) <= breite);
                return;
            }
            auto* l = dynamic_cast<EinpassLabel*>(finde<QLabel>(&f.w, name));
            gesehen << zeile(name, l->text(), QFontMetrics(l->font()).horizontalAdvance(l->text()) <= l->textBreite(),
                             QFontMetrics(l->schrift()).horizontalAdvance(l->text()) <= l->textBreite());
        };
        for (int p = 0; p < 3; ++p) {
            miss(name("lblSpieler", p));
            miss(name("lblTabSpieler", p));
        }
        for (const char* regel : {"men3Punkte", "men2Punkte"})
            befehl(&f.w, QString::fromUtf8(regel)), miss(QStringLiteral("lblModusE"));
        for (const QString& titel :
             {QStringLiteral("Tippspiel der Abteilung Vertrieb 2006.gowet"), QString(36, u'W') + ".gowet"}) {
            f.tisch.dateien << QStringList{ordner.filePath(titel)};
            befehl(&f.w, QStringLiteral("menSpeichern"));
            miss(QStringLiteral("lblDateiE"));
        }
        QCOMPARE(gesehen, QStringList({"lblSpieler_0 Maximilianus 1 1", "lblTabSpieler_0   Maximilianus 1 1",
                                       "lblSpieler_1 Hans-Joachim 1 1", "lblTabSpieler_1   Hans-Joachim 1 1",
                                       "lblSpieler_2 WWWWWWWWWWWW 0 1", "lblTabSpieler_2   WWWWWWWWWWWW 0 1",
                                       "lblModusE 3-Punkte-Regel 1 1", "lblModusE 2-Punkte-Regel 1 1",
                                       "lblDateiE Tippspiel der Abteilung Vertrieb 2006.go 1 1",
                                       "lblDateiE " + QString(36, u'W') + ".gow 0 1"}));
        QCOMPARE(f.tisch.meldungen, QStringList{});
    }

    // Names in normal weight, tips in bold; every phase whole in the closed list; the captions above the table
    // neither cover each other nor the sort selector.
    void anordnung() {
        Fenster f;
        QStringList gesehen;
        for (int i = 0; i < 25; ++i)
            if (const auto g = gemalt(&f.w, name("lblSpieler", i)); QFontInfo(g->tabelle->schrift(g->zelle)).bold())
                gesehen << name("lblSpieler", i);
        for (int i = 0; i < 200; ++i)
            if (!QFontInfo(feld(&f.w, "txtHeimTipp", i)->font()).bold()) gesehen << name("txtHeimTipp", i);
        auto* c = finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"));
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.subControls = QStyle::SC_All;
        o.frame = true;
        // The style draws the text one pixel in from each side of the field.
        const int platz =
            c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width() - 2;
        for (int i = 0; i < c->count(); ++i)
            if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > platz) gesehen << c->itemText(i);
        const QStringList kopf{"lblDatei",    "lblDateiE", "lblModus",     "lblModusE",
                               "lblBonus_25", "lblBonusE", "cmbSortierung"};
        for (const QString& a : kopf)
            for (const QString& b : kopf)
                if (a < b && finde(&f.w, a)->geometry().intersects(finde(&f.w, b)->geometry())) gesehen << zeile(a, b);
        QCOMPARE(gesehen, QStringList{});
    }

    // A field's name follows the participant and the pairing of the view shown, its value the stored goals.
    void zugangsnamen() {
        Fenster f({0, 2});
        f.s.setName(0, "Anke");
        f.s.spiele[0].aus = 1;                            // Deutschland – Costa Rica
        f.s.spiele[57].heim = 2, f.s.spiele[57].aus = 3;  // Polen – Ecuador
        f.s.spiele[56].heim = f.s.spiele[56].aus = 32;    // not yet known
        setzeTipp(f.s, 0, 0, 2, 1);
        setzeTipp(f.s, 2, 57, 4, 0);
        f.w.starteEinblenden();
        QStringList gesehen;
        const auto beschreibe = [&] {
            for (const auto& [art, i] :
                 {std::pair{"txtHeimTipp", 0}, {"txtAusTipp", 0}, {"txtHeimTipp", 17}, {"txtAusErg", 1}}) {
                QAccessibleInterface* z = zugang(feld(&f.w, art, i));
                gesehen << zeile(z->role() == QAccessible::EditableText, z->text(QAccessible::Name), "=",
                                 z->text(QAccessible::Value));
            }
            gesehen << zugang(finde(&f.w, "imgSpielHeim", 1))->text(QAccessible::Name)
                    << zugang(finde(&f.w, "chkAuswerten", 1))->text(QAccessible::Name);
        };
        beschreibe();
        f.s.setName(0, "Berta");
        waehleAnsicht(&f.w, 9);
        beschreibe();
        QCOMPARE(
            gesehen,
            QStringList(
                {"1 Anke, Deutschland – Costa Rica, Tore Heim = 2", "1 Anke, Deutschland – Costa Rica, Tore Gast = 1",
                 "1 Teilnehmer 3, Deutschland – Deutschland, Tore Heim = 0",
                 "1 Ergebnis, Deutschland – Deutschland, Tore Gast = 0", "Deutschland",
                 "Deutschland – Deutschland auswerten", "1 Berta, unbekannt – unbekannt, Tore Heim = 0",
                 "1 Berta, unbekannt – unbekannt, Tore Gast = 0", "1 Teilnehmer 3, Polen – Ecuador, Tore Heim = 4",
                 "1 Ergebnis, Polen – Ecuador, Tore Gast = 0", "Polen", "Polen – Ecuador auswerten"}));
    }
};

QTEST_MAIN(TestBeschriftung)
#include "test_beschriftung.moc"
