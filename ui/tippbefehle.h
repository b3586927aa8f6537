// Collecting tips: "Tipps aus Text…", "Tippzettel…", "Fehlende Tipps" and the choice "Nach einer Ziffer weiter".
// The windows are classes of their own; here they are opened, fed from the game and kept up to date.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <vector>

class QAction;
class QWidget;

namespace ovi {

class Ablauf;
class Dateibefehle;
class Spielraster;
struct Tippaenderung;

class Tippbefehle : public QObject {
    Q_OBJECT

  public:
    Tippbefehle(Ablauf& fenster, const Dateibefehle& datei, Spielraster& raster);

    void menTippText_Click();
    void menTippzettel_Click();
    void menFehlendeTipps_Click();
    // "Nach einer Ziffer weiter", the menu's checkable item: off by default and kept between runs; with it, a tip costs
    // two keys instead of four.
    void richteZifferWeiterEin(QAction* punkt);
    // After every step and evaluation: the windows that follow the game and are shown read it anew.
    void folgeSpiel();

  private:
    // Like typed tips: what the grid holds is taken over first, the tendency counters follow, one step for all.
    void uebernimmTippText(const std::vector<Tippaenderung>& a);
    void folge(QWidget* fenster, std::function<void()> neu);

    Ablauf& w_;
    const Dateibefehle& datei_;
    Spielraster& raster_;
    std::vector<std::pair<QPointer<QWidget>, std::function<void()>>> folgende_;
};

}  // namespace ovi
