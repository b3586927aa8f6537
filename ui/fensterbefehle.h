// The small windows the main window opens: all modeless, they work on the game through the window.
#pragma once

#include <QObject>

namespace ovi {

class Ablauf;
class frmSpielInfo;
class frmVerlauf;
class frmChancen;

class Fensterbefehle : public QObject {
    Q_OBJECT

  public:
    explicit Fensterbefehle(Ablauf& fenster);

    void menEigeneRegel_Click();
    void menAendern_Click();
    void menInfo_Click();
    // The match details of a column of the view.
    void imgInfo_Click(int slot);
    // "Ansicht > Verlauf": one window for the run, refreshed after every evaluation while it is shown.
    void menVerlauf_Click();
    // "Ansicht > Chancen": likewise.
    void menChancen_Click();
    void folgeAuswertung();
    // After an evaluation with the bonus: the list of winners, or the question after a drawn final.
    void zeigeBonusSieger();
    void frageWeltmeister();

  private:
    template <class F>
    void zeigeEinzeln(F*& fenster);

    Ablauf& w_;
    frmSpielInfo* spielInfo_ = nullptr;
    frmVerlauf* verlauf_ = nullptr;
    frmChancen* chancen_ = nullptr;
};

}  // namespace ovi
