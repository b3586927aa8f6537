// Player editor "Spielerdaten ändern": name, champion tip and "spielt mit" of all 25 slots at once.
// "ok" stores every row and asks the main window to re-evaluate; turning away discards the edits.
#pragma once

#include <array>
#include <functional>

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ovi {

class frmAendern : public DialogBasis {
    Q_OBJECT

  public:
    static constexpr int maxNamenLaenge = 12;

    frmAendern(Spielstand& s, std::function<void()> starteEinblenden, QWidget* parent);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void baueAuf();
    void ladeZeilen();
    void cmdOK_Click();

    Spielstand& s_;
    std::function<void()> starteEinblenden_;

    QLabel* lblName = nullptr;
    QLabel* lblWMTipp = nullptr;
    QLabel* lblSpieltMit = nullptr;
    std::array<QLineEdit*, katalog::anzahlSpieler> txtName{};
    std::array<QComboBox*, katalog::anzahlSpieler> cmbWMTipp{};
    std::array<QCheckBox*, katalog::anzahlSpieler> chkSpieltMit{};
    QPushButton* cmdOK = nullptr;
};

}  // namespace ovi
