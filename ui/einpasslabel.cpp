#include "ui/einpasslabel.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyle>
#include <cmath>

namespace ovi {

namespace {

bool passt(const QFont& f, const QString& text, int breite) {
    return std::ceil(QFontMetricsF(f).horizontalAdvance(text)) <= breite;
}

}  // namespace

QRect EinpassLabel::textRechteck() const {
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // As QLabel does it: a negative indent means half an "x" when there is a frame, none otherwise.
    int einzug = indent();
    if (einzug < 0) einzug = frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    if (alignment() & Qt::AlignLeft) r.setLeft(r.left() + einzug);
    if (alignment() & Qt::AlignRight) r.setRight(r.right() - einzug);
    return r;
}

int EinpassLabel::textBreite() const { return textRechteck().width(); }

QFont einpassSchrift(QFont f, const QString& text, int breite) {
    if (text.isEmpty() || breite <= 0 || passt(f, text, breite)) return f;
    // Text widths do not shrink exactly with the size (hinting), so step down until it fits.
    if (f.pointSizeF() <= 0) f.setPointSizeF(QFontInfo(f).pointSizeF());
    const double voll = QFontMetricsF(f).horizontalAdvance(text);
    double groesse = f.pointSizeF() * breite / voll;
    for (f.setPointSizeF(groesse); groesse > 1 && !passt(f, text, breite); f.setPointSizeF(groesse)) groesse *= 0.97;
    return f;
}

QFont EinpassLabel::schrift() const { return einpassSchrift(font(), text(), textBreite()); }

void EinpassLabel::paintEvent(QPaintEvent* e) {
    const QFont f = schrift();
    if (f == font()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    drawFrame(&p);
    p.setFont(f);
    style()->drawItemText(&p, textRechteck(), QStyle::visualAlignment(layoutDirection(), alignment()), palette(),
                          isEnabled(), text(), foregroundRole());
}

}  // namespace ovi
