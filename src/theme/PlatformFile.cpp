#include "PlatformFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tintwright::theme::platform {

namespace {

std::error_code errorCode(int error)
{
    return {error, std::generic_category()};
}

#ifdef _WIN32

// Windows reports its own error numbers; the ones a save meets are told in the
// same words as everywhere else.
std::error_code lastError()
{
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return errorCode(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return errorCode(EACCES);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return errorCode(EEXIST);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return errorCode(ENOSPC);
    case ERROR_WRITE_PROTECT:
        return errorCode(EROFS);
    case ERROR_FILENAME_EXCED_RANGE:
        return errorCode(ENAMETOOLONG);
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return errorCode(EINVAL);
    default:
        return errorCode(EIO);
    }
}

#else

// How long a waiting lock sleeps between its tries.
constexpr std::chrono::milliseconds kLockRetry {5};

std::error_code lastError()
{
    return errorCode(errno);
}

// Waits until the file's data has reached the disk itself, not only a cache.
std::error_code syncFile(int descriptor)
{
#ifdef F_FULLFSYNC
    if (::fcntl(descriptor, F_FULLFSYNC) == 0) {
        return {};
    }
#endif
    return ::fsync(descriptor) == 0 ? std::error_code() : lastError();
}

#endif

} // namespace

FileLock::FileLock(FileLock&& other) noexcept
    : m_native(other.m_native)
{
    other.m_native = kNone;
}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        FileLock released(std::move(*this));
        m_native = other.m_native;
        other.m_native = kNone;
    }
    return *this;
}

#ifdef _WIN32

std::FILE* openForReading(const std::filesystem::path& path)
{
    return ::_wfopen(path.c_str(), L"rb");
}

std::error_code checkMayWrite(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return lastError();
    }
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? errorCode(EACCES) : std::error_code();
}

namespace {

std::error_code writeAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD piece = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), piece, &written, nullptr)) {
            return lastError();
        }
        bytes.remove_prefix(written);
    }
    return {};
}

} // namespace

// Windows keeps no POSIX owner or mode: the file is made with the folder's
// inherited access rules, as every new file there is.
std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes,
                             const std::filesystem::path* /*like*/, bool& created)
{
    created = false;
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    created = true;
    std::error_code error = writeAll(file, bytes);
    if (!error && !FlushFileBuffers(file)) {
        error = lastError();
    }
    if (!CloseHandle(file) && !error) {
        error = lastError();
    }
    return error;
}

std::error_code writeThrough(const std::filesystem::path& path, std::string_view bytes)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    std::error_code error = writeAll(file, bytes);
    if (!CloseHandle(file) && !error) {
        error = lastError();
    }
    return error;
}

FileLock::~FileLock()
{
    if (held()) {
        const HANDLE semaphore = reinterpret_cast<HANDLE>(m_native);
        ReleaseSemaphore(semaphore, 1, nullptr);
        CloseHandle(semaphore);
    }
}

// Windows cannot put a file in the place of one that any handle holds open,
// not even one that allows deleting, so the lock is no handle on the theme:
// it is a semaphore of one, named by the theme's own path as the system
// spells it (links followed), which stays the same when the file is replaced.
// A semaphore, not a mutex: a mutex is its thread's, and a second lock in the
// same thread would be granted at once.
std::error_code lockFile(const std::filesystem::path& path, std::chrono::milliseconds patience, FileLock& lock)
{
    lock = FileLock();
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    std::wstring name(32768, L'\0');
    const DWORD length =
        GetFinalPathNameByHandleW(file, name.data(), static_cast<DWORD>(name.size()), FILE_NAME_NORMALIZED);
    const std::error_code unnamed = length == 0 || length >= name.size() ? lastError() : std::error_code();
    CloseHandle(file);
    if (unnamed) {
        return unnamed;
    }
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (DWORD i = 0; i < length; ++i) {
        hash = (hash ^ static_cast<std::uint64_t>(name[i])) * 1099511628211ull;
    }
    std::wstring semaphoreName = L"Local\\tintwright-theme-";
    for (int digit = 15; digit >= 0; --digit) {
        semaphoreName += L"0123456789abcdef"[(hash >> (digit * 4)) & 0xFu];
    }
    const HANDLE semaphore = CreateSemaphoreW(nullptr, 1, 1, semaphoreName.c_str());
    if (semaphore == nullptr) {
        return lastError();
    }
    const auto wait = static_cast<DWORD>(std::min<std::chrono::milliseconds::rep>(patience.count(), 0x7FFFFFFF));
    const DWORD waited = WaitForSingleObject(semaphore, wait);
    if (waited == WAIT_OBJECT_0) {
        lock.m_native = reinterpret_cast<std::intptr_t>(semaphore);
        return {};
    }
    const std::error_code error = waited == WAIT_TIMEOUT ? errorCode(EAGAIN) : lastError();
    CloseHandle(semaphore);
    return error;
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Write-through: the call returns once the move has reached the disk.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return lastError();
    }
    return {};
}

