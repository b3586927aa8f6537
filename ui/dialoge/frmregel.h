// Own-rule dialog: points and highlight colour for each hit category and the champion bonus, beside the three
// built-in rules for comparison. "ok" writes the rule and puts it into force; turning away discards it.
#pragma once

#include <array>
#include <functional>

#include "core/spielstand.h"
#include "ui/dialoge/dialogbasis.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ovi {

class ZiffernFilter;

class frmRegel : public DialogBasis {
    Q_OBJECT

  public:
    frmRegel(Spielstand& s, std::function<void()> starteAuswertung, QWidget* parent);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    void baueAuf();
    void Form_Load();
    void lblFarbAlt_Click(int k);
    void chkBonus_Click();
    void cmdOK_Click();

    Spielstand& s_;
    std::function<void()> starteAuswertung_;
    Liste<Long, 3> farbPalette_;
    Liste<Long, 3> farbWahl_;

    std::array<QLabel*, 3> lblText{};
    std::array<QLabel*, 4> lblModus{};
    std::array<QFrame*, 4> shpSpalte{};
    std::array<QLineEdit*, 3> txtNeuModus{};
    std::array<QLabel*, 3> lblFarbWahl{};
    std::array<QLabel*, 9> lblFarbAlt{};
    std::array<QLabel*, 9> lblPunkteMod{};
    std::array<QLabel*, 9> lblFarbeFest{};
    QLabel* Label1 = nullptr;
    QCheckBox* chkBonus = nullptr;
    QLineEdit* txtBonus = nullptr;
    QPushButton* cmdOK = nullptr;
    ZiffernFilter* ziffern_ = nullptr;
};

}  // namespace ovi
