#pragma once

#include <string_view>

namespace tintwright::cli {

// A whole Live 10.1 theme of our own (the Paper sample): its 162 elements in
// Live's order, the header, the SkinManager and the blend factor. What
// `generate` recolours when it is given no theme.
std::string_view themeTemplate();

} // namespace tintwright::cli
