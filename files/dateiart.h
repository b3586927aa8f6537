// Game files and match-information files share the ending .gowet and often one folder. When one reader refuses a
// file that the other takes whole, the message says what the file is and where it is loaded instead of the
// reader's technical reason ("Block 1 (Mannschaften): … Steuerzeichen 0x00").
#pragma once

#include <QString>
#include <string>

namespace ovi {

// "„plan.gowet“ ist eine Datei mit Spiel-Informationen."
std::string istSpielInfo(const QString& pfad);
// "„runde.gowet“ ist eine Spieldatei (ein gespeicherter Spielstand)."
std::string istSpieldatei(const QString& pfad);

// Where the window loads each kind, as a second sentence.
inline const std::string ladenAlsSpielInfo = " Sie wird mit Datei → Importieren → Spiel-Informationen geladen.";
inline const std::string ladenAlsSpieldatei = " Sie wird mit Datei → Öffnen geladen.";

}  // namespace ovi
