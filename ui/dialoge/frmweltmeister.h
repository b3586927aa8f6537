// After a drawn final: which of the two finalists became world champion?
#pragma once

#include <functional>
#include <string>

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace ovi {

class frmWeltmeister : public DialogBasis {
    Q_OBJECT

  public:
    frmWeltmeister(const Spielstand& s, std::function<void(const std::string&)> setWeltmeister, QWidget* parent);

  private:
    void cmdOK_Click();

    std::function<void(const std::string&)> setWeltmeister_;
    QFrame* Shape1 = nullptr;
    QLabel* lblWeltmeister = nullptr;
    QComboBox* cmbWeltmeister = nullptr;
    QPushButton* cmdOK = nullptr;
};

}  // namespace ovi
