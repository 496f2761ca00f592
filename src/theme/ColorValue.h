#pragma once

#include <cstdint>

namespace tintwright::theme {

// A colour value is 0x00BBGGRR, red in the low byte. A value with the top bit
// set (0x80000000 + n) names system colour n instead of an RGB colour.
using ColorValue = std::uint32_t;

inline constexpr ColorValue kSystemColorFlag = 0x80000000u;
// System colour 4, the menu background: the look of an untouched "NEW COLOR" cell.
inline constexpr ColorValue kMenuBackground = kSystemColorFlag + 4;

struct RgbTriple {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;
};

// Splits a colour value into its red, green and blue bytes; the top byte is ignored.
RgbTriple SplitColor(const ColorValue& color);

// R + 256 * G + 65536 * B, where a component above 255 counts as 255 and a
// negative one as 0.
ColorValue composeColor(int red, int green, int blue);

bool isSystemColor(ColorValue color);

// The value of a hexadecimal digit in either case, or -1 for another character.
int hexDigitValue(char c);

} // namespace tintwright::theme
