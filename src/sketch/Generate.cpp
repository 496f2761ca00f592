#include "Generate.h"

#include "ElementTable.h"
#include "Roles.h"
#include "Sketch.h"
#include "color/Color.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <string_view>

namespace tintwright::sketch {

namespace {

using color::Oklch;

bool has(std::string_view name, std::initializer_list<std::string_view> parts)
{
    return std::any_of(parts.begin(), parts.end(),
                       [name](std::string_view part) { return name.find(part) != std::string_view::npos; });
}

Oklch lighter(Oklch c, double amount)
{
    c.L = std::clamp(c.L + amount, 0.0, 1.0);
    return c;
}

Oklch withHue(Oklch c, double hue, double leastChroma)
{
    c.h = std::fmod(hue + 720.0, 360.0);
    c.C = std::max(c.C, leastChroma);
    return c;
}

// Part way from a to b: lightness and chroma in proportion, hue the short way round.
Oklch mix(const Oklch& a, const Oklch& b, double t)
{
    constexpr double kGrey = 0.02;
    double hue = a.h;
    if (a.C < kGrey) {
        hue = b.h;
    } else if (b.C >= kGrey) {
        double turn = std::fmod(b.h - a.h + 540.0, 360.0) - 180.0;
        hue = a.h + turn * t;
    }
    return {a.L + (b.L - a.L) * t, a.C + (b.C - a.C) * t, std::fmod(hue + 360.0, 360.0)};
}

// Hues Live's users read without a legend: red records and alerts, green plays, blue listens and maps.
constexpr double kRed = 29;
constexpr double kGreen = 145;
constexpr double kBlue = 255;
constexpr double kSignalChroma = 0.13;

struct Palette {
    Oklch background;
    Oklch foreground;
    Oklch accent;
    double towardInk; // +1 where text is lighter than its ground (a dark theme), -1 where darker
};

Oklch signal(std::string_view name, const Oklch& otherwise)
{
    if (has(name, {"Record", "Alert", "Arm"})) {
        return withHue(otherwise, kRed, kSignalChroma);
    }
    if (has(name, {"Play"})) {
        return withHue(otherwise, kGreen, kSignalChroma);
    }
    if (has(name, {"Listen", "LearnMidi"})) {
        return withHue(otherwise, kBlue, kSignalChroma);
    }
    return otherwise;
}

int trailingNumber(std::string_view name)
{
    std::size_t digits = name.size();
    while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9') {
        --digits;
    }
    return digits < name.size() ? std::atoi(std::string(name.substr(digits)).c_str()) : 0;
}

// The colour an element's role gives it, before any contrast is looked at.
Oklch roleColor(std::string_view name, std::string_view role, const Palette& p)
{
    const double s = p.towardInk;
    const Oklch line = mix(p.background, p.foreground, 0.3);
    if (role == "surfaces" || role == "meters") {
        if (has(name, {"Desktop", "Meter"})) {
            return lighter(p.background, -0.04 * s);
        }
        if (has(name, {"Highlight", "Selected", "Head", "Tab"})) {
            return lighter(p.background, 0.08 * s);
        }
        if (has(name, {"Field", "TextBack", "Bar", "Track", "Tiles", "Clip"})) {
            return lighter(p.background, 0.04 * s);
        }
        if (has(name, {"Area"})) {
            return lighter(p.background, -0.02 * s);
        }
        return p.background;
    }
    if (role == "controls") {
        return has(name, {"Handle", "Needle"}) ? mix(p.background, p.foreground, 0.5) : lighter(p.background, 0.1 * s);
    }
    if (role == "lines") {
        if (has(name, {"Tiles"})) {
            return lighter(p.background, 0.03 * s);
        }
        if (has(name, {"ShadowDark"})) {
            return lighter(p.background, -0.08 * s);
        }
        return has(name, {"Frame", "Border", "Shadow"}) ? mix(p.background, p.foreground, 0.45) : line;
    }
    if (role == "text") {
        return has(name, {"Hint"}) ? mix(p.background, p.foreground, 0.7) : signal(name, p.foreground);
    }
    if (role == "disabled-text") {
        return mix(p.background, p.foreground, 0.5);
    }
    if (role == "disabled-controls") {
        Oklch face = lighter(p.background, 0.06 * s);
        face.C *= 0.5;
        return face;
    }
    if (role == "marks") {
        return signal(name, has(name, {"Chosen", "Ableton", "Retro"}) ? p.accent : p.foreground);
    }
    if (role == "accents") {
        return signal(name, p.accent);
    }
    if (role == "selection") {
        if (has(name, {"Surface"})) { // the ground of the view that has the focus
            return mix(p.background, p.accent, 0.06);
        }
        if (has(name, {"Foreground"})) {
            return p.foreground;
        }
        if (has(name, {"Standby"})) {
            return mix(p.background, p.accent, 0.3);
        }
        return has(name, {"Background", "Tab"}) ? mix(p.background, p.accent, 0.55) : signal(name, p.accent);
    }
    if (role == "clips") {
        // Sixteen hues round the circle from the accent's, as vivid as the accent or more.
        Oklch clip = withHue(p.accent, p.accent.h + 22.5 * (trailingNumber(name) - 1), 0.1);
        clip.L = std::clamp(clip.L, 0.55, 0.8);
        return clip;
    }
    if (role == "automation") {
        if (has(name, {"Grid", "Lane"})) {
            return line;
        }
        if (has(name, {"Disabled"})) {
            return mix(p.background, p.foreground, 0.4);
        }
        const double turn = has(name, {"Modulation"}) ? 120 : 180;
        return lighter(withHue(p.accent, p.accent.h + turn, 0.1), has(name, {"MouseOver", "Active"}) ? 0.1 * s : 0);
    }
    // Displays: dark glass with curves in hues of the accent's family.
    if (has(name, {"Background"}) && !has(name, {"Zone", "Time"})) {
        return lighter(p.background, -0.06 * s);
    }
    if (has(name, {"Line", "Grid"})) {
        return line;
    }
    if (has(name, {"Disabled"})) {
        return mix(p.background, p.foreground, 0.4);
    }
    if (has(name, {"Text", "Foreground"})) {
        return has(name, {"2"}) ? withHue(p.accent, p.accent.h + 60, 0.08) : p.accent;
    }
    if (has(name, {"Green", "Red"})) {
        return withHue(p.accent, has(name, {"Green"}) ? kGreen : kRed, kSignalChroma);
    }
    const int number = trailingNumber(name);
    return withHue(p.accent, p.accent.h + 40.0 * number + (has(name, {"Outline", "Alternative", "Output"}) ? 30 : 0),
                   0.08);
}

double luminance(const theme::RgbTriple& rgb)
{
    return color::relativeLuminance(rgb);
}

// The colour of `wanted`'s hue and chroma whose luminance lies in [low, high],
// nearest `target`; else the grey that is (chroma cannot reach every
// lightness), and at worst the grey nearest that range.
theme::RgbTriple withLuminance(const Oklch& wanted, double low, double high, double target)
{
    double bottom = 0;
    double top = 1;
    // Twelve halvings find the lightness to a sixteenth of one step of a channel.
    for (int i = 0; i < 12; ++i) {
        const double middle = (bottom + top) / 2;
        (luminance(color::fromOklch({middle, wanted.C, wanted.h})) < target ? bottom : top) = middle;
    }
    for (const double lightness : {top, bottom}) {
        const theme::RgbTriple rgb = color::fromOklch({lightness, wanted.C, wanted.h});
        if (luminance(rgb) >= low && luminance(rgb) <= high) {
            return rgb;
        }
    }
    // Outside the range counts as far worse than any distance within it.
    const auto miss = [&](double y) { return y < low ? 2 + low - y : y > high ? 2 + y - high : std::abs(y - target); };
    int best = 0;
    for (int level = 1; level < 256; ++level) {
        const auto grey = static_cast<std::uint8_t>(level);
        const auto bestGrey = static_cast<std::uint8_t>(best);
        if (miss(luminance({grey, grey, grey})) < miss(luminance({bestGrey, bestGrey, bestGrey}))) {
            best = level;
        }
    }
    const auto grey = static_cast<std::uint8_t>(best);
    return {grey, grey, grey};
}

struct Edge {
    std::size_t from; // the ground
    std::size_t to; // what stands on it
    double least; // log of the ratio it needs, with a hair to spare for rounding
};

// What a ground leaves for each step standing on it: enough that the next
// colour, rounded to whole channels, still finds room (a grey step is at most 0.009 in z).
constexpr double kStepRoom = 0.015;

// The elements, grounds before what stands on them (Kahn's order), in the
// element table's order among equals; `into` counts the edges into each.
// Elements in a cycle (none stand on each other in the scenes) are left out.
std::vector<std::size_t> groundsFirst(const std::vector<Edge>& edges, std::vector<int> into)
{
    std::vector<std::size_t> order;
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t node = 0; node < into.size(); ++node) {
            if (into[node] != 0) {
                continue;
            }
            into[node] = -1;
            order.push_back(node);
            progress = true;
            for (const Edge& edge : edges) {
                into[edge.to] -= edge.from == node ? 1 : 0;
            }
        }
    }
    return order;
}

} // namespace

