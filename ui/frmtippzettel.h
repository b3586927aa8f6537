// "Tippzettel": a sheet with the matches to tip, for one participant (with the tips he has) or blank, for one phase
// view or the whole tournament; to the clipboard, into a .txt or a PDF, or to the printer. Filled in and sent back,
// its text goes into "Tipps aus Text" as it stands. Modeless; it follows the game while it is open.
#pragma once

#include <QWidget>

#include "core/spielstand.h"
#include "ui/dienste.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace ovi {

class frmTippzettel : public QWidget {
    Q_OBJECT

  public:
    // ordner: where the file choosers open; ansicht: the phase view chosen at first, -1 the whole tournament.
    frmTippzettel(const Spielstand& s, const Dienste& dienste, QString ordner, int ansicht, QWidget* eltern);
    // Participants and text anew from the game.
    void aktualisiere();
    QString text() const;

  private:
    void speichere(const QString& art, const QString& endung, const QString& filter, const std::string& bytes);
    QString dateiName(const QString& endung) const;

    const Spielstand& s_;
    const Dienste& dienste_;
    QString ordner_;
    bool fuellt_ = false;
    QComboBox* cmbTeilnehmer = nullptr;
    QComboBox* cmbAnsicht = nullptr;
    QPlainTextEdit* txtZettel = nullptr;
};

}  // namespace ovi
