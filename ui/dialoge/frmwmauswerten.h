// The list of participants who tipped the world champion and got the bonus (caption "Bonuspunkte").
#pragma once

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QPlainTextEdit;
class QPushButton;

namespace ovi {

class frmWMAuswerten : public DialogBasis {
    Q_OBJECT

  public:
    frmWMAuswerten(const Spielstand& s, QWidget* parent);
    // Marks slot index (0..24) as a winner or not; to be called for all slots before the dialog is shown.
    // An index outside 0..24 raises a range error.
    void setWinner(int index, bool bl);

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Form_Load();
    // Width of the text box that holds the heading on one line.
    int kastenBreite() const;

    const Spielstand& s_;
    Liste<bool, katalog::anzahlSpieler> sieger_;
    bool geladen_ = false;
    QPlainTextEdit* txtBonuspunkte = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace ovi
