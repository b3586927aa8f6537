// Runs every measurement once and checks it against its budget:
// core operations (Google Benchmark), window actions offscreen, start-up of whole processes under Xvfb.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <map>

#include "bench/budget.h"
#include "bench/startmessung.h"

using ovi::bench::Messwert;

namespace {

// Collects the medians of the repeated core benchmarks.
class Sammler : public benchmark::ConsoleReporter {
  public:
    Sammler() : ConsoleReporter(OO_None) {}
    std::map<std::string, double> medianNs;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.aggregate_name == "median")
                medianNs[r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args)] =
                    r.GetAdjustedRealTime() * (r.time_unit == benchmark::kMicrosecond   ? 1e3
                                               : r.time_unit == benchmark::kMillisecond ? 1e6
                                                                                        : 1.0);
    }
};

std::vector<Messwert> kernMessungen() {
    int argc = 3;
    char arg0[] = "ovikuvela-leistung", arg1[] = "--benchmark_repetitions=30", arg2[] = "--benchmark_min_time=0.01";
    char* argv[] = {arg0, arg1, arg2, nullptr};
    benchmark::Initialize(&argc, argv);
    Sammler sammler;
    benchmark::RunSpecifiedBenchmarks(&sammler);
    const std::map<std::string, std::pair<QString, double>> budgets = {
        {"BM_Auswertung", {"Kern: eine volle Auswertung", 50}},
        {"BM_SpieldateiLesen", {"Kern: Spieldatei lesen", 1000}},
        {"BM_SpieldateiSchreiben", {"Kern: Spieldatei schreiben", -1}},
        {"BM_Bericht", {"Kern: Spielerbericht", -1}},
        {"BM_Tendenz", {"Kern: Tendenzen zählen", -1}},
    };
    std::vector<Messwert> w;
    for (const auto& [name, ns] : sammler.medianNs) {
        auto it = budgets.find(name);
        const QString titel =
            it != budgets.end() ? it->second.first : QString("Kern: Sortierung %1").arg(QString::fromStdString(name));
        w.push_back({titel, ns / 1e3, it != budgets.end() ? it->second.second : -1, "µs", {}});
    }
    return w;
}

std::vector<Messwert> startMessungen() {
    const QString ordner = QCoreApplication::applicationDirPath();
    ovi::bench::XServer x;
    if (!x.laeuft()) return {{"Start: Fenster", -1, 1.5, "×", "kein Xvfb gefunden"}};
    const auto leer = ovi::bench::messeStart(ordner + "/ovikuvela-leeresfenster", x.display(), 15);
    const auto felder = ovi::bench::messeStart(ordner + "/ovikuvela-felderfenster", x.display(), 15);
    const auto voll = ovi::bench::messeStart(ordner + "/ovikuvela-startmessung", x.display(), 15);
    const QString fehler = !leer.fehler.isEmpty() ? leer.fehler : voll.fehler;
    std::printf(
        "Start leeres Fenster: %.1f ms, %ld KiB; mit 416 Feldern und 320 Beschriftungen: %.1f ms, %ld KiB; "
        "ovi kuvela: %.1f ms, %ld KiB\n",
        leer.medianMs, leer.spitzeKiB, felder.medianMs, felder.spitzeKiB, voll.medianMs, voll.spitzeKiB);
    return {
        {"Start nackter Felder, zur Einordnung (Anteil am leeren Fenster)",
         leer.medianMs > 0 && felder.fehler.isEmpty() ? felder.medianMs / leer.medianMs : -1, -1, "×",
         !leer.fehler.isEmpty() ? leer.fehler : felder.fehler},
        {"Start bis zum Fenster (Anteil am leeren Fenster)", leer.medianMs > 0 ? voll.medianMs / leer.medianMs : -1,
         1.5, "×", fehler},
        {"Spitzenspeicher beim Start (Anteil am leeren Fenster)",
         leer.spitzeKiB > 0 ? double(voll.spitzeKiB) / double(leer.spitzeKiB) : -1, 1.3, "×", fehler},
    };
}

}  // namespace

// The offscreen platform warns on every dialog that raises itself; that says nothing about speed.
QtMessageHandler vorigeAusgabe = nullptr;
void still(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
    if (!text.contains(QLatin1String("does not support raise")) && vorigeAusgabe) vorigeAusgabe(typ, ort, text);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    vorigeAusgabe = qInstallMessageHandler(still);
    QApplication app(argc, argv);
    // Without an argument everything runs; "kern", "chancen", "fenster" or "start" pick one group while working on it,
    // and "fenster" takes a part of an action's name to run only that one (for a profiler).
    const QString nur = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString aktion = argc > 2 && nur == "fenster" ? QString::fromLocal8Bit(argv[2]) : QString();
    if ((!nur.isEmpty() && nur != "kern" && nur != "chancen" && nur != "fenster" && nur != "start") ||
        (argc > 2 && aktion.isEmpty())) {
        std::fprintf(stderr, "Aufruf: ovikuvela-leistung [kern|chancen|fenster [Aktion]|start]\n");
        return 2;
    }
    std::vector<Messwert> alle;
    if (nur.isEmpty() || nur == "kern") alle = kernMessungen();
    if (nur.isEmpty() || nur == "fenster")
        for (auto& m : ovi::bench::fensterMessungen(30, aktion)) alle.push_back(m);
    if (nur.isEmpty() || nur == "start")
        for (auto& m : startMessungen()) alle.push_back(m);
    // The chances run last (their threads would disturb the start) and are counted on a line of their own, so the
    // window's and the start's budgets stay comparable from run to run.
    const auto chancen = nur.isEmpty() || nur == "chancen" ? ovi::bench::chancenMessungen() : std::vector<Messwert>{};

    const auto gehalten = [](const std::vector<Messwert>& messungen) {
        int gepruefte = 0, eingehalten = 0;
        for (const Messwert& m : messungen) {
            QString zeile = QString("%1: Median %2 %3").arg(m.name).arg(m.wert, 0, 'f', 2).arg(m.einheit);
            if (!m.fehler.isEmpty()) zeile = QString("%1: nicht gemessen (%2)").arg(m.name, m.fehler);
            if (m.budget >= 0) {
                ++gepruefte;
                eingehalten += m.eingehalten() ? 1 : 0;
                zeile += QString(", Budget %1 %2 – %3")
                             .arg(m.budget)
                             .arg(m.einheit)
                             .arg(m.eingehalten() ? "eingehalten" : "VERFEHLT");
            }
            std::printf("%s\n", zeile.toUtf8().constData());
        }
        return std::pair{eingehalten, gepruefte};
    };
    const auto [eingehalten, gepruefte] = gehalten(alle);
    const auto [chancenEingehalten, chancenGeprueft] = gehalten(chancen);
    if (!alle.empty()) std::printf("Budget: %d von %d eingehalten\n", eingehalten, gepruefte);
    if (!chancen.empty()) std::printf("Chancen-Budget: %d von %d eingehalten\n", chancenEingehalten, chancenGeprueft);
    return eingehalten == gepruefte && chancenEingehalten == chancenGeprueft ? 0 : 1;
}
