// The SVG pictures as the program finds them in its resources and as the window shows them.
#include "ui/bilder.h"

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

#include "core/katalog.h"

// Outside any namespace, as the generated resource code expects. Fails to link if the qrc is gone.
static void ladeResourcen() { Q_INIT_RESOURCE(bilder); }

namespace {

// The same way ui/bilder.cpp draws them; an empty image when the picture is missing or not valid.
QImage zeichne(const QString& pfad, const QSize& groesse) {
    QSvgRenderer svg(pfad);
    if (!svg.isValid() || svg.viewBoxF() != QRectF(QPointF(0, 0), QSizeF(groesse)) || svg.defaultSize() != groesse)
        return {};
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(groesse)));
    return bild;
}

// Pixels that let the window's background through, and pixels of the picture.
std::pair<int, int> durchsichtig(const QImage& bild) {
    std::pair<int, int> n;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) ++(qAlpha(bild.pixel(x, y)) < 255 ? n.first : n.second);
    return n;
}

}  // namespace

class BilderTest : public QObject {
    Q_OBJECT

  private slots:
    // Every flag valid at its size, covering its whole rectangle, unlike every other flag, and shown as drawn (not
    // the grey stand-in); the two markers valid, standing on the background, shown as drawn (the lower marker
    // mirrored).
    void gueltigVerschiedenUndGezeigt() {
        ladeResourcen();
        const ovi::Bilder bilder(1.0);
        QSet<QByteArray> flaggen;
        for (int k = 0; k < ovi::katalog::anzahlNationen; ++k) {
            const QString pfad = QStringLiteral(":/bilder/flaggen/%1.svg").arg(k, 2, 10, QLatin1Char('0'));
            const QImage bild = zeichne(pfad, ovi::Bilder::flaggenGroesse);
            QVERIFY2(!bild.isNull() && durchsichtig(bild).first == 0, qPrintable(pfad));
            QVERIFY2(bilder.flagge(k).toImage().convertToFormat(bild.format()) == bild, qPrintable(pfad));
            flaggen.insert(QByteArray(reinterpret_cast<const char*>(bild.constBits()), bild.sizeInBytes()));
        }
        QCOMPARE(flaggen.size(), ovi::katalog::anzahlNationen);
        QVERIFY(bilder.flagge(-1).toImage() == bilder.flagge(ovi::katalog::unbekannt).toImage());
        const QImage info = zeichne(QStringLiteral(":/bilder/info.svg"), ovi::Bilder::infoGroesse);
        const QImage pfeil = zeichne(QStringLiteral(":/bilder/sortierer.svg"), ovi::Bilder::sortiererGroesse);
        for (const QImage& marke : {info, pfeil})
            QVERIFY(durchsichtig(marke).first > 0 && durchsichtig(marke).second > 0);
        QVERIFY(bilder.info().toImage().convertToFormat(info.format()) == info);
        QVERIFY(bilder.sortierer(false).toImage().convertToFormat(pfeil.format()) == pfeil);
        QVERIFY(bilder.sortierer(true).toImage().convertToFormat(pfeil.format()) == pfeil.mirrored(false, true));
    }
};

QTEST_MAIN(BilderTest)
#include "bilder_test.moc"
