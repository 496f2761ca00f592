#include "Cli.h"
#include "Commands.h"

#include "make/Complete.h"
#include "make/Generate.h"
#include "make/Reference.h"
#include "make/Transfer.h"
#include "theme/Misreadings.h"
#include "theme/ThemeReader.h"

#include <set>

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

// generate: a whole theme from a background, a foreground and an accent colour.
class GenerateCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand(
            "generate", "Make a readable Live 10.1 theme from a background, a foreground and an accent colour");
        command->add_option("--background", m_background, "the colour of the window's ground, #rrggbb")
            ->type_name("COLOR")
            ->required();
        command->add_option("--foreground", m_foreground, "the colour of text, #rrggbb")
            ->type_name("COLOR")
            ->required();
        command->add_option("--accent", m_accent, "the colour of what is on, chosen or selected, #rrggbb")
            ->type_name("COLOR")
            ->required();
        command
            ->add_option("--from", m_from,
                         "recolour THEME instead, keeping its design: each colour keeps its place relative to "
                         "THEME's own ground, text and accent; its other lines stay")
            ->type_name("THEME");
        addAsReadFlag(*command, m_asRead);
        command
            ->add_option("-o,--output", m_output,
                         "save the theme to OUT; - (the default) writes it to standard "
                         "output")
            ->type_name("OUT");
        command->footer("Our own dark or light design carried over to the three colours: the background becomes "
                        "SurfaceBackground and the foreground ControlForeground, as given; the accent becomes the "
                        "chosen state. Every text and mark the sketch shows on a ground meets its contrast minimum "
                        "(4.5 for text, 3 for graphics) where the foreground stands 7:1 from the background; the "
                        "pairs whose lightness had to move are named on standard error. With --from, each colour of "
                        "THEME keeps its place relative to THEME's own ground, text and accent.\nExample:\n  "
                        "tintwright-cli generate --background '"
                        + color::hexColor(make::kExampleBase.background) + "' --foreground '"
                        + color::hexColor(make::kExampleBase.foreground) + "' --accent '"
                        + color::hexColor(make::kExampleBase.accent) + "' -o Ember.ask");
        return command;
    }

    std::string_view exitOne() const override
    {
        return "the foreground is too close to the background for text, or a pair still falls short of its minimum";
    }

    int run(Context& context) override
    {
        const make::BaseColors base {baseColor("--background", m_background), baseColor("--foreground", m_foreground),
                                     baseColor("--accent", m_accent)};
        // The background and foreground stay as asked: where text cannot be read on one in the other, no theme.
        if (const std::string problem = make::readabilityProblem(base); !problem.empty()) {
            context.err << "tintwright-cli: " << problem << "; nothing was written\n" << std::flush;
            return kFound;
        }
        model::ThemeModel theme;
        make::GeneratedTheme generated;
        if (m_from.empty()) {
            generated = make::generateTheme(base);
            theme.load(make::asReadTheme(make::themeRecords(generated.colors, "Tintwright")));
        } else {
            ReadTheme from = readTheme(m_from, context.input);
            // What cannot be seen cannot be recoloured: the rest of a cut-off theme is lost.
            if (!theme::endsWhole(from.content)) {
                throw CliError(m_from,
                               "the theme ends before its closing </Ableton>: it is cut off, and a theme "
                               "recoloured from it would be too; nothing was written");
            }
            theme.load(loadThemeToWrite(m_from, std::move(from), context, m_asRead));
            generated = make::recolourTheme(theme, base);
        }
        writeResult(m_output, theme.savedBytes(), context.out);
        // Only pairs of elements the written theme holds are named.
        std::set<std::string, std::less<>> held;
        for (int number = 1; number <= theme.entryCount(); ++number) {
            held.insert(theme.entry(number).element);
        }
        const auto holds = [&](const make::MovedPair& pair) {
            return held.count(pair.foreground) != 0 && held.count(pair.background) != 0;
        };
        std::string report; // written at once: standard error is not buffered
        for (const make::MovedPair& pair : generated.moved) {
            report += holds(pair) ? "lightness moved: " + describe(pair) + '\n' : std::string();
        }
        bool fellShort = false;
        for (const make::MovedPair& pair : generated.shortfalls) {
            fellShort = fellShort || holds(pair);
            report += holds(pair) ? "still below its minimum: " + describe(pair) + '\n' : std::string();
        }
        context.err << report << std::flush;
        return fellShort ? kFound : kNothingFound;
    }

private:
    static theme::RgbTriple baseColor(const char* option, const std::string& text)
    {
        try {
            return parseColor(text);
        } catch (const std::invalid_argument& error) {
            throw CliError("", std::string(option) + ": " + error.what());
        }
    }

    static std::string describe(const make::MovedPair& pair)
    {
        return "<" + pair.foreground + "> on <" + pair.background + "> " + twoDecimals(color::shownRatio(pair.before))
            + " -> " + twoDecimals(color::shownRatio(pair.after)) + " (at least " + twoDecimals(pair.minimum) + ")";
    }

    std::string m_background;
    std::string m_foreground;
    std::string m_accent;
    std::string m_from;
    bool m_asRead = false;
    std::string m_output = "-";
};

} // namespace

std::unique_ptr<Command> generateCommand()
{
    return std::make_unique<GenerateCommand>();
}

} // namespace tintwright::cli
