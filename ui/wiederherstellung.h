// The recovery copy: while the game has unsaved changes a copy of it lies in the user's data folder, so a crash,
// a power cut or an ended session costs at most the last few seconds of typing.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

namespace ovi {

class frmHaupt;

// One copy per running program, each guarded by a lock file that names its process: a copy whose lock is
// stale was left by a run that did not end normally, a copy whose program still runs is never touched.
class Wiederherstellung : public QObject {
    Q_OBJECT

  public:
    // From the first unsaved change to its copy; also the most a crash can lose.
    static constexpr int verzoegerungMs = 3000;

    // ordner empty: the program's folder in the user's data folder.
    explicit Wiederherstellung(frmHaupt& fenster, QString ordner = {});
    ~Wiederherstellung() override;

    static QString standardOrdner();
    // Tests wait milliseconds, not seconds.
    void setzeVerzoegerung(int ms) { takt_.setInterval(ms); }
    QString kopie() const { return basis_ + QStringLiteral(".gowet"); }

    // At the start: offers the copies of runs that did not end normally, newest first, naming the game they belong
    // to; true once one is restored. A copy that does not read as a game is named as damaged and may be deleted;
    // links and anything that is no regular file are passed over.
    bool bieteAn();
    // Writes the copy now while the game is unsaved, else removes it; `melden`: a failure gets a message.
    void sichere(bool melden = true);
    // Logout, shutdown, SIGTERM, SIGINT and SIGHUP write the copy and end the program; the copy stays.
    void beobachteSitzungsende();
    // A signal came: the program ends. Ending the event loop is not enough before it runs: a signal during a
    // message box shown at the start only ends that box's own loop.
    bool beendetDurchSignal() const { return durchSignal_; }

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    static void entferne(const QString& basis);
    // What the .name file beside the copy holds: the game file, and on a second line what it held.
    std::string nameMitAbdruck() const;
    void beiSignal();

    frmHaupt& fenster_;
    QString ordner_;
    QString basis_;  // path of this run's copy without ending
    std::unique_ptr<QLockFile> sperre_;
    QTimer takt_;
    bool vorbei_ = false;    // ended normally: nothing more to keep
    bool gemeldet_ = false;  // one failure message per run is enough
    bool durchSignal_ = false;
};

}  // namespace ovi
