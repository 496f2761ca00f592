#include "ThemeDocument.h"

#include "ThemeError.h"

namespace tintwright::theme {

ColorTableRow& colorTableRow(ThemeDocument& document, int row)
{
    if (row < 0 || row > kColorTableRows) {
        throw ThemeError(ErrorNumber::SubscriptOutOfRange,
                         "Row " + std::to_string(row) + " lies outside the colour table.");
    }
    return document.ColorTable[static_cast<std::size_t>(row)];
}

} // namespace tintwright::theme
