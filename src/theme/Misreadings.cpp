#include "Misreadings.h"

#include <algorithm>
#include <set>

namespace tintwright::theme {

namespace {

constexpr std::string_view kValue = "Value=\"";
constexpr std::string_view kClosing = "</Ableton>";

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The number a whole value text stands for, as far as it is plain digits; -1 otherwise.
long plainNumber(std::string_view text)
{
    if (!allDigits(text) || text.size() > 9) {
        return -1;
    }
    return std::stol(std::string(text));
}

// "<R Value" with one blank or more, or a tab, between the letter and "Value":
// meant as an R record, not read as one.
bool looksLikeRedRecord(std::string_view record)
{
    if (record.size() < 3 || record.substr(0, 2) != "<R" || !isBlank(record[2])) {
        return false;
    }
    record.remove_prefix(2);
    while (!record.empty() && isBlank(record.front())) {
        record.remove_prefix(1);
    }
    return record.substr(0, 5) == "Value";
}

} // namespace

std::string writtenValue(std::string_view record)
{
    const std::size_t at = record.find(kValue);
    if (at == std::string_view::npos) {
        return {};
    }
    const std::string_view rest = record.substr(at + kValue.size());
    return std::string(rest.substr(0, rest.find('"')));
}

bool endsWhole(const ThemeContent& theme)
{
    for (auto record = theme.records.rbegin(); record != theme.records.rend(); ++record) {
        std::string_view text = *record;
        while (!text.empty() && isBlank(text.back())) {
            text.remove_suffix(1);
        }
        if (!text.empty()) {
            return text == kClosing;
        }
    }
    return false;
}

std::vector<Misreading> misreadings(const ThemeContent& theme)
{
    std::vector<Misreading> found;
    std::set<int> entryLines;
    constexpr char kChannels[] = "RGB";
    for (const ColorEntry& entry : theme.entries) {
        for (int channel = 0; channel < 3; ++channel) {
            const int line = entry.redSlot + channel;
            entryLines.insert(line);
            const std::string& record = theme.records[static_cast<std::size_t>(line - 1)];
            const std::string name(1, kChannels[channel]);
            const int value = channel == 0 ? static_cast<int>(entry.oldColor & 0xFF)
                : channel == 1             ? static_cast<int>((entry.oldColor >> 8) & 0xFF)
                                           : static_cast<int>((entry.oldColor >> 16) & 0xFF);
            const std::string expected = "<" + name + " Value=\"";
            if (record.compare(0, expected.size(), expected) != 0) {
                found.push_back(
                    {line, "the " + name + " value is read from \"" + record + "\" as " + std::to_string(value)});
                continue;
            }
            const std::string written = writtenValue(record);
            if (plainNumber(written) != value) {
                found.push_back({line, name + " value \"" + written + "\" is read as " + std::to_string(value)});
            }
        }
    }
    for (std::size_t slot = 1; slot <= theme.records.size(); ++slot) {
        const std::string& record = theme.records[slot - 1];
        if (entryLines.count(static_cast<int>(slot)) == 0 && looksLikeRedRecord(record)) {
            found.push_back({static_cast<int>(slot),
                             "\"" + record + "\" is not read as a colour: an entry's R line begins \"<R Value\""});
        }
    }
    std::sort(found.begin(), found.end(), [](const Misreading& a, const Misreading& b) { return a.line < b.line; });
    if (!endsWhole(theme)) {
        found.push_back(
            {static_cast<int>(theme.records.size()), "the theme ends before its closing </Ableton>: it is cut off"});
    }
    return found;
}

} // namespace tintwright::theme