#else

std::FILE* openForReading(const std::filesystem::path& path)
{
    return std::fopen(path.c_str(), "rb");
}

std::error_code checkMayWrite(const std::filesystem::path& path)
{
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0 ? std::error_code() : lastError();
}

namespace {

std::error_code writeAll(int file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EINTR) {
                return lastError();
            }
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

bool belongsToGroup(gid_t group)
{
    if (group == ::getegid()) {
        return true;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<std::size_t>(count > 0 ? count : 0));
    const int listed = groups.empty() ? 0 : ::getgroups(count, groups.data());
    return std::find(groups.begin(), groups.begin() + (listed > 0 ? listed : 0), group)
        != groups.begin() + (listed > 0 ? listed : 0);
}

// Gives the new file the owner, group and permission bits of `like`.
std::error_code takeOver(int file, const struct stat& like)
{
    if (::geteuid() == 0) {
        if (::fchown(file, like.st_uid, like.st_gid) != 0) {
            return lastError();
        }
    } else if (like.st_gid != ::getegid() && belongsToGroup(like.st_gid)) {
        if (::fchown(file, static_cast<uid_t>(-1), like.st_gid) != 0) {
            return lastError();
        }
    }
    // After the owner: a change of owner clears the set-id bits.
    return ::fchmod(file, like.st_mode & 07777) == 0 ? std::error_code() : lastError();
}

} // namespace

std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes,
                             const std::filesystem::path* like, bool& created)
{
    created = false;
    struct stat likeStatus { };
    if (like != nullptr && ::stat(like->c_str(), &likeStatus) != 0) {
        return lastError();
    }
    const mode_t mode = like != nullptr ? (likeStatus.st_mode & 0777) : 0666;
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (file < 0) {
        return lastError();
    }
    created = true;
    std::error_code error = like != nullptr ? takeOver(file, likeStatus) : std::error_code();
    if (!error) {
        error = writeAll(file, bytes);
    }
    if (!error) {
        error = syncFile(file);
    }
    if (::close(file) != 0 && !error) {
        error = lastError();
    }
    return error;
}

std::error_code writeThrough(const std::filesystem::path& path, std::string_view bytes)
{
    const int file = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (file < 0) {
        return lastError();
    }
    std::error_code error = writeAll(file, bytes);
    if (::close(file) != 0 && !error) {
        error = lastError();
    }
    return error;
}

std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0) {
        return lastError();
    }
    // The rename is an entry of the folder: it is on the disk once the folder
    // is. The new file is in place already, so a folder that cannot be synced
    // (some file systems refuse) does not make the save a failure.
    const std::filesystem::path parent = to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
    const int folder = ::open(parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        syncFile(folder);
        ::close(folder);
    }
    return {};
}

FileLock::~FileLock()
{
    if (held()) {
        ::close(static_cast<int>(m_native)); // closing the descriptor releases its lock
    }
}

std::error_code lockFile(const std::filesystem::path& path, std::chrono::milliseconds patience, FileLock& lock)
{
    lock = FileLock();
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        FileLock candidate;
        // Never blocks on opening, whatever the file is.
        const int file = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) {
            return lastError();
        }
        candidate.m_native = file;
        // flock, not fcntl: its lock is the descriptor's, which closing another
        // descriptor of the same file (reading it) does not release.
        while (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                return lastError();
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                return errorCode(EAGAIN);
            }
            std::this_thread::sleep_for(kLockRetry);
        }
        struct stat held { };
        struct stat named { };
        if (::fstat(file, &held) != 0 || ::stat(path.c_str(), &named) != 0) {
            return lastError();
        }
        if (held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            lock = std::move(candidate);
            return {};
        }
        // The holder before replaced the file: the one at `path` now is to be locked.
    }
}

#endif

} // namespace tintwright::theme::platform
