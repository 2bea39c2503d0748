// The one save procedure of the mission and the campaign side: ask for a file name, guard
// against overwriting, then write the file and, when wanted, its ".german" copy.
#pragma once

#include "core/saving/FileStore.h"

#include <optional>
#include <string>
#include <vector>

namespace vornask {

enum class Answer { Yes, No, Cancel };

// Whether a mission or a campaign is saved: some messages name it.
enum class SaveSide { Mission, Campaign };

// What the procedure tells or asks the user. The windows word it; `path` and `reason` are
// its arguments where it has them.
enum class SaveMessageKind {
    SureNotToSave,             // question: give up saving?
    Overwrite,                 // question: replace the existing file `path`?
    ReplaceDifferentCopy,      // question: replace the copy `path`, which differs from the file?
    NoEnglishExtension,        // warning: a copy is wanted but the name holds no ".eng"
    CannotCreateFile,          // error: `path` could not be written, for `reason`
    ReadOnlyFile,              // error: `path` may not be written
    FolderRefusesNewFiles,     // error: the folder `path` refused a new file, for `reason`
    FolderRefusesReplacing,    // error: the folder of the file `path` refused the new file that
                               // would replace it, for `reason`
    MissionSavedWithoutCopy,   // warning: the mission is saved, its copy `path` is not
    CampaignSavedWithoutCopy,  // warning: the same for a campaign
    MissionSavedCopyKept,      // warning: the mission is saved, its differing copy `path` kept
    CampaignSavedCopyKept,     // warning: the same for a campaign
    MissionSavedCopyReadOnly,  // warning: the mission is saved, its read-only copy `path` kept
    CampaignSavedCopyReadOnly, // warning: the same for a campaign
};

struct SaveMessage {
    SaveMessageKind kind;
    std::string path;   // a file or folder, as the user chose it (UTF-8)
    std::string reason; // the system's words for a failure

    bool operator==(const SaveMessage&) const = default;
};

// How the procedure talks to the user; the windows answer with real dialogs, tests by script.
class SaveUser {
public:
    virtual ~SaveUser() = default;
    // The chosen full path (UTF-8), or nothing when the user cancelled the dialog.
    virtual std::optional<std::string> AskFileName() = 0;
    virtual Answer Confirm(const SaveMessage& question, bool withCancel) = 0;
    virtual void Warn(const SaveMessage& message) = 0;
    virtual void ReportError(const SaveMessage& message) = 0;
};

struct SaveResult {
    bool saved = false;       // the file was written (its copy too, unless the user was told)
    bool writeFailed = false; // some attempt could not write; the user gave up afterwards
    std::string path;         // saved: the file written, as the user chose it (UTF-8)
};

// True when the file name ends in ".english", in any letter case.
bool HasEnglishExtension(const std::string& path);

// The name of the ".german" copy of `path`: an ".english" ending replaced by ".german" in the
// same letter case (".ENGLISH" by ".GERMAN"); otherwise the file name cut at its first ".eng"
// (exact case) and followed by ".german". Nothing when the file name holds neither.
std::optional<std::string> GermanCopyPath(const std::string& path);

// The file that `path` names as Windows, where the game runs, finds files: `path` itself when
// it exists, else a file in its folder whose name differs from its name only in letter case
// (`THIEF.german` for `Thief.german`), else `path`.
std::string AsNamedOnDisk(const std::string& path, FileStore& files);

// Whether saving a file that was opened, not made here, should write its ".german" copy too:
// only when the copy holds the same bytes as the file, so that a translated copy is not
// offered for replacing.
bool CopyMatchesFile(const std::string& path, FileStore& files);

// Saves `bytes`, the whole file, and its copy when `duplicate` is set.
SaveResult SaveBytesToFile(const std::string& bytes, bool duplicate, SaveSide side, SaveUser& user,
                           FileStore& files);

// Saves `lines`, each followed by CR LF, as a new file is written.
SaveResult SaveLinesToFile(const std::vector<std::string>& lines, bool duplicate, SaveSide side,
                           SaveUser& user, FileStore& files);

} // namespace vornask
