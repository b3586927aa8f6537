#include "ui/stil.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>

namespace ovi {

namespace {

// Two small arrows pointing on, like the picture Qt ships. Qt reads its own from image files, and the first image
// read loads every image format plugin of the system: a third of a megabyte and about a millisecond at start-up.
QIcon weiterPfeile(bool senkrecht) {
    QPixmap bild(16, 16);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setRenderHint(QPainter::Antialiasing);
    if (senkrecht) p.translate(16, 0), p.rotate(90);
    for (int x : {4, 9}) p.drawPolyline(QPolygonF({QPointF(x, 4.5), QPointF(x + 3.5, 8), QPointF(x, 11.5)}));
    p.end();
    return QIcon(bild);
}

class Stil : public QProxyStyle {
  public:
    Stil() : QProxyStyle(QStringLiteral("Fusion")) {}

    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const override {
        // The menu bar asks for its overflow button when it is built, even if it never shows it.
        if (sp == SP_ToolBarHorizontalExtensionButton || sp == SP_ToolBarVerticalExtensionButton)
            return weiterPfeile(sp == SP_ToolBarVerticalExtensionButton);
        return QProxyStyle::standardIcon(sp, option, widget);
    }
};

}  // namespace

QStyle* neuerStil() { return new Stil; }

}  // namespace ovi
