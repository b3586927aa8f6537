// The menu bar: "&Datei", "&Bearbeiten", "&Ansicht" with their submenus, each item wired to its command, and the
// check mark of the rule in force.
#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace ovi {

class Ablauf;
class Dateibefehle;
class Druckbefehle;
class Bearbeitenbefehle;
class Fensterbefehle;
class Turnierbefehle;
class Tippbefehle;

class Menue : public QObject {
    Q_OBJECT

  public:
    // The command groups the items call.
    struct Befehle {
        Dateibefehle& datei;
        Druckbefehle& druck;
        Bearbeitenbefehle& bearbeiten;
        Fensterbefehle& fenster;
        Turnierbefehle& turnier;
        Tippbefehle& tipp;
    };

    Menue(Ablauf& fenster, QMenuBar& leiste, const Befehle& befehle);

    // The check mark on the item of a rule (3, 2, 1 built in, 0 the own rule) and on no other; none for -1.
    void setzeRegelHaken(int modus);
    int regelHaken() const { return regelHaken_; }
    // Undo and redo go to its top.
    QMenu* bearbeiten() const { return bearbeiten_; }

  private:
    QAction* befehl(QMenu* m, const char* name, const char* titel, std::function<void()> tun,
                    const char* schritt = nullptr);

    Ablauf& w_;
    QMenu* bearbeiten_ = nullptr;
    std::array<QAction*, 4> regeln_{};  // index = rule number: own rule, 2, 3, 3-2-1
    int regelHaken_ = -1;
};

}  // namespace ovi
