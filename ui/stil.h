// The program's widget style: Fusion, with the two pictures it needs at start-up (the menu bar's overflow button and
// the group box frame) drawn instead of read from files.
#pragma once

class QStyle;

namespace ovi {

// For QApplication::setStyle, which takes it over.
QStyle* neuerStil();

}  // namespace ovi
