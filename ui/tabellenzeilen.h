// The rows of the ranking table, painted: place, name and seven numbers per row, on the menu colour that shows in
// the one-pixel gaps between the columns.
#pragma once

#include <array>

#include "core/katalog.h"
#include "core/rangliste.h"
#include "ui/gemaltetabelle.h"

namespace ovi {

class Tabellenzeilen : public GemalteTabelle {
    Q_OBJECT

  public:
    // Place, name, total, group phase, knock-out phase, bonus, exact, goal difference, tendency.
    static constexpr int spaltenZahl = 9;

    explicit Tabellenzeilen(QWidget* eltern);

    // The captions of all 25 rows; only what changed is painted anew.
    void zeige(const std::array<Tabellenzeile, katalog::anzahlSpieler>& zeilen);
    // Shows the first n rows; the table is as high as the full table less a row for each one not shown.
    void zeigeZeilen(int n);
    // Marks the name of row r (the mouse was over it, here or in the grid); an earlier mark rests again.
    void markiere(int zeile);

    int zeilen() const override { return anzahl_; }
    int spalten() const override { return spaltenZahl; }
    // Any row 0..24, shown or not.
    Zelle zelle(int zeile, int spalte) const override;
    QString spaltenName(int spalte) const override;
    QString zeilenName(int zeile) const override;

  signals:
    // The mouse is over the name in row r.
    void nameBeruehrt(int zeile);

  protected:
    void beruehrt(int zeile, int spalte) override;
    void maleZeile(QPainter& maler, int zeile) const override;

  private:
    std::array<std::array<QString, spaltenZahl>, katalog::anzahlSpieler> texte_{};
    int anzahl_ = 0;
    int markiert_ = -1;
    QColor zeilengrund_;
};

}  // namespace ovi
