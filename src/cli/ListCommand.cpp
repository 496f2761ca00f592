#include "Cli.h"
#include "Commands.h"

#include "theme/DisplayText.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tintwright::cli {

namespace {

// list: every colour entry, as the grid lists it.
class ListCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("list", "List every colour entry of THEME");
        command->add_option("THEME", m_theme, "the theme to read")->required();
        addFormatOption(*command, m_format, "text (the default), csv or json");
        command->footer("Example:\n  tintwright-cli list Dark.ask --format csv");
        return command;
    }

    int run(Context& context) override
    {
        const theme::ThemeContent theme = loadTheme(m_theme, context);
        const ListFormat format = listFormat(m_format);
        if (format == ListFormat::Text) {
            writeText(theme, context.out);
            return kNothingFound;
        }
        std::vector<Record> records;
        for (std::size_t i = 0; i < theme.entries.size(); ++i) {
            const theme::RgbTriple rgb = theme::SplitColor(theme.entries[i].oldColor);
            records.push_back({{"number", static_cast<int>(i) + 1},
                               {"item", theme::displayText(theme.entries[i].item)},
                               {"r", int {rgb.R}},
                               {"g", int {rgb.G}},
                               {"b", int {rgb.B}},
                               {"hex", hexColor(rgb)}});
        }
        writeRecords(records, format, {"number", "item", "r", "g", "b", "hex"}, context.out);
        return kNothingFound;
    }

private:
    // Columns lined up for people, control characters shown.
    static void writeText(const theme::ThemeContent& theme, std::ostream& out)
    {
        std::size_t numberWidth = 3;
        std::size_t itemWidth = 4;
        std::vector<std::string> items;
        for (std::size_t i = 0; i < theme.entries.size(); ++i) {
            items.push_back(escaped(theme::displayText(theme.entries[i].item)));
            numberWidth = std::max(numberWidth, std::to_string(i + 1).size());
            itemWidth = std::max(itemWidth, displayWidth(items.back()));
        }
        const auto line = [&](const std::string& number, const std::string& item, const std::string& r,
                              const std::string& g, const std::string& b, const std::string& hex) {
            out << padded(number, numberWidth, true) << "  " << padded(item, itemWidth, false) << "  "
                << padded(r, 3, true) << "  " << padded(g, 3, true) << "  " << padded(b, 3, true) << "  " << hex
                << '\n';
        };
        line("NBR", "ITEM", "R", "G", "B", "HEX");
        for (std::size_t i = 0; i < theme.entries.size(); ++i) {
            const theme::RgbTriple rgb = theme::SplitColor(theme.entries[i].oldColor);
            line(std::to_string(i + 1), items[i], std::to_string(rgb.R), std::to_string(rgb.G), std::to_string(rgb.B),
                 hexColor(rgb));
        }
    }

    std::string m_theme;
    std::string m_format = "text";
};

} // namespace

std::unique_ptr<Command> listCommand()
{
    return std::make_unique<ListCommand>();
}

} // namespace tintwright::cli
