#include "core/saving/SaveProcedure.h"

#include "core/registry/WindowsNames.h"
#include "core/text/FileKind.h"
#include "core/text/TextLines.h"

#include <algorithm>
#include <string_view>

namespace vornask {
namespace {

constexpr std::string_view kGerman = ".german";

std::size_t NameStart(const std::string& path) {
    const std::size_t lastSeparator = path.find_last_of("/\\");
    return lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
}

// ".german" with each letter in the case of the letter of ".english" at its place.
std::string GermanEndingLike(std::string_view english) {
    std::string ending(kGerman);
    for (std::size_t i = 1; i < ending.size(); ++i)
        if (english[i] >= 'A' && english[i] <= 'Z')
            ending[i] = static_cast<char>(ending[i] - 'a' + 'A');
    return ending;
}

} // namespace

bool HasEnglishExtension(const std::string& path) {
    const std::size_t length = kMissionFileExtension.size();
    return path.size() >= length &&
           SameWindowsName(std::string_view(path).substr(path.size() - length),
                           kMissionFileExtension);
}

std::optional<std::string> GermanCopyPath(const std::string& path) {
    if (HasEnglishExtension(path)) {
        const std::size_t stem = path.size() - kMissionFileExtension.size();
        return path.substr(0, stem).append(GermanEndingLike(std::string_view(path).substr(stem)));
    }
    const std::size_t eng = path.find(".eng", NameStart(path));
    if (eng == std::string::npos)
        return std::nullopt;
    return path.substr(0, eng).append(kGerman);
}

std::string AsNamedOnDisk(const std::string& path, FileStore& files) {
    if (files.Exists(path))
        return path;
    const std::size_t nameStart = NameStart(path);
    const std::string_view name = std::string_view(path).substr(nameStart);
    std::vector<std::string> sameName;
    for (std::string& entry : files.NamesInFolderOf(path))
        if (SameWindowsName(entry, name))
            sameName.push_back(std::move(entry));
    if (sameName.empty())
        return path;
    // Two such files can stand side by side only outside Windows: the choice stays the same.
    return path.substr(0, nameStart) + *std::min_element(sameName.begin(), sameName.end());
}

namespace {

enum class Attempt { Saved, TryAgain, GiveUp, WriteFailed };

struct Saving {
    std::string bytes;
    bool duplicate;
    SaveSide side;
    SaveUser& user;
    FileStore& files;
    std::string chosen = {}; // the file name of the latest attempt
};

// A target's new bytes, waiting in a temporary file.
struct Staged {
    std::string target;
    std::string temporary;
};

// An existing file is only ever replaced after a "Yes".
bool MayReplace(const std::string& path, Saving& s) {
    return !s.files.Exists(path) ||
           s.user.Confirm({SaveMessageKind::Overwrite, path, {}}, true) == Answer::Yes;
}

// A file the user may not write is not replaced, whatever the folder would allow.
bool RefusedAsReadOnly(const std::string& path, Saving& s) {
    if (!s.files.ReadOnly(path))
        return false;
    s.user.ReportError({SaveMessageKind::ReadOnlyFile, path, {}});
    return true;
}

SaveMessageKind ForSide(SaveSide side, SaveMessageKind mission, SaveMessageKind campaign) {
    return side == SaveSide::Mission ? mission : campaign;
}

// A folder that refuses new files refuses also to replace a file it holds: the new bytes go
// into a new file beside it first.
void ReportFailure(const std::string& target, const StoreError& error, Saving& s) {
    if (error.refusingFolder.empty())
        s.user.ReportError({SaveMessageKind::CannotCreateFile, target, error.reason});
    else if (s.files.Exists(target))
        s.user.ReportError({SaveMessageKind::FolderRefusesReplacing, target, error.reason});
    else
        s.user.ReportError(
            {SaveMessageKind::FolderRefusesNewFiles, error.refusingFolder, error.reason});
}

Attempt FailAndDiscard(const std::string& target, const StoreError& error,
                       const std::vector<Staged>& staged, Saving& s) {
    for (const Staged& file : staged)
        s.files.Discard(file.temporary);
    ReportFailure(target, error, s);
    return Attempt::WriteFailed;
}

// Every target is written into a temporary file first. Only when all are complete is the
// file renamed into place, then its copy: the copy never holds newer bytes than the file,
// and any failure before the file's rename leaves everything as it was.
Attempt WriteTargets(const std::vector<std::string>& targets, Saving& s) {
    std::vector<Staged> staged;
    for (const std::string& target : targets) {
        TemporaryFile written = s.files.WriteTemporary(target, s.bytes);
        if (written.error)
            return FailAndDiscard(target, *written.error, staged, s);
        staged.push_back({target, std::move(written.path)});
    }
    const Staged& file = staged.front();
    if (const auto error = s.files.Rename(file.temporary, file.target))
        return FailAndDiscard(file.target, *error, staged, s);
    // The file is saved. A copy that cannot follow keeps its old bytes, and the user is told.
    for (auto copy = staged.begin() + 1; copy != staged.end(); ++copy) {
        if (const auto error = s.files.Rename(copy->temporary, copy->target)) {
            s.files.Discard(copy->temporary);
            s.user.Warn({ForSide(s.side, SaveMessageKind::MissionSavedWithoutCopy,
                                 SaveMessageKind::CampaignSavedWithoutCopy),
                         copy->target, error->reason});
        }
    }
    return Attempt::Saved;
}

enum class CopyChoice { Write, KeepTranslation, KeepReadOnly, TryAgain };

// An ".english" file's own copy is a translation when it differs from the file it stands
// beside, the one being replaced; beside no file, when it differs from what is being written.
// A copy of the file as it was is kept in step without a question.
bool IsTranslation(const std::string& path, const std::string& copy, Saving& s) {
    if (!s.files.Differs(copy, s.bytes))
        return false;
    return !s.files.Exists(path) || !s.files.SameBytes(path, copy);
}

CopyChoice ChooseCopy(const std::string& path, const std::string& copy, Saving& s) {
    // A copy that may not be written costs the file nothing: it is saved alone.
    if (s.files.ReadOnly(copy))
        return CopyChoice::KeepReadOnly;
    // A name cut at another ".eng" may belong to an unrelated file: asked about like the file.
    if (!HasEnglishExtension(path))
        return MayReplace(copy, s) ? CopyChoice::Write : CopyChoice::TryAgain;
    // "No" to replacing a translation leaves it alone without giving up the file.
    if (IsTranslation(path, copy, s) &&
        s.user.Confirm({SaveMessageKind::ReplaceDifferentCopy, copy, {}}, false) != Answer::Yes)
        return CopyChoice::KeepTranslation;
    return CopyChoice::Write;
}

Attempt TryOnce(Saving& s) {
    const std::optional<std::string> path = s.user.AskFileName();
    s.chosen = path.value_or(std::string());
    if (!path)
        return s.user.Confirm({SaveMessageKind::SureNotToSave, {}, {}}, false) == Answer::Yes
                   ? Attempt::GiveUp
                   : Attempt::TryAgain;
    if (RefusedAsReadOnly(*path, s))
        return Attempt::WriteFailed;
    if (!MayReplace(*path, s))
        return Attempt::TryAgain;
    std::vector<std::string> targets = {*path};
    std::optional<SaveMessage> copyNotWritten; // told once the file is saved
    if (s.duplicate) {
        const std::optional<std::string> copyName = GermanCopyPath(*path);
        if (!copyName) {
            s.user.Warn({SaveMessageKind::NoEnglishExtension, {}, {}});
            return Attempt::TryAgain;
        }
        const std::string copy = AsNamedOnDisk(*copyName, s.files);
        switch (ChooseCopy(*path, copy, s)) {
        case CopyChoice::Write:
            targets.push_back(copy);
            break;
        case CopyChoice::KeepTranslation:
            copyNotWritten = {ForSide(s.side, SaveMessageKind::MissionSavedCopyKept,
                                      SaveMessageKind::CampaignSavedCopyKept),
                              copy,
                              {}};
            break;
        case CopyChoice::KeepReadOnly:
            copyNotWritten = {ForSide(s.side, SaveMessageKind::MissionSavedCopyReadOnly,
                                      SaveMessageKind::CampaignSavedCopyReadOnly),
                              copy,
                              {}};
            break;
        case CopyChoice::TryAgain:
            return Attempt::TryAgain;
        }
    }
    const Attempt attempt = WriteTargets(targets, s);
    if (attempt == Attempt::Saved && copyNotWritten)
        s.user.Warn(*copyNotWritten);
    return attempt;
}

} // namespace

bool CopyMatchesFile(const std::string& path, FileStore& files) {
    const std::optional<std::string> copy = GermanCopyPath(path);
    return copy && files.SameBytes(path, AsNamedOnDisk(*copy, files));
}

SaveResult SaveBytesToFile(const std::string& bytes, bool duplicate, SaveSide side, SaveUser& user,
                           FileStore& files) {
    Saving saving{bytes, duplicate, side, user, files};
    SaveResult result;
    for (;;) {
        switch (TryOnce(saving)) {
        case Attempt::Saved:
            result.saved = true;
            result.path = saving.chosen;
            return result;
        case Attempt::GiveUp:
            return result;
        case Attempt::WriteFailed:
            result.writeFailed = true;
            break;
        case Attempt::TryAgain:
            break;
        }
    }
}

SaveResult SaveLinesToFile(const std::vector<std::string>& lines, bool duplicate, SaveSide side,
                           SaveUser& user, FileStore& files) {
    return SaveBytesToFile(JoinLinesCrLf(lines), duplicate, side, user, files);
}

} // namespace vornask
