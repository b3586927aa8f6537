// The participant rows of the match area, painted: per row the name on the left and the points of the view and in
// total on the right. Between them lie the tip fields, which the grid puts into each row's frame (zeile).
#pragma once

#include <array>

#include "core/katalog.h"
#include "core/spielstand.h"
#include "ui/gemaltetabelle.h"

namespace ovi {

class Teilnehmerspalte : public GemalteTabelle {
    Q_OBJECT

  public:
    // Name, points in this view, total points.
    static constexpr int spaltenZahl = 3;

    explicit Teilnehmerspalte(QWidget* eltern);

    // The borderless frame of slot p's row, the tip fields' parent; shown while p plays along.
    QWidget* zeile(int p) const { return zeilen_.at(static_cast<std::size_t>(p)); }
    // Names from the game; the rows of those who play along stacked without gaps in slot order.
    void staple(const Spielstand& s);
    // Points of slot p in the sections of the view and in total.
    void setzePunkte(int p, int phase, int gesamt);
    // Left edges of the two points in twips, which differ between the wide and the narrow layout.
    void ordneAn(int phaseLinks, int gesamtLinks);
    // Marks the name of slot p (the mouse was over it, here or in the ranking); earlier marks rest again.
    void markiere(int p);

    // The table row slot p stands in, -1 while it does not play along; and the slot of a row.
    int zeileVon(int p) const;
    int slotIn(int zeile) const { return slots_.at(static_cast<std::size_t>(zeile)); }
    // The cell of slot p, whether shown or not.
    Zelle zelleVon(int p, int spalte) const;

    int zeilen() const override { return anzahl_; }
    int spalten() const override { return spaltenZahl; }
    Zelle zelle(int zeile, int spalte) const override { return zelleVon(slotIn(zeile), spalte); }
    QString spaltenName(int spalte) const override;
    QString zeilenName(int zeile) const override;

  signals:
    // The mouse is over the name of slot p.
    void nameBeruehrt(int p);

  protected:
    void beruehrt(int zeile, int spalte) override;

  private:
    struct Reihe {
        QString name;
        QString phase, gesamt;
        int zeile = -1;  // stacked row, -1 when not shown
    };
    QRect reihenRechteck(int zeile) const;

    std::array<QWidget*, katalog::anzahlSpieler> zeilen_{};
    std::array<Reihe, katalog::anzahlSpieler> reihen_{};
    std::array<int, katalog::anzahlSpieler> slots_{};  // slot of each shown row
    int anzahl_ = 0;
    int phaseLinks_, gesamtLinks_;
    int markiert_ = -1;
};

}  // namespace ovi
