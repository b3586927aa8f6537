// "Ansicht > Chancen": one window for the run, refreshed after every evaluation while it is shown.
#include "ui/fensterlage.h"
#include "ui/frmchancen.h"
#include "ui/frmhaupt.h"

namespace ovi {

void frmHaupt::menChancen_Click() {
    if (!fensterChancen_) {
        fensterChancen_ = new frmChancen(this);
        legeAufBildschirm(fensterChancen_, this);
        connect(this, &frmHaupt::ausgewertet, fensterChancen_, [this] {
            if (fensterChancen_->isVisible()) sicher([this] { fensterChancen_->zeige(s_); });
        });
    }
    fensterChancen_->zeige(s_);
    fensterChancen_->show();
    fensterChancen_->raise();
    fensterChancen_->activateWindow();
}

}  // namespace ovi
