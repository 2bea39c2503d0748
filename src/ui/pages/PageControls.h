// Controls as every page makes them: named, with their hint, set up the way the pages need.
#pragma once

#include "core/text/FileText.h"

#include <QStringList>
#include <cstddef>

class QAbstractScrollArea;
class QCheckBox;
class QColor;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QSize;
class QWidget;

class TSpinEdit;

namespace vornask {

QLineEdit* MakeLineEdit(const QString& name, const QString& text, const QString& hint);
TSpinEdit* MakeSpinEdit(const QString& name, int minimum, int maximum, int step,
                        const QString& hint);
// Typed text is kept as typed: nothing is inserted into the list and nothing completes it.
QComboBox* MakeEditableComboBox(const QString& name, const QStringList& items,
                                const QString& hint = QString());
// A multi-line text box named `name`, which Tab and Shift+Tab leave; what is pasted into it is
// cut to `maxLines` lines in all, and to the longest value of a line on each.
QPlainTextEdit* MakeTextBox(const QString& name, std::size_t maxLines = kMaxTextLines);
// A text box for the user's words: wrapped, as tall as its page lets it be.
QPlainTextEdit* MakeMemo(const QString& name, const QString& hint);
QListWidget* MakeCheckList(const QString& name, const QStringList& captions, const QString& hint);
QLabel* MakeLabel(const QString& name, const QString& text);
QCheckBox* MakeCheckBox(const QString& name, const QString& caption);
// Puts the focus in `control` with its text selected, as Tab would; in a window not yet shown,
// the focus is there once the window opens.
void FocusAsTabWould(QWidget& control);
// `size`, or larger where the button's caption needs more room at this desktop's font.
QSize ButtonSize(const QPushButton& button, QSize size);
// Colours a label's text through its palette. A style sheet would do the same at a cost: the
// first one in a program builds Qt's style sheet machinery, which costs start-up time.
void SetLabelColour(QLabel& label, const QColor& colour);
// A window's large bold dark-red heading.
QLabel* MakeHeading(const QString& text);

// Escape would throw away everything typed in a window that holds the user's work; only
// the window's close control does that.
void KeepOpenOnEscape(QWidget& window);

// Asks, for each line of `box` that the game would read as the start of a new section, to put a
// space in front of it, and does so on Yes. False, with that line selected in the box, when the
// user says No: the box's text is then to be mended by hand. The first line is left alone when
// it is saved behind a tag (HoldsSectionStart).
bool SpaceLinesStartingSections(QPlainTextEdit& box, bool firstLineBehindTag);

// What the input controls inside `window` show, in a fixed order: the texts of its edit
// boxes, the states of its check boxes and check-lists, the choice of each list-only combo box.
QStringList ShownValues(const QWidget& window);

// The height a list or memo needs to show `rows` rows of `rowHeight` pixels.
int RowsHeight(const QAbstractScrollArea& area, int rowHeight, int rows);

} // namespace vornask
