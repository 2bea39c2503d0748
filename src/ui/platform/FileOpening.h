// Reading a mission or campaign guide file for opening: the file's bytes from the disk, and
// what the user must hear before anything changes (a refusal, lines that would not be kept).
#pragma once

#include "core/text/FileKind.h"
#include "core/text/FileText.h"

#include <QString>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace vornask {

struct FileToOpen {
    QString path;
    std::string bytes;
    FileKind kind = FileKind::Unknown;
    TextDecoding decoding = TextDecoding::Detect; // for the readers
};

// The bytes of the file at `path`, read only when it is a regular file no larger than a
// readable file may be; otherwise, or when reading fails, an error box over `parent` gives the
// system's reason and nothing is returned. A mission or guide file without a byte-order mark
// that looks like UTF-8 brings the question whether to read it as UTF-8 ("No", the default,
// reads the game's code page).
std::optional<FileToOpen> LoadFileToOpen(QWidget* parent, const QString& path);

// The bytes of the file at `path`, read without a word to the user: only from a regular file
// (a pipe or device would make the program wait) and no more than kMaxReadableFileBytes + 1 of
// them, which the readers refuse as too large. Otherwise nothing, and `reason` tells why.
std::optional<std::string> ReadFileQuietly(const QString& path, QString* reason = nullptr);

// Why a reader refused a file, as the program's messages say it, after "Cannot open X: ".
QString RefusalText(const Refusal& refusal);

// Whether to go on with what was read from `path`: a refused file gets an error box naming
// the file and the reason (false); lines that would not be kept get a warning that shows the
// first few and asks whether to open anyway, "No" being the default; a UTF-8 or UTF-16 file
// gets a note that saving writes the game's code page.
bool AcceptReading(QWidget* parent, const QString& path, const ReadReport& report);

// Whether the program would open again the file of `kind` that `bytes` are; when not, an
// error box over `parent` says why and nothing may be saved.
bool AcceptSaving(QWidget* parent, std::string_view bytes, FileKind kind);

} // namespace vornask
