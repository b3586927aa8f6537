// The small windows, driven through their real controls: what each shows, what its fields take, what it hands back,
// and that leaving it ("ok", a click on the main window, Escape) keeps or discards as it must.
#include <QTest>
#include <QtWidgets>

#include "core/auswertung.h"
#include "core/bericht.h"
#include "core/bonus.h"
#include "tests/hilfe/golden.h"
#include "ui/dialoge/farben.h"
#include "ui/dialoge/frmaendern.h"
#include "ui/dialoge/frminfo.h"
#include "ui/dialoge/frmregel.h"
#include "ui/dialoge/frmspielinfo.h"
#include "ui/dialoge/frmweltmeister.h"
#include "ui/dialoge/frmwmauswerten.h"
#include "ui/dialoge/ziffernfeld.h"

using namespace ovi;

namespace {

// The control with that objectName (its number filled in), or a failed test.
template <class T = QWidget>
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

// The controls whose names match, in the order they were made, one to a line after the caption: name, text or list
// entries, background and text colour, tooltip, and whether ticked or locked.
QString beschreibe(QWidget* d, const QString& muster = QStringLiteral(".")) {
    QString t = d->windowTitle() + u'\n';
    for (QWidget* w : d->findChildren<QWidget*>(QRegularExpression(muster), Qt::FindDirectChildrenOnly)) {
        const auto* liste = qobject_cast<QComboBox*>(w);
        const QPalette& f = w->palette();
        t += w->objectName() + u'|' + (liste ? eintraege(liste).join(u'/') : w->property("text").toString()) + u'|' +
             f.color(w->backgroundRole()).name() + u'/' + f.color(w->foregroundRole()).name() + u'|' + w->toolTip() +
             (w->property("checked").toBool() ? "|an" : "") + (w->isEnabled() ? "\n" : "|gesperrt\n");
    }
    return t;
}
// A dialog described whole against its file in erwartet/; OVI_NEU=1 rewrites it (tests/hilfe/golden.h).
bool stimmt(const char* name, const QString& ausgabe) {
    return test::stimmtMitDatei(std::string(OVI_ERWARTET "/") + name, ausgabe.toStdString());
}
// A table or template from erwartet/, read as it is.
QString golden(const char* name) {
    QFile f(QStringLiteral(OVI_ERWARTET "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("fehlt: ") + name;
}

// The same as the game state holds it, with the colour for "no hit" that the dialog must leave alone.
QString stand(const Spielstand& s) {
    QString t;
    for (int i = 0; i < 4; ++i)
        t += QString::number(s.getModusPunkte(i % 3)).left(i < 3 ? 2 : 0) + u' ' +
             farben::aus(s.getModusFarbe(i)).name() + u' ';
    return t + "Bonus " + QString::number(s.getBonuspunkte()) + (s.getBonus() ? " an" : " aus");
}

const QStringList wege = {"ok", "Aktivierungsverlust", "Escape"};

}  // namespace

class DialogeTest : public QObject {
    Q_OBJECT

    QWidget haupt_;       // the window the dialogs belong to
    QString beimAufruf_;  // what the game held when the dialog called back

    template <class D, class... A>
    QPointer<D> oeffne(A&&... a) {
        QPointer<D> d = new D(std::forward<A>(a)..., &haupt_);
        return d->show(), d;
    }

    // Leaves the dialog: "ok", turning to the main window as a click on it would do, or Escape in the control with
    // the focus (a field's key filter must let it through). True once the dialog is gone, or hidden when it `bleibt`.
    bool verlasse(QWidget* d, const QString& weg, bool bleibt = false) {
        const QPointer<QWidget> p = d;
        if (weg != QLatin1String("ok") && !QTest::qWaitForWindowActive(d)) return false;
        QTest::qWait(0);
        weg == QLatin1String("ok")       ? klicke(teil(d, "cmdOK"))
        : weg == QLatin1String("Escape") ? QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Escape)
                                         : haupt_.activateWindow();
        return QTest::qWaitFor([&] { return bleibt ? !p->isVisible() : p.isNull(); });
    }

  private slots:
    void initTestCase() { haupt_.resize(400, 300), haupt_.show(); }
    void cleanup() { qDeleteAll(haupt_.findChildren<QDialog*>(Qt::FindDirectChildrenOnly)); }

    // Player editor: every control as loaded, the tip lists in team order without "unbekannt"; the layout in twips.
    // Entering a name selects it, so typing replaces it. Typing stops at twelve characters and refuses what
    // Windows-1252 cannot hold; pasted text is refused whole, but control characters pasted along (a line break, a
    // tab, 0x01, a C1 control) are dropped; a longer name from the game state stays and may only shrink. "ok" stores
    // every row, then asks for the redraw once; leaving stores nothing.
    void spielerdaten() {
        // Typed, or pasted when marked "+": Euro yes, ł no; Œ Ž š from 0x80..0x9F yes.
        const QStringList namen = golden("namen.txt").split(u'\n', Qt::SkipEmptyParts);
        for (const QString& weg : wege) {
            Spielstand s;  // rows left alone: no name, the first team, not playing along
            s.spieler[0] = Spieler{"Anna", 31, true}, s.spieler[1] = Spieler{"Bernd", 0, false};
            s.spieler[20] = Spieler{"Maximilian Alexander", 9, true};
            s.spieler[2].weltmeisterTipp = -1;
            s.spieler[21] = Spieler{"Friederike von Berg", 5, false};
            const auto stand = [&s] {
                QString t;
                for (int p = 0; p < 25; ++p)
                    t += QString::fromStdString(s.getName(p)) +
                         QStringLiteral("|%1|%2\n").arg(s.getWMTipp(p)).arg(int(s.getSpieltMit(p)));
                return t;
            };
            const QString vorher = stand();
            beimAufruf_.clear();
            auto d = oeffne<frmAendern>(s, [&] { beimAufruf_ = stand(); });
            QVERIFY(stimmt("spielerdaten.txt", beschreibe(d)));
            const auto name = [&](int p) { return teil<QLineEdit>(d, "txtName_%1", p); };
            const auto tipp = [&](int p) { return teil<QComboBox>(d, "cmbWMTipp_%1", p); };
            const auto mit = [&](int p) { return teil<QCheckBox>(d, "chkSpieltMit_%1", p); };
            // To the nearest 100: rows 1 and 24 below row 0, the name width, the gaps to the tip list and the check
            // box, row 0 below the heading, "spielt mit" centred on the boxes, "ok" beside row 24.
            const auto tw = [](int px) { return QString::number(qRound(px * 15 / 100.0) * 100) + u' '; };
            const QRect n = name(0)->geometry(), l = tipp(0)->geometry(), k = mit(0)->geometry(),
                        ok = teil(d, "cmdOK")->geometry();
            const QRect kopf = teil(d, "lblName")->geometry(), spalte = teil(d, "lblSpieltMit")->geometry();
            QCOMPARE(tw(name(1)->y() - n.y()) + tw(name(24)->y() - n.y()) + tw(tipp(24)->y() - n.y()) +
                         tw(mit(24)->y() - n.y()) + tw(n.width()) + tw(l.x() - n.right() - 1) +
                         tw(k.x() - n.right() - 1 - l.width()) + tw(n.y() - kopf.bottom() - 1) +
                         tw(spalte.center().x() - k.x()) + tw(ok.y() - name(24)->y()) +
                         tw(ok.x() - mit(24)->geometry().right() - 1),
                     "400 8600 8600 8600 1200 200 600 200 0 200 300 ");
            QVERIFY(QTest::qWaitForWindowActive(d));
            klicke(name(1));
            QTRY_COMPARE(name(1)->selectedText(), QStringLiteral("Bernd"));
            tippe(name(1), QStringLiteral("Carla"));
            klicke(mit(1));
            klicke(mit(0));
            waehle(tipp(1), 31);
            for (int p = 5; p < 15; ++p) {
                klicke(name(p));
                namen[p - 5][0] == u'+' ? name(p)->insert(namen[p - 5].mid(1)) : tippe(name(p), namen[p - 5]);
            }
            for (const auto& [p, text] :
                 {std::pair{15, QStringLiteral("Clau\u0001dia\n")}, {16, QStringLiteral("\tBo\u0085b\r")}}) {
                klicke(name(p));
                name(p)->insert(text);
            }
            klicke(name(21));
            QTest::keyClick(name(21), Qt::Key_End);
            tippe(name(21), QStringLiteral("x"));
            QTest::keyClick(name(21), Qt::Key_Backspace);
            tippe(name(21), QStringLiteral("y"));
            QCOMPARE(stand(), vorher);  // nothing is stored before "ok"
            QVERIFY(verlasse(d, weg));
            QCOMPARE(stand() + beimAufruf_, weg == "ok" ? golden("spielerdaten-ok.txt").repeated(2) : vorher);
        }
    }

    // Own rule: the pure key filter and value reading; every control as loaded (a value longer than the field takes
    // by typing shown whole, colours off the palette too), the frames around their columns; entering a field
    // selects for typing, the key filter one case to a row, pasting held to the field's length; each colour button
    // gives its row its palette colour. "ok" stores all (an empty field as 0, the bonus value also while the bonus
    // is off), then starts the evaluation once; leaving stores nothing.
    void eigeneRegel() {
        // Key codes: digits and Backspace pass, every other key becomes a 0.
        const struct {
            const char* name;
            int code, soll;
        } tasten[] = {{"Rücktaste", 8, 8}, {"0", 48, 48},   {"9", 57, 57},       {"NUL", 0, 48},
                      {"Eingabe", 13, 48}, {"Esc", 27, 48}, {"/ vor 0", 47, 48}, {": nach 9", 58, 48},
                      {"x", 120, 48},      {"ä", 228, 48}};
        for (const auto& t : tasten) QVERIFY2(pruefeZiffer(t.code) == t.soll, t.name);
        // A field's text as a number: blanks and tabs before it, a sign, the leading ASCII digits with one decimal
        // point, rounded half to even, held to plus or minus 9e18.
        const struct {
            const char* name;
            const char* text;
            long long soll;
        } texte[] = {
            {"leer", "", 0},
            {"eine Ziffer", "7", 7},
            {"zwei Ziffern", "12", 12},
            {"Blanks davor", "  3", 3},
            {"Tab davor", "\t5", 5},
            {"bis zum ersten Zeichen, das keine Ziffer ist", "4x2", 4},
            {"Buchstabe zuerst", "x4", 0},
            {"Plus", "+8", 8},
            {"Minus allein", "-", 0},
            {"Blank nach dem Minus", "- 3", 0},
            {"Punkt allein", ".", 0},
            {"nur Nachkommastellen", ".6", 1},
            {"2,5 zur geraden 2", "2.5", 2},
            {"3,5 zur geraden 4", "3.5", 4},
            {"-1,5 zur geraden -2", "-1.5", -2},
            {"6,7 auf", "6.7", 7},
            {"arabisch-indische Drei ist keine Ziffer", "\u0663", 0},
            {"zu groß", "99999999999999999999", 9000000000000000000LL},
            {"zu klein", "-99999999999999999999", -9000000000000000000LL},
            {"die Zahl unter der Grenze, die ein double trägt", "8999999999999998976", 8999999999999998976LL},
        };
        for (const auto& t : texte) QVERIFY2(textWert(QString::fromUtf8(t.text)) == t.soll, t.name);
        for (const QString& weg : wege) {
            Spielstand s;  // the start state has the 3-2-1 rule in force
            s.setModusPunkte(1, 12), s.setModusFarbe(2, rgb(1, 2, 3)), s.setBonuspunkte(25), s.setBonus(true);
            const QString vorher = stand(s);
            beimAufruf_.clear();
            auto d = oeffne<frmRegel>(s, [&] { beimAufruf_ += stand(s) + u'/'; });
            QVERIFY(stimmt("regel.txt", beschreibe(d)));
            for (int k = 0; k < 12; ++k) {  // column k % 4, row k / 4
                QWidget* feld =
                    k % 4 ? teil(d, "lblFarbeFest_%1", k / 4 * 3 + k % 4 - 1) : teil(d, "lblFarbWahl_%1", k / 4);
                QVERIFY(teil(d, "shpSpalte_%1", k % 4)->geometry().contains(feld->geometry()));
            }
            auto *punkte = teil<QLineEdit>(d, "txtNeuModus_1"), *bonus = teil<QLineEdit>(d, "txtBonus");
            QVERIFY(QTest::qWaitForWindowActive(d));
            klicke(bonus);
            QTRY_COMPARE(bonus->selectedText(), "25");
            for (const QString& fall : golden("tastenfilter.txt").split(u'\n', Qt::SkipEmptyParts)) {
                const QStringList f = fall.split(u'|');  // case, field, text before, typed, what stands
                auto* feld = f[1] == "bonus" ? bonus : punkte;
                feld->setText(f[2]);
                feld->setCursorPosition(0);
                feld->setFocus();
                tippe(feld, QString(f[3]).replace("\\r", "\r"));
                QCOMPARE(fall.section(u'|', 0, 3) + u'|' + feld->text(), fall);
            }
            punkte->clear();
            punkte->insert(QStringLiteral("52"));
            for (int k : {0, 2, 1, 4, 5, 3, 8, 7, 6}) klicke(teil(d, "lblFarbAlt_%1", k));  // the last of a row counts
            klicke(teil(d, "chkBonus"));
            QVERIFY(stimmt("regel-geaendert.txt", beschreibe(d, "txtNeuModus|lblFarbWahl|Bonus")));
            punkte->setFocus();  // Escape must pass the key filter
            QVERIFY(verlasse(d, weg));
            const QString neu = "3 #fafa7c 0 #f71919 1 #f71919  #ffffff Bonus 7 aus";
            QCOMPARE(stand(s) + u'/' + beimAufruf_, weg == "ok" ? neu + u'/' + neu + u'/' : vorher + u'/');
        }
    }

    // Report: the list of those who play along ("Anna" in slots 0, 2 and 6, slot 0 not playing along; "Bernd" in
    // slot 4), the first one's report at the start, then the whole report of the slot that goes with each chosen
    // entry, in a fixed-pitch font for the columns. No one playing along: no entries, no report.
    void bericht() {
        Spielstand s;
        for (int p : {0, 2, 4, 6}) s.spieler[p] = Spieler{p == 4 ? "Bernd" : "Anna", Integer(p + 1), p > 0};
        s.spiele[0].aus = 1;
        s.spiele[0].ergHeim = 2;
        s.spiele[0].ergAus = 1;
        s.spiele[0].auswerten = true;
        s.tipps(6, 0, 0) = 2;
        s.tipps(6, 0, 1) = 1;
        werteKomplettAus(s);
        const auto bericht = [&s](int slot) {
            return QString::fromStdString(mitSpalten(spielerInfo(s, slot))).replace("\r\n", "\n");
        };
        auto d = oeffne<frmInfo>(s);
        auto* liste = teil<QComboBox>(d, "cmbSpieler");
        QCOMPARE(eintraege(liste), QStringList({"Spieler", "-1", "Anna", "Bernd", "Anna"}));
        QCOMPARE(inhalt(d, "txtInfo"), bericht(2));
        QVERIFY(QFontInfo(teil(d, "txtInfo")->font()).fixedPitch());
        for (auto [eintrag, slot] : {std::pair{1, 4}, {2, 6}, {0, 2}}) {
            waehle(liste, eintrag);
            QCOMPARE(inhalt(d, "txtInfo"), bericht(slot));
        }
        QVERIFY(verlasse(d, "Aktivierungsverlust"));
        d = oeffne<frmInfo>(Spielstand());
        QCOMPARE(teil<QComboBox>(d, "cmbSpieler")->count() + inhalt(d, "txtInfo").size(), 0);
    }

    // Match details: every row as shown, a row left over from the match before would show; the rows 360 twips apart,
    // each value beside its title and inside the window. A window of its own does not count as leaving; leaving hides
    // it, kept for the next click. A match that cannot be shown (no such match, a venue outside the catalogue found
    // only at row 5) leaves every row as it was.
    void spielInfo() {
        Spielstand s;  // the referee the catalogue does not name shows empty
        s.spiele[59] = Spiel{8, 11, 0, 0, false, 2, 6, "01.07.2006", "21:00", 3, 5, "2,10  -  3,20  -  3,60"};
        auto d = oeffne<frmSpielInfo>();
        d->spielAnzeigen(s, 0);
        d->spielAnzeigen(s, 59);
        const QString viertelfinale = beschreibe(d);
        QVERIFY(stimmt("spielinfo.txt", viertelfinale));
        QString lage;
        for (int z = 0; z < frmSpielInfo::zeilen; ++z) {
            QWidget *titel = teil(d, "lblInfo_%1", z), *wert = teil(d, "lblInfoText_%1", z);
            lage += QString::number((titel->y() - teil(d, "lblInfo_0")->y()) * 15) +
                    (wert->y() == titel->y() && d->rect().contains(wert->geometry()) ? " " : "! ");
        }
        QCOMPARE(lage, "0 360 720 1080 1440 1800 2160 2520 2880 ");
        s.spiele[1].ort = 12;
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->spielAnzeigen(s, 1));
        QVERIFY_THROWS_EXCEPTION(Bereichsfehler, d->spielAnzeigen(s, 64));
        QCOMPARE(beschreibe(d), viertelfinale);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QScopedPointer<QWidget> kind(new QWidget(d, Qt::Dialog));
        kind->show();
        QVERIFY(QTest::qWaitForWindowActive(kind.get()));
        QTest::qWait(0);
        QVERIFY(d->isVisible());
        kind.reset();
        for (const QString weg : {"Aktivierungsverlust", "Escape"}) {
            d->show();
            d->activateWindow();
            QVERIFY(verlasse(d, weg, true));
            QTest::qWait(0);
            QVERIFY(!d.isNull());
        }
    }

