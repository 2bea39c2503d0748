// Multi-line boxes that take no more pasted text than a file's text may hold.
#pragma once

#include <QPlainTextEdit>
#include <cstddef>

// A multi-line box whose pasted or dropped text is cut to the bounds of a file: at most
// `maxLines` lines in the box, and each pasted line no longer than a value of one line.
// Laying out a longer text would freeze the page, and saving it would make a file the program
// refuses to open.
class TTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TTextBox(std::size_t maxLines);

protected:
    void insertFromMimeData(const QMimeData* source) override;

private:
    std::size_t maxLines_;
};

namespace vornask {

// `text` with at most `maxBreaks` line breaks (a CR LF counts once), the rest cut off, and
// every line cut to `maxLineLength` characters.
QString BoundedText(const QString& text, std::size_t maxBreaks, std::size_t maxLineLength);

} // namespace vornask
