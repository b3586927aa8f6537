#include "ui/dialoge/frminfo.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "core/bericht.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"

namespace ovi {

frmInfo::frmInfo(const Spielstand& s, QWidget* parent) : DialogBasis(parent, BeiVerlust::verwerfen), s_(s) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(QStringLiteral("Spielerinformationen"));

    cmbSpieler = new QComboBox(this);
    cmbSpieler->setObjectName(QStringLiteral("cmbSpieler"));
    cmbSpieler->setPlaceholderText(QStringLiteral("Spieler"));
    cmbSpieler->setGeometry(twips::rechteck(120, 120, 3000, 330));
    connect(cmbSpieler, &QComboBox::activated, this, [this](int eintrag) { cmbSpieler_Click(eintrag); });

    txtInfo = new QPlainTextEdit(this);
    txtInfo->setObjectName(QStringLiteral("txtInfo"));
    txtInfo->setReadOnly(true);
    txtInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The report lines its columns up with blanks, so it needs a fixed-pitch font.
    QFont schrift(QStringLiteral("Courier"));
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    schrift.setPointSizeF(9.75);
    txtInfo->setFont(schrift);
    farben::setzeFeldfarben(txtInfo, farben::hellgelb, Qt::black);
    txtInfo->setGeometry(twips::rechteck(120, 570, 8700, 6600));

    setFixedSize(twips::px(120 + 8700 + 120), twips::px(570 + 6600 + 120));
    sicher([this] { Form_Load(); });
}

void frmInfo::Form_Load() {
    int erster = -1;
    for (int i = 0; i < katalog::anzahlSpieler; ++i) {
        if (!s_.getSpieltMit(i)) continue;
        // The slot goes with the entry: two participants may share a name.
        cmbSpieler->addItem(QString::fromStdString(s_.getName(i)), i);
        if (erster < 0) erster = i;
    }
    cmbSpieler->setCurrentIndex(-1);
    if (erster >= 0) zeigeBericht(erster);
}

void frmInfo::cmbSpieler_Click(int eintrag) {
    sicher([this, eintrag] {
        const QVariant slot = cmbSpieler->itemData(eintrag);
        if (slot.isValid()) zeigeBericht(slot.toInt());
    });
}

void frmInfo::zeigeBericht(int slot) {
    // The report ends its lines with CR LF; the text box wants plain line feeds. Its tabs become blanks: a tab stop
    // of the box would put the numbers after the longer labels a stop further right than the others.
    QString text = QString::fromStdString(mitSpalten(spielerInfo(s_, slot)));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtInfo->setPlainText(text);
}

}  // namespace ovi
