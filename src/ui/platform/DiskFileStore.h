// The save procedure's file system: the local disk.
#pragma once

#include "core/saving/FileStore.h"

#include <chrono>
#include <filesystem>
#include <map>
#include <set>

namespace vornask {

// New bytes go into a temporary file beside each target, renamed over it. Where the system
// has them that file is unnamed until just before its rename, so a save killed midway leaves
// nothing behind; elsewhere it has a short name of its own, and such names left by a killed
// save are removed at the next save in that folder. A symbolic link is followed, also one
// whose target is missing: the file it points to is written and the link stays.
class DiskFileStore : public FileStore {
public:
    // Off, named temporary files are used as on a system without unnamed ones.
    explicit DiskFileStore(bool unnamedTemporaries = true)
        : unnamedTemporaries_(unnamedTemporaries) {}
    ~DiskFileStore() override;
    DiskFileStore(const DiskFileStore&) = delete;
    DiskFileStore& operator=(const DiskFileStore&) = delete;

    bool Exists(const std::string& path) override;
    bool Differs(const std::string& path, const std::string& bytes) override;
    bool SameBytes(const std::string& first, const std::string& second) override;
    bool ReadOnly(const std::string& path) override;
    std::vector<std::string> NamesInFolderOf(const std::string& path) override;
    TemporaryFile WriteTemporary(const std::string& target, const std::string& bytes) override;
    std::optional<StoreError> Rename(const std::string& temporary,
                                     const std::string& target) override;
    void Discard(const std::string& temporary) override;

    // How long one of this program's temporary files stands unchanged before a save in its
    // folder takes it for the leftover of a killed save. Another instance writes, names and
    // renames its file within one save, in well under a second; a generous margin also covers
    // a stalled disk and a file server whose clock runs somewhat behind.
    static constexpr std::chrono::minutes kStaleAfter{10};

private:
    struct Unnamed {
        int file;
        std::filesystem::path folder;
    };

    void RemoveStaleTemporaries(const std::filesystem::path& folder);

    bool unnamedTemporaries_;
    std::map<std::string, Unnamed> unnamed_;
    std::set<std::filesystem::path> tidiedFolders_;
    int nextUnnamed_ = 0;
};

} // namespace vornask
