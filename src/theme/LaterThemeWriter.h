#pragma once

#include "LaterTheme.h"

#include <string>

// Writes a theme in the format of Live 11 and 12, which readLaterTheme reads.
namespace tintwright::theme {

// A colour as these themes write it: "#rrggbb", or "#rrggbbaa" where the alpha is not 255.
std::string laterColorText(const LaterColor& color);

// The XML declaration, <Ableton> with the theme's MajorVersion, MinorVersion,
// SchemaChangeCount and Creator, and <Theme> holding one <Name Value="..." />
// per record, in the records' order, as Live indents them: one line each, ended
// by LF. Attribute text is escaped.
std::string writeLaterTheme(const LaterTheme& theme, const std::string& schemaChangeCount);

} // namespace tintwright::theme
