// The commands of "&Bearbeiten" that change the game in place: a scoring rule, the matches to evaluate, the reset.
#pragma once

#include <QObject>
#include <functional>

namespace ovi {

class Ablauf;
class Tabellenbereich;

class Bearbeitenbefehle : public QObject {
    Q_OBJECT

  public:
    Bearbeitenbefehle(Ablauf& fenster, Tabellenbereich& tabelle);

    // A built-in rule (3 "3-2-1-Regel", 2 "3-Punkte-Regel", 1 "2-Punkte-Regel"), named and evaluated at once.
    void waehleRegel(int modus);
    // Replaces the selection (or adds to it: loeschen false); nothing is scored until "auswerten".
    void waehleSpiele(bool loeschen, const std::function<bool(int)>& gewaehlt);
    // "alles auf Null setzen", after the question.
    void menNull_Click();

  private:
    Ablauf& w_;
    Tabellenbereich& tabelle_;
};

}  // namespace ovi
