#include "core/campaign/MissionName.h"

#include "core/text/FileKind.h"

namespace vornask {

std::string GetMissionName(std::string_view path, char folderSeparator) {
    const char separators[] = {'\\', folderSeparator, '\0'};
    const std::size_t lastSeparator = path.find_last_of(separators);
    std::string_view name =
        lastSeparator == std::string_view::npos ? path : path.substr(lastSeparator + 1);
    name = name.substr(0, name.find(kMissionFileExtension));
    return std::string(name);
}

} // namespace vornask
