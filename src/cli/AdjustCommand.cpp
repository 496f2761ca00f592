#include "Commands.h"

#include "color/Color.h"

#include <CLI/CLI.hpp>

namespace tintwright::cli {

namespace {

// The ranges of the numeric options, as --help and the man page state them.
constexpr double kHueRange = 360; // degrees either way
constexpr double kMostChroma = 10; // a factor; sRGB's most colourful colours need less than 3
constexpr double kLightnessRange = 1;

// adjust: the colours shift in OKLCH.
class AdjustCommand final : public EditCommand {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command =
            defineEdit(program, "adjust", "Shift the colours of THEME in OKLCH: hue, chroma, lightness");
        command->add_option("--hue", m_hue, "degrees to turn the hue by, -360..360 (0)")->type_name("DEG");
        command->add_option("--chroma", m_chroma, "factor for the chroma, 0..10 (1)")->type_name("FACTOR");
        command->add_option("--lightness", m_lightness, "to add to the lightness, -1..1 (0)")->type_name("DELTA");
        command->add_flag("--invert-lightness", m_invert, "lightness L becomes 1 - L first");
        command
            ->add_option("--only", m_patterns,
                         "adjust only elements matching PATTERN (* and ?, brackets optional); one pattern each, "
                         "repeatable; a pattern that matches nothing is an error")
            ->type_name("PATTERN")
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
        addOutputOptions(*command);
        command->footer("A colour outside sRGB keeps its lightness and hue and loses chroma until it fits.\n"
                        "Example:\n  tintwright-cli adjust Dark.ask --hue 30 --chroma 0.8 --only 'Clip*' -o Warm.ask");
        return command;
    }

protected:
    void checkOptions() override
    {
        m_adjustment.hue = parseNumber("--hue", m_hue, -kHueRange, kHueRange);
        m_adjustment.chroma = parseNumber("--chroma", m_chroma, 0, kMostChroma);
        m_adjustment.lightness = parseNumber("--lightness", m_lightness, -kLightnessRange, kLightnessRange);
        m_adjustment.invertLightness = m_invert;
    }

    int change(model::ThemeModel& theme, const std::string& file) override
    {
        for (const std::string& pattern : m_patterns) {
            bool used = false;
            for (int number = 1; number <= theme.entryCount() && !used; ++number) {
                used = color::matches(theme.entry(number).element, pattern);
            }
            if (!used) {
                throw CliError(file, "no element matches the pattern '" + pattern + "'");
            }
        }
        return static_cast<int>(theme.adjust(m_adjustment, m_patterns).size());
    }

private:
    std::string m_hue = "0";
    std::string m_chroma = "1";
    std::string m_lightness = "0";
    bool m_invert = false;
    std::vector<std::string> m_patterns;
    color::Adjustment m_adjustment;
};

} // namespace

std::unique_ptr<Command> adjustCommand()
{
    return std::make_unique<AdjustCommand>();
}

} // namespace tintwright::cli
