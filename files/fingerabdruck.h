// What a file held when the program last read or wrote it, to notice before a save that someone else changed it.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>

namespace ovi {

// Size and a hash of the bytes. The modification time is left out on purpose: a file rewritten with the same bytes
// loses nothing when it is replaced, and a copy that keeps its old time (cp -p) still has other bytes.
struct Fingerabdruck {
    bool da = false;  // there was a file
    qint64 groesse = 0;
    QByteArray hash;  // SHA-256; empty when the file was there but could not be read
    bool operator==(const Fingerabdruck&) const = default;
};

Fingerabdruck fingerabdruck(std::string_view bytes);
// One line to keep it beside a recovery copy ("8417 3f2a…"; empty when there was no file), and back.
std::string alsText(const Fingerabdruck& f);
Fingerabdruck fingerabdruckAus(std::string_view text);
// The file as it is now: missing, there but unreadable (a folder, no permission), or its bytes.
Fingerabdruck fingerabdruckVon(const QString& pfad);

}  // namespace ovi
