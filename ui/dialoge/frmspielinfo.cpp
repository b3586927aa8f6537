#include "ui/dialoge/frmspielinfo.h"

#include <QFrame>
#include <QLabel>

#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"

namespace ovi {
namespace {

// Twips: two columns of rows 360 apart on background shapes of the same colours.
constexpr double aussen = 120, oben = 120, innen = 60, zeilenAbstand = 360, zeilenHoehe = 300;
constexpr double titelBreite = 1800, wertBreite = 5400;
constexpr double hoehe = 2 * innen + 9 * zeilenAbstand - (zeilenAbstand - zeilenHoehe);

const QColor& titelFarbe = farben::gelb;
const QColor& wertFarbe = farben::hellgelb;

}  // namespace

frmSpielInfo::frmSpielInfo(QWidget* parent) : DialogBasis(parent, BeiVerlust::verstecken) {
    setObjectName(QStringLiteral("frmSpielInfo"));
    setWindowTitle(QStringLiteral("Informationen zum Spiel"));

    const QString titel[zeilen] = {
        QStringLiteral(" Spiel:"),   QStringLiteral(" Phase:"),          QStringLiteral(" Wochentag:"),
        QStringLiteral(" Datum:"),   QStringLiteral(" Anstoß:"),         QStringLiteral(" Ort:"),
        QStringLiteral(" Stadion:"), QStringLiteral(" Schiedsrichter:"), QStringLiteral(" Wettquoten:")};
    // The form the texts of a match record take; replaced as soon as a match is shown.
    const QString muster[zeilen] = {QStringLiteral(" Deutschland - Saudi-Arabien"),
                                    QStringLiteral(" Achtelfinale"),
                                    QStringLiteral(" Freitag"),
                                    QStringLiteral(" 17.06.2006"),
                                    QStringLiteral(" 18:00"),
                                    QStringLiteral(" Dortmund"),
                                    QStringLiteral(" Westfalenstadion"),
                                    QStringLiteral(" Name [Land]"),
                                    QStringLiteral(" 1,45  -  4,50  -  8,00")};

    const double links[2] = {aussen, aussen + titelBreite};
    const double breite[2] = {titelBreite, wertBreite};
    const QColor farbe[2] = {titelFarbe, wertFarbe};
    for (int c = 0; c < 2; ++c) {
        shpHintergrund[c] = new QFrame(this);
        shpHintergrund[c]->setObjectName(QStringLiteral("shpHintergrund_%1").arg(c));
        shpHintergrund[c]->setGeometry(twips::rechteck(links[c], oben, breite[c], hoehe));
        farben::setzeHintergrund(shpHintergrund[c], farbe[c]);
    }
    for (int z = 0; z < zeilen; ++z) {
        const double o = oben + innen + z * zeilenAbstand;
        lblInfo[z] = new QLabel(titel[z], this);
        lblInfo[z]->setObjectName(QStringLiteral("lblInfo_%1").arg(z));
        lblInfo[z]->setGeometry(twips::rechteck(links[0], o, breite[0], zeilenHoehe));
        farben::setzeHintergrund(lblInfo[z], titelFarbe);

        lblInfoText[z] = new QLabel(muster[z], this);
        lblInfoText[z]->setObjectName(QStringLiteral("lblInfoText_%1").arg(z));
        lblInfoText[z]->setTextFormat(Qt::PlainText);  // texts from a file, no markup
        lblInfoText[z]->setGeometry(twips::rechteck(links[1], o, breite[1], zeilenHoehe));
        farben::setzeHintergrund(lblInfoText[z], wertFarbe);
    }
    setFixedSize(twips::px(2 * aussen + titelBreite + wertBreite), twips::px(2 * oben + hoehe));
}

void frmSpielInfo::spielAnzeigen(const Spielstand& s, int match) {
    const auto t = [](const std::string& wert) { return QStringLiteral(" ") + QString::fromStdString(wert); };
    // Every value first, so a refused index leaves the rows untouched.
    const std::array<QString, zeilen> werte = {
        t(s.getNation(s.getPaarung(match, 0)) + " - " + s.getNation(s.getPaarung(match, 1))),
        t(s.getPHName(match)),
        t(s.getTag(match)),
        t(s.getDatum(match)),
        t(s.getZeit(match)),
        t(s.getOrt(match)),
        t(s.getStadion(match)),
        t(s.getSchiri(match)),
        t(s.getQuote(match))};
    for (int z = 0; z < zeilen; ++z) lblInfoText[z]->setText(werte[z]);
}

}  // namespace ovi
