#include "ColorMath.h"

#include <algorithm>
#include <cmath>

namespace tintwright::sketch {

namespace {

// The sRGB transfer function undone, with the constants of WCAG 2.x
// (W3C, "Web Content Accessibility Guidelines 2.1", definition of relative luminance).
double linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const theme::RgbTriple& rgb)
{
    return 0.2126 * linear(rgb.R) + 0.7152 * linear(rgb.G) + 0.0722 * linear(rgb.B);
}

double contrastRatio(const theme::RgbTriple& a, const theme::RgbTriple& b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace tintwright::sketch
