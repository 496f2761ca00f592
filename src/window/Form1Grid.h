#pragma once

#include "theme/ColorValue.h"

#include <QString>

// What the parts of Form1 share about its grid.
namespace tintwright::ui::grid {

// Grid columns.
enum Column : int { Number = 0, Item = 1, Red = 2, Green = 3, Blue = 4, OldColor = 5, NewColor = 6, Marker = 7 };

// The element an ITEM text names: the text without its angle brackets.
inline QString elementOf(const QString& item)
{
    return item.size() >= 2 && item.startsWith(QLatin1Char('<')) && item.endsWith(QLatin1Char('>'))
        ? item.mid(1, item.size() - 2)
        : item;
}

} // namespace tintwright::ui::grid
