#include "ui/controls/SingleLine.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace vornask {
namespace {

bool IsLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TSingleLineValidator", not "vornask::TSingleLineValidator".
using namespace vornask;

// The edit asks after every change, so a break can only have come with the text just inserted,
// which ends at the cursor: that text is cut from its first break on.
QValidator::State TSingleLineValidator::validate(QString& text, int& cursor) const {
    const auto firstBreak = std::find_if(text.cbegin(), text.cend(), IsLineBreak) - text.cbegin();
    if (firstBreak == text.size())
        return Acceptable;
    const qsizetype insertEnd = std::max<qsizetype>(cursor, firstBreak + 1);
    text.remove(firstBreak, insertEnd - firstBreak);
    // A break after the cursor can only stem from text the program set; it goes as well.
    text.removeIf(IsLineBreak);
    cursor = static_cast<int>(firstBreak);
    return Acceptable;
}

void vornask::KeepOnOneLine(QLineEdit& edit) {
    edit.setValidator(new TSingleLineValidator(&edit));
    // Qt cuts a line edit's text at 32,767 characters; a value of the game's file has no limit.
    edit.setMaxLength(std::numeric_limits<int>::max());
}

QWidget* TSingleLineItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        KeepOnOneLine(*line);
    return editor;
}
