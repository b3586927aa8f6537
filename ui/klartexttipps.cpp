#include "ui/klartexttipps.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace ovi {

namespace {

class KlartextTipps : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::ToolTip || !o->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(o);
        const QString tipp = w->toolTip();
        if (tipp.isEmpty() || !Qt::mightBeRichText(tipp)) return false;  // Qt shows it as it stands anyway
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), tippAlsKlartext(tipp), w, {},
                           w->toolTipDuration());
        return true;
    }
};

}  // namespace

QString tippAlsKlartext(const QString& tipp) {
    if (!Qt::mightBeRichText(tipp)) return tipp;
    // The blanks around a tip are part of it.
    return QStringLiteral("<p style=\"white-space:pre\">") + tipp.toHtmlEscaped() + QStringLiteral("</p>");
}

void zeigeTippsAlsKlartext() {
    static KlartextTipps* filter = nullptr;
    if (filter || !qApp) return;
    filter = new KlartextTipps(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace ovi
