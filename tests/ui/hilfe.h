// What the window tests share: a stand-in for the desktop's dialogs and small ways to reach the widgets.
#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/dienste.h"
#include "ui/frmhaupt.h"

namespace ovi::test {

// Pre-loaded answers and everything the window asked, in order.
struct Schreibtisch {
    QList<QStringList> dateien;  // next chooser results; an empty list stands for "cancelled"
    QList<Antwort> antworten;    // next answers to questions
    QList<Dateiwahl> wahlen;
    QStringList fragen;
    QStringList meldungen;

    QStringList naechste() { return dateien.isEmpty() ? QStringList{} : dateien.takeFirst(); }

    Dienste dienste() {
        Dienste d;
        d.oeffnen = [this](QWidget*, const Dateiwahl& w) {
            wahlen << w;
            const QStringList l = naechste();
            return l.isEmpty() ? QString{} : l.first();
        };
        d.oeffnenMehrere = [this](QWidget*, const Dateiwahl& w) {
            wahlen << w;
            return naechste();
        };
        d.speichern = d.oeffnen;
        d.frage = [this](QWidget*, const QString& titel, const QString& text, Knoepfe) {
            fragen << titel + QLatin1Char('|') + text;
            return antworten.isEmpty() ? Antwort::abbrechen : antworten.takeFirst();
        };
        d.meldung = [this](QWidget*, const QString& titel, const QString& text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        return d;
    }
};

// A wrong name is a fault of the test itself.
template <class T>
T* finde(const QObject* w, const QString& name) {
    T* x = w->findChild<T*>(name);
    if (!x) {
        std::fprintf(stderr, "kein Element %s\n", qPrintable(name));
        std::abort();
    }
    return x;
}

inline QLineEdit* feld(const QObject* w, const char* art, int index) {
    return finde<QLineEdit>(w, QStringLiteral("%1_%2").arg(QLatin1String(art)).arg(index));
}

inline void befehl(const QObject* w, const QString& name) { finde<QAction>(w, name)->trigger(); }

// Picks a view the way the operator does: through the list.
inline void waehleAnsicht(const QObject* w, int v) {
    auto* c = finde<QComboBox>(w, QStringLiteral("cmbPhase"));
    c->setCurrentIndex(v);
    emit c->activated(v);
}

// Focus, type, leave: the way a person edits one field.
inline void tippe(QLineEdit* f, char ziffer) {
    f->setFocus(Qt::TabFocusReason);
    QTest::keyClick(f, ziffer);
}

inline void sichtbar(QWidget& w) {
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

}  // namespace ovi::test
