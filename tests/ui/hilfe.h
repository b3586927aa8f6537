// What the window tests share: a stand-in for the desktop's dialogs and small ways to reach the widgets.
#pragma once

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>

#include "ui/dienste.h"
#include "ui/frmhaupt.h"
#include "ui/gemaltetabelle.h"
#include "ui/spielraster.h"
#include "ui/spielspalte.h"
#include "ui/tabellenzeilen.h"
#include "ui/teilnehmerspalte.h"
#include "ui/weiterfrage.h"
#include "ui/ziffernzelle.h"

namespace ovi::test {

// Pre-loaded answers and everything the window asked, in order.
struct Schreibtisch {
    QList<QStringList> dateien;  // next chooser results; an empty list stands for "cancelled"
    QList<Antwort> antworten;    // next answers to questions
    QList<Dateiwahl> wahlen;
    QStringList fragen;
    QStringList meldungen;
    QList<QList<bool>> kreuze;             // next tick choices; none left stands for "cancelled"
    std::function<void(QPrinter*)> druck;  // what the print preview would paint
    QStringList gefragt;                   // the question after drawn knock-out matches, as its dialog showed it
    QList<QList<int>> weiterAntworten;     // next answers to that; none left stands for "cancelled"
    QList<int> auswahlen;                  // next answers to questions with answers of their own; none: closed
    QStringList auswahlFragen;             // those questions: title, text and answers

    QStringList naechste(const Dateiwahl& w) {
        wahlen << w;
        return dateien.isEmpty() ? QStringList{} : dateien.takeFirst();
    }

    Dienste dienste() {
        Dienste d;
        d.oeffnen = [this](QWidget*, const Dateiwahl& w) { return naechste(w).value(0); };
        d.oeffnenMehrere = [this](QWidget*, const Dateiwahl& w) { return naechste(w); };
        d.speichern = d.oeffnen;
        d.frage = [this](QWidget*, const QString& titel, const QString& text, Knoepfe) {
            fragen << titel + QLatin1Char('|') + text;
            return antworten.isEmpty() ? Antwort::abbrechen : antworten.takeFirst();
        };
        d.waehle = [this](QWidget*, const QString& titel, const QString& text, const QStringList& antworten) {
            auswahlFragen << titel + u'|' + text + u'|' + antworten.join(u'/');
            return auswahlen.isEmpty() ? -1 : auswahlen.takeFirst();
        };
        d.meldung = [this](QWidget*, const QString& titel, const QString& text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        d.ankreuzen = [this](QWidget*, const QString& titel, const QStringList& punkte,
                             const QList<bool>&) -> std::optional<QList<bool>> {
            fragen << titel + QLatin1Char('|') + punkte.join(QStringLiteral(", "));
            if (kreuze.isEmpty()) return std::nullopt;
            return kreuze.takeFirst();
        };
        // Answered in the real dialog, so its offer and its reading of the choice are under test too.
        d.weiter = [this](QWidget*, const QList<Weiterfrage>& f) {
            WeiterDialog dlg(f, nullptr);
            const QList<int> a = weiterAntworten.isEmpty() ? QList<int>{} : weiterAntworten.takeFirst();
            for (int i = 0; i < f.size(); ++i) {
                auto* c = dlg.findChild<QComboBox*>(QStringLiteral("cmbWeiter_%1").arg(i));
                gefragt << f[i].spiel + ": " + c->currentText() + " (" + c->itemText(1) + '/' + c->itemText(2) + ')';
                c->setCurrentIndex(a.value(i, -1) + 1);
            }
            return a.isEmpty() ? QList<int>{} : dlg.antworten();
        };
        d.drucken = [this](QWidget*, const std::function<void(QPrinter*)>& malen) { druck = malen; };
        return d;
    }
};

// The main window on a test desk, so no dialog can ever wait for a person. Not movable: the desk is captured.
struct Fenster {
    Schreibtisch tisch;
    frmHaupt w{tisch.dienste()};
    Spielstand& s = w.spielstand();
    explicit Fenster(std::initializer_list<int> mitspieler = {}) {
        for (int p : mitspieler) s.setSpieltMit(p, true);
    }
    Fenster(const Fenster&) = delete;
};

// A wrong name is a fault of the test itself.
template <class T = QWidget>
T* finde(const QObject* w, const QString& name) {
    T* x = w->findChild<T*>(name);
    if (!x) qFatal("kein Element %s", qPrintable(name));
    return x;
}

inline QString name(const char* art, int index) { return QString::fromUtf8(art) + '_' + QString::number(index); }
template <class T = QWidget>
T* finde(const QObject* w, const char* art, int index) {
    return finde<T>(w, name(art, index));
}
// An entry field of the grid, as any widget; what it shows and its colours are read the way a screen reader reads
// them, so every test of the grid checks the accessible side too.
// A participant's tip fields are made when the row is first shown: asked through the grid, they are made on demand.
inline QWidget* feld(const QObject* w, const char* art, int index) {
    const QString a = QString::fromUtf8(art);
    if (a == QLatin1String("txtHeimTipp") || a == QLatin1String("txtAusTipp"))
        return finde<Spielraster>(w, QStringLiteral("fraSpiele"))->tippFeld(index, a == QLatin1String("txtHeimTipp"));
    return finde<ZiffernZelle>(w, art, index);
}
// A widget by its name, tip fields included.
inline QWidget* element(const QObject* w, const QString& name) {
    const qsizetype strich = name.lastIndexOf(u'_');
    const QString art = name.left(strich);
    if (art == QLatin1String("txtHeimTipp") || art == QLatin1String("txtAusTipp"))
        return feld(w, art.toUtf8().constData(), name.mid(strich + 1).toInt());
    return finde(w, name);
}
inline QAccessibleInterface* zugang(const QWidget* w) {
    QAccessibleInterface* z = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(w));
    if (!z) qFatal("keine Schnittstelle für %s", qPrintable(w->objectName()));
    return z;
}
inline QString inhalt(const QWidget* f) { return zugang(f)->text(QAccessible::Value); }

// The participant rows, the ranking rows and the tendency counters of a match column are painted, each by one
// widget; the layout's names of their labels still say which cell is meant ("lblSpieler_3": the name of slot 3,
// "lblTab2er_0": goal difference points in the first ranking row, "lblTenNull_2": the draws counted in column 2).
// Read through the parts' own interface, so hidden rows can be asked as well.
struct Gemalt {
    GemalteTabelle* tabelle;
    Zelle zelle;
};
inline std::optional<Gemalt> gemalt(const QObject* w, const QString& name) {
    static const QStringList teilnehmer{"lblSpieler", "lblPunkteGruppe", "lblPunkteGesamt"};
    static const QStringList rangliste{"lblPlatz",           "lblTabSpieler",  "lblTabPunkteGesamt",
                                       "lblTabPunkteGruppe", "lblTabPunkteKO", "lblBonus",
                                       "lblTab3er",          "lblTab2er",      "lblTab1er"};
    static const QStringList tendenz{"lblTenEins", "lblTenNull", "lblTenZwei"};
    const qsizetype strich = name.lastIndexOf(u'_');
    const int i = name.mid(strich + 1).toInt();
    if (const auto k = teilnehmer.indexOf(name.left(strich)); k >= 0) {
        auto* t = w->findChild<Teilnehmerspalte*>();
        return Gemalt{t, t->zelleVon(i, int(k))};
    }
    if (const auto k = rangliste.indexOf(name.left(strich)); k >= 0 && i < 25) {
        auto* t = w->findChild<Tabellenzeilen*>();
        return Gemalt{t, t->zelle(i, int(k))};
    }
    if (const auto k = tendenz.indexOf(name.left(strich)); k >= 0) {
        auto* t = w->findChild<Spielspalte*>(QStringLiteral("fraSpiel_%1").arg(i));
        return Gemalt{t, t->zelle(0, int(k))};
    }
    return std::nullopt;
}
// The text of a label or of a painted cell.
inline QString beschriftung(const QObject* w, const QString& name) {
    if (const auto g = gemalt(w, name)) return g->zelle.text;
    return finde<QLabel>(w, name)->text();
}
inline QString text(const QObject* w, const char* art, int index) { return beschriftung(w, name(art, index)); }

inline void befehl(const QObject* w, const QString& name) { finde<QAction>(w, name)->trigger(); }
inline void klick(const QObject* w, const QString& name) { QTest::mouseClick(finde(w, name), Qt::LeftButton); }

// Picks a view the way the operator does: through the list.
inline void waehleAnsicht(const QObject* w, int v) {
    auto* c = finde<QComboBox>(w, QStringLiteral("cmbPhase"));
    c->setCurrentIndex(v);
    emit c->activated(v);
}

// Focus, type, leave: the way a person edits one field.
inline void tippe(QWidget* f, char ziffer) {
    f->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f, ziffer);
}

