// What the small windows share: modeless, gone as soon as the operator turns to another window
// (that is how they are cancelled), Escape does the same, and no fault escapes an event handler.
#pragma once

#include <QColor>
#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>

#include "core/grundtypen.h"

namespace ovi {

class DialogBasis : public QDialog {
    Q_OBJECT

  public:
    enum class BeiVerlust {
        verwerfen,   // closed and deleted, unconfirmed input is lost
        verstecken,  // only hidden, shown again on the next request
    };

    DialogBasis(QWidget* parent, BeiVerlust art);

  protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

    // Runs the body of an event handler. A range error or an overflow abandons it; the dialog stays usable.
    static bool sicher(const std::function<void()>& body);

  private:
    bool gehoertZuMir(const QWidget* fenster) const;
};

namespace dialog {

// Layouts are kept in twips, 15 to a logical pixel; edges are rounded so neighbours stay adjacent.
int px(double twips);
QRect twips(double links, double oben, double breite, double hoehe);

// Colours of the game state are r + 256 g + 65536 b.
QColor farbe(Long wert);
Long farbwert(const QColor& c);
// Background of a label or frame (Window role) or of a text field (Base role).
void setzeHintergrund(QWidget* w, const QColor& c);
void setzeFeldfarben(QWidget* w, const QColor& hintergrund, const QColor& text);
QColor hintergrund(const QWidget* w);

}  // namespace dialog
}  // namespace ovi
