#pragma once

#include "color/Color.h"
#include "theme/ColorValue.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace tintwright::cli {

// A command line that cannot be carried out, told in one line; `file` is the
// file it concerns, or empty; `unreadable` when that file could not be read at all.
class CliError : public std::runtime_error {
public:
    CliError(std::string file, const std::string& problem, bool unreadable = false)
        : std::runtime_error(problem)
        , m_file(std::move(file))
        , m_problem(problem)
        , m_unreadable(unreadable)
    {
    }
    const std::string& file() const { return m_file; }
    bool unreadable() const { return m_unreadable; }
    // A second sentence that helps further, or empty.
    const std::string& detail() const { return m_detail; }
    void setDetail(std::string detail) { m_detail = std::move(detail); }
    // The problem without the blanks some of the program's messages begin with.
    std::string_view problem() const
    {
        std::string_view text = m_problem;
        text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
        return text;
    }

private:
    std::string m_file;
    std::string m_problem; // all of it, NUL bytes included
    bool m_unreadable;
    std::string m_detail;
};

// A number an option is given: a finite decimal (an optional sign, digits, at
// most one point; no exponent, hexadecimal, "nan" or "inf") from `least` to
// `most`. Throws CliError naming the option, the text and the range.
double parseNumber(std::string_view option, std::string_view text, double least, double most);

// "#RRGGBB" (either case) or "R,G,B" with each part 0..255. Throws std::invalid_argument.
theme::RgbTriple parseColor(std::string_view text);

using color::hexColor;

// An entry named on the command line: a number, or an element name with or
// without its angle brackets.
struct EntryName {
    int number = 0; // 1.. when named by number
    std::string item; // "<Name>" when named by name
};

EntryName parseEntryName(std::string_view text);

// "LEFT=RIGHT", split at the last "=", both parts non-empty; `form` names
// them for the message. Throws std::invalid_argument.
std::pair<std::string, std::string> splitAssignment(std::string_view text, std::string_view form);

// A path given on the command line, which is UTF-8 on every system.
std::filesystem::path pathFromArgument(const std::string& argument);

} // namespace tintwright::cli
