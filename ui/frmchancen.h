// "Chancen": who can still win. Per participant the points now, the best and worst place still possible and the
// title, and for the selected one a way to the best place in words; a second tab puts the rules side by side.
// One window for the run, modeless; it follows every evaluation like "Verlauf". The search runs off the GUI thread:
// meanwhile the table says "wird berechnet", a newer game stops an older search, closing stops it too.
#pragma once

#include <QWidget>
#include <optional>
#include <thread>

#include "core/chancen.h"
#include "core/regelvergleich.h"

class QLabel;
class QTabWidget;
class QTableWidget;

namespace ovi {

class frmChancen : public QWidget {
    Q_OBJECT

  public:
    explicit frmChancen(QWidget* eltern);
    ~frmChancen() override;

    // Takes a copy of the game: the rules side by side at once, the chances in the background.
    void zeige(const Spielstand& s);
    bool rechnet() const { return rechnet_; }

  signals:
    // Every row of the chances is filled.
    void berechnet();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    void halte();
    void zeileFertig(quint64 auftrag, std::size_t i, const Chance& z);
    void alleFertig(quint64 auftrag, const std::optional<Chancen>& c, const QString& fehler);
    void fuelleZeile(int zeile, const Chance& z, bool fertig);
    void zeigeSzenario();
    void fuelleRegeln(const Regelvergleich& v);

    Spielstand s_;                // the game the table shows
    std::vector<Chance> zeilen_;  // rows as far as they are worked out
    std::vector<bool> zeileDa_;
    bool geschaetzt_ = false;
    bool rechnet_ = false;
    quint64 auftrag_ = 0;  // number of the newest search; results of older ones are dropped
    std::jthread arbeit_;

    QTabWidget* tabChancen = nullptr;
    QTableWidget* tblChancen = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblSchaetzung = nullptr;
    QLabel* lblSzenario = nullptr;
    QTableWidget* tblRegeln = nullptr;
};

}  // namespace ovi
