// The tournament after the group stage: knock-out pairings from the typed results, and the group tables.
#pragma once

#include <QObject>

namespace ovi {

class Ablauf;

class Turnierbefehle : public QObject {
    Q_OBJECT

  public:
    explicit Turnierbefehle(Ablauf& fenster);

    // One pass: results in, the operator's answers for drawn matches, pairings out, grid refilled.
    void menKOPaarungen_Click();
    // Typed results count at once; kept once made, losing activation only hides it.
    void menGruppentabellen_Click();

  private:
    Ablauf& w_;
};

}  // namespace ovi
