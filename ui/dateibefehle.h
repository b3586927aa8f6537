// The file commands: open, save, the two imports, and the question before the game in hand is given up.
// They also know which file the game belongs to.
#pragma once

#include <QObject>
#include <QString>

#include "ui/dateiwache.h"

namespace ovi {

class Ablauf;
class Tabellenbereich;

class Dateibefehle : public QObject {
    Q_OBJECT

  public:
    Dateibefehle(Ablauf& fenster, Tabellenbereich& tabelle);

    // Where a save goes; empty until a game was saved, opened or match information imported.
    QString dateiName() const { return dateiName_; }
    // A game file named: the path for the next save and its title above the table.
    void setzeDatei(const QString& pfad);
    // The path alone (undo puts back what the window showed).
    void setzeDateiName(const QString& pfad) { dateiName_ = pfad; }
    // The folder a file chooser opens in.
    QString startOrdner() const;

    void menOeffnen_Click();
    void oeffneDatei(const QString& pfad);
    bool menSpeichern_Click();
    void menTipps_Click();
    void menSpiele_Click();
    void menBeenden_Click();
    // Asked before the game in hand is given up: on quitting, opening another game, importing match information.
    bool darfVerwerfen();
    // The open file: changed by others since? in use elsewhere?
    Dateiwache& wache() { return wache_; }

  signals:
    // The game as it stands is what a file holds: saved or opened.
    void gespeichert();

  private:
    Ablauf& w_;
    Tabellenbereich& tabelle_;
    QString dateiName_;
    Dateiwache wache_;
};

}  // namespace ovi
