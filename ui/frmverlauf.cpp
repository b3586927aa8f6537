#include "ui/frmverlauf.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTextBrowser>
#include <algorithm>

namespace ovi {

VerlaufBild::VerlaufBild(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("picVerlauf"));
    setMouseTracking(true);
    setMinimumSize(560, 320);
}

void VerlaufBild::setzeVerlauf(const Verlauf& v) {
    v_ = v;
    // The picked-out participant may have left the game.
    if (std::find(v_.teilnehmer.begin(), v_.teilnehmer.end(), hervor_) == v_.teilnehmer.end()) hervor_ = -1;
    neuZeichnen();
}

void VerlaufBild::setzeArt(Kurve art) {
    art_ = art;
    neuZeichnen();
}

void VerlaufBild::neuZeichnen() {
    d_ = ovi::diagramm(v_, art_, width(), height());
    svg_.load(QByteArray::fromStdString(alsSvg(d_, hervor_)));
    update();
}

void VerlaufBild::hebeHervor(int slot) {
    if (slot == hervor_) return;
    hervor_ = slot;
    neuZeichnen();
    emit hervorgehobenGeaendert(slot);
}

void VerlaufBild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    svg_.render(&maler, QRectF(0, 0, d_.breite, d_.hoehe));
}

void VerlaufBild::resizeEvent(QResizeEvent*) { neuZeichnen(); }

void VerlaufBild::mouseMoveEvent(QMouseEvent* e) { hebeHervor(getroffen(d_, {e->position().x(), e->position().y()})); }

void VerlaufBild::leaveEvent(QEvent*) { hebeHervor(-1); }

frmVerlauf::frmVerlauf(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("frmVerlauf"));
    setWindowTitle(QStringLiteral("Verlauf"));
    resize(860, 620);

    optPlatz = new QRadioButton(QStringLiteral("Platz"), this);
    optPlatz->setObjectName(QStringLiteral("optPlatz"));
    optPlatz->setChecked(true);
    optPunkte = new QRadioButton(QStringLiteral("Punkte bisher"), this);
    optPunkte->setObjectName(QStringLiteral("optPunkte"));
    lblAuswahl = new QLabel(this);
    lblAuswahl->setObjectName(QStringLiteral("lblAuswahl"));
    lblAuswahl->setTextFormat(Qt::PlainText);  // a participant's name
    bild_ = new VerlaufBild(this);
    txtTagessieger = new QTextBrowser(this);
    txtTagessieger->setObjectName(QStringLiteral("txtTagessieger"));
    txtTagessieger->setMinimumHeight(120);

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Anzeige:"), this));
    oben->addWidget(optPlatz);
    oben->addWidget(optPunkte);
    oben->addStretch(1);
    oben->addWidget(lblAuswahl);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(bild_, 3);
    spalte->addWidget(new QLabel(QStringLiteral("Tagessieger:"), this));
    spalte->addWidget(txtTagessieger, 1);

    connect(optPunkte, &QRadioButton::toggled, this,
            [this](bool punkte) { bild_->setzeArt(punkte ? Kurve::punkte : Kurve::platz); });
    connect(bild_, &VerlaufBild::hervorgehobenGeaendert, this, [this](int slot) { zeigeAuswahl(slot); });
}

void frmVerlauf::zeige(const Spielstand& s) {
    Verlauf v = berechneVerlauf(s);
    v_ = std::move(v);
    bild_->setzeVerlauf(v_);
    txtTagessieger->setHtml(QString::fromStdString(tagessiegerHtml(v_)));
    zeigeAuswahl(bild_->hervorgehoben());
}

// The picked-out participant's standing after the last day, beside the switch.
void frmVerlauf::zeigeAuswahl(int slot) {
    const auto it = std::find(v_.teilnehmer.begin(), v_.teilnehmer.end(), slot);
    if (it == v_.teilnehmer.end() || v_.stand.empty()) {
        lblAuswahl->clear();
        return;
    }
    const auto i = static_cast<std::size_t>(it - v_.teilnehmer.begin());
    const Tagesstand& st = v_.stand.back()[i];
    int bonus = 0;
    for (const auto& tag : v_.stand) bonus += tag[i].bonus;
    QString text =
        QStringLiteral("%1: Platz %2, %3 Punkte").arg(QString::fromStdString(v_.namen[i])).arg(st.platz).arg(st.gesamt);
    if (bonus) text += QStringLiteral(" (davon %1 Bonus)").arg(bonus);
    lblAuswahl->setText(text);
}

}  // namespace ovi
