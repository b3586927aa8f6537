#include "ui/frmchancen.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>

#include "ausgabe/chancentext.h"
#include "core/auswertung.h"

namespace ovi {

namespace {

const QString wirdBerechnet = QStringLiteral("wird berechnet");

QString q(const std::string& s) { return QString::fromStdString(s); }

QTableWidget* neueTabelle(QWidget* eltern, const QString& name) {
    auto* t = new QTableWidget(eltern);
    t->setObjectName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

QLabel* neuerText(QWidget* eltern, const QString& name) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return l;
}

QTableWidgetItem* zelle(const QString& text, bool zahl) {
    auto* z = new QTableWidgetItem(text);
    z->setTextAlignment(zahl ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return z;
}

}  // namespace

frmChancen::frmChancen(QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("frmChancen"));
    setWindowTitle(QStringLiteral("Chancen"));
    resize(840, 560);

    tabChancen = new QTabWidget(this);
    tabChancen->setObjectName(QStringLiteral("tabChancen"));

    auto* seite = new QWidget(tabChancen);
    tblChancen = neueTabelle(seite, QStringLiteral("tblChancen"));
    tblChancen->setColumnCount(5);
    tblChancen->setHorizontalHeaderLabels({QStringLiteral("Teilnehmer"), QStringLiteral("Punkte"),
                                           QStringLiteral("bester Platz"), QStringLiteral("schlechtester Platz"),
                                           QStringLiteral("Titel")});
    lblStatus = neuerText(seite, QStringLiteral("lblStatus"));
    lblSchaetzung = neuerText(seite, QStringLiteral("lblSchaetzung"));
    lblSchaetzung->setText(QString::fromUtf8(schaetzungsHinweis));
    lblSchaetzung->hide();
    lblSzenario = neuerText(seite, QStringLiteral("lblSzenario"));
    auto* definitionen = neuerText(seite, QStringLiteral("lblDefinitionen"));
    QStringList punkte;
    for (const std::string& d : chancenDefinitionen) punkte << QStringLiteral("• ") + q(d);
    definitionen->setText(punkte.join(QLatin1Char('\n')));
    QFont klein = definitionen->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.9);
    definitionen->setFont(klein);

    auto* spalte = new QVBoxLayout(seite);
    spalte->addWidget(tblChancen, 1);
    spalte->addWidget(lblStatus);
    spalte->addWidget(lblSchaetzung);
    spalte->addWidget(lblSzenario);
    spalte->addWidget(definitionen);
    tabChancen->addTab(seite, QStringLiteral("Wer kann noch gewinnen?"));

    tblRegeln = neueTabelle(tabChancen, QStringLiteral("tblRegeln"));
    tblRegeln->horizontalHeader()->setStretchLastSection(false);
    tabChancen->addTab(tblRegeln, QStringLiteral("Wertungen im Vergleich"));

    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(tabChancen);

    connect(tblChancen, &QTableWidget::itemSelectionChanged, this, [this] { zeigeSzenario(); });
}

frmChancen::~frmChancen() { halte(); }

void frmChancen::halte() {
    // Asked to stop, the search leaves at its next step; the thread is joined here, so nothing outlives the window.
    arbeit_ = std::jthread();
    rechnet_ = false;
}

void frmChancen::closeEvent(QCloseEvent*) {
    if (!rechnet_) return;
    halte();
    lblStatus->setText(QStringLiteral("Die Berechnung wurde beim Schließen abgebrochen."));
}

void frmChancen::zeige(const Spielstand& s) {
    halte();
    s_ = s;
    const int weltmeister = s.weltmeister;
    fuelleRegeln(vergleicheRegeln(s, weltmeister));

    zeilen_ = chancenVorab(s, weltmeister);
    zeileDa_.assign(zeilen_.size(), false);
    geschaetzt_ = false;
    const int gewaehlt = tblChancen->currentRow();
    tblChancen->setRowCount(static_cast<int>(zeilen_.size()));
    for (std::size_t i = 0; i < zeilen_.size(); ++i) fuelleZeile(static_cast<int>(i), zeilen_[i], false);
    if (gewaehlt >= 0 && gewaehlt < tblChancen->rowCount()) tblChancen->selectRow(gewaehlt);
    lblSchaetzung->hide();
    lblStatus->setText(QStringLiteral("Bester und schlechtester Platz werden berechnet …"));
    zeigeSzenario();

    const quint64 auftrag = ++auftrag_;
    rechnet_ = true;
    arbeit_ = std::jthread([this, s, weltmeister, auftrag](std::stop_token halt) {
        std::optional<Chancen> c;
        QString fehler;
        try {
            c = berechneChancen(s, weltmeister, halt, [&](std::size_t i, const Chance& z) {
                QMetaObject::invokeMethod(
                    this, [this, auftrag, i, z] { zeileFertig(auftrag, i, z); }, Qt::QueuedConnection);
            });
        } catch (const std::exception& e) {
            fehler = QString::fromUtf8(e.what());
        }
        if (halt.stop_requested()) return;
        QMetaObject::invokeMethod(
            this, [this, auftrag, c = std::move(c), fehler] { alleFertig(auftrag, c, fehler); }, Qt::QueuedConnection);
    });
}

