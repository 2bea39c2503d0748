#include "core/saving/SaveProcedure.h"

#include "core/text/TextLines.h"

#include <string_view>

namespace vornask {
namespace {

constexpr std::string_view kEnglish = ".english";
constexpr std::string_view kGerman = ".german";

} // namespace

bool HasEnglishExtension(const std::string& path) {
    return path.ends_with(kEnglish);
}

std::optional<std::string> GermanCopyPath(const std::string& path) {
    if (HasEnglishExtension(path))
        return path.substr(0, path.size() - kEnglish.size()).append(kGerman);
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

Attempt TryOnce(Saving& s) {
    const std::optional<std::string> path = s.user.AskFileName();
    if (!path)
        return s.user.Confirm({SaveMessageKind::SureNotToSave, {}, {}}, false) == Answer::Yes
                   ? Attempt::GiveUp
                   : Attempt::TryAgain;
    if (!MayReplace(*path, s))
        return Attempt::TryAgain;
    std::vector<std::string> targets = {*path};
    if (s.duplicate) {
        const std::optional<std::string> copy = GermanCopyPath(*path);
        if (!copy) {
            s.user.Warn({SaveMessageKind::NoEnglishExtension, {}, {}});
            return Attempt::TryAgain;
        }
        // The copy of an ".english" file replaces that file's own earlier copy; a name cut
        // elsewhere may belong to an unrelated file, so that one is asked about first.
        if (!HasEnglishExtension(*path) && !MayReplace(*copy, s))
            return Attempt::TryAgain;
        targets.push_back(*copy);
    }
    return WriteTargets(targets, s);
}

} // namespace

SaveResult SaveBytesToFile(const std::string& bytes, bool duplicate, SaveSide side, SaveUser& user,
                           FileStore& files) {
    Saving saving{bytes, duplicate, side, user, files};
    SaveResult result;
    for (;;) {
        switch (TryOnce(saving)) {
        case Attempt::Saved:
            result.saved = true;
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
