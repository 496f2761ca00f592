#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

// The few file operations that standard C++ cannot do: open a path of any
// characters, get bytes onto the disk, replace a file in one step, and hold it
// against other programs meanwhile. Errors are std::generic_category() codes
// on every system, so their words are the same.
namespace tintwright::theme::platform {

// The system the program is built for, where what it tells a person differs.
enum class System { Windows, MacOs, Other };
#if defined(_WIN32)
inline constexpr System kThisSystem = System::Windows;
#elif defined(__APPLE__)
inline constexpr System kThisSystem = System::MacOs;
#else
inline constexpr System kThisSystem = System::Other;
#endif

// Opens `path` for reading bytes; null with errno set when it cannot be opened.
std::FILE* openForReading(const std::filesystem::path& path);

// Why this user may not write the existing file at `path`, or nothing when it may.
std::error_code checkMayWrite(const std::filesystem::path& path);

// Creates `path`, which must not exist yet (else file_exists), writes `bytes`
// into it and returns only once they have reached the disk. `created` tells
// whether the file came to exist, so that a failed write can remove it. Where
// `like` names an existing file, the new file has its permission bits from the
// start, never wider, and its owner and group as far as this user may set them
// (the superuser: both; others: the group, when they belong to it); a failure
// to give it those is an error like a failed write.
std::error_code writeNewFile(const std::filesystem::path& path, std::string_view bytes,
                             const std::filesystem::path* like, bool& created);

// Writes `bytes` into the existing `path` that is not a regular file (a device,
// a FIFO), opened and truncated as a shell redirection does, never replaced.
std::error_code writeThrough(const std::filesystem::path& path, std::string_view bytes);

// Puts the file `from` in the place of `to` in one step, replacing `to`, and
// makes the change itself reach the disk.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// A hold on a file that no other FileLock gets while it lasts, in this
// process or another; it does not keep anyone from reading or replacing the
// file. Released when it goes.
class FileLock {
public:
    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    ~FileLock();
    bool held() const { return m_native != kNone; }

private:
    friend std::error_code lockFile(const std::filesystem::path&, std::chrono::milliseconds, FileLock&);
    static constexpr std::intptr_t kNone = -1;
    std::intptr_t m_native = kNone; // the descriptor (POSIX) or semaphore (Windows) that holds it
};

// Locks the theme at `path` (a link is followed), waiting up to `patience` for
// another holder to let go; then resource_unavailable_try_again. The lock is
// on the theme that is at `path` when it is taken, also where the holder
// before replaced the file meanwhile, so a read-change-replace under it loses
// no edit.
std::error_code lockFile(const std::filesystem::path& path, std::chrono::milliseconds patience, FileLock& lock);

} // namespace tintwright::theme::platform
