#pragma once

#include "ColorValue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>

namespace tintwright::theme {

inline constexpr int kMaxLines = 1200; // a theme has at most 1200 lines
inline constexpr int kColorTableRows = 200; // rows 1..200 of the colour table can hold entries
inline constexpr int kMaxEntries = 169; // the grid lists at most 169 entries below its header

// Columns of a colour table row.
enum class ColorTableColumn : std::size_t {
    RecordSlot = 0, // slot of the entry's R record in ThemeLines; G and B follow it
    Red = 1,
    Green = 2,
    Blue = 3,
    Changed = 4, // 1 once the user picked or reverted the entry's colour
};

// A row of the colour table: five numbers, read and written by column only.
struct ColorTableRow : std::array<std::int16_t, 5> {
    std::int16_t& operator[](ColorTableColumn column) { return at(static_cast<std::size_t>(column)); }
    std::int16_t operator[](ColorTableColumn column) const { return at(static_cast<std::size_t>(column)); }
};

// Everything held about the one theme being edited. Slot 0 of ThemeLines and
// row 0 of ColorTable belong to no record and no entry.
struct ThemeDocument {
    std::array<std::string, kMaxLines + 1> ThemeLines;
    std::int16_t LineCount = 0;
    std::array<ColorTableRow, kColorTableRows + 1> ColorTable {};
    std::int16_t EntryCount = 0;
    std::string CurrentLine;
    std::filesystem::path DialogPath;
    std::filesystem::path SavedPath;
    std::string ThemeTitle; // UTF-8
    bool HasMyPrefix = false; // the opened theme's name begins with "my"
    bool ThemeLoaded = false; // a theme is read: the grid lists it
    std::int16_t MarkedRow = 0;
    ColorValue WorkColor = 0;
};

// The colour table row `row`; a row outside 0..200 is a subscript error.
ColorTableRow& colorTableRow(ThemeDocument& document, int row);

} // namespace tintwright::theme
