// "Tipps aus Text": a pasted chat or mail message (or a .txt file) read line by line, every line's finding shown
// before anything changes. "ersetzt" lines are taken over only when ticked; "Übernehmen" hands the chosen tips to
// the window, "Abbrechen" changes nothing. Modeless, and it stays when another window is activated, so the text can
// be copied from elsewhere.
#pragma once

#include <QDialog>
#include <functional>
#include <set>
#include <tuple>
#include <vector>

#include "core/spielstand.h"
#include "core/tippvorschau.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace ovi {

class frmTippText : public QDialog {
    Q_OBJECT

  public:
    struct Wege {
        std::function<QString(QWidget* eltern)> waehleDatei;                // a .txt to read; empty: cancelled
        std::function<void(QWidget* eltern, const QString& fehler)> melde;  // the file could not be read
        std::function<void(const std::vector<Tippaenderung>&)> uebernimm;   // writes the tips into the game
    };
    enum Spalte { spZeile, spText, spTeilnehmer, spSpiel, spTipp, spBefund, spalten };

    frmTippText(const Spielstand& s, Wege wege, QWidget* eltern);

    // The game changed: the participants and findings anew. A ticked "ersetzt" line stays ticked while it still
    // replaces the same way.
    void aktualisiere();
    const std::vector<Vorschauzeile>& vorschau() const { return v_; }
    // The tips "Übernehmen" would write now.
    std::vector<Tippaenderung> gewaehlt() const;

  private:
    void fuelleTeilnehmer();
    void zeigeVorschau();
    void zeigeSumme();
    void liesDatei();
    void uebernehmen();
    void kreuzGeaendert(int zeile);
    using Schluessel = std::tuple<int, int, int, int>;  // participant, match, tip: one replacement
    static Schluessel schluessel(const Vorschauzeile& z);

    const Spielstand& s_;
    Wege wege_;
    std::vector<Vorschauzeile> v_;
    std::set<Schluessel> angekreuzt_;
    bool fuellt_ = false;

    QPlainTextEdit* txtText = nullptr;
    QPushButton* cmdDatei = nullptr;
    QComboBox* cmbTeilnehmer = nullptr;
    QTableWidget* tblVorschau = nullptr;
    QLabel* lblSumme = nullptr;
    QPushButton* cmdUebernehmen = nullptr;
    QPushButton* cmdAbbrechen = nullptr;
};

}  // namespace ovi
