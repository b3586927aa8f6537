// One match column of the grid: the two flags, the result and its tick, the info icon, and painted on the green
// column itself its outline and the tendency counters with their bars. The counters read as an accessible table of one
// row. The column shows a match; what the match means is the grid's matter.
#pragma once

#include <QString>
#include <array>

#include "core/spielstand.h"
#include "core/tendenz.h"
#include "ui/gemaltetabelle.h"
#include "ui/masse.h"
#include "ui/ziffernzelle.h"

class QCheckBox;
class QLabel;

namespace ovi {

class Bilder;

// The four kinds of entry field of the grid, handed to each cell as its mark.
enum class Feldart { heimErg, ausErg, heimTipp, ausTipp };

class Spielspalte : public GemalteTabelle {
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
    // The bar above counter k (home wins, draws, away wins); empty before the first count.
    QRect balken(int k) const { return balken_.at(static_cast<std::size_t>(k)); }

    // The counters: one row, three columns.
    int zeilen() const override { return 1; }
    int spalten() const override { return 3; }
    Zelle zelle(int zeile, int spalte) const override;
    QString spaltenName(int spalte) const override;
    QString zeilenName(int zeile) const override;

  signals:
    void infoGeklickt();

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
    void maleDarunter(QPainter& maler) const override;
    void maleDarueber(QPainter& maler) const override;

  private:
    const Bilder& bilder_;
    int slot_;
    QColor fenster_, fensterText_;  // the counters keep the colours of the window, not the column's green
    QRect rahmen_;                  // the outline
    QLabel* imgSpielHeim_ = nullptr;
    QLabel* imgSpielAus_ = nullptr;
    ZiffernZelle* txtHeimErg_ = nullptr;
    ZiffernZelle* txtAusErg_ = nullptr;
    QCheckBox* chkAuswerten_ = nullptr;
    QLabel* imgInfo_ = nullptr;
    std::array<QString, 3> zahlen_{};
    std::array<QRect, 3> zaehler_{}, balken_{};
};

}  // namespace ovi
