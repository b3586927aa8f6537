// Details of one match, "Informationen zum Spiel". Kept for the whole run: losing activation only hides it,
// and the next info click shows it again for the new match.
#pragma once

#include <array>

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QFrame;
class QLabel;

namespace ovi {

class frmSpielInfo : public DialogBasis {
    Q_OBJECT

  public:
    static constexpr int zeilen = 9;

    explicit frmSpielInfo(QWidget* parent);
    // Fills the nine value rows for match 0..63. A range error leaves every row as it was.
    void spielAnzeigen(const Spielstand& s, int match);

  private:
    std::array<QFrame*, 2> shpHintergrund{};
    std::array<QLabel*, zeilen> lblInfo{};
    std::array<QLabel*, zeilen> lblInfoText{};
};

}  // namespace ovi
