#include "core/registry/InstallFolder.h"

#include "core/registry/WindowsNames.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>
#include <vector>

namespace vornask {
namespace {

namespace fs = std::filesystem;

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

// Windows takes a slash for a backslash.
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsRooted(std::string_view path) {
    return !path.empty() && IsSeparator(path.front());
}

// The names of a path below a drive's root, "." and ".." resolved as Windows resolves them
// before it asks the disk: ".." takes away the name before it, and at the root stays there.
std::vector<std::string_view> PathNames(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const auto end = std::min(path.find_first_of("\\/"), path.size());
        const auto name = path.substr(0, end);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return names;
}

// The name of the entry of the folder `dir` that Windows would take for `name`: `name` itself
// when it exists, else an entry whose name differs only in case; none when there is neither.
std::optional<std::string> ChildIgnoringCase(const std::string& dir, std::string_view name) {
    std::error_code error;
    if (fs::exists(fs::path(dir) / name, error))
        return std::string(name);
    for (fs::directory_iterator it(dir, error); !error && it != fs::directory_iterator();
         it.increment(error))
        if (std::string entry = it->path().filename().string(); SameWindowsName(entry, name))
            return entry;
    return std::nullopt;
}

std::string WithSlashes(std::string text) {
    std::ranges::replace(text, '\\', '/');
    return text;
}

// The folder that `prefix` maps the drive of the Windows path `windowsPath` to, if any.
std::optional<fs::path> DriveFolder(const fs::path& prefix, const std::string& windowsPath) {
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::error_code error;
    fs::path drive = fs::canonical(prefix / "dosdevices" / std::string{letter, ':'}, error);
    if (error)
        return std::nullopt;
    return drive;
}

std::string MapDrivePath(const fs::path& prefix, const std::string& windowsPath) {
    if (prefix.empty())
        return windowsPath;
    const std::optional<fs::path> drive = DriveFolder(prefix, windowsPath);
    if (!drive)
        return windowsPath;
    // The path grows by one name at a time, in place: building a whole new path for every
    // name made a value of many names take minutes. Once a folder is missing, so is everything
    // under it, and the rest of the names are kept as written without asking the disk; the
    // system's own bound on a path's length ends the asking in the same way.
    std::string local = drive->string();
    bool onDisk = true;
    for (std::string_view name : PathNames(std::string_view(windowsPath).substr(2))) {
        std::optional<std::string> entry;
        if (onDisk)
            entry = ChildIgnoringCase(local, name);
        onDisk = entry.has_value();
        if (!local.ends_with('/'))
            local += '/';
        local += entry ? std::string_view(*entry) : name;
    }
    if (IsSeparator(windowsPath.back()) && !local.ends_with('/'))
        local += '/';
    return local;
}

} // namespace

std::string DialogFolderText(const std::string& installDir) {
    if (installDir.empty() || installDir.back() == '\\')
        return installDir + "D\\";
    return installDir + "\\D\\";
}

std::string LocalFolderInWinePrefix(const fs::path& prefix, const std::string& windowsPath) {
    if (HasDriveLetter(windowsPath))
        return MapDrivePath(prefix, windowsPath);
    // A relative folder such as "D\" (no installation known) is taken from the working
    // folder, as on Windows.
    if (!IsRooted(windowsPath))
        return WithSlashes(windowsPath);
    return windowsPath;
}

bool MapsDrive(const fs::path& prefix, const std::string& windowsPath) {
    return prefix.empty() || !HasDriveLetter(windowsPath) || DriveFolder(prefix, windowsPath);
}

std::string LocalDialogFolder(const std::string& installDir, const fs::path& winePrefix) {
    const std::string text = DialogFolderText(installDir);
#ifdef _WIN32
    (void)winePrefix;
    return text;
#else
    return LocalFolderInWinePrefix(winePrefix, text);
#endif
}

} // namespace vornask
