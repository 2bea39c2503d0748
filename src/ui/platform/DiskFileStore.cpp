#include "ui/platform/DiskFileStore.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>
#include <random>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vornask {
namespace {

namespace fs = std::filesystem;

// The few system calls the store makes, the same on both systems. A new file is created
// for the owner alone when it is to take over another file's permission bits.
#ifdef _WIN32
int CreateNew(const fs::path& path, bool /*ownerOnly*/) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                  _S_IREAD | _S_IWRITE);
}
long WriteSome(int file, const char* data, std::size_t size) {
    return _write(file, data, static_cast<unsigned>(std::min<std::size_t>(size, 1u << 30)));
}
int SyncToDisk(int file) {
    return _commit(file);
}
int CloseFile(int file) {
    return _close(file);
}
#else
int CreateNew(const fs::path& path, bool ownerOnly) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnly ? 0600 : 0666);
}
long WriteSome(int file, const char* data, std::size_t size) {
    return ::write(file, data, size);
}
int SyncToDisk(int file) {
    return ::fsync(file);
}
int CloseFile(int file) {
    return ::close(file);
}
#endif

// Unnamed files exist on Linux (and only on some of its file systems).
#ifdef O_TMPFILE
int CreateUnnamed(const fs::path& folder, bool ownerOnly) {
    return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, ownerOnly ? 0600 : 0666);
}
int LinkUnnamed(int file, const fs::path& path) {
    const std::string self = "/proc/self/fd/" + std::to_string(file);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW) == 0)
        return 0;
    if (errno == EEXIST)
        return -1;
    // Without /proc; this way needs a privilege on older kernels.
    return ::linkat(file, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
}
#else
int CreateUnnamed(const fs::path&, bool) {
    return -1;
}
int LinkUnnamed(int, const fs::path&) {
    errno = ENOSYS;
    return -1;
}
#endif

// The folder's new entries reach the disk in the order of the renames, so a power loss can
// never leave a copy newer than its file. Nothing to do where renames are written through.
void SyncFolder(const fs::path& folder) {
#ifndef _WIN32
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return;
    // The rename has happened and cannot be taken back: a failure here is no failed save.
    ::fsync(handle);
    ::close(handle);
#else
    (void)folder;
#endif
}

// Gives the new file the permission bits of the one it replaces.
std::error_code TakePermissions(int file, const fs::path& path, fs::perms permissions) {
#ifdef _WIN32
    (void)file;
    std::error_code error;
    fs::permissions(path, permissions, fs::perm_options::replace, error);
    return error;
#else
    (void)path;
    return ::fchmod(file, static_cast<mode_t>(permissions & fs::perms::mask)) == 0
               ? std::error_code()
               : std::error_code(errno, std::generic_category());
#endif
}

std::error_code LastError() {
    return {errno, std::generic_category()};
}

