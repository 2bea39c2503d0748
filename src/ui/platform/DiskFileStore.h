// The save procedure's file system: the local disk.
#pragma once

#include "core/saving/SaveProcedure.h"

namespace vornask {

// Files written atomically: a temporary file beside the target, renamed over it.
class DiskFileStore : public FileStore {
public:
    bool Exists(const std::string& path) override;
    std::optional<std::string> Write(const std::string& path, const std::string& bytes) override;
};

} // namespace vornask
