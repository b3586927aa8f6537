// Saving and reading on real file systems (a full tmpfs, a read-only
// medium, protected files and folders, folders, devices and pipes where a game file is expected). Whatever goes
// wrong, the old file keeps every byte, no temporary file is left, and the message names the cause.
#include "files/speichern.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <stdexcept>

#include "files/spieldatei.h"
#include "tests/files/echtes_dateisystem.h"

using namespace ovi;
using ovi::test::AlsGast;
using ovi::test::KleinePlatte;

namespace {

const Spieldatei neu = [] {
    Spielstand s;
    s.spieler[0] = {"Jürgen", 0, true};
    for (auto& sp : s.spiele) sp.quote = "1,80 - 3,20 - 4,50";  // more than two pages
    return ausSpielstand(s);
}();
const std::string altBytes = schreibeSpieldatei(ausSpielstand(Spielstand{})), neuBytes = schreibeSpieldatei(neu);

// Which game a file holds, in a word: a failed check then prints that, not 8000 bytes.
std::string inhalt(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return "(keine Datei)";
    const std::string b = f.readAll().toStdString();
    return b == altBytes ? "alt" : b == neuBytes ? "neu" : "anders, " + std::to_string(b.size()) + " Bytes";
}

void lege(const QString& pfad, const std::string& bytes, QFile::Permissions rechte = {}) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()));
    ASSERT_TRUE(!rechte || f.setPermissions(rechte));
}

// Everything in the folder, hidden files too: a left-over temporary file would show up here.
QString alles(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).join(' ');
}

}  // namespace

// Stopped after half the data (the program is being closed, or an exception passes on), a full disk (nothing
// left, or one page) and a read-only medium: the old file stays, nothing is left behind, and once there is room
// again the same save succeeds and replaces a longer file whole.
TEST(EchtesDateisystem, FehlschlagLaesstAlteDateiUnberuehrt) {
    const Schreibweg halb = [](QIODevice& ziel, const std::string& bytes) -> std::string {
        ziel.write(bytes.data(), qint64(bytes.size() / 2));
        if (bytes != neuBytes) throw std::runtime_error("Abbruch");
        return "das Schreiben wurde unterbrochen";
    };
    const std::string nicht = "Die Datei „tipps.gowet“ konnte nicht gespeichert werden: ";
    for (const qint64 frei : {-3, -2, -1, 0, 4096})
        for (const bool alteDa : {true, false}) {
            SCOPED_TRACE(testing::Message() << frei << " Bytes frei, " << alteDa);
            KleinePlatte platte;
            if (frei >= -1 && !platte.fehlt.empty()) GTEST_SKIP() << platte.fehlt;
            QTemporaryDir ordner;
            const QString pfad =
                frei < -1 ? ordner.filePath(QStringLiteral("tipps.gowet")) : platte.pfad(QStringLiteral("tipps.gowet"));
            if (alteDa) lege(pfad, altBytes);
            if (frei == -3) {
                EXPECT_THROW(speichereBytes(pfad, neuBytes + "x", halb), std::runtime_error);
            } else if (frei == -2) {
                EXPECT_EQ(speichereBytes(pfad, neuBytes, halb), nicht + "das Schreiben wurde unterbrochen.");
            } else {
                ASSERT_TRUE(frei < 0 ? platte.schreibschuetze() : platte.fuelle(frei));
                EXPECT_EQ(speichereSpieldatei(pfad, neu),
                          nicht + "der Datenträger ist " + (frei < 0 ? "schreibgeschützt." : "voll."));
            }
            EXPECT_EQ(inhalt(pfad), alteDa ? "alt" : "(keine Datei)");
            if (frei == -1) continue;
            EXPECT_EQ(
                alles(QFileInfo(pfad).path()),
                QString(frei < 0 ? "" : "fueller") + (frei >= 0 && alteDa ? " " : "") + (alteDa ? "tipps.gowet" : ""));
            QFile::remove(platte.pfad(QStringLiteral("fueller")));
            lege(pfad, std::string(20000, 'x'));
            EXPECT_EQ(speichereSpieldatei(pfad, neu), "");
            EXPECT_EQ(inhalt(pfad), "neu");
        }
}

