// Where a new top-level window opens. A QDialog is centred over its parent by Qt; a window of its own (the race
// chart) is placed by the window manager, which may put part of it below the screen's edge.
#pragma once

class QWidget;

namespace ovi {

// Centres `neu` over `haupt`, on the screen that shows `haupt` and whole within the part of it that panels leave
// free, with the frame the window manager gave `haupt`; a window too big for it is made smaller. Before the first
// show of `neu`.
void legeAufBildschirm(QWidget* neu, const QWidget* haupt);

}  // namespace ovi
