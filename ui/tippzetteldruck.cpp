#include "ui/tippzetteldruck.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include "ui/tabellendruck.h"

namespace ovi {

int maleTippzettel(const std::string& text, QPagedPaintDevice& geraet) {
    QPainter p(&geraet);
    if (!p.isActive()) return 0;
    QFont schrift(QStringLiteral("DejaVu Sans Mono"));
    schrift.setStyleHint(QFont::Monospace);
    schrift.setPointSizeF(10);
    p.setFont(schrift);
    const QFontMetricsF mass(schrift, &geraet);
    const QRectF seite = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    // A little air between the lines, for handwriting.
    const double zeile = mass.lineSpacing() * 1.5;
    int seiten = 1;
    double y = 0;
    for (const QString& z : QString::fromStdString(text).split(u'\n')) {
        if (y + zeile > seite.height() && y > 0) {
            geraet.newPage();
            ++seiten;
            y = 0;
        }
        p.drawText(QRectF(0, y, seite.width(), zeile), Qt::AlignLeft | Qt::AlignVCenter, z);
        y += zeile;
    }
    return seiten;
}

std::string tippzettelPdf(const std::string& text, const std::string& titel) {
    return pdfDatei(titel, [&text](QPagedPaintDevice& g) { maleTippzettel(text, g); });
}

}  // namespace ovi
