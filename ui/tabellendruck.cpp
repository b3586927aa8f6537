#include "ui/tabellendruck.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <algorithm>

#include "core/tabellenhtml.h"
#include "ui/farben.h"

namespace ovi {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

const QColor linie{150, 150, 150};
const QColor kopfGrund{225, 225, 225};
const QColor zebra{243, 243, 243};

// Lays the document out twice: once without a painter to count the pages, once to paint them.
class Maler {
  public:
    Maler(const Tabellendokument& d, QPagedPaintDevice& g, QPainter* p, int gesamt)
        : d_(d), g_(g), p_(p), gesamt_(gesamt), dpi_(g.logicalDpiY()) {
        const QRectF r = g.pageLayout().paintRectPixels(g.logicalDpiX());
        breite_ = r.width();
        hoehe_ = r.height();
    }

    int alles() {
        seitenkopf();
        titelblock();
        if (d_.wahl.tabelle) rangliste();
        for (const Zusatzteil& z : d_.zusatz) zusatz(z);
        if (d_.wahl.uebersicht) uebersicht();
        if (d_.wahl.berichte) berichte();
        return seite_;
    }

  private:
    double mm(double x) const { return x * dpi_ / 25.4; }

    QFont schrift(double pt, bool fett = false) const {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(pt);
        f.setBold(fett);
        return f;
    }
    QFontMetricsF mass(const QFont& f) const { return QFontMetricsF(f, &g_); }

    void text(const QRectF& r, const QString& t, const QFont& f, int wie, const QColor& farbe = Qt::black) {
        if (!p_) return;
        p_->setFont(f);
        p_->setPen(farbe);
        p_->drawText(r, wie, t);
    }
    void kasten(const QRectF& r, const QColor& grund, bool rand = true) {
        if (!p_) return;
        p_->setPen(rand ? QPen(linie, 0) : QPen(Qt::NoPen));
        p_->setBrush(grund);
        p_->drawRect(r);
    }

    // Every page starts with the file title, the date and its number.
    void seitenkopf() {
        ++seite_;
        const QFont f = schrift(7.5);
        const double h = mass(f).height();
        text({0, 0, breite_, h}, q(d_.titel + " · Stand: " + d_.stand), f, Qt::AlignLeft | Qt::AlignVCenter);
        text({0, 0, breite_, h}, QStringLiteral("Seite %1 von %2").arg(seite_).arg(gesamt_), f,
             Qt::AlignRight | Qt::AlignVCenter);
        if (p_) {
            p_->setPen(QPen(linie, 0));
            p_->drawLine(QPointF(0, h + mm(1)), QPointF(breite_, h + mm(1)));
        }
        y_ = h + mm(4);
        oben_ = y_;
    }
    void neueSeite() {
        if (p_) g_.newPage();
        seitenkopf();
    }
    // Starts a new page when h does not fit any more; kopf repeats a table's head there.
    void platz(double h, const std::function<void()>& kopf = {}) {
        if (y_ + h <= hoehe_ || y_ <= oben_) return;
        neueSeite();
        if (kopf) kopf();
    }

    void ueberschrift(const QString& t, double folgt) {
        const QFont f = schrift(12, true);
        const double h = mass(f).height() + mm(2);
        platz(mm(4) + h + folgt);
        if (y_ > oben_) y_ += mm(4);
        text({0, y_, breite_, h}, t, f, Qt::AlignLeft | Qt::AlignTop);
        y_ += h;
    }

