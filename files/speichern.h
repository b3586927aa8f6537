// Reading a whole file and writing one safely: into a temporary file beside the target, renamed over it.
#pragma once

#include <QString>
#include <functional>
#include <string>

class QIODevice;

namespace ovi {

// Largest file worth reading: bigger than any valid game file, small enough to never choke.
inline constexpr qint64 groessteDatei = 16 * 1024 * 1024;

// Empty text on success, else a German message naming the file. Only a regular file (or a link to one) is opened.
std::string ladeBytes(const QString& pfad, std::string& bytes);

// Writes the data into the open device: empty text when all went in, else the reason in German.
// Tests hand in one that stops after any number of bytes, or throws.
using Schreibweg = std::function<std::string(QIODevice& ziel, const std::string& bytes)>;
std::string schreibeAlles(QIODevice& ziel, const std::string& bytes);

// The old file stays untouched unless every byte was written and the rename succeeded. A target that exists and
// is no regular file (a folder, a device, a pipe) is refused.
std::string speichereBytes(const QString& pfad, const std::string& bytes, const Schreibweg& weg = schreibeAlles);
// The same, but only the cause ("der Datenträger ist voll"), for a message that names the file its own way.
std::string speichereBytesGrund(const QString& pfad, const std::string& bytes, const Schreibweg& weg = schreibeAlles);

}  // namespace ovi
