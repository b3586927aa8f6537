// What a user typed or a file brought is shown as it stands, never read as markup: a participant "<script>aler"
// would show as nothing, "&amp;&lt;x" as "&<x". The participant column, the ranking, the file name, the match
// details, the group tables, the race window, the penalty question and a team's tool tip.
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QToolTip>

#include "files/spieldatei.h"
#include "tests/ui/hilfe.h"
#include "ui/frmverlauf.h"
#include "ui/klartexttipps.h"

namespace {

const QString skript = QStringLiteral("<script>aler"), entitaeten = QStringLiteral("&amp;&lt;x");

// The words a label puts on the screen: its text when shown as plain text, else what the markup renders to.
// (A painted widget that replaces a label answers the same question through its accessible interface.)
QString gezeigt(const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    if (!l) return zugang(w)->text(QAccessible::Name);
    const bool markup =
        l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    if (!markup) return l->text();
    QTextDocument d;
    d.setHtml(l->text());
    return d.toPlainText();
}

}  // namespace

class TestKlartext : public QObject {
    Q_OBJECT

    QTemporaryDir ordner_;

  private slots:
    // Two participants and two teams named like markup, match texts with markup; the first participant's exact tip
    // of Deutschland – Costa Rica scored under 3-2-1. Per place on the screen: what it shows.
    void namenAlsText() {
        Fenster f({0, 1});
        f.s.setName(0, skript.toStdString());
        f.s.setName(1, entitaeten.toStdString());
        f.s.nationen[0] = "<b>Deutschland</b>";
        f.s.nationen[1] = "Costa &amp; Rica";
        f.s.spiele[0] = {0, 1, 4, 2, true, 0, 4, "09.06.2006", "18:00 &lt;Uhr&gt;", 9, 0, "<u>1,45</u>"};
        setzeTipp(f.s, 0, 0, 4, 2);
        f.s.regel.modus = 3;
        f.s.regel.modusPunkte[0] = 3;
        f.w.starteEinblenden();
        sichtbar(f.w);
        f.tisch.dateien << QStringList{ordner_.filePath(QStringLiteral("<b>&amp;.gowet"))};
        befehl(&f.w, QStringLiteral("menSpeichern"));

        QStringList gesehen;
        const auto zeige = [&](const QString& wo, const QWidget* w) { gesehen << wo + ": " + gezeigt(w); };
        // The participant rows and the ranking are painted: their name cells, as their accessible tables give them.
        QAccessibleTableInterface* zeilen = zugang(f.w.findChild<Teilnehmerspalte*>())->tableInterface();
        for (int r = 0; r < 2; ++r) {
            gesehen << QStringLiteral("Zeile %1: ").arg(r) + zeilen->cellAt(r, 0)->text(QAccessible::Name);
            gesehen << QStringLiteral("Tabelle %1: ").arg(r) + rangliste(&f.w)->cellAt(r, 1)->text(QAccessible::Name);
        }
        zeige(QStringLiteral("Datei"), finde(&f.w, QStringLiteral("lblDateiE")));

        QTest::mouseClick(finde(&f.w, "imgInfo", 0), Qt::LeftButton);
        auto* info = finde(&f.w, QStringLiteral("frmSpielInfo"));
        for (int z : {0, 4, 8}) zeige(QStringLiteral("Spiel %1").arg(z), finde(info, "lblInfoText", z));

        befehl(&f.w, QStringLiteral("menGruppentabellen"));
        auto* gruppen = finde(&f.w, QStringLiteral("frmGruppen"));
        zeige(QStringLiteral("Gruppe"), finde(gruppen, QStringLiteral("lblGruppe_0_0_2")));

        befehl(&f.w, QStringLiteral("menVerlauf"));
        auto* verlauf = finde(&f.w, QStringLiteral("frmVerlauf"));
        auto* bild = finde<VerlaufBild>(verlauf, "picVerlauf");
        const Punkt p = bild->diagramm().linien.at(0).punkte.at(0);  // the first participant on the only day
        // Straight to the chart: the windows opened before may lie over it on the small offscreen screen.
        const QPointF auf(p.x, p.y);
        QMouseEvent bewegt(QEvent::MouseMove, auf, bild->mapToGlobal(auf), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bild, &bewegt);
        zeige(QStringLiteral("Verlauf"), finde(verlauf, QStringLiteral("lblAuswahl")));

        WeiterDialog weiter({{QStringLiteral("Finale: <b>A</b> – &amp;"), QStringLiteral("A"), QStringLiteral("B")}},
                            nullptr);
        const QLabel* spiel = nullptr;
        for (const QLabel* l : weiter.findChildren<QLabel*>())
            if (l->buddy()) spiel = l;
        QVERIFY(spiel);
        zeige(QStringLiteral("Elfmeter"), spiel);

        // The ranking puts two blanks before a name, the details one before every value.
        QCOMPARE(gesehen,
                 QStringList({"Zeile 0: <script>aler", "Tabelle 0:   <script>aler", "Zeile 1: &amp;&lt;x",
                              "Tabelle 1:   &amp;&lt;x", "Datei: <b>&amp;.gowet",
                              "Spiel 0:  <b>Deutschland</b> - Costa &amp; Rica", "Spiel 4:  18:00 &lt;Uhr&gt;",
                              "Spiel 8:  <u>1,45</u>", "Gruppe: <b>Deutschland</b>",
                              "Verlauf: <script>aler: Platz 1, 3 Punkte", "Elfmeter: Finale: <b>A</b> – &amp;"}));
    }

    // A team's name from a file is the tool tip of its flag; shown, it reads as written, blanks included.
    void tippAlsText() {
        Fenster f;
        f.s.nationen[0] = "<b>Deutschland</b>";
        f.s.nationen[1] = "Polen";
        f.s.spiele[0].aus = 1;
        QVERIFY(f.w.zeigePhase(0));
        sichtbar(f.w);
        QStringList gesehen;
        for (const char* flagge : {"imgSpielHeim", "imgSpielAus"}) {
            QWidget* w = finde(&f.w, flagge, 0);
            QHelpEvent tipp(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
            QApplication::sendEvent(w, &tipp);
            const auto schild = []() -> QLabel* {
                for (QWidget* t : QApplication::topLevelWidgets())
                    if (t->inherits("QTipLabel") && t->isVisible()) return qobject_cast<QLabel*>(t);
                return nullptr;
            };
            QTRY_VERIFY(schild());
            gesehen << w->toolTip() + u'|' + gezeigt(schild());
            QToolTip::hideText();
        }
        QCOMPARE(gesehen, QStringList({" <b>Deutschland</b> | <b>Deutschland</b> ", " Polen | Polen "}));
    }
};

QTEST_MAIN(TestKlartext)
#include "test_klartext.moc"
