#include "ui/platform/WindowsRegistry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vornask {

#ifdef _WIN32
namespace {

// The game's key in one view of the registry.
class OpenKey {
public:
    explicit OpenKey(REGSAM view) {
        const wchar_t* path = L"SOFTWARE\\Titanic Entertainment\\NetStorm";
        // Full access is asked for first, as the game's own tools do; a user without
        // administrator rights still gets read access.
        for (REGSAM access : {KEY_ALL_ACCESS, KEY_READ}) {
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path, 0, access | view, &key_) == ERROR_SUCCESS)
                return;
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::string Utf8OfWide(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
    return text;
}

std::string SystemMessage(LONG code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring message(buffer ? buffer : L"", length);
    LocalFree(buffer);
    return "Cannot read the registry value \"InstallDir\": " + Utf8OfWide(message);
}

InstallDirLookup ReadOpenKey(HKEY key) {
    const wchar_t* name = L"InstallDir";
    // The value may change between asking for its size and reading it; ask again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        LONG result = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size);
        if (result == ERROR_FILE_NOT_FOUND)
            return {};
        if (result != ERROR_SUCCESS)
            return InstallDirLookup::Failed(SystemMessage(result));
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return InstallDirLookup::NotText();
        std::wstring wide(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
        result = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(wide.data()),
                                  &bytes);
        if (result == ERROR_MORE_DATA)
            continue;
        if (result != ERROR_SUCCESS)
            return InstallDirLookup::Failed(SystemMessage(result));
        if (type != REG_SZ && type != REG_EXPAND_SZ)
            return InstallDirLookup::NotText();
        wide.resize(bytes / sizeof(wchar_t));
        return InstallDirLookup::Found(Utf8OfWide(wide));
    }
    return InstallDirLookup::Failed(SystemMessage(ERROR_MORE_DATA));
}

} // namespace

InstallDirLookup ReadInstallDir(const SearchStart&, std::stop_token) {
    // The 32-bit view, where the 32-bit game writes, then the 64-bit one, where a 64-bit
    // installer would have: the same order as in a Wine prefix's registry file.
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        const OpenKey key(view);
        if (!key.get())
            continue;
        InstallDirLookup lookup = ReadOpenKey(key.get());
        if (lookup.outcome != InstallDirLookup::Outcome::NotFound)
            return lookup;
    }
    return {};
}

#else

InstallDirLookup ReadInstallDir(const SearchStart& start, std::stop_token stop) {
    return SearchWinePrefixes(start, kMaxRegistryFilesRead, std::move(stop)).lookup;
}

#endif

} // namespace vornask
