#include "ColorValue.h"

#include <algorithm>

namespace tintwright::theme {

RgbTriple SplitColor(const ColorValue& color)
{
    RgbTriple triple;
    triple.R = static_cast<std::uint8_t>(color & 0xFFu);
    triple.G = static_cast<std::uint8_t>((color >> 8) & 0xFFu);
    triple.B = static_cast<std::uint8_t>((color >> 16) & 0xFFu);
    return triple;
}

ColorValue composeColor(int red, int green, int blue)
{
    const auto component = [](int value) { return static_cast<ColorValue>(std::clamp(value, 0, 255)); };
    return component(red) + 256u * component(green) + 65536u * component(blue);
}

bool isSystemColor(ColorValue color)
{
    return (color & kSystemColorFlag) != 0;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

} // namespace tintwright::theme
