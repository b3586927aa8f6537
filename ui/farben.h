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

// A colour stored as red + 256 * green + 65536 * blue.
inline QColor aus(Long wert) { return {wert & 0xFF, (wert >> 8) & 0xFF, (wert >> 16) & 0xFF}; }

// Labels and frames: background and text, painted by the widget itself.
inline void faerbe(QWidget* w, const QColor& grund, const QColor& text) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, grund);
    p.setColor(QPalette::WindowText, text);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace ovi::farben