    // Champion after a drawn final: a blank caption (an empty one would make the desktop show the program's name),
    // "ok" locked, the finalists of slot 63 (none if one is no team, the dialog still usable); "ok" answers only
    // after a choice, leaving discards the choice. One case to a row.
    void weltmeister() {
        const std::tuple<const char*, int, int, QString, int, const char*, QString> faelle[] = {
            {"Heim", 8, 20, "/Argentinien/Brasilien", 0, "ok", "Argentinien"},
            {"Gast", 9, 19, "/Elfenbeinküste/Tschechische Republik", 1, "ok", "Tschechische Republik"},
            {"unbekannt", 32, 0, "/unbekannt/Deutschland", 0, "ok", "unbekannt"},
            {"Aktivierungsverlust", 9, 19, "/Elfenbeinküste/Tschechische Republik", 1, "Aktivierungsverlust", ""},
            {"Escape", 9, 19, "/Elfenbeinküste/Tschechische Republik", 0, "Escape", ""},
            {"kein Team", 0, 50, "", -1, "Escape", ""}};  // -1: none chosen
        for (const auto& [fall, heim, aus, finalisten, eintrag, weg, antwort] : faelle) {
            Spielstand s;
            s.spiele[63].heim = Integer(heim);
            s.spiele[63].aus = Integer(aus);
            QString antworten = fall;
            auto d =
                oeffne<frmWeltmeister>(s, [&](const std::string& t) { antworten += u'|' + QString::fromStdString(t); });
            QCOMPARE(fall + beschreibe(d), fall + golden("weltmeister.txt").arg(finalisten));
            klicke(teil(d, "cmdOK"));
            QVERIFY2(d->isVisible() && antworten == fall, fall);
            if (eintrag >= 0) waehle(teil<QComboBox>(d, "cmbWeltmeister"), eintrag);
            QVERIFY2(verlasse(d, weg), fall);
            QCOMPARE(antworten, fall + (antwort.isEmpty() ? "" : u'|' + antwort));
        }
    }

