#include "ui/platform/FileOpening.h"

#include "core/saving/FileBounds.h"
#include "core/text/Utf8.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <filesystem>
#include <system_error>

namespace vornask {
namespace {

namespace fs = std::filesystem;

constexpr int kLinesShown = 5;

QString CannotOpen(const QString& path, const QString& reason) {
    return Texts::tr("Cannot open %1: %2").arg(QDir::toNativeSeparators(path), reason);
}

QString QuotedLines(const std::vector<FileLine>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size() && i < kLinesShown; ++i)
        text +=
            Texts::tr("Line %1: %2\n").arg(lines[i].number).arg(FromAnsi(lines[i].text).left(80));
    if (lines.size() > kLinesShown)
        text += QStringLiteral("...\n");
    return text;
}

// Why there is nothing at `info`'s path to open, as the system tells it; two cases in the
// program's own words. A name that is not UTF-8 reaches the program changed (each stray byte
// became U+FFFD), so the system finds no such file although the folder shows it.
QString WhyNotFound(const QFileInfo& info) {
    std::error_code error;
    (void)fs::status(fs::path(QFile::encodeName(info.absoluteFilePath()).toStdString()), error);
    if (error && error != std::errc::no_such_file_or_directory)
        return QString::fromLocal8Bit(error.message()) + QLatin1Char('.');
    const fs::path folder(QFile::encodeName(info.absolutePath()).toStdString());
    for (fs::directory_iterator it(folder, error); !error && it != fs::directory_iterator();
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (ValidUtf8(name) != name && QFile::decodeName(name.c_str()) == info.fileName())
            return Texts::tr(
                "its name is not valid UTF-8, so this program cannot open it. Give it a "
                "name without such bytes.");
    }
    return Texts::tr("there is no such file.");
}

// A warning about `lines` of the file at `path`, led by `lead`: open it anyway?
bool AskToOpenAnyway(QWidget* parent, const QString& lead, const std::vector<FileLine>& lines) {
    const QString text = lead + QStringLiteral("\n\n") + QuotedLines(lines) + QStringLiteral("\n") +
                         Texts::tr("Open it anyway?");
    return QMessageBox::warning(parent, Texts::tr("VORNASK Creator"), text,
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

QString NotKeptLead(const QString& path, const std::vector<FileLine>& lost) {
    const int count = static_cast<int>(lost.size());
    const QString lines =
        count == 1
            ? Texts::tr("1 line of %1 will not be kept when the file is saved again:")
            : Texts::tr("%n lines of %1 will not be kept when the file is saved again:", nullptr,
                        count);
    return lines.arg(QFileInfo(path).fileName());
}

QString SectionStartsLead(const QString& path, const std::vector<FileLine>& starts) {
    const int count = static_cast<int>(starts.size());
    const QString lines =
        count == 1
            ? Texts::tr("1 line of %1 starts with \"[\" below a text, so the game reads it as "
                        "the start of a new section, and the text above it ends there:")
            : Texts::tr("%n lines of %1 start with \"[\" below a text, so the game reads each "
                        "as the start of a new section, and the text above it ends there:",
                        nullptr, count);
    return lines.arg(QFileInfo(path).fileName());
}

// The lines of an opened file that hold control characters: the pages show them as "?", and
// they stay in the file where the user changes nothing.
QString ControlCharactersNote(const QString& path, const std::vector<FileLine>& lines) {
    QStringList numbers;
    for (std::size_t i = 0; i < lines.size() && i < kLinesShown; ++i)
        numbers << QString::number(lines[i].number);
    if (lines.size() > kLinesShown)
        numbers << QStringLiteral("...");
    return Texts::tr(
               "%1 holds control characters, which the game's text has no place for, in line %2. "
               "The pages show each of them as \"?\"; a value you change is saved so, and the "
               "rest of the file keeps them.")
        .arg(QFileInfo(path).fileName(), numbers.join(QStringLiteral(", ")));
}

} // namespace

QString RefusalText(const Refusal& refusal) {
    switch (refusal.reason) {
    case RefusalReason::TooLarge:
        return Texts::tr(
                   "it is larger than %1 MB, far larger than any mission or campaign guide file.")
            .arg(kMaxReadableFileBytes / (1024 * 1024));
    case RefusalReason::TooManyLines:
        return Texts::tr(
                   "it has more than %1 lines, far more than any mission or campaign guide file.")
            .arg(QLocale::c().toString(qulonglong(kMaxReadableFileLines)));
    case RefusalReason::HoldsNulByte:
        return Texts::tr("line %1 holds a NUL byte, so it is no text file.").arg(refusal.detail);
    case RefusalReason::LineTooLong:
        return Texts::tr(
                   "line %1 is longer than %2 characters, far longer than any line of a mission "
                   "or campaign guide file.")
            .arg(refusal.detail)
            .arg(QLocale::c().toString(qulonglong(kMaxLineBytes)));
    case RefusalReason::TextTooLong:
        return Texts::tr("one of its texts has %1 lines; a story, message or intro may have %2.")
            .arg(QLocale::c().toString(qulonglong(refusal.detail)),
                 QLocale::c().toString(qulonglong(kMaxTextLines)));
    case RefusalReason::NoHeaderSection:
        return Texts::tr("it has no [Header] section, so it is no mission file.");
    case RefusalReason::NoOverviewSection:
        return Texts::tr("it has no [Overview] section, so it is no campaign guide file.");
    }
    return {};
}

std::optional<FileToOpen> LoadFileToOpen(QWidget* parent, const QString& path) {
    QString reason;
    std::optional<std::string> bytes = ReadFileQuietly(path, &reason);
    if (!bytes || bytes->size() > kMaxReadableFileBytes) {
        ShowError(parent,
                  CannotOpen(path, bytes ? RefusalText({RefusalReason::TooLarge}) : reason));
        return std::nullopt;
    }
    const QFileInfo info(path);
    FileToOpen result{path, std::move(*bytes), FileKind::Unknown};
    result.kind = DetectFileKind(result.bytes);
    // Only a file that is one of the program's own kinds is worth the question.
    if (result.kind != FileKind::Unknown && LooksLikeUtf8(result.bytes) &&
        AskQuestion(parent,
                    Texts::tr("%1 looks like UTF-8 text. Read it as UTF-8?").arg(info.fileName()),
                    false) == Answer::Yes)
        result.decoding = TextDecoding::Utf8;
    return result;
}

std::optional<std::string> ReadFileQuietly(const QString& path, QString* reason) {
    const QFileInfo info(path);
    QString why;
    if (info.isFile()) {
        QFile file(path);
        QByteArray bytes;
        if (file.open(QIODevice::ReadOnly))
            bytes = file.read(static_cast<qint64>(kMaxReadableFileBytes) + 1);
        if (file.error() == QFileDevice::NoError)
            return bytes.toStdString();
        why = file.errorString();
    } else {
        why = info.exists() ? Texts::tr("it is not a file.") : WhyNotFound(info);
    }
    if (reason)
        *reason = why;
    return std::nullopt;
}

bool AcceptReading(QWidget* parent, const QString& path, const ReadReport& report) {
    if (report.refusal) {
        ShowError(parent, CannotOpen(path, RefusalText(*report.refusal)));
        return false;
    }
    if (!report.notKept.empty() &&
        !AskToOpenAnyway(parent, NotKeptLead(path, report.notKept), report.notKept))
        return false;
    if (!report.sectionStarts.empty() &&
        !AskToOpenAnyway(parent, SectionStartsLead(path, report.sectionStarts),
                         report.sectionStarts))
        return false;
    if (report.encoding != TextEncoding::Windows1252) {
        QString note = Texts::tr("%1 is %2 text. It will be saved in the game's code page "
                                 "(Windows-1252).")
                           .arg(QFileInfo(path).fileName(), report.encoding == TextEncoding::Utf8
                                                                ? QStringLiteral("UTF-8")
                                                                : QStringLiteral("UTF-16"));
        if (!report.replacedCharacters.empty())
            note += QStringLiteral(" ") +
                    Texts::tr("Characters that code page lacks, in line %1 and perhaps others, now "
                              "read \"?\".")
                        .arg(report.replacedCharacters.front().number);
        ShowInformation(parent, note);
    }
    if (!report.controlCharacters.empty())
        ShowInformation(parent, ControlCharactersNote(path, report.controlCharacters));
    return true;
}

bool AcceptSaving(QWidget* parent, std::string_view bytes, FileKind kind) {
    const std::optional<Refusal> refusal = BoundsRefusalOfSaving(bytes, kind);
    if (refusal)
        ShowError(parent,
                  Texts::tr("The file is not saved, as this program could not open it again: %1")
                      .arg(RefusalText(*refusal)));
    return !refusal;
}

} // namespace vornask
