// Texts of the main window that must show whole, measured against their own width in the font they are drawn in.
#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTemporaryDir>

#include "hilfe.h"
#include "einpasslabel.h"

class TestTextbreiten : public QObject {
    Q_OBJECT

  private slots:
    // The rule names, names of 12 characters in the grid and the table, a file title cut to 40 characters. A usual
    // text fits in the window's own font; an extreme one in the smaller font the label draws it in.
    void textePassen() {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        using Tun = std::function<void(Fenster&)>;
        const auto regel = [](const char* b) -> Tun { return [b](Fenster& f) { befehl(&f.w, QString::fromUtf8(b)); }; };
        const auto name = [](const char* n) -> Tun {
            return [n](Fenster& f) {
                f.s.setName(0, n);
                f.w.starteEinblenden();
            };
        };
        const auto datei = [&ordner](const QString& titel) -> Tun {
            return [&ordner, titel](Fenster& f) {
                f.tisch.dateien << QStringList{ordner.filePath(titel)};
                befehl(&f.w, QStringLiteral("menSpeichern"));
            };
        };
        const QString breit = QString(36, u'W');
        const struct {
            const char* label;
            Tun tun;
            QString text;
            bool eigeneSchrift;
        } faelle[] = {
            {"lblModusE", regel("men321"), "3-2-1-Regel", true},
            {"lblModusE", regel("men3Punkte"), "3-Punkte-Regel", true},
            {"lblModusE", regel("men2Punkte"), "2-Punkte-Regel", true},
            {"lblModusE", [](Fenster& f) { f.w.starteAuswertung(); }, "Eigene Regel", true},
            {"lblSpieler_0", name("Maximilianus"), "Maximilianus", true},
            {"lblSpieler_0", name("Hans-Joachim"), "Hans-Joachim", true},
            {"lblTabSpieler_0", name("Maximilianus"), "  Maximilianus", true},
            {"lblTabSpieler_0", name("Hans-Joachim"), "  Hans-Joachim", true},
            {"lblSpieler_0", name("WWWWWWWWWWWW"), "WWWWWWWWWWWW", false},
            {"lblTabSpieler_0", name("WWWWWWWWWWWW"), "  WWWWWWWWWWWW", false},
            {"lblDateiE", datei("Tippspiel der Abteilung Vertrieb 2006.gowet"),
             "Tippspiel der Abteilung Vertrieb 2006.go", true},
            {"lblDateiE", datei(breit + ".gowet"), breit + ".gow", false},
        };
        QStringList gesehen, soll;
        for (const auto& fall : faelle) {
            Fenster f({0});
            fall.tun(f);
            auto* l = dynamic_cast<EinpassLabel*>(finde<QLabel>(&f.w, QString::fromUtf8(fall.label)));
            QVERIFY(l);
            const int platz = l->textBreite();
            gesehen << zeile(fall.label, l->text(), QFontMetrics(l->font()).horizontalAdvance(l->text()) <= platz,
                             QFontMetrics(l->schrift()).horizontalAdvance(l->text()) <= platz,
                             l->schrift() == l->font(), f.tisch.meldungen.size());
            soll << zeile(fall.label, fall.text, fall.eigeneSchrift, true, fall.eigeneSchrift, 0);
        }
        QCOMPARE(gesehen, soll);
    }

    // The names stand in normal weight, the tips in bold.
    void namenNichtFett() {
        Fenster f;
        const QStringList fett = welche(&f.w, "lblSpieler", 25, [](QWidget* w) { return QFontInfo(w->font()).bold(); });
        QCOMPARE(fett, QStringList{});
        QCOMPARE(welche(&f.w, "txtHeimTipp", 200, [](QWidget* w) { return QFontInfo(w->font()).bold(); }).size(), 200);
    }

    // Closed, the phase list shows each of its entries whole beside the arrow.
    void phasenlisteZeigtJedenEintrag() {
        Fenster f;
        auto* c = finde<QComboBox>(&f.w, QStringLiteral("cmbPhase"));
        QStyleOptionComboBox o;
        o.initFrom(c);
        o.subControls = QStyle::SC_All;
        o.frame = true;
        // The style draws the text one pixel in from each side of the field.
        const int platz =
            c->style()->subControlRect(QStyle::CC_ComboBox, &o, QStyle::SC_ComboBoxEditField, c).width() - 2;
        QStringList zuBreit;
        for (int i = 0; i < c->count(); ++i)
            if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > platz) zuBreit << c->itemText(i);
        QCOMPARE(zuBreit, QStringList{});
        QVERIFY(c->geometry().right() < finde(&f.w, "fraSpiele")->width());
    }

    // The captions above the table neither cover each other nor the sort selector.
    void kopfDerTabelleUeberlapptNicht() {
        Fenster f;
        const char* namen[] = {"lblDatei",    "lblDateiE", "lblModus",     "lblModusE",
                               "lblBonus_25", "lblBonusE", "cmbSortierung"};
        QStringList ueber;
        for (const char* a : namen)
            for (const char* b : namen)
                if (qstrcmp(a, b) < 0 && finde(&f.w, QString::fromUtf8(a))
                                             ->geometry()
                                             .intersects(finde(&f.w, QString::fromUtf8(b))->geometry()))
                    ueber << zeile(a, b);
        QCOMPARE(ueber, QStringList{});
    }
};

QTEST_MAIN(TestTextbreiten)
#include "test_textbreiten.moc"
