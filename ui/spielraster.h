// The match area "Spiele": the phase list and three buttons, the match columns of the view and the participant rows
// with their tip fields. It shows the view of the game it is given, takes typed values back into it (leseRaster)
// and tells the window about every accepted edit; evaluating, saving and undo are the window's matter.
#pragma once

#include <QGroupBox>
#include <array>

#include "core/katalog.h"
#include "core/spielstand.h"
#include "core/zufall.h"
#include "ui/spielspalte.h"
#include "ui/ziffernzelle.h"

class QComboBox;
class QPushButton;
class QTimer;

namespace ovi {

class Bilder;
class Teilnehmerspalte;

class Spielraster : public QGroupBox, private ZiffernZelle::Halter {
    Q_OBJECT

  public:
    Spielraster(QWidget* eltern, Spielstand& s, const Bilder& bilder);

    // The view shown; setting it moves the phase list along silently and lays out nothing.
    int ansicht() const { return ansicht_; }
    void setzeAnsicht(int v);
    // Lays out the columns and tip fields of a view and fills them; a view outside 0..10 is refused.
    bool zeigePhase(int v);
    // The geometry of a view alone (zeileAktiv, the two layouts, the flag timer), without filling it.
    void ordneAn(int v);
    // The game of the current view into the fields; the program's own writes are no edits.
    void fuelleRaster();
    // The typed results, ticks and tips of the view into the game; a field being edited stands for its old value.
    void leseRaster();
    // Counts the participants' tendencies for the columns of the view.
    void zeigeTendenz();
    // "Zufall": 0 to 3 goals into every tip field; they reach the game at the next write-back.
    void wuerfle();
    // A field in the middle of an edit stands for the game's value once the game was put back (undo).
    void uebernimmVorher();

    Teilnehmerspalte& teilnehmer() const { return *teilnehmer_; }
    // Names and rows of the participants who play along; a row's tip fields are made when it is first shown.
    void staple(const Spielstand& s);
    // Tip field i (8 * participant + slot), home or away; its row's fields are made if they are not yet.
    ZiffernZelle* tippFeld(int i, bool heim);
    // Every entry field gets this filter, also those made later.
    void setzeFeldFilter(QObject* filter);
    // On: a digit taken into any entry field moves the focus on, as Tab would.
    void setzeWeiterNachZiffer(bool an);
    // The focus into the phase list, where the window starts.
    void fokussiereListe();
    // The caption "Spiele" and the list's width, the first texts measured: called once the window stands.
    void beschrifte();
    // Every entry field made so far, results and tips.
    QList<ZiffernZelle*> felder() const;
    // Keyboard order: the list, each match's results and tick, each participant's tips, the buttons, then `danach`.
    void setzeReihenfolge(QWidget* danach);

  signals:
    void phaseGewaehlt(int v);
    void auswertenGeklickt();
    void zufallGeklickt();
    void tendenzGeklickt();
    void haekchenGeklickt();
    void infoGeklickt(int slot);
    // An accepted change of a result (tipp false) or a tip field while the grid is not being filled.
    void bearbeitet(bool tipp);

  private:
    // What a tip field shows while its row is not made: the values and colour it would hold.
    struct Vorrat {
        Integer heim = 0;
        Integer aus = 0;
        QColor farbe = Qt::white;
    };
    void macheZeile(int p);
    void ordneZeileAn(int p);
    void wechsleFlaggen();
    void zelleBeginnt(ZiffernZelle& z) override;
    void zelleGeaendert(ZiffernZelle& z) override;
    QString zellenName(const ZiffernZelle& z) const override;
    Integer& vorher(Feldart art);

    Spielstand& s_;
    Zufall zufall_;
    int ansicht_ = 0;
    bool rasterAktiv_ = false;  // false while the program itself writes the fields
    bool schmal_ = false;       // the narrow layout of "Achtelfinale" is in place
    Integer wechsel_ = -1;
    std::array<bool, 8> zeileAktiv_{};
    // The value each kind of field held before its last edit began.
    std::array<Integer, 4> vorher_{};

    QComboBox* cmbPhase_ = nullptr;
    QPushButton* cmdZufall_ = nullptr;
    QPushButton* cmdTendenz_ = nullptr;
    QPushButton* cmdAuswerten_ = nullptr;
    QTimer* tmrWechsel_ = nullptr;
    std::array<Spielspalte*, 8> spalten_{};
    Teilnehmerspalte* teilnehmer_ = nullptr;
    // Per row the blocks of slots 4-5 and 6-7, and the tip fields; null while the row is not made.
    std::array<std::array<QWidget*, 2>, katalog::anzahlSpieler> tippBlock_{};
    std::array<ZiffernZelle*, 200> txtHeimTipp_{}, txtAusTipp_{};
    std::array<Vorrat, 200> vorrat_{};
    QObject* feldFilter_ = nullptr;
    bool weiterNachZiffer_ = false;
};

}  // namespace ovi
