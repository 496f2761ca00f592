#include "Commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tintwright::cli {

namespace {

// replace: every entry of one colour gets another.
class ReplaceCommand final : public EditCommand {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = defineEdit(program, "replace", "Give every entry of one colour another colour");
        command->add_option("COLOR=COLOR", m_replacements)->required();
        addOutputOptions(*command);
        command->footer("Example:\n  tintwright-cli replace Dark.ask '#ff8000=#0080ff' -o -");
        return command;
    }

protected:
    // Every COLOR=COLOR is read before the theme is.
    void checkOptions() override
    {
        const std::string& file = themeFile();
        auto& pairs = m_pairs;
        pairs.clear();
        for (const std::string& replacement : m_replacements) {
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
                throw CliError(replacement, error.what()); // the argument is at fault, not the theme
            }
        }
        // A colour replaced by itself changes nothing, and its entries are not rewritten.
        pairs.erase(
            std::remove_if(pairs.begin(), pairs.end(), [](const auto& pair) { return pair.first == pair.second; }),
            pairs.end());
    }

    int change(model::ThemeModel& theme, const std::string& /*file*/) override
    {
        return static_cast<int>(theme.replaceColors(m_pairs).size());
    }

private:
    std::vector<std::string> m_replacements;
    std::vector<std::pair<theme::ColorValue, theme::ColorValue>> m_pairs;
};

} // namespace

std::unique_ptr<Command> replaceCommand()
{
    return std::make_unique<ReplaceCommand>();
}

} // namespace tintwright::cli
