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
#include "ui/dateiwache.h"
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

// Why no copy can be made in the folder: a file standing where the folder or one above it should be is named.
QString ordnerHindernis(const QString& ordner) {
    for (QString p = QDir::cleanPath(ordner);; p = QFileInfo(p).absolutePath()) {
        const QFileInfo i(p);
        if (i.exists() && !i.isDir())
            return (i.isFile() ? QStringLiteral("„%1“ ist eine Datei, kein Ordner")
                               : QStringLiteral("„%1“ ist kein Ordner"))
                .arg(p);
        if (i.exists() || i.isRoot()) break;
    }
    return QStringLiteral("der Ordner „%1“ lässt sich nicht beschreiben").arg(ordner);
}

// A file of the copy's set as the program wrote it: a regular file, not a link (which could point anywhere).
bool eigeneDatei(const QString& pfad) {
    const QFileInfo i(pfad);
    return !i.isSymLink() && i.isFile();
}

// The copy's game file, and what that file held when the crashed run read or wrote it: the .name file's two lines.
std::pair<QString, Fingerabdruck> spielDatei(const QString& basis) {
    std::string text;
    const QString datei = basis + QStringLiteral(".name");
    if (!eigeneDatei(datei) || !ladeBytes(datei, text).empty()) return {};
    const std::size_t umbruch = text.find('\n');
    if (umbruch == std::string::npos) return {QString::fromStdString(text), {}};
    return {QString::fromStdString(text.substr(0, umbruch)), fingerabdruckAus(text.substr(umbruch + 1))};
}

// The game the changes belong to, as the questions name it.
QString spielName(const QString& basis) {
    const QString name = spielDatei(basis).first;
    if (name.isEmpty()) return QStringLiteral("einem noch nie gespeicherten Spiel");
    return QStringLiteral("„%1“").arg(QFileInfo(name).fileName());
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
    QString fehler;
    if (!sperre_) {
        fehler = ordnerHindernis(ordner_);
    } else if (fenster_.verlauf()->isClean()) {
        entferne(basis_);
        return;
    } else {
        // The name first: a copy is only looked for by its game file, which comes last. The messages give the
        // cause alone: the copy's own file name means nothing to the operator.
        std::string grund = speichereBytesGrund(basis_ + QStringLiteral(".name"), nameMitAbdruck());
        if (grund.empty()) grund = speichereBytesGrund(kopie(), schreibeSpieldatei(fenster_.aktuellesBild()));
        fehler = text(grund);
    }
    if (fehler.isEmpty() || gemeldet_ || !melden) return;
    gemeldet_ = true;
    fenster_.dienste().meldung(
        &fenster_, QStringLiteral("ovi kuvela"),
        QStringLiteral("Die Sicherungskopie der ungespeicherten Änderungen konnte nicht geschrieben werden: %1.")
            .arg(fehler));
}

std::string Wiederherstellung::nameMitAbdruck() const {
    const QString name = fenster_.dateiName();
    const Dateiwache& wache = fenster_.dateiwache();
    if (name.isEmpty() || wache.pfad() != name || !wache.abdruck().da) return name.toStdString();
    return name.toStdString() + '\n' + alsText(wache.abdruck());
}

bool Wiederherstellung::bieteAn() {
    // Runs killed with nothing unsaved leave only their lock behind: cleared away, or they would pile up.
    for (const QFileInfo& l : kopien(ordner_, QLatin1StringView(".lock"))) {
        const QString basis = l.absolutePath() + QLatin1Char('/') + l.completeBaseName();
        if (basis == basis_ || QFile::exists(basis + QStringLiteral(".gowet")) || !eigeneDatei(l.filePath())) continue;
        QLockFile alt(l.absoluteFilePath());
        alt.setStaleLockTime(0);
        if (alt.tryLock(0)) alt.unlock();
    }
    const auto frage = [this](const QString& text) {
        return fenster_.dienste().frage(&fenster_, QStringLiteral("ovi kuvela"), text, Knoepfe::jaNein);
    };
    for (const QFileInfo& k : kopien(ordner_, QLatin1StringView(".gowet"), QDir::Time)) {
        const QString basis = k.absolutePath() + QLatin1Char('/') + k.completeBaseName();
        // Never the program's own; links and whatever is no regular file were not written here.
        if (basis == basis_ || !eigeneDatei(k.filePath())) continue;
        // Held while asking, so a second program starting now does not offer the same copy.
        QLockFile fremd(basis + QStringLiteral(".lock"));
        fremd.setStaleLockTime(0);
        if (!fremd.tryLock(0)) continue;  // its program still runs
        const QString woran =
            spielName(basis) +
            QLocale(QLocale::German).toString(k.lastModified(), QStringLiteral(" 'vom' dd.MM.yyyy 'um' HH:mm 'Uhr'"));
        // Checked before it is offered: a copy that cannot be restored is named as such, once per start.
        const Gelesen<Spieldatei> gelesen = ladeSpieldatei(k.absoluteFilePath(), fenster_.spielstand().nationen);
        if (!gelesen) {
            if (frage(QStringLiteral("Die Sicherungskopie ungesicherter Änderungen an %1 ist beschädigt und lässt "
                                     "sich nicht wiederherstellen.\nSoll sie gelöscht werden?")
                          .arg(woran)) == Antwort::ja)
                entferne(basis);
            continue;
        }
        const Antwort antwort =
            frage(QStringLiteral("Es gibt ungesicherte Änderungen an %1. Wiederherstellen?").arg(woran));
        if (antwort == Antwort::nein) entferne(basis);
        if (antwort != Antwort::ja) continue;
        const auto [name, abdruck] = spielDatei(basis);
        fenster_.oeffneWiederhergestellt(*gelesen.daten, name);
        // A save then still notices what another program did to the file since the crashed run saw it.
        if (abdruck.da) fenster_.dateiwache().merke(name, abdruck);
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
    durchSignal_ = true;
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