void frmChancen::zeileFertig(quint64 auftrag, std::size_t i, const Chance& z) {
    if (auftrag != auftrag_ || i >= zeilen_.size()) return;
    zeilen_[i] = z;
    zeileDa_[i] = true;
    fuelleZeile(static_cast<int>(i), z, true);
    if (static_cast<int>(i) == tblChancen->currentRow()) zeigeSzenario();
}

void frmChancen::alleFertig(quint64 auftrag, const std::optional<Chancen>& c, const QString& fehler) {
    if (auftrag != auftrag_) return;
    arbeit_.join();
    rechnet_ = false;
    if (!c) {
        lblStatus->setText(QStringLiteral("Die Chancen konnten nicht berechnet werden: %1").arg(fehler));
        return;
    }
    for (std::size_t i = 0; i < c->zeilen.size() && i < zeilen_.size(); ++i) {
        zeilen_[i] = c->zeilen[i];
        zeileDa_[i] = true;
        fuelleZeile(static_cast<int>(i), zeilen_[i], true);
    }
    geschaetzt_ = c->geschaetzt;
    lblSchaetzung->setVisible(geschaetzt_);
    lblStatus->setText(c->offeneSpiele == 1 ? QStringLiteral("1 Spiel ist noch offen.")
                                            : QStringLiteral("%1 Spiele sind noch offen.").arg(c->offeneSpiele));
    zeigeSzenario();
    emit berechnet();
}

void frmChancen::fuelleZeile(int zeile, const Chance& z, bool fertig) {
    tblChancen->setItem(zeile, 0, zelle(q(s_.spieler[z.spieler].name), false));
    tblChancen->setItem(zeile, 1, zelle(QString::number(z.punkte), true));
    tblChancen->setItem(zeile, 2, zelle(fertig ? QString::number(z.besterPlatz) : wirdBerechnet, fertig));
    tblChancen->setItem(zeile, 3, zelle(fertig ? QString::number(z.schlechtesterPlatz) : wirdBerechnet, fertig));
    tblChancen->setItem(zeile, 4, zelle(fertig ? q(titelText(z.titel)) : wirdBerechnet, false));
}

void frmChancen::zeigeSzenario() {
    const int zeile = tblChancen->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(zeilen_.size())) {
        lblSzenario->setText(QStringLiteral("Einen Teilnehmer wählen: sein Weg zum besten Platz steht dann hier."));
        return;
    }
    const auto i = static_cast<std::size_t>(zeile);
    if (!zeileDa_[i]) {
        lblSzenario->setText(
            QStringLiteral("Der Weg für %1 wird berechnet …").arg(q(s_.spieler[zeilen_[i].spieler].name)));
        return;
    }
    lblSzenario->setText(q(szenarioSatz(s_, zeilen_[i])));
}

void frmChancen::fuelleRegeln(const Regelvergleich& v) {
    tblRegeln->clear();
    QStringList kopf = {QStringLiteral("Teilnehmer")};
    for (const Regelspalte& sp : v.spalten) {
        const QString name = q(regelName(sp.modus)) + (sp.gilt ? QStringLiteral(" (gilt)") : QString());
        kopf << name + QStringLiteral("\nPlatz") << name + QStringLiteral("\nPunkte");
    }
    tblRegeln->setColumnCount(static_cast<int>(kopf.size()));
    tblRegeln->setHorizontalHeaderLabels(kopf);
    tblRegeln->setRowCount(static_cast<int>(v.teilnehmer.size()));
    for (std::size_t i = 0; i < v.teilnehmer.size(); ++i) {
        const int r = static_cast<int>(i);
        tblRegeln->setItem(r, 0, zelle(q(s_.spieler[v.teilnehmer[i]].name), false));
        for (std::size_t sp = 0; sp < v.spalten.size(); ++sp) {
            const Regelspalte& spalte = v.spalten[sp];
            for (int n : {0, 1}) {
                QTableWidgetItem* z = zelle(QString::number(n == 0 ? spalte.platz[i] : spalte.punkte[i]), true);
                if (spalte.gilt) {
                    QFont f = z->font();
                    f.setBold(true);
                    z->setFont(f);
                }
                tblRegeln->setItem(r, static_cast<int>(1 + 2 * sp) + n, z);
            }
        }
    }
}

}  // namespace ovi
