// A one-line label whose text always shows whole: a text wider than the label is drawn in a font just small
// enough to fit, so a long name or file title is never clipped and a usual one keeps the window's font.
#pragma once

#include <QLabel>

namespace ovi {

// The font a text is drawn in within a width: the given one, or a smaller one when the text would not fit.
QFont einpassSchrift(QFont schrift, const QString& text, int breite);

class EinpassLabel : public QLabel {
  public:
    using QLabel::QLabel;

    // The font the text is drawn in: the label's own, or a smaller one when the text would not fit.
    QFont schrift() const;
    // The width the text may take: the contents less margin and indent.
    int textBreite() const;

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    QRect textRechteck() const;
};

}  // namespace ovi
