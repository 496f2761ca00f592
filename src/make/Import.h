#pragma once

#include "Complete.h"
#include "theme/LaterTheme.h"

#include <string>
#include <vector>

// A theme of Live 11 or 12 as a whole Live 10.1 theme.
namespace tintwright::make {

struct Imported {
    std::vector<std::string> records; // the Live 10.1 theme, without line ends
    int kept = 0; // elements both Lives know, with the theme's colour and alpha
    int made = 0; // Live 10.1 elements the theme lacks (or gives no colour), made from its colours
    int leftOut = 0; // elements and groups Live 10 does not know
    int unreadable = 0; // elements of Live 10.1 whose value is no #rrggbb or #rrggbbaa, made instead
    int repeated = 0; // elements given again after their first, whose first is kept
    std::vector<MovedPair> shortfalls; // pairs with a made element below their minimum
    std::vector<MovedPair> noRoom; // pairs below it that the theme's own colours leave no room for
};

// Every element both Lives know keeps its colour and alpha exactly (an
// element given twice, its first); a blend factor or alpha Live 10.1 has keeps
// the theme's value; what the theme lacks is made as `complete` makes it; the
// theme's Creator stays. Live 11 and 12 keep the meaning of the names they
// share with Live 10 (none was found renamed or reused), so none is mapped.
// Throws ThemeError for a theme of which no element would be kept.
Imported importLaterTheme(const theme::LaterTheme& theme);

} // namespace tintwright::make
