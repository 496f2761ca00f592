#pragma once

#include "sketch/ElementTable.h"

#include <string>

#include <QString>

// What the parts of Form1 share about its grid.
namespace tintwright::ui::grid {

// Grid columns.
enum Column : int { Number = 0, Item = 1, Red = 2, Green = 3, Blue = 4, OldColor = 5, NewColor = 6, Marker = 7 };

// The element an ITEM text names, as the sketch names it.
inline QString elementOf(const QString& item)
{
    const std::string text = item.toStdString();
    return QString::fromStdString(std::string(sketch::elementName(text)));
}

} // namespace tintwright::ui::grid
