#include "ui/dialoge/frmfehlendetipps.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ausgabe/fehlendetippstext.h"
#include "ausgabe/spieltext.h"

namespace ovi {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

frmFehlendeTipps::frmFehlendeTipps(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("frmFehlendeTipps"));
    setWindowTitle(QStringLiteral("Fehlende Tipps"));
    auto* spalte = new QVBoxLayout(this);
    auto* erklaerung = new QLabel(
        QStringLiteral("Spiele, die noch nicht gewertet sind und deren Paarung feststeht, ohne Tipp (0:0):"), this);
    erklaerung->setWordWrap(true);
    spalte->addWidget(erklaerung);
    trvFehlend = new QTreeWidget(this);
    trvFehlend->setObjectName(QStringLiteral("trvFehlend"));
    trvFehlend->setHeaderHidden(true);
    spalte->addWidget(trvFehlend, 3);
    auto* zumKopieren = new QLabel(QStringLiteral("&Als Text zum Verschicken:"), this);
    spalte->addWidget(zumKopieren);
    txtFehlend = new QPlainTextEdit(this);
    txtFehlend->setObjectName(QStringLiteral("txtFehlend"));
    txtFehlend->setReadOnly(true);
    zumKopieren->setBuddy(txtFehlend);
    spalte->addWidget(txtFehlend, 2);
    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    cmdKopieren = new QPushButton(QStringLiteral("&Kopieren"), this);
    cmdKopieren->setObjectName(QStringLiteral("cmdKopieren"));
    unten->addWidget(cmdKopieren);
    auto* cmdSchliessen = new QPushButton(QStringLiteral("&Schließen"), this);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    unten->addWidget(cmdSchliessen);
    spalte->addLayout(unten);
    connect(cmdKopieren, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(txtFehlend->toPlainText()); });
    connect(cmdSchliessen, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 520);
}

void frmFehlendeTipps::zeige(const Spielstand& s) {
    const std::vector<FehlendeTipps> liste = fehlendeTipps(s);
    trvFehlend->clear();
    for (const FehlendeTipps& f : liste) {
        const QString name = q(teilnehmerName(s, f.spieler));
        const int n = static_cast<int>(f.spiele.size());
        auto* oben =
            new QTreeWidgetItem(trvFehlend, {n == 0   ? QStringLiteral("%1: alle Tipps da").arg(name)
                                             : n == 1 ? QStringLiteral("%1: 1 Tipp fehlt").arg(name)
                                                      : QStringLiteral("%1: %2 Tipps fehlen").arg(name).arg(n)});
        for (int m : f.spiele) new QTreeWidgetItem(oben, {q(spielMitTermin(s, m))});
        oben->setExpanded(n > 0);
    }
    txtFehlend->setPlainText(q(fehlendeTippsText(s, liste)));
}

}  // namespace ovi
