// Window actions timed on the real main window, offscreen: the handlers run as the operator triggers them,
// and the clock stops only once every event they posted (layout, repaint) has been handled.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "bench/budget.h"
#include "bench/startmessung.h"
#include "core/auswertung.h"
#include "files/spieldatei.h"
#include "tests/hilfe/vollesspiel.h"
#include "ui/frmhaupt.h"
#include "ui/ziffernzelle.h"

namespace ovi::bench {

namespace {

constexpr double budgetMs = 8;  // half a frame at 60 Hz, so it holds on a busy machine too

void bisFertig() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The dialogs an action opened (the list of bonus winners above all) are closed between runs, unmeasured.
void schliesseDialoge(frmHaupt& w) {
    for (QDialog* d : w.findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        if (d->isVisible()) d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    w.activateWindow();
    (void)QTest::qWaitForWindowActive(&w, 1000);
    bisFertig();
}

// The game with a rule in force, so the tip fields take the colours of their hits.
Spielstand spielMitRegel(int modus) {
    Spielstand s = test::vollesSpiel();
    setzeEingebauteRegel(s, modus);
    return s;
}

QString speichere(const QString& pfad, const Spielstand& s) {
    Spieldatei d = ausSpielstand(s);
    d.tippsAblage = s.tipps;
    return QString::fromStdString(speichereSpieldatei(pfad, d));
}

struct Lauf {
    QString name;
    std::function<void(int)> vorher;  // unmeasured preparation of run i
    std::function<void(int)> aktion;  // the measured action
};

// Exactly what the clock sees, in a function of its own, so a profiler can count just this part
// (valgrind --tool=callgrind --toggle-collect='*gemessen*').
[[gnu::noinline]] double gemessen(const Lauf& l, int i) {
    QElapsedTimer uhr;
    uhr.start();
    l.aktion(i);
    bisFertig();
    return static_cast<double>(uhr.nsecsElapsed()) / 1e6;
}

Messwert miss(frmHaupt& w, const Lauf& l, int wiederholungen, const QStringList& meldungen) {
    const qsizetype meldungenVorher = meldungen.size();
    std::vector<double> zeiten;
    for (int i = -2; i < wiederholungen; ++i) {  // two runs to warm caches
        schliesseDialoge(w);
        if (l.vorher) l.vorher(i);
        bisFertig();
        const double ms = gemessen(l, i);
        if (i >= 0) zeiten.push_back(ms);
    }
    schliesseDialoge(w);
    Messwert m{l.name, median(zeiten), budgetMs, QStringLiteral("ms"), {}};
    if (meldungen.size() > meldungenVorher) m.fehler = meldungen.last();
    return m;
}

template <class T>
T* finde(const QObject* w, const QString& name) {
    return w->findChild<T*>(name);
}

}  // namespace

std::vector<Messwert> fensterMessungen(int wiederholungen, const QString& nur) {
    QTemporaryDir ordner;
    const QString datei321 = ordner.filePath(QStringLiteral("bench-321.gowet"));
    const QString datei2 = ordner.filePath(QStringLiteral("bench-2.gowet"));
    QString fehler = speichere(datei321, spielMitRegel(3));
    if (fehler.isEmpty()) fehler = speichere(datei2, spielMitRegel(1));
    if (!ordner.isValid() || !fehler.isEmpty()) return {{QStringLiteral("Fenster"), -1, budgetMs, "ms", fehler}};

    // Nothing may wait for a person: the open dialog answers with the prepared file, questions with "no".
    QString naechsteDatei = datei321;
    QStringList meldungen;
    Dienste d;
    d.oeffnen = [&](QWidget*, const Dateiwahl&) { return naechsteDatei; };
    d.oeffnenMehrere = [&](QWidget*, const Dateiwahl&) { return QStringList{naechsteDatei}; };
    d.speichern = [](QWidget*, const Dateiwahl&) { return QString{}; };
    d.frage = [](QWidget*, const QString&, const QString&, Knoepfe) { return Antwort::nein; };
    d.meldung = [&](QWidget*, const QString& titel, const QString& text) { meldungen << titel + ": " + text; };

    frmHaupt w(d);
    w.show();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w, 5000))
        return {{QStringLiteral("Fenster"), -1, budgetMs, "ms", QStringLiteral("Fenster wird nicht aktiv")}};

