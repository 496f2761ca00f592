#include "Commands.h"

#include "theme/DisplayText.h"
#include "theme/ThemeDocument.h"
#include "theme/ThemeError.h"
#include "theme/ThemeWriter.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <optional>

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

// Characters, not bytes, so that columns of non-ASCII names line up.
std::size_t width(const std::string& utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padded(const std::string& text, std::size_t columns, bool right)
{
    const std::string fill(columns > width(text) ? columns - width(text) : 0, ' ');
    return right ? fill + text : text + fill;
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
        itemWidth = std::max(itemWidth, width(row.item));
    }
    const auto line = [&](const std::string& number, const std::string& item, const std::string& r,
                          const std::string& g, const std::string& b, const std::string& hex) {
        out << padded(number, numberWidth, true) << "  " << padded(item, itemWidth, false) << "  " << padded(r, 3, true)
            << "  " << padded(g, 3, true) << "  " << padded(b, 3, true) << "  " << hex << '\n';
    };
    line("NBR", "ITEM", "R", "G", "B", "HEX");
    for (const Row& row : entries) {
        line(std::to_string(row.number), row.item, std::to_string(row.rgb.R), std::to_string(row.rgb.G),
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

} // namespace

theme::ThemeContent loadTheme(const std::string& file)
{
    std::optional<theme::ThemeContent> content;
    try {
        content = theme::readThemeFile(pathFromArgument(file));
    } catch (const theme::ThemeError& error) {
        throw CliError(file, error.what());
    }
    if (!content) {
        throw CliError(file, theme::kWrongFormatMessage);
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

NewColors colorsToSet(const theme::ThemeContent& theme, const std::string& file,
                      const std::vector<std::string>& assignments)
{
    const std::vector<Row> entries = rows(theme);
    NewColors colors;
    for (const std::string& assignment : assignments) {
        try {
            const auto [entry, color] = splitAssignment(assignment, "ENTRY=COLOR");
            const theme::RgbTriple rgb = parseColor(color);
            const EntryName name = parseEntryName(entry);
            if (name.number != 0 || name.item.empty()) {
                if (name.number < 1 || name.number > static_cast<int>(entries.size())) {
                    throw CliError(file,
                                   "there is no colour entry " + entry + ": the theme has "
                                       + counted(entries.size(), "colour entry", "colour entries"));
                }
                colors[name.number] = rgb;
                continue;
            }
            bool found = false;
            for (const Row& row : entries) {
                if (row.item == name.item) {
                    colors[row.number] = rgb;
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
    return colors;
}

NewColors colorsToReplace(const theme::ThemeContent& theme, const std::string& file,
                          const std::vector<std::string>& replacements)
{
    std::vector<std::pair<theme::ColorValue, theme::RgbTriple>> pairs;
    for (const std::string& replacement : replacements) {
        try {
            const auto [from, to] = splitAssignment(replacement, "COLOR=COLOR");
            const theme::RgbTriple old = parseColor(from);
            pairs.emplace_back(theme::composeColor(old.R, old.G, old.B), parseColor(to));
        } catch (const std::invalid_argument& error) {
            throw CliError(file, error.what());
        }
    }
    NewColors colors;
    for (std::size_t i = 0; i < theme.entries.size(); ++i) {
        // Every pair looks at the colour the file gave the entry, so A=B B=A swaps.
        for (const auto& [from, to] : pairs) {
            if (theme.entries[i].oldColor == from) {
                colors[static_cast<int>(i) + 1] = to;
            }
        }
    }
    return colors;
}

std::string savedTheme(const theme::ThemeContent& theme, const NewColors& colors)
{
    auto document = std::make_unique<theme::ThemeDocument>();
    theme::storeTheme(*document, theme);
    for (const auto& [number, rgb] : colors) {
        theme::ColorTableRow& row = theme::colorTableRow(*document, number);
        row[theme::Red] = rgb.R;
        row[theme::Green] = rgb.G;
        row[theme::Blue] = rgb.B;
        row[theme::Changed] = 1;
    }
    theme::RewriteChangedEntries(*document);
    std::string bytes;
    theme::WriteThemeLines(*document, bytes);
    return bytes;
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
            out << row.item << "  only in " << firstFile << '\n';
            ++differences;
            continue;
        }
        const Row& other = right[candidates.back()];
        matched[candidates.back()] = true;
        candidates.pop_back();
        if (hexColor(row.rgb) != hexColor(other.rgb)) {
            out << row.item << "  " << hexColor(row.rgb) << " -> " << hexColor(other.rgb) << '\n';
            ++differences;
        }
    }
    for (std::size_t i = 0; i < right.size(); ++i) {
        if (!matched[i]) {
            out << right[i].item << "  only in " << secondFile << '\n';
            ++differences;
        }
    }
    return differences;
}

bool checkTheme(const std::string& file, std::ostream& out)
{
    try {
        const theme::ThemeContent theme = loadTheme(file);
        out << file << ": ok, " << counted(theme.records.size(), "line", "lines") << ", "
            << counted(theme.entries.size(), "colour entry", "colour entries") << '\n';
        return true;
    } catch (const CliError& error) {
        out << file << ": " << error.problem() << '\n';
        return false;
    }
}

} // namespace tintwright::cli
