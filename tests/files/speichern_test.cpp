// Saving under faults at any byte, through the write seam (real file systems: dateisystem_test.cpp): whatever
// goes wrong, the old file keeps every byte and no temporary file is left.
#include "speichern.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>
#include <algorithm>
#include <stdexcept>

#include "spieldatei.h"
#include "spielinfo.h"

using namespace ovi;

namespace {

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

// Stopped after half the data, e.g. because the program is being closed, or by an exception (say, out of
// memory), which passes on but still leaves nothing half-written behind.
template <bool werfen>
std::string halbUnterbrochen(QIODevice& ziel, const std::string& bytes) {
    ziel.write(bytes.data(), static_cast<qint64>(bytes.size() / 2));
    if (werfen) throw std::runtime_error("Abbruch");
    return "das Schreiben wurde unterbrochen";
}

Spielstand beispiel() {
    Spielstand s;
    s.setName(0, "Jürgen");
    s.setSpieltMit(0, true);
    s.setWMTipp(0, 7);
    s.spiele[3] = {4, 5, 2, 1, true, 0, 2, "11.06.2006", "21:00 Uhr", 3, 8, "1,80 - 3,20 - 4,50"};
    s.tipps(0, 3, 0) = 2;
    return s;
}

std::string inhalt(const QString& pfad) {
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << pfad.toStdString();
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

void lege(const QString& pfad, const std::string& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

// Everything in the folder, hidden files too: a left-over temporary file would show up here.
QStringList alles(const QString& ordner) {
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

struct Fall {
    const char* name;
    Schreibweg weg;
    std::string grund;  // empty: the write throws
};

const std::string neueBytes = schreibeSpieldatei(ausSpielstand(beispiel()));

const Fall faelle[] = {
    {"Datenträger sofort voll", vollNach(0), "nicht alle Daten geschrieben"},
    {"Datenträger voll nach 1 Byte", vollNach(1), "nicht alle Daten geschrieben"},
    {"Datenträger voll nach 1000 Bytes", vollNach(1000), "nicht alle Daten geschrieben"},
    {"Datenträger voll vor dem letzten Byte", vollNach(static_cast<qint64>(neueBytes.size()) - 1),
     "nicht alle Daten geschrieben"},
    {"nach der Hälfte unterbrochen", halbUnterbrochen<false>, "das Schreiben wurde unterbrochen"},
    {"Ausnahme nach der Hälfte", halbUnterbrochen<true>, ""},
};

}  // namespace

// Over an old file and into a new one: the old bytes stay, nothing else is left in the folder.
TEST(Speichern, FehlschlagLaesstAlteDateiUnberuehrt) {
    const std::string alt = schreibeSpieldatei(ausSpielstand(Spielstand{}));
    ASSERT_NE(alt, neueBytes);
    for (const bool alteDa : {true, false}) {
        for (const Fall& f : faelle) {
            SCOPED_TRACE(testing::Message() << f.name << (alteDa ? ", alte Datei da" : ", neue Datei"));
            QTemporaryDir ordner;
            const QString pfad = ordner.filePath(QStringLiteral("tipps.gowet"));
            if (alteDa) lege(pfad, alt);
            if (f.grund.empty()) {
                EXPECT_THROW(speichereBytes(pfad, neueBytes, f.weg), std::runtime_error);
            } else {
                EXPECT_EQ(speichereBytes(pfad, neueBytes, f.weg),
                          "Die Datei „tipps.gowet“ konnte nicht gespeichert werden: " + f.grund + ".");
            }
            if (alteDa) {
                EXPECT_EQ(inhalt(pfad), alt);
            }
            EXPECT_EQ(alles(ordner.path()), alteDa ? QStringList{QStringLiteral("tipps.gowet")} : QStringList{});
        }
    }
}

// Saved over a longer file, saved twice, saved again after reading it back: always the same whole bytes.
TEST(Speichern, GelingtUndErsetztGanz) {
    QTemporaryDir ordner;
    const QString a = ordner.filePath(QStringLiteral("a.gowet"));
    const QString b = ordner.filePath(QStringLiteral("b.gowet"));
    lege(a, std::string(20000, 'x'));  // longer than the new file: nothing of it may remain
    const Spieldatei d = ausSpielstand(beispiel());
    ASSERT_EQ(speichereSpieldatei(a, d), "");
    ASSERT_EQ(speichereSpieldatei(b, d), "");
    EXPECT_EQ(inhalt(a), neueBytes);
    EXPECT_EQ(inhalt(b), neueBytes);
    EXPECT_EQ(alles(ordner.path()), (QStringList{QStringLiteral("a.gowet"), QStringLiteral("b.gowet")}));
    const auto g = ladeSpieldatei(a, Spielstand().nationen);
    ASSERT_TRUE(g) << g.fehler;
    ASSERT_EQ(speichereSpieldatei(a, *g.daten), "");
    EXPECT_EQ(inhalt(a), neueBytes);

    SpielInfo info{beispiel().spiele, 4};
    ASSERT_EQ(speichereSpielInfo(a, info), "");
    ASSERT_EQ(speichereSpielInfo(b, info), "");
    EXPECT_EQ(inhalt(a), schreibeSpielInfo(info));
    EXPECT_EQ(inhalt(b), inhalt(a));
}
