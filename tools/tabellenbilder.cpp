// Makes the pictures of the standings in docs/:
//   ovi-tabellenbilder pdf SPIEL.gowet WELTMEISTER AUS.pdf   the PDF the window exports, from a game file
//   ovi-tabellenbilder html SEITE.html BREITE AUS.png        an HTML page drawn by Qt's rich text, BREITE pixels wide
// Qt's rich text knows neither upright headers nor inline SVG, so the HTML picture is an approximation.
#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <iostream>

#include "core/auswertung.h"
#include "core/bonus.h"
#include "files/speichern.h"
#include "files/spieldatei.h"
#include "ui/tabellendruck.h"

using namespace ovi;

namespace {

std::string jetzt() {
    return QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy, HH:mm 'Uhr'")).toStdString();
}

int pdf(const QString& spiel, const std::string& weltmeister, const QString& aus) {
    Spielstand s;
    const auto g = ladeSpieldatei(spiel, s.nationen);
    if (!g) {
        std::cerr << g.fehler << "\n";
        return 1;
    }
    uebernehme(s, *g.daten);
    if (werteKomplettAus(s) == Bonusausgang::weltmeisterFrage) setWeltmeister(s, weltmeister);
    const Tabellendokument d = baueTabellendokument(s, QFileInfo(spiel).fileName().toStdString(), jetzt());
    const std::string fehler = speichereBytes(aus, tabellenPdf(d));
    if (!fehler.empty()) std::cerr << fehler << "\n";
    return fehler.empty() ? 0 : 1;
}

int bild(const QString& seite, int breite, const QString& aus) {
    std::string html;
    if (const std::string fehler = ladeBytes(seite, html); !fehler.empty()) {
        std::cerr << fehler << "\n";
        return 1;
    }
    QTextDocument doc;
    doc.setHtml(QString::fromStdString(html));
    doc.setTextWidth(breite);
    QImage b(breite, static_cast<int>(doc.size().height()), QImage::Format_RGB32);
    b.fill(Qt::white);
    QPainter p(&b);
    doc.drawContents(&p);
    p.end();
    return b.save(aus) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList a = QApplication::arguments();
    if (a.size() == 5 && a[1] == QLatin1String("pdf")) return pdf(a[2], a[3].toStdString(), a[4]);
    if (a.size() == 5 && a[1] == QLatin1String("html")) return bild(a[2], a[3].toInt(), a[4]);
    std::cerr << "Aufruf: ovi-tabellenbilder pdf SPIEL.gowet WELTMEISTER AUS.pdf | html SEITE.html BREITE AUS.png\n";
    return 2;
}
