#include "ui/dialoge/frmaendern.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include "files/cp1252.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/twips.h"

namespace ovi {
namespace {

// Layout in twips. Row p of the name fields starts p * 360 below the base under the heading.
constexpr double aussen = 240;
constexpr double kopfOben = 120, kopfHoehe = 255;
constexpr double zeilenBasis = kopfOben + kopfHoehe + 200;
constexpr double zeilenAbstand = 360, zeilenHoehe = 330;
constexpr double nameBreite = 1215, listeBreite = 2700, kastenBreite = 255;
constexpr double nameRechts = aussen + nameBreite;
constexpr double listeLinks = nameRechts + 200;
constexpr double kastenLinks = nameRechts + 600 + listeBreite;
constexpr double okBreite = 1095, okHoehe = 375;

double zeilenOben(int p) { return zeilenBasis + p * zeilenAbstand; }

// The game file stores names in Windows-1252: other characters are refused as they are typed. Control characters
// (a line break or a tab pasted along with a name) are dropped: the file reader refuses them in a name. Typing
// stops at twelve characters, but a longer name from the game state may stay as it is (it can only shrink).
class NamensPruefer : public QValidator {
  public:
    // Installed after the name is shown: the line edit checks edits only while its text passed the last check.
    explicit NamensPruefer(QLineEdit* feld) : QValidator(feld), bisher_(feld->text().toUcs4().size()) {
        connect(feld, &QLineEdit::textChanged, this, [this](const QString& t) { bisher_ = t.toUcs4().size(); });
    }

    State validate(QString& eingabe, int& stelle) const override {
        for (qsizetype i = eingabe.size() - 1; i >= 0; --i)
            if (eingabe[i].category() == QChar::Other_Control) {
                eingabe.remove(i, 1);
                if (i < stelle) --stelle;
            }
        const QList<uint> zeichen = eingabe.toUcs4();
        for (uint z : zeichen)
            if (!cp1252::druckbar(static_cast<char32_t>(z))) return Invalid;
        if (zeichen.size() <= frmAendern::maxNamenLaenge || zeichen.size() <= bisher_) return Acceptable;
        return Invalid;
    }

  private:
    qsizetype bisher_;
};

}  // namespace

frmAendern::frmAendern(Spielstand& s, std::function<void()> starteEinblenden, QWidget* parent)
    : DialogBasis(parent, BeiVerlust::verwerfen), s_(s), starteEinblenden_(std::move(starteEinblenden)) {
    setObjectName(QStringLiteral("frmÄndern"));
    setWindowTitle(QStringLiteral("Spielerdaten ändern"));
    baueAuf();
    sicher([this] { ladeZeilen(); });
    // After the names are shown, so a longer one from the game state counts as valid.
    for (QLineEdit* feld : txtName) feld->setValidator(new NamensPruefer(feld));
}

void frmAendern::baueAuf() {
    const auto kopf = [this](const char* name, const QString& text, double links, double breite) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(twips::rechteck(links, kopfOben, breite, kopfHoehe));
        return l;
    };
    lblName = kopf("lblName", QStringLiteral("Name"), aussen, nameBreite);
    lblWMTipp = kopf("lblWMTipp", QStringLiteral("Weltmeister-Tipp"), listeLinks, listeBreite);
    // Centred on the left edge of the first check box.
    lblSpieltMit = kopf("lblSpieltMit", QStringLiteral("spielt mit"), kastenLinks - 600, 1200);
    lblSpieltMit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);

    QStringList teams;
    for (int t = 0; t < katalog::unbekannt; ++t) teams << QString::fromStdString(s_.getNation(t));

    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        const QString nr = QString::number(p);
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("txtName_") + nr);
        name->setGeometry(twips::rechteck(aussen, zeilenOben(p), nameBreite, zeilenHoehe));
        farben::setzeFeldfarben(name, farben::gruen, Qt::white);
        name->installEventFilter(this);
        txtName[p] = name;

        auto* liste = new QComboBox(this);
        liste->setObjectName(QStringLiteral("cmbWMTipp_") + nr);
        liste->setGeometry(twips::rechteck(listeLinks, zeilenOben(p), listeBreite, zeilenHoehe));
        liste->setPlaceholderText(QStringLiteral("WM-Tipp"));
        liste->setMaxVisibleItems(katalog::unbekannt);
        liste->addItems(teams);
        cmbWMTipp[p] = liste;

        auto* kasten = new QCheckBox(this);
        kasten->setObjectName(QStringLiteral("chkSpieltMit_") + nr);
        kasten->setGeometry(twips::rechteck(kastenLinks, zeilenOben(p), kastenBreite, zeilenHoehe));
        chkSpieltMit[p] = kasten;
    }

    const double okOben = zeilenOben(katalog::anzahlSpieler - 1) + 200;
    const double okLinks = kastenLinks + kastenBreite + 300;
    cmdOK = new QPushButton(QStringLiteral("ok"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twips::rechteck(okLinks, okOben, okBreite, okHoehe));
    connect(cmdOK, &QPushButton::clicked, this, [this] { sicher([this] { cmdOK_Click(); }); });

    setFixedSize(twips::px(okLinks + okBreite + aussen), twips::px(okOben + okHoehe + aussen));
}

void frmAendern::ladeZeilen() {
    for (int p = 0; p < katalog::anzahlSpieler; ++p) {
        txtName[p]->setText(QString::fromStdString(s_.getName(p)));
        txtName[p]->setCursorPosition(0);
        // List position equals team number; a tip outside the list leaves nothing selected.
        const int tipp = s_.getWMTipp(p);
        cmbWMTipp[p]->setCurrentIndex(tipp >= 0 && tipp < cmbWMTipp[p]->count() ? tipp : -1);
        chkSpieltMit[p]->setChecked(s_.getSpieltMit(p));
    }
}

bool frmAendern::eventFilter(QObject* o, QEvent* e) {
    // Entering a name field selects the whole name, so typing replaces it. Deferred, or the mouse press that
    // brought the focus would place the caret over the selection.
    if (e->type() == QEvent::FocusIn)
        if (auto* feld = qobject_cast<QLineEdit*>(o)) QTimer::singleShot(0, feld, &QLineEdit::selectAll);
    return DialogBasis::eventFilter(o, e);
}

void frmAendern::cmdOK_Click() {
    const auto vorher = s_.spieler;
    try {
        for (int p = 0; p < katalog::anzahlSpieler; ++p) {
            s_.setName(p, txtName[p]->text().toStdString());
            s_.setSpieltMit(p, chkSpieltMit[p]->isChecked());
            s_.setWMTipp(p, cmbWMTipp[p]->currentIndex());
        }
    } catch (...) {
        s_.spieler = vorher;
        throw;
    }
    if (starteEinblenden_) starteEinblenden_();
    close();
}

}  // namespace ovi
