// The question after drawn knock-out matches: one small dialog, one choice per match.
#pragma once

#include <QDialog>
#include <QList>

#include "ui/dienste.h"

class QComboBox;

namespace ovi {

class WeiterDialog : public QDialog {
    Q_OBJECT

  public:
    WeiterDialog(const QList<Weiterfrage>& fragen, QWidget* eltern);
    // Per question 0 home, 1 away, -1 not answered.
    QList<int> antworten() const;

  private:
    QList<QComboBox*> wahl_;
};

// Shows the dialog and waits; empty when cancelled.
QList<int> frageWeiter(QWidget* eltern, const QList<Weiterfrage>& fragen);

}  // namespace ovi
