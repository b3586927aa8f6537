// Entry fields of the grid: one digit each, red while edited, the old value back when left empty.
// The cells do the keys, colours and restoring themselves (ui/ziffernzelle.*); here the game hears of it.
#include <QMouseEvent>
#include <exception>

#include "core/katalog.h"
#include "ui/frmhaupt.h"

namespace ovi {

bool frmHaupt::eventFilter(QObject* o, QEvent* e) {
    const auto it = orte_.constFind(o);
    if (it == orte_.constEnd()) return QMainWindow::eventFilter(o, e);
    const Ort ort = it.value();
    bool geschluckt = false;
    sicher([&] {
        switch (ort.art) {
            case Art::spielerName:
                if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) lblSpieler_MouseMove(ort.index);
                break;
            case Art::tabName:
                if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) lblTabSpieler_MouseMove(ort.index);
                break;
            case Art::info:
                if (e->type() == QEvent::MouseButtonRelease &&
                    static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
                    imgInfo_Click(ort.index);
                    geschluckt = true;
                }
                break;
            default:
                break;
        }
    });
    return geschluckt || QMainWindow::eventFilter(o, e);
}

Integer& frmHaupt::vorher(Art art) {
    switch (art) {
        case Art::heimErg:
            return vorherHeimErg_;
        case Art::ausErg:
            return vorherAusErg_;
        case Art::heimTipp:
            return vorherHeimTipp_;
        default:
            return vorherAusTipp_;
    }
}

// The value of the field from before the edit stands for it in the write-back while it is empty.
void frmHaupt::zelleBeginnt(ZiffernZelle& z) {
    sicher([&] { vorher(static_cast<Art>(z.art())) = alsInteger(z.vorher()); });
}

void frmHaupt::zelleGeaendert(ZiffernZelle& z) {
    sicher([&] { feldGeaendert(static_cast<Art>(z.art())); });
}

// Every accepted change reaches the game at once: tips, and results too, so nothing typed is lost.
void frmHaupt::feldGeaendert(Art art) {
    if (!rasterAktiv_) return;
    leseRaster();
    if (art == Art::heimTipp || art == Art::ausTipp) zeigeTendenz();
    nimmAuf(art == Art::heimErg || art == Art::ausErg ? QStringLiteral("Ergebnis") : QStringLiteral("Tipp"));
}

// "Anke, Deutschland – Costa Rica, Tore Heim": whose entry, which match of the view, which side.
QString frmHaupt::zellenName(const ZiffernZelle& z) const {
    const Art art = static_cast<Art>(z.art());
    const bool tipp = art == Art::heimTipp || art == Art::ausTipp;
    const int slot = tipp ? z.index() % 8 : z.index();
    const QString seite =
        art == Art::heimErg || art == Art::heimTipp ? QStringLiteral("Tore Heim") : QStringLiteral("Tore Gast");
    QString wer = QStringLiteral("Ergebnis");
    if (tipp) {
        const int p = z.index() / 8;
        wer = QString::fromStdString(s_.spieler[p].name);
        if (wer.trimmed().isEmpty()) wer = QStringLiteral("Teilnehmer %1").arg(p + 1);
    }
    if (slot > letzteZeile(ansicht_)) return QStringLiteral("%1, %2").arg(wer, seite);
    try {
        const Spiel& spiel = s_.spiele[ersteSpielNr(ansicht_) + slot];
        return QStringLiteral("%1, %2 – %3, %4")
            .arg(wer, QString::fromStdString(s_.getNation(spiel.heim)), QString::fromStdString(s_.getNation(spiel.aus)),
                 seite);
    } catch (const std::exception&) {
        // Asked by a screen reader, outside any command: a match without valid teams is named without them.
        return QStringLiteral("%1, %2").arg(wer, seite);
    }
}

}  // namespace ovi
