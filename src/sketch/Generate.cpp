#include "Generate.h"

#include "ElementTable.h"
#include "Roles.h"
#include "Sketch.h"
#include "color/Color.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <optional>
#include <string_view>

namespace tintwright::sketch {

namespace {

using color::Oklch;

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

// What careful themes do, measured in OKLCH on four published dark themes
// (three made for Live 10.0, one for Live 12) and on the colours of Live
// 10.1's own Light theme (our own rounding of what they share):
// - the chosen state (ChosenDefault) is bright in every one, 0.67 to 0.82, with
//   dark text on it, whatever the darkness of the theme;
constexpr double kChosenLeast = 0.68;
constexpr double kChosenMost = 0.82;
// - text on bright things (clips, the chosen state, selections) is near black,
//   0.0 to 0.25;
constexpr double kInkLightness = 0.15;
// - meters stand on a dark ground in light themes too, 0.20 to 0.32;
constexpr double kMeterLeast = 0.2;
constexpr double kMeterMost = 0.3;
// - clips are light, mean 0.70 to 0.79, moderately vivid, with dark ClipText;
constexpr double kClipLeast = 0.7;
constexpr double kClipMost = 0.79;
constexpr double kClipChroma = 0.12;
// - the states stay apart: Key Map Mode orange (0.67 to 0.83) and MIDI Map Mode
//   blue (0.47 to 0.60) in every dark theme, the area under the pointer a quiet
//   step of the ground, freezing a pale cool colour;
constexpr double kKeyMapHue = 50;
constexpr double kMidiMapHue = 265;
constexpr double kStep = 0.06; // one layer of surface from the next
// - layers: the Detail View's ground is lighter than the window's ground in
//   light and dark themes alike, the arrangement's area darker in dark themes,
//   and its focused state no lighter than the area.

struct Palette {
    Oklch background;
    Oklch foreground;
    Oklch accent;
    double towardInk; // +1 where text is lighter than its ground (a dark theme), -1 where darker
};

// A step of lightness that turns back where it would leave the usable range:
// on a near-black ground a darker layer is drawn lighter instead, so layers stay apart.
Oklch stepped(Oklch c, double amount)
{
    constexpr double kDarkest = 0.1;
    constexpr double kLightest = 1.0;
    const double moved = c.L + amount;
    c.L = moved < kDarkest || moved > kLightest ? std::clamp(c.L - amount, 0.0, 1.0) : moved;
    return c;
}

// The signals at the lightness careful themes give them: recording and alerts
// a deep red (0.55 to 0.65), playing a light green (0.75 to 0.87).
Oklch signal(std::string_view name, const Oklch& otherwise)
{
    const auto at = [&](double hue, double lightness) {
        Oklch c = withHue(otherwise, hue, kSignalChroma);
        c.L = lightness;
        return c;
    };
    if (nameHas(name, {"Record", "Alert", "Arm"})) {
        return at(kRed, 0.58);
    }
    if (nameHas(name, {"Play"})) {
        return at(kGreen, 0.8);
    }
    if (nameHas(name, {"Listen"})) {
        return at(kBlue, 0.62);
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

// The accent as the chosen state shows it: its hue, lifted or lowered into the
// chosen state's band of lightness.
Oklch chosen(const Palette& p)
{
    Oklch c = p.accent;
    c.L = std::clamp(c.L, kChosenLeast, kChosenMost);
    return c;
}

// Dark text for bright grounds: the foreground where that is dark, else a near
// black of the background's hue.
Oklch ink(const Palette& p)
{
    if (p.foreground.L <= kInkLightness + 0.2) {
        return Oklch {std::min(p.foreground.L, kInkLightness), p.foreground.C, p.foreground.h};
    }
    return Oklch {kInkLightness, std::min(p.background.C, 0.02), p.background.h};
}

// The colours careful themes give single elements, whatever their role.
std::optional<Oklch> learned(std::string_view name, const Palette& p)
{
    const double s = p.towardInk;
    if (name == "SurfaceBackground") {
        return p.background;
    }
    if (name == "ControlForeground") {
        return p.foreground;
    }
    if (name == "ChosenDefault" || name == "ViewCheckControlEnabledOn" || name == "MainViewFocusIndicator") {
        return chosen(p);
    }
    if (nameHas(name, {"ControlOn", "SelectionForeground"}) || name == "ClipText") {
        return nameHas(name, {"Disabled"}) ? mix(ink(p), chosen(p), 0.45) : ink(p);
    }
    if (name == "SelectionBackground") {
        return Oklch {0.86, std::min(chosen(p).C, 0.07), p.accent.h};
    }
    if (name == "StandbySelectionBackground") {
        return Oklch {0.72, std::min(chosen(p).C, 0.04), p.accent.h};
    }
    if (name == "SurfaceHighlight") {
        return stepped(p.background, 1.2 * kStep * s);
    }
    if (name == "FreezeColor") {
        return withHue(mix(p.background, p.foreground, 0.3), 230, 0.06);
    }
    if (name == "LearnKey") {
        // Beside an orange accent the key overlay turns amber, to stay apart from the chosen state.
        const double turn = std::abs(std::fmod(p.accent.h - kKeyMapHue + 540.0, 360.0) - 180.0);
        return Oklch {0.72, 0.16, p.accent.C > 0.05 && turn < 35 ? kKeyMapHue + 40 : kKeyMapHue};
    }
    if (name == "LearnMidi") {
        return Oklch {0.58, 0.17, kMidiMapHue};
    }
    if (name == "LearnMacro") {
        return Oklch {0.75, 0.17, kGreen};
    }
    if (name == "MeterBackground") {
        Oklch ground = p.background;
        ground.L = std::clamp(ground.L - 0.04, kMeterLeast, kMeterMost);
        ground.C = std::min(ground.C, 0.02);
        return ground;
    }
    if (name == "Desktop") {
        return stepped(p.background, -0.8 * kStep * s);
    }
    if (name == "SurfaceArea") {
        return stepped(p.background, -kStep * s);
    }
    if (name == "SurfaceAreaFocus") {
        Oklch focus = stepped(stepped(p.background, -kStep * s), -0.3 * kStep * s);
        return mix(focus, withHue(focus, p.accent.h, focus.C), 0.5);
    }
    if (name == "DetailViewBackground") {
        return stepped(p.background, 0.6 * kStep);
    }
    return std::nullopt;
}

// The colour an element's role gives it, before any contrast is looked at.
Oklch roleColor(std::string_view name, RoleKind role, const Palette& p)
{
    if (const std::optional<Oklch> color = learned(name, p)) {
        return *color;
    }
    const double s = p.towardInk;
    const Oklch line = mix(p.background, p.foreground, 0.3);
    if (role == RoleKind::Surfaces || role == RoleKind::Meters) {
        if (nameHas(name, {"Meter"})) {
            return learned("MeterBackground", p).value();
        }
        if (nameHas(name, {"Highlight", "Selected", "Head", "Tab"})) {
            return stepped(p.background, kStep * s);
        }
        if (nameHas(name, {"Field", "TextBack", "Bar", "Track", "Tiles", "Clip"})) {
            return stepped(p.background, 0.5 * kStep * s);
        }
        return p.background;
    }
    if (role == RoleKind::Controls) {
        return nameHas(name, {"Handle", "Needle"}) ? mix(p.background, p.foreground, 0.5)
                                                   : stepped(p.background, 1.5 * kStep * s);
    }
    if (role == RoleKind::Lines) {
        if (nameHas(name, {"Tiles"})) {
            return stepped(p.background, 0.5 * kStep * s);
        }
        if (nameHas(name, {"ShadowDark"})) {
            return stepped(p.background, -kStep);
        }
        return nameHas(name, {"Frame", "Border", "Shadow"}) ? mix(p.background, p.foreground, 0.45) : line;
    }
    if (role == RoleKind::Text) {
        if (nameHas(name, {"Hint"})) {
            return mix(p.background, p.foreground, 0.7);
        }
        return nameHas(name, {"Off"}) ? mix(p.background, p.foreground, 0.85) : signal(name, p.foreground);
    }
    if (role == RoleKind::DisabledText) {
        return mix(p.background, p.foreground, 0.45);
    }
    if (role == RoleKind::DisabledControls) {
        Oklch face = stepped(p.background, kStep * s);
        face.C *= 0.5;
        return face;
    }
    if (role == RoleKind::Marks) {
        return signal(name, nameHas(name, {"Chosen", "Ableton", "Retro"}) ? chosen(p) : p.foreground);
    }
    if (role == RoleKind::Accents) {
        return signal(name, chosen(p));
    }
    if (role == RoleKind::Selection) {
        if (nameHas(name, {"Standby"})) {
            return mix(p.background, chosen(p), 0.3);
        }
        return nameHas(name, {"Background", "Tab"}) ? mix(p.background, chosen(p), 0.55) : signal(name, chosen(p));
    }
    if (role == RoleKind::Clips) {
        // Sixteen hues round the circle from the accent's, light as clips are, the lightness varied a little.
        const int number = trailingNumber(name);
        Oklch clip = withHue(p.accent, p.accent.h + 22.5 * (number - 1), kClipChroma);
        clip.C = std::min(clip.C, kClipChroma + 0.04);
        clip.L = kClipLeast + (kClipMost - kClipLeast) * ((number * 5) % 16) / 15.0;
        return clip;
    }
    if (role == RoleKind::Automation) {
        if (nameHas(name, {"Grid", "Lane"})) {
            return line;
        }
        if (nameHas(name, {"Disabled"})) {
            return mix(p.background, p.foreground, 0.4);
        }
        const double turn = nameHas(name, {"Modulation"}) ? 120 : 180;
        return stepped(withHue(chosen(p), p.accent.h + turn, 0.1),
                       nameHas(name, {"MouseOver", "Active"}) ? 0.1 * s : 0);
    }
    // Displays: dark glass with curves in hues of the accent's family.
    if (nameHas(name, {"Background"}) && !nameHas(name, {"Zone", "Time"})) {
        return stepped(p.background, -kStep * s);
    }
    if (nameHas(name, {"Line", "Grid"})) {
        return line;
    }
    if (nameHas(name, {"Disabled"})) {
        return mix(p.background, p.foreground, 0.4);
    }
    if (nameHas(name, {"Text", "Foreground"})) {
        return nameHas(name, {"2"}) ? withHue(chosen(p), p.accent.h + 60, 0.08) : chosen(p);
    }
    if (nameHas(name, {"Green", "Red"})) {
        return withHue(chosen(p), nameHas(name, {"Green"}) ? kGreen : kRed, kSignalChroma);
    }
    const int number = trailingNumber(name);
    return withHue(chosen(p),
                   p.accent.h + 40.0 * number + (nameHas(name, {"Outline", "Alternative", "Output"}) ? 30 : 0), 0.08);
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
    bool lighter; // whether what stands on the ground is lighter than it
};

// What a ground leaves for each step standing on it: enough that the next
// colour, rounded to whole channels, still finds room (a grey step is at most 0.009 in u).
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

// Lightness as contrast sees it: u = log(Y + 0.05), so that a pair's ratio is
// e^(difference of their u).
double uOf(const theme::RgbTriple& rgb)
{
    return std::log(luminance(rgb) + 0.05);
}

double yOf(double u)
{
    return std::exp(u) - 0.05;
}

struct Band {
    double low;
    double high;
};

} // namespace

std::string readabilityProblem(const BaseColors& base)
{
    const double ratio = color::contrastRatio(base.background, base.foreground);
    if (ratio >= ContrastMinimums {}.text) {
        return {};
    }
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.2f:1, and text needs %.2f:1", color::shownRatio(ratio),
                  ContrastMinimums {}.text);
    return "the foreground " + color::hexColor(base.foreground) + " on the background "
        + color::hexColor(base.background) + " stands at " + shown + ": choose a lighter or darker one";
}

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
    std::vector<theme::RgbTriple> chosenRgb;
    ElementColors first;
    for (const ElementInfo& info : table) {
        place[info.name] = wanted.size();
        wanted.push_back(roleColor(info.name, roleOf(info.name), palette));
        chosenRgb.push_back(color::fromOklch(wanted.back()));
        first[std::string(info.name)] = {chosenRgb.back(), 0};
    }
    // The base colours themselves stay as they were asked for.
    chosenRgb[place.at("SurfaceBackground")] = base.background;
    chosenRgb[place.at("ControlForeground")] = base.foreground;
    std::vector<bool> fixed(table.size(), false);
    fixed[place.at("SurfaceBackground")] = true;
    fixed[place.at("ControlForeground")] = true;

