#include "Cli.h"
#include "Commands.h"

#include "make/Export.h"
#include "theme/LaterThemeWriter.h"
#include "theme/Misreadings.h"
#include "theme/ThemeError.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

// export: a Live 10 theme in the format of Live 11 or 12.
class ExportCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("export", "Write a Live 10 theme in the format of Live 11 or 12");
        command->add_option("THEME", m_theme, "the Live 10 theme to read")->required();
        command->add_option("--live", m_live, "the Live to write for: 12 or 11")
            ->required()
            ->check(CLI::IsMember({"11", "12"}));
        command
            ->add_option("-o,--output", m_output, "save the theme to OUT; - (the default) writes it to standard output")
            ->type_name("OUT");
        addAsReadFlag(*command, m_asRead);
        command->footer("Colours and alphas of the elements both Lives know are kept; what Live 10.1 has and the "
                        "theme lacks is made from its colours, as complete makes it; an element the later Live "
                        "added takes the colour of the element that plays its part; elements the later Live does "
                        "not know are left out.\n"
                        "Example:\n  tintwright-cli export Dark.ask --live 12 -o Dark12.ask");
        return command;
    }

    int run(Context& context) override
    {
        theme::ThemeContent theme;
        try {
            theme = loadThemeToWrite(m_theme, context, m_asRead);
        } catch (CliError& error) {
            if (!error.detail().empty()) {
                error.setDetail(error.detail() + "; it needs no export: tintwright-cli import brings it into Live 10");
            }
            throw;
        }
        if (!theme::endsWhole(theme)) {
            throw CliError(m_theme,
                           "the theme ends before its closing </Ableton>: it is cut off, and cannot be "
                           "exported; nothing was written");
        }
        const make::LaterLive live = m_live == "11" ? make::LaterLive::Live11 : make::LaterLive::Live12;
        make::Exported exported;
        try {
            exported = make::exportTheme(theme, live);
        } catch (const theme::ThemeError& error) {
            throw CliError(m_theme, "not exported: " + error.message());
        }
        const std::string later = "Live " + m_live;
        writeResult(m_output,
                    theme::writeLaterTheme(exported.theme, std::string(make::laterHeader(live).schemaChangeCount)),
                    context.out);
        std::string report = counted(exported.kept.size(), "element", "elements") + " kept, "
            + std::to_string(exported.completed.size()) + " of Live 10.1 made from the theme's colours, "
            + std::to_string(exported.made.size()) + " that " + later + " added made, "
            + std::to_string(exported.leftOut.size()) + " that " + later + " does not know left out; "
            + counted(static_cast<std::size_t>(exported.factors), "blend factor or alpha", "blend factors and alphas")
            + " written, " + std::to_string(exported.leftToLive) + " settings and level meters left to " + later
            + "'s own\n";
        if (!exported.made.empty()) {
            report += "made from the element that plays its part (inferred): " + joined(exported.made) + '\n';
        }
        if (!exported.leftOut.empty()) {
            report += "left out: " + joined(exported.leftOut) + '\n';
        }
        for (const make::MovedPair& pair : exported.shortfalls) {
            report += "still below its minimum: <" + pair.foreground + "> on <" + pair.background + "> "
                + twoDecimals(color::shownRatio(pair.after)) + '\n';
        }
        context.err << report << std::flush;
        return exported.shortfalls.empty() ? kNothingFound : kFound;
    }

    std::string_view exitOne() const override { return "a made element's pair still falls short of its minimum"; }

private:
    std::string m_theme;
    std::string m_live;
    std::string m_output = "-";
    bool m_asRead = false;
};

} // namespace

std::unique_ptr<Command> exportCommand()
{
    return std::make_unique<ExportCommand>();
}

} // namespace tintwright::cli
