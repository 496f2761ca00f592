#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Themes of Live 11 and 12: XML whose <Theme> gives each colour as one
// <Name Value="#rrggbb" /> or "#rrggbbaa", blend factors and alphas as plain
// numbers, and groups (a VU meter's colours) as elements with children.
namespace tintwright::theme {

struct LaterRecord {
    std::string name; // the element's name
    std::string value; // its Value attribute as it may stand between double quotes; empty for a group
    bool group = false; // an element with children (Live 10 has none such)
};

struct LaterTheme {
    std::string creator; // the Ableton element's Creator attribute, as it may stand between double quotes
    std::string majorVersion;
    std::string minorVersion;
    std::vector<LaterRecord> records; // the children of <Theme>, in file order
};

// A colour written as #rrggbb (alpha 255) or #rrggbbaa; nothing for other text.
struct LaterColor {
    std::uint8_t r = 0, g = 0, b = 0, alpha = 255;
};
std::optional<LaterColor> laterColor(std::string_view value);

// Reads a Live 11 or 12 theme, whose colours <Theme> (or <SkinManager>) holds.
// Throws ThemeError with a reason for text that is not well-formed XML (tags
// that do not nest, an unquoted, unclosed or repeated attribute, a "&" that
// begins no reference, an entity other than XML's own, text after the end, a
// file that ends inside the document), for XML that is no Live theme (no
// <Ableton> holding a <Theme>), and for a Live 10 theme (whose colours are R,
// G and B lines, whatever holds them).
LaterTheme readLaterTheme(std::string_view text);

} // namespace tintwright::theme
