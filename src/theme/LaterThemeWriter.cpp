#include "LaterThemeWriter.h"

namespace tintwright::theme {

namespace {

// Text inside a double-quoted attribute: the characters XML gives a meaning
// there are written as references. An "&" that already begins a reference stays.
std::string attributeText(const std::string& text)
{
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '&') {
            const std::size_t end = text.find(';', i);
            const bool reference =
                end != std::string::npos && end > i + 1 && end - i <= 10 && text.find_first_of(" &<\"", i + 1) > end;
            escaped += reference ? "&" : "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else if (c == '"') {
            escaped += "&quot;";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

} // namespace

std::string laterColorText(const LaterColor& color)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text = "#";
    const auto byte = [&](std::uint8_t value) {
        text += kDigits[value >> 4];
        text += kDigits[value & 0x0f];
    };
    byte(color.r);
    byte(color.g);
    byte(color.b);
    if (color.alpha != 255) {
        byte(color.alpha);
    }
    return text;
}

std::string writeLaterTheme(const LaterTheme& theme, const std::string& schemaChangeCount)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    text += "<Ableton MajorVersion=\"" + attributeText(theme.majorVersion) + "\" MinorVersion=\""
        + attributeText(theme.minorVersion) + "\" SchemaChangeCount=\"" + attributeText(schemaChangeCount)
        + "\" Creator=\"" + attributeText(theme.creator) + "\" Revision=\"\">\n";
    text += "\t<Theme>\n";
    for (const LaterRecord& record : theme.records) {
        text += "\t\t<" + record.name + " Value=\"" + attributeText(record.value) + "\" />\n";
    }
    text += "\t</Theme>\n</Ableton>\n";
    return text;
}

} // namespace tintwright::theme