GeneratedTheme generateTheme(const BaseColors& base)
{
    const double blackContrast = color::contrastRatio(base.background, {0, 0, 0});
    const double whiteContrast = color::contrastRatio(base.background, {255, 255, 255});
    Palette palette {color::toOklch(base.background), color::toOklch(base.foreground), color::toOklch(base.accent),
                     whiteContrast >= blackContrast ? 1.0 : -1.0};

    // Elements by their place in the table.
    const std::vector<ElementInfo>& table = elementTable();
    std::map<std::string_view, std::size_t> place;
    std::vector<Oklch> wanted;
    std::vector<theme::RgbTriple> chosen;
    ElementColors first;
    for (const ElementInfo& info : table) {
        place[info.name] = wanted.size();
        wanted.push_back(roleColor(info.name, roleOf(info.name), palette));
        chosen.push_back(color::fromOklch(wanted.back()));
        first[std::string(info.name)] = {chosen.back(), 0};
    }

    // Work in z = ±log(Y + 0.05), signed so that what stands on a ground has
    // the greater z: a pair's ratio is then e^(z of the one on top - z of the ground).
    const double s = palette.towardInk;
    const auto zOf = [s](const theme::RgbTriple& rgb) { return s * std::log(luminance(rgb) + 0.05); };
    const auto yOf = [s](double z) { return std::exp(z / s) - 0.05; };
    const double zLeast = std::min(zOf({0, 0, 0}), zOf({255, 255, 255}));
    const double zMost = std::max(zOf({0, 0, 0}), zOf({255, 255, 255}));

    const std::vector<ContrastPair> pairs = contrastPairs(first);
    std::vector<Edge> edges;
    std::vector<int> into(table.size(), 0);
    for (const ContrastPair& pair : pairs) {
        edges.push_back({place.at(pair.background), place.at(pair.foreground), std::log(pair.minimum) + 0.002});
        into[edges.back().to] += 1;
    }
    const std::vector<std::size_t> order = groundsFirst(edges, std::move(into));
    // How far above each node the longest chain standing on it reaches, and
    // how high it may be for the text standing on it to keep its colour (text
    // keeps the foreground where its grounds can make room for it; marks and
    // disabled text move instead).
    std::vector<double> above(table.size(), 0);
    std::vector<double> ceiling(table.size(), zMost);
    std::vector<bool> keepsItsColour(table.size());
    for (std::size_t node = 0; node < table.size(); ++node) {
        keepsItsColour[node] = roleOf(table[node].name) == "text";
    }
    for (auto node = order.rbegin(); node != order.rend(); ++node) {
        for (const Edge& edge : edges) {
            if (edge.from == *node) {
                above[*node] = std::max(above[*node], edge.least + kStepRoom + above[edge.to]);
                const double kept = keepsItsColour[edge.to] ? zOf(chosen[edge.to]) : ceiling[edge.to];
                ceiling[*node] = std::min(ceiling[*node], kept - edge.least - kStepRoom);
            }
        }
    }

    for (const std::size_t node : order) {
        double need = zLeast;
        for (const Edge& edge : edges) {
            if (edge.to == node) {
                need = std::max(need, zOf(chosen[edge.from]) + edge.least);
            }
        }
        const double room = std::max(need, std::min(zMost - above[node], std::max(ceiling[node], need + kStepRoom)));
        const double z = zOf(chosen[node]);
        if (z < need || z > room) {
            const double low = std::min(yOf(need), yOf(room));
            const double high = std::max(yOf(need), yOf(room));
            chosen[node] = withLuminance(wanted[node], low, high, yOf(std::clamp(z, need, room)));
        }
    }

    GeneratedTheme result;
    for (std::size_t node = 0; node < table.size(); ++node) {
        result.colors.emplace_back(std::string(table[node].name), chosen[node]);
    }
    for (const ContrastPair& pair : pairs) {
        const double after = color::contrastRatio(chosen[place.at(pair.foreground)], chosen[place.at(pair.background)]);
        const MovedPair moved {pair.foreground, pair.background, pair.ratio, after, pair.minimum};
        if (after < pair.minimum) {
            result.shortfalls.push_back(moved);
        } else if (!pair.passes) {
            result.moved.push_back(moved);
        }
    }
    return result;
}

std::vector<int> applyGenerated(model::ThemeModel& theme, const GeneratedTheme& generated)
{
    std::map<std::string_view, theme::ColorValue> colors;
    for (const auto& [name, rgb] : generated.colors) {
        colors[name] = theme::composeColor(rgb.R, rgb.G, rgb.B);
    }
    std::vector<int> changed;
    for (int number = 1; number <= theme.entryCount(); ++number) {
        const auto color = colors.find(theme.entry(number).element);
        if (color != colors.end() && color->second != theme.currentColor(number)) {
            theme.giveColor(number, color->second);
            changed.push_back(number);
        }
    }
    return changed;
}

} // namespace tintwright::sketch
