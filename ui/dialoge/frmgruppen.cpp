#include "ui/dialoge/frmgruppen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "core/gruppen.h"

namespace ovi {

namespace {

constexpr const char* kopf[frmGruppen::spalten] = {"",  "",     "Mannschaft", "Sp",  "S", "U",
                                                   "N", "Tore", "Diff",       "Pkt", ""};
constexpr const char* kopfTipp[frmGruppen::spalten] = {
    "", "", "", "Spiele", "Siege", "Unentschieden", "Niederlagen", "Tore:Gegentore", "Tordifferenz", "Punkte", ""};
const QString losTipp =
    QStringLiteral(" Gleichauf nach Punkten, Tordifferenz, Toren und im direkten Vergleich: es entscheidet das Los ");

QString mitVorzeichen(int n) { return n > 0 ? QStringLiteral("+%1").arg(n) : QString::number(n); }

}  // namespace

frmGruppen::frmGruppen(const Spielstand& s, std::function<QPixmap(int)> flagge, QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verstecken), s_(s), flagge_(std::move(flagge)) {
    setObjectName(QStringLiteral("frmGruppen"));
    setWindowTitle(QStringLiteral("Gruppentabellen"));
    auto* raster = new QGridLayout(this);
    for (int g = 0; g < 8; ++g) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QStringLiteral("fraGruppe_%1").arg(g));
        auto* tabelle = new QGridLayout(box);
        tabelle->setHorizontalSpacing(8);
        for (int sp = 0; sp < spalten; ++sp) {
            auto* k = new QLabel(QString::fromUtf8(kopf[sp]), box);
            if (*kopfTipp[sp]) k->setToolTip(QStringLiteral(" %1 ").arg(QString::fromUtf8(kopfTipp[sp])));
            tabelle->addWidget(k, 0, sp, sp >= 3 ? Qt::AlignRight : Qt::AlignLeft);
        }
        for (int z = 0; z < 4; ++z)
            for (int sp = 0; sp < spalten; ++sp) {
                auto* l = new QLabel(box);
                l->setObjectName(QStringLiteral("lblGruppe_%1_%2_%3").arg(g).arg(z).arg(sp));
                l->setTextFormat(Qt::PlainText);  // team names come from the file
                tabelle->addWidget(l, z + 1, sp, sp >= 3 && sp < 10 ? Qt::AlignRight : Qt::AlignLeft);
                zelle[g][z][sp] = l;
            }
        tabelle->setColumnStretch(2, 1);
        fraGruppe[g] = box;
        raster->addWidget(box, g / 2, g % 2);
    }
    auto* fuss = new QLabel(QStringLiteral("Los:%1").arg(losTipp.chopped(1)), this);
    fuss->setWordWrap(true);
    raster->addWidget(fuss, 4, 0, 1, 2);
    sicher([this] { zeige(); });
}

void frmGruppen::zeige() {
    for (int g = 0; g < 8; ++g) {
        const Gruppentabelle t = gruppenTabelle(s_.spiele, g);
        QString titel = QStringLiteral("Gruppe %1").arg(QChar(u'A' + g));
        if (!t.fertig()) titel += QStringLiteral(" (%1 von 6 Spielen gewertet)").arg(t.gewertet);
        fraGruppe[g]->setTitle(titel);
        for (int z = 0; z < 4; ++z) {
            auto& l = zelle[g][z];
            const bool da = z < static_cast<int>(t.zeilen.size());
            for (QLabel* x : l) x->setVisible(da);
            if (!da) continue;
            const Gruppenzeile& r = t.zeilen[static_cast<std::size_t>(z)];
            const QString name = QString::fromStdString(s_.getNation(r.team));
            l[0]->setText(QStringLiteral("%1.").arg(z + 1));
            l[1]->setPixmap(flagge_(r.team));
            l[1]->setToolTip(QStringLiteral(" %1 ").arg(name));
            l[2]->setText(name);
            const int zahlen[] = {r.spiele, r.siege, r.unentschieden, r.niederlagen};
            for (int i = 0; i < 4; ++i) l[3 + i]->setText(QString::number(zahlen[i]));
            l[7]->setText(QStringLiteral("%1:%2").arg(r.tore).arg(r.gegentore));
            l[8]->setText(mitVorzeichen(r.differenz()));
            l[9]->setText(QString::number(r.punkte));
            l[10]->setText(r.los ? QStringLiteral("Los") : QString());
            l[10]->setToolTip(r.los ? losTipp : QString());
        }
    }
}

}  // namespace ovi
