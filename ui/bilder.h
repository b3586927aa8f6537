// The pictures of the main window, rendered from the SVG resources at the size they are shown. A flag is
// rendered the first time it is asked for: the first view needs four of the 33, and the start should not wait.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <array>
#include <vector>

#include "core/katalog.h"

namespace ovi {

// The program's icon at the sizes the window system takes of a scalable one (16 to 128 pixels), drawn as Qt draws an
// SVG icon. Plain images, so another thread may draw them while the window is being built.
std::vector<QImage> programmSymbole();

class Bilder {
  public:
    // Sizes in logical pixels.
    static constexpr QSize flaggenGroesse{29, 19};
    static constexpr QSize infoGroesse{13, 13};
    static constexpr QSize sortiererGroesse{16, 10};

    explicit Bilder(qreal pixelVerhaeltnis);

    // Picture k + 1 of the image list belongs to team k; 32 is "unbekannt". Out of range: "unbekannt".
    const QPixmap& flagge(int team) const;
    const QPixmap& info() const { return info_; }
    // The lower marker points the other way.
    const QPixmap& sortierer(bool unten) const { return unten ? sortiererUnten_ : sortierer_; }

  private:
    qreal verhaeltnis_;
    mutable std::array<QPixmap, katalog::anzahlNationen> flaggen_;
    QPixmap info_;
    QPixmap sortierer_;
    QPixmap sortiererUnten_;
};

}  // namespace ovi
