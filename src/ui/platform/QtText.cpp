#include "ui/platform/QtText.h"

#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <QPlainTextEdit>

namespace vornask {

std::string ToAnsi(const QString& text) {
    return EncodeWindows1252(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString FromAnsi(const std::string& text) {
    const std::u16string wide = DecodeWindows1252(text);
    return QString(reinterpret_cast<const QChar*>(wide.data()),
                   static_cast<qsizetype>(wide.size()));
}

std::string MemoText(const QPlainTextEdit& memo) {
    return WithCrLfLineBreaks(ToAnsi(memo.toPlainText()));
}

std::vector<std::string> MemoLines(const QPlainTextEdit& memo) {
    return SplitLines(ToAnsi(memo.toPlainText()));
}

void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += FromAnsi(lines[i]); // a line may itself hold breaks (a multi-line story)
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    memo.setPlainText(text);
}

} // namespace vornask
