// Crossing between the windows' Unicode text and the game's 8-bit Windows-1252 text.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QPlainTextEdit;

namespace vornask {

class LostCharacters;
struct FieldRef;

// A control's text as the game's 8-bit text; a character the game's text cannot hold
// becomes '?'.
std::string ToAnsi(const QString& text);
QString FromAnsi(const std::string& text);

// `ToAnsi`, remembering in `lost` what the field `where` could not keep.
std::string Captured(const QString& text, LostCharacters& lost, FieldRef where);

// A memo's text exactly as typed, every line break as "\n".
QString MemoRawText(const QPlainTextEdit& memo);

// A memo's whole text, its lines joined by CR LF, no line break added after the last line.
std::string MemoText(const QPlainTextEdit& memo);

// A memo's lines as separated by its line breaks (a long wrapped line stays one line); an
// empty last line counts, and an empty memo has none. What `SetMemoLines` put in comes back,
// except one empty line alone, which a memo shows as it shows no lines at all.
std::vector<std::string> MemoLines(const QPlainTextEdit& memo);

// Remembers in `lost` what the memo's text loses when captured into the field `where`.
void RecordMemo(const QPlainTextEdit& memo, LostCharacters& lost, FieldRef where);

// Replaces a memo's content by `lines`, one paragraph each.
void SetMemoLines(QPlainTextEdit& memo, const std::vector<std::string>& lines);

} // namespace vornask
