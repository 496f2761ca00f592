#include "Cli.h"
#include "Commands.h"

#include "sketch/Sketch.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

constexpr double kLeastRatio = 1;
constexpr double kMostRatio = 21; // WCAG's ratios run from 1 to 21

// contrast: every text and mark on what it stands on, lowest first.
class ContrastCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand(
            "contrast", "Contrast ratios of text and marks on their backgrounds (exit 1 when too low)");
        command->add_option("THEME", m_theme, "the theme to read")->required();
        const sketch::ContrastMinimums least;
        command->add_option("--min", m_text, "least ratio for text, 1..21 (" + twoDecimals(least.text) + ")")
            ->type_name("RATIO");
        command
            ->add_option("--min-graphic", m_graphic,
                         "least ratio for graphics, 1..21 (" + twoDecimals(least.graphic) + ")")
            ->type_name("RATIO");
        addFormatOption(*command, m_format, "text (the default), csv or json");
        command->footer("Example:\n  tintwright-cli contrast Dark.ask --min 3");
        return command;
    }

    // 1 when a pair is below its minimum.
    std::string_view exitOne() const override { return "a pair is below its minimum"; }

    int run(Context& context) override
    {
        sketch::ContrastMinimums minimums;
        minimums.text = m_text.empty() ? minimums.text : parseNumber("--min", m_text, kLeastRatio, kMostRatio);
        minimums.graphic =
            m_graphic.empty() ? minimums.graphic : parseNumber("--min-graphic", m_graphic, kLeastRatio, kMostRatio);
        const theme::ThemeContent theme = loadTheme(m_theme, context);
        const std::vector<sketch::ContrastPair> pairs = sketch::contrastPairs(sketch::elementColors(theme), minimums);
        const ListFormat format = listFormat(m_format);
        bool below = false;
        std::vector<Record> records;
        for (const sketch::ContrastPair& pair : pairs) {
            below = below || !pair.passes;
            const std::string kind = pair.text ? "text" : "graphic";
            const std::string ratio = twoDecimals(color::shownRatio(pair.ratio));
            const std::string fore = hexColor(pair.foregroundRgb);
            const std::string back = hexColor(pair.backgroundRgb);
            if (format == ListFormat::Text) {
                context.out << ratio << "  " << kind << "  <" << pair.foreground << "> " << fore << " on <"
                            << pair.background << "> " << back
                            << (pair.passes ? "" : "  below " + twoDecimals(pair.minimum)) << '\n';
                continue;
            }
            records.push_back({{"foreground", pair.foreground},
                               {"background", pair.background},
                               {"kind", kind},
                               {"ratio", pair.ratio, ratio}, // every digit, so that ratio >= minimum is passes
                               {"foreground_hex", fore},
                               {"background_hex", back},
                               {"minimum", pair.minimum, twoDecimals(pair.minimum)},
                               {"passes", pair.passes}});
        }
        if (format != ListFormat::Text) {
            writeRecords(
                records, format,
                {"foreground", "background", "kind", "ratio", "foreground_hex", "background_hex", "minimum", "passes"},
                context.out);
        }
        return below ? kFound : kNothingFound;
    }

private:
    std::string m_theme;
    std::string m_text; // empty: the least ratios sketch::ContrastMinimums holds
    std::string m_graphic;
    std::string m_format = "text";
};

} // namespace

std::unique_ptr<Command> contrastCommand()
{
    return std::make_unique<ContrastCommand>();
}

} // namespace tintwright::cli
