#pragma once

#include "PlatformFile.h"
#include "ThemeDocument.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace tintwright::theme {

// Why a save failed, for a person: what could not be done and the system's
// reason; where the system denied it, also which folder and what to do there,
// with Live's own Themes folder in mind where `system` keeps it out of reach.
std::string saveFailureReason(std::string_view what, const std::error_code& error, const std::filesystem::path& folder,
                              platform::System system = platform::kThisSystem);

// Rebuilds, in ThemeLines, the R, G and B records of every entry whose changed
// flag is 1, from that entry's colour table row: <R Value="N" /> and so on.
void RewriteChangedEntries(ThemeDocument& document);

// Appends records 1..LineCount to `out`, each followed by CR LF.
void WriteThemeLines(const ThemeDocument& document, std::string& out);

// Replaces the file at `path` with `bytes`: they go into a temporary file in the
// same folder, which takes the target's place only once it is completely
// written and on the disk. On failure the target is left as it was, and no
// temporary file remains. The new file keeps the target's permission bits and,
// where this user may set them, its owner and group. A link is followed to the
// file it names. A target whose mode allows no writing is refused; a device or
// a FIFO is written to, never replaced. Throws ThemeError.
void replaceFile(const std::filesystem::path& path, std::string_view bytes);

// Rewrites the changed entries and writes the whole theme to `path`.
void saveTheme(ThemeDocument& document, const std::filesystem::path& path);

} // namespace tintwright::theme
