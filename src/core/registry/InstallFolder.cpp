#include "core/registry/InstallFolder.h"

#include "core/registry/WindowsNames.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

namespace vornask {
namespace {

namespace fs = std::filesystem;

bool HasDriveLetter(std::string_view path) {
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool IsRooted(std::string_view path) {
    return path.starts_with('\\') || path.starts_with('/');
}

std::vector<std::string_view> PathNames(std::string_view path) {
    std::vector<std::string_view> names;
    while (!path.empty()) {
        const auto end = std::min(path.find_first_of("\\/"), path.size());
        if (const auto name = path.substr(0, end); !name.empty() && name != ".")
            names.push_back(name);
        path.remove_prefix(std::min(end + 1, path.size()));
    }
    return names;
}

// `dir`/`name`, taking the entry whose name differs only in case when there is one.
fs::path ChildIgnoringCase(const fs::path& dir, std::string_view name) {
    std::error_code error;
    fs::path exact = dir / name;
    if (fs::exists(exact, error))
        return exact;
    for (fs::directory_iterator it(dir, error); !error && it != fs::directory_iterator();
         it.increment(error))
        if (SameWindowsName(it->path().filename().string(), name))
            return it->path();
    return exact;
}

std::string WithSlashes(std::string text) {
    std::ranges::replace(text, '\\', '/');
    return text;
}

std::string MapDrivePath(const fs::path& prefix, const std::string& windowsPath) {
    if (prefix.empty())
        return windowsPath;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::error_code error;
    fs::path folder = fs::canonical(prefix / "dosdevices" / std::string{letter, ':'}, error);
    if (error)
        return windowsPath;
    for (std::string_view name : PathNames(std::string_view(windowsPath).substr(2)))
        folder = ChildIgnoringCase(folder, name);
    std::string local = folder.string();
    if (windowsPath.ends_with('\\') && !local.ends_with('/'))
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
