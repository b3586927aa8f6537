// The SVG pictures as the program finds them in its resources.
#include "bilder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QTest>

#include "katalog.h"

// Outside any namespace, as the generated resource code expects. Fails to link if the qrc is gone.
static void ladeResourcen() { Q_INIT_RESOURCE(bilder); }

namespace {

QString flaggenPfad(int k) { return QStringLiteral(":/bilder/flaggen/%1.svg").arg(k, 2, 10, QLatin1Char('0')); }

// The same way ui/bilder.cpp draws them, so the images can be compared with what the window shows.
QImage zeichne(const QString& pfad, const QSize& groesse) {
    QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QSvgRenderer svg(pfad);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(groesse)));
    return bild;
}

QSet<QRgb> farben(const QImage& bild) {
    QSet<QRgb> menge;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) menge.insert(bild.pixel(x, y));
    return menge;
}

int durchsichtig(const QImage& bild) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) n += qAlpha(bild.pixel(x, y)) < 255;
    return n;
}

}  // namespace

class BilderTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { ladeResourcen(); }

    void gueltig_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<QSize>("groesse");
        QTest::addColumn<bool>("flagge");
        for (int k = 0; k < ovi::katalog::anzahlNationen; ++k)
            QTest::newRow(qPrintable(flaggenPfad(k))) << flaggenPfad(k) << ovi::Bilder::flaggenGroesse << true;
        QTest::newRow("info") << QStringLiteral(":/bilder/info.svg") << ovi::Bilder::infoGroesse << false;
        QTest::newRow("sortierer") << QStringLiteral(":/bilder/sortierer.svg") << ovi::Bilder::sortiererGroesse
                                   << false;
    }

    void gueltig() {
        QFETCH(QString, pfad);
        QFETCH(QSize, groesse);
        QFETCH(bool, flagge);
        QVERIFY2(QFile::exists(pfad), qPrintable(pfad));
        QSvgRenderer svg;
        QVERIFY(svg.load(pfad));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(groesse)));
        QCOMPARE(svg.defaultSize(), groesse);

        const QImage bild = zeichne(pfad, groesse);
        QVERIFY2(farben(bild).size() >= 2, "picture renders to a single colour");
        // A flag covers its whole rectangle; the small markers stand on the window's background.
        if (flagge)
            QCOMPARE(durchsichtig(bild), 0);
        else
            QVERIFY(durchsichtig(bild) > 0);
    }

    void flaggenVerschieden() {
        QList<QImage> bilder;
        for (int k = 0; k < ovi::katalog::anzahlNationen; ++k)
            bilder << zeichne(flaggenPfad(k), ovi::Bilder::flaggenGroesse);
        for (int a = 0; a < bilder.size(); ++a)
            for (int b = a + 1; b < bilder.size(); ++b)
                QVERIFY2(bilder[a] != bilder[b],
                         qPrintable(QStringLiteral("flags %1 and %2 are the same").arg(a).arg(b)));
    }

    // The window's picture set must show the drawn flags, not its grey stand-ins.
    void fensterZeigtSie() {
        const ovi::Bilder bilder(1.0);
        for (int k = 0; k < ovi::katalog::anzahlNationen; ++k) {
            const QImage erwartet = zeichne(flaggenPfad(k), ovi::Bilder::flaggenGroesse);
            const QImage gezeigt = bilder.flagge(k).toImage().convertToFormat(erwartet.format());
            QVERIFY2(gezeigt == erwartet, qPrintable(flaggenPfad(k)));
        }
        QVERIFY(bilder.flagge(-1).toImage() == bilder.flagge(ovi::katalog::unbekannt).toImage());
        const QImage info = zeichne(QStringLiteral(":/bilder/info.svg"), ovi::Bilder::infoGroesse);
        QVERIFY(bilder.info().toImage().convertToFormat(info.format()) == info);
        const QImage pfeil = zeichne(QStringLiteral(":/bilder/sortierer.svg"), ovi::Bilder::sortiererGroesse);
        QVERIFY(bilder.sortierer(false).toImage().convertToFormat(pfeil.format()) == pfeil);
        QVERIFY(bilder.sortierer(true).toImage().convertToFormat(pfeil.format()) == pfeil.mirrored(false, true));
    }
};

QTEST_MAIN(BilderTest)
#include "bilder_test.moc"
