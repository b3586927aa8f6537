// "Ansicht > Verlauf": one window for the run, refreshed after every evaluation while it is shown.
#include "ui/fensterlage.h"
#include "ui/frmhaupt.h"
#include "ui/frmverlauf.h"

namespace ovi {

void frmHaupt::menVerlauf_Click() {
    if (!fensterVerlauf_) {
        fensterVerlauf_ = new frmVerlauf(this);
        legeAufBildschirm(fensterVerlauf_, this);
        connect(this, &frmHaupt::ausgewertet, fensterVerlauf_, [this] {
            if (fensterVerlauf_->isVisible()) sicher([this] { fensterVerlauf_->zeige(s_); });
        });
    }
    fensterVerlauf_->zeige(s_);
    fensterVerlauf_->show();
    fensterVerlauf_->raise();
    fensterVerlauf_->activateWindow();
}

}  // namespace ovi
