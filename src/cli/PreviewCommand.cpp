#include "Cli.h"
#include "Commands.h"

#include "sketch/Sketch.h"
#include "theme/DisplayText.h"

#include <CLI/CLI.hpp>

#include <sstream>

namespace tintwright::cli {

namespace {

// preview: Live's window in the theme's colours, as SVG.
class PreviewCommand final : public Command {
public:
    CLI::App* define(CLI::App& program) override
    {
        CLI::App* command = program.add_subcommand("preview", "Draw Live 10's window in THEME's colours as SVG");
        command->add_option("THEME", m_theme, "the theme to read")->required();
        std::vector<std::string> views;
        for (const sketch::Scene* scene : sketch::allScenes()) {
            views.push_back(scene->id);
        }
        views.insert(views.end(), {"both", "all"});
        command
            ->add_option("--view", m_view,
                         "session, arrangement, preferences, audio-clip, envelopes, midi-map, key-map, both (session "
                         "and arrangement) or all (the default), one above the other")
            ->check(CLI::IsMember(views));
        command->add_option("-o,--output", m_output, "save the SVG to OUT; - (the default) is standard output")
            ->type_name("OUT");
        std::vector<std::string> names;
        for (const color::NamedVision& named : color::visions()) {
            names.emplace_back(named.name);
        }
        command
            ->add_option(
                "--simulate", m_vision,
                "draw it as seen with protanopia, deuteranopia, tritanopia or achromatopsia; normal (the default) "
                "as the colours are")
            ->check(CLI::IsMember(names))
            ->type_name("VISION");
        command->footer("Missing elements are drawn hatched; they and undrawn elements are named on standard error.\n"
                        "Example:\n  tintwright-cli preview Dark.ask -o Dark.svg");
        return command;
    }

    int run(Context& context) override
    {
        const theme::ThemeContent theme = loadTheme(m_theme, context);
        std::vector<const sketch::Scene*> scenes;
        for (const sketch::Scene* scene : sketch::allScenes()) {
            const bool both = m_view == "both" && (scene->id == "session" || scene->id == "arrangement");
            if (m_view == "all" || both || m_view == scene->id) {
                scenes.push_back(scene);
            }
        }
        const sketch::ElementColors colors = sketch::elementColors(theme);
        const std::string svg = sketch::svgDocument(scenes, sketch::simulated(colors, vision()));
        const sketch::Coverage covered = sketch::coverage(colors, scenes);
        if (!covered.missing.empty()) {
            context.err << "missing, drawn hatched (Live uses its default colours): "
                        << escaped(joined(covered.missing)) << '\n';
        }
        if (!covered.missingElsewhere.empty()) {
            context.err << "missing, not in this view: " << escaped(joined(covered.missingElsewhere)) << '\n';
        }
        if (!covered.notDrawn.empty()) {
            std::vector<std::string> names; // as the theme writes them, shown as every message shows a record
            for (const std::string& name : covered.notDrawn) {
                names.push_back(theme::displayText(name));
            }
            context.err << "not drawn (no place in the sketch): " << escaped(joined(names)) << '\n';
        }
        writeResult(m_output.empty() ? "-" : m_output, svg, context.out);
        return kNothingFound;
    }

private:
    color::Vision vision() const
    {
        for (const color::NamedVision& named : color::visions()) {
            if (named.name == m_vision) {
                return named.vision;
            }
        }
        return color::Vision::Normal;
    }

    std::string m_theme;
    std::string m_vision = "normal";
    std::string m_view = "all";
    std::string m_output;
};

} // namespace

std::unique_ptr<Command> previewCommand()
{
    return std::make_unique<PreviewCommand>();
}

} // namespace tintwright::cli
