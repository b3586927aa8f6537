// The chances for a print or an export: worked out off the GUI thread while a progress box offers to cancel.
#pragma once

#include <optional>

#include "core/chancen.h"

class QWidget;

namespace ovi {

// Nothing when the operator cancelled. Throws like the evaluation.
std::optional<Chancen> berechneChancenWartend(QWidget* eltern, const Spielstand& s);

}  // namespace ovi
