#include "ui/tabellendruck.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <algorithm>

#include "ui/seitenmaler.h"

namespace ovi::druck {

// Every page starts with the file title, the date and its number.
void Maler::seitenkopf() {
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

void Maler::neueSeite() {
    if (p_) g_.newPage();
    seitenkopf();
}

// Starts a new page when h does not fit any more; kopf repeats a table's head there.
void Maler::platz(double h, const std::function<void()>& kopf) {
    if (y_ + h <= hoehe_ || y_ <= oben_) return;
    neueSeite();
    if (kopf) kopf();
}

void Maler::ueberschrift(const QString& t, double folgt) {
    const QFont f = schrift(12, true);
    const double h = mass(f).height() + mm(2);
    platz(mm(4) + h + folgt);
    if (y_ > oben_) y_ += mm(4);
    text({0, y_, breite_, h}, t, f, Qt::AlignLeft | Qt::AlignTop);
    y_ += h;
}

void Maler::titelblock() {
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

void Maler::rangliste() {
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
            text(z.adjusted(mm(1), 0, -mm(1), 0), t, zf, (i == 1 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        }
        y_ += zeile;
    }
}

void Maler::zusatz(const Zusatzteil& z) {
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
    if (!z.tabelle.empty()) {
        // The first column the names, the others alike; the head repeats on every page.
        const std::size_t n = z.tabelle.front().size();
        const double rest = n > 1 ? (breite_ - mm(45)) / static_cast<double>(n - 1) : 0;
        const auto links = [&](std::size_t i) { return i == 0 ? 0.0 : mm(45) + rest * static_cast<double>(i - 1); };
        const auto breite = [&](std::size_t i) { return i == 0 ? (n > 1 ? mm(45) : breite_) : rest; };
        const auto reihe = [&](const std::vector<std::string>& r, bool kopf, bool grau) {
            for (std::size_t i = 0; i < r.size() && i < n; ++i) {
                const QRectF feld(links(i), y_, breite(i), zeile);
                kasten(feld, kopf ? kopfGrund : grau ? zebra : Qt::white);
                text(feld.adjusted(mm(1), 0, -mm(1), 0), mass(f).elidedText(q(r[i]), Qt::ElideRight, feld.width()), f,
                     (i == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
            }
            y_ += zeile;
        };
        const auto kopf = [&] { reihe(z.tabelle.front(), true, false); };
        kopf();
        for (std::size_t r = 1; r < z.tabelle.size(); ++r) {
            platz(zeile, kopf);
            reihe(z.tabelle[r], false, r % 2 == 0);
        }
        y_ += mm(2);
    }
    for (const std::string& t : z.zeilen) {
        // Long lines wrap; a short one keeps the height of one line.
        const double h =
            std::max(zeile, mass(f).boundingRect(QRectF(0, 0, breite_, hoehe_), Qt::TextWordWrap, q(t)).height());
        platz(h);
        text({0, y_, breite_, h}, q(t), f, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap);
        y_ += h;
    }
}

// Each report on its own page, so it can be handed to its participant.
void Maler::berichte() {
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

}  // namespace ovi::druck

namespace ovi {

using druck::Maler;

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

std::string pdfDatei(const std::string& titel, const std::function<void(QPagedPaintDevice&)>& malen) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(QString::fromStdString(titel));
        pdf.setCreator(QStringLiteral("ovi kuvela"));
        richteSeiteEin(pdf);
        malen(pdf);
    }
    const QByteArray& b = puffer.data();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

std::string tabellenPdf(const Tabellendokument& d) {
    return pdfDatei(d.titel, [&d](QPagedPaintDevice& g) { maleTabellendokument(d, g); });
}

}  // namespace ovi
