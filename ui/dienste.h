// What the main window asks of the desktop: file choosers and message boxes.
// Tests hand in their own functions so nothing ever waits for a person.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace ovi {

// One request to a file chooser.
struct Dateiwahl {
    QString titel;
    QString ordner;     // folder the chooser opens in; empty: the current one
    QString vorschlag;  // preset file name
};

enum class Knoepfe { okAbbrechen, jaNein, jaNeinAbbrechen };
enum class Antwort { ok, ja, nein, abbrechen };

struct Dienste {
    // Empty result: cancelled.
    std::function<QString(QWidget*, const Dateiwahl&)> oeffnen;
    std::function<QStringList(QWidget*, const Dateiwahl&)> oeffnenMehrere;
    // Asks nothing about overwriting; the window does that itself.
    std::function<QString(QWidget*, const Dateiwahl&)> speichern;
    std::function<Antwort(QWidget*, const QString& titel, const QString& text, Knoepfe)> frage;
    std::function<void(QWidget*, const QString& titel, const QString& text)> meldung;
};

// Fills every function left empty with the desktop's dialogs.
Dienste mitStandard(Dienste d);

inline const QString gowetFilter = QStringLiteral("Tippspiel-Dateien (*.gowet)");
inline const QString alleFilter = QStringLiteral("Alle Dateien (*)");

}  // namespace ovi
