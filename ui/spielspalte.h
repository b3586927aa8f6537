// One match column of the grid: the two flags, the result and its tick, the info icon and the tendency counters,
// on a green frame with an outline. The column shows a match; what the match means is the grid's matter.
#pragma once

#include <QFrame>
#include <QString>
#include <array>

#include "core/spielstand.h"
#include "core/tendenz.h"
#include "ui/masse.h"
#include "ui/ziffernzelle.h"

class QCheckBox;
class QLabel;

namespace ovi {

class Bilder;

// The four kinds of entry field of the grid, handed to each cell as its mark.
enum class Feldart { heimErg, ausErg, heimTipp, ausTipp };

class Spielspalte : public QFrame {
    Q_OBJECT

  public:
    // slot: the column's place 0..7; the result fields report their edits to the halter.
    Spielspalte(QWidget* eltern, int slot, ZiffernZelle::Halter& halter, const Bilder& bilder);

    // Place and size of the column and of everything in it for a layout.
    void ordneAn(const masse::Spalten& l);
    // Flags with the teams' names, result and tick of a match; nothing is reported as an edit.
    void zeigeSpiel(const Spiel& spiel, const QString& heim, const QString& aus);
    // The three counters and their bars for a column of the given width in twips.
    void zeigeTendenz(const Tendenz& t, int spaltenBreite);
    // The home flags or the away flags in front.
    void flaggenNachVorn(bool heim);

    ZiffernZelle* heimErg() const { return txtHeimErg_; }
    ZiffernZelle* ausErg() const { return txtAusErg_; }
    QCheckBox* haekchen() const { return chkAuswerten_; }

  signals:
    void infoGeklickt();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    const Bilder& bilder_;
    int slot_;
    QFrame* shpRahmen_ = nullptr;
    QLabel* imgSpielHeim_ = nullptr;
    QLabel* imgSpielAus_ = nullptr;
    ZiffernZelle* txtHeimErg_ = nullptr;
    ZiffernZelle* txtAusErg_ = nullptr;
    QCheckBox* chkAuswerten_ = nullptr;
    QLabel* imgInfo_ = nullptr;
    std::array<QLabel*, 3> lblTen_{};     // home wins, draws, away wins
    std::array<QFrame*, 3> shpBalken_{};  // the bars above them
};

}  // namespace ovi
