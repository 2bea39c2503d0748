// One-line edits that stay on one line. A value of a one-line edit is written into one line of
// the game's file, so a line break pasted into it would split that line. As in the platform's
// own single-line edit, pasted or dropped text is kept up to its first line break.
#pragma once

#include <QStyledItemDelegate>
#include <QValidator>

class QLineEdit;
class QString;

namespace vornask {

// Gives `edit` the single-line rule, and the length of the longest value a line may hold.
void KeepOnOneLine(QLineEdit& edit);
// Shows `text` whole: a value read from a file may be longer than what typing may reach, and
// the edit takes it as it is (typing past that length stays refused).
void ShowWhole(QLineEdit& edit, const QString& text);

} // namespace vornask

class TSingleLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& text, int& cursor) const override;
};

// Item views edit in place through one-line edits of their own; this gives them the rule too.
class TSingleLineItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};
