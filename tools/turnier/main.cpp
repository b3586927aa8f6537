// Writes the shipped tournament files from data/wm2006.csv:
//   ovikuvela-turnier CSV ZIELORDNER
#include <QString>
#include <fstream>
#include <iostream>
#include <sstream>

#include "files/spieldatei.h"
#include "files/spielinfo.h"
#include "tools/turnier/turnierdaten.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Aufruf: ovikuvela-turnier CSV ZIELORDNER\n";
        return 2;
    }
    std::ifstream ein(argv[1], std::ios::binary);
    if (!ein) {
        std::cerr << "Kann " << argv[1] << " nicht lesen\n";
        return 1;
    }
    std::stringstream text;
    text << ein.rdbuf();
    try {
        const auto partien = ovi::turnier::leseCsv(text.str());
        const QString ziel = QString::fromLocal8Bit(argv[2]);

        ovi::SpielInfo plan;
        for (const auto& p : partien) plan.spiele[p.nr] = ovi::turnier::spielplanEintrag(p);
        plan.ansicht = 0;
        std::string fehler = ovi::speichereSpielInfo(ziel + "/spielplan-wm2006.gowet", plan);
        if (fehler.empty())
            fehler = ovi::speichereSpieldatei(ziel + "/wm2006-ergebnisse.gowet",
                                              ovi::ausSpielstand(ovi::turnier::demoSpiel(partien)));
        for (const auto& stufe : ovi::turnier::stufen) {
            if (!fehler.empty()) break;
            ovi::SpielInfo info;
            info.spiele = ovi::turnier::stufenSpiele(partien, stufe);
            info.ansicht = static_cast<ovi::Integer>(stufe.ansicht);
            fehler = ovi::speichereSpielInfo(ziel + "/" + QString::fromUtf8(stufe.datei), info);
        }
        if (!fehler.empty()) {
            std::cerr << fehler << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << argv[1] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}
