// One measured action against its budget.
#pragma once

#include <QString>
#include <vector>

namespace ovi::bench {

struct Messwert {
    QString name;
    double wert = -1;    // median
    double budget = -1;  // < 0: shown for information only
    QString einheit;     // "ms", "µs", "×"
    QString fehler;      // not measured
    bool eingehalten() const { return fehler.isEmpty() && wert >= 0 && wert <= budget; }
};

// Window actions offscreen: median of at least 30 runs each, in ms; only those whose name contains nur.
std::vector<Messwert> fensterMessungen(int wiederholungen, const QString& nur = {});

// The chances (best and worst place, titles, scenarios) for 25 participants, whole, in ms.
std::vector<Messwert> chancenMessungen();

}  // namespace ovi::bench
