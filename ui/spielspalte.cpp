#include "ui/spielspalte.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

#include "ui/bilder.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/tendenzbild.h"

namespace ovi {

using namespace masse;
using twips::setze;

namespace {

QString mitIndex(const char* name, int index) { return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index); }

// Only a changed name is set: each setting tells the accessibility layer about it.
void benenne(QWidget* w, const QString& name) {
    if (w->accessibleName() != name) w->setAccessibleName(name);
}

}  // namespace

Spielspalte::Spielspalte(QWidget* eltern, int s, ZiffernZelle::Halter& halter, const Bilder& bilder)
    : QFrame(eltern), bilder_(bilder), slot_(s) {
    // The counters keep the colours of the window, not the column's green.
    const QColor fenster = eltern->palette().color(QPalette::Window);
    const QColor text = eltern->palette().color(QPalette::WindowText);
    setObjectName(mitIndex("fraSpiel", s));
    farben::faerbe(this, farben::gruen, Qt::black);
    setze(this, breit.spalteLinks + s * breit.spalteAbstand, spalteOben, breit.spalteBreite, spalteHoehe);

    shpRahmen_ = new QFrame(this);
    shpRahmen_->setObjectName(mitIndex("shpRahmen", s));
    shpRahmen_->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpRahmen_->setLineWidth(1);
    shpRahmen_->setAttribute(Qt::WA_TransparentForMouseEvents);

    imgSpielHeim_ = new QLabel(this);
    imgSpielHeim_->setObjectName(mitIndex("imgSpielHeim", s));
    imgSpielAus_ = new QLabel(this);
    imgSpielAus_->setObjectName(mitIndex("imgSpielAus", s));

    // The window's plain font, where the tips take the bold one of their row.
    const auto feld = [&](const char* name, Feldart art) {
        auto* f = new ZiffernZelle(this, halter, static_cast<int>(art), s);
        f->setObjectName(mitIndex(name, s));
        f->setzeRuhefarben(farben::dunkelgrau, Qt::white);
        return f;
    };
    txtHeimErg_ = feld("txtHeimErg", Feldart::heimErg);
    txtAusErg_ = feld("txtAusErg", Feldart::ausErg);

    chkAuswerten_ = new QCheckBox(this);
    chkAuswerten_->setObjectName(mitIndex("chkAuswerten", s));
    chkAuswerten_->setToolTip(QStringLiteral(" dieses Spiel mit auswerten "));

    imgInfo_ = new QLabel(this);
    imgInfo_->setObjectName(mitIndex("imgInfo", s));
    imgInfo_->setPixmap(bilder_.info());
    imgInfo_->setCursor(Qt::PointingHandCursor);
    imgInfo_->installEventFilter(this);

    const char* namen[3] = {"lblTenEins", "lblTenNull", "lblTenZwei"};
    const char* tipps[3] = {" Anzahl getippter Siege der erstgenannten Mannschaft ", " Anzahl getippter Unentschieden ",
                            " Anzahl getippter Siege der letztgenannten Mannschaft "};
    for (std::size_t k = 0; k < 3; ++k) {
        lblTen_[k] = new QLabel(this);
        lblTen_[k]->setObjectName(mitIndex(namen[k], s));
        farben::faerbe(lblTen_[k], fenster, text);
        lblTen_[k]->setToolTip(QString::fromUtf8(tipps[k]));
        lblTen_[k]->setAlignment(Qt::AlignCenter);
    }
    const char* balken[3] = {"shpEins", "shpNull", "shpZwei"};
    for (std::size_t k = 0; k < 3; ++k) {
        shpBalken_[k] = new QFrame(this);
        shpBalken_[k]->setObjectName(mitIndex(balken[k], s));
        farben::faerbe(shpBalken_[k], farben::dunkelrot, Qt::black);
        shpBalken_[k]->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void Spielspalte::ordneAn(const Spalten& l) {
    setze(this, l.spalteLinks + slot_ * l.spalteAbstand, spalteOben, l.spalteBreite, spalteHoehe);
    setze(shpRahmen_, 0, 0, l.spalteBreite, spalteHoehe);
    shpRahmen_->lower();
    setze(imgSpielHeim_, l.heimFlaggeLinks, l.heimFlaggeOben, flaggeBreite, flaggeHoehe);
    setze(imgSpielAus_, l.ausFlaggeLinks, l.ausFlaggeOben, flaggeBreite, flaggeHoehe);
    setze(txtHeimErg_, l.heimErgLinks, ergOben, l.heimErgBreite, ergHoehe);
    setze(txtAusErg_, l.ausErgLinks, ergOben, l.ausErgBreite, ergHoehe);
    // Right edge of the column, directly below the home result.
    setze(chkAuswerten_, l.spalteBreite - chkBreite, ergOben + ergHoehe, chkBreite, chkHoehe);
    setze(imgInfo_, 30, ergOben + ergHoehe + 7, infoGroesse, infoGroesse);
}

void Spielspalte::zeigeSpiel(const Spiel& spiel, const QString& heim, const QString& aus) {
    txtHeimErg_->setzeWert(spiel.ergHeim);
    txtAusErg_->setzeWert(spiel.ergAus);
    chkAuswerten_->setChecked(spiel.auswerten);  // reported only when clicked
    imgSpielHeim_->setPixmap(bilder_.flagge(spiel.heim));
    imgSpielHeim_->setToolTip(QStringLiteral(" %1 ").arg(heim));
    imgSpielAus_->setPixmap(bilder_.flagge(spiel.aus));
    imgSpielAus_->setToolTip(QStringLiteral(" %1 ").arg(aus));
    // A screen reader names a flag by its team and a tick by its match.
    benenne(imgSpielHeim_, heim);
    benenne(imgSpielAus_, aus);
    benenne(chkAuswerten_, QStringLiteral("%1 – %2 auswerten").arg(heim, aus));
}

void Spielspalte::zeigeTendenz(const Tendenz& t, int spaltenBreite) {
    const TendenzBild bild = tendenzBild(t, spaltenBreite, tendenzOben);
    const std::array<int, 3> werte{t.eins, t.null, t.zwei};
    for (std::size_t k = 0; k < 3; ++k) {
        lblTen_[k]->setText(QString::number(werte[k]));
        setze(lblTen_[k], bild.labelLinks[k], tendenzOben, bild.labelBreite[k], tendenzHoehe);
        // Bars grow upwards from the top of the counters.
        setze(shpBalken_[k], bild.balkenLinks[k], bild.balkenOben[k], balkenBreite, bild.balkenHoehe[k]);
    }
}

void Spielspalte::flaggenNachVorn(bool heim) { (heim ? imgSpielHeim_ : imgSpielAus_)->raise(); }

bool Spielspalte::eventFilter(QObject* o, QEvent* e) {
    if (o == imgInfo_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        emit infoGeklickt();
        return true;
    }
    return QFrame::eventFilter(o, e);
}

}  // namespace ovi
