// The one save procedure of the mission and the campaign side: ask for a file name, guard
// against overwriting, write the ".german" copy when wanted, then the file itself.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vornask {

enum class Answer { Yes, No, Cancel };

// How the procedure talks to the user; the windows answer with real dialogs, tests by script.
class SaveUser {
public:
    virtual ~SaveUser() = default;
    // The chosen full path (UTF-8), or nothing when the user cancelled the dialog.
    virtual std::optional<std::string> AskFileName() = 0;
    virtual Answer Confirm(const std::string& question, bool withCancel) = 0;
    virtual void Warn(const std::string& message) = 0;
    virtual void ReportError(const std::string& message) = 0;
};

// The file system as the procedure needs it.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual bool Exists(const std::string& path) = 0;
    // Replaces the file at `path` with `bytes` as a whole, or leaves it as it was.
    // Returns the system's reason when it could not.
    virtual std::optional<std::string> Write(const std::string& path, const std::string& bytes) = 0;
};

struct SaveResult {
    bool saved = false;       // the file (and its copy, when wanted) was written
    bool writeFailed = false; // some attempt could not write; the user gave up afterwards
};

// The name of the ".german" copy of `path`: cut at the first ".eng" of the file name (exact
// case) and followed by ".german"; nothing when the file name holds no ".eng".
std::optional<std::string> GermanCopyPath(const std::string& path);

SaveResult SaveLinesToFile(const std::vector<std::string>& lines, bool duplicate, SaveUser& user,
                           FileStore& files);

} // namespace vornask
