// The warning shown before a file is written when some values hold characters the game's
// code page cannot, which are saved as "?".
#pragma once

class QPlainTextEdit;
class QWidget;

namespace vornask {

class LostCharacters;

// True when there is nothing to warn about, or the user chose to go on ("OK", the default);
// false for "Cancel".
bool GoOnDespiteLostCharacters(QWidget* parent, const LostCharacters& lost);

// The same for the text of a source view.
bool GoOnDespiteLostCharacters(QWidget* parent, const QPlainTextEdit& source);

} // namespace vornask
