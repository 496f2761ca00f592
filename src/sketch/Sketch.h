#pragma once

#include "Scene.h"
#include "color/Color.h"
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

// The colours as seen with that colour vision.
ElementColors simulated(ElementColors colors, color::Vision vision);

struct Coverage {
    std::vector<std::string> missing; // painted by these scenes, lacking from the theme: Live uses its default
    std::vector<std::string> missingElsewhere; // lacking from the theme, painted only by other scenes
    std::vector<std::string> notDrawn; // in the theme, painted by no scene
};
Coverage coverage(const ElementColors& colors, const std::vector<const Scene*>& scenes = allScenes());

// The scenes as one SVG 1.1 document, one above the other.
std::string svgDocument(const std::vector<const Scene*>& scenes, const ElementColors& colors);

// The least contrast ratios: WCAG 2's 4.5 for text and 3 for graphics (success criteria 1.4.3 and 1.4.11).
struct ContrastMinimums {
    double text = 4.5;
    double graphic = 3.0;
};

struct ContrastPair {
    std::string foreground;
    std::string background;
    bool text = true; // text, or a graphic (an icon, a mark)
    double ratio = 1;
    double minimum = 1; // the limit that applies to it
    bool passes = true; // ratio >= minimum
    theme::RgbTriple foregroundRgb;
    theme::RgbTriple backgroundRgb;
};

// Every pair of an element standing on another in the scenes, once, with its
// WCAG contrast ratio and whether it reaches its minimum, lowest first; pairs
// with a missing element are left out. What the CLI prints and the window shows.
std::vector<ContrastPair> contrastPairs(const ElementColors& colors, const ContrastMinimums& minimums = {});

} // namespace tintwright::sketch