    const double uLeast = uOf({0, 0, 0});
    const double uMost = uOf({255, 255, 255});
    const std::vector<ContrastPair> pairs = contrastPairs(first);
    std::vector<bool> keepsItsColour(table.size());
    for (std::size_t node = 0; node < table.size(); ++node) {
        keepsItsColour[node] = fixed[node] || roleOf(table[node].name) == RoleKind::Text;
    }
    // What stands on a ground keeps the side of it its colour is on (equals
    // take the theme's side); marks take the side of the text on the same
    // ground, as a clip's triangle stands as dark on it as its name.
    const auto lighterOn = [&](std::size_t ground, std::size_t top) {
        const double apart = uOf(chosenRgb[top]) - uOf(chosenRgb[ground]);
        return std::abs(apart) > 1e-3 ? apart > 0 : palette.towardInk > 0;
    };
    std::map<std::size_t, bool> textSide;
    for (const ContrastPair& pair : pairs) {
        const std::size_t ground = place.at(pair.background);
        const std::size_t top = place.at(pair.foreground);
        if (keepsItsColour[top] && !keepsItsColour[ground]) {
            textSide.emplace(ground, lighterOn(ground, top));
        }
    }
    std::vector<Edge> edges;
    std::vector<int> into(table.size(), 0);
    for (const ContrastPair& pair : pairs) {
        const std::size_t ground = place.at(pair.background);
        const std::size_t top = place.at(pair.foreground);
        const auto side = textSide.find(ground);
        const bool lighter = !keepsItsColour[top] && side != textSide.end() ? side->second : lighterOn(ground, top);
        edges.push_back({ground, top, std::log(pair.minimum) + 0.002, lighter});
        into[top] += 1;
    }
    const std::vector<std::size_t> order = groundsFirst(edges, std::move(into));

