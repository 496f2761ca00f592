#include "Commands.h"

#include "SketchCommands.h"

#include "theme/DisplayText.h"
#include "theme/ThemeDocument.h"
#include "theme/ThemeError.h"
#include "theme/ThemeWriter.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <optional>
#include <system_error>

namespace tintwright::cli {

namespace {

struct Row {
    int number;
    std::string item; // as the window shows it, UTF-8
    theme::RgbTriple rgb; // the colour of the "OLD COLOR" swatch
};

std::vector<Row> rows(const theme::ThemeContent& theme)
{
    std::vector<Row> result;
    for (std::size_t i = 0; i < theme.entries.size(); ++i) {
        const theme::ColorEntry& entry = theme.entries[i];
        result.push_back({static_cast<int>(i) + 1, theme::displayText(entry.item), theme::SplitColor(entry.oldColor)});
    }
    return result;
}

std::string padded(const std::string& text, std::size_t columns, bool right)
{
    const std::size_t width = displayWidth(text);
    const std::string fill(columns > width ? columns - width : 0, ' ');
    return right ? fill + text : text + fill;
}

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

void listText(const std::vector<Row>& entries, std::ostream& out)
{
    std::size_t numberWidth = 3;
    std::size_t itemWidth = 4;
    for (const Row& row : entries) {
        numberWidth = std::max(numberWidth, std::to_string(row.number).size());
        itemWidth = std::max(itemWidth, displayWidth(escaped(row.item)));
    }
    const auto line = [&](const std::string& number, const std::string& item, const std::string& r,
                          const std::string& g, const std::string& b, const std::string& hex) {
        out << padded(number, numberWidth, true) << "  " << padded(item, itemWidth, false) << "  " << padded(r, 3, true)
            << "  " << padded(g, 3, true) << "  " << padded(b, 3, true) << "  " << hex << '\n';
    };
    line("NBR", "ITEM", "R", "G", "B", "HEX");
    for (const Row& row : entries) {
        line(std::to_string(row.number), escaped(row.item), std::to_string(row.rgb.R), std::to_string(row.rgb.G),
             std::to_string(row.rgb.B), hexColor(row.rgb));
    }
}

void listCsv(const std::vector<Row>& entries, std::ostream& out)
{
    out << "number,item,r,g,b,hex\n";
    for (const Row& row : entries) {
        out << row.number << ',' << csvField(row.item) << ',' << int {row.rgb.R} << ',' << int {row.rgb.G} << ','
            << int {row.rgb.B} << ',' << hexColor(row.rgb) << '\n';
    }
}

void listJson(const std::vector<Row>& entries, std::ostream& out)
{
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Row& row : entries) {
        list.push_back({{"number", row.number},
                        {"item", row.item},
                        {"r", row.rgb.R},
                        {"g", row.rgb.G},
                        {"b", row.rgb.B},
                        {"hex", hexColor(row.rgb)}});
    }
    out << list.dump(2) << '\n';
}

std::string counted(std::size_t count, const char* one, const char* many)
{
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

// The records outside colour entries (an entry's name and its R, G and B
// records), with their line numbers.
std::vector<std::pair<int, const std::string*>> otherRecords(const theme::ThemeContent& theme)
{
    std::vector<bool> inEntry(theme.records.size() + 2, false);
    for (const theme::ColorEntry& entry : theme.entries) {
        for (int slot = entry.redSlot - 1; slot < entry.redSlot + 3; ++slot) {
            if (slot >= 1 && slot <= static_cast<int>(theme.records.size())) {
                inEntry[static_cast<std::size_t>(slot)] = true;
            }
        }
    }
    std::vector<std::pair<int, const std::string*>> result;
    for (std::size_t slot = 1; slot <= theme.records.size(); ++slot) {
        if (!inEntry[slot]) {
            result.emplace_back(static_cast<int>(slot), &theme.records[slot - 1]);
        }
    }
    return result;
}

// The other records that differ, as a line diff does it: records of one theme
// the other lacks at that place, and records changed in place.
int diffOtherRecords(const theme::ThemeContent& first, const std::string& firstFile, const theme::ThemeContent& second,
                     const std::string& secondFile, std::ostream& out)
{
    const auto left = otherRecords(first);
    const auto right = otherRecords(second);
    const std::size_t columns = right.size() + 1;
    // common[i][j]: the longest common run of left[i..] and right[j..].
    std::vector<std::uint16_t> common((left.size() + 1) * columns, 0);
    for (std::size_t i = left.size(); i-- > 0;) {
        for (std::size_t j = right.size(); j-- > 0;) {
            common[i * columns + j] = *left[i].second == *right[j].second
                ? static_cast<std::uint16_t>(common[(i + 1) * columns + j + 1] + 1)
                : std::max(common[(i + 1) * columns + j], common[i * columns + j + 1]);
        }
    }
    const auto text = [](const std::pair<int, const std::string*>& record) {
        return escaped(theme::displayText(*record.second));
    };
    int differences = 0;
    std::vector<std::size_t> removed;
    std::vector<std::size_t> added;
    const auto flush = [&] {
        for (std::size_t k = 0; k < std::max(removed.size(), added.size()); ++k) {
            if (k < removed.size() && k < added.size()) {
                const auto& a = left[removed[k]];
                const auto& b = right[added[k]];
                out << "line " << a.first << (a.first == b.first ? "" : " (" + std::to_string(b.first) + ")") << "  "
                    << text(a) << " -> " << text(b) << '\n';
            } else if (k < removed.size()) {
                out << "line " << left[removed[k]].first << "  " << text(left[removed[k]]) << "  only in "
                    << escaped(firstFile) << '\n';
            } else {
                out << "line " << right[added[k]].first << "  " << text(right[added[k]]) << "  only in "
                    << escaped(secondFile) << '\n';
            }
            ++differences;
        }
        removed.clear();
        added.clear();
    };
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < left.size() || j < right.size()) {
        if (i < left.size() && j < right.size() && *left[i].second == *right[j].second) {
            flush();
            ++i;
            ++j;
        } else if (j == right.size()
                   || (i < left.size() && common[(i + 1) * columns + j] >= common[i * columns + j + 1])) {
            removed.push_back(i++);
        } else {
            added.push_back(j++);
        }
    }
    flush();
    return differences;
}

} // namespace

