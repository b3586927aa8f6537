#include "ui/dialoge/frmweltmeister.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "ui/dialoge/twips.h"

namespace ovi {

frmWeltmeister::frmWeltmeister(const Spielstand& s, std::function<void(const std::string&)> setWeltmeister,
                               QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verwerfen), setWeltmeister_(std::move(setWeltmeister)) {
    setObjectName(QStringLiteral("frmWeltmeister"));
    // No caption text; an empty title would make the desktop show the program's name instead.
    setWindowTitle(QStringLiteral(" "));

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setGeometry(twips::rechteck(120, 120, 3840, 1920));

    lblWeltmeister = new QLabel(QStringLiteral("Wer wurde Weltmeister?"), this);
    lblWeltmeister->setObjectName(QStringLiteral("lblWeltmeister"));
    lblWeltmeister->setGeometry(twips::rechteck(360, 300, 3360, 285));

    cmbWeltmeister = new QComboBox(this);
    cmbWeltmeister->setObjectName(QStringLiteral("cmbWeltmeister"));
    cmbWeltmeister->setPlaceholderText(QStringLiteral(" Weltmeister"));
    cmbWeltmeister->setGeometry(twips::rechteck(360, 720, 3360, 330));

    cmdOK = new QPushButton(QStringLiteral("ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(false);
    cmdOK->setGeometry(twips::rechteck(2625, 1440, 1095, 375));

    setFixedSize(twips::px(120 + 3840 + 120), twips::px(120 + 1920 + 120));

    sicher([&] {
        const QString heim = QString::fromStdString(s.getTeam(63, 0));
        const QString aus = QString::fromStdString(s.getTeam(63, 1));
        cmbWeltmeister->addItem(heim);
        cmbWeltmeister->addItem(aus);
    });
    cmbWeltmeister->setCurrentIndex(-1);
    connect(cmbWeltmeister, &QComboBox::activated, this, [this] { sicher([this] { cmdOK->setEnabled(true); }); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { sicher([this] { cmdOK_Click(); }); });
}

void frmWeltmeister::cmdOK_Click() {
    const std::string team = cmbWeltmeister->currentText().toStdString();
    if (setWeltmeister_) setWeltmeister_(team);
    close();
}

}  // namespace ovi
