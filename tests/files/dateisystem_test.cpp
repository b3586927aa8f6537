// Saving and reading on real file systems: a full tmpfs, write-protected files and folders, a folder that
// cannot be entered, folders, devices and pipes where a game file is expected.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "echtes_dateisystem.h"
#include "speichern.h"
#include "spieldatei.h"

using namespace ovi;
using ovi::test::AlsGast;
using ovi::test::KleinePlatte;

namespace {

const std::string altBytes = schreibeSpieldatei(ausSpielstand(Spielstand{}));
std::string neuBytes();

// Which game a file holds, in a word: a failed check then prints that, not 8000 bytes.
std::string inhalt(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return "(keine Datei)";
    const std::string b = f.readAll().toStdString();
    return b == altBytes ? "alt" : b == neuBytes() ? "neu" : "anders, " + std::to_string(b.size()) + " Bytes";
}

void lege(const QString& pfad, const std::string& bytes, QFile::Permissions rechte = {}) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    if (rechte) {
        ASSERT_TRUE(f.setPermissions(rechte));
    }
}

QString alles(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).join(' ');
}

Spielstand beispiel() {
    Spielstand s;
    s.setName(0, "Jürgen");
    s.setSpieltMit(0, true);
    for (auto& sp : s.spiele) sp.quote = "1,80 - 3,20 - 4,50";  // more than two pages
    return s;
}

std::string neuBytes() { return schreibeSpieldatei(ausSpielstand(beispiel())); }

}  // namespace

// Nothing left, or one page: the write fails, the old file keeps every byte, no temporary file stays, and the
// message says why. With room again the same save succeeds.
TEST(EchtesDateisystem, VollePlatte) {
    ASSERT_GT(neuBytes().size(), 8192u);
    for (const qint64 frei : {0, 4096})
        for (const bool alteDa : {true, false}) {
            SCOPED_TRACE(testing::Message() << frei << " Bytes frei, " << (alteDa ? "alte Datei da" : "neue Datei"));
            KleinePlatte platte;
            if (!platte.fehlt.empty()) GTEST_SKIP() << platte.fehlt;
            const QString pfad = platte.pfad(QStringLiteral("tipps.gowet"));
            if (alteDa) lege(pfad, altBytes);
            ASSERT_TRUE(platte.fuelle(frei));
            EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(beispiel())),
                      "Die Datei „tipps.gowet“ konnte nicht gespeichert werden: der Datenträger ist voll.");
            EXPECT_EQ(inhalt(pfad), alteDa ? "alt" : "(keine Datei)");
            EXPECT_EQ(alles(platte.pfad({})), alteDa ? "fueller tipps.gowet" : "fueller");
            ASSERT_TRUE(QFile::remove(platte.pfad(QStringLiteral("fueller"))));
            EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(beispiel())), "");
            EXPECT_EQ(inhalt(pfad), "neu");
        }
}

// A read-only medium: neither the old file nor a new one can be saved, and the message says why.
TEST(EchtesDateisystem, SchreibgeschuetzterDatentraeger) {
    KleinePlatte platte;
    if (!platte.fehlt.empty()) GTEST_SKIP() << platte.fehlt;
    lege(platte.pfad(QStringLiteral("alt.gowet")), altBytes);
    ASSERT_TRUE(platte.schreibschuetze());
    for (const char* name : {"alt.gowet", "neu.gowet"})
        EXPECT_EQ(speichereSpieldatei(platte.pfad(QString::fromUtf8(name)), ausSpielstand(beispiel())),
                  "Die Datei „" + std::string(name) +
                      "“ konnte nicht gespeichert werden: der Datenträger ist schreibgeschützt.");
    EXPECT_EQ(inhalt(platte.pfad(QStringLiteral("alt.gowet"))), "alt");
}

// Reading and saving each kind of path as an ordinary user: the message names the cause, a failed save changes
// nothing, and a link to a game is read and saved through.
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
    const struct {
        std::string pfad, lesen, speichern;  // the causes; empty: it works
    } faelle[] = {
        {"geschuetzt.gowet", "", "sie ist schreibgeschützt"},
        {"unlesbar.gowet", "keine Berechtigung", ""},
        {"nurlesen/alt.gowet", "", "der Ordner „" + ordner + "/nurlesen“ ist schreibgeschützt"},
        {"nurlesen/neu.gowet", "sie ist nicht vorhanden", "der Ordner „" + ordner + "/nurlesen“ ist schreibgeschützt"},
        {"zu/alt.gowet", zu, zu},
        {"fehlt/neu.gowet", "sie ist nicht vorhanden", "der Ordner „" + ordner + "/fehlt“ ist nicht vorhanden"},
        {"ordner.gowet", "sie ist ein Ordner", "sie ist ein Ordner"},
        {"pipe.gowet", "sie ist keine gewöhnliche Datei, sondern eine Pipe",
         "sie ist keine gewöhnliche Datei, sondern eine Pipe"},
        {"/dev/zero", "sie ist keine gewöhnliche Datei, sondern ein Gerät",
         "sie ist keine gewöhnliche Datei, sondern ein Gerät"},
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
            EXPECT_EQ(speichereSpieldatei(pfad, ausSpielstand(beispiel())),
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
