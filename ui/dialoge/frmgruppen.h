// "Gruppentabellen": the eight group tables at once, with the flags; refilled each time it is shown.
#pragma once

#include <QPixmap>
#include <array>
#include <functional>

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QGroupBox;
class QLabel;

namespace ovi {

class frmGruppen : public DialogBasis {
    Q_OBJECT

  public:
    static constexpr int spalten = 11;  // place, flag, team, played, won, drawn, lost, goals, difference, points, lot

    frmGruppen(const Spielstand& s, std::function<QPixmap(int team)> flagge, QWidget* parent);

    // Fills all eight tables from the game as it stands.
    void zeige();

  private:
    const Spielstand& s_;
    std::function<QPixmap(int)> flagge_;
    std::array<QGroupBox*, 8> fraGruppe{};
    std::array<std::array<std::array<QLabel*, spalten>, 4>, 8> zelle{};
};

}  // namespace ovi
