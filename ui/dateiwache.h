// The game file the window has open. It remembers what the file held when it was read or last written, so a save
// notices that another program changed it since; and it holds a lock file beside it, so another running
// ovi kuvela that opens the same file can say so.
#pragma once

#include <QLockFile>
#include <QString>
#include <memory>

#include "files/fingerabdruck.h"

class QWidget;

namespace ovi {

struct Dienste;

class Dateiwache {
  public:
    Dateiwache(const Dienste& dienste, QWidget* fenster) : dienste_(dienste), fenster_(fenster) {}

    // Before a game file is opened: when another running program has it open, asks whether to open it anyway.
    // True: go on. A folder where no lock can be made says nothing.
    bool darfOeffnen(const QString& pfad);
    // Before pfad is written: an existing file is replaced only after one question. It is the ordinary one, or,
    // when pfad is the file in hand and another program changed it since, the question about that change
    // (default No). Right before writing the file is looked at once more: changed during the question, it is
    // asked about again. True: write.
    bool darfErsetzen(const QString& pfad, const QString& titel);
    // After an open or a save: pfad held these bytes. The lock moves to pfad.
    void merke(const QString& pfad, const Fingerabdruck& abdruck);

    // The file in hand and what it held: kept beside a recovery copy, so a restored game keeps its guard.
    const QString& pfad() const { return pfad_; }
    const Fingerabdruck& abdruck() const { return abdruck_; }

    // The lock file beside a game file: hidden, named after it.
    static QString sperrPfad(const QString& pfad);

  private:
    bool frageWegenAenderung(const QString& pfad, const QString& titel);

    const Dienste& dienste_;
    QWidget* fenster_;
    QString pfad_;
    Fingerabdruck abdruck_;
    std::unique_ptr<QLockFile> sperre_;
};

}  // namespace ovi
