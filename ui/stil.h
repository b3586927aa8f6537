// The program's widget style: Fusion, with the menu bar's overflow button drawn instead of read from files.
#pragma once

class QStyle;

namespace ovi {

// For QApplication::setStyle, which takes it over.
QStyle* neuerStil();

}  // namespace ovi