inline void sichtbar(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

inline void setzeTipp(Spielstand& s, int p, int m, int heim, int aus) {
    s.tipps(p, m, 0) = static_cast<Integer>(heim);
    s.tipps(p, m, 1) = static_cast<Integer>(aus);
}

// The ranking table as a screen reader reads it, row by row: name, total, group phase, knock-out, bonus, exact,
// difference, tendency.
inline QAccessibleTableInterface* rangliste(const QObject* w) {
    return zugang(w->findChild<Tabellenzeilen*>())->tableInterface();
}
inline QStringList tabelle(const QObject* w, int zeilen) {
    QStringList l;
    for (int r = 0; r < zeilen; ++r) {
        QStringList z;
        for (int k = 1; k < Tabellenzeilen::spaltenZahl; ++k) {
            QAccessibleInterface* zelle = rangliste(w)->cellAt(r, k);
            z << (zelle ? zelle->text(QAccessible::Name) : QStringLiteral("(keine Zeile)"));
        }
        l << z.join(QLatin1Char('|'));
    }
    return l;
}

// Values joined by blanks, to compare many at once.
inline QString wert(const QString& s) { return s; }
inline QString wert(const char* s) { return QString::fromUtf8(s); }
template <class T>
requires std::is_arithmetic_v<T> QString wert(T x) { return QString::number(x); }
template <class... T>
QString zeile(const T&... t) {
    return QStringList{wert(t)...}.join(QLatin1Char(' '));
}

inline QList<int> von(int a, int b) {
    QList<int> l(b - a + 1);
    std::iota(l.begin(), l.end(), a);
    return l;
}

// The layout is given in twips.
inline int px(double tw) { return static_cast<int>(std::lround(tw / 15.0)); }
inline QPoint lageIn(const QWidget* w, const QWidget* vorfahr) { return w->mapTo(vorfahr, QPoint(0, 0)); }
inline QColor grund(const QWidget* w) { return zugang(w)->backgroundColor(); }

}  // namespace ovi::test

// Every window test uses both.
using namespace ovi;
using namespace ovi::test;
