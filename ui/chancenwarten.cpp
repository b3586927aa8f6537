#include "ui/chancenwarten.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <exception>
#include <thread>

namespace ovi {

std::optional<Chancen> berechneChancenWartend(QWidget* eltern, const Spielstand& s) {
    std::optional<Chancen> ergebnis;
    std::exception_ptr fehler;
    QEventLoop schleife;
    std::atomic<bool> fertig = false;
    std::jthread arbeit([&](std::stop_token halt) {
        try {
            ergebnis = berechneChancen(s, s.weltmeister, halt);
        } catch (...) {
            fehler = std::current_exception();
        }
        fertig = true;
        QMetaObject::invokeMethod(&schleife, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Shown only when it takes a while.
    QProgressDialog warten(QStringLiteral("Die Chancen werden berechnet …"), QStringLiteral("Abbrechen"), 0, 0, eltern);
    warten.setObjectName(QStringLiteral("dlgChancenWarten"));
    warten.setWindowModality(Qt::WindowModal);
    warten.setMinimumDuration(400);
    bool abgebrochen = false;
    QObject::connect(&warten, &QProgressDialog::canceled, &schleife, [&] {
        abgebrochen = true;
        schleife.quit();
    });
    if (!fertig) schleife.exec();
    arbeit.request_stop();
    arbeit.join();
    if (fehler) std::rethrow_exception(fehler);
    if (abgebrochen) return std::nullopt;
    return ergebnis;
}

}  // namespace ovi