    // Bonus winners: caption and the whole text from the state when the dialog is first shown, not when it is made or
    // shown again; every way of leaving closes it.
    void bonusSieger() {
        Spielstand s;  // the dialog keeps a reference
        for (int p = 0; p < 5; ++p) s.setName(p, std::array{"Anna", "Bernd", "Carla", "Jürgen", "Zoë"}[p]);
        s.setName(24, "Yvonne");
        const QStringList soll = golden("bonussieger.txt").split(QStringLiteral("=====\n"));
        const std::tuple<const char*, int, QList<int>> faelle[] = {
            {"ok", 10, {}}, {"Aktivierungsverlust", 15, {1, 3}}, {"Escape", 7, {0, 4, 24}}, {"ok", 0, {10}}};
        for (int i = 0; i < 4; ++i) {
            const auto& [weg, bonus, sieger] = faelle[i];
            s.setBonuspunkte(bonus + 5);
            QPointer<frmWMAuswerten> d = new frmWMAuswerten(s, &haupt_);
            for (int p : sieger) d->setWinner(p, true);
            s.setBonuspunkte(bonus);
            for (int mal = 0; mal < 2; ++mal) {
                d->show();
                QCOMPARE(d->windowTitle() + u'|' + inhalt(d, "txtBonuspunkte") + u'\n', soll[i]);
                d->setWinner(2, true);
                d->hide();
            }
            d->show();
            QVERIFY(verlasse(d, weg));
        }
    }
};

QTEST_MAIN(DialogeTest)
#include "dialoge_test.moc"