    void titelblock() {
        const QFont gross = schrift(16, true), f = schrift(9), fett = schrift(9, true);
        double h = mass(gross).height();
        text({0, y_, breite_, h}, q(d_.titel), gross, Qt::AlignLeft | Qt::AlignTop);
        y_ += h + mm(1);
        h = mass(f).height() * 1.25;
        text({0, y_, breite_, h}, QStringLiteral("ovi kuvela – Das Tippspiel zur Fußball-Weltmeisterschaft 2006"), f,
             Qt::AlignLeft | Qt::AlignTop);
        y_ += h;
        std::vector<Kopfangabe> zeilen = {{"Stand", d_.stand}};
        zeilen.insert(zeilen.end(), d_.kopf.begin(), d_.kopf.end());
        for (const Kopfangabe& k : zeilen) {
            const QRectF wert(mm(25), y_, breite_ - mm(25), hoehe_);
            const double hw = mass(f).boundingRect(wert, Qt::TextWordWrap, q(k.wert)).height();
            text({0, y_, mm(25), h}, q(k.name) + QLatin1Char(':'), fett, Qt::AlignLeft | Qt::AlignTop);
            text(wert, q(k.wert), f, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
            y_ += std::max(h, hw + mm(0.5));
        }
    }

    void rangliste() {
        const QFont f = schrift(9), fett = schrift(9, true), kf = schrift(6.5);
        // The number columns as wide as the longest word of their heads, so no word is cut.
        double zahl = mm(15);
        for (std::size_t i = 2; i < d_.spalten.size(); ++i)
            for (const QString& wort : q(d_.spalten[i]).split(QLatin1Char(' ')))
                zahl = std::max(zahl, mass(kf).horizontalAdvance(wort) + mm(2));
        const double platzSp = mm(11), name = breite_ - platzSp - 7 * zahl;
        std::vector<double> x = {0, platzSp};
        for (int i = 0; i < 8; ++i) x.push_back(platzSp + name + i * zahl);
        double kopfH = 0;
        for (std::size_t i = 0; i < d_.spalten.size(); ++i)
            kopfH = std::max(kopfH, mass(kf)
                                        .boundingRect(QRectF(0, 0, x[i + 1] - x[i] - mm(1.5), hoehe_), Qt::TextWordWrap,
                                                      q(d_.spalten[i]))
                                        .height());
        kopfH += mm(2);
        const double zeile = mass(f).height() + mm(2);
        const auto kopf = [&] {
            for (std::size_t i = 0; i < d_.spalten.size(); ++i) {
                const QRectF r(x[i], y_, x[i + 1] - x[i], kopfH);
                kasten(r, kopfGrund);
                text(r.adjusted(mm(0.75), mm(1), -mm(0.75), -mm(1)), q(d_.spalten[i]), kf,
                     (i == 1 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignBottom | Qt::TextWordWrap);
            }
            y_ += kopfH;
        };
        ueberschrift(QStringLiteral("Tabelle"), kopfH + zeile);
        kopf();
        for (std::size_t r = 0; r < d_.zeilen.size(); ++r) {
            platz(zeile, kopf);
            for (std::size_t i = 0; i < d_.zeilen[r].size(); ++i) {
                const QRectF z(x[i], y_, x[i + 1] - x[i], zeile);
                kasten(z, r % 2 ? zebra : Qt::white);
                const QFont& zf = i == 1 || i == 2 ? fett : f;
                const QString t = mass(zf).elidedText(q(d_.zeilen[r][i]), Qt::ElideRight, z.width() - mm(2));
                text(z.adjusted(mm(1), 0, -mm(1), 0), t, zf,
                     (i == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            }
            y_ += zeile;
        }
    }

    void zusatz(const Zusatzteil& z) {
        const QFont f = schrift(9);
        const double zeile = mass(f).height() * 1.25;
        double bildH = 0;
        QSvgRenderer svg(QByteArray::fromStdString(z.svg));
        if (svg.isValid()) {
            const QSizeF natur = svg.viewBoxF().isEmpty() ? QSizeF(svg.defaultSize()) : svg.viewBoxF().size();
            if (!natur.isEmpty()) bildH = std::min(breite_ * natur.height() / natur.width(), hoehe_ - oben_ - mm(12));
        }
        ueberschrift(q(z.titel), bildH + (z.zeilen.empty() ? 0 : zeile));
        if (bildH > 0) {
            QSizeF groesse = svg.viewBoxF().isEmpty() ? QSizeF(svg.defaultSize()) : svg.viewBoxF().size();
            groesse.scale(breite_, bildH, Qt::KeepAspectRatio);
            if (p_) svg.render(p_, QRectF(QPointF(0, y_), groesse));
            y_ += groesse.height() + mm(2);
        }
        for (const std::string& t : z.zeilen) {
            platz(zeile);
            text({0, y_, breite_, zeile}, q(t), f, Qt::AlignLeft | Qt::AlignVCenter);
            y_ += zeile;
        }
    }

    void legende() {
        const QFont f = schrift(8);
        const double h = mass(f).height() + mm(1.5);
        double x = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const QString t = q(d_.legende[k]);
            const double w = mass(f).horizontalAdvance(t) + mm(4);
            if (x > 0 && x + w > breite_) x = 0, y_ += h + mm(1);
            kasten({x, y_, w, h}, farben::aus(d_.farben[k]));
            text({x, y_, w, h}, t, f, Qt::AlignCenter, farben::aus(schriftAuf(d_.farben[k])));
            x += w + mm(2);
        }
        y_ += h + mm(3);
    }

    void uebersicht() {
        if (d_.uebersicht.empty()) {
            ueberschrift(QStringLiteral("Tippübersicht"), mm(6));
            text({0, y_, breite_, mm(6)}, QStringLiteral("Noch kein Spiel gewertet."), schrift(9), Qt::AlignLeft);
            y_ += mm(6);
            return;
        }
        const QFont sf = schrift(7.5), kf = schrift(7.5);
        const double spiel = mm(40), erg = mm(10);
        const double n = static_cast<double>(d_.teilnehmer.size());
        const double w = std::min(mm(16), (breite_ - spiel - erg) / std::max(1.0, n));
        // The tip takes the largest size that still fits its column.
        double pt = 9;
        while (pt > 5 && mass(schrift(pt)).horizontalAdvance(QStringLiteral("8:8")) > w - mm(0.8)) pt -= 0.5;
        const QFont tf = schrift(pt), pf = schrift(pt * 0.75);
        const double zeile = std::max(mass(tf).height() + mass(pf).height(), 2 * mass(sf).height()) + mm(1);
        double kopfH = mm(12);
        for (const std::string& t : d_.teilnehmer) kopfH = std::max(kopfH, mass(kf).horizontalAdvance(q(t)) + mm(3));
        kopfH = std::min(kopfH, mm(30));

        const auto kopf = [&] {
            kasten({0, y_, spiel, kopfH}, kopfGrund);
            kasten({spiel, y_, erg, kopfH}, kopfGrund);
            text(QRectF(0, y_, spiel, kopfH).adjusted(mm(1), 0, 0, -mm(1)), QStringLiteral("Spiel"), kf,
                 Qt::AlignLeft | Qt::AlignBottom);
            text(QRectF(spiel, y_, erg, kopfH).adjusted(0, 0, 0, -mm(1)), QStringLiteral("Erg."), kf,
                 Qt::AlignHCenter | Qt::AlignBottom);
            for (std::size_t i = 0; i < d_.teilnehmer.size(); ++i) {
                const double x = spiel + erg + static_cast<double>(i) * w;
                kasten({x, y_, w, kopfH}, kopfGrund);
                if (!p_) continue;
                const double lang = kopfH - mm(2);
                const QString name = mass(kf).elidedText(q(d_.teilnehmer[i]), Qt::ElideRight, lang);
                p_->save();
                p_->translate(x + w / 2, y_ + kopfH - mm(1));
                p_->rotate(-90);
                text({0, -w / 2, lang, w}, name, kf, Qt::AlignLeft | Qt::AlignVCenter);
                p_->restore();
            }
            y_ += kopfH;
        };
        ueberschrift(QStringLiteral("Tippübersicht"), mm(12) + kopfH + zeile);
        legende();
        kopf();
        for (const Uebersichtszeile& z : d_.uebersicht) {
            platz(zeile, kopf);
            const QRectF paar(0, y_, spiel, zeile);
            kasten(paar, Qt::white);
            text(paar.adjusted(mm(1), 0, -mm(0.5), 0),
                 mass(sf).elidedText(q(z.heim), Qt::ElideRight, spiel - mm(1.5)) + QStringLiteral(" –\n") +
                     mass(sf).elidedText(q(z.aus), Qt::ElideRight, spiel - mm(1.5)),
                 sf, Qt::AlignLeft | Qt::AlignVCenter);
            kasten({spiel, y_, erg, zeile}, Qt::white);
            text({spiel, y_, erg, zeile}, q(z.ergebnis), schrift(8, true), Qt::AlignCenter);
            for (std::size_t i = 0; i < z.zellen.size(); ++i) {
                const Tippzelle& c = z.zellen[i];
                const Long grund = d_.farben[static_cast<std::size_t>(c.kategorie)];
                const QRectF r(spiel + erg + static_cast<double>(i) * w, y_, w, zeile);
                kasten(r, farben::aus(grund));
                const QColor tinte = farben::aus(schriftAuf(grund));
                const double oben = mass(tf).height();
                text({r.x(), r.y() + mm(0.5), w, oben}, q(c.tipp), tf, Qt::AlignCenter, tinte);
                text({r.x(), r.y() + mm(0.5) + oben, w, r.height() - oben - mm(0.5)}, q(c.punkte), pf,
                     Qt::AlignHCenter | Qt::AlignTop, tinte);
            }
            y_ += zeile;
        }
        platz(zeile, kopf);
        kasten({0, y_, spiel + erg, zeile}, kopfGrund);
        text({mm(1), y_, spiel, zeile}, QStringLiteral("Punkte"), schrift(8, true), Qt::AlignLeft | Qt::AlignVCenter);
        for (std::size_t i = 0; i < d_.summen.size(); ++i) {
            const QRectF r(spiel + erg + static_cast<double>(i) * w, y_, w, zeile);
            kasten(r, kopfGrund);
            text(r, q(d_.summen[i]), schrift(pt, true), Qt::AlignCenter);
        }
        y_ += zeile;
    }

    // Each report on its own page, so it can be handed to its participant.
    void berichte() {
        QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setFamily(QStringLiteral("DejaVu Sans Mono"));
        f.setPointSizeF(8);
        const double zeile = mass(f).lineSpacing();
        for (std::size_t b = 0; b < d_.berichte.size(); ++b) {
            if (y_ > oben_) neueSeite();
            ueberschrift(QStringLiteral("Bericht: ") + q(d_.berichtNamen[b]), zeile);
            for (const QString& z : q(d_.berichte[b]).split(QLatin1Char('\n'))) {
                platz(zeile);
                QString aus;  // tabs to the next multiple of eight
                for (QChar c : z) {
                    if (c != QLatin1Char('\t'))
                        aus += c;
                    else
                        aus += QString(8 - aus.size() % 8, QLatin1Char(' '));
                }
                text({0, y_, breite_, zeile}, aus, f, Qt::AlignLeft | Qt::AlignVCenter);
                y_ += zeile;
            }
        }
    }

    const Tabellendokument& d_;
    QPagedPaintDevice& g_;
    QPainter* p_;
    int gesamt_;
    double dpi_;
    double breite_ = 0, hoehe_ = 0;
    double y_ = 0, oben_ = 0;
    int seite_ = 0;
};

}  // namespace

void richteSeiteEin(QPagedPaintDevice& geraet) {
    geraet.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                                     QPageLayout::Millimeter));
}

int maleTabellendokument(const Tabellendokument& d, QPagedPaintDevice& geraet) {
    const int seiten = Maler(d, geraet, nullptr, 0).alles();
    QPainter p(&geraet);
    if (!p.isActive()) return 0;
    Maler(d, geraet, &p, seiten).alles();
    return seiten;
}

std::string tabellenPdf(const Tabellendokument& d) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(QString::fromStdString(d.titel));
        pdf.setCreator(QStringLiteral("ovi kuvela"));
        richteSeiteEin(pdf);
        maleTabellendokument(d, pdf);
    }
    const QByteArray& b = puffer.data();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

}  // namespace ovi
