// Why a file cannot be read or written, in German. The file system is asked first: Qt's own words are English
// and often name a symptom ("existing file is not writable") instead of the cause.
#pragma once

#include <QString>
#include <string>

class QFileDevice;

namespace ovi {

// The cause behind a system error number (ENOSPC: "der Datenträger ist voll"); empty when there is no German word.
std::string systemUrsache(int fehlernummer);

// What stands in the way of reading pfad as a file: missing, a folder that cannot be entered, a folder, a device or
// a pipe. Empty when nothing does; a pipe is refused here because opening it would wait for a writer.
std::string leseHindernis(const QString& pfad);

// What stands in the way of saving pfad: the reasons above, a missing or write-protected folder, a write-protected
// file or medium. Empty when nothing does.
std::string schreibHindernis(const QString& pfad);

// The cause of a failure Qt reported on f.
std::string grund(const QFileDevice& f);

}  // namespace ovi
