#pragma once

// What the parts of Form1 share about its grid.
namespace tintwright::ui::grid {

inline constexpr int kGridRows = 170; // the header row and rows 1 to 169
inline constexpr int kGridCols = 8;

// Grid columns.
enum class Column : int { Number = 0, Item = 1, Red = 2, Green = 3, Blue = 4, OldColor = 5, NewColor = 6, Marker = 7 };

// The column's number, as the grid counts its columns.
constexpr int column(Column shown)
{
    return static_cast<int>(shown);
}

} // namespace tintwright::ui::grid
