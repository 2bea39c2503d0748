#include "ui/controls/SingleLine.h"

#include "core/text/FileText.h"

#include <QLineEdit>
#include <algorithm>

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
    // Longer text would make a file the program refuses to open, and takes Qt long to lay out.
    edit.setMaxLength(static_cast<int>(kMaxValueBytes));
}

void vornask::ShowWhole(QLineEdit& edit, const QString& text) {
    edit.setMaxLength(std::max(static_cast<int>(kMaxValueBytes), static_cast<int>(text.size())));
    edit.setText(text);
}

QWidget* TSingleLineItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                               const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        KeepOnOneLine(*line);
    return editor;
}