    auto* oeffnen = finde<QAction>(&w, QStringLiteral("menÖffnen"));
    auto* aendern = finde<QAction>(&w, QStringLiteral("menÄndern"));
    auto* phase = finde<QComboBox>(&w, QStringLiteral("cmbPhase"));
    auto* auswerten = finde<QPushButton>(&w, QStringLiteral("cmdAuswerten"));
    if (!oeffnen || !aendern || !phase || !auswerten)
        return {{QStringLiteral("Fenster"), -1, budgetMs, "ms", QStringLiteral("Bedienelement fehlt")}};
    oeffnen->trigger();
    bisFertig();

    auto waehle = [phase](int v) {
        phase->setCurrentIndex(v);
        emit phase->activated(v);
    };
    // Changing the rule between runs gives every evaluation new points and new tip colours to show.
    auto andereRegel = [&w](int i) { setzeEingebauteRegel(w.spielstand(), i % 2 ? 1 : 3); };

    std::vector<Lauf> laeufe;
    laeufe.push_back(
        {QStringLiteral("Fenster: Ansicht Gruppe A → Achtelfinale"), [&](int) { waehle(0); }, [&](int) { waehle(8); }});
    laeufe.push_back({QStringLiteral("Fenster: Ansicht Achtelfinale → Halbfinale, Finale"), [&](int) { waehle(8); },
                      [&](int) { waehle(10); }});
    laeufe.push_back({QStringLiteral("Fenster: Ansicht Halbfinale, Finale → Gruppe A"), [&](int) { waehle(10); },
                      [&](int) { waehle(0); }});
    laeufe.push_back({QStringLiteral("Fenster: auswerten bis Raster und Tabelle neu"),
                      [&](int i) {
                          waehle(0);
                          andereRegel(i);
                      },
                      [&](int) { QTest::mouseClick(auswerten, Qt::LeftButton); }});
    bool getippt = true;
    ZiffernZelle* tippFeld = nullptr;
    laeufe.push_back({QStringLiteral("Fenster: ein Tipp getippt (Rückschreiben, Tendenz)"),
                      [&](int i) {
                          waehle(0);
                          // A different participant and match each run; focus in empties the field.
                          const int k = (i + 2) % 6 + 8 * ((i + 2) * 7 % 25);
                          tippFeld = finde<ZiffernZelle>(&w, QStringLiteral("txtHeimTipp_%1").arg(k));
                          if (tippFeld) tippFeld->setFocus(Qt::TabFocusReason);
                      },
                      [&](int i) {
                          if (!tippFeld) return;
                          const char ziffer = static_cast<char>('1' + (i + 2) % 9);
                          QTest::keyClick(tippFeld, ziffer);
                          getippt = getippt && tippFeld->text() == QChar(ziffer);
                      }});
    laeufe.push_back({QStringLiteral("Fenster: Spielstand öffnen"),
                      [&](int i) {
                          waehle(8);
                          naechsteDatei = i % 2 ? datei2 : datei321;
                      },
                      [&](int) { oeffnen->trigger(); }});
    QPushButton* ok = nullptr;
    laeufe.push_back({QStringLiteral("Fenster: Spielerdaten ändern bestätigen"),
                      [&](int i) {
                          andereRegel(i);
                          aendern->trigger();
                          bisFertig();
                          auto* dialog = finde<QDialog>(&w, QStringLiteral("frmÄndern"));
                          ok = dialog ? finde<QPushButton>(dialog, QStringLiteral("cmdOK")) : nullptr;
                      },
                      [&](int) {
                          if (ok) QTest::mouseClick(ok, Qt::LeftButton);
                      }});

    std::vector<Messwert> werte;
    for (const Lauf& l : laeufe) {
        if (!l.name.contains(nur)) continue;
        werte.push_back(miss(w, l, wiederholungen, meldungen));
        if (l.name.contains(QStringLiteral("Tipp")) && !getippt)
            werte.back().fehler = QStringLiteral("die Ziffer kam nicht im Feld an");
        if (l.name.contains(QStringLiteral("Spielerdaten")) && !ok)
            werte.back().fehler = QStringLiteral("kein Dialog „Spielerdaten ändern“");
    }
    w.hide();
    return werte;
}

}  // namespace ovi::bench
