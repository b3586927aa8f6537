#include "ui/stil.h"

#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>

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

// The faint shade inside a group box: a veil of black at 3/255 over the window colour. Filled opaque as the colour the
// veil makes of a plain background, blended once on a single pixel: blending it over the whole area cost a tenth of
// the first paint.
QColor verschleiert(const QColor& grund) {
    static QRgb fuer = 0;
    static QColor ergebnis;
    if (!ergebnis.isValid() || fuer != grund.rgba()) {
        QImage punkt(1, 1, QImage::Format_RGB32);
        punkt.fill(grund);
        QPainter p(&punkt);
        p.fillRect(0, 0, 1, 1, QColor(0, 0, 0, 3));
        p.end();
        fuer = grund.rgba();
        ergebnis = QColor::fromRgb(punkt.pixel(0, 0));
    }
    return ergebnis;
}

// The plain colour a widget is painted on: its own background or that of the first ancestor that fills one (at the
// latest the window), if that is a plain colour.
QColor grundUnter(const QWidget* w) {
    for (const QWidget* v = w; v; v = v->parentWidget()) {
        if (!v->autoFillBackground() && !v->isWindow()) continue;
        const QBrush& b = v->palette().brush(v->backgroundRole());
        return b.style() == Qt::SolidPattern && b.color().alpha() == 255 ? b.color() : QColor();
    }
    return {};
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

    // The frame of a group box as the picture Qt reads for it looks: a faint grey line around a faint shade.
    void drawPrimitive(PrimitiveElement pe, const QStyleOption* option, QPainter* p,
                       const QWidget* widget) const override {
        if (pe != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(pe, option, p, widget);
        constexpr int abstand = 3;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int oben =
            box && !box->isCheckable() && box->title().isEmpty()
                ? abstand
                : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget), option->fontMetrics.height()) +
                      abstand;
        const QRect r = option->rect.adjusted(1, oben + 1, -1, -1);
        p->save();
        const QColor grund = grundUnter(widget);
        if (grund.isValid())
            p->fillRect(r, verschleiert(grund));
        else
            p->fillRect(r, QColor(0, 0, 0, 3));
        p->setPen(QColor(117, 117, 117, 50));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
        p->restore();
    }
};

}  // namespace

QStyle* neuerStil() { return new Stil; }

}  // namespace ovi
