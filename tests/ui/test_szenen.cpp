// Scenes of the main window written down as transcripts (tests/ui/szenen/*.txt): "$ " lines are the operator's
// steps, the lines under them what the window shows afterwards. A difference fails with the diff; OVI_NEU=1 writes
// the transcript anew through tests/hilfe/golden.h and shows the same diff. A step the scene does not know fails
// the scene before anything is compared or written.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "files/spielinfo.h"
#include "tests/hilfe/golden.h"
#include "tests/ui/hilfe.h"
#include "ui/dialoge/frmgruppen.h"

namespace {

const QString ordner = QStringLiteral(OVI_SZENEN_ORDNER);

// "name caption" per item, its key in parentheses, a submenu indented under it, "-" for a separator.
void gliedere(const QList<QAction*>& aktionen, const QString& einzug, QStringList& l) {
    for (const QAction* a : aktionen) {
        QString z = a->isSeparator() ? QStringLiteral("-") : a->objectName() + ' ' + a->text();
        if (!a->shortcut().isEmpty()) z += " (" + a->shortcut().toString() + ')';
        l << einzug + z;
        if (a->menu()) gliedere(a->menu()->actions(), einzug + "  ", l);
    }
}

// The main window as the operator reads it: the view's matches (flags, result, tick), each shown participant's
// tips with the colour of the home field (and of the away field where it differs) and points, the tendency
// counters, the ranking and the rule in force.
QStringList bild(const QWidget* w) {
    int spalten = 0;
    while (spalten < 8 && finde(w, "fraSpiel", spalten)->isVisibleTo(w)) ++spalten;
    QStringList l = {finde<QComboBox>(w, QStringLiteral("cmbPhase"))->currentText()}, tendenz = {"Tendenz"};
    for (int sl = 0; sl < spalten; ++sl) {
        l[0] += " | " + finde(w, "imgSpielHeim", sl)->toolTip().trimmed() + '-' +
                finde(w, "imgSpielAus", sl)->toolTip().trimmed() + ' ' + inhalt(feld(w, "txtHeimErg", sl)) + ':' +
                inhalt(feld(w, "txtAusErg", sl)) + (finde<QCheckBox>(w, "chkAuswerten", sl)->isChecked() ? " +" : "");
        tendenz << text(w, "lblTenEins", sl) + '/' + text(w, "lblTenNull", sl) + '/' + text(w, "lblTenZwei", sl);
    }
    for (int p = 0; p < 25; ++p) {
        if (!finde(w, "fraSpieler", p)->isVisibleTo(w)) continue;
        QStringList z = {text(w, "lblSpieler", p)};
        for (int sl = 0; sl < spalten; ++sl) {
            auto *h = feld(w, "txtHeimTipp", 8 * p + sl), *a = feld(w, "txtAusTipp", 8 * p + sl);
            z << inhalt(h) + ':' + inhalt(a) + ' ' + grund(h).name() +
                     (grund(a) != grund(h) ? '/' + grund(a).name() : "");
        }
        l << z.join(" | ") + " | " + text(w, "lblPunkteGesamt", p) + ' ' + text(w, "lblPunkteGruppe", p);
    }
    return l << tendenz.join(" | ") << tabelle(w, rangliste(w)->rowCount())
             << finde<QLabel>(w, QStringLiteral("lblModusE"))->text() + ", Bonus " +
                    finde<QLabel>(w, QStringLiteral("lblBonusE"))->text();
}

// What one widget shows: a label its text, a field its digits, a box or command its tick, a list its choice.
QString zustand(QObject* x) {
    if (auto* l = qobject_cast<QLabel*>(x)) return l->text();
    if (auto* z = qobject_cast<ZiffernZelle*>(x))
        return zeile('\'' + inhalt(z) + '\'', grund(z).name(), zugang(z)->foregroundColor().name());
    if (auto* c = qobject_cast<QCheckBox*>(x)) return QString::number(c->isChecked());
    if (auto* a = qobject_cast<QAction*>(x)) return QString::number(a->isChecked());
    if (auto* t = qobject_cast<QTimer*>(x)) return zeile(t->interval(), "ms", t->isActive() ? "läuft" : "steht");
    if (auto* c = qobject_cast<QComboBox*>(x)) {
        QStringList l;
        for (int i = 0; i < c->count(); ++i) l << c->itemText(i);
        return zeile(c->currentIndex(), c->currentIndex() < 0 ? c->placeholderText() : c->currentText(), "von",
                     '[' + l.join(',') + ']');
    }
    if (auto* t = qobject_cast<QPlainTextEdit*>(x)) return t->toPlainText().replace('\n', "\\n");
    return qobject_cast<QWidget*>(x)->isVisible() ? "sichtbar" : "verborgen";
}

void setze(QObject* x, const QString& wert) {
    if (auto* e = qobject_cast<QLineEdit*>(x)) e->setText(wert);
    if (auto* c = qobject_cast<QCheckBox*>(x)) c->setChecked(wert.toInt());
    if (auto* c = qobject_cast<QComboBox*>(x)) {
        c->setCurrentIndex(wert.toInt());
        emit c->activated(wert.toInt());
    }
}

// Keys as written on them ("Backspace", "Ctrl+S"), each pressed with its character where it has one.
void taste(const QStringList& tasten) {
    for (const QString& t : tasten) {
        const QKeyCombination k = QKeySequence(t)[0];
        QTest::keyClick(QApplication::focusWidget(), k.key(), k.keyboardModifiers());
    }
}

// The mouse 5 pixels inside a widget or a painted cell.
void schwebe(QWidget* w, QPoint ecke = {}) {
    const QPointF p = ecke + QPointF(5, 5);
    QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Tool tip, background (when filled), text colour, bold.
QString farbe(const QWidget* w) {
    return zeile(w->objectName(), '"' + w->toolTip() + '"', w->autoFillBackground() ? grund(w).name() : "durchsichtig",
                 w->palette().color(QPalette::WindowText).name(), w->font().bold());
}
QString farbe(const QString& name, const Zelle& z) {
    return zeile(name, '"' + z.tipp + '"', z.grund.name(), z.schrift.name(), z.fett);
}

QStringList gruppen(const QWidget* g) {
    QStringList aus;
    for (int k = 0; k < 8; ++k) {
        aus << finde<QGroupBox>(g, name("fraGruppe", k))->title();
        for (int z = 0; z < 4; ++z) {
            QStringList l;
            for (int sp = 0; sp < frmGruppen::spalten; ++sp)
                l << finde<QLabel>(g, QStringLiteral("lblGruppe_%1_%2_%3").arg(k).arg(z).arg(sp))->text();
            aus << "  " + l.join(' ').trimmed();
        }
    }
    return aus;
}

struct Szene {
    QTemporaryDir temp;
    std::unique_ptr<Fenster> f = std::make_unique<Fenster>();

    // A path through the windows, "frmRegel/cmdOK"; the last part may be a command of the menu.
    QObject* suche(const QString& pfad) {
        QObject* x = &f->w;
        for (const QString& teil : pfad.split('/'))
            x = x == &f->w && teil.startsWith(QLatin1String("txt")) ? element(x, teil)
                : x->findChild<QWidget*>(teil)                      ? x->findChild<QWidget*>(teil)
                                                                    : finde<QObject>(x, teil);
        return x;
    }
    QWidget* widget(const QString& pfad) { return qobject_cast<QWidget*>(suche(pfad)); }
    QString datei(const QString& n) {
        return n.startsWith("turnier:") ? QStringLiteral(OVI_TURNIER_ORDNER "/") + n.mid(8) : temp.filePath(n);
    }

    // What the step shows, nothing for a step this scene does not know.
    std::optional<QStringList> schritt(QStringList a) {
        const QString v = a.takeFirst();
        auto n = [&](int i) { return a.value(i).toInt(); };
        auto sp = [&]() -> Spiel& { return f->s.spiele[n(0)]; };
        Spielstand& s = f->s;
        Schreibtisch& t = f->tisch;
        QStringList aus;
        const std::map<QString, std::function<void()>> schritte = {
            {"mit", [&] { std::ranges::for_each(a, [&](const QString& p) { s.setSpieltMit(p.toInt(), true); }); }},
            {"name", [&] { s.setName(n(0), a.value(1).toStdString()); }},
            {"tipp", [&] { setzeTipp(s, n(0), n(1), n(2), n(3)); }},
            {"erg",
             [&] {
                 sp().ergHeim = Integer(n(1));
                 sp().ergAus = Integer(n(2));
                 sp().auswerten = true;
             }},
            {"paarung",
             [&] {
                 sp().heim = Integer(n(1));
                 sp().aus = Integer(n(2));
             }},
            {"regel",
             [&] {
                 s.regel.modus = Integer(n(0));
                 s.regel.bonus = n(1);
                 s.regel.bonuspunkte = Integer(n(2));
             }},
            {"wm", [&] { s.setWMTipp(n(0), Integer(n(1))); }},
            {"neu", [&] { f = std::make_unique<Fenster>(); }},
            {"start", [&] { f->w.starteEinblenden(); }},
            {"sichtbar", [&] { sichtbar(f->w); }},
            {"ansicht", [&] { waehleAnsicht(&f->w, n(0)); }},
            {"phase", [&] { aus << zeile(f->w.zeigePhase(n(0)), f->w.ansicht()); }},
            {"tippe", [&] { tippe(widget(a[0]), a.value(1)[0].toLatin1()); }},
            {"taste", [&] { taste(a); }},
            {"fokus",
             [&] {
                 a.isEmpty() ? void(aus << QApplication::focusWidget()->objectName())
                             : widget(a[0])->setFocus(Qt::TabFocusReason);
             }},
            {"stand", [&] { aus << stand(n(0), a.mid(1)); }},
            {"klick", [&] { QTest::mouseClick(widget(a[0]), Qt::LeftButton); }},
            {"befehl", [&] { befehl(&f->w, a[0]); }},
            {"setze", [&] { setze(suche(a[0]), a.value(1)); }},
            {"antwort", [&] { t.antworten << (a[0] == "ok" ? Antwort::ok : Antwort::abbrechen); }},
            {"weiter",
             [&] {
                 t.weiterAntworten << QList<int>({n(0), n(1), n(2)}).mid(0, a.size());
             }},
            {"datei", [&] { t.dateien << QStringList{datei(a[0])}; }},
            {"ergebnisse", [&] { ergebnisse(datei(a[0])); }},
            {"auswahl", [&] { aus << auswahl(a[0]); }},
            {"schwebe",
             [&] {
                 const auto g = gemalt(&f->w, a[0]);
                 g ? schwebe(g->tabelle, g->zelle.rechteck.topLeft()) : schwebe(widget(a[0]));
             }},
            {"tick", [&] { QMetaObject::invokeMethod(finde<QTimer>(&f->w, QStringLiteral("tmrWechsel")), "timeout"); }},
            {"warte",
             [&] { aus << (QTest::qWaitFor([&] { return widget(a[0])->isVisible(); }) ? "" : "nicht sichtbar"); }},
            {"aktiviere",
             [&] {
                 f->w.activateWindow();
                 aus << (QTest::qWaitFor([&] { return !widget(a[0])->isVisible(); }) ? "" : "noch sichtbar");
             }},
            {"bild", [&] { aus = bild(&f->w); }},
            {"zeige",
             [&] {
                 for (const QString& x : a) {
                     const auto g = gemalt(&f->w, x);
                     aus << x + ": " + (g ? g->zelle.text : zustand(suche(x)));
                 }
             }},
            {"farbe",
             [&] {
                 for (const QString& x : a) {
                     const auto g = gemalt(&f->w, x);
                     aus << (g ? farbe(x, g->zelle) : farbe(widget(x)));
                 }
             }},
            {"vorn", [&] { aus << "Gast vorn: " + vorn(); }},
            {"menue", [&] { gliedere(f->w.menuBar()->actions(), QString(), aus); }},
            {"gruppen", [&] { aus = gruppen(finde(&f->w, QStringLiteral("frmGruppen"))); }},
            {"dialoge", [&] { aus = dialoge(); }},
            {"titel", [&] { aus << f->w.windowTitle() + (f->w.ungespeichert() ? " (geändert)" : ""); }}};
        const auto it = schritte.find(v);
        if (it == schritte.end()) return std::nullopt;
        it->second();
        aus.removeAll(QString());
        return aus;
    }

    // The group results of a file typed and ticked through the grid.
    void ergebnisse(const QString& pfad) {
        const auto fakten = ladeSpielInfo(pfad);
        for (int m = 0; m < 48; ++m) {
            waehleAnsicht(&f->w, m / 6);
            const Spiel& sp = fakten.daten->spiele[m];
            tippe(feld(&f->w, "txtHeimErg", m % 6), char('0' + sp.ergHeim));
            tippe(feld(&f->w, "txtAusErg", m % 6), char('0' + sp.ergAus));
            klick(&f->w, name("chkAuswerten", m % 6));
        }
    }

    // Matches 10 and 63 flagged, then the command: the flags per view, then the shown ticks.
    QString auswahl(const QString& befehl) {
        for (Spiel& sp : f->s.spiele) sp.auswerten = false;
        f->s.spiele[10].auswerten = true;
        f->s.spiele[63].auswerten = true;
        ovi::test::befehl(&f->w, befehl);
        QString z;
        for (int m = 0; m < 64; ++m)
            z += QString((m <= 48 && m % 6 == 0) || m == 56 || m == 60 || m == 62 ? " " : "") +
                 "01"[f->s.spiele[m].auswerten];
        z = z.mid(1) + " |";
        for (int sl = 0; sl < 8; ++sl)
            if (finde(&f->w, "fraSpiel", sl)->isVisibleTo(&f->w)) z += zustand(finde(&f->w, "chkAuswerten", sl));
        return z;
    }

    // Everything the window asked or told since the last look, in order.
    QStringList dialoge() {
        Schreibtisch& t = f->tisch;
        QStringList l = t.fragen + t.meldungen + t.gefragt;
        for (const Dateiwahl& w : t.wahlen) l << "Dateiwahl: " + w.titel;
        t.fragen.clear();
        t.meldungen.clear();
        t.gefragt.clear();
        t.wahlen.clear();
        return l;
    }

    // A match's result and tick, then the tips of the given participants, as the game holds them.
    QString stand(int m, const QStringList& spieler) {
        const Spiel& sp = f->s.spiele[m];
        QString z = zeile(m, QString::number(sp.ergHeim) + ':' + QString::number(sp.ergAus), sp.auswerten);
        for (const QString& p : spieler)
            z += " | " + zeile(p, f->s.tipps(p.toInt(), m, 0), f->s.tipps(p.toInt(), m, 1));
        return z;
    }

    // Slots whose away flag lies over the home flag.
    QString vorn() {
        QString z;
        for (int sl = 0; sl < 8; ++sl) {
            auto* heim = finde(&f->w, "imgSpielHeim", sl);
            const QObjectList& g = heim->parent()->children();
            if (g.indexOf(finde(&f->w, "imgSpielAus", sl)) > g.indexOf(heim)) z += QString::number(sl);
        }
        return z;
    }
};

}  // namespace

class TestSzenen : public QObject {
    Q_OBJECT

  private slots:
    void szene_data() {
        QTest::addColumn<QString>("pfad");
        for (const QFileInfo& i : QDir(ordner).entryInfoList({"*.txt"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(i.baseName())) << i.filePath();
    }

    void szene() {
        QFETCH(QString, pfad);
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QStringList soll = QString::fromUtf8(datei.readAll()).split('\n');
        datei.close();
        Szene sz;
        QStringList ist;
        for (const QString& z : soll) {
            if (z.startsWith("$ ")) {
                ist << z;
                const std::optional<QStringList> gezeigt = sz.schritt(z.mid(2).split(' '));
                if (!gezeigt) QFAIL(qPrintable("unbekannter Schritt: " + z));
                for (const QString& a : *gezeigt) ist << "  " + a;
            } else if (z.isEmpty() || z.startsWith('#')) {
                ist << z;
            }
        }
        QVERIFY(stimmtMitDatei(pfad.toStdString(), ist.join('\n').toStdString()));
    }
};

QTEST_MAIN(TestSzenen)
#include "test_szenen.moc"
