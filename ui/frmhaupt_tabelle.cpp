// The ranking table on the right: its rows, the sort markers and the sort selector.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "core/rangliste.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/einpasslabel.h"
#include "ui/frmhaupt.h"
#include "ui/masse.h"

namespace ovi {

using namespace masse;
using twips::setze;

namespace {

template <class L = QLabel>
L* tabLabel(QWidget* eltern, const char* name, int r, const QColor& grund, const QColor& text, bool fett,
            const char* tipp, int spalte) {
    auto* l = new L(eltern);
    l->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(r));
    l->setTextFormat(Qt::PlainText);  // names are no markup
    farben::faerbe(l, grund, text);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    if (tipp) l->setToolTip(QString::fromUtf8(tipp));
    l->setAlignment(spalte == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    setze(l, tabSpalteLinks(spalte), 0, tabBreiten[static_cast<std::size_t>(spalte)], tabZeile);
    return l;
}

template <class L = QLabel>
L* textLabel(QWidget* eltern, const char* name, const QString& text, int links, int oben, int breite, int hoehe = 240) {
    auto* l = new L(text, eltern);
    l->setObjectName(QString::fromUtf8(name));
    l->setTextFormat(Qt::PlainText);  // the file's name is no markup
    setze(l, links, oben, breite, hoehe);
    return l;
}

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void frmHaupt::baueTabelle(QWidget* zentrum) {
    fraTabelle = new QGroupBox(zentrum);  // captioned with fraSpiele, at the end of the construction
    fraTabelle->setObjectName(QStringLiteral("fraTabelle"));
    setze(fraTabelle, tabelleLinks, spieleOben, tabelleBreite, spieleHoehe);

    // A file title of 40 characters needs nearly the whole width: it begins right after "Datei:".
    const int rechts = tabelleBreite - tabLinks / 2;
    lblDatei = textLabel(fraTabelle, "lblDatei", QStringLiteral("Datei:"), tabLinks, 330, 600);
    lblDateiE = textLabel<EinpassLabel>(fraTabelle, "lblDateiE", {}, 840, 330, rechts - 840);
    // The longer rule names reach above the sort selector, so the label ends where the selector begins.
    lblModus = textLabel(fraTabelle, "lblModus", QStringLiteral("Modus:"), tabLinks, 600, 1320, 210);
    lblModusE = textLabel<EinpassLabel>(fraTabelle, "lblModusE", {}, 1560, 600, rechts - 1560, 210);
    lblBonus[25] = textLabel(fraTabelle, "lblBonus_25", QStringLiteral("Bonuspunkte:"), tabLinks, 870, 1320);
    lblBonusE = textLabel(fraTabelle, "lblBonusE", {}, 1560, 870, 600);

    cmbSortierung = new QComboBox(fraTabelle);
    cmbSortierung->setObjectName(QStringLiteral("cmbSortierung"));
    for (std::string_view k : sortierungen) cmbSortierung->addItem(QString::fromUtf8(k.data(), qsizetype(k.size())));
    cmbSortierung->setPlaceholderText(QStringLiteral("Sortierung"));
    cmbSortierung->setCurrentIndex(-1);
    QPalette lp = cmbSortierung->palette();
    lp.setColor(QPalette::Base, farben::hellgelb);
    lp.setColor(QPalette::Button, farben::hellgelb);
    cmbSortierung->setPalette(lp);
    setze(cmbSortierung, sortierungLinks, sortierungOben, sortierungBreite, sortierungHoehe);
    connect(cmbSortierung, &QComboBox::activated, this,
            [this](int i) { sicher([this, i] { cmbSortierung_Click(i); }); });

    for (int k = 0; k < 2; ++k) {
        linQuer[k] = new QFrame(fraTabelle);
        linQuer[k]->setObjectName(QStringLiteral("linQuer_%1").arg(k));
        linQuer[k]->setFrameShape(QFrame::HLine);
        linQuer[k]->setFrameShadow(QFrame::Sunken);
    }
    setze(linQuer[0], tabLinks, 1260, tabZeileBreite, 30);

    picFocus = new QWidget(fraTabelle);
    picFocus->setObjectName(QStringLiteral("picFocus"));
    setze(picFocus, tabLinks, markeOben, tabZeileBreite, markeHoehe);

    for (int k = 0; k < 2; ++k) {
        imgSortierer[k] = new QLabel(fraTabelle);
        imgSortierer[k]->setObjectName(QStringLiteral("imgSortierer_%1").arg(k));
        imgSortierer[k]->setPixmap(bilder_.sortierer(k == 1));
    }

    fraTabelleTab = new QWidget(fraTabelle);
    fraTabelleTab->setObjectName(QStringLiteral("fraTabelleTab"));
    setze(fraTabelleTab, tabLinks, tabOben, tabZeileBreite, tabVollHoehe);

    const QColor menue = QApplication::palette("QMenu").color(QPalette::Window);
    for (int r = 0; r < katalog::anzahlSpieler; ++r) {
        auto* z = new QFrame(fraTabelleTab);
        fraTabSpieler[r] = z;
        z->setObjectName(QStringLiteral("fraTabSpieler_%1").arg(r));
        farben::faerbe(z, menue, Qt::black);
        setze(z, 0, tabZeile * r, tabZeileBreite, tabZeile);

        lblPlatz[r] = tabLabel(z, "lblPlatz", r, farben::gruen, Qt::white, false, " Platz ", 0);
        lblPlatz[r]->setText(QString::number(r + 1));
        lblTabSpieler[r] = tabLabel<EinpassLabel>(z, "lblTabSpieler", r, farben::gruen, Qt::white, false, nullptr, 1);
        lblTabSpieler[r]->setMouseTracking(true);
        merke(lblTabSpieler[r], Art::tabName, r);
        lblTabPunkteGesamt[r] =
            tabLabel(z, "lblTabPunkteGesamt", r, farben::orange, Qt::black, true, " Gesamtpunkte", 2);
        lblTabPunkteGruppe[r] =
            tabLabel(z, "lblTabPunkteGruppe", r, Qt::black, farben::orange, true, " Punkte in der Gruppenphase ", 3);
        lblTabPunkteKO[r] =
            tabLabel(z, "lblTabPunkteKO", r, Qt::black, farben::orange, true, " Punkte der K.O.-Phase ", 4);
        lblBonus[r] = tabLabel(z, "lblBonus", r, Qt::white, farben::rot, false, " erreichte Bonuspunkte ", 5);
        lblTab3er[r] = tabLabel(z, "lblTab3er", r, farben::rot, Qt::black, false, " Punkte durch richtige Tipps ", 6);
        lblTab2er[r] =
            tabLabel(z, "lblTab2er", r, farben::gelb, Qt::black, false, " Punkte durch richtige Sieghöhe ", 7);
        lblTab1er[r] =
            tabLabel(z, "lblTab1er", r, farben::hellgruen, Qt::black, false, " Punkte durch richtige Tendenz ", 8);
    }
}

void frmHaupt::zeigeTabelle() {
    const auto zeilen = tabellenZeilen(s_);
    for (int r = 0; r < katalog::anzahlSpieler; ++r) {
        const Tabellenzeile& z = zeilen[static_cast<std::size_t>(r)];
        lblTabSpieler[r]->setText(text(z.spieler));
        lblTabPunkteGesamt[r]->setText(text(z.gesamt));
        lblTabPunkteGruppe[r]->setText(text(z.gruppe));
        lblTabPunkteKO[r]->setText(text(z.ko));
        lblBonus[r]->setText(text(z.bonus));
        lblTab3er[r]->setText(text(z.richtige));
        lblTab2er[r]->setText(text(z.sieghoehe));
        lblTab1er[r]->setText(text(z.tendenz));
    }
}

void frmHaupt::setzeMarken(int schluessel) {
    const int links = tabLinks + tabSpalteLinks(ersteWertSpalte + markenSpalte(schluessel)) + markenVersatz(schluessel);
    setze(imgSortierer[0], links, markeOben, markeBreite, markeHoehe);
    const int unten = untereMarkeOben(s_.anzahlMitspieler());
    setze(imgSortierer[1], links, unten, markeBreite, markeHoehe);
    setze(linQuer[1], tabLinks, unten + markeHoehe + 30, tabZeileBreite, 30);
}

void frmHaupt::cmbSortierung_Click(int index) {
    // Sorts the records as the last evaluation left them; nothing is scored here.
    sortiereTabelle(s_, index);
    if (index >= 0 && index < anzahlSortierungen) setzeMarken(index);
    zeigeTabelle();
}

void frmHaupt::setzeReihenfolge() {
    // Results of the view first, each match's tick after its two fields, then each participant's tips slot by
    // slot, home before away.
    QWidget* vorige = cmbPhase;
    auto weiter = [&vorige](QWidget* w) {
        QWidget::setTabOrder(vorige, w);
        vorige = w;
    };
    for (int s = 0; s < 8; ++s) {
        weiter(txtHeimErg[s]);
        weiter(txtAusErg[s]);
        weiter(chkAuswerten[s]);
    }
    for (int i = 0; i < 200; ++i) {
        weiter(txtHeimTipp[i]);
        weiter(txtAusTipp[i]);
    }
    weiter(cmdAuswerten);
    weiter(cmdZufall);
    weiter(cmdTendenz);
    weiter(cmbSortierung);
}

}  // namespace ovi
