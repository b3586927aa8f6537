// Layout values are kept in twips (1/1440 inch); Qt places widgets in logical pixels, 15 twips each.
#pragma once

#include <QRect>
#include <QWidget>
#include <cmath>

namespace ovi::twips {

inline constexpr double proPixel = 15.0;

inline int px(double tw) { return static_cast<int>(std::lround(tw / proPixel)); }

// Edges are rounded, not sizes, so neighbours that touch in twips touch in pixels too.
inline QRect rechteck(double links, double oben, double breite, double hoehe) {
    const int l = px(links);
    const int o = px(oben);
    return {l, o, px(links + breite) - l, px(oben + hoehe) - o};
}

// A view change places some 650 widgets, most of them where they already are: skip those.
inline void setze(QWidget* w, double links, double oben, double breite, double hoehe) {
    const QRect r = rechteck(links, oben, breite, hoehe);
    if (w->geometry() != r) w->setGeometry(r);
}

}  // namespace ovi::twips
