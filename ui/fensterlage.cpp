#include "ui/fensterlage.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ovi {

void legeAufBildschirm(QWidget* neu, const QWidget* haupt) {
    const QScreen* bildschirm = haupt->screen();
    if (!bildschirm) return;
    const QRect frei = bildschirm->availableGeometry();
    // The new window will get the same frame; nothing is known of it before the main window was shown.
    const QRect innen = haupt->geometry(), aussen = haupt->frameGeometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                          aussen.bottom() - innen.bottom());
    const QSize platz = frei.size().shrunkBy(rahmen);
    QRect r(QPoint(), neu->size().boundedTo(platz).expandedTo(neu->minimumSize().boundedTo(platz)));
    r = r.marginsAdded(rahmen);
    r.moveCenter(aussen.center());
    r.moveLeft(std::clamp(r.left(), frei.left(), std::max(frei.left(), frei.right() + 1 - r.width())));
    r.moveTop(std::clamp(r.top(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - r.height())));
    // Size without the frame, position with it: a window manager places a new window's frame where it is asked
    // to (north-west gravity), not its inside.
    neu->resize(r.marginsRemoved(rahmen).size());
    neu->move(r.topLeft());
}

}  // namespace ovi
