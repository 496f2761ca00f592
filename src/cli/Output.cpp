#include "Output.h"

#include <cstdio>

namespace tintwright::cli {

namespace {

// Code points of the characters a terminal shows two columns wide, and of the
// marks it puts on the character before them.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF)
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
        || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F)
        || (c >= 0x1F900 && c <= 0x1F9FF) || (c >= 0x20000 && c <= 0x3FFFD);
}

bool isCombining(char32_t c)
{
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF)
        || (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F) || c == 0x200B || c == 0x200D;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

Field::Field(std::string name, std::string text)
    : key(std::move(name))
    , json(text)
    , csv(std::move(text))
{
}

Field::Field(std::string name, const char* text)
    : Field(std::move(name), std::string(text))
{
}

Field::Field(std::string name, int number)
    : key(std::move(name))
    , json(number)
    , csv(std::to_string(number))
{
}

Field::Field(std::string name, bool value)
    : key(std::move(name))
    , json(value)
    , csv(value ? "true" : "false")
{
}

Field::Field(std::string name, nlohmann::ordered_json value, std::string text)
    : key(std::move(name))
    , json(std::move(value))
    , csv(std::move(text))
{
}

void writeRecords(const std::vector<Record>& records, ListFormat format, const std::vector<std::string>& keys,
                  std::ostream& out)
{
    if (format == ListFormat::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Record& record : records) {
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            for (const Field& field : record) {
                object[field.key] = field.json;
            }
            list.push_back(std::move(object));
        }
        out << list.dump(2) << '\n';
        return;
    }
    std::string header;
    for (const std::string& key : keys) {
        header += (header.empty() ? "" : ",") + key;
    }
    out << header << '\n';
    for (const Record& record : records) {
        std::string line;
        for (const Field& field : record) {
            line += (line.empty() ? "" : ",") + csvField(field.csv);
        }
        out << line << '\n';
    }
}

std::string escaped(std::string_view text)
{
    constexpr char kDigits[] = "0123456789abcdef";
    std::string result;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            result += "\\x";
            result += kDigits[byte >> 4];
            result += kDigits[byte & 0xF];
        } else {
            result += c;
        }
    }
    return result;
}

std::size_t displayWidth(std::string_view utf8)
{
    std::size_t columns = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : lead & (0x3Fu >> (length - 1));
        for (std::size_t i = 1; i < length && at + i < utf8.size(); ++i) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3Fu);
        }
        at += length;
        columns += isCombining(c) ? 0u : isWide(c) ? 2u : 1u;
    }
    return columns;
}

std::string padded(const std::string& text, std::size_t columns, bool right)
{
    const std::size_t width = displayWidth(text);
    const std::string fill(columns > width ? columns - width : 0, ' ');
    return right ? fill + text : text + fill;
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string twoDecimals(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

} // namespace tintwright::cli