    // The band each element may take so that everything standing on it, in
    // chains, still finds room; text and the base colours keep their colour,
    // so the grounds under them make room for them. A mark standing on grounds
    // on both sides of it that the first round left short keeps the colour
    // that round gave it, and the grounds make room for it in the next.
    const std::vector<theme::RgbTriple> start = chosenRgb;
    for (int round = 0; round < 6; ++round) {
        std::vector<Band> room(table.size(), Band {uLeast, uMost});
        for (auto node = order.rbegin(); node != order.rend(); ++node) {
            for (const Edge& edge : edges) {
                if (edge.from != *node) {
                    continue;
                }
                const double kept = uOf(chosenRgb[edge.to]);
                if (edge.lighter) {
                    const double top = keepsItsColour[edge.to] ? kept : room[edge.to].high;
                    room[*node].high = std::min(room[*node].high, top - edge.least - kStepRoom);
                } else {
                    const double bottom = keepsItsColour[edge.to] ? kept : room[edge.to].low;
                    room[*node].low = std::max(room[*node].low, bottom + edge.least + kStepRoom);
                }
            }
        }
        for (const std::size_t node : order) {
            // What its grounds demand comes first; the room its own chains want second.
            // Where no colour meets every ground, the base colours' demands come first.
            Band need {uLeast, uMost};
            for (const bool fixedOnly : {false, true}) {
                need = Band {uLeast, uMost};
                for (const Edge& edge : edges) {
                    if (edge.to == node && (fixed[edge.from] || !fixedOnly)) {
                        const double ground = uOf(chosenRgb[edge.from]);
                        if (edge.lighter) {
                            need.low = std::max(need.low, ground + edge.least);
                        } else {
                            need.high = std::min(need.high, ground - edge.least);
                        }
                    }
                }
                if (need.low <= need.high) {
                    break;
                }
            }
            if (fixed[node] || need.low > need.high) {
                continue; // a base colour, or no colour meets its grounds: a shortfall
            }
            Band band {std::max(need.low, std::min(room[node].low, need.high)),
                       std::min(need.high, std::max(room[node].high, need.low))};
            if (band.low > band.high) {
                band = need;
            }
            const double u = uOf(chosenRgb[node]);
            if (u < band.low || u > band.high) {
                chosenRgb[node] =
                    withLuminance(wanted[node], yOf(band.low), yOf(band.high), yOf(std::clamp(u, band.low, band.high)));
            }
        }
        bool fellShort = false;
        for (const Edge& edge : edges) {
            const double apart = uOf(chosenRgb[edge.to]) - uOf(chosenRgb[edge.from]);
            if ((edge.lighter ? apart : -apart) < edge.least - 0.002 && !keepsItsColour[edge.to]) {
                keepsItsColour[edge.to] = true;
                fellShort = true;
            }
        }
        if (!fellShort) {
            break;
        }
        for (std::size_t node = 0; node < table.size(); ++node) {
            const bool madeKept = keepsItsColour[node] && !fixed[node] && roleOf(table[node].name) != RoleKind::Text;
            chosenRgb[node] = madeKept ? chosenRgb[node] : start[node];
        }
    }

    GeneratedTheme result;
    for (std::size_t node = 0; node < table.size(); ++node) {
        result.colors.emplace_back(std::string(table[node].name), chosenRgb[node]);
    }
    for (const ContrastPair& pair : pairs) {
        const double after =
            color::contrastRatio(chosenRgb[place.at(pair.foreground)], chosenRgb[place.at(pair.background)]);
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

} // namespace tintwright::sketch
