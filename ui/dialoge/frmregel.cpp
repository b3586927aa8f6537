#include "ui/dialoge/frmregel.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/dialoge/ziffernfeld.h"

namespace ovi {
namespace {

// Layout in twips: row titles, four columns (own rule, then the built-in ones), the colour buttons.
// The columns begin after the widest row title; textBreite is its width in twips (7500 at the least).
constexpr double aussen = 120;
constexpr double spalteAbstand = 1320, spalteBreite = 1200;
constexpr double kopfOben = 240, kopfHoehe = 255;
constexpr double zeileOben = 600, zeilenAbstand = 480, feldHoehe = 315;
constexpr double zifferVersatz = 120, zifferBreite = 375, musterVersatz = 600, musterBreite = 480;
constexpr double knopfAbstand = 480, knopfBreite = 360;
constexpr double untenOben = zeileOben + 3 * zeilenAbstand + 120;
constexpr double okBreite = 1095, okHoehe = 375, okOben = untenOben + 720;

double spalte(double textBreite, int c) { return aussen + textBreite + 120 + c * spalteAbstand; }
double knopfLinks(double textBreite) { return spalte(textBreite, 4); }
double rechts(double textBreite) { return knopfLinks(textBreite) + 2 * knopfAbstand + knopfBreite; }
double zeile(int i) { return zeileOben + i * zeilenAbstand; }

const QColor& feldFarbe = farben::blassgelb;

// Points and palette colour of each built-in rule, element 3 * row + rule ("3-2-1-", "3-Pkt-", "2-Pkt-Regel").
constexpr std::array<int, 9> festePunkte = {3, 3, 2, 2, 1, 1, 1, 1, 1};
constexpr std::array<int, 9> festeFarben = {0, 0, 0, 1, 2, 2, 2, 2, 2};

QString zeilenText(int i) {
    switch (i) {
        case 0:
            return QStringLiteral("Punkte bei komplett richtigem Tipp") + QString(46, u' ') +
                   QStringLiteral("( Ergebnis 3:0, Tipp 3:0)");
        case 1:
            return QStringLiteral("Punkte bei richtiger Vorhersage der Höhe des Sieges") + QString(17, u' ') +
                   QStringLiteral("(Ergebnis 3:0, Tipp 4:1)");
        default:
            return QStringLiteral("Punkte bei richtig getippter Tendenz") + QString(30, u' ') +
                   QStringLiteral("(Ergebnis 3:0, Tipp 2:1)");
    }
}

QLabel* muster(QWidget* eltern, const QString& name, const QRect& ort) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setGeometry(ort);
    l->setFrameShape(QFrame::Box);
    return l;
}

}  // namespace

frmRegel::frmRegel(Spielstand& s, std::function<void()> starteAuswertung, QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verwerfen), s_(s), starteAuswertung_(std::move(starteAuswertung)) {
    setObjectName(QStringLiteral("frmRegel"));
    setWindowTitle(QStringLiteral("Eigene Regel bezüglich der Auswertung erstellen"));
    ziffern_ = new ZiffernFilter(this);
    baueAuf();
    sicher([this] { Form_Load(); });
}

