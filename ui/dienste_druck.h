// The desktop's side of printing and exporting: a choice of tick boxes and the print preview.
#pragma once

#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

class QPrinter;
class QWidget;

namespace ovi {

std::optional<QList<bool>> kreuzeAn(QWidget* eltern, const QString& titel, const QStringList& punkte,
                                    const QList<bool>& vorgabe);
// Modeless like the program's other windows; the pages are painted again whenever the preview asks.
void druckeMitVorschau(QWidget* eltern, const std::function<void(QPrinter*)>& malen);

}  // namespace ovi
