#pragma once

#include "Generate.h"
#include "theme/LaterTheme.h"
#include "theme/ThemeReader.h"

#include <string>
#include <string_view>
#include <vector>

// A Live 10 theme in the format of Live 11 or 12, in the order those Lives
// write their themes.
namespace tintwright::make {

enum class LaterLive { Live11, Live12 };

// What the later Live's own theme files begin with.
struct LaterHeader {
    std::string_view majorVersion;
    std::string_view minorVersion;
    std::string_view schemaChangeCount;
};
LaterHeader laterHeader(LaterLive live);

// Every record of the later Live's themes, in the order it writes them: colour
// elements, blend factors and alphas, its further settings and level meters.
const std::vector<std::string_view>& laterRecordNames(LaterLive live);

// The element of Live 10 that plays the part of an element the later Live
// added, whose colour it is given; empty for any other name.
std::string_view standInOf(std::string_view laterElement);

// Whether the later Live keeps its own value for this record when a theme
// leaves it out: its settings of lightness, saturation and alpha that Live 10
// has none of, and its level meters' colours.
bool leftToLive(std::string_view name);

struct Exported {
    theme::LaterTheme theme; // the records to write, with the later Live's header and the theme's Creator
    std::vector<std::string> kept; // colour elements with the theme's own colour and alpha
    std::vector<std::string> completed; // elements of Live 10.1 the theme lacks, made as `complete` makes them
    std::vector<std::string> made; // elements Live 10 lacks, with the colour of their stand-in
    std::vector<std::string> leftOut; // the theme's elements, blend factors and alphas the later Live does not know
    int factors = 0; // blend factors and alphas written, the theme's own or Live 10.1's
    int leftToLive = 0; // the later Live's own settings and level meters, not written
    std::vector<MovedPair> shortfalls; // pairs with a completed element below their minimum
};

// Every element both Lives know keeps its colour and alpha exactly; an element
// of Live 10.1 the theme lacks is made first, as `complete` makes it; an
// element the later Live added takes the colour and alpha of its stand-in in
// the completed theme; blend factors and alphas both know keep their values.
// Throws ThemeError for records that are no Live 10 theme.
Exported exportTheme(const theme::ThemeContent& theme, LaterLive live);

} // namespace tintwright::make
