// The small windows, driven through their real controls: what each shows, what its fields take, what it hands back,
// and that leaving it ("ok", a click on the main window, Escape) keeps or discards as it must.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "auswertung.h"
#include "bericht.h"
#include "farben.h"
#include "frmaendern.h"
#include "frminfo.h"
#include "frmregel.h"
#include "frmspielinfo.h"
#include "frmweltmeister.h"
#include "frmwmauswerten.h"
#include "ziffernfeld.h"

using namespace ovi;

namespace {

// The control with that objectName (its number filled in), or a failed test.
template <class T>
T* teil(QWidget* fenster, const QString& name, int nr = -1) {
    T* w = fenster->findChild<T*>(nr < 0 ? name : name.arg(nr));
    if (w == nullptr) qFatal("no control named %s %d", qPrintable(name), nr);
    return w;
}
void klicke(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
QString inhalt(QWidget* d, const char* name) { return teil<QPlainTextEdit>(d, name)->toPlainText(); }
QStringList eintraege(const QComboBox* liste) {
    QStringList l = {liste->placeholderText(), QString::number(liste->currentIndex())};  // hint, no choice
    for (int i = 0; i < liste->count(); ++i) l << liste->itemText(i);
    return l;
}

// Types each character as a key press with that text; keyClicks refuses anything outside ASCII.
void tippe(QWidget* feld, const QString& text) {
    for (char32_t z : text.toUcs4())
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent taste(art, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(&z, 1));
            QApplication::sendEvent(feld, &taste);
        }
}

// Chooses an entry the way the operator does: open the list, click the entry.
void waehle(QComboBox* liste, int eintrag) {
    liste->showPopup();
    auto* ansicht = liste->view();
    QTRY_VERIFY(ansicht->isVisible());
    const QRect r = ansicht->visualRect(ansicht->model()->index(eintrag, 0));
    QTest::mouseClick(ansicht->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTRY_VERIFY(!ansicht->isVisible());
    // Offscreen hands activation to another window when a popup closes; a real window manager does not.
    liste->window()->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), liste->window());
}

QString farbe(const QWidget* w) { return w->palette().color(QPalette::Window).name(); }
// The own rule as the dialog shows it: points and colour of each hit category, the bonus and its field.
QString anzeige(QWidget* d) {
    QString t;
    for (int i = 0; i < 3; ++i)
        t +=
            teil<QLineEdit>(d, "txtNeuModus_%1", i)->text() + u' ' + farbe(teil<QLabel>(d, "lblFarbWahl_%1", i)) + u' ';
    auto* bonus = teil<QLineEdit>(d, "txtBonus");
    return t + QStringLiteral("Bonus %1 %2 %3")
                   .arg(bonus->text(), teil<QCheckBox>(d, "chkBonus")->isChecked() ? "an" : "aus",
                        bonus->isEnabled() ? "frei" : "gesperrt");
}
// The same as the game state holds it, with the colour for "no hit" that the dialog must leave alone.
QString stand(const Spielstand& s) {
    QString t;
    for (int i = 0; i < 3; ++i)
        t += QString::number(s.getModusPunkte(i)) + u' ' + farben::aus(s.getModusFarbe(i)).name() + u' ';
    return t + QStringLiteral("Bonus %1 %2, sonst %3")
                   .arg(QString::number(s.getBonuspunkte()), s.getBonus() ? "an" : "aus",
                        farben::aus(s.getModusFarbe(3)).name());
}

const QStringList wege = {"ok", "Aktivierungsverlust", "Escape"};

}  // namespace

class DialogeTest : public QObject {
    Q_OBJECT

    QWidget haupt_;  // the window the dialogs belong to
    QStringList beimAufruf_;

    template <class D, class... A>
    QPointer<D> oeffne(A&&... a) {
        QPointer<D> d = new D(std::forward<A>(a)..., &haupt_);
        d->show();
        return d;
    }

