#include "ThemeWriter.h"

#include "ThemeError.h"

#include "PlatformFile.h"

#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace tintwright::theme {

std::string saveFailureReason(std::string_view what, const std::error_code& error, const fs::path& folder,
                              platform::System system)
{
    std::string reason = std::string(what) + ": " + error.message() + ".";
    if (error != std::errc::permission_denied && error != std::errc::operation_not_permitted) {
        return reason;
    }
    reason += " This user may not change the files in the folder \"" + folder.u8string() + "\"";
    // Live keeps its own themes where an ordinary user may read but not write:
    // on Windows in ProgramData, on macOS inside the application.
    const bool insideLive = folder.generic_u8string().find(".app/Contents/App-Resources") != std::string::npos;
    if (system == platform::System::Windows) {
        reason += "; Live's own Themes folder (C:\\ProgramData\\Ableton\\Live 10 …\\Resources\\Themes) is such a "
                  "folder, which only an administrator may change. Save the theme under another name into a folder "
                  "of yours, such as Documents, and copy it there with administrator rights.";
    } else if (system == platform::System::MacOs && insideLive) {
        reason += ", which lies inside Live's application, where only an administrator may change files. Save the "
                  "theme under another name into a folder of yours, such as Documents, and copy it there in the "
                  "Finder as an administrator.";
    } else {
        reason += ". Save the theme under another name into a folder of yours.";
    }
    return reason;
}

namespace {

std::string valueRecord(char channel, std::int16_t value)
{
    return std::string("<") + channel + " Value=\"" + std::to_string(value) + "\" />";
}

[[noreturn]] void failWrite(const std::string& what, const std::error_code& error, const fs::path& folder)
{
    throw ThemeError(ErrorNumber::PathFileAccess, saveFailureReason(what, error, folder));
}

// The file a save really replaces: links are followed to the file they name,
// also when that file does not exist yet, so the link itself stays.
fs::path saveTarget(fs::path target)
{
    constexpr int kMostLinks = 40;
    for (int link = 0; link < kMostLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) {
            break;
        }
        const fs::path named = fs::read_symlink(target, error);
        if (error) {
            break;
        }
        target = named.is_absolute() ? named : target.parent_path() / named;
    }
    return target;
}

constexpr fs::perms kAnyWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

// An existing target must be a file whose mode allows writing, and that this
// user may write; the superuser too leaves a read-only theme alone. Its status.
fs::file_status checkExistingTarget(const fs::path& target)
{
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (status.type() == fs::file_type::not_found) {
        return status;
    }
    if (error) {
        failWrite("the file cannot be replaced", error, target.parent_path());
    }
    if (fs::is_directory(status)) {
        throw ThemeError(ErrorNumber::PathFileAccess, "a folder of this name is in the way.");
    }
    if ((status.permissions() & kAnyWrite) == fs::perms::none) {
        throw ThemeError(ErrorNumber::PathFileAccess, "the file is read-only.");
    }
    if (const std::error_code denied = platform::checkMayWrite(target)) {
        failWrite("the file cannot be replaced", denied, target.parent_path());
    }
    return status;
}

// A name of fixed length for the temporary file, so it fits wherever the target's name does.
fs::path temporaryName(std::mt19937_64& random)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string name = ".tw-";
    std::uint64_t bits = random();
    for (int digit = 0; digit < 12; ++digit, bits >>= 4) {
        name += kDigits[bits & 0xFu];
    }
    return name + ".tmp";
}

// Writes the bytes durably into a new file beside the target, with the
// target's owner and permissions where it exists; its path.
fs::path writeTemporaryBeside(const fs::path& target, std::string_view bytes, bool targetExists)
{
    std::random_device seed;
    std::mt19937_64 random((std::uint64_t {seed()} << 32) | seed());
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    for (int attempt = 0; attempt < 32; ++attempt) {
        const fs::path temporary = folder / temporaryName(random);
        bool created = false;
        const std::error_code error =
            platform::writeNewFile(temporary, bytes, targetExists ? &target : nullptr, created);
        if (!error) {
            return temporary;
        }
        if (created) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            failWrite("the file cannot be written", error, folder);
        }
        if (error != std::errc::file_exists) {
            failWrite("the file cannot be created in its folder", error, folder);
        }
    }
    failWrite("the file cannot be created in its folder", std::make_error_code(std::errc::file_exists), folder);
}

} // namespace

void RewriteChangedEntries(ThemeDocument& document)
{
    const int entries = document.EntryCount;
    for (int entry = 1; entry <= entries; ++entry) {
        const ColorTableRow& row = colorTableRow(document, entry);
        if (row[ColorTableColumn::Changed] != 1) {
            continue;
        }
        const int slot = row[ColorTableColumn::RecordSlot];
        if (slot < 1 || slot + 2 > kMaxLines) {
            throw ThemeError(ErrorNumber::SubscriptOutOfRange,
                             "colour entry " + std::to_string(entry) + " points outside the theme lines.");
        }
        document.ThemeLines[static_cast<std::size_t>(slot)] = valueRecord('R', row[ColorTableColumn::Red]);
        document.ThemeLines[static_cast<std::size_t>(slot + 1)] = valueRecord('G', row[ColorTableColumn::Green]);
        document.ThemeLines[static_cast<std::size_t>(slot + 2)] = valueRecord('B', row[ColorTableColumn::Blue]);
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

void replaceFile(const fs::path& path, std::string_view bytes)
{
    const fs::path target = saveTarget(path);
    const fs::file_status status = checkExistingTarget(target);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a FIFO is written to, as a shell redirection does; replacing
        // it would put a plain file in its place and its reader would get nothing.
        if (const std::error_code error = platform::writeThrough(target, bytes)) {
            failWrite("the file cannot be written", error, target.parent_path());
        }
        return;
    }
    const fs::path temporary = writeTemporaryBeside(target, bytes, fs::exists(status));

    const std::error_code error = platform::replaceFile(temporary, target);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        failWrite("the file cannot be replaced", error, target.parent_path());
    }
}

void saveTheme(ThemeDocument& document, const fs::path& path)
{
    RewriteChangedEntries(document);
    std::string bytes;
    WriteThemeLines(document, bytes);
    replaceFile(path, bytes);
}

} // namespace tintwright::theme
