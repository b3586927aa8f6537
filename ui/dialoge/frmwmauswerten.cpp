#include "ui/dialoge/frmwmauswerten.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "core/auswertung.h"

namespace ovi {

frmWMAuswerten::frmWMAuswerten(const Spielstand& s, QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verwerfen), s_(s) {
    setObjectName(QStringLiteral("frmWMAuswerten"));
    setWindowTitle(QStringLiteral("Bonuspunkte"));
    sieger_.fuelle(false);

    txtBonuspunkte = new QPlainTextEdit(this);
    txtBonuspunkte->setObjectName(QStringLiteral("txtBonuspunkte"));
    txtBonuspunkte->setReadOnly(true);
    txtBonuspunkte->setGeometry(dialog::twips(120, 120, 7200, 4200));

    cmdOK = new QPushButton(QStringLiteral("ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(dialog::twips(120 + 7200 - 1095, 4440, 1095, 375));
    connect(cmdOK, &QPushButton::clicked, this, [this] { sicher([this] { close(); }); });

    setFixedSize(dialog::px(120 + 7200 + 120), dialog::px(4440 + 375 + 120));
}

void frmWMAuswerten::setWinner(int index, bool bl) { sieger_[index] = bl; }

void frmWMAuswerten::showEvent(QShowEvent* e) {
    // The text is built once, when the dialog loads, from the winners marked until then.
    if (!geladen_) {
        geladen_ = true;
        sicher([this] { Form_Load(); });
    }
    DialogBasis::showEvent(e);
}

void frmWMAuswerten::Form_Load() {
    QString text = QString::fromStdString(bonusSiegerText(s_, sieger_));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtBonuspunkte->setPlainText(text);
}

}  // namespace ovi
