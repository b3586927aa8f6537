// One entry cell of the match grid: a single digit, painted by the cell itself. The grid holds 416 of them, and a
// line editor apiece cost more at start-up than the whole rest of the window.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace ovi {

class ZiffernZelle : public QWidget {
    Q_OBJECT
    // Readable by name like a line editor's, for whatever looks at widgets generically.
    Q_PROPERTY(QString text READ text)

  public:
    // The owner hears of every edit; the cell itself knows neither the game nor the grid.
    class Halter {
      public:
        // The focus arrived: the edit starts, the cell still shows its value (see vorher()).
        virtual void zelleBeginnt(ZiffernZelle& z) = 0;
        // Every accepted change of the text, typed or pasted, also the emptying at the start of an edit and the
        // value put back at its end. Not the program's own writes through setzeWert.
        virtual void zelleGeaendert(ZiffernZelle& z) = 0;
        // What a screen reader calls the cell, asked only when one asks.
        virtual QString zellenName(const ZiffernZelle& z) const = 0;

      protected:
        ~Halter() = default;
    };

    // art and index are the owner's own marks, handed back unchanged.
    ZiffernZelle(QWidget* eltern, Halter& halter, int art, int index);

    int art() const { return art_; }
    int index() const { return index_; }
    // Empty while being edited, else one digit (or whatever number the program put there).
    const QString& text() const { return text_; }
    // The number formed by the leading digits, 0 for none; it stops once past the 16-bit range.
    int zahl() const;
    // The value shown when the edit started, put back when the cell is left empty.
    int vorher() const { return vorher_; }
    // The program's own write: shown, never reported as an edit.
    void setzeWert(int wert);
    // On: a digit taken in (typed or pasted) moves the focus on, as Tab would. Off, the focus stays.
    void setzeWeiterNachZiffer(bool an) { weiter_ = an; }

    // Colours as they are now, and the ones the cell returns to when an edit ends.
    void setzeFarben(const QColor& grund, const QColor& schrift);
    void setzeRuhefarben(const QColor& grund, const QColor& schrift);
    QColor grund() const { return grund_; }
    QColor schrift() const { return schrift_; }

    QSize sizeHint() const override;

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

  private:
    void aendere(const QString& neu);
    void nimmZeichen(const QString& zeichen);
    void rueckeWeiter();
    bool kuerzel(QKeyEvent* e);
    QString name() const { return halter_.zellenName(*this); }
    friend class ZellenZugang;

    Halter& halter_;
    QString text_;
    QColor grund_, schrift_, ruheGrund_, ruheSchrift_;
    int art_, index_;
    int vorher_ = 0;
    bool weiter_ = false;
};

}  // namespace ovi
