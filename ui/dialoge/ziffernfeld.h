// Fields that take goal counts or points: every key with a character is a digit or becomes "0".
#pragma once

#include <QObject>
#include <QString>

class QLineEdit;

namespace ovi {

// Key code in, key code out: the digits (48..57) and Backspace (8) pass, anything else becomes 48, "0".
int pruefeZiffer(int code);

// The value of a field's text: its leading number (blanks before it skipped, an empty text is 0), rounded to the
// nearest integer with halves to the even neighbour.
long long textWert(const QString& text);

// Event filter for one or more line edits. Keys without a character (arrows, Delete, Tab) keep their meaning;
// Backspace passes; other character keys go through pruefeZiffer. A one-character field takes the new digit in
// place of the old one, so typing never gets stuck at the limit.
class ZiffernFilter : public QObject {
    Q_OBJECT

  public:
    explicit ZiffernFilter(QObject* parent) : QObject(parent) {}
    // Installs the filter and a validator so typed, pasted or dropped text holds at most maxLaenge digits.
    void ueberwache(QLineEdit* feld, int maxLaenge);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;
};

}  // namespace ovi
