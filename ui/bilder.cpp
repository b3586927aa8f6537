#include "ui/bilder.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

// The resources live in a static library: make sure the linker keeps them.
static void ladeBilderResourcen() { Q_INIT_RESOURCE(bilder); }

namespace ovi {

namespace {

// A plain stand-in if a picture is missing, so the window never shows a hole.
void zeichneErsatz(QPainter& p, const QSize& g, const QString& text) {
    p.fillRect(QRect(QPoint(0, 0), g), QColor(200, 200, 200));
    p.setPen(QColor(90, 90, 90));
    p.drawRect(QRect(0, 0, g.width() - 1, g.height() - 1));
    QFont f = p.font();
    f.setPixelSize(qMax(6, g.height() - 8));
    p.setFont(f);
    p.drawText(QRect(QPoint(0, 0), g), Qt::AlignCenter, text);
}

QPixmap zeichne(const QString& pfad, const QSize& groesse, qreal verhaeltnis, const QString& ersatz) {
    QPixmap bild(groesse * verhaeltnis);
    bild.setDevicePixelRatio(verhaeltnis);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer svg;
    if (QFile::exists(pfad) && svg.load(pfad))
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(groesse)));
    else
        zeichneErsatz(p, groesse, ersatz);
    return bild;
}

}  // namespace

Bilder::Bilder(qreal verhaeltnis) : verhaeltnis_(verhaeltnis) {
    ladeBilderResourcen();
    info_ = zeichne(QStringLiteral(":/bilder/info.svg"), infoGroesse, verhaeltnis, QStringLiteral("i"));
    sortierer_ = zeichne(QStringLiteral(":/bilder/sortierer.svg"), sortiererGroesse, verhaeltnis, QStringLiteral("v"));
    sortiererUnten_ = sortierer_.transformed(QTransform().scale(1, -1));
    sortiererUnten_.setDevicePixelRatio(verhaeltnis);
}

std::vector<QImage> programmSymbole() {
    ladeBilderResourcen();
    QSvgRenderer svg(QStringLiteral(":/bilder/ovikuvela.svg"));
    std::vector<QImage> bilder;
    for (int groesse : {16, 32, 64, 128}) {
        QImage bild(groesse, groesse, QImage::Format_ARGB32_Premultiplied);
        bild.fill(0);
        QPainter p(&bild);
        svg.render(&p);
        p.end();
        bilder.push_back(std::move(bild));
    }
    return bilder;
}

const QPixmap& Bilder::flagge(int team) const {
    if (team < 0 || team >= katalog::anzahlNationen) team = katalog::unbekannt;
    QPixmap& bild = flaggen_[static_cast<std::size_t>(team)];
    if (bild.isNull()) {
        const QString nr = QStringLiteral("%1").arg(team, 2, 10, QLatin1Char('0'));
        bild = zeichne(QStringLiteral(":/bilder/flaggen/%1.svg").arg(nr), flaggenGroesse, verhaeltnis_,
                       team == katalog::unbekannt ? QStringLiteral("?") : nr);
    }
    return bild;
}

}  // namespace ovi
