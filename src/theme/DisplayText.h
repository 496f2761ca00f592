#pragma once

#include <string>
#include <string_view>

namespace tintwright::theme {

// Theme records are bytes and are kept and written as bytes. To show one, a
// record that is valid UTF-8 is taken as UTF-8; any other record is taken as
// Windows-1252, one character per byte. The result is UTF-8.
std::string displayText(std::string_view record);

bool isValidUtf8(std::string_view bytes);

} // namespace tintwright::theme
