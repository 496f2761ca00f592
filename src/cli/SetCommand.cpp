#include "Commands.h"

#include "theme/DisplayText.h"

#include <CLI/CLI.hpp>

#include <map>

namespace tintwright::cli {

namespace {

// set: the named entries get the colours given them.
class SetCommand final : public EditCommand {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = defineEdit(program, "set", "Give the named entries new colours");
        command->add_option("ENTRY=COLOR", m_assignments)->required();
        addOutputOptions(*command);
        command->footer("Example:\n  tintwright-cli set Dark.ask SurfaceArea=#1e1e1e '<Alert>=255,64,0' -o myDark.ask");
        return command;
    }

protected:
    // Every ENTRY=COLOR is read before the theme is.
    void checkOptions() override
    {
        m_parsed.clear();
        for (const std::string& assignment : m_assignments) {
            try {
                const auto [entry, color] = splitAssignment(assignment, "ENTRY=COLOR");
                const theme::RgbTriple rgb = parseColor(color);
                m_parsed.push_back({entry, parseEntryName(entry), rgb});
            } catch (const std::invalid_argument& error) {
                throw CliError(assignment, error.what()); // the argument is at fault, not the theme
            }
        }
    }

    int change(model::ThemeModel& theme, const std::string& file) override
    {
        std::map<int, theme::RgbTriple> colors;
        // An entry named twice, by number or by name, must be given one colour.
        const auto give = [&](int number, const theme::RgbTriple& rgb) {
            const auto [at, added] = colors.emplace(number, rgb);
            if (!added && hexColor(at->second) != hexColor(rgb)) {
                throw CliError(file,
                               "entry " + std::to_string(number) + " " + theme::displayText(theme.entry(number).item)
                                   + " is given two colours, " + hexColor(at->second) + " and " + hexColor(rgb));
            }
        };
        for (const Assignment& assignment : m_parsed) {
            const EntryName& name = assignment.name;
            if (name.number != 0 || name.item.empty()) {
                if (name.number < 1 || name.number > theme.entryCount()) {
                    throw CliError(
                        file,
                        "there is no colour entry " + assignment.entry + ": the theme has "
                            + counted(static_cast<std::size_t>(theme.entryCount()), "colour entry", "colour entries"));
                }
                give(name.number, assignment.rgb);
                continue;
            }
            bool found = false;
            for (int number = 1; number <= theme.entryCount(); ++number) {
                if (theme::displayText(theme.entry(number).item) == name.item) {
                    give(number, assignment.rgb);
                    found = true;
                }
            }
            if (!found) {
                throw CliError(file, "no colour entry is named " + name.item);
            }
        }
        // Only entries whose colour really changes count, and only they are rewritten.
        std::vector<std::pair<int, theme::ColorValue>> given;
        for (const auto& [number, rgb] : colors) {
            const theme::ColorValue color = theme::composeColor(rgb.R, rgb.G, rgb.B);
            if (color != theme.currentColor(number)) {
                given.emplace_back(number, color);
            }
        }
        theme.giveColors(given);
        return static_cast<int>(given.size());
    }

private:
    struct Assignment {
        std::string entry; // as written
        EntryName name;
        theme::RgbTriple rgb;
    };

    std::vector<std::string> m_assignments;
    std::vector<Assignment> m_parsed;
};

} // namespace

std::unique_ptr<Command> setCommand()
{
    return std::make_unique<SetCommand>();
}

} // namespace tintwright::cli
