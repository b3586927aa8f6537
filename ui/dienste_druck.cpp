#include "ui/dienste_druck.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <memory>

#include "ui/tabellendruck.h"

namespace ovi {

std::optional<QList<bool>> kreuzeAn(QWidget* eltern, const QString& titel, const QStringList& punkte,
                                    const QList<bool>& vorgabe) {
    QDialog dlg(eltern);
    dlg.setWindowTitle(titel);
    // The few boxes make a narrow dialog, and the window manager would cut its title ("Als PD… tieren"): as wide
    // as the title in a bold font, with room for the frame's buttons.
    QFont fett = dlg.font();
    fett.setBold(true);
    dlg.setMinimumWidth(QFontMetrics(fett).horizontalAdvance(titel) * 5 / 4 + 140);
    auto* spalte = new QVBoxLayout(&dlg);
    QList<QCheckBox*> kaesten;
    for (qsizetype i = 0; i < punkte.size(); ++i) {
        auto* k = new QCheckBox(punkte[i], &dlg);
        k->setChecked(vorgabe.value(i));
        spalte->addWidget(k);
        kaesten << k;
    }
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    spalte->addWidget(knoepfe);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    QList<bool> gewaehlt;
    for (const QCheckBox* k : kaesten) gewaehlt << k->isChecked();
    return gewaehlt;
}

void druckeMitVorschau(QWidget* eltern, const std::function<void(QPrinter*)>& malen) {
    // The printer lives as long as the preview's connection, which goes with the preview.
    auto drucker = std::make_shared<QPrinter>(QPrinter::HighResolution);
    richteSeiteEin(*drucker);
    auto* vorschau = new QPrintPreviewDialog(drucker.get(), eltern);
    vorschau->setAttribute(Qt::WA_DeleteOnClose);
    vorschau->setWindowTitle(QStringLiteral("Drucken"));
    QObject::connect(vorschau, &QPrintPreviewDialog::paintRequested, vorschau,
                     [drucker, malen](QPrinter* p) { malen(p); });
    vorschau->setWindowModality(Qt::NonModal);
    vorschau->show();
}

}  // namespace ovi
