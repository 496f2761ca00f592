#pragma once

// Colours on their own: #rrggbb, WCAG contrast, OKLCH and its adjustments,
// and the name patterns that choose which colours change. Standard C++ only.

#include "theme/ColorValue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintwright::color {

inline constexpr double kPi = 3.14159265358979323846;

// "#rrggbb", the way the program writes every colour.
std::string hexColor(const theme::RgbTriple& rgb);
// "#RRGGBB" in either case; nothing for any other text.
std::optional<theme::RgbTriple> parseHexColor(std::string_view text);

// Relative luminance of an sRGB colour, 0..1, as WCAG 2.x defines it.
double relativeLuminance(const theme::RgbTriple& rgb);

// WCAG 2.x contrast ratio of two colours, 1..21.
double contrastRatio(const theme::RgbTriple& a, const theme::RgbTriple& b);

// A ratio as shown with two decimals: rounded down, so that a ratio shown at
// its minimum reaches it (4.4983 is shown as 4.49, never as 4.50).
double shownRatio(double ratio);

// A colour in OKLCH: lightness 0..1, chroma from 0, hue in degrees.
struct Oklch {
    double L = 0;
    double C = 0;
    double h = 0;
};

// OKLCH's rectangular form, OKLab: lightness and the two axes a (green to red)
// and b (blue to yellow).
struct Oklab {
    double L = 0;
    double a = 0;
    double b = 0;
};
Oklab oklabOf(const Oklch& color);
// A hue in 0..360.
Oklch oklchOf(const Oklab& color);
// How far apart two colours look: the distance in OKLab (ΔE_OK).
double distance(const Oklab& x, const Oklab& y);

// sRGB (with its standard transfer function) to OKLCH and back, after Björn
// Ottosson's OKLab ("A perceptual color space for image processing", 2020).
// An exact grey has chroma 0.
Oklch toOklch(const theme::RgbTriple& rgb);
// A colour outside sRGB keeps its lightness and hue and loses chroma until it
// fits (bisection to 1e-4); channels are rounded to the nearest integer.
// Lightness is held to 0..1; a part that is not a number counts as 0.
theme::RgbTriple fromOklch(const Oklch& color);

// A change of many colours at once, in OKLCH.
struct Adjustment {
    double hue = 0; // degrees added
    double chroma = 1; // factor
    double lightness = 0; // added, after inverting
    bool invertLightness = false;
};

// L' = (1 - L if inverted, else L) + lightness, held to 0..1; C' = C * chroma; h' = h + hue.
// A part that is not finite changes nothing.
theme::RgbTriple adjustColor(const theme::RgbTriple& rgb, const Adjustment& adjustment);

// How a colour looks with a colour vision deficiency.
enum class Vision { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };
// The three dichromacies after Machado, Oliveira and Fernandes ("A Physiologically-based Model for
// Simulation of Color Vision Deficiency", 2009) at severity 1.0, and achromatopsia as the luminance
// (Rec. 709 weights), both in linear sRGB; clamped, then encoded.
theme::RgbTriple simulate(const theme::RgbTriple& rgb, Vision vision);

struct NamedVision {
    std::string_view name; // "normal", "protanopia", …, as the CLI and the window offer them
    Vision vision;
};
// Every colour vision with its name, normal first.
const std::vector<NamedVision>& visions();

// A name as theme files write it, in angle brackets, without them; any other as it is.
std::string_view withoutBrackets(std::string_view name);

// Whether `name` matches the glob pattern (`*`, `?`), which may stand in angle
// brackets as theme files write names. Never more steps than the two lengths'
// product, however many stars.
bool matches(std::string_view name, std::string_view pattern);
// Whether `name` matches one of the patterns; no patterns match everything.
bool matchesAny(std::string_view name, const std::vector<std::string>& patterns);

} // namespace tintwright::color
