#include "ui/wiederherstellung.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QUndoStack>
#include <csignal>

#include "files/speichern.h"
#include "files/spieldatei.h"
#include "ui/frmhaupt.h"

namespace ovi {

namespace {

// A signal handler may only write to a pipe; the event loop reads it and does the work.
int signalRohr[2] = {-1, -1};

void signalKam(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(signalRohr[1], &c, 1);
}

QString text(const std::string& s) { return QString::fromStdString(s); }

// The copies' files of one kind in the folder. Compared by hand: a name filter is a regular expression, and the
// first one compiled costs half a megabyte at start-up.
QFileInfoList kopien(const QString& ordner, QLatin1StringView endung, QDir::SortFlags ordnung = QDir::NoSort) {
    QFileInfoList l = QDir(ordner).entryInfoList(QDir::Files, ordnung);
    l.removeIf([endung](const QFileInfo& i) {
        return !i.fileName().startsWith(QLatin1StringView("kopie-")) || !i.fileName().endsWith(endung);
    });
    return l;
}

}  // namespace

Wiederherstellung::Wiederherstellung(frmHaupt& fenster, QString ordner)
    : fenster_(fenster), ordner_(ordner.isEmpty() ? standardOrdner() : std::move(ordner)) {
    // Process and time tell the runs apart, the counter the windows of one process.
    static int zaehler = 0;
    basis_ = QStringLiteral("%1/kopie-%2-%3-%4")
                 .arg(ordner_)
                 .arg(QCoreApplication::applicationPid())
                 .arg(QDateTime::currentMSecsSinceEpoch())
                 .arg(zaehler++);
    QDir().mkpath(ordner_);
    sperre_ = std::make_unique<QLockFile>(basis_ + QStringLiteral(".lock"));
    sperre_->setStaleLockTime(0);
    if (!sperre_->tryLock(0)) sperre_.reset();

    takt_.setSingleShot(true);
    takt_.setInterval(verzoegerungMs);
    connect(&takt_, &QTimer::timeout, this, [this] { sichere(); });
    // Started by the first change and not pushed back by later ones: typing on and on is still copied.
    const auto geaendert = [this] {
        if (!takt_.isActive()) takt_.start();
    };
    connect(fenster_.verlauf(), &QUndoStack::indexChanged, this, geaendert);
    connect(fenster_.verlauf(), &QUndoStack::cleanChanged, this, geaendert);
    // Saved, or the operator said the changes may go: nothing to keep.
    connect(&fenster_, &frmHaupt::beendet, this, [this] {
        vorbei_ = true;
        takt_.stop();
        entferne(basis_);
    });
}

Wiederherstellung::~Wiederherstellung() = default;

QString Wiederherstellung::standardOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/wiederherstellung");
}

void Wiederherstellung::entferne(const QString& basis) {
    QFile::remove(basis + QStringLiteral(".gowet"));
    QFile::remove(basis + QStringLiteral(".name"));
}

void Wiederherstellung::sichere(bool melden) {
    takt_.stop();
    if (vorbei_) return;
    std::string fehler;
    if (!sperre_) {
        fehler = "Der Ordner „" + ordner_.toStdString() + "“ lässt sich nicht beschreiben.";
    } else if (fenster_.verlauf()->isClean()) {
        entferne(basis_);
        return;
    } else {
        // The name first: a copy is only looked for by its game file, which comes last.
        fehler = speichereBytes(basis_ + QStringLiteral(".name"), fenster_.dateiName().toStdString());
        if (fehler.empty()) fehler = speichereSpieldatei(kopie(), fenster_.aktuellesBild());
    }
    if (fehler.empty() || gemeldet_ || !melden) return;
    gemeldet_ = true;
    fenster_.dienste().meldung(
        &fenster_, QStringLiteral("ovi kuvela"),
        QStringLiteral("Die Sicherungskopie der ungespeicherten Änderungen konnte nicht geschrieben werden.\n%1")
            .arg(text(fehler)));
}

bool Wiederherstellung::bieteAn() {
    // Runs killed with nothing unsaved leave only their lock behind: cleared away, or they would pile up.
    for (const QFileInfo& l : kopien(ordner_, QLatin1StringView(".lock"))) {
        const QString basis = l.absolutePath() + QLatin1Char('/') + l.completeBaseName();
        if (basis == basis_ || QFile::exists(basis + QStringLiteral(".gowet"))) continue;
        QLockFile alt(l.absoluteFilePath());
        alt.setStaleLockTime(0);
        if (alt.tryLock(0)) alt.unlock();
    }
    for (const QFileInfo& k : kopien(ordner_, QLatin1StringView(".gowet"), QDir::Time)) {
        const QString basis = k.absolutePath() + QLatin1Char('/') + k.completeBaseName();
        if (basis == basis_) continue;
        // Held while asking, so a second program starting now does not offer the same copy.
        QLockFile fremd(basis + QStringLiteral(".lock"));
        fremd.setStaleLockTime(0);
        if (!fremd.tryLock(0)) continue;  // its program still runs
        const QString wann =
            QLocale(QLocale::German).toString(k.lastModified(), QStringLiteral("dd.MM.yyyy 'um' HH:mm 'Uhr'"));
        const Antwort antwort = fenster_.dienste().frage(
            &fenster_, QStringLiteral("ovi kuvela"),
            QStringLiteral("Es gibt ungesicherte Änderungen vom %1. Wiederherstellen?").arg(wann), Knoepfe::jaNein);
        if (antwort == Antwort::nein) entferne(basis);
        if (antwort != Antwort::ja) continue;
        const Gelesen<Spieldatei> gelesen = ladeSpieldatei(k.absoluteFilePath(), fenster_.spielstand().nationen);
        if (!gelesen) {
            fenster_.dienste().meldung(&fenster_, QStringLiteral("Wiederherstellen"), text(gelesen.fehler));
            continue;
        }
        std::string name;
        if (!ladeBytes(basis + QStringLiteral(".name"), name).empty()) name.clear();
        fenster_.oeffneWiederhergestellt(*gelesen.daten, QString::fromStdString(name));
        // This run's own copy first, then the old one may go.
        sichere();
        entferne(basis);
        return true;
    }
    return false;
}

void Wiederherstellung::beobachteSitzungsende() {
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { sichere(false); });
    if (signalRohr[0] < 0 && ::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, this);
    connect(melder, &QSocketNotifier::activated, this, [this] { beiSignal(); });
    struct sigaction aktion = {};
    aktion.sa_handler = signalKam;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int s : {SIGTERM, SIGINT, SIGHUP}) sigaction(s, &aktion, nullptr);
}

void Wiederherstellung::beiSignal() {
    char c = 0;
    while (::read(signalRohr[0], &c, 1) > 0) {
    }
    // No question now: the session is going. The copy waits for the next start.
    sichere(false);
    vorbei_ = true;
    // Ending the loop closes every window first; the main window must not ask about saving then.
    fenster_.installEventFilter(this);
    QCoreApplication::exit(0);
}

bool Wiederherstellung::eventFilter(QObject* o, QEvent* e) {
    if (o != &fenster_ || e->type() != QEvent::Close) return QObject::eventFilter(o, e);
    e->accept();
    return true;
}

}  // namespace ovi
