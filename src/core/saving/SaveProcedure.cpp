#include "core/saving/SaveProcedure.h"

#include "core/text/FileKind.h"
#include "core/text/TextLines.h"

#include <string_view>

namespace vornask {
namespace {

constexpr std::string_view kGerman = ".german";

} // namespace

bool HasEnglishExtension(const std::string& path) {
    return path.ends_with(kMissionFileExtension);
}

std::optional<std::string> GermanCopyPath(const std::string& path) {
    if (HasEnglishExtension(path))
        return path.substr(0, path.size() - kMissionFileExtension.size()).append(kGerman);
    const std::size_t lastSeparator = path.find_last_of("/\\");
    const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    const std::size_t eng = path.find(".eng", nameStart);
    if (eng == std::string::npos)
        return std::nullopt;
    return path.substr(0, eng).append(kGerman);
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

void ReportFailure(const std::string& target, const StoreError& error, SaveUser& user) {
    if (error.refusingFolder.empty())
        user.ReportError({SaveMessageKind::CannotCreateFile, target, error.reason});
    else
        user.ReportError(
            {SaveMessageKind::FolderRefusesNewFiles, error.refusingFolder, error.reason});
}

Attempt FailAndDiscard(const std::string& target, const StoreError& error,
                       const std::vector<Staged>& staged, Saving& s) {
    for (const Staged& file : staged)
        s.files.Discard(file.temporary);
    ReportFailure(target, error, s.user);
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
            s.user.Warn({s.side == SaveSide::Mission ? SaveMessageKind::MissionSavedWithoutCopy
                                                     : SaveMessageKind::CampaignSavedWithoutCopy,
                         copy->target, error->reason});
        }
    }
    return Attempt::Saved;
}

enum class CopyChoice { Write, Keep, TryAgain, Refused };

CopyChoice ChooseCopy(const std::string& path, const std::string& copy, Saving& s) {
    // A name cut at another ".eng" may belong to an unrelated file: asked about like the file.
    if (!HasEnglishExtension(path)) {
        if (RefusedAsReadOnly(copy, s))
            return CopyChoice::Refused;
        return MayReplace(copy, s) ? CopyChoice::Write : CopyChoice::TryAgain;
    }
    // The ".english" file's own copy may be a translation: it is replaced unasked only while
    // it holds what is being written, and "No" leaves it alone without giving up the file.
    if (s.files.Differs(copy, s.bytes) &&
        s.user.Confirm({SaveMessageKind::ReplaceDifferentCopy, copy, {}}, false) != Answer::Yes)
        return CopyChoice::Keep;
    return RefusedAsReadOnly(copy, s) ? CopyChoice::Refused : CopyChoice::Write;
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
    std::optional<std::string> keptCopy;
    if (s.duplicate) {
        const std::optional<std::string> copy = GermanCopyPath(*path);
        if (!copy) {
            s.user.Warn({SaveMessageKind::NoEnglishExtension, {}, {}});
            return Attempt::TryAgain;
        }
        switch (ChooseCopy(*path, *copy, s)) {
        case CopyChoice::Write:
            targets.push_back(*copy);
            break;
        case CopyChoice::Keep:
            keptCopy = copy;
            break;
        case CopyChoice::TryAgain:
            return Attempt::TryAgain;
        case CopyChoice::Refused:
            return Attempt::WriteFailed;
        }
    }
    const Attempt attempt = WriteTargets(targets, s);
    if (attempt == Attempt::Saved && keptCopy)
        s.user.Warn({s.side == SaveSide::Mission ? SaveMessageKind::MissionSavedCopyKept
                                                 : SaveMessageKind::CampaignSavedCopyKept,
                     *keptCopy,
                     {}});
    return attempt;
}

} // namespace

bool CopyMatchesFile(const std::string& path, FileStore& files) {
    const std::optional<std::string> copy = GermanCopyPath(path);
    return copy && files.SameBytes(path, *copy);
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
