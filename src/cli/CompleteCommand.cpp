#include "Cli.h"
#include "Commands.h"

#include "make/Complete.h"
#include "theme/Misreadings.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

std::string describe(const make::MovedPair& pair)
{
    return "<" + pair.foreground + "> on <" + pair.background + "> " + twoDecimals(color::shownRatio(pair.after))
        + " (at least " + twoDecimals(pair.minimum) + ")";
}

// complete: a Live 10.0 theme, or any lacking elements, as a whole Live 10.1 theme.
class CompleteCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand(
            "complete",
            "Add every element and blend factor of Live 10.1 that THEME lacks, coloured from its own colours");
        command->add_option("THEME", m_theme, "the theme to read")->required();
        addOutputOptions(*command, m_output, m_inPlace);
        addAsReadFlag(*command, m_asRead);
        command->footer("No colour the theme has changes; every pair a made element is in meets its minimum.\n"
                        "Example:\n  tintwright-cli complete Old.ask -o Whole.ask");
        return command;
    }

    int run(Context& context) override
    {
        if (m_output.empty() && !m_inPlace) {
            throw CliError("", "complete needs -o OUT, -o - or --in-place");
        }
        // Held from before the read until after the replacement, so no other edit in place comes between.
        const theme::platform::FileLock lock = m_inPlace ? lockInPlace(m_theme) : theme::platform::FileLock();
        const ReadTheme read = readTheme(m_theme, context.input);
        if (!theme::endsWhole(read.content)) {
            throw CliError(m_theme,
                           "the theme ends before its closing </Ableton>: it is cut off, and cannot be "
                           "completed; nothing was written");
        }
        const theme::ThemeContent theme = loadThemeToWrite(m_theme, read, context, m_asRead);
        const make::Lacking lacks = make::lacking(theme.records);
        const make::Completion completion = make::completeColors(sketch::elementColors(theme));
        std::string report = counted(static_cast<std::size_t>(lacks.elements), "element", "elements") + " made, "
            + counted(static_cast<std::size_t>(lacks.factors), "blend factor or alpha", "blend factors and alphas")
            + " added\n";
        for (const make::MovedPair& pair : completion.shortfalls) {
            report += "still below its minimum: " + describe(pair) + '\n';
        }
        for (const make::MovedPair& pair : completion.noRoom) {
            report += "below its minimum, the theme's own colours leaving no room: " + describe(pair) + '\n';
        }
        // A whole theme stays as it is, bytes and all; -o still writes the file asked for.
        if (lacks.elements + lacks.factors > 0 || !m_inPlace) {
            writeResult(m_inPlace ? m_theme : m_output, savedTheme(make::completedRecords(theme.records, completion)),
                        context.out);
        }
        context.err << report << std::flush;
        return completion.shortfalls.empty() ? kNothingFound : kFound;
    }

    std::string_view exitOne() const override { return "a made element's pair still falls short of its minimum"; }

private:
    std::string m_theme;
    std::string m_output;
    bool m_inPlace = false;
    bool m_asRead = false;
};

} // namespace

std::unique_ptr<Command> completeCommand()
{
    return std::make_unique<CompleteCommand>();
}

} // namespace tintwright::cli
