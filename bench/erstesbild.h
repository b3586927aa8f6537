// Used by the two start-up programs: once the window has painted itself for the first time,
// print "bereit <peak memory in KiB>" and quit, so the bench can time the whole process.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace ovi::bench {

inline long spitzenSpeicherKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& zeile : status.readAll().split('\n'))
        if (zeile.startsWith("VmHWM:")) return zeile.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class ErstesBild : public QObject {
public:
    explicit ErstesBild(QWidget* fenster) : QObject(fenster) { fenster->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !gemeldet_) {
            gemeldet_ = true;
            // After this event returns the frame reaches the screen.
            QTimer::singleShot(0, qApp, [] {
                std::printf("bereit %ld\n", spitzenSpeicherKiB());
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    bool gemeldet_ = false;
};

}  // namespace ovi::bench
