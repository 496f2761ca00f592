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

} // namespace tintwright::theme
