// Entry fields of the grid: one digit each, red while edited, the old value back when left empty.
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "ui/farben.h"
#include "ui/frmhaupt.h"

namespace ovi {

namespace {

// A window switch or an opened menu is no end of the edit.
bool zaehlt(const QFocusEvent* e) {
    return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

}  // namespace

bool frmHaupt::eventFilter(QObject* o, QEvent* e) {
    const auto it = orte_.constFind(o);
    if (it == orte_.constEnd()) return QMainWindow::eventFilter(o, e);
    const Ort ort = it.value();
    bool geschluckt = false;
    sicher([&] {
        switch (ort.art) {
            case Art::heimErg:
            case Art::ausErg:
            case Art::heimTipp:
            case Art::ausTipp: {
                auto* f = static_cast<QLineEdit*>(o);
                if (e->type() == QEvent::KeyPress)
                    geschluckt = feldTaste(f, static_cast<QKeyEvent*>(e));
                else if (e->type() == QEvent::FocusIn && zaehlt(static_cast<QFocusEvent*>(e)))
                    beginneEdit(ort.art, f);
                else if (e->type() == QEvent::FocusOut && zaehlt(static_cast<QFocusEvent*>(e)))
                    beendeEdit(ort.art, f);
                break;
            }
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
        }
    });
    return geschluckt || QMainWindow::eventFilter(o, e);
}

// Digits and Backspace pass; any other character key types "0". Keys without a character (arrows,
// Delete, Tab to move on) keep their usual meaning.
bool frmHaupt::feldTaste(QLineEdit* f, QKeyEvent* e) {
    const int taste = e->key();
    if (taste == Qt::Key_Tab || taste == Qt::Key_Backtab || taste == Qt::Key_Backspace || taste == Qt::Key_Delete)
        return false;
    const QString text = e->text();
    if (text.isEmpty()) return false;
    if (text.size() == 1 && text[0] >= u'0' && text[0] <= u'9') return false;
    // Return and Enter type "0" too, and go no further.
    f->insert(QStringLiteral("0"));
    return true;
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

void frmHaupt::beginneEdit(Art art, QLineEdit* f) {
    Integer wert = 0;
    for (QChar c : f->text()) {
        if (c < u'0' || c > u'9') break;
        wert = plus16(mal16(wert, 10), c.unicode() - u'0');
    }
    vorher(art) = wert;
    f->clear();
    farben::faerbeFeld(f, farben::rot, Qt::white);
}

void frmHaupt::beendeEdit(Art art, QLineEdit* f) {
    if (f->text().isEmpty()) f->setText(QString::number(vorher(art)));
    if (art == Art::heimTipp || art == Art::ausTipp)
        farben::faerbeFeld(f, Qt::white, farben::dunkelgrau);
    else
        farben::faerbeFeld(f, farben::dunkelgrau, Qt::white);
}

// Every accepted change reaches the game at once: tips, and results too, so nothing typed is lost.
void frmHaupt::feldGeaendert(Art art) {
    if (!rasterAktiv_) return;
    leseRaster();
    if (art == Art::heimTipp || art == Art::ausTipp) zeigeTendenz();
    nimmAuf(art == Art::heimErg || art == Art::ausErg ? QStringLiteral("Ergebnis") : QStringLiteral("Tipp"));
}

}  // namespace ovi
