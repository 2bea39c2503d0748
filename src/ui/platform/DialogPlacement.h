// Where the program's dialogs and message boxes open: centred over the window they were
// opened from or, when that window is no longer shown, over the program's window in use.
#pragma once

class QDialog;
class QWidget;

namespace vornask {

// `asked` while its window is shown; otherwise the active modal window, the active window,
// or the first shown window of the program, in that order. A dialog parented to a hidden
// window would open at the top left of the screen.
QWidget* ShownWindow(QWidget* asked);

// Runs `dialog` modally, centred over ShownWindow(`over`), then hands it back to its owner
// (a kept dialog belongs to one window, and any window may ask with it).
int ExecCentredOver(QDialog& dialog, QWidget* over);

} // namespace vornask
