#include "ui/fensterbefehle.h"

#include "ui/ablauf.h"
#include "ui/dialoge/frmaendern.h"
#include "ui/dialoge/frminfo.h"
#include "ui/dialoge/frmregel.h"
#include "ui/dialoge/frmspielinfo.h"
#include "ui/dialoge/frmweltmeister.h"
#include "ui/dialoge/frmwmauswerten.h"
#include "ui/fensterlage.h"
#include "ui/frmchancen.h"
#include "ui/frmverlauf.h"

namespace ovi {

Fensterbefehle::Fensterbefehle(Ablauf& fenster) : QObject(fenster.eltern()), w_(fenster) {}

void Fensterbefehle::menEigeneRegel_Click() {
    (new frmRegel(
         w_.spielstand(),
         [this] {
             w_.starteAuswertung();
             w_.sicher([this] { w_.nimmAuf(QStringLiteral("Eigene Regel")); });
         },
         w_.eltern()))
        ->show();
}

void Fensterbefehle::menAendern_Click() {
    (new frmAendern(
         w_.spielstand(),
         [this] {
             w_.starteEinblenden();
             w_.sicher([this] { w_.nimmAuf(QStringLiteral("Spielerdaten")); });
         },
         w_.eltern()))
        ->show();
}

void Fensterbefehle::menInfo_Click() { (new frmInfo(w_.spielstand(), w_.eltern()))->show(); }

void Fensterbefehle::imgInfo_Click(int slot) {
    // Kept once made: losing activation only hides it.
    if (!spielInfo_) spielInfo_ = new frmSpielInfo(w_.eltern());
    spielInfo_->show();
    spielInfo_->raise();
    spielInfo_->activateWindow();
    spielInfo_->spielAnzeigen(w_.spielstand(), ersteSpielNr(w_.ansicht()) + slot);
}

void Fensterbefehle::zeigeBonusSieger() {
    auto* liste = new frmWMAuswerten(w_.spielstand(), w_.eltern());
    for (int p = 0; p < katalog::anzahlSpieler; ++p) liste->setWinner(p, w_.spielstand().sieger[p]);
    liste->show();
}

void Fensterbefehle::frageWeltmeister() {
    (new frmWeltmeister(
         w_.spielstand(),
         [this](const std::string& team) {
             w_.setWeltmeister(team);
             w_.sicher([this] { w_.nimmAuf(QStringLiteral("Weltmeister")); });
         },
         w_.eltern()))
        ->show();
}

// One window of its kind for the run: placed on the screen when first made, then filled and brought to the front.
template <class F>
void Fensterbefehle::zeigeEinzeln(F*& fenster) {
    if (!fenster) {
        fenster = new F(w_.eltern());
        legeAufBildschirm(fenster, w_.eltern());
    }
    fenster->zeige(w_.spielstand());
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void Fensterbefehle::menVerlauf_Click() { zeigeEinzeln(verlauf_); }

void Fensterbefehle::menChancen_Click() { zeigeEinzeln(chancen_); }

void Fensterbefehle::folgeAuswertung() {
    if (verlauf_ && verlauf_->isVisible()) w_.sicher([this] { verlauf_->zeige(w_.spielstand()); });
    if (chancen_ && chancen_->isVisible()) w_.sicher([this] { chancen_->zeige(w_.spielstand()); });
}

}  // namespace ovi
