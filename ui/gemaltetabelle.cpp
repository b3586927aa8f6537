#include "ui/gemaltetabelle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

#include "ui/einpasslabel.h"

namespace ovi {

namespace {

// One cell for a screen reader: its text as the name, its tool tip as the description, its colours.
class ZellZugang : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    ZellZugang(GemalteTabelle* t, int zeile, int spalte) : t_(t), zeile_(zeile), spalte_(spalte) {}

    bool isValid() const override { return t_ && zeile_ < t_->zeilen() && spalte_ < t_->spalten(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return tabelle() ? tabelle()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return tabelle(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return zelle().text;
        if (t == QAccessible::Description) return zelle().tipp.trimmed();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QRect r = zelle().rechteck;
        return {t_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !t_->isVisible();
        return s;
    }
    QColor foregroundColor() const override { return isValid() ? zelle().schrift : QColor(); }
    QColor backgroundColor() const override { return isValid() ? zelle().grund : QColor(); }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return spalte_; }
    int rowIndex() const override { return zeile_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return tabelle(); }

  private:
    Zelle zelle() const { return t_->zelle(zeile_, spalte_); }
    QAccessibleInterface* tabelle() const { return t_ ? QAccessible::queryAccessibleInterface(t_) : nullptr; }

    QPointer<GemalteTabelle> t_;
    int zeile_, spalte_;
};

// The table: its cells first, then whatever widgets lie on it (the tip fields of the participant rows).
class TabellenZugang : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TabellenZugang(GemalteTabelle* t) : QAccessibleWidget(t, QAccessible::Table) {}
    ~TabellenZugang() override {
        for (QAccessible::Id id : std::as_const(zellen_)) QAccessible::deleteAccessibleInterface(id);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    int childCount() const override { return zellenZahl() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int i) const override {
        const int n = zellenZahl();
        if (i < 0) return nullptr;
        if (i < n) return cellAt(i / tabelle()->spalten(), i % tabelle()->spalten());
        return QAccessibleWidget::child(i - n);
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        if (!kind) return -1;
        if (kind->role() == QAccessible::Cell && kind->parent() == this) {
            auto* zelle = const_cast<QAccessibleInterface*>(kind)->tableCellInterface();
            return zelle ? zelle->rowIndex() * tabelle()->spalten() + zelle->columnIndex() : -1;
        }
        const int i = QAccessibleWidget::indexOfChild(kind);
        return i < 0 ? -1 : i + zellenZahl();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        if (QAccessibleInterface* w = QAccessibleWidget::childAt(x, y)) return w;
        const QPoint p = tabelle()->mapFromGlobal(QPoint(x, y));
        for (int r = 0; r < tabelle()->zeilen(); ++r)
            for (int k = 0; k < tabelle()->spalten(); ++k)
                if (tabelle()->zelle(r, k).rechteck.contains(p)) return cellAt(r, k);
        return nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int zeile, int spalte) const override {
        if (zeile < 0 || spalte < 0 || zeile >= rowCount() || spalte >= columnCount()) return nullptr;
        const int schluessel = zeile * columnCount() + spalte;
        if (const auto it = zellen_.constFind(schluessel); it != zellen_.constEnd())
            return QAccessible::accessibleInterface(it.value());
        auto* neu = new ZellZugang(tabelle(), zeile, spalte);
        zellen_.insert(schluessel, QAccessible::registerAccessibleInterface(neu));
        return neu;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int spalte) const override { return tabelle()->spaltenName(spalte); }
    QString rowDescription(int zeile) const override { return tabelle()->zeilenName(zeile); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return tabelle()->spalten(); }
    int rowCount() const override { return tabelle()->zeilen(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    GemalteTabelle* tabelle() const { return static_cast<GemalteTabelle*>(widget()); }
    int zellenZahl() const { return tabelle()->zeilen() * tabelle()->spalten(); }

    mutable QHash<int, QAccessible::Id> zellen_;
};

QAccessibleInterface* zugangFuer(const QString& klasse, QObject* o) {
    if (o && o->isWidgetType() && klasse == QLatin1String(GemalteTabelle::staticMetaObject.className()))
        return new TabellenZugang(static_cast<GemalteTabelle*>(o));
    return nullptr;
}

}  // namespace

GemalteTabelle::GemalteTabelle(QWidget* eltern) : QWidget(eltern) {
    static const bool angemeldet = [] {
        QAccessible::installFactory(zugangFuer);
        return true;
    }();
    (void)angemeldet;
    setMouseTracking(true);
}

QFont GemalteTabelle::schrift(const Zelle& z) const {
    QFont f = font();
    if (z.fett) f.setBold(true);
    return z.einpassen ? einpassSchrift(f, z.text, textRechteck(z).width()) : f;
}

QRect GemalteTabelle::textRechteck(const Zelle& z) {
    return z.links ? z.rechteck.adjusted(z.einzug, 0, 0, 0) : z.rechteck;
}

void GemalteTabelle::paintEvent(QPaintEvent* e) {
    QPainter maler(this);
    const QRect flaeche = e->rect();
    maleDarunter(maler);
    for (int r = 0; r < zeilen(); ++r) {
        maleZeile(maler, r);
        for (int k = 0; k < spalten(); ++k) {
            const Zelle z = zelle(r, k);
            if (!z.rechteck.intersects(flaeche)) continue;
            // As a label with a filled background paints itself.
            maler.fillRect(z.rechteck, z.grund);
            if (z.text.isEmpty()) continue;
            maler.setFont(schrift(z));
            maler.setPen(z.schrift);
            const Qt::Alignment ausrichtung = z.links ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
            maler.drawText(textRechteck(z), int(ausrichtung) | Qt::TextForceLeftToRight, z.text);
        }
    }
    maleDarueber(maler);
}

bool GemalteTabelle::zelleBei(QPoint p, int& zeile, int& spalte) const {
    for (zeile = 0; zeile < zeilen(); ++zeile)
        for (spalte = 0; spalte < spalten(); ++spalte)
            if (zelle(zeile, spalte).rechteck.contains(p)) return true;
    return false;
}

bool GemalteTabelle::event(QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    auto* hilfe = static_cast<QHelpEvent*>(e);
    int r = 0, k = 0;
    const Zelle z = zelleBei(hilfe->pos(), r, k) ? zelle(r, k) : Zelle{};
    if (z.tipp.isEmpty()) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(hilfe->globalPos(), z.tipp, this, z.rechteck);
    }
    return true;
}

void GemalteTabelle::mouseMoveEvent(QMouseEvent* e) {
    int r = 0, k = 0;
    if (zelleBei(e->position().toPoint(), r, k)) beruehrt(r, k);
    QWidget::mouseMoveEvent(e);
}

void GemalteTabelle::beruehrt(int, int) {}

void GemalteTabelle::maleDarunter(QPainter&) const {}
void GemalteTabelle::maleZeile(QPainter&, int) const {}
void GemalteTabelle::maleDarueber(QPainter&) const {}

void GemalteTabelle::erneuere(int zeile, int spalte) {
    update(zelle(zeile, spalte).rechteck);
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* t = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleInterface* z = t && t->tableInterface() ? t->tableInterface()->cellAt(zeile, spalte) : nullptr) {
        QAccessibleEvent ereignis(z, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ereignis);
    }
}

}  // namespace ovi
