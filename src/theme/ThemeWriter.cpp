#include "ThemeWriter.h"

#include "ThemeError.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace tintwright::theme {

namespace {

std::string valueRecord(char channel, std::int16_t value)
{
    return std::string("<") + channel + " Value=\"" + std::to_string(value) + "\" />";
}

[[noreturn]] void failWrite(const std::string& what, int error)
{
    throw ThemeError(ErrorNumber::PathFileAccess, what + ": " + std::generic_category().message(error) + ".");
}

// The file a save really replaces: a link is followed to the file it names.
fs::path saveTarget(const std::string& path)
{
    std::error_code error;
    fs::path target(path);
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) {
            target = resolved;
        }
    }
    return target;
}

// An existing target must be a file we may write; opening it for update
// changes nothing and tells why not.
void checkExistingTarget(const fs::path& target)
{
    std::error_code error;
    if (!fs::exists(fs::symlink_status(target, error))) {
        return;
    }
    if (fs::is_directory(target, error)) {
        throw ThemeError(ErrorNumber::PathFileAccess, "a folder of this name is in the way.");
    }
    errno = 0;
    std::FILE* probe = std::fopen(target.c_str(), "r+b");
    if (!probe) {
        failWrite("the file cannot be replaced", errno);
    }
    std::fclose(probe);
}

struct TemporaryFile {
    fs::path path;
    std::FILE* file = nullptr;
};

TemporaryFile createTemporaryBeside(const fs::path& target)
{
    std::random_device seed;
    std::mt19937 random(seed());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    int lastError = EEXIST;
    for (int attempt = 0; attempt < 32 && lastError == EEXIST; ++attempt) {
        TemporaryFile temporary;
        temporary.path =
            folder / ("." + target.filename().string() + "." + std::to_string(random() % 1000000000u) + ".tmp");
        errno = 0;
        temporary.file = std::fopen(temporary.path.c_str(), "wbx");
        if (temporary.file) {
            return temporary;
        }
        lastError = errno;
    }
    failWrite("the file cannot be created in its folder", lastError);
}

} // namespace

void RewriteChangedEntries(ThemeDocument& document)
{
    const int entries = document.EntryCount;
    for (int entry = 1; entry <= entries; ++entry) {
        const ColorTableRow& row = colorTableRow(document, entry);
        if (row[Changed] != 1) {
            continue;
        }
        const int slot = row[RecordSlot];
        if (slot < 1 || slot + 2 > kMaxLines) {
            throw ThemeError(ErrorNumber::SubscriptOutOfRange,
                             "colour entry " + std::to_string(entry) + " points outside the theme lines.");
        }
        document.ThemeLines[static_cast<std::size_t>(slot)] = valueRecord('R', row[Red]);
        document.ThemeLines[static_cast<std::size_t>(slot + 1)] = valueRecord('G', row[Green]);
        document.ThemeLines[static_cast<std::size_t>(slot + 2)] = valueRecord('B', row[Blue]);
    }
}

void WriteThemeLines(const ThemeDocument& document, std::string& out)
{
    const int lines = document.LineCount;
    for (int slot = 1; slot <= lines; ++slot) {
        out += document.ThemeLines[static_cast<std::size_t>(slot)];
        out += "\r\n";
    }
}

void replaceFile(const std::string& path, std::string_view bytes)
{
    const fs::path target = saveTarget(path);
    checkExistingTarget(target);
    TemporaryFile temporary = createTemporaryBeside(target);

    errno = 0;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), temporary.file) == bytes.size() && std::fflush(temporary.file) == 0;
    int error = errno;
    const bool closed = std::fclose(temporary.file) == 0;
    if (written && !closed) {
        error = errno;
    }
    std::error_code ignored;
    if (!written || !closed) {
        fs::remove(temporary.path, ignored);
        failWrite("the file cannot be written", error != 0 ? error : EIO);
    }

    const fs::file_status existing = fs::status(target, ignored);
    if (fs::exists(existing)) {
        fs::permissions(temporary.path, existing.permissions(), ignored);
    }
    std::error_code renamed;
    fs::rename(temporary.path, target, renamed);
    if (renamed) {
        fs::remove(temporary.path, ignored);
        failWrite("the file cannot be replaced", renamed.value());
    }
}

void saveTheme(ThemeDocument& document, const std::string& path)
{
    RewriteChangedEntries(document);
    std::string bytes;
    WriteThemeLines(document, bytes);
    replaceFile(path, bytes);
}

} // namespace tintwright::theme
