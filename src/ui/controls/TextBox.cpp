#include "ui/controls/TextBox.h"

#include "core/text/FileText.h"

#include <QMimeData>
#include <QTextBlock>

namespace vornask {

QString BoundedText(const QString& text, std::size_t maxBreaks, std::size_t maxLineLength) {
    QString bounded;
    std::size_t breaks = 0;
    std::size_t lineLength = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (breaks++ == maxBreaks)
                break;
            const bool crLf =
                c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
            bounded += text.mid(i, crLf ? 2 : 1);
            i += crLf ? 1 : 0;
            lineLength = 0;
        } else if (lineLength++ < maxLineLength) {
            bounded += c;
        }
    }
    return bounded;
}

} // namespace vornask

TTextBox::TTextBox(std::size_t maxLines) : maxLines_(maxLines) {}

void TTextBox::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    const QTextCursor cursor = textCursor();
    const int replacedBreaks = document()->findBlock(cursor.selectionEnd()).blockNumber() -
                               document()->findBlock(cursor.selectionStart()).blockNumber();
    const auto kept = static_cast<std::size_t>(blockCount() - replacedBreaks);
    const std::size_t room = kept < maxLines_ ? maxLines_ - kept : 0;
    insertPlainText(vornask::BoundedText(source->text(), room, vornask::kMaxValueBytes));
    ensureCursorVisible();
}