const std::string& StandardInput::bytes()
{
    if (m_bytes) {
        return *m_bytes;
    }
    // Read as a named file is: the same limits, and nothing past the point
    // where the text shows it is no theme, so an endless input ends soon.
    std::string bytes;
    theme::RecordCutter cutter;
    std::string chunk(64 * 1024, '\0');
    errno = 0;
    try {
        for (;;) {
            m_in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            const auto got = static_cast<std::size_t>(m_in.gcount());
            if (got == 0) {
                break;
            }
            bytes.append(chunk.data(), got);
            if (!theme::feedTheme(cutter, std::string_view(chunk.data(), got))) {
                break;
            }
        }
    } catch (const theme::ThemeError& error) {
        throw CliError("-", error.message());
    }
    // A closed standard input reads as empty; only the C stream behind std::cin knows it failed.
    const int reason = errno;
    if (m_in.bad() || (&m_in == &std::cin && std::ferror(stdin))) {
        throw CliError("-",
                       "standard input cannot be read"
                           + (reason != 0 ? ": " + std::generic_category().message(reason) : std::string()) + ".",
                       true);
    }
    m_bytes = std::move(bytes);
    return *m_bytes;
}

bool looksLikeLaterLiveTheme(std::string_view head)
{
    theme::RecordCutter cutter;
    try {
        cutter.feed(head);
    } catch (const theme::ThemeError&) {
        return false;
    }
    constexpr std::size_t kHeaderRecords = 8; // the colours begin within the first few lines
    constexpr std::string_view kValue = " Value=\"#";
    const std::vector<std::string>& records = cutter.records();
    for (std::size_t i = 0; i < std::min(records.size(), kHeaderRecords); ++i) {
        const std::string& record = records[i];
        const std::size_t at = record.find(kValue);
        const std::size_t digits = at + kValue.size();
        if (at != std::string::npos && record.front() == '<' && record.size() >= digits + 7 && record[digits + 6] == '"'
            && std::all_of(record.begin() + static_cast<std::ptrdiff_t>(digits),
                           record.begin() + static_cast<std::ptrdiff_t>(digits + 6),
                           [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; })) {
            return true;
        }
    }
    return false;
}

