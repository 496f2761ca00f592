#include "SketchCommands.h"

#include "Arguments.h"
#include "Commands.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"
#include "theme/DisplayText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdio>

namespace tintwright::cli {

namespace {

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

std::string twoDecimals(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

} // namespace

void previewTheme(const theme::ThemeContent& theme, const std::string& view, std::ostream& out, std::ostream& err)
{
    std::vector<const sketch::Scene*> scenes;
    if (view != "arrangement") {
        scenes.push_back(&sketch::sessionScene());
    }
    if (view != "session") {
        scenes.push_back(&sketch::arrangementScene());
    }
    const sketch::ElementColors colors = sketch::elementColors(theme);
    out << sketch::svgDocument(scenes, colors);
    const sketch::Coverage covered = sketch::coverage(colors);
    if (!covered.missing.empty()) {
        err << "missing, drawn hatched (Live uses its default colours): " << escaped(joined(covered.missing)) << '\n';
    }
    if (!covered.notDrawn.empty()) {
        std::vector<std::string> names; // as the theme writes them, shown as every message shows a record
        for (const std::string& name : covered.notDrawn) {
            names.push_back(theme::displayText(name));
        }
        err << "not drawn (no place in the sketch): " << escaped(joined(names)) << '\n';
    }
}

void explainElements(const std::vector<std::string>& names, ListFormat format, std::ostream& out)
{
    std::vector<const sketch::ElementInfo*> elements;
    for (const std::string& name : names) {
        const sketch::ElementInfo* info = sketch::findElement(name);
        if (info == nullptr) {
            throw CliError("", "Live 10 themes have no element " + name);
        }
        elements.push_back(info);
    }
    if (names.empty()) {
        for (const sketch::ElementInfo& info : sketch::elementTable()) {
            elements.push_back(&info);
        }
    }
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    if (format == ListFormat::Csv) {
        out << "element,description,known\n";
    }
    for (const sketch::ElementInfo* info : elements) {
        switch (format) {
        case ListFormat::Json:
            list.push_back({{"element", std::string(info->name)},
                            {"description", std::string(info->description)},
                            {"known", info->known}});
            break;
        case ListFormat::Csv:
            out << info->name << ",\"" << info->description << "\"," << (info->known ? "true" : "false") << '\n';
            break;
        case ListFormat::Text:
            out << '<' << info->name << ">  " << info->description << (info->known ? "" : " (inferred)")
                << (info->since101 ? " Added by Live 10.1." : "") << '\n';
            break;
        }
    }
    if (format == ListFormat::Json) {
        out << list.dump(2) << '\n';
    }
}

bool reportContrast(const theme::ThemeContent& theme, double minimumText, double minimumGraphic, ListFormat format,
                    std::ostream& out)
{
    const std::vector<sketch::ContrastPair> pairs = sketch::contrastPairs(sketch::elementColors(theme));
    bool below = false;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    if (format == ListFormat::Csv) {
        out << "foreground,background,kind,ratio,foreground_hex,background_hex\n";
    }
    for (const sketch::ContrastPair& pair : pairs) {
        const double minimum = pair.text ? minimumText : minimumGraphic;
        below = below || pair.ratio < minimum;
        const std::string kind = pair.text ? "text" : "graphic";
        const std::string ratio = twoDecimals(pair.ratio);
        const std::string fore = color::hexColor(pair.foregroundRgb);
        const std::string back = color::hexColor(pair.backgroundRgb);
        switch (format) {
        case ListFormat::Json:
            list.push_back({{"foreground", pair.foreground},
                            {"background", pair.background},
                            {"kind", kind},
                            {"ratio", std::stod(ratio)},
                            {"minimum", minimum},
                            {"passes", pair.ratio >= minimum},
                            {"foreground_hex", fore},
                            {"background_hex", back}});
            break;
        case ListFormat::Csv:
            out << pair.foreground << ',' << pair.background << ',' << kind << ',' << ratio << ',' << fore << ','
                << back << '\n';
            break;
        case ListFormat::Text:
            out << ratio << "  " << kind << "  <" << pair.foreground << "> " << fore << " on <" << pair.background
                << "> " << back << (pair.ratio < minimum ? "  below " + twoDecimals(minimum) : "") << '\n';
            break;
        }
    }
    if (format == ListFormat::Json) {
        out << list.dump(2) << '\n';
    }
    return below;
}

void listPalette(const theme::ThemeContent& theme, ListFormat format, std::ostream& out)
{
    struct Color {
        theme::ColorValue value;
        std::vector<int> entries;
    };
    std::vector<Color> colors; // in order of first appearance
    for (std::size_t i = 0; i < theme.entries.size(); ++i) {
        const theme::ColorValue value = theme.entries[i].oldColor & 0xFFFFFFu;
        auto found = std::find_if(colors.begin(), colors.end(), [value](const Color& c) { return c.value == value; });
        if (found == colors.end()) {
            colors.push_back({value, {}});
            found = colors.end() - 1;
        }
        found->entries.push_back(static_cast<int>(i) + 1);
    }
    std::stable_sort(colors.begin(), colors.end(),
                     [](const Color& a, const Color& b) { return a.entries.size() > b.entries.size(); });
    const auto item = [&](int number) {
        return theme::displayText(theme.entries[static_cast<std::size_t>(number - 1)].item);
    };
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    if (format == ListFormat::Csv) {
        out << "hex,count,entries\n";
    }
    for (const Color& color : colors) {
        const std::string hex = hexColor(theme::SplitColor(color.value));
        std::string numbers;
        nlohmann::ordered_json entries = nlohmann::ordered_json::array();
        for (const int number : color.entries) {
            numbers += (numbers.empty() ? "" : " ") + std::to_string(number);
            entries.push_back({{"number", number}, {"item", item(number)}});
        }
        switch (format) {
        case ListFormat::Json:
            list.push_back({{"hex", hex}, {"count", color.entries.size()}, {"entries", entries}});
            break;
        case ListFormat::Csv:
            out << hex << ',' << color.entries.size() << ',' << numbers << '\n';
            break;
        case ListFormat::Text: {
            out << hex << "  " << color.entries.size() << "  ";
            std::string names;
            for (const int number : color.entries) {
                names += (names.empty() ? "" : ", ") + std::to_string(number) + " " + escaped(item(number));
            }
            out << names << '\n';
            break;
        }
        }
    }
    if (format == ListFormat::Json) {
        out << list.dump(2) << '\n';
    }
}

int adjustColors(model::ThemeModel& model, const std::string& file, const color::Adjustment& adjustment,
                 const std::vector<std::string>& patterns)
{
    for (const std::string& pattern : patterns) {
        bool used = false;
        for (int number = 1; number <= model.entryCount() && !used; ++number) {
            used = color::matches(model.entry(number).element, pattern);
        }
        if (!used) {
            throw CliError(file, "no element matches the pattern '" + pattern + "'");
        }
    }
    return static_cast<int>(model.adjust(adjustment, patterns).size());
}

std::string liveVersionNote(const theme::ThemeContent& theme)
{
    const sketch::ElementColors colors = sketch::elementColors(theme);
    std::vector<std::string> lacking;
    std::size_t known = 0;
    std::size_t added = 0;
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        const bool has = colors.find(info.name) != colors.end();
        known += has ? 1 : 0;
        added += info.since101 ? 1 : 0;
        if (info.since101 && !has) {
            lacking.emplace_back(info.name);
        }
    }
    // A Live 10 theme by its elements, without one of those 10.1 added.
    constexpr std::size_t kMostOfLive10 = 100;
    if (lacking.size() != added || known < kMostOfLive10) {
        return {};
    }
    return "made for Live 10.0: it lacks " + std::to_string(lacking.size())
        + " elements of Live 10.1, which Live then paints in its default colours (" + joined(lacking) + ")";
}

} // namespace tintwright::cli
