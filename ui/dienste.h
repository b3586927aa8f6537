// What the main window asks of the desktop: file choosers and message boxes.
// Tests hand in their own functions so nothing ever waits for a person.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace ovi {

// One request to a file chooser.
struct Dateiwahl {
    QString titel;
    QString ordner;     // folder the chooser opens in; empty: the current one
    QString vorschlag;  // preset file name
    QString filter{};   // empty: game files
    QString endung{};   // added by the chooser when none is typed; empty: "gowet"
};

// A knock-out match that ended level: which side went through on penalties?
struct Weiterfrage {
    QString spiel;  // "Achtelfinale: Schweiz – Ukraine"
    QString heim, aus;
    int vorschlag = -1;  // side offered at first: 0 home, 1 away, -1 none
};

// jaNeinVorgabeNein: Return answers "Nein", for a question whose "Ja" may lose something.
enum class Knoepfe { okAbbrechen, jaNein, jaNeinAbbrechen, jaNeinVorgabeNein };
enum class Antwort { ok, ja, nein, abbrechen };

struct Dienste {
    // Empty result: cancelled.
    std::function<QString(QWidget*, const Dateiwahl&)> oeffnen;
    std::function<QStringList(QWidget*, const Dateiwahl&)> oeffnenMehrere;
    // Asks nothing about overwriting; the window does that itself.
    std::function<QString(QWidget*, const Dateiwahl&)> speichern;
    // Texts are shown as they stand, never read as HTML: they carry names and file names.
    std::function<Antwort(QWidget*, const QString& titel, const QString& text, Knoepfe)> frage;
    // A question with answers of its own, the first the default, the last the one for Escape; the index of the
    // chosen answer, -1 when the box was closed without one.
    std::function<int(QWidget*, const QString& titel, const QString& text, const QStringList& antworten)> waehle;
    std::function<void(QWidget*, const QString& titel, const QString& text)> meldung;
    // One answer per question: 0 home, 1 away, -1 not answered; empty when cancelled.
    std::function<QList<int>(QWidget*, const QList<Weiterfrage>&)> weiter;
    // A notice that is no warning; left empty, it goes where `meldung` goes when that was handed in.
    std::function<void(QWidget*, const QString& titel, const QString& text)> hinweis;
    // Tick boxes to choose from; no result: cancelled.
    std::function<std::optional<QList<bool>>(QWidget*, const QString& titel, const QStringList& punkte,
                                             const QList<bool>& vorgabe)>
        ankreuzen;
    // The printer dialog with a preview; malen paints the pages onto the printer it is handed.
    std::function<void(QWidget*, const std::function<void(QPrinter*)>& malen)> drucken;
};

// Fills every function left empty with the desktop's dialogs.
Dienste mitStandard(Dienste d);

// The save chooser, the suffix w.endung added when none was typed, and the question before an existing file is
// replaced (titled like the chooser); empty when the operator cancelled either.
QString zielZumSpeichern(QWidget* eltern, const Dienste& d, const Dateiwahl& w);

inline const QString gowetFilter = QStringLiteral("Tippspiel-Dateien (*.gowet)");
inline const QString alleFilter = QStringLiteral("Alle Dateien (*)");

}  // namespace ovi
