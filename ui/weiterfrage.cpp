#include "ui/weiterfrage.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ovi {

WeiterDialog::WeiterDialog(const QList<Weiterfrage>& fragen, QWidget* eltern) : QDialog(eltern) {
    setObjectName(QStringLiteral("dlgWeiter"));
    setWindowTitle(QStringLiteral("Elfmeterschießen"));
    auto* spalte = new QVBoxLayout(this);
    auto* text = new QLabel(fragen.size() == 1 ? QStringLiteral("Dieses K.-o.-Spiel endete unentschieden.\n"
                                                                "Wer kam im Elfmeterschießen weiter?")
                                               : QStringLiteral("Diese K.-o.-Spiele endeten unentschieden.\n"
                                                                "Wer kam jeweils im Elfmeterschießen weiter?"),
                            this);
    spalte->addWidget(text);
    auto* formular = new QFormLayout;
    for (const Weiterfrage& f : fragen) {
        auto* wahl = new QComboBox(this);
        wahl->setObjectName(QStringLiteral("cmbWeiter_%1").arg(wahl_.size()));
        // Not answering leaves the matches that follow as they are.
        wahl->addItems({QStringLiteral("offen lassen"), f.heim, f.aus});
        wahl->setCurrentIndex(f.vorschlag == 0 || f.vorschlag == 1 ? f.vorschlag + 1 : 0);
        // The match names its teams, which come from the file: no markup.
        auto* spiel = new QLabel(f.spiel, this);
        spiel->setTextFormat(Qt::PlainText);
        spiel->setBuddy(wahl);
        formular->addRow(spiel, wahl);
        wahl_ << wahl;
    }
    spalte->addLayout(formular);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    spalte->addWidget(knoepfe);
}

QList<int> WeiterDialog::antworten() const {
    QList<int> a;
    for (const QComboBox* wahl : wahl_) a << wahl->currentIndex() - 1;
    return a;
}

QList<int> frageWeiter(QWidget* eltern, const QList<Weiterfrage>& fragen) {
    WeiterDialog dlg(fragen, eltern);
    if (dlg.exec() != QDialog::Accepted) return {};
    return dlg.antworten();
}

}  // namespace ovi
