#pragma once

#include "Scene.h"
#include "theme/ColorValue.h"
#include "theme/ThemeReader.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tintwright::sketch {

struct ElementColor {
    theme::RgbTriple rgb;
    int entry = 0; // the entry's number in the theme
};

// Element name (without angle brackets) -> its colour; where several entries
// share a name, the first.
using ElementColors = std::map<std::string, ElementColor, std::less<>>;

// From entries in theme order, each with its current colour (the new colour where one was picked).
ElementColors elementColors(const std::vector<std::pair<std::string, theme::RgbTriple>>& entries);
// From a read theme, with the colours of its file.
ElementColors elementColors(const theme::ThemeContent& theme);

struct Coverage {
    std::vector<std::string> missing; // painted by the scenes, lacking from the theme: Live uses its default
    std::vector<std::string> notDrawn; // in the theme, painted by no scene
};
Coverage coverage(const ElementColors& colors);

// The scenes as one SVG 1.1 document, one above the other.
std::string svgDocument(const std::vector<const Scene*>& scenes, const ElementColors& colors);

struct ContrastPair {
    std::string foreground;
    std::string background;
    bool text = true; // text, or a graphic (an icon, a mark)
    double ratio = 1;
    theme::RgbTriple foregroundRgb;
    theme::RgbTriple backgroundRgb;
};

// Every pair of an element standing on another in the scenes, once, with its
// WCAG contrast ratio, lowest first; pairs with a missing element are left out.
std::vector<ContrastPair> contrastPairs(const ElementColors& colors);

} // namespace tintwright::sketch
