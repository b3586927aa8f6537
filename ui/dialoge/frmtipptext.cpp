#include "ui/dialoge/frmtipptext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ausgabe/spieltext.h"
#include "core/paarungen.h"
#include "files/textdatei.h"

namespace ovi {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

QColor farbeVon(Befund b) {
    switch (b) {
        case Befund::neu:
            return {0, 110, 0};
        case Befund::ersetzt:
            return {170, 85, 0};
        case Befund::nichtErkannt:
            return {180, 0, 0};
        default:
            return {90, 90, 90};
    }
}

}  // namespace

frmTippText::frmTippText(const Spielstand& s, Wege wege, QWidget* eltern)
    : QDialog(eltern), s_(s), wege_(std::move(wege)) {
    setObjectName(QStringLiteral("frmTippText"));
    setWindowTitle(QStringLiteral("Tipps aus Text"));
    setModal(false);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
    auto* spalte = new QVBoxLayout(this);

    auto* hinweis =
        new QLabel(QStringLiteral("&Text mit Tipps, z. B. aus einem Chat oder einer Mail (je Zeile ein Tipp: "
                                  "„Deutschland - Costa Rica 2:1“, „GER vs CRC 2:1“ oder „12. 2:1“):"),
                   this);
    hinweis->setWordWrap(true);
    txtText = new QPlainTextEdit(this);
    txtText->setObjectName(QStringLiteral("txtText"));
    txtText->setPlaceholderText(QStringLiteral("Tipps von Anke\nDeutschland - Costa Rica 2:1\nPolen - Ecuador 0:1"));
    hinweis->setBuddy(txtText);
    spalte->addWidget(hinweis);
    spalte->addWidget(txtText, 2);

    auto* zeile = new QHBoxLayout;
    cmdDatei = new QPushButton(QStringLiteral("Textdatei &lesen…"), this);
    cmdDatei->setObjectName(QStringLiteral("cmdDatei"));
    zeile->addWidget(cmdDatei);
    zeile->addStretch(1);
    auto* wer = new QLabel(QStringLiteral("Tipps vor der ersten Teilnehmerzeile &gehören:"), this);
    cmbTeilnehmer = new QComboBox(this);
    cmbTeilnehmer->setObjectName(QStringLiteral("cmbTeilnehmer"));
    wer->setBuddy(cmbTeilnehmer);
    zeile->addWidget(wer);
    zeile->addWidget(cmbTeilnehmer);
    spalte->addLayout(zeile);

    tblVorschau = new QTableWidget(0, spalten, this);
    tblVorschau->setObjectName(QStringLiteral("tblVorschau"));
    tblVorschau->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Text"),
                                            QStringLiteral("Teilnehmer"), QStringLiteral("Spiel"),
                                            QStringLiteral("Tipp"), QStringLiteral("Befund")});
    tblVorschau->verticalHeader()->hide();
    tblVorschau->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblVorschau->setWordWrap(false);
    tblVorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblVorschau->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblVorschau->horizontalHeader()->setSectionResizeMode(spText, QHeaderView::Stretch);
    for (int sp : {spZeile, spTeilnehmer, spSpiel, spTipp, spBefund})
        tblVorschau->horizontalHeader()->setSectionResizeMode(sp, QHeaderView::ResizeToContents);
    spalte->addWidget(tblVorschau, 3);
    lblSumme = new QLabel(this);
    lblSumme->setObjectName(QStringLiteral("lblSumme"));
    spalte->addWidget(lblSumme);

    auto* knoepfe = new QDialogButtonBox(this);
    cmdUebernehmen = knoepfe->addButton(QStringLiteral("&Übernehmen"), QDialogButtonBox::AcceptRole);
    cmdUebernehmen->setObjectName(QStringLiteral("cmdUebernehmen"));
    cmdAbbrechen = knoepfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    // Return in the text box is a new line; only a click or the access key takes over.
    cmdUebernehmen->setAutoDefault(false);
    cmdAbbrechen->setAutoDefault(false);
    spalte->addWidget(knoepfe);

    connect(txtText, &QPlainTextEdit::textChanged, this, &frmTippText::aktualisiere);
    connect(cmbTeilnehmer, &QComboBox::currentIndexChanged, this, [this] {
        if (!fuellt_) aktualisiere();
    });
    connect(cmdDatei, &QPushButton::clicked, this, &frmTippText::liesDatei);
    connect(tblVorschau, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* i) {
        if (!fuellt_ && i->column() == spBefund) kreuzGeaendert(i->row());
    });
    connect(cmdUebernehmen, &QPushButton::clicked, this, &frmTippText::uebernehmen);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    resize(900, 620);
    aktualisiere();
}

frmTippText::Schluessel frmTippText::schluessel(const Vorschauzeile& z) {
    return {z.zeile.spieler, z.zeile.spiel, z.zeile.heim, z.zeile.aus};
}

