#include "DisplayText.h"

#include <cstdint>

namespace tintwright::theme {

namespace {

// Windows-1252 characters of the bytes 0x80 to 0x9F; the five bytes it leaves
// undefined keep their own code point.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isContinuation(std::uint8_t byte)
{
    return (byte & 0xC0) == 0x80;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[at]);
        std::size_t length = 1;
        char32_t lowest = 0;
        char32_t c = lead;
        if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            lowest = 0x10000;
            c = lead & 0x07u;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            lowest = 0x800;
            c = lead & 0x0Fu;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            lowest = 0x80;
            c = lead & 0x1Fu;
        } else if (lead >= 0x80) {
            return false;
        }
        if (bytes.size() - at < length) {
            return false;
        }
        for (std::size_t i = 1; i < length; ++i) {
            const auto byte = static_cast<std::uint8_t>(bytes[at + i]);
            if (!isContinuation(byte)) {
                return false;
            }
            c = (c << 6) | (byte & 0x3Fu);
        }
        // No longer form than needed, no surrogate halves, nothing past U+10FFFF.
        if (c < lowest || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string displayText(std::string_view record)
{
    if (isValidUtf8(record)) {
        return std::string(record);
    }
    std::string text;
    text.reserve(record.size() * 2);
    for (const char byte : record) {
        const auto value = static_cast<std::uint8_t>(byte);
        appendUtf8(text, value >= 0x80 && value < 0xA0 ? kWindows1252High[value - 0x80] : char32_t {value});
    }
    return text;
}

} // namespace tintwright::theme
