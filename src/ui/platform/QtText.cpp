#include "ui/platform/QtText.h"

#include "core/text/LostCharacters.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <QPlainTextEdit>
#include <QTextDocument>

namespace vornask {
namespace {

std::u16string_view Utf16(const QString& text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

} // namespace

std::string ToAnsi(const QString& text) {
    return EncodeWindows1252(Utf16(text));
}

QString FromAnsi(const std::string& text) {
    const std::u16string wide = DecodeWindows1252(text);
    return QString(reinterpret_cast<const QChar*>(wide.data()),
                   static_cast<qsizetype>(wide.size()));
}

std::string Captured(const QString& text, LostCharacters& lost, FieldRef where) {
    lost.Record(where, Utf16(text));
    return ToAnsi(text);
}

// toPlainText() would give a no-break space as a plain one; the raw text keeps every
// character, with the document's own separators for its paragraphs and lines.
QString MemoRawText(const QPlainTextEdit& memo) {
    QString text = memo.document()->toRawText();
    for (QChar& c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = QLatin1Char('\n');
    return text;
}

std::string MemoText(const QPlainTextEdit& memo) {
    return WithCrLfLineBreaks(ToAnsi(MemoRawText(memo)));
}

std::vector<std::string> MemoLines(const QPlainTextEdit& memo) {
    return SplitBoxLines(ToAnsi(MemoRawText(memo)));
}

void RecordMemo(const QPlainTextEdit& memo, LostCharacters& lost, FieldRef where) {
    lost.Record(where, Utf16(MemoRawText(memo)));
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
