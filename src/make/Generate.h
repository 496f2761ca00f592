#pragma once

#include "model/ThemeModel.h"
#include "theme/ColorValue.h"

#include <string>
#include <utility>
#include <vector>

// A whole theme from three base colours: the nearest of our own designs
// carried over to them, and every text and mark the sketch shows standing on
// something then given the lightness its contrast minimum asks for.
namespace tintwright::make {

struct BaseColors {
    theme::RgbTriple background;
    theme::RgbTriple foreground;
    theme::RgbTriple accent;
};

// The base colours of the example in the help ("Ember"): a dark ground, light
// text and an orange accent; also where a theme lacks its own.
inline constexpr BaseColors kExampleBase {{0x1e, 0x1f, 0x22}, {0xe8, 0xe8, 0xe8}, {0xff, 0x9a, 0x3c}};

// A pair whose colours, as the roles give them, fell short of its minimum.
struct MovedPair {
    std::string foreground;
    std::string background;
    double before = 1; // the ratio as the roles gave it
    double after = 1; // once lightness moved
    double minimum = 1;
};

struct GeneratedTheme {
    std::vector<std::pair<std::string, theme::RgbTriple>> colors; // every element, in the element table's order
    std::vector<MovedPair> moved; // lowest ratio before first
    // Pairs that could not be brought to their minimum; none for the scenes as they are drawn.
    std::vector<MovedPair> shortfalls;
};

// Why text in the foreground cannot be read on the background (the two are
// too close for text's minimum), or empty where it can.
std::string readabilityProblem(const BaseColors& base);

// The same base colours give the same theme. The background is the theme's
// SurfaceBackground and the foreground its ControlForeground, unchanged; the
// accent is the chosen state (ChosenDefault), its lightness moved only where a
// pair needs it. Where the text leaves no room for a mark between it and a
// light clip, the clips turn dark under light names.
GeneratedTheme generateTheme(const BaseColors& base);

// Gives each entry of the theme whose element the generated theme names its
// colour, where that differs from its current one; the entries changed.
std::vector<int> applyGenerated(model::ThemeModel& theme, const GeneratedTheme& generated);

} // namespace tintwright::make
