#include "ui/teilnehmerspalte.h"

#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/masse.h"

namespace ovi {

using namespace masse;

namespace {

// The rows' area inside the match area: from the first row's top to the 25th row's bottom.
QRect flaeche() { return twips::rechteck(zeileLinks, zeileOben, zeileBreite, zeileSchritt * 24 + feldGroesse); }

}  // namespace

Teilnehmerspalte::Teilnehmerspalte(QWidget* eltern)
    : GemalteTabelle(eltern), phaseLinks_(breit.gruppeLinks), gesamtLinks_(breit.gesamtLinks) {
    setObjectName(QStringLiteral("fraTeilnehmer"));
    setAccessibleName(QStringLiteral("Teilnehmer"));
    setGeometry(flaeche());
    // Set on each row before its tip fields exist, they inherit bold text for free: a font set on each field
    // afterwards would cost a change event apiece.
    QFont fett = font();
    fett.setBold(true);
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        auto* z = new QWidget(this);
        z->setObjectName(QStringLiteral("fraSpieler_%1").arg(p));
        z->setGeometry(reihenRechteck(p));
        z->setFont(fett);
        // The mouse over a name reaches the name through its row.
        z->setMouseTracking(true);
        zeilen_[static_cast<std::size_t>(p)] = z;
    }
}

QRect Teilnehmerspalte::reihenRechteck(int zeile) const {
    return twips::rechteck(zeileLinks, zeileOben + zeileSchritt * zeile, zeileBreite, feldGroesse)
        .translated(-flaeche().topLeft());
}

void Teilnehmerspalte::staple(const Spielstand& s) {
    int k = 0;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        Reihe& r = reihen_[static_cast<std::size_t>(p)];
        const Spieler& sp = s.spieler[p];
        const QString name = QString::fromStdString(sp.name);
        const int stapel = sp.spieltMit ? k++ : -1;
        if (stapel >= 0) slots_[static_cast<std::size_t>(stapel)] = p;
        if (name == r.name && stapel == r.zeile) continue;
        // Painted anew where the row stood and where it stands now; the tip fields between stay untouched.
        for (int spalte = 0; spalte < spaltenZahl; ++spalte) update(zelleVon(p, spalte).rechteck);
        r.name = name;
        r.zeile = stapel;
        for (int spalte = 0; spalte < spaltenZahl; ++spalte) update(zelleVon(p, spalte).rechteck);
    }
    anzahl_ = k;
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        const Reihe& r = reihen_[static_cast<std::size_t>(p)];
        QWidget* z = zeile(p);
        if (r.zeile >= 0 && z->geometry() != reihenRechteck(r.zeile)) z->setGeometry(reihenRechteck(r.zeile));
        z->setVisible(r.zeile >= 0);
    }
}

void Teilnehmerspalte::setzePunkte(int p, int phase, int gesamt) {
    Reihe& r = reihen_.at(static_cast<std::size_t>(p));
    const QString ph = QString::number(phase), ge = QString::number(gesamt);
    if (ph != r.phase) {
        r.phase = ph;
        if (r.zeile >= 0) erneuere(r.zeile, 1);
    }
    if (ge != r.gesamt) {
        r.gesamt = ge;
        if (r.zeile >= 0) erneuere(r.zeile, 2);
    }
}

void Teilnehmerspalte::ordneAn(int phaseLinks, int gesamtLinks) {
    if (phaseLinks == phaseLinks_ && gesamtLinks == gesamtLinks_) return;
    for (int z = 0; z < anzahl_; ++z) update(zelle(z, 1).rechteck.united(zelle(z, 2).rechteck));
    phaseLinks_ = phaseLinks;
    gesamtLinks_ = gesamtLinks;
    for (int z = 0; z < anzahl_; ++z) update(zelle(z, 1).rechteck.united(zelle(z, 2).rechteck));
}

void Teilnehmerspalte::markiere(int p) {
    if (p == markiert_) return;
    const int vorher = markiert_;
    markiert_ = p;
    for (int q : {vorher, p})
        if (q >= 0 && reihen_[static_cast<std::size_t>(q)].zeile >= 0) erneuere(zeileVon(q), 0);
}

int Teilnehmerspalte::zeileVon(int p) const { return reihen_.at(static_cast<std::size_t>(p)).zeile; }

Zelle Teilnehmerspalte::zelleVon(int p, int spalte) const {
    const Reihe& r = reihen_.at(static_cast<std::size_t>(p));
    Zelle z;
    const QPoint ecke = r.zeile >= 0 ? reihenRechteck(r.zeile).topLeft() : QPoint();
    const auto stelle = [&](int links, int breite) {
        if (r.zeile >= 0) z.rechteck = twips::rechteck(links, 0, breite, feldGroesse).translated(ecke);
    };
    switch (spalte) {
        case 0:
            stelle(0, nameBreite);
            z.text = r.name;
            z.grund = p == markiert_ ? farben::dunkelrot : farben::gruen;
            z.schrift = Qt::white;
            z.links = true;
            z.einzug = 3;
            z.einpassen = true;
            break;
        case 1:
            stelle(phaseLinks_, punkteBreite);
            z.text = r.phase;
            z.grund = Qt::black;
            z.schrift = farben::orange;
            z.fett = true;
            z.tipp = QStringLiteral(" Punkte in dieser Phase ");
            break;
        default:
            stelle(gesamtLinks_, punkteBreite);
            z.text = r.gesamt;
            z.grund = farben::orange;
            z.schrift = Qt::black;
            z.fett = true;
            z.tipp = QStringLiteral(" Gesamtpunkte ");
            break;
    }
    return z;
}

QString Teilnehmerspalte::spaltenName(int spalte) const {
    static const QString namen[spaltenZahl] = {QStringLiteral("Name"), QStringLiteral("Punkte in dieser Phase"),
                                               QStringLiteral("Gesamtpunkte")};
    return spalte >= 0 && spalte < spaltenZahl ? namen[spalte] : QString();
}

QString Teilnehmerspalte::zeilenName(int zeile) const {
    return zeile >= 0 && zeile < anzahl_ ? reihen_[static_cast<std::size_t>(slotIn(zeile))].name : QString();
}

void Teilnehmerspalte::beruehrt(int zeile, int spalte) {
    if (spalte == 0) emit nameBeruehrt(slotIn(zeile));
}

}  // namespace ovi