void frmRegel::baueAuf() {
    // The examples at the end of the row titles show whole in the dialog's font.
    double textBreite = 7500;
    const QFontMetricsF schrift(font());
    for (int i = 0; i < 3; ++i)
        textBreite = std::max(textBreite, std::ceil(schrift.horizontalAdvance(zeilenText(i)) + 2) * 15);
    const auto spalte = [textBreite](int c) { return ovi::spalte(textBreite, c); };
    const double knopfLinks = ovi::knopfLinks(textBreite), rechts = ovi::rechts(textBreite);
    const QString modusNamen[4] = {QStringLiteral("neue Regel"), QStringLiteral("3-2-1- Regel"),
                                   QStringLiteral("3-Pkt- Regel"), QStringLiteral("2-Pkt -Regel")};
    for (int c = 0; c < 4; ++c) {
        // Frames first, so everything of the column lies on top of them.
        auto* rahmen = new QFrame(this);
        rahmen->setObjectName(QStringLiteral("shpSpalte_%1").arg(c));
        rahmen->setFrameShape(QFrame::Box);
        rahmen->setGeometry(twips::rechteck(spalte(c), zeile(0) - 60, spalteBreite, 3 * zeilenAbstand));
        shpSpalte[c] = rahmen;
        auto* kopf = new QLabel(modusNamen[c], this);
        kopf->setObjectName(QStringLiteral("lblModus_%1").arg(c));
        kopf->setAlignment(Qt::AlignCenter);
        kopf->setGeometry(twips::rechteck(spalte(c), kopfOben, spalteBreite, kopfHoehe));
        lblModus[c] = kopf;
    }
    for (int i = 0; i < 3; ++i) {
        lblText[i] = new QLabel(zeilenText(i), this);
        lblText[i]->setObjectName(QStringLiteral("lblText_%1").arg(i));
        lblText[i]->setGeometry(twips::rechteck(aussen, zeile(i), textBreite, feldHoehe));

        auto* feld = new QLineEdit(this);
        feld->setObjectName(QStringLiteral("txtNeuModus_%1").arg(i));
        feld->setGeometry(twips::rechteck(spalte(0) + zifferVersatz, zeile(i), zifferBreite, feldHoehe));
        feld->setAlignment(Qt::AlignCenter);
        feld->setToolTip(QStringLiteral(" hier die Punktzahl eintragen "));
        farben::setzeFeldfarben(feld, feldFarbe, Qt::black);
        ziffern_->ueberwache(feld, 1);
        feld->installEventFilter(this);
        txtNeuModus[i] = feld;

        lblFarbWahl[i] = muster(this, QStringLiteral("lblFarbWahl_%1").arg(i),
                                twips::rechteck(spalte(0) + musterVersatz, zeile(i), musterBreite, feldHoehe));
        lblFarbWahl[i]->setToolTip(QStringLiteral(" aktuell gewählte Farbe "));

        for (int j = 0; j < 3; ++j) {
            const int k = 3 * i + j;
            auto* punkte = new QLabel(QString::number(festePunkte[k]), this);
            punkte->setObjectName(QStringLiteral("lblPunkteMod_%1").arg(k));
            punkte->setAlignment(Qt::AlignCenter);
            punkte->setGeometry(twips::rechteck(spalte(j + 1) + zifferVersatz, zeile(i), zifferBreite, feldHoehe));
            lblPunkteMod[k] = punkte;
            lblFarbeFest[k] = muster(this, QStringLiteral("lblFarbeFest_%1").arg(k),
                                     twips::rechteck(spalte(j + 1) + musterVersatz, zeile(i), musterBreite, feldHoehe));

            auto* knopf = muster(this, QStringLiteral("lblFarbAlt_%1").arg(k),
                                 twips::rechteck(knopfLinks + j * knopfAbstand, zeile(i), knopfBreite, feldHoehe));
            knopf->setToolTip(QStringLiteral(" zur Wahl stehende Farben"));
            knopf->setCursor(Qt::PointingHandCursor);
            knopf->installEventFilter(this);
            lblFarbAlt[k] = knopf;
        }
    }

    Label1 = new QLabel(QStringLiteral("hier die Hintergrundfarbe wählen [benötigt, um in der Übersicht richtige "
                                       "Tipps mit der entsprechenden Farbe zu hinterlegen]"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setGeometry(twips::rechteck(spalte(0), untenOben, rechts - spalte(0), 600));

    chkBonus = new QCheckBox(QStringLiteral("Bonuspunkte bei richtigem Weltmeistertipp"), this);
    chkBonus->setObjectName(QStringLiteral("chkBonus"));
    chkBonus->setGeometry(twips::rechteck(aussen, untenOben, 4200, feldHoehe));
    connect(chkBonus, &QCheckBox::toggled, this, [this] { sicher([this] { chkBonus_Click(); }); });

    txtBonus = new QLineEdit(this);
    txtBonus->setObjectName(QStringLiteral("txtBonus"));
    txtBonus->setGeometry(twips::rechteck(aussen + 4320, untenOben, 495, feldHoehe));
    txtBonus->setAlignment(Qt::AlignCenter);
    txtBonus->setToolTip(QStringLiteral(" hier die Punktzahl eintragen "));
    farben::setzeFeldfarben(txtBonus, feldFarbe, Qt::black);
    ziffern_->ueberwache(txtBonus, 2);
    txtBonus->installEventFilter(this);

    cmdOK = new QPushButton(QStringLiteral("ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rechteck(rechts - okBreite, okOben, okBreite, okHoehe));
    connect(cmdOK, &QPushButton::clicked, this, [this] { sicher([this] { cmdOK_Click(); }); });

    setFixedSize(twips::px(rechts + aussen), twips::px(okOben + okHoehe + aussen));
}

void frmRegel::Form_Load() {
    farbPalette_[0] = rgb(247, 25, 25);
    farbPalette_[1] = rgb(250, 250, 124);
    farbPalette_[2] = rgb(48, 190, 48);
    for (int i = 0; i < 3; ++i) {
        // May lie outside the palette, e.g. the pure red of a built-in rule.
        farbWahl_[i] = s_.getModusFarbe(i);
        farben::setzeHintergrund(lblFarbWahl[i], farben::aus(farbWahl_[i]));
        txtNeuModus[i]->setText(QString::number(s_.getModusPunkte(i)));
    }
    for (int k = 0; k < 9; ++k) {
        farben::setzeHintergrund(lblFarbAlt[k], farben::aus(farbPalette_[k % 3]));
        farben::setzeHintergrund(lblFarbeFest[k], farben::aus(farbPalette_[festeFarben[k]]));
    }
    txtBonus->setText(QString::number(s_.getBonuspunkte()));
    chkBonus->setChecked(s_.getBonus());
    chkBonus_Click();
}

void frmRegel::lblFarbAlt_Click(int k) {
    const int c = k / 3;
    farbWahl_[c] = farben::farbwert(farben::hintergrund(lblFarbAlt[k]));
    farben::setzeHintergrund(lblFarbWahl[c], farben::aus(farbWahl_[c]));
}

void frmRegel::chkBonus_Click() { txtBonus->setEnabled(chkBonus->isChecked()); }

bool frmRegel::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        const auto* maus = static_cast<QMouseEvent*>(e);
        for (int k = 0; k < 9; ++k)
            if (o == lblFarbAlt[k] && maus->button() == Qt::LeftButton && lblFarbAlt[k]->rect().contains(maus->pos()))
                sicher([this, k] { lblFarbAlt_Click(k); });
    } else if (e->type() == QEvent::FocusIn) {
        // Deferred, or the mouse press that brought the focus would move the caret afterwards.
        if (o == txtBonus) QTimer::singleShot(0, txtBonus, &QLineEdit::selectAll);
        for (QLineEdit* feld : txtNeuModus)
            if (o == feld) QTimer::singleShot(0, feld, [feld] { feld->setSelection(feld->cursorPosition(), 1); });
    }
    return DialogBasis::eventFilter(o, e);
}

void frmRegel::cmdOK_Click() {
    const Regel regelVorher = s_.regel;
    const auto farbenVorher = s_.modusFarbe;
    try {
        for (int i = 0; i < 3; ++i) {
            s_.setModusPunkte(i, alsInteger(textWert(txtNeuModus[i]->text())));
            s_.setModusFarbe(i, farbWahl_[i]);
        }
        // Stored also while the bonus is off, as the disabled field shows it.
        s_.setBonuspunkte(alsInteger(textWert(txtBonus->text())));
        s_.setBonus(chkBonus->isChecked());
    } catch (...) {
        s_.regel = regelVorher;
        s_.modusFarbe = farbenVorher;
        throw;
    }
    if (starteAuswertung_) starteAuswertung_();
    close();
}

}  // namespace ovi
