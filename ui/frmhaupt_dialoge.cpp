// The small windows the main window opens: all modeless, they work on the game through the window.
#include "ui/dialoge/frmaendern.h"
#include "ui/dialoge/frminfo.h"
#include "ui/dialoge/frmregel.h"
#include "ui/dialoge/frmspielinfo.h"
#include "ui/dialoge/frmweltmeister.h"
#include "ui/dialoge/frmwmauswerten.h"
#include "ui/frmhaupt.h"

namespace ovi {

void frmHaupt::menEigeneRegel_Click() {
    (new frmRegel(
         s_,
         [this] {
             starteAuswertung();
             sicher([this] { nimmAuf(QStringLiteral("Eigene Regel")); });
         },
         this))
        ->show();
}

void frmHaupt::menAendern_Click() {
    (new frmAendern(
         s_,
         [this] {
             starteEinblenden();
             sicher([this] { nimmAuf(QStringLiteral("Spielerdaten")); });
         },
         this))
        ->show();
}

void frmHaupt::menInfo_Click() { (new frmInfo(s_, this))->show(); }

void frmHaupt::imgInfo_Click(int s) {
    // Kept once made: losing activation only hides it.
    if (!spielInfo_) spielInfo_ = new frmSpielInfo(this);
    spielInfo_->show();
    spielInfo_->raise();
    spielInfo_->activateWindow();
    spielInfo_->spielAnzeigen(s_, ersteSpielNr(ansicht_) + s);
}

void frmHaupt::zeigeBonusSieger() {
    auto* liste = new frmWMAuswerten(s_, this);
    for (int p = 0; p < katalog::anzahlSpieler; ++p) liste->setWinner(p, s_.sieger[p]);
    liste->show();
}

void frmHaupt::frageWeltmeister() {
    (new frmWeltmeister(
         s_,
         [this](const std::string& team) {
             setWeltmeister(team);
             sicher([this] { nimmAuf(QStringLiteral("Weltmeister")); });
         },
         this))
        ->show();
}

}  // namespace ovi
