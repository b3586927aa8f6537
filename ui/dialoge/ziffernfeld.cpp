#include "ui/dialoge/ziffernfeld.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <cmath>

namespace ovi {
namespace {
constexpr const char* laenge = "ziffernLaenge";
}

int pruefeZiffer(int code) {
    if ((code >= 48 && code <= 57) || code == 8) return code;
    return 48;
}

long long textWert(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negativ = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negativ = text[i++] == u'-';
    QString zahl;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) zahl += text[i++];
    if (i < text.size() && text[i] == u'.') {
        zahl += text[i++];
        while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) zahl += text[i++];
    }
    bool ok = false;
    const double wert = zahl.toDouble(&ok);
    if (!ok) return 0;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const double gerundet = std::nearbyint(negativ ? -wert : wert);
    if (gerundet > 9e18 || gerundet < -9e18) return negativ ? -9000000000000000000LL : 9000000000000000000LL;
    return static_cast<long long>(gerundet);
}

void ZiffernFilter::ueberwache(QLineEdit* feld, int maxLaenge) {
    // No maxLength: it would cut a longer value from the game state when it is shown.
    feld->setProperty(laenge, maxLaenge);
    const QRegularExpression muster(QStringLiteral("[0-9]{0,%1}").arg(maxLaenge));
    feld->setValidator(new QRegularExpressionValidator(muster, feld));
    feld->installEventFilter(this);
}

bool ZiffernFilter::eventFilter(QObject* o, QEvent* e) {
    auto* feld = qobject_cast<QLineEdit*>(o);
    if (feld == nullptr || e->type() != QEvent::KeyPress || !feld->property(laenge).isValid())
        return QObject::eventFilter(o, e);
    auto* taste = static_cast<QKeyEvent*>(e);
    const int k = taste->key();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab || k == Qt::Key_Backspace || k == Qt::Key_Delete ||
        k == Qt::Key_Escape)
        return false;
    // Copy, paste and the like keep working; the validator guards what arrives.
    if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = taste->text();
    if (text.isEmpty()) return false;
    const char16_t c = text.size() == 1 ? text[0].unicode() : u'x';
    const QChar ziffer(static_cast<char16_t>(pruefeZiffer(c)));
    if (feld->isReadOnly() || !feld->isEnabled()) return true;
    if (feld->property(laenge).toInt() == 1) feld->selectAll();
    // Return and Enter type "0" as well and go no further, so they never fire a button.
    feld->insert(QString(ziffer));
    return true;
}

}  // namespace ovi
