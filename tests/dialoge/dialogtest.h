// Helpers for driving the dialogs in tests: find controls, type any character, take activation away.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QTest>
#include <QWidget>

namespace ovi::test {

// The control with that objectName, or a failed test.
template <class T>
T* teil(QWidget* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (w == nullptr) qFatal("no control named %s", qPrintable(name));
    return w;
}

// Types each character as a key press with that text; keyClicks refuses anything outside ASCII.
inline void tippe(QWidget* feld, const QString& text) {
    for (uint z : text.toUcs4()) {
        const QString zeichen = QString::fromUcs4(reinterpret_cast<const char32_t*>(&z), 1);
        QKeyEvent druck(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, zeichen);
        QApplication::sendEvent(feld, &druck);
        QKeyEvent los(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, zeichen);
        QApplication::sendEvent(feld, &los);
    }
}

// The operator turns to the other window, as a click on it would do.
inline bool entziehe(QWidget* dialog, QWidget* anderes) {
    if (!QTest::qWaitForWindowActive(dialog)) return false;
    QTest::qWait(0);
    anderes->activateWindow();
    return true;
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

}  // namespace ovi::test
