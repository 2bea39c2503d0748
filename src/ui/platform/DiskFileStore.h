// The save procedure's file system: the local disk.
#pragma once

#include "core/saving/FileStore.h"

namespace vornask {

// Temporary files with short names of their own beside each target, renamed over it. A
// symbolic link is followed, also one whose target is missing: the file it points to is
// written and the link stays.
class DiskFileStore : public FileStore {
public:
    bool Exists(const std::string& path) override;
    bool Differs(const std::string& path, const std::string& bytes) override;
    bool SameBytes(const std::string& first, const std::string& second) override;
    bool ReadOnly(const std::string& path) override;
    TemporaryFile WriteTemporary(const std::string& target, const std::string& bytes) override;
    std::optional<StoreError> Rename(const std::string& temporary,
                                     const std::string& target) override;
    void Discard(const std::string& temporary) override;
};

} // namespace vornask
