// Start-up of whole processes under a private Xvfb: median time to the first painted window and peak memory.
#pragma once

#include <QString>
#include <vector>

namespace ovi::bench {

struct Startwerte {
    double medianMs = -1;
    long spitzeKiB = -1;  // median of the runs
    QString fehler;
};

class XServer {
public:
    XServer();  // starts Xvfb (and openbox when present) on a free display
    ~XServer();
    bool laeuft() const { return !display_.isEmpty(); }
    QString display() const { return display_; }

private:
    QString display_;
    qint64 xvfb_ = 0;
    qint64 wm_ = 0;
};

Startwerte messeStart(const QString& programm, const QString& display, int laeufe);

double median(std::vector<double> werte);

}  // namespace ovi::bench
