#pragma once

#include "Generate.h"
#include "sketch/Sketch.h"

#include <string>
#include <string_view>
#include <vector>

// A theme made whole for Live 10.1: the elements and the blend factors and
// alphas it lacks, in Live's order, the elements coloured from the theme's
// own colours.
namespace tintwright::make {

// One record of Live 10.1's theme in its order: a colour element, or a blend
// factor or alpha with the value Live 10.1 writes for it.
struct LiveRecord {
    std::string_view name;
    std::string_view factor; // empty for a colour element
};
// The 162 elements and 16 blend factors and alphas, as Live 10.1 orders them.
const std::vector<LiveRecord>& live101Records();

// An element's records as Live 10 writes them: its name, R, G, B, Alpha and closing lines.
std::vector<std::string> elementRecords(std::string_view name, const theme::RgbTriple& rgb, int alpha = 255);
// A blend factor's or an alpha's one record.
std::string factorRecord(std::string_view name, std::string_view value);

// The header Live 10.1 writes above <SkinManager>, with our own Creator.
std::vector<std::string> live101Header(std::string_view creator);

// The base colours of a theme: its own (SurfaceBackground, ControlForeground,
// ChosenDefault), where it has them; a missing ground or ink is the dark or
// light one that stands against the other.
BaseColors baseColorsOf(const sketch::ElementColors& present);

struct MadeElement {
    std::string name;
    theme::RgbTriple rgb;
};

struct Completion {
    std::vector<MadeElement> made; // the elements the theme lacks, in Live's order
    std::vector<MovedPair> shortfalls; // pairs with a made element still below their minimum
    // Pairs of a made element with the theme's own colours that no colour of
    // the made element meets beside its other pairs with them: the theme's own doing.
    std::vector<MovedPair> noRoom;
};

// Colours for the elements of Live 10.1 missing from `present`: each takes
// the colour its role gives it in a theme generated from the theme's own
// background (SurfaceBackground), foreground (ControlForeground) and accent
// (ChosenDefault), and then the lightness nearest that colour's at which
// every pair it makes with the colours already there (the theme's, and made
// ones, grounds first) meets its minimum. No colour of `present` changes.
Completion completeColors(const sketch::ElementColors& present);

// The records of a Live 10 theme with each Live 10.1 record it lacks put in
// at its place in Live's order (after the last record before it that the
// theme has): a made element as its name, R, G, B, Alpha 255 and closing
// records, a blend factor or alpha with Live's value. The other records stay.
std::vector<std::string> completedRecords(std::vector<std::string> records, const Completion& completion);

// Records made whole as a theme read from a file would be. Throws ThemeError
// for records that are no Live 10 theme.
theme::ThemeContent asReadTheme(const std::vector<std::string>& records);

// The elements and the blend factors and alphas of Live 10.1 the records lack.
struct Lacking {
    int elements = 0;
    int factors = 0;
    std::vector<std::string> elementNames; // the elements, in Live's order
};
Lacking lacking(const std::vector<std::string>& records);

} // namespace tintwright::make
