#include "ui/tabellenbereich.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "core/rangliste.h"
#include "ui/bilder.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/einpasslabel.h"
#include "ui/masse.h"
#include "ui/tabellenzeilen.h"

namespace ovi {

using namespace masse;
using twips::setze;

namespace {

template <class L = QLabel>
L* textLabel(QWidget* eltern, const char* name, const QString& text, int links, int oben, int breite, int hoehe = 240) {
    auto* l = new L(text, eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextFormat(Qt::PlainText);  // the file's name is no markup
    setze(l, links, oben, breite, hoehe);
    return l;
}

}  // namespace

Tabellenbereich::Tabellenbereich(QWidget* eltern, const Bilder& bilder) : QGroupBox(eltern) {
    // Captioned by the window at the end of its construction (see there).
    setObjectName(QStringLiteral("fraTabelle"));
    setze(this, tabelleLinks, spieleOben, tabelleBreite, spieleHoehe);

    // A file title of 40 characters needs nearly the whole width: it begins right after "Datei:".
    const int rechts = tabelleBreite - tabLinks / 2;
    lblDatei_ = textLabel(this, "lblDatei", QStringLiteral("Datei:"), tabLinks, 330, 600);
    lblDateiE_ = textLabel<EinpassLabel>(this, "lblDateiE", {}, 840, 330, rechts - 840);
    // The longer rule names reach above the sort selector, so the label ends where the selector begins.
    lblModus_ = textLabel(this, "lblModus", QStringLiteral("Modus:"), tabLinks, 600, 1320, 210);
    lblModusE_ = textLabel<EinpassLabel>(this, "lblModusE", {}, 1560, 600, rechts - 1560, 210);
    lblBonus_ = textLabel(this, "lblBonus_25", QStringLiteral("Bonuspunkte:"), tabLinks, 870, 1320);
    lblBonusE_ = textLabel(this, "lblBonusE", {}, 1560, 870, 600);

    cmbSortierung_ = new QComboBox(this);
    cmbSortierung_->setObjectName(QStringLiteral("cmbSortierung"));
    for (std::string_view k : sortierungen) cmbSortierung_->addItem(QString::fromUtf8(k.data(), qsizetype(k.size())));
    cmbSortierung_->setPlaceholderText(QStringLiteral("Sortierung"));
    cmbSortierung_->setCurrentIndex(-1);
    QPalette lp = cmbSortierung_->palette();
    lp.setColor(QPalette::Base, farben::hellgelb);
    lp.setColor(QPalette::Button, farben::hellgelb);
    cmbSortierung_->setPalette(lp);
    setze(cmbSortierung_, sortierungLinks, sortierungOben, sortierungBreite, sortierungHoehe);
    connect(cmbSortierung_, &QComboBox::activated, this, &Tabellenbereich::sortierungGewaehlt);

    for (std::size_t k = 0; k < 2; ++k) {
        linQuer_[k] = new QFrame(this);
        linQuer_[k]->setObjectName(QStringLiteral("linQuer_%1").arg(k));
        linQuer_[k]->setFrameShape(QFrame::HLine);
        linQuer_[k]->setFrameShadow(QFrame::Sunken);
    }
    setze(linQuer_[0], tabLinks, 1260, tabZeileBreite, 30);

    for (std::size_t k = 0; k < 2; ++k) {
        imgSortierer_[k] = new QLabel(this);
        imgSortierer_[k]->setObjectName(QStringLiteral("imgSortierer_%1").arg(k));
        imgSortierer_[k]->setPixmap(bilder.sortierer(k == 1));
    }
    zeilen_ = new Tabellenzeilen(this);
}

void Tabellenbereich::setzeDateiTitel(const QString& titel) { lblDateiE_->setText(titel); }
QString Tabellenbereich::dateiTitel() const { return lblDateiE_->text(); }

void Tabellenbereich::setzeRegelName(const QString& name) { lblModusE_->setText(name); }
QString Tabellenbereich::regelName() const { return lblModusE_->text(); }
void Tabellenbereich::setzeBonus(const QString& bonus) { lblBonusE_->setText(bonus); }
QString Tabellenbereich::bonus() const { return lblBonusE_->text(); }

void Tabellenbereich::zeige(const Spielstand& s, int schluessel) {
    if (schluessel >= 0 && schluessel < anzahlSortierungen) setzeMarken(schluessel, s.anzahlMitspieler());
    zeilen_->zeige(tabellenZeilen(s));
}

void Tabellenbereich::zeigeZeilen(int n) { zeilen_->zeigeZeilen(n); }

void Tabellenbereich::setzeMarken(int schluessel, int mitspieler) {
    const int links = tabLinks + tabSpalteLinks(ersteWertSpalte + markenSpalte(schluessel)) + markenVersatz(schluessel);
    setze(imgSortierer_[0], links, markeOben, markeBreite, markeHoehe);
    const int unten = untereMarkeOben(mitspieler);
    setze(imgSortierer_[1], links, unten, markeBreite, markeHoehe);
    setze(linQuer_[1], tabLinks, unten + markeHoehe + 30, tabZeileBreite, 30);
}

int Tabellenbereich::sortierung() const { return cmbSortierung_->currentIndex(); }

void Tabellenbereich::setzeSortierung(int schluessel) {
    const QSignalBlocker still(cmbSortierung_);
    cmbSortierung_->setCurrentIndex(schluessel);
}

}  // namespace ovi
