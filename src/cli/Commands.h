#pragma once

#include "Arguments.h"
#include "theme/ColorValue.h"
#include "theme/ThemeReader.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

// The commands of tintwright-cli. Files are named as they were given on the
// command line; each command reads and writes only through the theme core.
namespace tintwright::cli {

// The colours to give entries: entry number -> colour.
using NewColors = std::map<int, theme::RgbTriple>;

// Reads a theme as the window does. Throws CliError with the window's words
// for a file it would refuse.
theme::ThemeContent loadTheme(const std::string& file);

enum class ListFormat { Text, Csv, Json };

void listEntries(const theme::ThemeContent& theme, ListFormat format, std::ostream& out);

// The entries "ENTRY=COLOR" names, with their colours. Throws CliError.
NewColors colorsToSet(const theme::ThemeContent& theme, const std::string& file,
                      const std::vector<std::string>& assignments);

// The entries whose colour is the left colour of a "COLOR=COLOR", with the
// right one. Throws CliError.
NewColors colorsToReplace(const theme::ThemeContent& theme, const std::string& file,
                          const std::vector<std::string>& replacements);

// The bytes "Save Theme" writes once those entries have been given those colours.
std::string savedTheme(const theme::ThemeContent& theme, const NewColors& colors);

// One line per entry whose colour differs or that only one theme has, matched
// by their ITEM texts; the number of lines.
int diffThemes(const theme::ThemeContent& first, const std::string& firstFile, const theme::ThemeContent& second,
               const std::string& secondFile, std::ostream& out);

// "FILE: ok, ..." or why the window would refuse it; true for a theme.
bool checkTheme(const std::string& file, std::ostream& out);

} // namespace tintwright::cli
