// Lays the standings out on pages and paints them; its parts live in tabellendruck.cpp and
// tippuebersicht_druck.cpp.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>

#include "ausgabe/tabellendokument.h"

namespace ovi::druck {

inline QString q(const std::string& s) { return QString::fromStdString(s); }

inline const QColor linie{150, 150, 150};
inline const QColor kopfGrund{225, 225, 225};
inline const QColor zebra{243, 243, 243};

// Runs twice: once without a painter to count the pages, once to paint them.
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
    void seitenkopf();
    void neueSeite();
    // Starts a new page when h does not fit any more; kopf repeats a table's head there.
    void platz(double h, const std::function<void()>& kopf = {});
    void ueberschrift(const QString& t, double folgt);
    void titelblock();
    void rangliste();
    void zusatz(const Zusatzteil& z);
    void legende();
    void uebersicht();
    // Each report on its own page, so it can be handed to its participant.
    void berichte();

    const Tabellendokument& d_;
    QPagedPaintDevice& g_;
    QPainter* p_;
    int gesamt_;
    double dpi_;
    double breite_ = 0, hoehe_ = 0;
    double y_ = 0, oben_ = 0;
    int seite_ = 0;
};

}  // namespace ovi::druck
