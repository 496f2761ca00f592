#include "Generate.h"

#include "Reference.h"
#include "Transfer.h"
#include "color/Color.h"
#include "sketch/Roles.h"
#include "sketch/Sketch.h"

#include <cstdio>
#include <map>
#include <string_view>
#include <utility>

namespace tintwright::make {

std::string readabilityProblem(const BaseColors& base)
{
    const double ratio = color::contrastRatio(base.background, base.foreground);
    if (ratio >= sketch::ContrastMinimums {}.text) {
        return {};
    }
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.2f:1, and text needs %.2f:1", color::shownRatio(ratio),
                  sketch::ContrastMinimums {}.text);
    return "the foreground " + color::hexColor(base.foreground) + " on the background "
        + color::hexColor(base.background) + " stands at " + shown + ": choose a lighter or darker one";
}

namespace {

// The design with its clips and the text on them turned over: dark clips under
// light names, for base colours whose text leaves no room for a mark between
// it and a light clip.
sketch::ElementColors clipsTurned(sketch::ElementColors colors)
{
    for (auto& [name, color] : colors) {
        if (sketch::roleOf(name) == sketch::RoleKind::Clips || name == "ClipText") {
            color::Oklch turned = color::toOklch(color.rgb);
            turned.L = 1 - turned.L;
            color.rgb = color::fromOklch(turned);
        }
    }
    return colors;
}

} // namespace

GeneratedTheme generateTheme(const BaseColors& base)
{
    const sketch::ElementColors& design = designColors(nearestDesign(base));
    GeneratedTheme made = transferTheme(design, base, true);
    if (!made.shortfalls.empty()) {
        GeneratedTheme turned = transferTheme(clipsTurned(design), base, true);
        if (turned.shortfalls.size() < made.shortfalls.size()) {
            made = std::move(turned);
        }
    }
    return made;
}

std::vector<int> applyGenerated(model::ThemeModel& theme, const GeneratedTheme& generated)
{
    std::map<std::string_view, theme::ColorValue> colors;
    for (const auto& [name, rgb] : generated.colors) {
        colors[name] = theme::composeColor(rgb.R, rgb.G, rgb.B);
    }
    std::vector<std::pair<int, theme::ColorValue>> given;
    std::vector<int> changed;
    for (int number = 1; number <= theme.entryCount(); ++number) {
        const auto color = colors.find(theme.entry(number).element);
        if (color != colors.end() && color->second != theme.currentColor(number)) {
            given.emplace_back(number, color->second);
            changed.push_back(number);
        }
    }
    theme.giveColors(given);
    return changed;
}

} // namespace tintwright::make
