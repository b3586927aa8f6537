// The right part of the window, "Tabelle": the game's file, rule and bonus, the sort selector with its two markers,
// and the ranking rows.
#pragma once

#include <QGroupBox>
#include <array>

#include "core/katalog.h"
#include "core/spielstand.h"

class QComboBox;
class QLabel;

namespace ovi {

class Bilder;
class EinpassLabel;
class Tabellenzeilen;

class Tabellenbereich : public QGroupBox {
    Q_OBJECT

  public:
    Tabellenbereich(QWidget* eltern, const Bilder& bilder);

    // The captions beside "Datei:", "Modus:" and "Bonuspunkte:".
    void setzeDateiTitel(const QString& titel);
    QString dateiTitel() const;
    void setzeRegelName(const QString& name);
    QString regelName() const;
    void setzeBonus(const QString& bonus);
    QString bonus() const;

    // The ranking rows of a game, and both sort markers over the column of a key (left where they are for a key
    // outside 0..6); the lower one below the last row of those who play along.
    void zeige(const Spielstand& s, int schluessel);
    // How many rows are shown.
    void zeigeZeilen(int n);
    Tabellenzeilen& zeilen() const { return *zeilen_; }
    // The selector's entry, -1 for none; setting it reports nothing.
    int sortierung() const;
    void setzeSortierung(int schluessel);
    QComboBox* sortierListe() const { return cmbSortierung_; }

  signals:
    // The operator picked a sort key.
    void sortierungGewaehlt(int schluessel);

  private:
    void setzeMarken(int schluessel, int mitspieler);

    QLabel* lblDatei_ = nullptr;
    EinpassLabel* lblDateiE_ = nullptr;
    QLabel* lblModus_ = nullptr;
    EinpassLabel* lblModusE_ = nullptr;
    QLabel* lblBonus_ = nullptr;
    QLabel* lblBonusE_ = nullptr;
    QComboBox* cmbSortierung_ = nullptr;
    std::array<QFrame*, 2> linQuer_{};
    std::array<QLabel*, 2> imgSortierer_{};
    Tabellenzeilen* zeilen_ = nullptr;
};

}  // namespace ovi
