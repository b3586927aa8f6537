// Print and export of the standings: "Drucken…" and "Exportieren" in the file menu.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "ausgabe/tabellendokument.h"

namespace ovi {

class Ablauf;
class Dateibefehle;
class Tabellenbereich;

class Druckbefehle : public QObject {
    Q_OBJECT

  public:
    Druckbefehle(Ablauf& fenster, const Dateibefehle& datei, const Tabellenbereich& tabelle);

    void menDrucken_Click();
    void menAlsPDF_Click();
    void menAlsHTML_Click();

  private:
    // Asks which parts to take, with the last choice ticked; none when cancelled.
    std::optional<Tabellendokument> tabellendokument(const QString& titel);
    void exportiere(const QString& art, const QString& endung, const QString& filter,
                    const std::function<std::string(const Tabellendokument&)>& erzeuge);

    Ablauf& w_;
    const Dateibefehle& datei_;
    const Tabellenbereich& tabelle_;
    Dokumentwahl dokumentWahl_;
    bool chancenWahl_ = false;  // the chances go into print and export
};

}  // namespace ovi
