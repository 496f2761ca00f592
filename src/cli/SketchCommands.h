#pragma once

#include "Commands.h"
#include "color/Color.h"
#include "theme/ThemeReader.h"

#include <ostream>
#include <string>
#include <vector>

// The commands of tintwright-cli that show where Live paints a theme's colours.
namespace tintwright::cli {

// The SVG sketch of the views ("session", "arrangement" or "both") to `out`;
// missing and undrawn elements, one line each, to `err`.
void previewTheme(const theme::ThemeContent& theme, const std::string& view, std::ostream& out, std::ostream& err);

// Where Live paints each named element, or every element where `names` is
// empty. Throws CliError for a name Live 10 does not have.
void explainElements(const std::vector<std::string>& names, ListFormat format, std::ostream& out);

// Every contrast pair, lowest first; true when one is below its minimum.
bool reportContrast(const theme::ThemeContent& theme, double minimumText, double minimumGraphic, ListFormat format,
                    std::ostream& out);

// The distinct colours of the theme, most used first (ties in order of first
// appearance), each with its count and its entries.
void listPalette(const theme::ThemeContent& theme, ListFormat format, std::ostream& out);

// Adjusts the colours of the entries whose element matches `patterns` (all,
// where there are none); how many changed. Throws CliError, naming `file`,
// for a pattern that matches no entry.
int adjustColors(model::ThemeModel& model, const std::string& file, const color::Adjustment& adjustment,
                 const std::vector<std::string>& patterns);

// For `check`: a line when the theme lacks the elements Live 10.1 added, or nothing.
std::string liveVersionNote(const theme::ThemeContent& theme);

} // namespace tintwright::cli
