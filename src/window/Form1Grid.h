#pragma once

// What the parts of Form1 share about its grid.
namespace tintwright::ui::grid {

// Grid columns.
enum Column : int { Number = 0, Item = 1, Red = 2, Green = 3, Blue = 4, OldColor = 5, NewColor = 6, Marker = 7 };

} // namespace tintwright::ui::grid
