// Building the main window: every control exists from the start and is only moved, shown and hidden later.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QUndoStack>
#include <algorithm>

#include "core/katalog.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"
#include "ui/einpasslabel.h"
#include "ui/frmhaupt.h"
#include "ui/klartexttipps.h"
#include "ui/masse.h"

namespace ovi {

using namespace masse;
using twips::setze;

namespace {

QString nameMitIndex(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

template <class L = QLabel>
L* neuesLabel(QWidget* eltern, const QString& name, const QColor& grund, const QColor& text, bool fett,
              const QString& tipp, Qt::Alignment ausrichtung = Qt::AlignCenter) {
    auto* l = new L(eltern);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);  // names are no markup
    farben::faerbe(l, grund, text);
    if (fett && !l->font().bold()) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    if (!tipp.isEmpty()) l->setToolTip(tipp);
    l->setAlignment(ausrichtung);
    return l;
}

QFrame* neuerBalken(QWidget* eltern, const QString& name) {
    auto* f = new QFrame(eltern);
    f->setObjectName(name);
    farben::faerbe(f, farben::dunkelrot, Qt::black);
    f->setAttribute(Qt::WA_TransparentForMouseEvents);
    return f;
}

void faerbeListe(QComboBox* c) {
    QPalette p = c->palette();
    p.setColor(QPalette::Base, farben::hellgelb);
    p.setColor(QPalette::Button, farben::hellgelb);
    c->setPalette(p);
}

}  // namespace

frmHaupt::frmHaupt(Dienste dienste, QWidget* eltern)
    : QMainWindow(eltern), dienste_(mitStandard(std::move(dienste))), bilder_(qApp->devicePixelRatio()) {
    setObjectName(QStringLiteral("frmHaupt"));
    setWindowTitle(QStringLiteral("ovi kuvela - Das Tippspiel zur Fußball-Weltmeisterschaft 2006"));
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPointSizeF(8);
    setFont(schrift);
    zeigeTippsAlsKlartext();
    if (const QScreen* bildschirm = QGuiApplication::primaryScreen()) passeAnBildschirm(bildschirm->size().height());

    auto* zentrum = new QWidget(this);
    zentrum->setObjectName(QStringLiteral("zentrum"));
    zentrum->setMinimumSize(twips::px(clientBreite), twips::px(clientHoehe));
    setCentralWidget(zentrum);

    tmrWechsel = new QTimer(this);
    tmrWechsel->setObjectName(QStringLiteral("tmrWechsel"));
    tmrWechsel->setInterval(2000);
    connect(tmrWechsel, &QTimer::timeout, this, [this] { sicher([this] { tmrWechsel_Timer(); }); });

    baueSpielfeld(zentrum);
    baueTabelle(zentrum);
    baueMenue();
    setzeReihenfolge();

    // The rule in force from the start is named like after any rule command.
    lblModusE->setText(QString::fromStdString(regelName(s_.regel.modus)));
    lblBonusE->setText(QString::number(s_.regel.bonuspunkte));
    zeigeTendenz();
    loescheAuswertung(s_);
    stapleZeilen();
    zeigeTabelle();
    setzeMarken(0);
    zeigePhase(0);
    richteVerlaufEin();
    cmbPhase->setFocus();
    fraSpiele->setTitle(QStringLiteral("Spiele"));
    fraTabelle->setTitle(QStringLiteral("Tabelle"));
    adjustSize();
}

frmHaupt::~frmHaupt() {
    // The stack dies with the widgets and reports its last index on the way; nobody listens any more, neither here
    // nor in the windows that follow the game, whose game is gone by then.
    if (verlauf_) verlauf_->blockSignals(true);
}

void frmHaupt::passeAnBildschirm(int hoehePx) {
    if (hoehePx <= 768) {
        resize(twips::px(15360), height());
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
    }
}

void frmHaupt::merke(QObject* o, Art art, int index) {
    orte_.insert(o, Ort{art, index});
    o->installEventFilter(this);
}

ZiffernZelle* frmHaupt::neuesFeld(QWidget* eltern, const QString& name, Art art, int index) {
    // Tips take their bold font from the participant's row (baueZeile), the results the window's plain one.
    auto* f = new ZiffernZelle(eltern, *this, static_cast<int>(art), index);
    f->setObjectName(name);
    if (art == Art::heimTipp || art == Art::ausTipp)
        f->setzeRuhefarben(Qt::white, farben::dunkelgrau);
    else
        f->setzeRuhefarben(farben::dunkelgrau, Qt::white);
    return f;
}

void frmHaupt::baueSpielfeld(QWidget* zentrum) {
    // Captioned at the end of the construction: a caption is the first text measured, and until then the font list
    // can be read on the other core (ui/programm.cpp).
    fraSpiele = new QGroupBox(zentrum);
    fraSpiele->setObjectName(QStringLiteral("fraSpiele"));
    setze(fraSpiele, spieleLinks, spieleOben, spieleBreite, spieleHoehe);

    cmbPhase = new QComboBox(fraSpiele);
    cmbPhase->setObjectName(QStringLiteral("cmbPhase"));
    for (std::string_view a : katalog::ansichten) cmbPhase->addItem(QString::fromUtf8(a.data(), qsizetype(a.size())));
    faerbeListe(cmbPhase);
    // Closed, it shows its longest entry whole; it stays right of the last column of "Achtelfinale".
    setze(cmbPhase, 8110, 300, std::max(1770.0, cmbPhase->sizeHint().width() * twips::proPixel), 330);
    connect(cmbPhase, &QComboBox::activated, this, [this](int i) { sicher([this, i] { cmbPhase_Click(i); }); });

    cmdZufall = new QPushButton(QStringLiteral("Zufall"), fraSpiele);
    cmdZufall->setObjectName(QStringLiteral("cmdZufall"));
    setze(cmdZufall, 120, 300, knopfBreite, knopfHoehe);
    connect(cmdZufall, &QPushButton::clicked, this, [this] { sicher([this] { cmdZufall_Click(); }); });

    cmdTendenz = new QPushButton(QStringLiteral("Tendenz"), fraSpiele);
    cmdTendenz->setObjectName(QStringLiteral("cmdTendenz"));
    setze(cmdTendenz, 120, 9660, knopfBreite, knopfHoehe);
    connect(cmdTendenz, &QPushButton::clicked, this, [this] { sicher([this] { zeigeTendenz(); }); });

    cmdAuswerten = new QPushButton(QStringLiteral("auswerten"), fraSpiele);
    cmdAuswerten->setObjectName(QStringLiteral("cmdAuswerten"));
    // At the right edge of the match area.
    setze(cmdAuswerten, spieleBreite - knopfBreite - 200, 720, knopfBreite, knopfHoehe);
    connect(cmdAuswerten, &QPushButton::clicked, this, [this] { sicher([this] { cmdAuswerten_Click(); }); });

    for (int s = 0; s < 8; ++s) baueSpalte(s);
    // Rows after the columns: they lie above them.
    for (int p = 0; p < katalog::anzahlSpieler; ++p) baueZeile(p);
}

void frmHaupt::baueSpalte(int s) {
    auto* sp = new QFrame(fraSpiele);
    fraSpiel[s] = sp;
    sp->setObjectName(nameMitIndex("fraSpiel", s));
    farben::faerbe(sp, farben::gruen, Qt::black);
    setze(sp, breit.spalteLinks + s * breit.spalteAbstand, spalteOben, breit.spalteBreite, spalteHoehe);

    shpRahmen[s] = new QFrame(sp);
    shpRahmen[s]->setObjectName(nameMitIndex("shpRahmen", s));
    shpRahmen[s]->setFrameStyle(QFrame::Box | QFrame::Plain);
    shpRahmen[s]->setLineWidth(1);
    shpRahmen[s]->setAttribute(Qt::WA_TransparentForMouseEvents);

    imgSpielHeim[s] = new QLabel(sp);
    imgSpielHeim[s]->setObjectName(nameMitIndex("imgSpielHeim", s));
    imgSpielAus[s] = new QLabel(sp);
    imgSpielAus[s]->setObjectName(nameMitIndex("imgSpielAus", s));

    txtHeimErg[s] = neuesFeld(sp, nameMitIndex("txtHeimErg", s), Art::heimErg, s);
    txtAusErg[s] = neuesFeld(sp, nameMitIndex("txtAusErg", s), Art::ausErg, s);

    chkAuswerten[s] = new QCheckBox(sp);
    chkAuswerten[s]->setObjectName(nameMitIndex("chkAuswerten", s));
    chkAuswerten[s]->setToolTip(QStringLiteral(" dieses Spiel mit auswerten "));
    // A tick reaches the game at once, like a typed result.
    connect(chkAuswerten[s], &QCheckBox::clicked, this, [this] { sicher([this] { leseRaster(); }); });

    imgInfo[s] = new QLabel(sp);
    imgInfo[s]->setObjectName(nameMitIndex("imgInfo", s));
    imgInfo[s]->setPixmap(bilder_.info());
    imgInfo[s]->setCursor(Qt::PointingHandCursor);
    merke(imgInfo[s], Art::info, s);

    const QColor fenster = palette().color(QPalette::Window);
    const QColor text = palette().color(QPalette::WindowText);
    lblTenEins[s] = neuesLabel(sp, nameMitIndex("lblTenEins", s), fenster, text, false,
                               QStringLiteral(" Anzahl getippter Siege der erstgenannten Mannschaft "));
    lblTenNull[s] = neuesLabel(sp, nameMitIndex("lblTenNull", s), fenster, text, false,
                               QStringLiteral(" Anzahl getippter Unentschieden "));
    lblTenZwei[s] = neuesLabel(sp, nameMitIndex("lblTenZwei", s), fenster, text, false,
                               QStringLiteral(" Anzahl getippter Siege der letztgenannten Mannschaft "));
    shpEins[s] = neuerBalken(sp, nameMitIndex("shpEins", s));
    shpNull[s] = neuerBalken(sp, nameMitIndex("shpNull", s));
    shpZwei[s] = neuerBalken(sp, nameMitIndex("shpZwei", s));
}

void frmHaupt::baueZeile(int p) {
    auto* z = new QWidget(fraSpiele);
    fraSpieler[p] = z;
    z->setObjectName(nameMitIndex("fraSpieler", p));
    setze(z, zeileLinks, zeileOben + zeileSchritt * p, zeileBreite, feldGroesse);
    // Set on the row before its 16 tip fields exist, they inherit bold text for free: a font set on each field
    // afterwards would cost a change event apiece. Not bold for the name: set explicitly, or the label would take
    // the row's bold after all.
    QFont normal = z->font();
    normal.setBold(false);
    QFont fett = normal;
    fett.setBold(true);
    z->setFont(fett);

    lblSpieler[p] = neuesLabel<EinpassLabel>(z, nameMitIndex("lblSpieler", p), farben::gruen, Qt::white, false, {},
                                             Qt::AlignLeft | Qt::AlignVCenter);
    lblSpieler[p]->setFont(normal);
    lblSpieler[p]->setMouseTracking(true);
    lblSpieler[p]->setIndent(3);
    setze(lblSpieler[p], 0, 0, nameBreite, feldGroesse);
    merke(lblSpieler[p], Art::spielerName, p);

    for (int k = 0; k < 2; ++k) {
        tippBlock[p][k] = new QWidget(z);
        tippBlock[p][k]->setObjectName(QStringLiteral("tippBlock_%1_%2").arg(p).arg(k));
    }
    for (int s = 0; s < 8; ++s) {
        const int i = 8 * p + s;
        QWidget* eltern = s < 4 ? z : tippBlock[p][(s - 4) / 2];
        txtHeimTipp[i] = neuesFeld(eltern, nameMitIndex("txtHeimTipp", i), Art::heimTipp, i);
        txtAusTipp[i] = neuesFeld(eltern, nameMitIndex("txtAusTipp", i), Art::ausTipp, i);
    }

    lblPunkteGruppe[p] = neuesLabel(z, nameMitIndex("lblPunkteGruppe", p), Qt::black, farben::orange, true,
                                    QStringLiteral(" Punkte in dieser Phase "));
    lblPunkteGesamt[p] = neuesLabel(z, nameMitIndex("lblPunkteGesamt", p), farben::orange, Qt::black, true,
                                    QStringLiteral(" Gesamtpunkte "));

    linie[p] = new QFrame(z);
    linie[p]->setObjectName(nameMitIndex("linie", p));
    linie[p]->setFrameShape(QFrame::HLine);
    setze(linie[p], 0, 140, zeileBreite, 15);
    linie[p]->hide();
}

}  // namespace ovi
