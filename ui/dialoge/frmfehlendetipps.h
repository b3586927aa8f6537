// "Fehlende Tipps": per participant who plays along, the matches still to come that he has not tipped, and the
// same as a text to copy into a chat or a mail. One window for the run, modeless, it follows every change.
#pragma once

#include <QWidget>

#include "core/spielstand.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace ovi {

class frmFehlendeTipps : public QWidget {
    Q_OBJECT

  public:
    explicit frmFehlendeTipps(QWidget* eltern);
    void zeige(const Spielstand& s);

  private:
    QTreeWidget* trvFehlend = nullptr;
    QPlainTextEdit* txtFehlend = nullptr;
    QPushButton* cmdKopieren = nullptr;
};

}  // namespace ovi
