// Saving and reading: faults at any byte through the write seam, and real file systems (a full tmpfs, a read-only
// medium, protected files and folders, folders, devices and pipes where a game file is expected). Whatever goes
// wrong, the old file keeps every byte, no temporary file is left, and the message names the cause.
#include "speichern.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <stdexcept>

#include "echtes_dateisystem.h"
#include "spieldatei.h"
#include "spielinfo.h"

using namespace ovi;
using ovi::test::AlsGast;
using ovi::test::KleinePlatte;

namespace {

Spielstand beispiel() {
    Spielstand s;
    s.setName(0, "Jürgen");
    s.setSpieltMit(0, true);
    for (auto& sp : s.spiele) sp.quote = "1,80 - 3,20 - 4,50";  // more than two pages
    return s;
}

const std::string altBytes = schreibeSpieldatei(ausSpielstand(Spielstand{}));
const std::string neuBytes = schreibeSpieldatei(ausSpielstand(beispiel()));

// Which game a file holds, in a word: a failed check then prints that, not 8000 bytes.
std::string inhalt(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return "(keine Datei)";
    const std::string b = f.readAll().toStdString();
    return b == altBytes ? "alt" : b == neuBytes ? "neu" : "anders, " + std::to_string(b.size()) + " Bytes";
}

void lege(const QString& pfad, const std::string& bytes, QFile::Permissions rechte = {}) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
    if (rechte) {
        ASSERT_TRUE(f.setPermissions(rechte));
    }
}

// Everything in the folder, hidden files too: a left-over temporary file would show up here.
QString alles(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).join(' ');
}

// Takes the first `platz` bytes into the real target, then refuses like a full disk.
class VollerDatentraeger : public QIODevice {
  public:
    VollerDatentraeger(QIODevice& ziel, qint64 platz) : ziel_(ziel), platz_(platz) { open(QIODevice::WriteOnly); }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 anzahl) override {
        const qint64 passt = std::min(anzahl, platz_);
        if (passt <= 0) return -1;
        const qint64 geschrieben = ziel_.write(daten, passt);
        platz_ -= geschrieben;
        return geschrieben;
    }

  private:
    QIODevice& ziel_;
    qint64 platz_;
};

Schreibweg vollNach(qint64 platz) {
    return [platz](QIODevice& ziel, const std::string& bytes) {
        VollerDatentraeger voll(ziel, platz);
        return schreibeAlles(voll, bytes);
    };
}

// Stopped after half the data (the program is being closed), or by an exception that passes on.
template <bool werfen>
std::string halbUnterbrochen(QIODevice& ziel, const std::string& bytes) {
    ziel.write(bytes.data(), static_cast<qint64>(bytes.size() / 2));
    if (werfen) throw std::runtime_error("Abbruch");
    return "das Schreiben wurde unterbrochen";
}

}  // namespace

TEST(Speichern, FehlschlagLaesstAlteDateiUnberuehrt) {
    const struct {
        const char* name;
        Schreibweg weg;
        std::string grund;  // empty: the write throws
    } faelle[] = {
        {"sofort voll", vollNach(0), "nicht alle Daten geschrieben"},
        {"voll nach 1 Byte", vollNach(1), "nicht alle Daten geschrieben"},
        {"voll vor dem letzten Byte", vollNach(static_cast<qint64>(neuBytes.size()) - 1),
         "nicht alle Daten geschrieben"},
        {"nach der Hälfte unterbrochen", halbUnterbrochen<false>, "das Schreiben wurde unterbrochen"},
        {"Ausnahme nach der Hälfte", halbUnterbrochen<true>, ""},
    };
    for (const bool alteDa : {true, false})
        for (const auto& f : faelle) {
            SCOPED_TRACE(testing::Message() << f.name << (alteDa ? ", alte Datei da" : ", neue Datei"));
            QTemporaryDir ordner;
            const QString pfad = ordner.filePath(QStringLiteral("tipps.gowet"));
            if (alteDa) lege(pfad, altBytes);
            if (f.grund.empty()) {
                EXPECT_THROW(speichereBytes(pfad, neuBytes, f.weg), std::runtime_error);
            } else {
                EXPECT_EQ(speichereBytes(pfad, neuBytes, f.weg),
                          "Die Datei „tipps.gowet“ konnte nicht gespeichert werden: " + f.grund + ".");
            }
            EXPECT_EQ(inhalt(pfad), alteDa ? "alt" : "(keine Datei)");
            EXPECT_EQ(alles(ordner.path()), alteDa ? "tipps.gowet" : "");
        }
}

// Saved over a longer file, and saved again after reading it back: always the same whole bytes.
TEST(Speichern, GelingtUndErsetztGanz) {
    QTemporaryDir ordner;
    const QString a = ordner.filePath(QStringLiteral("a.gowet"));
    lege(a, std::string(20000, 'x'));
    ASSERT_EQ(speichereSpieldatei(a, ausSpielstand(beispiel())), "");
    EXPECT_EQ(inhalt(a), "neu");
    const auto g = ladeSpieldatei(a, Spielstand().nationen);
    ASSERT_TRUE(g) << g.fehler;
    ASSERT_EQ(speichereSpieldatei(a, *g.daten), "");
    EXPECT_EQ(alles(ordner.path()).toStdString() + " " + inhalt(a), "a.gowet neu");
    const SpielInfo info{beispiel().spiele, 4};
    ASSERT_EQ(speichereSpielInfo(a, info), "");
    std::string bytes;
    EXPECT_EQ(ladeBytes(a, bytes) + bytes, schreibeSpielInfo(info));
}

// Nothing left, or one page: the write fails, the old file stays, and with room again the same save succeeds.
TEST(EchtesDateisystem, VollePlatte) {
    ASSERT_GT(neuBytes.size(), 8192u);
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