    // Leaves the dialog: "ok", turning to the main window as a click on it would do, or Escape in the control with
    // the focus (a field's key filter must let it through).
    bool verlasse(QWidget* d, const QString& weg) {
        if (weg == QLatin1String("ok")) {
            klicke(teil<QPushButton>(d, "cmdOK"));
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

    // Player editor: loads every row; "ok" stores every change, then asks for the redraw once; leaving stores none.
    // Typing replaces a name, as entering its field selects it.
    void spielerdaten() {
        const auto zeilen = [](auto&& zeile) {
            QStringList l;
            for (int p = 0; p < 25; ++p) l << zeile(p);
            return l;
        };
        QStringList teams = {"WM-Tipp", "-1"};  // list position is the team number; "unbekannt" is not offered
        for (int t = 0; t < 32; ++t) teams << QString::fromStdString(Spielstand().getNation(t));
        for (const QString& weg : wege) {
            Spielstand s;  // rows left alone: no name, the first team, not playing along
            s.spieler[0] = Spieler{"Anna", 31, true};
            s.spieler[1] = Spieler{"Bernd", 0, false};
            s.spieler[2].weltmeisterTipp = -1;
            s.spieler[24] = Spieler{"Zoë", 9, true};
            const auto stand = [&] {
                return zeilen([&](int p) {
                    return QStringLiteral("%1|%2|%3")
                        .arg(s.getName(p).c_str())
                        .arg(s.getWMTipp(p))
                        .arg(s.getSpieltMit(p));
                });
            };
            const QStringList vorher = stand();
            beimAufruf_.clear();
            auto d = oeffne<frmAendern>(s, [&] { beimAufruf_ = stand(); });
            const auto name = [&](int p) { return teil<QLineEdit>(d, "txtName_%1", p); };
            const auto tipp = [&](int p) { return teil<QComboBox>(d, "cmbWMTipp_%1", p); };
            const auto mit = [&](int p) { return teil<QCheckBox>(d, "chkSpieltMit_%1", p); };
            QCOMPARE(zeilen([&](int p) {
                         return QStringLiteral("%1|%2|%3")
                             .arg(name(p)->text())
                             .arg(tipp(p)->currentIndex())
                             .arg(mit(p)->isChecked());
                     }),
                     vorher);
            QCOMPARE(eintraege(tipp(3)).mid(2), teams.mid(2));
            tipp(2)->setCurrentIndex(-1);
            QCOMPARE(eintraege(tipp(2)), teams);
            QCOMPARE(teams[2], "Deutschland");
            QVERIFY(QTest::qWaitForWindowActive(d));
            klicke(name(1));
            QTRY_COMPARE(name(1)->selectedText(), QStringLiteral("Bernd"));
            tippe(name(1), QStringLiteral("Carla"));
            klicke(mit(1));
            klicke(mit(0));
            waehle(tipp(1), 31);
            klicke(name(5));
            tippe(name(5), QStringLiteral("Zoë"));
            QCOMPARE(stand(), vorher);  // nothing is stored before "ok"
            QVERIFY(verlasse(d, weg));
            QTRY_VERIFY(d.isNull());
            QStringList erwartet = vorher;
            erwartet[0] = "Anna|31|0", erwartet[1] = "Carla|31|1", erwartet[5] = "Zoë|0|0";
            QCOMPARE(stand(), weg == "ok" ? erwartet : vorher);
            QCOMPARE(beimAufruf_, weg == "ok" ? erwartet : QStringList());
        }
    }

    // The player editor's layout in twips. Typing stops at twelve characters and refuses what Windows-1252 cannot
    // hold; pasted text is refused whole. A longer name from the game state stays and may only shrink. Tab goes
    // name, tip, plays along, then the next row's name, selected for typing.
    void spielernamen() {
        const std::tuple<const char*, bool, const char*, const char*> faelle[] = {
            {"zwölf Zeichen", false, "ABCDEFGHIJKLMNO", "ABCDEFGHIJKL"},
            {"Umlaute zählen einfach", false, "Jürgen Müller-Lüdenscheidt", "Jürgen Mülle"},
            {"Euro ja, ł nein", false, "Zoë€ł", "Zoë€"},
            {"Œ und Ž aus 0x80..0x9F", false, "Œ Ž š", "Œ Ž š"},
            {"Ő nicht", false, "Győző", "Gyz"},
            {"außerhalb der BMP", false, "A😀B", "AB"},
            {"chinesisch", false, "中文", ""},
            {"eingefügt mit Ł", true, "Łukasz", ""},
            {"eingefügt zu lang", true, "Lukasz Kowalski", ""},
            {"eingefügt", true, "Lukasz", "Lukasz"}};
        Spielstand s;
        s.setName(20, "Maximilian Alexander");
        s.setName(21, "Friederike von Berg");
        auto d = oeffne<frmAendern>(s, [] {});
        const auto g = [&](const char* n, int p) { return teil<QWidget>(d, n, p)->geometry(); };
        const auto twips = [](int px) { return QString::number(qRound(px * 15 / 100.0) * 100); };  // to 100 twips
        QString lage;
        for (int p : {0, 1, 24}) {
            const QRect n = g("txtName_%1", p), l = g("cmbWMTipp_%1", p), k = g("chkSpieltMit_%1", p);
            lage += twips(n.y() - g("txtName_%1", 0).y()) + u' ' + twips(n.width()) + u' ' +
                    twips(l.x() - n.right() - 1) + u' ' + twips(k.x() - n.right() - 1 - l.width()) +
                    (l.y() == n.y() && k.y() == n.y() ? "; " : " verrutscht; ");
        }
        const QRect kopf = teil<QLabel>(d, "lblName")->geometry(), spalte = teil<QLabel>(d, "lblSpieltMit")->geometry(),
                    ok = teil<QPushButton>(d, "cmdOK")->geometry();
        lage += twips(g("txtName_%1", 0).y() - kopf.bottom() - 1) + u' ' +
                twips(spalte.x() + spalte.width() / 2 - g("chkSpieltMit_%1", 0).x()) + u' ' +
                twips(ok.y() - g("txtName_%1", 24).y()) + u' ' + twips(ok.x() - g("chkSpieltMit_%1", 24).right() - 1) +
                (d->rect().contains(ok) ? "" : " außerhalb");
        QCOMPARE(lage, "0 1200 200 600; 400 1200 200 600; 8600 1200 200 600; 200 0 200 300");
        QVERIFY(QTest::qWaitForWindowActive(d));
        const auto name = [&](int p) { return teil<QLineEdit>(d, "txtName_%1", p); };
        name(19)->setFocus();
        for (const char* n : {"txtName_%1", "cmbWMTipp_%1", "chkSpieltMit_%1"})
            QTest::keyClick(teil<QWidget>(d, n, 19), Qt::Key_Tab);
        QVERIFY(name(20)->hasFocus());
        QTRY_COMPARE(name(20)->selectedText(), QStringLiteral("Maximilian Alexander"));
        QStringList soll, gespeichert;
        for (int p = 0; p < 10; ++p) {
            const auto& [fall, einfuegen, eingabe, steht] = faelle[p];
            klicke(name(p));
            einfuegen ? name(p)->insert(QString::fromUtf8(eingabe)) : tippe(name(p), QString::fromUtf8(eingabe));
            soll << QString::fromUtf8(fall) + ": " + steht;
        }
        klicke(name(21));
        QTest::keyClick(name(21), Qt::Key_End);
        tippe(name(21), QStringLiteral("x"));
        QTest::keyClick(name(21), Qt::Key_Backspace);
        tippe(name(21), QStringLiteral("y"));
        klicke(teil<QPushButton>(d, "cmdOK"));
        for (int p : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 20, 21})
            gespeichert << (p < 10 ? QString::fromUtf8(std::get<0>(faelle[p])) : QString::number(p)) + ": " +
                               QString::fromStdString(s.getName(p));
        QCOMPARE(gespeichert, soll << "20: Maximilian Alexander"
                                   << "21: Friederike von Ber");
    }
    // Own rule: the texts; what it loads, with the built-in rules beside it in the palette's shades; a value longer
    // than the field takes by typing is shown whole, a colour off the palette too; the key filter, one case to a row.
    void eigeneRegelLaedtUndFiltert() {
        QString ziffern, werte;
        for (int c : {8, 48, 57, 0, 13, 27, 47, 58, 120, 228}) ziffern += QString::number(pruefeZiffer(c)) + u' ';
        for (const char* t : {"", "7", "12", "  3", "4x2", "x4", "2.5", "3.5", "-1.5", "6.7"})
            werte += QString::number(textWert(QString::fromLatin1(t))) + u' ';
        QCOMPARE(ziffern + u'/' + werte, "8 48 57 48 48 48 48 48 48 48 /0 7 12 3 4 0 2 4 -2 7 ");
        Spielstand s;  // the start state has the 3-2-1 rule in force
        auto d = oeffne<frmRegel>(s, [] {});
        QString texte;
        for (int i = 0; i < 4; ++i) {
            QLabel* l = i < 3 ? teil<QLabel>(d, "lblText_%1", i) : nullptr;
            if (l && (l->fontMetrics().horizontalAdvance(l->text()) > l->contentsRect().width() ||
                      l->geometry().right() >= teil<QLabel>(d, "lblModus_0")->x()))
                texte += "abgeschnitten ";
            texte += (l ? l->text() : QString()) + u'|' + teil<QLabel>(d, "lblModus_%1", i)->text() + u'|';
        }
        QCOMPARE(texte, "Punkte bei komplett richtigem Tipp" + QString(46, u' ') +
                            "( Ergebnis 3:0, Tipp 3:0)|neue Regel|Punkte bei richtiger Vorhersage der Höhe des Sieges" +
                            QString(17, u' ') +
                            "(Ergebnis 3:0, Tipp 4:1)|3-2-1- Regel|Punkte bei richtig getippter Tendenz" +
                            QString(30, u' ') + "(Ergebnis 3:0, Tipp 2:1)|3-Pkt- Regel||2-Pkt -Regel|");
        QVERIFY(d->rect().contains(teil<QPushButton>(d, "cmdOK")->geometry()));
        QCOMPARE(anzeige(d), "3 #ff0000 2 #fafa90 1 #30be30 Bonus 0 aus gesperrt");
        QString fest;
        for (int k = 0; k < 9; ++k)
            fest += teil<QLabel>(d, "lblPunkteMod_%1", k)->text() + u' ' +
                    farbe(teil<QLabel>(d, "lblFarbeFest_%1", k)) + u' ';
        QCOMPARE(fest, "3 #f71919 3 #f71919 2 #f71919 2 #fafa7c 1 #30be30 1 #30be30 1 #30be30 1 #30be30 1 #30be30 ");
        s.setModusPunkte(0, 7);
        s.setModusPunkte(1, 12);
        s.setModusFarbe(2, rgb(1, 2, 3));
        s.setBonuspunkte(25);
        s.setBonus(true);
        d = oeffne<frmRegel>(s, [] {});
        QCOMPARE(anzeige(d), "7 #ff0000 12 #fafa90 1 #010203 Bonus 25 an frei");
        const auto punkte = [&](int i) { return teil<QLineEdit>(d, "txtNeuModus_%1", i); };
        auto* bonus = teil<QLineEdit>(d, "txtBonus");
        const std::tuple<const char*, QLineEdit*, const char*, const char*, const char*> faelle[] = {
            {"Buchstabe ins leere Feld", punkte(1), "", "x", "0"},
            {"Ziffer ersetzt", punkte(1), "3", "7", "7"},
            {"zweite Ziffer ersetzt", punkte(1), "", "59", "9"},
            {"Zeichen ersetzt", punkte(1), "4", "-", "0"},
            {"Umlaut", punkte(1), "4", "ü", "0"},
            {"Return tippt 0", punkte(1), "5", "\r", "0"},
            {"Bonus höchstens zwei", bonus, "", "123", "12"},
            {"Bonus Buchstaben", bonus, "", "a7", "07"}};
        for (const auto& [fall, feld, vorher, getippt, steht] : faelle) {
            feld->setText(QLatin1String(vorher));
            feld->setCursorPosition(0);
            feld->setFocus();
            tippe(feld, QString::fromUtf8(getippt));
            QCOMPARE(QString::fromUtf8(fall) + ": " + feld->text(), QString::fromUtf8(fall) + ": " + steht);
        }
        punkte(0)->clear();
        punkte(0)->insert(QStringLiteral("52"));
        QCOMPARE(punkte(0)->text(), QString());  // pasted text is held to one digit too
        klicke(teil<QCheckBox>(d, "chkBonus"));
        QCOMPARE(anzeige(d).right(12), "aus gesperrt");
    }

    // "ok" stores what was typed and chosen, the bonus value also while the bonus is off, then starts the
    // evaluation once; leaving stores nothing. Each colour button gives its row its palette colour.
    void eigeneRegelSpeichertNurBeiOk() {
        const std::tuple<QString, bool, QString> faelle[] = {
            {"ok", true, "5 #fafa7c 0 #f71919 9 #30be30 Bonus 12 an, sonst #ffffff"},
            {"ok", false, "5 #fafa7c 0 #f71919 9 #30be30 Bonus 7 aus, sonst #ffffff"},
            {"Aktivierungsverlust", true, ""},
            {"Escape", true, ""}};
        for (const auto& [weg, bonusAn, gespeichert] : faelle) {
            Spielstand s;
            s.setBonuspunkte(7);
            const QString vorher = stand(s);
            beimAufruf_.clear();
            auto d = oeffne<frmRegel>(s, [&] { beimAufruf_ << stand(s); });
            const auto punkte = [&](int i) { return teil<QLineEdit>(d, "txtNeuModus_%1", i); };
            QVERIFY(QTest::qWaitForWindowActive(d));
            klicke(punkte(0));
            tippe(punkte(0), QStringLiteral("5"));
            klicke(punkte(1));
            QTest::keyClick(punkte(1), Qt::Key_End);
            QTest::keyClick(punkte(1), Qt::Key_Backspace);  // an empty field gives 0 points
            klicke(punkte(2));
            tippe(punkte(2), QStringLiteral("9"));
            const QString palette[3] = {"#f71919", "#fafa7c", "#30be30"};
            QStringList soll = {"#ff0000", "#fafa90", "#30be30"};
            for (int k : {0, 2, 1, 4, 5, 3, 6, 7, 8}) {
                klicke(teil<QLabel>(d, "lblFarbAlt_%1", k));
                soll[k / 3] = palette[k % 3];
                QCOMPARE(anzeige(d),
                         QStringLiteral("5 %1  %2 9 %3 Bonus 7 aus gesperrt").arg(soll[0], soll[1], soll[2]));
            }
            if (bonusAn) {
                klicke(teil<QCheckBox>(d, "chkBonus"));
                klicke(teil<QLineEdit>(d, "txtBonus"));
                QTRY_COMPARE(teil<QLineEdit>(d, "txtBonus")->selectedText(), "7");  // selected for typing
                tippe(teil<QLineEdit>(d, "txtBonus"), QStringLiteral("12"));
            }
            QCOMPARE(stand(s), vorher);  // nothing stored before "ok"
            QVERIFY(verlasse(d, weg));
            QTRY_VERIFY(d.isNull());
            QCOMPARE(beimAufruf_, gespeichert.isEmpty() ? QStringList() : QStringList{gespeichert});
            QCOMPARE(stand(s), gespeichert.isEmpty() ? vorher : gespeichert);
        }
    }
    // Report: the list of those who play along ("Anna" in slots 0, 2 and 6, slot 0 not playing along; "Bernd" in
    // slot 4), the first one's report at the start, then the whole report of the slot that goes with each chosen
    // entry, in a fixed-pitch font for the columns. A tip that is no team: that report is refused, the old one stays.
    // No one playing along: no entries, no report.
    void bericht() {
        Spielstand s;
        s.spieler[0] = Spieler{"Anna", 1, false};
        s.spieler[2] = Spieler{"Anna", 5, true};
        s.spieler[4] = Spieler{"Bernd", 8, true};
        s.spieler[6] = Spieler{"Anna", 7, true};
        s.spiele[0].aus = 1, s.spiele[0].ergHeim = 2, s.spiele[0].ergAus = 1, s.spiele[0].auswerten = true;
        s.tipps(6, 0, 0) = 2;
        s.tipps(6, 0, 1) = 1;
        werteKomplettAus(s);
        const auto bericht = [&s](int slot) {
            return QString::fromStdString(mitSpalten(spielerInfo(s, slot))).replace("\r\n", "\n");
        };
        for (const QString weg : {"Aktivierungsverlust", "Escape"}) {
            auto d = oeffne<frmInfo>(s);
            auto* liste = teil<QComboBox>(d, "cmbSpieler");
            QCOMPARE(eintraege(liste), QStringList({"Spieler", "-1", "Anna", "Bernd", "Anna"}));
            QCOMPARE(inhalt(d, "txtInfo"), bericht(2));
            QVERIFY(QFontInfo(teil<QPlainTextEdit>(d, "txtInfo")->font()).fixedPitch());
            for (auto [eintrag, slot] : {std::pair{1, 4}, {2, 6}, {0, 2}}) {
                waehle(liste, eintrag);
                QCOMPARE(inhalt(d, "txtInfo"), bericht(slot));
            }
            QVERIFY(verlasse(d, weg));
            QTRY_VERIFY(d.isNull());
        }
        const QString vier = bericht(4);
        s.spieler[2].weltmeisterTipp = 40;
        auto d = oeffne<frmInfo>(s);
        QCOMPARE(inhalt(d, "txtInfo"), QString());
        waehle(teil<QComboBox>(d, "cmbSpieler"), 1);
        waehle(teil<QComboBox>(d, "cmbSpieler"), 0);
        QCOMPARE(inhalt(d, "txtInfo"), vier);
        d = oeffne<frmInfo>(Spielstand());
        QCOMPARE(teil<QComboBox>(d, "cmbSpieler")->count() + inhalt(d, "txtInfo").size(), 0);
    }

    // Match details: the nine rows with their titles; a window of its own does not count as leaving; leaving hides
    // it, kept for the next click. Then another match, so a row left over would show. A match that cannot be shown
    // (no such match, a venue outside the catalogue found only at row 5) leaves every row as it was.
    void spielInfo() {
        Spielstand s;
        s.spiele[0] =
            Spiel{.heim = 0, .aus = 32, .tag = 4, .datum = "09.06.2006", .zeit = "18:00", .ort = 9, .quote = {}};
        s.spiele[59] = Spiel{8, 11, 0, 0, false, 2, 6, "01.07.2006", "21:00", 3, 5, "1,45  -  4,50  -  8,00"};
        const auto zeilen = [](QWidget* d) {
            QString t;
            for (int z = 0; z < frmSpielInfo::zeilen; ++z) {
                QLabel *titel = teil<QLabel>(d, "lblInfo_%1", z), *wert = teil<QLabel>(d, "lblInfoText_%1", z);
                const bool daneben = wert->y() == titel->y() && d->rect().contains(wert->geometry());
                t += titel->text() + (daneben ? "" : " verrutscht") + u'|' + wert->text() + u'\n';
            }
            return t;
        };
        for (const QString weg : {"Aktivierungsverlust", "Escape"}) {
            auto d = oeffne<frmSpielInfo>();
            d->spielAnzeigen(s, 0);
            QCOMPARE(zeilen(d),
                     " Spiel:| Deutschland - unbekannt\n Phase:| Gruppenphase\n Wochentag:| Freitag\n"
                     " Datum:| 09.06.2006\n Anstoß:| 18:00\n Ort:| München\n Stadion:| FIFA WM-Stadion "
                     "München\n Schiedsrichter:| noch nicht bekannt gegeben\n Wettquoten:| \n");
            QVERIFY(QTest::qWaitForWindowActive(d));
            auto* kind = new QWidget(d, Qt::Dialog);
            kind->show();
            kind->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(kind));
            QTest::qWait(0);
            QVERIFY(d->isVisible());
            delete kind;
            d->activateWindow();
            QVERIFY(verlasse(d, weg));
            QTRY_VERIFY(!d->isVisible());
            QTest::qWait(0);
            QVERIFY(!d.isNull());
            d->show();
            d->spielAnzeigen(s, 59);
            const QString viertelfinale = zeilen(d);  // the referee the catalogue does not name shows empty
            QCOMPARE(viertelfinale,
                     " Spiel:| Argentinien - Niederlande\n Phase:| Viertelfinale\n Wochentag:| Sonntag\n Datum:| "
                     "01.07.2006\n Anstoß:| 21:00\n Ort:| Gelsenkirchen\n Stadion:| FIFA WM-Stadion Gelsenkirchen\n"
                     " Schiedsrichter:| \n Wettquoten:| 1,45  -  4,50  -  8,00\n");
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->spielAnzeigen(s, 64));
            s.spiele[1] = s.spiele[59];
            s.spiele[1].ort = 12;
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->spielAnzeigen(s, 1));
            QCOMPARE(zeilen(d), viertelfinale);
            delete d;
        }
    }

    // Champion after a drawn final: the finalists of slot 63 (none if one is no team, the dialog still usable);
    // "ok" answers only after a choice, leaving discards the choice. One case to a row.
    void weltmeister() {
        const QStringList efl = {"Elfenbeinküste", "Tschechische Republik"};
        const std::tuple<const char*, int, int, QStringList, int, const char*, QString> faelle[] = {
            {"Heim", 8, 20, {"Argentinien", "Brasilien"}, 0, "ok", "Argentinien"},
            {"Gast", 9, 19, efl, 1, "ok", "Tschechische Republik"},
            {"unbekannt", 32, 0, {"unbekannt", "Deutschland"}, 0, "ok", "unbekannt"},
            {"Aktivierungsverlust", 9, 19, efl, 1, "Aktivierungsverlust", ""},
            {"Escape", 9, 19, efl, 0, "Escape", ""},
            {"kein Team", 0, 50, {}, -1, "Escape", ""}};  // -1: none chosen
        for (const auto& [fall, heim, aus, finalisten, eintrag, weg, antwort] : faelle) {
            Spielstand s;
            s.spiele[63].heim = Integer(heim), s.spiele[63].aus = Integer(aus);
            QString antworten = fall;
            auto d =
                oeffne<frmWeltmeister>(s, [&](const std::string& t) { antworten += u'|' + QString::fromStdString(t); });
            auto* liste = teil<QComboBox>(d, "cmbWeltmeister");
            // No caption text; not an empty one either, for which the desktop would show the program's name.
            const QString titel = d->windowTitle().isEmpty() ? "leer" : d->windowTitle().trimmed();
            QCOMPARE(QStringList({fall, titel, teil<QLabel>(d, "lblWeltmeister")->text()}) + eintraege(liste),
                     QStringList({fall, "", "Wer wurde Weltmeister?", " Weltmeister", "-1"}) + finalisten);
            klicke(teil<QPushButton>(d, "cmdOK"));
            QVERIFY2(d->isVisible() && antworten == fall, fall);
            if (eintrag >= 0) waehle(liste, eintrag);
            QVERIFY2(verlasse(d, weg), fall);
            QTRY_VERIFY2(d.isNull(), fall);
            QCOMPARE(antworten, fall + (antwort.isEmpty() ? "" : u'|' + antwort));
        }
    }

    // Bonus winners: the whole text from the state when the dialog is first shown, not when it is made or shown
    // again; a slot outside 0..24 refused; every way of leaving closes it. The heading stays on one line beside the
    // scroll bar that all 25 bring.
    void bonusSieger() {
        Spielstand s;  // the dialog keeps a reference
        for (auto [p, name] :
             {std::pair{0, "Anna"}, {1, "Bernd"}, {2, "Carla"}, {3, "Jürgen"}, {4, "Zoë"}, {24, "Yvonne"}})
            s.setName(p, name);
        const QString ein = "\n          ";
        const std::tuple<const char*, int, QList<int>, QString> faelle[] = {
            {"ok", 10, {}, ""},
            {"Aktivierungsverlust", 15, {1, 3}, ein + "Bernd" + ein + "Jürgen"},
            {"Escape", 7, {0, 4, 24}, ein + "Anna" + ein + "Zoë" + ein + "Yvonne"},
            {"ok", 0, {10}, ein}};
        for (const auto& [weg, bonus, sieger, namen] : faelle) {
            s.setBonuspunkte(bonus + 5);
            QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
            for (int p : sieger) d->setWinner(p, true);
            s.setBonuspunkte(bonus);
            d->show();
            const QString soll = QStringLiteral(
                                     "Folgende Teilnehmer haben den Weltmeister\nrichtig vorhergesagt und "
                                     "bekommen deshalb %1 Bonuspunkte gutgeschrieben:\n%2")
                                     .arg(bonus)
                                     .arg(namen);
            QCOMPARE(inhalt(d, "txtBonuspunkte"), soll);
            d->setWinner(2, true);
            d->hide();
            d->show();
            QCOMPARE(inhalt(d, "txtBonuspunkte"), soll);
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(25, true));
            QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->setWinner(-1, true));
            QVERIFY(verlasse(d, weg));
            QTRY_VERIFY(d.isNull());
        }
        s.setBonuspunkte(99);
        for (int p = 0; p < 25; ++p) s.setName(p, "Hans-Joachim");
        auto* d = new frmWMAuswerten(s, &haupt_);
        for (int p = 0; p < 25; ++p) d->setWinner(p, true);
        d->show();
        auto* kasten = teil<QPlainTextEdit>(d, "txtBonuspunkte");
        QTRY_VERIFY(kasten->verticalScrollBar()->isVisible());
        for (int b : {0, 1}) QCOMPARE(kasten->document()->findBlockByNumber(b).layout()->lineCount(), 1);
    }
};

QTEST_MAIN(DialogeTest)
#include "dialoge_test.moc"
