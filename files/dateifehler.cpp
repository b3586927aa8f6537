#include "files/dateifehler.h"

#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <array>
#include <cerrno>
#include <filesystem>
#include <utility>

namespace ovi {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::pair<int, const char*>, 15> ursachen{{
    {ENOSPC, "der Datenträger ist voll"},
    {EDQUOT, "das Speicherkontingent ist erschöpft"},
    {EROFS, "der Datenträger ist schreibgeschützt"},
    {EACCES, "keine Berechtigung"},
    {EPERM, "keine Berechtigung"},
    {EIO, "Ein-/Ausgabefehler des Datenträgers"},
    {EFBIG, "die Datei wird zu groß"},
    {ENOENT, "sie ist nicht vorhanden"},
    {ENOTDIR, "ein Teil des Pfads ist kein Ordner"},
    {EISDIR, "sie ist ein Ordner"},
    {ENAMETOOLONG, "der Name ist zu lang"},
    {ELOOP, "zu viele symbolische Verknüpfungen hintereinander"},
    {EMFILE, "zu viele offene Dateien"},
    {ENFILE, "zu viele offene Dateien"},
    {ENOMEM, "zu wenig Arbeitsspeicher"},
}};

fs::path alsPfad(const QString& pfad) {
    return fs::path(QFile::encodeName(QFileInfo(pfad).absoluteFilePath()).toStdString());
}

QString alsText(const fs::path& p) { return QFile::decodeName(QByteArray::fromStdString(p.string())); }

std::string ordnerName(const fs::path& p) { return "der Ordner „" + alsText(p).toStdString() + "“"; }

// The system refused even to look: a folder on the way lacks search permission, the deepest one that can be seen.
std::string nichtBetretbar(const fs::path& p) {
    std::error_code ec;
    for (fs::path o = p.parent_path(); o != o.parent_path(); o = o.parent_path())
        if (fs::is_directory(o, ec)) return ordnerName(o) + " lässt sich nicht betreten (keine Berechtigung)";
    return systemUrsache(EACCES);
}

std::string art(fs::file_type t) {
    switch (t) {
        case fs::file_type::directory:
            return "sie ist ein Ordner";
        case fs::file_type::fifo:
            return "sie ist keine gewöhnliche Datei, sondern eine Pipe";
        case fs::file_type::character:
        case fs::file_type::block:
            return "sie ist keine gewöhnliche Datei, sondern ein Gerät";
        case fs::file_type::socket:
            return "sie ist keine gewöhnliche Datei, sondern ein Socket";
        default:
            return "sie ist keine gewöhnliche Datei";
    }
}

std::string ausFehlercode(const std::error_code& ec, const fs::path& p) {
    if (ec == std::errc::permission_denied) return nichtBetretbar(p);
    const std::string u = systemUrsache(ec.value());
    return u.empty() ? ec.message() : u;
}

}  // namespace

std::string systemUrsache(int fehlernummer) {
    for (const auto& [nummer, text] : ursachen)
        if (nummer == fehlernummer) return text;
    return {};
}

std::string leseHindernis(const QString& pfad) {
    const fs::path p = alsPfad(pfad);
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);  // follows symbolic links
    if (st.type() == fs::file_type::regular) return {};
    if (st.type() == fs::file_type::not_found) return "sie ist nicht vorhanden";
    if (ec) return ausFehlercode(ec, p);
    return art(st.type());
}

std::string schreibHindernis(const QString& pfad) {
    const fs::path p = alsPfad(pfad);
    std::error_code ec;
    const fs::file_status st = fs::status(p, ec);
    if (st.type() == fs::file_type::regular) {
        if (QStorageInfo(pfad).isReadOnly()) return systemUrsache(EROFS);
        if (!QFileInfo(pfad).isWritable()) return "sie ist schreibgeschützt";
    } else if (st.type() != fs::file_type::not_found) {
        return ec ? ausFehlercode(ec, p) : art(st.type());
    }
    // The new bytes go into a temporary file beside the target: its folder must take new files.
    const fs::path ordner = p.parent_path();
    const fs::file_status os = fs::status(ordner, ec);
    if (os.type() == fs::file_type::not_found) return ordnerName(ordner) + " ist nicht vorhanden";
    if (ec) return ausFehlercode(ec, p);
    if (os.type() != fs::file_type::directory) return "„" + alsText(ordner).toStdString() + "“ ist kein Ordner";
    const QString ordnerText = alsText(ordner);
    if (QStorageInfo(ordnerText).isReadOnly()) return systemUrsache(EROFS);
    if (!QFileInfo(ordnerText).isWritable()) return ordnerName(ordner) + " ist schreibgeschützt";
    return {};
}

std::string grund(const QFileDevice& f) {
    // Qt words a system error with qt_error_string: compared back, it gives the error number.
    const QString text = f.errorString();
    for (const auto& [nummer, ursache] : ursachen)
        if (text == qt_error_string(nummer)) return ursache;
    std::string art;
    switch (f.error()) {
        case QFileDevice::ReadError:
            art = "Lesefehler";
            break;
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            art = "Schreibfehler";
            break;
        case QFileDevice::OpenError:
        case QFileDevice::PermissionsError:
            art = "kein Zugriff";
            break;
        case QFileDevice::RenameError:
            art = "die alte Datei lässt sich nicht ersetzen";
            break;
        default:
            art = "Dateifehler";
    }
    return art + " (" + text.toStdString() + ")";
}

}  // namespace ovi
