// Report dialog "Spielerinformationen": choose a participant who plays along and read their report.
#pragma once

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QComboBox;
class QPlainTextEdit;

namespace ovi {

class frmInfo : public DialogBasis {
    Q_OBJECT

  public:
    frmInfo(const Spielstand& s, QWidget* parent);

  private:
    void Form_Load();
    void cmbSpieler_Click(int eintrag);
    void zeigeBericht(int slot);

    const Spielstand& s_;
    QComboBox* cmbSpieler = nullptr;
    QPlainTextEdit* txtInfo = nullptr;
};

}  // namespace ovi
