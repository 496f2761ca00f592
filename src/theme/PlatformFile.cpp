#include "PlatformFile.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
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

std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes, bool& created)
{
    created = false;
    const HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return lastError();
    }
    created = true;
    std::error_code error;
    while (!bytes.empty() && !error) {
        const DWORD piece = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), piece, &written, nullptr)) {
            error = lastError();
        }
        bytes.remove_prefix(written);
    }
    if (!error && !FlushFileBuffers(file)) {
        error = lastError();
    }
    if (!CloseHandle(file) && !error) {
        error = lastError();
    }
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

std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes, bool& created)
{
    created = false;
    const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (file < 0) {
        return lastError();
    }
    created = true;
    std::error_code error;
    while (!bytes.empty() && !error) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno != EINTR) {
                error = lastError();
            }
            continue;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    if (!error) {
        error = syncFile(file);
    }
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

#endif

} // namespace tintwright::theme::platform
