#include "ui/ziffernzelle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStaticText>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "ui/dialoge/farben.h"
#include "ui/dialoge/ziffernfeld.h"

namespace ovi {

namespace {

// The texts of the ten digits exist once and are shared: the grid writes 400 of them on every fill.
const QString& zifferText(int ziffer) {
    static const std::array<QString, 10> texte = [] {
        std::array<QString, 10> t;
        for (int i = 0; i < 10; ++i) t[static_cast<std::size_t>(i)] = QString::number(i);
        return t;
    }();
    return texte[static_cast<std::size_t>(ziffer)];
}

bool istZiffer(QChar c) { return c >= u'0' && c <= u'9'; }

// The ten digits laid out once per font: shaping a digit anew for every cell was most of a repaint of the grid.
const QStaticText& gesetzt(const QFont& schrift, int ziffer) {
    struct Satz {
        QFont schrift;
        std::array<QStaticText, 10> ziffern;
    };
    // The grid uses two fonts, plain and bold. Never destroyed: a font must not outlive the application object.
    static auto& saetze = *new std::vector<Satz>;
    auto it = std::find_if(saetze.begin(), saetze.end(), [&](const Satz& s) { return s.schrift == schrift; });
    if (it == saetze.end()) {
        Satz neu{schrift, {}};
        for (int i = 0; i < 10; ++i) {
            QStaticText& t = neu.ziffern[static_cast<std::size_t>(i)];
            t.setTextFormat(Qt::PlainText);
            t.setText(zifferText(i));
            t.prepare(QTransform(), schrift);
        }
        saetze.push_back(std::move(neu));
        it = std::prev(saetze.end());
    }
    return it->ziffern[static_cast<std::size_t>(ziffer)];
}

// A window switch or an opened menu is no end of the edit, and no start either.
bool zaehlt(const QFocusEvent* e) {
    return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}

constexpr Qt::KeyboardModifiers befehlsTasten = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

}  // namespace

// What a screen reader sees: an editable text with the digit as its value, the owner's name for the cell, and the
// colours it paints (a tip's colour tells its hit).
class ZellenZugang : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ZellenZugang(ZiffernZelle* z) : QAccessibleWidget(z, QAccessible::EditableText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return zelle()->text();
        if (t == QAccessible::Name) {
            const QString eigen = zelle()->accessibleName();
            return eigen.isEmpty() ? zelle()->name() : eigen;
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        return s;
    }
    QColor backgroundColor() const override { return zelle()->grund(); }
    QColor foregroundColor() const override { return zelle()->schrift(); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The text interface of a one-character text: no selection, the cursor behind the digit.
    void selection(int, int* von, int* bis) const override { *von = *bis = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return characterCount(); }
    void setCursorPosition(int) override {}
    QString text(int von, int bis) const override { return zelle()->text().mid(von, bis - von); }
    int characterCount() const override { return static_cast<int>(zelle()->text().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* von, int* bis) const override {
        *von = *bis = offset;
        return {};
    }

  private:
    ZiffernZelle* zelle() const { return static_cast<ZiffernZelle*>(widget()); }
};

namespace {

QAccessibleInterface* zugangFuer(const QString& klasse, QObject* o) {
    if (o && o->isWidgetType() && klasse == QLatin1String(ZiffernZelle::staticMetaObject.className()))
        return new ZellenZugang(static_cast<ZiffernZelle*>(o));
    return nullptr;
}

}  // namespace

ZiffernZelle::ZiffernZelle(QWidget* eltern, Halter& halter, int art, int index)
    : QWidget(eltern),
      halter_(halter),
      text_(zifferText(0)),
      grund_(Qt::white),
      schrift_(Qt::black),
      ruheGrund_(Qt::white),
      ruheSchrift_(Qt::black),
      art_(art),
      index_(index) {
    static const bool angemeldet = [] {
        QAccessible::installFactory(zugangFuer);
        return true;
    }();
    (void)angemeldet;
    // Not marked opaque, although it paints every pixel: nothing is painted below it anyway, and Qt would cut each
    // of the 400 cells out of the area of its neighbours, which cost more than the cells' own painting.
    setFocusPolicy(Qt::StrongFocus);
}

int ZiffernZelle::zahl() const {
    int wert = 0;
    for (QChar c : text_) {
        if (!istZiffer(c)) break;
        wert = wert * 10 + (c.unicode() - u'0');
        if (wert > 32767) break;
    }
    return wert;
}

QSize ZiffernZelle::sizeHint() const { return {19, 19}; }

void ZiffernZelle::setzeWert(int wert) {
    const QString& t = wert >= 0 && wert <= 9 ? zifferText(wert) : QString::number(wert);
    if (t == text_) return;
    const QString alt = text_;
    text_ = t;
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent e(this, 0, alt, text_);
        QAccessible::updateAccessibility(&e);
    }
}

void ZiffernZelle::aendere(const QString& neu) {
    if (neu == text_) return;
    const QString alt = text_;
    text_ = neu.size() == 1 && istZiffer(neu[0]) ? zifferText(neu[0].unicode() - u'0') : neu;
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent e(this, 0, alt, text_);
        QAccessible::updateAccessibility(&e);
    }
    halter_.zelleGeaendert(*this);
}

void ZiffernZelle::setzeFarben(const QColor& grund, const QColor& schrift) {
    if (grund == grund_ && schrift == schrift_) return;
    grund_ = grund;
    schrift_ = schrift;
    update();
}

void ZiffernZelle::setzeRuhefarben(const QColor& grund, const QColor& schrift) {
    ruheGrund_ = grund;
    ruheSchrift_ = schrift;
    setzeFarben(grund, schrift);
}

void ZiffernZelle::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    // A one-pixel frame as two filled rectangles: a drawn outline goes through the stroker, which cost more than
    // the rest of the cell.
    p.fillRect(r, palette().color(QPalette::Mid));
    p.fillRect(r.adjusted(1, 1, -1, -1), grund_);
    if (text_.isEmpty()) return;
    p.setPen(schrift_);
    if (text_.size() == 1 && istZiffer(text_.at(0))) {
        const QStaticText& t = gesetzt(font(), text_.at(0).unicode() - u'0');
        const QSizeF g = t.size();
        p.drawStaticText(QPointF((r.width() - g.width()) / 2, (r.height() - g.height()) / 2), t);
    } else {
        p.drawText(r, Qt::AlignCenter, text_);
    }
}