// Each kind of path, read and saved as an ordinary user; a link to a game is read and saved through.
TEST(EchtesDateisystem, WasImWegSteht) {
    QTemporaryDir tmp;
    const QDir d(tmp.path());
    const auto p = [&](const char* name) { return d.filePath(QString::fromUtf8(name)); };
    const std::string ordner = tmp.path().toStdString();
    ASSERT_TRUE(QFile::setPermissions(tmp.path(), QFile::Permissions(0x7777)));
    const auto alle = QFile::Permissions(0x6666);  // read and write for everybody
    lege(p("alt.gowet"), altBytes, alle);
    lege(p("geschuetzt.gowet"), altBytes, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    lege(p("unlesbar.gowet"), altBytes, QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
    ASSERT_TRUE(d.mkdir(QStringLiteral("nurlesen")) && d.mkdir(QStringLiteral("zu")) &&
                d.mkdir(QStringLiteral("ordner.gowet")));
    lege(p("nurlesen/alt.gowet"), altBytes, alle);
    lege(p("zu/alt.gowet"), altBytes);
    ASSERT_EQ(::chmod(p("nurlesen").toUtf8().constData(), 0555), 0);
    ASSERT_EQ(::chmod(p("zu").toUtf8().constData(), 0666), 0);
    ASSERT_EQ(::mkfifo(p("pipe.gowet").toUtf8().constData(), 0666), 0);
    ASSERT_TRUE(QFile::link(p("alt.gowet"), p("verweis.gowet")));
    const std::string zu = "der Ordner „" + ordner + "/zu“ lässt sich nicht betreten (keine Berechtigung)";
    const std::string nurlesen = "der Ordner „" + ordner + "/nurlesen“ ist schreibgeschützt";
    const std::string pipe = "sie ist keine gewöhnliche Datei, sondern eine Pipe";
    const std::string geraet = "sie ist keine gewöhnliche Datei, sondern ein Gerät";
    const struct {
        std::string pfad, lesen, speichern;  // the causes; empty: it works
    } faelle[] = {
        {"geschuetzt.gowet", "", "sie ist schreibgeschützt"},
        {"unlesbar.gowet", "keine Berechtigung", ""},
        {"nurlesen/alt.gowet", "", nurlesen},
        {"nurlesen/neu.gowet", "sie ist nicht vorhanden", nurlesen},
        {"zu/alt.gowet", zu, zu},
        {"fehlt/neu.gowet", "sie ist nicht vorhanden", "der Ordner „" + ordner + "/fehlt“ ist nicht vorhanden"},
        {"ordner.gowet", "sie ist ein Ordner", "sie ist ein Ordner"},
        {"pipe.gowet", pipe, pipe},
        {"/dev/zero", geraet, geraet},
        {"verweis.gowet", "", ""},
    };
    const QString vorher = alles(d.path()) + " | " + alles(p("nurlesen"));
    {
        AlsGast gast;
        if (!gast.wirkt()) GTEST_SKIP() << "als root ohne Wechsel zu nobody gelten Dateirechte nicht";
        for (const auto& f : faelle) {
            SCOPED_TRACE(f.pfad);
            const QString pfad = d.filePath(QString::fromStdString(f.pfad));
            const std::string name = QFileInfo(pfad).fileName().toStdString();
            std::string bytes;
            EXPECT_EQ(ladeBytes(pfad, bytes),
                      f.lesen.empty() ? "" : "Die Datei „" + name + "“ kann nicht geöffnet werden: " + f.lesen + ".");
            EXPECT_EQ(bytes == altBytes, f.lesen.empty());
            EXPECT_EQ(speichereSpieldatei(pfad, neu),
                      f.speichern.empty()
                          ? ""
                          : "Die Datei „" + name + "“ konnte nicht gespeichert werden: " + f.speichern + ".");
        }
    }
    EXPECT_EQ(alles(d.path()) + " | " + alles(p("nurlesen")), vorher);
    for (const char* name : {"nurlesen", "zu", "unlesbar.gowet"}) ::chmod(p(name).toUtf8().constData(), 0755);
    EXPECT_TRUE(QFileInfo(p("verweis.gowet")).isSymLink());
    EXPECT_EQ(inhalt(p("alt.gowet")) + " " + inhalt(p("unlesbar.gowet")), "neu neu");  // the first through the link
    for (const char* alt : {"geschuetzt.gowet", "nurlesen/alt.gowet", "zu/alt.gowet"}) EXPECT_EQ(inhalt(p(alt)), "alt");
}

// Writing into something that is no file: all of it taken is no error, a device that takes nothing is named as such.
TEST(Speichern, SchreibenOhneDatei) {
    QBuffer alles;
    ASSERT_TRUE(alles.open(QIODevice::WriteOnly));
    EXPECT_EQ(schreibeAlles(alles, "abc"), "");
    EXPECT_EQ(alles.data(), QByteArray("abc"));
    QBuffer nurLesen;
    ASSERT_TRUE(nurLesen.open(QIODevice::ReadOnly));
    EXPECT_EQ(schreibeAlles(nurLesen, "abc"), "nicht alle Daten geschrieben");
}
