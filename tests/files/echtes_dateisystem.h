// Real file systems for the saving and reading tests: a small tmpfs that can be filled to the last byte, and
// acting as an ordinary user so that file modes count when the tests run as root.
#pragma once

#include <sys/mount.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace ovi::test {

// A tmpfs of 64 KiB mounted in a folder of its own; only root may mount. `fehlt` says why there is none.
class KleinePlatte {
  public:
    KleinePlatte() {
        if (::geteuid() != 0)
            fehlt = "nur als root: der Test hängt ein kleines tmpfs ein";
        else if (::mount("tmpfs", ort(), "tmpfs", 0, "size=64k,mode=0777") != 0)
            fehlt = std::string("kein tmpfs einhängbar: ") + std::strerror(errno);
        eingehaengt_ = fehlt.empty();
    }
    ~KleinePlatte() {
        if (eingehaengt_) ::umount2(ort(), MNT_DETACH);
    }

    QString pfad(const QString& name) const { return ordner_.filePath(name); }

    // Fills the disk with the file "fueller" until exactly `frei` bytes (whole pages) are left.
    bool fuelle(qint64 frei) {
        QFile f(pfad(QStringLiteral("fueller")));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        while (f.write(QByteArray(4096, 'F')) > 0) {
        }
        return f.resize(f.size() - frei);
    }

    // Mounts the disk again, read-only.
    bool schreibschuetze() { return ::mount(nullptr, ort(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }

    std::string fehlt;

  private:
    const char* ort() {
        ort_ = QFile::encodeName(ordner_.path());
        return ort_.constData();
    }
    QTemporaryDir ordner_;
    QByteArray ort_;
    bool eingehaengt_ = false;
};

// Within its scope the process acts as "nobody" when it runs as root, so file modes and search permissions hold;
// the saved user id stays root to switch back.
class AlsGast {
  public:
    AlsGast() {
        if (::geteuid() == 0 && ::setresgid(65534, 65534, 0) == 0 && !(gewechselt_ = ::setresuid(65534, 65534, 0) == 0))
            zurueck();
    }
    ~AlsGast() {
        if (gewechselt_ && ::setresuid(0, 0, 0) == 0) zurueck();
    }
    AlsGast(const AlsGast&) = delete;
    AlsGast& operator=(const AlsGast&) = delete;

    // False when root could not switch: file modes would not count then.
    bool wirkt() const { return gewechselt_ || ::geteuid() != 0; }

  private:
    static void zurueck() {
        if (::setresgid(0, 0, 0) != 0) std::abort();  // a test must never go on with the wrong group
    }
    bool gewechselt_ = false;
};

}  // namespace ovi::test
