// Rows of coloured texts painted by one widget. The participant rows and the ranking table were 375 labels, and a
// label apiece cost more at start-up than the rest of the window; a cell here fills its rectangle and draws its
// text exactly as a label did, and brings its tool tip, the mouse over it and an accessible table along.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

namespace ovi {

// What one cell shows, and where.
struct Zelle {
    QRect rechteck;  // in the table's coordinates; empty while its row is not shown
    QString text;
    QColor grund;
    QColor schrift;
    bool fett = false;
    bool links = false;      // left-aligned, vertically centred; else centred both ways
    int einzug = 0;          // pixels before a left-aligned text
    bool einpassen = false;  // a text too wide for the cell is drawn in a font just small enough
    QString tipp;            // tool tip, empty for none
};

class GemalteTabelle : public QWidget {
    Q_OBJECT

  public:
    explicit GemalteTabelle(QWidget* eltern);

    // Rows shown now (counted from the top) and columns.
    virtual int zeilen() const = 0;
    virtual int spalten() const = 0;
    virtual Zelle zelle(int zeile, int spalte) const = 0;
    // What a screen reader calls a column and a row.
    virtual QString spaltenName(int spalte) const = 0;
    virtual QString zeilenName(int zeile) const = 0;

    // The font a cell's text is drawn in, and the rectangle it is laid out in.
    QFont schrift(const Zelle& z) const;
    static QRect textRechteck(const Zelle& z);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    // The mouse moved over a cell; nothing by default.
    virtual void beruehrt(int zeile, int spalte);
    // Painted below everything, below a row's cells (in the gaps between them), above everything; nothing by default.
    virtual void maleDarunter(QPainter& maler) const;
    virtual void maleZeile(QPainter& maler, int zeile) const;
    virtual void maleDarueber(QPainter& maler) const;
    // A cell shows something else: it is painted anew, and a screen reader hears of it.
    void erneuere(int zeile, int spalte);

  private:
    bool zelleBei(QPoint p, int& zeile, int& spalte) const;
};

}  // namespace ovi
