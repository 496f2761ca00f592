#include "Cli.h"
#include "Commands.h"

#include "make/Complete.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"
#include "theme/Misreadings.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace tintwright::cli {

namespace {

// A note when the theme lacks the elements Live 10.1 added, or nothing.
std::string liveVersionNote(const theme::ThemeContent& theme)
{
    const sketch::ElementColors colors = sketch::elementColors(theme);
    std::size_t known = 0;
    bool lacksAdded = true;
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        const bool has = colors.find(info.name) != colors.end();
        known += has ? 1 : 0;
        lacksAdded = lacksAdded && (!info.since101 || !has);
    }
    // A Live 10 theme by its elements, without one of those 10.1 added.
    constexpr std::size_t kMostOfLive10 = 100;
    if (!lacksAdded || known < kMostOfLive10) {
        return {};
    }
    // Counted as complete counts what it makes, so the two always agree.
    const make::Lacking lacking = make::lacking(theme.records);
    return "made for Live 10.0: it lacks " + counted(lacking.elementNames.size(), "element", "elements")
        + " of Live 10.1, which Live then paints in its default colours (" + joined(lacking.elementNames) + ")";
}

// Which Live 10 a theme is for, where the note on Live 10.0 does not say it: Live 10.1 when it has every
// element Live 10.1 added, else Live 10.
std::string liveVersionOf(const theme::ThemeContent& theme)
{
    const sketch::ElementColors colors = sketch::elementColors(theme);
    std::size_t added = 0;
    std::size_t has = 0;
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        added += info.since101 ? 1U : 0U;
        has += info.since101 && colors.find(info.name) != colors.end() ? 1U : 0U;
    }
    return has == added ? "a Live 10.1 theme" : "a Live 10 theme";
}

// check: one line per file, saying whether it is a theme.
class CheckCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand(
            "check",
            "Tell of each file whether it is a theme that reads as written (exit 1 when one is not, 2 when one "
            "cannot be read)");
        command->add_option("THEME", m_themes, "the files to check")->required();
        command->footer("Example:\n  tintwright-cli check *.ask");
        return command;
    }

    // As grep: 2 when a file cannot be read, else 1 when one is not a theme.
    std::string_view exitOne() const override { return "a file is not a theme or is read otherwise than written"; }

    int run(Context& context) override
    {
        int code = kNothingFound;
        for (const std::string& file : m_themes) {
            code = std::max(code, check(file, context));
        }
        return code;
    }

private:
    static int check(const std::string& file, Context& context)
    {
        try {
            const ReadTheme read = readTheme(file, context.input);
            const theme::ThemeContent& theme = read.content;
            // A record the reader takes otherwise than it is written is told, with what is read.
            tellMisreadings(file, read.misread, context.out);
            if (!read.misread.empty()) {
                return kFound;
            }
            const std::string note = liveVersionNote(theme);
            context.out << escaped(file) << ": ok, " << counted(theme.records.size(), "line", "lines") << ", "
                        << counted(theme.entries.size(), "colour entry", "colour entries")
                        << (note.empty() ? ", " + liveVersionOf(theme) : "; " + note) << '\n';
            return kNothingFound;
        } catch (const CliError& error) {
            if (error.unreadable()) {
                context.err << "tintwright-cli: " << escaped(file) << ": " << escaped(error.problem()) << '\n';
                return kTrouble;
            }
            // A later Live's theme is named as such, with the command that reads it.
            context.out << escaped(file) << ": " << escaped(error.problem())
                        << (error.detail().empty() ? ""
                                                   : "; " + escaped(error.detail())
                                    + "; a Live 11 or 12 theme: tintwright-cli import reads it")
                        << '\n';
            return kFound;
        }
    }

    std::vector<std::string> m_themes;
};

} // namespace

std::unique_ptr<Command> checkCommand()
{
    return std::make_unique<CheckCommand>();
}

} // namespace tintwright::cli