theme::ThemeContent loadTheme(const std::string& file, StandardInput& input)
{
    std::optional<theme::ThemeContent> content;
    try {
        content = file == "-" ? theme::readThemeText(input.bytes()) : theme::readThemeFile(pathFromArgument(file));
    } catch (const theme::ThemeError& error) {
        throw CliError(file, error.message(), error.number() == theme::ErrorNumber::FileNotFound);
    }
    if (!content) {
        CliError error(file, theme::kWrongFormatMessage);
        std::string head;
        if (file == "-") {
            head = input.bytes();
        } else {
            std::ifstream stream(pathFromArgument(file), std::ios::binary);
            head.resize(64 * 1024);
            stream.read(head.data(), static_cast<std::streamsize>(head.size()));
            head.resize(static_cast<std::size_t>(stream.gcount()));
        }
        if (looksLikeLaterLiveTheme(head)) {
            error.setDetail("it looks like a theme of Live 11 or 12, which gives each colour as one "
                            "Value=\"#rrggbb\"; a Live 10 theme gives R, G and B lines");
        }
        throw error;
    }
    return std::move(*content);
}

void listEntries(const theme::ThemeContent& theme, ListFormat format, std::ostream& out)
{
    switch (format) {
    case ListFormat::Text:
        listText(rows(theme), out);
        break;
    case ListFormat::Csv:
        listCsv(rows(theme), out);
        break;
    case ListFormat::Json:
        listJson(rows(theme), out);
        break;
    }
}

int setColors(model::ThemeModel& model, const std::string& file, const std::vector<std::string>& assignments)
{
    std::map<int, theme::RgbTriple> colors;
    // An entry named twice, by number or by name, must be given one colour.
    const auto give = [&](int number, const theme::RgbTriple& rgb) {
        const auto [at, added] = colors.emplace(number, rgb);
        if (!added && hexColor(at->second) != hexColor(rgb)) {
            throw CliError(file,
                           "entry " + std::to_string(number) + " " + theme::displayText(model.entry(number).item)
                               + " is given two colours, " + hexColor(at->second) + " and " + hexColor(rgb));
        }
    };
    for (const std::string& assignment : assignments) {
        try {
            const auto [entry, color] = splitAssignment(assignment, "ENTRY=COLOR");
            const theme::RgbTriple rgb = parseColor(color);
            const EntryName name = parseEntryName(entry);
            if (name.number != 0 || name.item.empty()) {
                if (name.number < 1 || name.number > model.entryCount()) {
                    throw CliError(
                        file,
                        "there is no colour entry " + entry + ": the theme has "
                            + counted(static_cast<std::size_t>(model.entryCount()), "colour entry", "colour entries"));
                }
                give(name.number, rgb);
                continue;
            }
            bool found = false;
            for (int number = 1; number <= model.entryCount(); ++number) {
                if (theme::displayText(model.entry(number).item) == name.item) {
                    give(number, rgb);
                    found = true;
                }
            }
            if (!found) {
                throw CliError(file, "no colour entry is named " + name.item);
            }
        } catch (const std::invalid_argument& error) {
            throw CliError(file, error.what());
        }
    }
    // Only entries whose colour really changes count, and only they are rewritten.
    int changed = 0;
    for (const auto& [number, rgb] : colors) {
        const theme::ColorValue color = theme::composeColor(rgb.R, rgb.G, rgb.B);
        if (color != model.currentColor(number)) {
            model.giveColor(number, color);
            ++changed;
        }
    }
    return changed;
}

