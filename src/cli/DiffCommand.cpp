#include "Cli.h"
#include "Commands.h"

#include "theme/DisplayText.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdint>
#include <map>

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

// One line per entry whose colour differs or that only one theme has, matched
// by their ITEM texts, then one per other record that differs, matched by
// their order among the records outside colour entries; the number of lines.
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

// diff: two themes, entry by entry, then every other line.
class DiffCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand(
            "diff", "Compare two themes: the colour entries by name, then every other line (exit 1 when they differ)");
        // Exactly two: a third is not silently dropped, one alone is not compared with nothing.
        command->add_option("THEME_A THEME_B", m_themes, "the two themes")
            ->required()
            ->expected(2)
            ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
        command->footer("Themes that differ only in line ends or indentation are equal.\n"
                        "Example:\n  tintwright-cli diff Dark.ask myDark.ask");
        return command;
    }

    std::string_view exitOne() const override { return "the themes differ"; }

    int run(Context& context) override
    {
        if (m_themes[0] == "-" && m_themes[1] == "-") {
            throw CliError("-", "standard input is given twice, and it can be read once: name a file for one theme");
        }
        // Each theme is read once: a pipe can be read only once, and a file may change between two reads.
        const ReadTheme first = readTheme(m_themes[0], context.input);
        const ReadTheme second = m_themes[1] == m_themes[0] ? first : readTheme(m_themes[1], context.input);
        tellMisreadings(m_themes[0], first.misread, context.err);
        if (m_themes[1] != m_themes[0]) {
            tellMisreadings(m_themes[1], second.misread, context.err);
        }
        if (diffThemes(first.content, m_themes[0], second.content, m_themes[1], context.out) > 0) {
            return kFound;
        }
        if (first.bytes != second.bytes) {
            context.out << "the themes differ only in line ends or indentation\n";
        }
        return kNothingFound;
    }

private:
    std::vector<std::string> m_themes;
};

} // namespace

std::unique_ptr<Command> diffCommand()
{
    return std::make_unique<DiffCommand>();
}

} // namespace tintwright::cli
