#include "ui/dialoge/dialogbasis.h"

#include <QApplication>
#include <QKeyEvent>
#include <QtDebug>
#include <exception>

namespace ovi {

DialogBasis::DialogBasis(QWidget* parent, BeiVerlust art) : QDialog(parent) {
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, art == BeiVerlust::verwerfen);
}

bool DialogBasis::gehoertZuMir(const QWidget* fenster) const {
    // A message box or list popup opened from here is ours: turning to it is no reason to go.
    for (const QWidget* w = fenster; w != nullptr; w = w->parentWidget())
        if (w == this) return true;
    return false;
}

bool DialogBasis::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate && isVisible() && !gehoertZuMir(QApplication::activeWindow())) close();
    return QDialog::event(e);
}

void DialogBasis::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QDialog::keyPressEvent(e);
}

void DialogBasis::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Only an active window can lose activation; a window manager may otherwise leave it in the background.
    raise();
    activateWindow();
}

bool DialogBasis::sicher(const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const std::exception& f) {
        qWarning("%s", f.what());
    }
    return false;
}

}  // namespace ovi
