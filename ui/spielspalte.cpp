#include "ui/spielspalte.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

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
    : GemalteTabelle(eltern),
      bilder_(bilder),
      slot_(s),
      fenster_(eltern->palette().color(QPalette::Window)),
      fensterText_(eltern->palette().color(QPalette::WindowText)) {
    setObjectName(mitIndex("fraSpiel", s));
    farben::faerbe(this, farben::gruen, Qt::black);
    setze(this, breit.spalteLinks + s * breit.spalteAbstand, spalteOben, breit.spalteBreite, spalteHoehe);

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
}

void Spielspalte::ordneAn(const Spalten& l) {
    setze(this, l.spalteLinks + slot_ * l.spalteAbstand, spalteOben, l.spalteBreite, spalteHoehe);
    const QRect rahmen = twips::rechteck(0, 0, l.spalteBreite, spalteHoehe);
    if (rahmen != rahmen_) {
        update();
        rahmen_ = rahmen;
    }
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
    benenne(this, QStringLiteral("%1 – %2").arg(heim, aus));
}

void Spielspalte::zeigeTendenz(const Tendenz& t, int spaltenBreite) {
    const TendenzBild bild = tendenzBild(t, spaltenBreite, tendenzOben);
    const std::array<int, 3> werte{t.eins, t.null, t.zwei};
    for (std::size_t k = 0; k < 3; ++k) {
        const QString zahl = QString::number(werte[k]);
        const QRect zaehler = twips::rechteck(bild.labelLinks[k], tendenzOben, bild.labelBreite[k], tendenzHoehe);
        // Bars grow upwards from the top of the counters.
        const QRect balken =
            twips::rechteck(bild.balkenLinks[k], bild.balkenOben[k], balkenBreite, bild.balkenHoehe[k]);
        if (zahl == zahlen_[k] && zaehler == zaehler_[k] && balken == balken_[k]) continue;
        update(zaehler_[k].united(balken_[k]));
        zahlen_[k] = zahl;
        zaehler_[k] = zaehler;
        balken_[k] = balken;
        erneuere(0, static_cast<int>(k));
        update(balken);
    }
}

Zelle Spielspalte::zelle(int, int spalte) const {
    static const QString tipps[3] = {QStringLiteral(" Anzahl getippter Siege der erstgenannten Mannschaft "),
                                     QStringLiteral(" Anzahl getippter Unentschieden "),
                                     QStringLiteral(" Anzahl getippter Siege der letztgenannten Mannschaft ")};
    const auto k = static_cast<std::size_t>(spalte);
    Zelle z;
    z.rechteck = zaehler_.at(k);
    z.text = zahlen_[k];
    z.grund = fenster_;
    z.schrift = fensterText_;
    z.tipp = tipps[k];
    return z;
}

QString Spielspalte::spaltenName(int spalte) const {
    static const QString namen[3] = {QStringLiteral("Siege der erstgenannten Mannschaft"),
                                     QStringLiteral("Unentschieden"),
                                     QStringLiteral("Siege der letztgenannten Mannschaft")};
    return spalte >= 0 && spalte < 3 ? namen[spalte] : QString();
}

QString Spielspalte::zeilenName(int) const { return QStringLiteral("Tendenz"); }

// The outline as a plain one-pixel box; below the flags and fields like the rest of the column.
void Spielspalte::maleDarunter(QPainter& maler) const {
    if (rahmen_.isEmpty()) return;
    const QRect& r = rahmen_;
    maler.fillRect(QRect(r.left(), r.top(), r.width(), 1), Qt::black);
    maler.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), Qt::black);
    maler.fillRect(QRect(r.left(), r.top(), 1, r.height()), Qt::black);
    maler.fillRect(QRect(r.right(), r.top(), 1, r.height()), Qt::black);
}

void Spielspalte::maleDarueber(QPainter& maler) const {
    for (const QRect& b : balken_)
        if (!b.isEmpty()) maler.fillRect(b, farben::dunkelrot);
}

void Spielspalte::flaggenNachVorn(bool heim) { (heim ? imgSpielHeim_ : imgSpielAus_)->raise(); }

bool Spielspalte::eventFilter(QObject* o, QEvent* e) {
    if (o == imgInfo_ && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        emit infoGeklickt();
        return true;
    }
    return GemalteTabelle::eventFilter(o, e);
}

}  // namespace ovi
