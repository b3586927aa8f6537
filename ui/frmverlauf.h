// "Verlauf": the race as a line chart over the match days (place or points so far) and the day's winners.
// One window for the run, modeless; it stays open beside the main window and follows every evaluation.
#pragma once

#include <QSvgRenderer>
#include <QWidget>

#include "ausgabe/verlaufsvg.h"

class QLabel;
class QRadioButton;
class QTextBrowser;

namespace ovi {

// The chart drawn from the SVG of the presentation library at the widget's own size, so mouse positions are chart
// units. The picture is parsed once per change (new standings, another kind, another participant picked out), not
// on every paint.
class VerlaufBild : public QWidget {
    Q_OBJECT

  public:
    explicit VerlaufBild(QWidget* eltern);
    void setzeVerlauf(const Verlauf& v);
    void setzeArt(Kurve art);
    const Diagramm& diagramm() const { return d_; }
    int hervorgehoben() const { return hervor_; }

  signals:
    void hervorgehobenGeaendert(int slot);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

  private:
    void neuZeichnen();
    void hebeHervor(int slot);

    Verlauf v_;
    Kurve art_ = Kurve::platz;
    Diagramm d_;
    int hervor_ = -1;
    QSvgRenderer svg_;
};

class frmVerlauf : public QWidget {
    Q_OBJECT

  public:
    explicit frmVerlauf(QWidget* eltern);
    // Recomputes the standings per match day from the game; a fault leaves the window as it was.
    void zeige(const Spielstand& s);
    VerlaufBild* bild() const { return bild_; }

  private:
    void zeigeAuswahl(int slot);

    Verlauf v_;
    QRadioButton* optPlatz = nullptr;
    QRadioButton* optPunkte = nullptr;
    QLabel* lblAuswahl = nullptr;
    VerlaufBild* bild_ = nullptr;
    QTextBrowser* txtTagessieger = nullptr;
};

}  // namespace ovi
