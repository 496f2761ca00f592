#include "Arguments.h"

#include "color/Color.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

namespace tintwright::cli {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// 0..255 in decimal digits.
std::uint8_t component(std::string_view text)
{
    text = trimmed(text);
    if (text.empty() || text.size() > 3) {
        throw std::invalid_argument("");
    }
    int value = 0;
    for (const char c : text) {
        if (!isDigit(c)) {
            throw std::invalid_argument("");
        }
        value = value * 10 + (c - '0');
    }
    if (value > 255) {
        throw std::invalid_argument("");
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

double parseNumber(std::string_view option, std::string_view text, double least, double most)
{
    const auto bound = [](double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", value);
        return std::string(buffer);
    };
    const std::string problem = std::string(option) + " takes a number from " + bound(least) + " to " + bound(most)
        + ", not \"" + std::string(text) + "\"";
    std::string_view digits = text;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    const std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    const auto allDigits = [](std::string_view part) { return std::all_of(part.begin(), part.end(), isDigit); };
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction)) {
        throw CliError("", problem);
    }
    // from_chars reads no sign of its own accord for "+", and never by the locale.
    const std::string_view number = text.front() == '+' ? text.substr(1) : text;
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !(value >= least && value <= most)) {
        throw CliError("", problem);
    }
    return value;
}

theme::RgbTriple parseColor(std::string_view written)
{
    const std::string problem =
        "\"" + std::string(written) + "\" is not a colour: write #RRGGBB or R,G,B with each part 0..255";
    // Blanks around a colour, or around each of its parts, do not count, in either form.
    const std::string_view text = trimmed(written);
    if (text.size() == 7 && text.front() == '#') {
        int digits[6];
        for (std::size_t i = 0; i < 6; ++i) {
            digits[i] = theme::hexDigitValue(text[i + 1]);
            if (digits[i] < 0) {
                throw std::invalid_argument(problem);
            }
        }
        return {static_cast<std::uint8_t>(digits[0] * 16 + digits[1]),
                static_cast<std::uint8_t>(digits[2] * 16 + digits[3]),
                static_cast<std::uint8_t>(digits[4] * 16 + digits[5])};
    }
    const std::size_t first = text.find(',');
    const std::size_t second = first == std::string_view::npos ? first : text.find(',', first + 1);
    if (second == std::string_view::npos || text.find(',', second + 1) != std::string_view::npos) {
        throw std::invalid_argument(problem);
    }
    try {
        return {component(text.substr(0, first)), component(text.substr(first + 1, second - first - 1)),
                component(text.substr(second + 1))};
    } catch (const std::invalid_argument&) {
        throw std::invalid_argument(problem);
    }
}

EntryName parseEntryName(std::string_view text)
{
    EntryName name;
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos) {
        constexpr int kBeyondAnyTheme = 1000000;
        for (const char c : text) {
            name.number = std::min(name.number * 10 + (c - '0'), kBeyondAnyTheme);
        }
        return name;
    }
    name.item = "<" + std::string(color::withoutBrackets(text)) + ">";
    return name;
}

std::pair<std::string, std::string> splitAssignment(std::string_view text, std::string_view form)
{
    const std::size_t equals = text.rfind('=');
    if (equals == std::string_view::npos || equals == 0 || equals + 1 == text.size()) {
        throw std::invalid_argument("\"" + std::string(text) + "\" is not of the form " + std::string(form));
    }
    return {std::string(text.substr(0, equals)), std::string(text.substr(equals + 1))};
}

std::filesystem::path pathFromArgument(const std::string& argument)
{
    return std::filesystem::u8path(argument);
}

} // namespace tintwright::cli
