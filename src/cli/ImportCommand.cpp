#include "Cli.h"
#include "Commands.h"

#include "make/Import.h"
#include "theme/ThemeError.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tintwright::cli {

namespace {

// import: a theme of Live 11 or 12 as a whole Live 10.1 theme.
class ImportCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("import", "Make a whole Live 10.1 theme of a Live 11 or 12 theme");
        command->add_option("THEME", m_theme, "the Live 11 or 12 theme to read")->required();
        command
            ->add_option("-o,--output", m_output, "save the theme to OUT; - (the default) writes it to standard output")
            ->type_name("OUT");
        command->footer("Colours and alphas of the elements both Lives know are kept; what Live 10.1 has and the "
                        "theme lacks is made from its colours; elements Live 10 does not know are left out.\n"
                        "Example:\n  tintwright-cli import Later.ask -o myLater.ask");
        return command;
    }

    int run(Context& context) override
    {
        const std::string text = boundedText(m_theme, context.input);
        theme::LaterTheme later;
        make::Imported imported;
        try {
            later = theme::readLaterTheme(text);
            imported = make::importLaterTheme(later);
        } catch (const theme::ThemeError& error) {
            throw CliError(m_theme, "not imported: " + error.message());
        }
        writeResult(m_output, savedTheme(imported.records), context.out);
        std::string report = counted(static_cast<std::size_t>(imported.kept), "element", "elements") + " kept, "
            + std::to_string(imported.made) + " made from the theme's colours, " + std::to_string(imported.leftOut)
            + " that Live 10 does not know left out";
        if (imported.unreadable > 0) {
            report += "; " + counted(static_cast<std::size_t>(imported.unreadable), "value", "values")
                + " not a colour, made instead";
        }
        // The theme's own name is no element: a Live 10 theme is named by its file alone.
        const auto named = std::count_if(later.records.begin(), later.records.end(),
                                         [](const theme::LaterRecord& record) { return record.name == "Name"; });
        if (named > 0) {
            report += "; its <Name> left out, as a Live 10 theme is named by its file";
        }
        if (imported.repeated > 0) {
            report += "; " + counted(static_cast<std::size_t>(imported.repeated), "element", "elements")
                + " given again, the first kept";
        }
        report += '\n';
        for (const make::MovedPair& pair : imported.shortfalls) {
            report += "still below its minimum: <" + pair.foreground + "> on <" + pair.background + "> "
                + twoDecimals(color::shownRatio(pair.after)) + '\n';
        }
        for (const make::MovedPair& pair : imported.noRoom) {
            report += "below its minimum, the theme's own colours leaving no room: <" + pair.foreground + "> on <"
                + pair.background + "> " + twoDecimals(color::shownRatio(pair.after)) + '\n';
        }
        context.err << report << std::flush;
        return imported.shortfalls.empty() ? kNothingFound : kFound;
    }

    std::string_view exitOne() const override { return "a made element's pair still falls short of its minimum"; }

private:
    std::string m_theme;
    std::string m_output = "-";
};

} // namespace

std::unique_ptr<Command> importCommand()
{
    return std::make_unique<ImportCommand>();
}

} // namespace tintwright::cli
