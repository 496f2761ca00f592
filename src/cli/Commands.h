#pragma once

#include "Arguments.h"
#include "model/ThemeModel.h"
#include "theme/ColorValue.h"
#include "theme/ThemeReader.h"

#include <istream>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The commands of tintwright-cli. Files are named as they were given on the
// command line; each command reads and writes only through the theme core.
namespace tintwright::cli {

// Standard input, read once, for a THEME given as "-".
class StandardInput {
public:
    explicit StandardInput(std::istream& in)
        : m_in(in)
    {
    }
    const std::string& bytes();

private:
    std::istream& m_in;
    std::optional<std::string> m_bytes;
};

// Reads a theme as the window does ("-" is standard input). Throws CliError
// with the window's words for a file it would refuse, and a detail for a
// theme of a later Live.
theme::ThemeContent loadTheme(const std::string& file, StandardInput& input);

// Whether the beginning of a text that is not a Live 10 theme is one of Live
// 11 or 12, whose colours are single Value="#rrggbb" attributes.
bool looksLikeLaterLiveTheme(std::string_view head);

enum class ListFormat { Text, Csv, Json };

void listEntries(const theme::ThemeContent& theme, ListFormat format, std::ostream& out);

// Gives the entries each "ENTRY=COLOR" names their colours, leaving out an
// entry given the colour it has already; how many changed. Throws CliError.
int setColors(model::ThemeModel& model, const std::string& file, const std::vector<std::string>& assignments);

// Gives every entry whose colour is the left colour of a "COLOR=COLOR" the
// right one; how many changed. Throws CliError.
int replaceColors(model::ThemeModel& model, const std::string& file, const std::vector<std::string>& replacements);

// One line per entry whose colour differs or that only one theme has, matched
// by their ITEM texts, then one per other record that differs, matched by
// their order among the records outside colour entries; the number of lines.
int diffThemes(const theme::ThemeContent& first, const std::string& firstFile, const theme::ThemeContent& second,
               const std::string& secondFile, std::ostream& out);

// The bytes of a file given on the command line ("-" is standard input). Throws CliError.
std::string fileBytes(const std::string& file, StandardInput& input);

enum class CheckResult { Theme, NotATheme, Unreadable };

// "FILE: ok, ..." or why the window would refuse it; an unreadable file is
// told on `err`.
CheckResult checkTheme(const std::string& file, StandardInput& input, std::ostream& out, std::ostream& err);

// Text for a terminal: control characters as \xHH, so that a name cannot
// move the cursor or cut a line short.
std::string escaped(std::string_view text);

// Columns the UTF-8 text takes in a terminal: East Asian wide characters two,
// combining marks none.
std::size_t displayWidth(std::string_view utf8);

} // namespace tintwright::cli
