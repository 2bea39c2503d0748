// The file system as the save procedure needs it. A file is replaced in two steps so that the
// procedure decides the order in which several files change: its new bytes go into a temporary
// file in its folder, which is then renamed over it in one step, or thrown away. Nothing is
// ever written into the file itself, so a failure leaves it whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vornask {

// Why the store could not do what it was asked.
struct StoreError {
    std::string reason;         // the system's own words, such as "Permission denied"
    std::string refusingFolder; // the folder, when it was the folder that refused the file
};

// New bytes waiting beside their target, or why they could not be written. `path` names the
// temporary file for Rename and Discard; a store may hand out a name that is no path.
struct TemporaryFile {
    std::string path;
    std::optional<StoreError> error;
};

class FileStore {
public:
    virtual ~FileStore() = default;
    // Whether anything stands at `path`, a symbolic link whose target is missing included.
    virtual bool Exists(const std::string& path) = 0;
    // Whether a file stands at `path` whose bytes are not `bytes`: also one that cannot be
    // read, but neither a folder nor a symbolic link whose target is missing.
    virtual bool Differs(const std::string& path, const std::string& bytes) = 0;
    // Whether the files at `first` and `second` hold the same bytes; false when either cannot
    // be read.
    virtual bool SameBytes(const std::string& first, const std::string& second) = 0;
    // Whether the file at `path` exists and may not be written by this user.
    virtual bool ReadOnly(const std::string& path) = 0;
    // The names of the entries of the folder that `path` is in; none when it cannot be read.
    virtual std::vector<std::string> NamesInFolderOf(const std::string& path) = 0;
    // Writes `bytes` into a new temporary file in the folder of `target`, which it leaves
    // untouched. The temporary file gets the permission bits of `target` when that exists.
    virtual TemporaryFile WriteTemporary(const std::string& target, const std::string& bytes) = 0;
    // Puts the temporary file in the place of `target` in one step. On failure both stay as
    // they were.
    virtual std::optional<StoreError> Rename(const std::string& temporary,
                                             const std::string& target) = 0;
    // Throws a temporary file away; there is nothing left to do when that fails.
    virtual void Discard(const std::string& temporary) = 0;
};

} // namespace vornask