bool ZiffernZelle::event(QEvent* e) {
    // Keys the cell takes itself must not fire a shortcut of the window first.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        const bool befehl =
            k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Cut) || k->matches(QKeySequence::Paste);
        const bool zeichen = !(k->modifiers() & befehlsTasten) && !k->text().isEmpty() && k->key() != Qt::Key_Tab &&
                             k->key() != Qt::Key_Backtab;
        if (befehl || zeichen) {
            e->accept();
            return true;
        }
    }
    return QWidget::event(e);
}

// Copy, cut and paste of the one digit; pasted text that is not a single digit is refused.
bool ZiffernZelle::kuerzel(QKeyEvent* e) {
    const bool ausschneiden = e->matches(QKeySequence::Cut);
    if (e->matches(QKeySequence::Copy) || ausschneiden) {
        if (!text_.isEmpty()) QGuiApplication::clipboard()->setText(text_);
        if (ausschneiden) aendere({});
        return true;
    }
    if (e->matches(QKeySequence::Paste)) {
        const QString t = QGuiApplication::clipboard()->text().trimmed();
        if (t.size() == 1 && istZiffer(t[0]) && text_.isEmpty()) {
            aendere(t);
            rueckeWeiter();
        }
        return true;
    }
    return false;
}

// Digits pass and Backspace or Delete empties the cell; any other character key, Return included, types "0".
// One character at most: a key on a full cell is refused. Keys without a character keep their meaning elsewhere.
void ZiffernZelle::keyPressEvent(QKeyEvent* e) {
    if (kuerzel(e)) return;
    const int taste = e->key();
    if (taste == Qt::Key_Backspace || taste == Qt::Key_Delete) {
        aendere({});
        return;
    }
    const bool eingabe = taste == Qt::Key_Return || taste == Qt::Key_Enter;
    if ((e->modifiers() & befehlsTasten) || (e->text().isEmpty() && !eingabe)) {
        e->ignore();
        return;
    }
    nimmZeichen(e->text());
}

void ZiffernZelle::nimmZeichen(const QString& zeichen) {
    if (!text_.isEmpty()) return;
    // The same key filter as the dialogs' fields; Backspace (8) has emptied the cell before it gets here.
    const int code = pruefeZiffer(zeichen.size() == 1 ? zeichen[0].unicode() : 0);
    aendere(zifferText(code == 8 ? 0 : code - 48));
    rueckeWeiter();
}

void ZiffernZelle::rueckeWeiter() {
    // Only once the digit stands: the owner may have refused it or taken the focus elsewhere meanwhile.
    if (weiter_ && hasFocus() && !text_.isEmpty()) focusNextPrevChild(true);
}

void ZiffernZelle::focusInEvent(QFocusEvent* e) {
    QWidget::focusInEvent(e);
    if (!zaehlt(e)) return;
    vorher_ = zahl();
    halter_.zelleBeginnt(*this);
    aendere({});
    setzeFarben(farben::rot, Qt::white);
}

void ZiffernZelle::focusOutEvent(QFocusEvent* e) {
    QWidget::focusOutEvent(e);
    if (!zaehlt(e)) return;
    if (text_.isEmpty()) aendere(QString::number(vorher_));
    setzeFarben(ruheGrund_, ruheSchrift_);
}

}  // namespace ovi
