// "Importieren → Tipps" with the game's participants kept safe: every chosen file is read and checked first; a file
// whose participants differ from the game's is named with its differences, and the operator decides how its tips
// are matched (by name, as in the file) or cancels the whole import.
#pragma once

#include <QStringList>

#include "core/spielstand.h"
#include "ui/dienste.h"

namespace ovi {

// The three answers, in the order the question shows them.
inline const QStringList zuordnungsAntworten = {QStringLiteral("Nach Namen zuordnen"),
                                                QStringLiteral("Wie in der Datei"), QStringLiteral("Abbrechen")};

// True when the game took the files over; false when one could not be read (said in a message) or the operator
// cancelled: then nothing changed.
bool importiereTippdateien(QWidget* eltern, const Dienste& dienste, Spielstand& s, const QStringList& pfade);

}  // namespace ovi
