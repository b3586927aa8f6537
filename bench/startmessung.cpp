#include "bench/startmessung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <csignal>

namespace ovi::bench {

double median(std::vector<double> werte) {
    if (werte.empty()) return -1;
    std::sort(werte.begin(), werte.end());
    const std::size_t n = werte.size();
    return n % 2 ? werte[n / 2] : (werte[n / 2 - 1] + werte[n / 2]) / 2;
}

XServer::XServer() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) return;
    for (int nr = 97; nr < 120; ++nr) {
        if (QFile::exists(QString("/tmp/.X%1-lock").arg(nr))) continue;
        const QString d = QString(":%1").arg(nr);
        if (!QProcess::startDetached(xvfb, {d, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}, &xvfb_)) return;
        for (int i = 0; i < 100 && !QFile::exists(QString("/tmp/.X11-unix/X%1").arg(nr)); ++i) QThread::msleep(20);
        display_ = d;
        break;
    }
    const QString wm = QStandardPaths::findExecutable("openbox");
    if (!display_.isEmpty() && !wm.isEmpty()) {
        QProcess p;
        p.setProgram(wm);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DISPLAY", display_);
        p.setProcessEnvironment(env);
        // Its complaints about menus have nothing to do with the measurement.
        p.setStandardOutputFile(QProcess::nullDevice());
        p.setStandardErrorFile(QProcess::nullDevice());
        p.startDetached(&wm_);
        QThread::msleep(300);
    }
}

XServer::~XServer() {
    if (wm_) ::kill(static_cast<pid_t>(wm_), SIGTERM);
    if (xvfb_) ::kill(static_cast<pid_t>(xvfb_), SIGTERM);
}

Startwerte messeStart(const QString& programm, const QString& display, int laeufe) {
    Startwerte w;
    std::vector<double> zeiten, speicher;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display);
    env.insert("QT_QPA_PLATFORM", "xcb");
    for (int i = 0; i < laeufe + 1; ++i) {  // the first run only warms the file cache
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer uhr;
        uhr.start();
        p.start(programm, {});
        QByteArray zeile;
        while (p.waitForStarted(5000) && !zeile.contains('\n') && p.waitForReadyRead(10000))
            zeile += p.readAllStandardOutput();
        if (!zeile.startsWith("bereit")) {
            w.fehler = programm + ": kein Fenster";
            p.kill();
            p.waitForFinished();
            return w;
        }
        const double ms = uhr.nsecsElapsed() / 1e6;
        p.waitForFinished(5000);
        if (i == 0) continue;
        zeiten.push_back(ms);
        speicher.push_back(zeile.trimmed().split(' ').value(1).toDouble());
    }
    w.medianMs = median(zeiten);
    w.spitzeKiB = static_cast<long>(median(speicher));
    return w;
}

}  // namespace ovi::bench
