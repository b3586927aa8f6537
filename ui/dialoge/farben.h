// Colours of the main window and the two ways they are put on a widget: palettes, never style sheets.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

#include "core/grundtypen.h"

namespace ovi::farben {

inline const QColor gruen{65, 152, 61};
inline const QColor orange{255, 192, 128};
inline const QColor dunkelrot{128, 0, 0};
inline const QColor rot{255, 0, 0};
inline const QColor dunkelgrau{64, 64, 64};
inline const QColor hellgelb{255, 255, 192};
inline const QColor gelb{255, 255, 144};
inline const QColor hellgruen{48, 190, 48};
inline const QColor blassgelb{255, 255, 128};

// A colour stored as red + 256 * green + 65536 * blue.
inline QColor aus(Long wert) { return {wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF}; }

// And back: the stored value of a colour.
inline Long farbwert(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

// Labels and frames: background and text, painted by the widget itself.
inline void faerbe(QWidget* w, const QColor& grund, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// Labels and frames: only the background.
inline void setzeHintergrund(QWidget* w, const QColor& grund) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, grund);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

inline QColor hintergrund(const QWidget* w) { return w->palette().color(QPalette::Window); }

// Text fields: background and text.
inline void setzeFeldfarben(QWidget* w, const QColor& grund, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, grund);
    p.setColor(QPalette::Text, text);
    w->setPalette(p);
}

}  // namespace ovi::farben
