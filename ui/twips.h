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

inline void setze(QWidget* w, double links, double oben, double breite, double hoehe) {
    w->setGeometry(rechteck(links, oben, breite, hoehe));
}

}  // namespace ovi::twips