void frmTippText::fuelleTeilnehmer() {
    const int vorher = cmbTeilnehmer->currentIndex() < 0 ? -1 : cmbTeilnehmer->currentData().toInt();
    fuellt_ = true;
    cmbTeilnehmer->clear();
    cmbTeilnehmer->addItem(QStringLiteral("niemandem (nur Teilnehmerzeilen)"), -1);
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (s_.getSpieltMit(p)) cmbTeilnehmer->addItem(q(teilnehmerName(s_, p)), p);
    cmbTeilnehmer->setCurrentIndex(std::max(0, cmbTeilnehmer->findData(vorher)));
    fuellt_ = false;
}

void frmTippText::aktualisiere() {
    fuelleTeilnehmer();
    const std::string text = txtText->toPlainText().toStdString();
    v_ = ovi::vorschau(leseTipptext(text, s_, cmbTeilnehmer->currentData().toInt()), s_.tipps);
    // A tick belongs to a replacement; one no longer offered is forgotten.
    std::set<Schluessel> bleibt;
    for (const Vorschauzeile& z : v_)
        if (z.befund == Befund::ersetzt && angekreuzt_.count(schluessel(z))) bleibt.insert(schluessel(z));
    angekreuzt_ = std::move(bleibt);
    zeigeVorschau();
}

std::vector<Tippaenderung> frmTippText::gewaehlt() const {
    return aenderungen(v_, [this](const Vorschauzeile& z) { return angekreuzt_.count(schluessel(z)) > 0; });
}

void frmTippText::zeigeVorschau() {
    fuellt_ = true;
    tblVorschau->setRowCount(static_cast<int>(v_.size()));
    for (std::size_t r = 0; r < v_.size(); ++r) {
        const Vorschauzeile& z = v_[r];
        const Tippzeile& t = z.zeile;
        const bool spiel = t.spiel >= 0;
        const QString texte[spalten] = {
            QString::number(t.nummer),
            q(t.text),
            t.spieler >= 0 ? q(teilnehmerName(s_, t.spieler)) : QString(),
            spiel ? QStringLiteral("%1 %2").arg(t.spiel + 1).arg(q(paarungText(s_, t.spiel))) : QString(),
            spiel ? QStringLiteral("%1:%2").arg(t.heim).arg(t.aus) : QString(),
            q(befundText(z))};
        for (int sp = 0; sp < spalten; ++sp) {
            auto* i = new QTableWidgetItem(texte[sp]);
            i->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            i->setForeground(farbeVon(z.befund));
            if (sp == spBefund && z.befund == Befund::ersetzt) {
                i->setFlags(i->flags() | Qt::ItemIsUserCheckable);
                i->setCheckState(angekreuzt_.count(schluessel(z)) ? Qt::Checked : Qt::Unchecked);
            }
            tblVorschau->setItem(static_cast<int>(r), sp, i);
        }
    }
    fuellt_ = false;
    zeigeSumme();
}

void frmTippText::zeigeSumme() {
    int neu = 0, ersetzt = 0, gleich = 0, fremd = 0;
    for (const Vorschauzeile& z : v_) {
        neu += z.befund == Befund::neu;
        ersetzt += z.befund == Befund::ersetzt;
        gleich += z.befund == Befund::gleich;
        fremd += z.befund == Befund::nichtErkannt;
    }
    lblSumme->setText(QStringLiteral("%1 neu, %2 ersetzt (%3 angekreuzt), %4 gleich, %5 nicht erkannt")
                          .arg(neu)
                          .arg(ersetzt)
                          .arg(angekreuzt_.size())
                          .arg(gleich)
                          .arg(fremd));
    cmdUebernehmen->setEnabled(!gewaehlt().empty());
}

void frmTippText::kreuzGeaendert(int zeile) {
    const auto r = static_cast<std::size_t>(zeile);
    if (r >= v_.size() || v_[r].befund != Befund::ersetzt) return;
    if (tblVorschau->item(zeile, spBefund)->checkState() == Qt::Checked)
        angekreuzt_.insert(schluessel(v_[r]));
    else
        angekreuzt_.erase(schluessel(v_[r]));
    zeigeSumme();
}

void frmTippText::liesDatei() {
    const QString pfad = wege_.waehleDatei(this);
    if (pfad.isEmpty()) return;
    const Gelesen<std::string> g = ladeTextdatei(pfad);
    if (!g) {
        wege_.melde(this, q(g.fehler));
        return;
    }
    txtText->setPlainText(q(*g.daten));
}

void frmTippText::uebernehmen() {
    aktualisiere();
    const std::vector<Tippaenderung> a = gewaehlt();
    if (!a.empty()) wege_.uebernimm(a);
    accept();
}

}  // namespace ovi
