// Helpers for driving the dialogs in tests: find controls, type any character, choose an entry, leave a dialog.
#pragma once

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace ovi::test {

// The control with that objectName (its number filled in), or a failed test.
template <class T>
T* teil(QWidget* fenster, const QString& name, int nr = -1) {
    T* w = fenster->findChild<T*>(nr < 0 ? name : name.arg(nr));
    if (w == nullptr) qFatal("no control named %s %d", qPrintable(name), nr);
    return w;
}

inline void klicke(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
inline void klickeOk(QWidget* d) { klicke(teil<QPushButton>(d, "cmdOK")); }
inline QString inhalt(QWidget* d, const char* name) { return teil<QPlainTextEdit>(d, name)->toPlainText(); }
inline QStringList eintraege(const QComboBox* liste) {
    QStringList l;
    for (int i = 0; i < liste->count(); ++i) l << liste->itemText(i);
    return l;
}

// Types each character as a key press with that text; keyClicks refuses anything outside ASCII.
inline void tippe(QWidget* feld, const QString& text) {
    for (char32_t z : text.toUcs4())
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent taste(art, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&z, 1));
            QApplication::sendEvent(feld, &taste);
        }
}

// Chooses an entry the way the operator does: open the list, click the entry.
inline void waehle(QComboBox* liste, int eintrag) {
    liste->showPopup();
    auto* ansicht = liste->view();
    QTRY_VERIFY(ansicht->isVisible());
    const QRect r = ansicht->visualRect(ansicht->model()->index(eintrag, 0));
    QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTRY_VERIFY(!ansicht->isVisible());
    // Offscreen hands activation to another window when a popup closes; a real window manager does not.
    QWidget* fenster = liste->window();
    fenster->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), fenster);
}

// Rows for the ways the operator leaves a dialog: confirming it, or without.
inline void wege(std::initializer_list<const char*> namen = {"ok", "Aktivierungsverlust", "Escape"}) {
    QTest::addColumn<QString>("weg");
    for (const char* weg : namen) QTest::newRow(weg) << QString::fromLatin1(weg);
}

// Base of each dialog test: the window the dialogs belong to, shown before the first test; what a test leaves
// open of them is deleted after it.
class DialogTest : public QObject {
    Q_OBJECT

  protected:
    QWidget haupt_;

    template <class D, class... A>
    QPointer<D> oeffne(A&&... a) {
        QPointer<D> d = new D(std::forward<A>(a)..., &haupt_);
        d->show();
        return d;
    }

    // Leaves the dialog: "ok", turning to the main window as a click on it would do, or Escape in the control
    // with the focus (a field's key filter must let it through).
    bool verlasse(QWidget* d, const QString& weg) {
        if (weg == QLatin1String("ok")) {
            klickeOk(d);
            return true;
        }
        if (!QTest::qWaitForWindowActive(d)) return false;
        QTest::qWait(0);
        if (weg == QLatin1String("Escape"))
            QTest::keyClick(d->focusWidget() != nullptr ? d->focusWidget() : d, Qt::Key_Escape);
        else
            haupt_.activateWindow();
        return true;
    }

  private slots:
    void initTestCase() {
        haupt_.resize(400, 300);
        haupt_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt_));
    }
    void cleanup() { qDeleteAll(haupt_.findChildren<QDialog*>(Qt::FindDirectChildrenOnly)); }
};

}  // namespace ovi::test

using namespace ovi;
using namespace ovi::test;
