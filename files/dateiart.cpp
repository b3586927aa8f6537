#include "files/dateiart.h"

#include <QFileInfo>

namespace ovi {

namespace {

std::string name(const QString& pfad) { return "„" + QFileInfo(pfad).fileName().toStdString() + "“"; }

}  // namespace

std::string istSpielInfo(const QString& pfad) { return name(pfad) + " ist eine Datei mit Spiel-Informationen."; }

std::string istSpieldatei(const QString& pfad) {
    return name(pfad) + " ist eine Spieldatei (ein gespeicherter Spielstand).";
}

}  // namespace ovi
