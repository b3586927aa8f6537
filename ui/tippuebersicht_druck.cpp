// The tip overview on paper: every counted match against every participant, in the highlight colours.
#include <algorithm>

#include "ausgabe/tabellenhtml.h"
#include "ui/dialoge/farben.h"
#include "ui/seitenmaler.h"

namespace ovi::druck {

void Maler::legende() {
    const QFont f = schrift(8);
    const double h = mass(f).height() + mm(1.5);
    double x = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const QString t = q(d_.legende[k]);
        const double w = mass(f).horizontalAdvance(t) + mm(4);
        if (x > 0 && x + w > breite_) x = 0, y_ += h + mm(1);
        kasten({x, y_, w, h}, farben::aus(d_.farben[k]));
        text({x, y_, w, h}, t, f, Qt::AlignCenter, farben::aus(schriftAuf(d_.farben[k])));
        x += w + mm(2);
    }
    y_ += h + mm(3);
}

void Maler::uebersicht() {
    if (d_.uebersicht.empty()) {
        ueberschrift(QStringLiteral("Tippübersicht"), mm(6));
        text({0, y_, breite_, mm(6)}, QStringLiteral("Noch kein Spiel gewertet."), schrift(9), Qt::AlignLeft);
        y_ += mm(6);
        return;
    }
    const QFont sf = schrift(7.5), &kf = sf;
    const double spiel = mm(40), erg = mm(10);
    const double n = static_cast<double>(d_.teilnehmer.size());
    const double w = std::min(mm(16), (breite_ - spiel - erg) / std::max(1.0, n));
    // The tip takes the largest size that still fits its column.
    double pt = 9;
    while (pt > 5 && mass(schrift(pt)).horizontalAdvance(QStringLiteral("8:8")) > w - mm(0.8)) pt -= 0.5;
    const QFont tf = schrift(pt), pf = schrift(pt * 0.75);
    const double zeile = std::max(mass(tf).height() + mass(pf).height(), 2 * mass(sf).height()) + mm(1);
    double kopfH = mm(12);
    for (const std::string& t : d_.teilnehmer) kopfH = std::max(kopfH, mass(kf).horizontalAdvance(q(t)) + mm(3));
    kopfH = std::min(kopfH, mm(30));

    const auto kopf = [&] {
        kasten({0, y_, spiel, kopfH}, kopfGrund);
        kasten({spiel, y_, erg, kopfH}, kopfGrund);
        text(QRectF(0, y_, spiel, kopfH).adjusted(mm(1), 0, 0, -mm(1)), QStringLiteral("Spiel"), kf,
             Qt::AlignLeft | Qt::AlignBottom);
        text(QRectF(spiel, y_, erg, kopfH).adjusted(0, 0, 0, -mm(1)), QStringLiteral("Erg."), kf,
             Qt::AlignHCenter | Qt::AlignBottom);
        for (std::size_t i = 0; i < d_.teilnehmer.size(); ++i) {
            const double x = spiel + erg + static_cast<double>(i) * w;
            kasten({x, y_, w, kopfH}, kopfGrund);
            if (!p_) continue;
            const double lang = kopfH - mm(2);
            const QString name = mass(kf).elidedText(q(d_.teilnehmer[i]), Qt::ElideRight, lang);
            p_->save();
            p_->translate(x + w / 2, y_ + kopfH - mm(1));
            p_->rotate(-90);
            text({0, -w / 2, lang, w}, name, kf, Qt::AlignLeft | Qt::AlignVCenter);
            p_->restore();
        }
        y_ += kopfH;
    };
    ueberschrift(QStringLiteral("Tippübersicht"), mm(12) + kopfH + zeile);
    legende();
    kopf();
    for (const Uebersichtszeile& z : d_.uebersicht) {
        platz(zeile, kopf);
        const QRectF paar(0, y_, spiel, zeile);
        kasten(paar, Qt::white);
        text(paar.adjusted(mm(1), 0, -mm(0.5), 0),
             mass(sf).elidedText(q(z.heim), Qt::ElideRight, spiel - mm(1.5)) + QStringLiteral(" –\n") +
                 mass(sf).elidedText(q(z.aus), Qt::ElideRight, spiel - mm(1.5)),
             sf, Qt::AlignLeft | Qt::AlignVCenter);
        kasten({spiel, y_, erg, zeile}, Qt::white);
        text({spiel, y_, erg, zeile}, q(z.ergebnis), schrift(8, true), Qt::AlignCenter);
        for (std::size_t i = 0; i < z.zellen.size(); ++i) {
            const Tippzelle& c = z.zellen[i];
            const Long grund = d_.farben[static_cast<std::size_t>(c.kategorie)];
            const QRectF r(spiel + erg + static_cast<double>(i) * w, y_, w, zeile);
            kasten(r, farben::aus(grund));
            const QColor tinte = farben::aus(schriftAuf(grund));
            const double oben = mass(tf).height();
            text({r.x(), r.y() + mm(0.5), w, oben}, q(c.tipp), tf, Qt::AlignCenter, tinte);
            text({r.x(), r.y() + mm(0.5) + oben, w, r.height() - oben - mm(0.5)}, q(c.punkte), pf,
                 Qt::AlignHCenter | Qt::AlignTop, tinte);
        }
        y_ += zeile;
    }
    platz(zeile, kopf);
    kasten({0, y_, spiel + erg, zeile}, kopfGrund);
    text({mm(1), y_, spiel, zeile}, QStringLiteral("Punkte"), schrift(8, true), Qt::AlignLeft | Qt::AlignVCenter);
    for (std::size_t i = 0; i < d_.summen.size(); ++i) {
        const QRectF r(spiel + erg + static_cast<double>(i) * w, y_, w, zeile);
        kasten(r, kopfGrund);
        text(r, q(d_.summen[i]), schrift(pt, true), Qt::AlignCenter);
    }
    y_ += zeile;
}

}  // namespace ovi::druck
