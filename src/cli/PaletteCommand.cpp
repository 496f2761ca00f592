#include "Cli.h"
#include "Commands.h"

#include "theme/DisplayText.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tintwright::cli {

namespace {

// palette: the distinct colours of the theme, most used first.
class PaletteCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("palette", "List the distinct colours of THEME, most used first");
        command->add_option("THEME", m_theme, "the theme to read")->required();
        addFormatOption(*command, m_format, "text (the default), csv or json");
        command->footer("Example:\n  tintwright-cli palette Dark.ask --format json");
        return command;
    }

    int run(Context& context) override
    {
        const theme::ThemeContent theme = loadTheme(m_theme, context);
        struct Color {
            theme::ColorValue value;
            std::vector<int> entries;
        };
        std::vector<Color> colors; // in order of first appearance; ties keep it
        for (std::size_t i = 0; i < theme.entries.size(); ++i) {
            const theme::ColorValue value = theme.entries[i].oldColor & 0xFFFFFFu;
            auto found =
                std::find_if(colors.begin(), colors.end(), [value](const Color& c) { return c.value == value; });
            if (found == colors.end()) {
                colors.push_back({value, {}});
                found = colors.end() - 1;
            }
            found->entries.push_back(static_cast<int>(i) + 1);
        }
        std::stable_sort(colors.begin(), colors.end(),
                         [](const Color& a, const Color& b) { return a.entries.size() > b.entries.size(); });
        const auto item = [&](int number) {
            return theme::displayText(theme.entries[static_cast<std::size_t>(number - 1)].item);
        };
        const ListFormat format = listFormat(m_format);
        std::vector<Record> records;
        for (const Color& color : colors) {
            const std::string hex = hexColor(theme::SplitColor(color.value));
            std::string numbers;
            std::string names;
            nlohmann::ordered_json entries = nlohmann::ordered_json::array();
            for (const int number : color.entries) {
                numbers += (numbers.empty() ? "" : " ") + std::to_string(number);
                names += (names.empty() ? "" : ", ") + std::to_string(number) + " " + escaped(item(number));
                entries.push_back({{"number", number}, {"item", item(number)}});
            }
            if (format == ListFormat::Text) {
                context.out << hex << "  " << color.entries.size() << "  " << names << '\n';
                continue;
            }
            records.push_back(
                {{"hex", hex}, {"count", static_cast<int>(color.entries.size())}, {"entries", entries, numbers}});
        }
        if (format != ListFormat::Text) {
            writeRecords(records, format, {"hex", "count", "entries"}, context.out);
        }
        return kNothingFound;
    }

private:
    std::string m_theme;
    std::string m_format = "text";
};

} // namespace

std::unique_ptr<Command> paletteCommand()
{
    return std::make_unique<PaletteCommand>();
}

} // namespace tintwright::cli
