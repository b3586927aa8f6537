#include "ui/frmtippzettel.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ausgabe/spieltext.h"
#include "ausgabe/tippzettel.h"
#include "files/speichern.h"
#include "ui/tippzetteldruck.h"

namespace ovi {

namespace {

QPushButton* knopf(QWidget* eltern, QBoxLayout* reihe, const char* name, const QString& text) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromUtf8(name));
    reihe->addWidget(k);
    return k;
}

}  // namespace

frmTippzettel::frmTippzettel(const Spielstand& s, const Dienste& dienste, QString ordner, int ansicht, QWidget* eltern)
    : QWidget(eltern, Qt::Window), s_(s), dienste_(dienste), ordner_(std::move(ordner)) {
    setObjectName(QStringLiteral("frmTippzettel"));
    setWindowTitle(QStringLiteral("Tippzettel"));
    auto* spalte = new QVBoxLayout(this);
    auto* wahl = new QGridLayout;
    cmbTeilnehmer = new QComboBox(this);
    cmbTeilnehmer->setObjectName(QStringLiteral("cmbTeilnehmer"));
    cmbAnsicht = new QComboBox(this);
    cmbAnsicht->setObjectName(QStringLiteral("cmbAnsicht"));
    cmbAnsicht->addItem(QStringLiteral("ganzes Turnier"), -1);
    for (int v = 0; v < katalog::anzahlAnsichten; ++v)
        cmbAnsicht->addItem(QString::fromUtf8(katalog::ansichten[static_cast<std::size_t>(v)].data()), v);
    cmbAnsicht->setCurrentIndex(cmbAnsicht->findData(ansicht) < 0 ? 0 : cmbAnsicht->findData(ansicht));
    auto* fuer = new QLabel(QStringLiteral("&Für:"), this);
    fuer->setBuddy(cmbTeilnehmer);
    auto* spiele = new QLabel(QStringLiteral("&Spiele:"), this);
    spiele->setBuddy(cmbAnsicht);
    wahl->addWidget(fuer, 0, 0);
    wahl->addWidget(cmbTeilnehmer, 0, 1);
    wahl->addWidget(spiele, 1, 0);
    wahl->addWidget(cmbAnsicht, 1, 1);
    wahl->setColumnStretch(2, 1);
    spalte->addLayout(wahl);

    txtZettel = new QPlainTextEdit(this);
    txtZettel->setObjectName(QStringLiteral("txtZettel"));
    txtZettel->setReadOnly(true);
    txtZettel->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fest = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fest.setFamily(QStringLiteral("DejaVu Sans Mono"));
    txtZettel->setFont(fest);
    spalte->addWidget(txtZettel, 1);

    auto* reihe = new QHBoxLayout;
    auto* kopieren = knopf(this, reihe, "cmdKopieren", QStringLiteral("&Kopieren"));
    auto* alsText = knopf(this, reihe, "cmdAlsText", QStringLiteral("Als &Text speichern…"));
    auto* alsPdf = knopf(this, reihe, "cmdAlsPdf", QStringLiteral("Als P&DF speichern…"));
    auto* drucken = knopf(this, reihe, "cmdDrucken", QStringLiteral("D&rucken…"));
    reihe->addStretch(1);
    auto* schliessen = knopf(this, reihe, "cmdSchliessen", QStringLiteral("Schl&ießen"));
    spalte->addLayout(reihe);

    // Any change of the choice, by mouse, keys or wheel; not the refill of the list in aktualisiere.
    for (QComboBox* c : {cmbTeilnehmer, cmbAnsicht})
        connect(c, &QComboBox::currentIndexChanged, this, [this] {
            if (!fuellt_) aktualisiere();
        });
    connect(kopieren, &QPushButton::clicked, this, [this] { QGuiApplication::clipboard()->setText(text()); });
    connect(alsText, &QPushButton::clicked, this, [this] {
        speichere(QStringLiteral("Text"), QStringLiteral("txt"), QStringLiteral("Textdateien (*.txt)"),
                  text().toStdString());
    });
    connect(alsPdf, &QPushButton::clicked, this, [this] {
        speichere(QStringLiteral("PDF"), QStringLiteral("pdf"), QStringLiteral("PDF-Dateien (*.pdf)"),
                  tippzettelPdf(text().toStdString(), tippzettelTitel(cmbAnsicht->currentData().toInt())));
    });
    connect(drucken, &QPushButton::clicked, this, [this] {
        const std::string t = text().toStdString();
        dienste_.drucken(this, [t](QPrinter* p) { maleTippzettel(t, *p); });
    });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 640);
    aktualisiere();
}

QString frmTippzettel::text() const { return txtZettel->toPlainText() + u'\n'; }

void frmTippzettel::aktualisiere() {
    const int wer = cmbTeilnehmer->currentIndex() < 0 ? -1 : cmbTeilnehmer->currentData().toInt();
    fuellt_ = true;
    cmbTeilnehmer->clear();
    cmbTeilnehmer->addItem(QStringLiteral("leer, zum Ausfüllen"), -1);
    for (int p = 0; p < katalog::anzahlSpieler; ++p)
        if (s_.getSpieltMit(p)) cmbTeilnehmer->addItem(QString::fromStdString(teilnehmerName(s_, p)), p);
    cmbTeilnehmer->setCurrentIndex(std::max(0, cmbTeilnehmer->findData(wer)));
    fuellt_ = false;
    const std::string zettel = tippzettel(s_, cmbTeilnehmer->currentData().toInt(), cmbAnsicht->currentData().toInt());
    // The box shows the lines; text() gives them back with the last line end.
    txtZettel->setPlainText(QString::fromStdString(zettel).chopped(1));
}

QString frmTippzettel::dateiName(const QString& endung) const {
    const int wer = cmbTeilnehmer->currentData().toInt();
    QString name = QStringLiteral("Tippzettel");
    if (wer >= 0) name += u'-' + QString::fromStdString(teilnehmerName(s_, wer));
    // A name may hold what no file name should.
    for (QChar& c : name)
        if (c == u'/' || c == u'\\' || c == u':') c = u'_';
    return name + u'.' + endung;
}

void frmTippzettel::speichere(const QString& art, const QString& endung, const QString& filter,
                              const std::string& bytes) {
    const QString titel = QStringLiteral("Tippzettel als %1 speichern").arg(art);
    const QString pfad = zielZumSpeichern(this, dienste_, {titel, ordner_, dateiName(endung), filter, endung});
    if (pfad.isEmpty()) return;
    const std::string fehler = speichereBytes(pfad, bytes);
    if (!fehler.empty()) dienste_.meldung(this, titel, QString::fromStdString(fehler));
}

}  // namespace ovi