fs::path Native(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// The file a save replaces: the end of a chain of symbolic links, which need not exist yet,
// else the path itself. Nothing, with the reason, for a chain that loops.
std::optional<fs::path> Destination(const std::string& target, std::error_code& error) {
    constexpr int kMostLinks = 40; // as the system follows them
    fs::path path = Native(target);
    for (int link = 0; link <= kMostLinks; ++link) {
        std::error_code notThere;
        if (!fs::is_symlink(fs::symlink_status(path, notThere)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = next.is_absolute() ? next : FolderOf(path) / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return std::nullopt;
}

// A failure to put a new file into `folder`: the folder refused it, or the file failed.
StoreError Failure(const std::error_code& error, const fs::path& folder) {
    const bool folderRefused = error == std::errc::permission_denied ||
                               error == std::errc::operation_not_permitted ||
                               error == std::errc::read_only_file_system;
    return {error.message(), folderRefused ? Utf8(folder) : std::string()};
}

constexpr std::string_view kTemporaryStart = ".vornask-";
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kTemporaryDigits = 8;

// A short name of its own, so that it fits in the folder however long the target's name is.
fs::path TemporaryName(const fs::path& folder) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const unsigned value = std::random_device()();
    std::string name(kTemporaryStart);
    for (std::size_t digit = 0; digit < kTemporaryDigits; ++digit)
        name += kDigits[(value >> (4 * digit)) & 15];
    return folder / name.append(kTemporaryEnd);
}

bool IsTemporaryName(std::string_view name) {
    if (name.size() != kTemporaryStart.size() + kTemporaryDigits + kTemporaryEnd.size() ||
        !name.starts_with(kTemporaryStart) || !name.ends_with(kTemporaryEnd))
        return false;
    const std::string_view digits = name.substr(kTemporaryStart.size(), kTemporaryDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Gives a new file in `folder` a temporary name of its own, by creating it (`file` below 0)
// or by linking the unnamed `file` there.
std::error_code NameTemporary(const fs::path& folder, bool ownerOnly, int& file, fs::path& path) {
    std::error_code error;
    for (int tries = 0; tries < 16; ++tries) {
        path = TemporaryName(folder);
        if (file >= 0 ? LinkUnnamed(file, path) == 0 : (file = CreateNew(path, ownerOnly)) >= 0)
            return {};
        error = LastError();
        if (error != std::errc::file_exists)
            break;
    }
    return error;
}

// Writes all of `bytes` and makes sure they reached the disk, or says why not.
std::error_code WriteAll(int file, const std::string& bytes) {
    for (std::size_t written = 0; written < bytes.size();) {
        const long count = WriteSome(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return LastError();
        if (count == 0)
            return std::make_error_code(std::errc::io_error);
        written += static_cast<std::size_t>(count);
    }
    return SyncToDisk(file) == 0 ? std::error_code() : LastError();
}

// The size of the regular file at `path`, links followed; nothing for anything else, so that
// no comparison ever opens a pipe or a device.
std::optional<std::uintmax_t> RegularFileSize(const std::string& path) {
    std::error_code error;
    if (!fs::is_regular_file(fs::status(Native(path), error)))
        return std::nullopt;
    const std::uintmax_t size = fs::file_size(Native(path), error);
    return error ? std::nullopt : std::optional(size);
}

constexpr std::size_t kPiece = 64 * 1024;

// Whether the next bytes of `file` are `expected`, read piece by piece.
bool NextBytesAre(std::ifstream& file, std::string_view expected, std::string& piece) {
    for (; !expected.empty(); expected.remove_prefix(piece.size())) {
        piece.resize(std::min(expected.size(), kPiece));
        if (!file.read(piece.data(), static_cast<std::streamsize>(piece.size())) ||
            !expected.starts_with(piece))
            return false;
    }
    return true;
}

bool AtEnd(std::ifstream& file) {
    return file.peek() == std::ifstream::traits_type::eof() && !file.bad();
}

bool Holds(const std::string& path, const std::string& bytes) {
    if (RegularFileSize(path) != bytes.size())
        return false;
    std::ifstream file(Native(path), std::ios::binary);
    std::string piece;
    return NextBytesAre(file, bytes, piece) && AtEnd(file);
}

} // namespace

DiskFileStore::~DiskFileStore() {
    for (const auto& [name, file] : unnamed_)
        CloseFile(file.file);
}

bool DiskFileStore::Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(Native(path), error));
}

bool DiskFileStore::Differs(const std::string& path, const std::string& bytes) {
    std::error_code error;
    const fs::file_status status = fs::status(Native(path), error);
    return fs::exists(status) && !fs::is_directory(status) && !Holds(path, bytes);
}

bool DiskFileStore::SameBytes(const std::string& first, const std::string& second) {
    const std::optional<std::uintmax_t> size = RegularFileSize(first);
    if (!size || RegularFileSize(second) != size)
        return false;
    std::ifstream one(Native(first), std::ios::binary), other(Native(second), std::ios::binary);
    std::string piece(kPiece, '\0'), otherPiece;
    while (one && other) {
        one.read(piece.data(), kPiece);
        const auto count = static_cast<std::size_t>(one.gcount());
        if (!NextBytesAre(other, std::string_view(piece).substr(0, count), otherPiece))
            return false;
        if (count < kPiece)
            return one.eof() && !one.bad() && AtEnd(other);
    }
    return false;
}

bool DiskFileStore::ReadOnly(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(Native(path), error);
    if (!fs::is_regular_file(status))
        return false;
    // Marked read-only for everyone, which binds also a user who could override it.
    constexpr fs::perms kWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if ((status.permissions() & kWrite) == fs::perms::none)
        return true;
#ifdef _WIN32
    return false;
#else
    return ::faccessat(AT_FDCWD, Native(path).c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS);
#endif
}

std::vector<std::string> DiskFileStore::NamesInFolderOf(const std::string& path) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(FolderOf(Native(path)), error), end; !error && entry != end;
         entry.increment(error))
        names.push_back(Utf8(entry->path().filename()));
    return names;
}

TemporaryFile DiskFileStore::WriteTemporary(const std::string& target, const std::string& bytes) {
    std::error_code error;
    const std::optional<fs::path> destination = Destination(target, error);
    if (!destination)
        return {{}, StoreError{error.message(), {}}};
    const fs::file_status replaced = fs::status(*destination, error);
    const bool takesPermissions = fs::is_regular_file(replaced);
    const fs::path folder = FolderOf(*destination);
    RemoveStaleTemporaries(folder);

    fs::path path;
    int file = unnamedTemporaries_ ? CreateUnnamed(folder, takesPermissions) : -1;
    const bool unnamed = file >= 0;
    // A file system without unnamed files, or a folder that refuses new files: the named
    // way says which.
    if (!unnamed) {
        error = NameTemporary(folder, takesPermissions, file, path);
        if (error)
            return {{}, Failure(error, folder)};
    }
    error = WriteAll(file, bytes);
    if (!error && takesPermissions)
        error = TakePermissions(file, path, replaced.permissions());
    if (unnamed) {
        if (error) {
            CloseFile(file);
            return {{}, StoreError{error.message(), {}}};
        }
        // No path can hold a NUL byte, so this name is never taken for one.
        std::string name = std::string(1, '\0') + "unnamed " + std::to_string(nextUnnamed_++);
        unnamed_[name] = {file, folder};
        return {std::move(name), std::nullopt};
    }
    if (CloseFile(file) != 0 && !error)
        error = LastError();
    if (error) {
        Discard(Utf8(path));
        return {{}, StoreError{error.message(), {}}};
    }
    return {Utf8(path), std::nullopt};
}

std::optional<StoreError> DiskFileStore::Rename(const std::string& temporary,
                                                const std::string& target) {
    std::error_code error;
    const std::optional<fs::path> destination = Destination(target, error);
    if (!destination)
        return StoreError{error.message(), {}};
    const fs::path folder = FolderOf(*destination);
    fs::path source = Native(temporary);
    const auto unnamed = unnamed_.find(temporary);
    if (unnamed != unnamed_.end()) {
        int file = unnamed->second.file;
        error = NameTemporary(unnamed->second.folder, false, file, source);
        if (error)
            return Failure(error, unnamed->second.folder);
    }
    fs::rename(source, *destination, error);
    if (error) {
        // An unnamed file stays unnamed until it is discarded.
        if (unnamed != unnamed_.end()) {
            std::error_code ignored;
            fs::remove(source, ignored);
        }
        return Failure(error, folder);
    }
    if (unnamed != unnamed_.end()) {
        CloseFile(unnamed->second.file);
        unnamed_.erase(unnamed);
    }
    SyncFolder(folder);
    return std::nullopt;
}

void DiskFileStore::Discard(const std::string& temporary) {
    if (const auto unnamed = unnamed_.find(temporary); unnamed != unnamed_.end()) {
        CloseFile(unnamed->second.file);
        unnamed_.erase(unnamed);
        return;
    }
    std::error_code error;
    fs::remove(Native(temporary), error);
}

// Only regular files under this program's own temporary names, unchanged for longer than any
// save takes: never another program's file, and never one that another instance is saving.
void DiskFileStore::RemoveStaleTemporaries(const fs::path& folder) {
    if (!tidiedFolders_.insert(folder).second)
        return;
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (!IsTemporaryName(entry->path().filename().string()) ||
            !fs::is_regular_file(entry->symlink_status(ignored)))
            continue;
        const fs::file_time_type written = fs::last_write_time(entry->path(), ignored);
        if (!ignored && now - written > kStaleAfter)
            fs::remove(entry->path(), ignored);
    }
}

} // namespace vornask
