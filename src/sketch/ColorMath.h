#pragma once

#include "theme/ColorValue.h"

namespace tintwright::sketch {

// Relative luminance of an sRGB colour, 0..1, as WCAG 2.x defines it.
double relativeLuminance(const theme::RgbTriple& rgb);

// WCAG 2.x contrast ratio of two colours, 1..21.
double contrastRatio(const theme::RgbTriple& a, const theme::RgbTriple& b);

} // namespace tintwright::sketch
