// What the small windows share: modeless, gone as soon as the operator turns to another window
// (that is how they are cancelled), Escape does the same, and no fault escapes an event handler.
#pragma once

#include <QDialog>
#include <functional>

namespace ovi {

class DialogBasis : public QDialog {
    Q_OBJECT

  public:
    enum class BeiVerlust {
        verwerfen,   // closed and deleted, unconfirmed input is lost
        verstecken,  // only hidden, shown again on the next request
    };

    DialogBasis(QWidget* parent, BeiVerlust art);

  protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

    // Runs the body of an event handler. A range error or an overflow abandons it; the dialog stays usable.
    static bool sicher(const std::function<void()>& body);

  private:
    bool gehoertZuMir(const QWidget* fenster) const;
};

}  // namespace ovi
