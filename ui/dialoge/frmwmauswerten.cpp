#include "ui/dialoge/frmwmauswerten.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "ui/dialoge/twips.h"

namespace ovi {

frmWMAuswerten::frmWMAuswerten(const Spielstand& s, QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verwerfen), s_(s) {
    setObjectName(QStringLiteral("frmWMAuswerten"));
    setWindowTitle(QStringLiteral("Bonuspunkte"));
    sieger_.fuelle(false);

    txtBonuspunkte = new QPlainTextEdit(this);
    txtBonuspunkte->setObjectName(QStringLiteral("txtBonuspunkte"));
    txtBonuspunkte->setReadOnly(true);
    const QRect kasten = twips::rechteck(120, 120, 7200, 4200);
    txtBonuspunkte->setGeometry(kasten.adjusted(0, 0, std::max(0, kastenBreite() - kasten.width()), 0));

    cmdOK = new QPushButton(QStringLiteral("ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    const QRect ok = twips::rechteck(0, 4440, 1095, 375);
    cmdOK->setGeometry(ok.translated(txtBonuspunkte->geometry().right() + 1 - ok.width(), 0));
    connect(cmdOK, &QPushButton::clicked, this, [this] { sicher([this] { close(); }); });

    setFixedSize(txtBonuspunkte->geometry().right() + 1 + twips::px(120), twips::px(4440 + 375 + 120));
}

int frmWMAuswerten::kastenBreite() const {
    // The heading stays on one line for every bonus of two digits, also beside the scroll bar of a long list.
    // Measured once per font: the hundred headings cost more than the rest of an evaluation.
    static QHash<QString, double> breiten;
    const QFont f = txtBonuspunkte->font();
    auto gemessen = breiten.constFind(f.key());
    if (gemessen == breiten.constEnd()) {
        Spielstand probe;
        Liste<bool, katalog::anzahlSpieler> niemand;
        niemand.fuelle(false);
        const QFontMetricsF schrift(f);
        double breiteste = 0;
        for (int bonus = 0; bonus <= 99; ++bonus) {
            probe.regel.bonuspunkte = Integer(bonus);
            for (const QString& z :
                 QString::fromStdString(bonusSiegerText(probe, niemand)).split(QStringLiteral("\r\n")))
                breiteste = std::max(breiteste, schrift.horizontalAdvance(z));
        }
        gemessen = breiten.insert(f.key(), breiteste);
    }
    const double zeile = *gemessen;
    const double rand = 2 * (txtBonuspunkte->frameWidth() + txtBonuspunkte->document()->documentMargin()) +
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, txtBonuspunkte) + 4;
    return static_cast<int>(std::ceil(zeile + rand));
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