int replaceColors(model::ThemeModel& model, const std::string& file, const std::vector<std::string>& replacements)
{
    std::vector<std::pair<theme::ColorValue, theme::ColorValue>> pairs;
    for (const std::string& replacement : replacements) {
        try {
            const auto [from, to] = splitAssignment(replacement, "COLOR=COLOR");
            const theme::RgbTriple old = parseColor(from);
            const theme::RgbTriple wanted = parseColor(to);
            const theme::ColorValue value = theme::composeColor(old.R, old.G, old.B);
            const theme::ColorValue replacing = theme::composeColor(wanted.R, wanted.G, wanted.B);
            for (const auto& [earlier, its] : pairs) {
                if (earlier == value && its != replacing) {
                    throw CliError(file,
                                   hexColor(old) + " is to become two colours, " + hexColor(theme::SplitColor(its))
                                       + " and " + hexColor(wanted));
                }
            }
            pairs.emplace_back(value, replacing);
        } catch (const std::invalid_argument& error) {
            throw CliError(file, error.what());
        }
    }
    // A colour replaced by itself changes nothing, and its entries are not rewritten.
    pairs.erase(std::remove_if(pairs.begin(), pairs.end(), [](const auto& pair) { return pair.first == pair.second; }),
                pairs.end());
    return static_cast<int>(model.replaceColors(pairs).size());
}

int diffThemes(const theme::ThemeContent& first, const std::string& firstFile, const theme::ThemeContent& second,
               const std::string& secondFile, std::ostream& out)
{
    const std::vector<Row> left = rows(first);
    const std::vector<Row> right = rows(second);
    // An ITEM text that several entries share pairs them in their order.
    std::map<std::string, std::vector<std::size_t>> unmatched;
    for (std::size_t i = right.size(); i-- > 0;) {
        unmatched[right[i].item].push_back(i);
    }
    std::vector<bool> matched(right.size(), false);
    int differences = 0;
    for (const Row& row : left) {
        std::vector<std::size_t>& candidates = unmatched[row.item];
        if (candidates.empty()) {
            out << escaped(row.item) << "  only in " << escaped(firstFile) << '\n';
            ++differences;
            continue;
        }
        const Row& other = right[candidates.back()];
        matched[candidates.back()] = true;
        candidates.pop_back();
        if (hexColor(row.rgb) != hexColor(other.rgb)) {
            out << escaped(row.item) << "  " << hexColor(row.rgb) << " -> " << hexColor(other.rgb) << '\n';
            ++differences;
        }
    }
    for (std::size_t i = 0; i < right.size(); ++i) {
        if (!matched[i]) {
            out << escaped(right[i].item) << "  only in " << escaped(secondFile) << '\n';
            ++differences;
        }
    }
    differences += diffOtherRecords(first, firstFile, second, secondFile, out);
    // Equal colours and equal other records: what is left are value records
    // written differently ("07" and "7").
    for (std::size_t i = 0; differences == 0 && i < first.records.size() && i < second.records.size(); ++i) {
        if (first.records[i] != second.records[i]) {
            out << "line " << i + 1 << "  " << escaped(theme::displayText(first.records[i])) << " -> "
                << escaped(theme::displayText(second.records[i])) << '\n';
            ++differences;
        }
    }
    return differences;
}

std::string fileBytes(const std::string& file, StandardInput& input)
{
    if (file == "-") {
        return input.bytes();
    }
    std::ifstream stream(pathFromArgument(file), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    if (stream.bad()) {
        throw CliError(file, "the file cannot be read", true);
    }
    return bytes;
}

CheckResult checkTheme(const std::string& file, StandardInput& input, std::ostream& out, std::ostream& err)
{
    try {
        const theme::ThemeContent theme = loadTheme(file, input);
        const std::string note = liveVersionNote(theme);
        out << escaped(file) << ": ok, " << counted(theme.records.size(), "line", "lines") << ", "
            << counted(theme.entries.size(), "colour entry", "colour entries") << (note.empty() ? "" : "; " + note)
            << '\n';
        return CheckResult::Theme;
    } catch (const CliError& error) {
        if (error.unreadable()) {
            err << "tintwright-cli: " << escaped(file) << ": " << escaped(error.problem()) << '\n';
            return CheckResult::Unreadable;
        }
        out << escaped(file) << ": " << escaped(error.problem())
            << (error.detail().empty() ? "" : "; " + escaped(error.detail())) << '\n';
        return CheckResult::NotATheme;
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

} // namespace tintwright::cli
