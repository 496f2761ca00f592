#include "Transfer.h"

#include "Complete.h"
#include "color/Color.h"
#include "sketch/ElementTable.h"
#include "sketch/Roles.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

namespace tintwright::make {

namespace {

using color::Oklch;

using color::distance;
using color::Oklab;
using color::oklabOf;

// The short way round from one hue to another, in degrees (-180..180).
double hueTurn(double from, double to)
{
    return std::fmod(to - from + 540.0, 360.0) - 180.0;
}

// A colour shares the accent's family where its hue lies this near the
// accent's and both have some colour, or where it is nearly the accent itself.
constexpr double kFamilyHue = 25;
constexpr double kFamilyChroma = 0.03;
constexpr double kNearAccent = 0.03;
// A signal and the accent stand at least this far apart (OKLab), as Key Map
// orange and MIDI Map blue do beside the accents of careful themes.
constexpr double kApart = 0.12;
// Below this chroma a colour reads as a grey of the ground or the text, and its tint follows theirs.
constexpr double kGreyish = 0.05;
// Layers of surface are told from black only from this lightness up, and from
// white only below the other; a layer lies at most this far on the ground's far side.
constexpr double kDarkestLayer = 0.16;
constexpr double kLightestLayer = 0.985;
constexpr double kDeepestLayer = 0.1;
// A colour computed this near its old one is its old one.
constexpr double kSame = 1e-7;

bool same(const theme::RgbTriple& a, const theme::RgbTriple& b)
{
    return a.R == b.R && a.G == b.G && a.B == b.B;
}

// The ground, the text and the accent of a theme in OKLCH, and which way text lies from the ground.
struct Frame {
    Oklch ground;
    Oklch text;
    Oklch accent;
    double side; // +1 where the text is lighter than the ground
    double span; // how far apart the two are
};

Frame frameOf(const BaseColors& base)
{
    Frame frame {color::toOklch(base.background), color::toOklch(base.foreground), color::toOklch(base.accent), 1, 0};
    frame.side = frame.text.L >= frame.ground.L ? 1 : -1;
    frame.span = std::max(std::abs(frame.text.L - frame.ground.L), 1e-6);
    return frame;
}

// Lightness re-anchored: a step beyond the ground stays that step beyond the
// new ground, a step beyond the text that step beyond the new text, and what
// lies between them keeps its place in proportion.
class LightnessMap {
public:
    LightnessMap(const Frame& from, const Frame& to, double farDepth)
        : m_from(from)
        , m_to(to)
        , m_ground(to.ground.L)
    {
        // Where the new ground leaves no room for the layers the theme puts on its
        // far side (a pure black or white ground), the layers are laid out from
        // the nearest ground that has that room; the ground itself stays as given.
        const bool sameSide = from.side == to.side;
        if (to.side > 0) {
            const double floor = std::min(kDarkestLayer, sameSide ? from.ground.L - farDepth : kDarkestLayer);
            m_ground = std::max(m_ground, floor + farDepth);
        } else {
            const double ceiling = std::max(kLightestLayer, sameSide ? from.ground.L + farDepth : kLightestLayer);
            m_ground = std::min(m_ground, ceiling - farDepth);
        }
    }

    // How far toward the text a lightness lies, as a share of the way from ground to text.
    double share(double lightness) const { return (lightness - m_from.ground.L) * m_from.side / m_from.span; }

    double operator()(double lightness) const
    {
        const double step = (lightness - m_from.ground.L) * m_from.side;
        double moved = 0;
        if (step < 0) {
            moved = m_ground + m_to.side * step;
        } else if (step <= m_from.span) {
            moved = m_ground + (m_to.text.L - m_ground) * step / m_from.span;
        } else {
            moved = m_to.text.L + m_to.side * (step - m_from.span);
        }
        return std::clamp(moved, 0.0, 1.0);
    }

private:
    Frame m_from;
    Frame m_to;
    double m_ground; // where the layers are laid out from
};

// How deep the theme's layers of surface reach on the ground's far side.
double farDepthOf(const sketch::ElementColors& theme, const Frame& from)
{
    double depth = 0;
    for (const auto& [name, color] : theme) {
        if (sketch::roleOf(name) == sketch::RoleKind::Surfaces) {
            const double step = (color::toOklch(color.rgb).L - from.ground.L) * from.side;
            depth = std::max(depth, std::min(-step, kDeepestLayer));
        }
    }
    return depth;
}

// The colour the transfer gives one element, before contrast is looked at.
// Colours that stand for themselves (a clip, a signal, a lit state, a device's
// colour) keep their lightness wherever the ground goes; the window's greys
// and its structure follow the ground and the text.
bool keepsItsLightness(std::string_view name, const Oklch& own)
{
    switch (sketch::roleOf(name)) {
    case sketch::RoleKind::Clips:
    case sketch::RoleKind::Accents:
    case sketch::RoleKind::Marks:
    case sketch::RoleKind::Selection:
    case sketch::RoleKind::Automation:
    case sketch::RoleKind::Displays:
        return own.C >= kGreyish;
    default:
        return false;
    }
}

// A signal keeps its own hue, but never becomes the accent: where the new
// accent comes near a signal the theme kept apart from its own, the signal
// turns away from it.
Oklch keptApart(Oklch signal, const Oklch& was, const Frame& from, const Frame& to)
{
    const auto apart = [](const Oklch& x, const Oklch& y) { return distance(oklabOf(x), oklabOf(y)) >= kApart; };
    if (!apart(was, from.accent) || apart(signal, to.accent)) {
        return signal;
    }
    const double away = hueTurn(to.accent.h, signal.h) < 0 ? -1 : 1;
    const double start = signal.h;
    for (int step = 1; step <= 24 && !apart(signal, to.accent); ++step) {
        signal.h = std::fmod(start + away * 5 * step + 360.0, 360.0);
    }
    return signal;
}

// The colour the transfer gives one element, before contrast is looked at.
Oklch carriedColor(std::string_view name, const theme::RgbTriple& rgb, const Frame& from, const Frame& to,
                   const LightnessMap& lightness, const BaseColors& fromBase)
{
    const Oklch own = color::toOklch(rgb);
    Oklab lab = oklabOf(own);
    if (inAccentFamily(name, rgb, fromBase.accent)) {
        // The accent itself takes the new lightness; the rest of its family half
        // the step, so that its tints and shades keep their levels.
        const double step = to.accent.L - from.accent.L;
        lab.L = std::clamp(own.L + (same(rgb, fromBase.accent) ? step : step / 2), 0.0, 1.0);
        if (from.accent.C >= kFamilyChroma) {
            Oklch turned = color::oklchOf(lab);
            turned.h = std::fmod(own.h + hueTurn(from.accent.h, to.accent.h) + 360.0, 360.0);
            turned.C = std::min(own.C * to.accent.C / from.accent.C, 0.4);
            return turned;
        }
        const Oklab fromAccent = oklabOf(from.accent);
        const Oklab toAccent = oklabOf(to.accent);
        lab.a += toAccent.a - fromAccent.a;
        lab.b += toAccent.b - fromAccent.b;
        return color::oklchOf(lab);
    }
    if (keepsItsLightness(name, own)) {
        // Record, arm and alert stay red whatever the accent; the other signals make way for it.
        const bool red = sketch::nameHas(name, {"Record", "Arm", "Alert"});
        return isSignal(name) && !red ? keptApart(own, own, from, to) : own;
    }
    lab.L = lightness(own.L);
    const bool groundTint =
        from.ground.C >= 0.015 && std::abs(hueTurn(from.ground.h, own.h)) <= 30 && own.C <= 2.5 * from.ground.C;
    if (own.C < kGreyish || groundTint) {
        // A grey takes the new tints: the ground's near the ground, the text's near the text.
        const double towardText = std::clamp(lightness.share(own.L), 0.0, 1.0);
        const Oklab fromGround = oklabOf(from.ground);
        const Oklab toGround = oklabOf(to.ground);
        const Oklab fromText = oklabOf(from.text);
        const Oklab toText = oklabOf(to.text);
        lab.a += (1 - towardText) * (toGround.a - fromGround.a) + towardText * (toText.a - fromText.a);
        lab.b += (1 - towardText) * (toGround.b - fromGround.b) + towardText * (toText.b - fromText.b);
    }
    return color::oklchOf(lab);
}

struct Node {
    std::string name;
    Oklch wanted;
    theme::RgbTriple rgb;
    bool fixed = false; // the ground and the text, as given
    mutable std::shared_ptr<std::vector<theme::RgbTriple>>
        ladder; // the wanted hue and chroma at every lightness, once asked for
};

struct Link {
    std::size_t foreground;
    std::size_t background;
    double minimum;
    double target; // the minimum, or the ratio the theme had where it was below it
};

double ratioOf(const theme::RgbTriple& a, const theme::RgbTriple& b)
{
    return color::contrastRatio(a, b);
}

// A hair above each minimum, so that a pair at it stays there once read back.
constexpr double kSpare = 1.0005;

double spareFor(const Link& link)
{
    return link.target >= link.minimum ? kSpare : 1.0;
}

// The lightness of an element's own hue and chroma nearest the one it wants at
// which it stands at least at its target from every colour it meets in a pair.
// Where none does, the base colours come first (they never move), and among
// the lightnesses that meet them the one whose worst other pair comes nearest;
// the others then move in their turn.
struct Fit {
    bool found = false;
    theme::RgbTriple rgb;
};

// Which pairs of an element must hold at the lightness chosen for it.
using Binding = std::function<bool(const Link&)>;

Fit fitted(std::size_t node, const std::vector<Node>& nodes, const std::vector<const Link*>& links,
           const Binding& binding = {})
{
    constexpr int kSteps = 1000; // a tenth of a percent of lightness each
    const Oklch& wanted = nodes[node].wanted;
    if (!nodes[node].ladder) {
        auto ladder = std::make_shared<std::vector<theme::RgbTriple>>();
        for (int step = 0; step <= kSteps; ++step) {
            ladder->push_back(color::fromOklch({static_cast<double>(step) / kSteps, wanted.C, wanted.h}));
        }
        nodes[node].ladder = ladder;
    }
    Fit best;
    std::tuple<bool, bool, double> bestKey {false, false, -10};
    for (int step = 0; step <= kSteps; ++step) {
        const double lightness = static_cast<double>(step) / kSteps;
        const theme::RgbTriple& rgb = (*nodes[node].ladder)[static_cast<std::size_t>(step)];
        double worstHard = 4;
        double worstSoft = 4;
        for (const Link* link : links) {
            const std::size_t other = link->foreground == node ? link->background : link->foreground;
            const double margin = ratioOf(rgb, nodes[other].rgb) / link->target / spareFor(*link);
            const bool binds = binding ? binding(*link) : link->foreground == node || nodes[other].fixed;
            double& worst = binds ? worstHard : worstSoft;
            worst = std::min(worst, margin);
        }
        // Where what stands on it cannot all be met, the worst of them comes nearest.
        const bool hard = worstHard >= 1;
        const bool soft = worstSoft >= 1;
        const std::tuple<bool, bool, double> key {hard, hard && soft,
                                                  !hard      ? worstHard
                                                      : soft ? -std::abs(lightness - wanted.L)
                                                             : worstSoft};
        if (key > bestKey) {
            bestKey = key;
            best = {hard, rgb};
        }
    }
    return best;
}

bool holds(const Link& link, const std::vector<Node>& nodes)
{
    return ratioOf(nodes[link.foreground].rgb, nodes[link.background].rgb) >= link.target;
}

// Where an element cannot meet every pair it is in (text standing on a lit
// colour that had to be dark, and on others that are light), it takes the
// lightness the failing pair and the base colours need, and every other
// colour it then falls short of moves with it, each meeting its own pairs or
// moving what it falls short of in turn (three steps deep at most). Nothing
// moves unless all of them find such a lightness.
bool movedTogether(std::size_t mover, const Link& failing, std::vector<Node>& nodes,
                   const std::vector<std::vector<const Link*>>& linksOf, int depth = 0)
{
    constexpr int kDeepest = 3;
    const Fit lead = fitted(mover, nodes, linksOf[mover], [&](const Link& link) {
        const std::size_t other = link.foreground == mover ? link.background : link.foreground;
        return &link == &failing || nodes[other].fixed;
    });
    if (!lead.found) {
        return false;
    }
    std::vector<Node> trial = nodes;
    trial[mover].rgb = lead.rgb;
    trial[mover].fixed = true; // what follows moves round it
    for (const Link* link : linksOf[mover]) {
        const std::size_t other = link->foreground == mover ? link->background : link->foreground;
        if (holds(*link, trial)) {
            continue;
        }
        if (trial[other].fixed) {
            return false;
        }
        const Fit follower = fitted(other, trial, linksOf[other]);
        if (follower.found && holds(*link, [&] {
                std::vector<Node> next = trial;
                next[other].rgb = follower.rgb;
                return next;
            }())) {
            trial[other].rgb = follower.rgb;
        } else if (depth + 1 >= kDeepest || !movedTogether(other, *link, trial, linksOf, depth + 1)) {
            return false;
        }
    }
    trial[mover].fixed = nodes[mover].fixed;
    nodes = std::move(trial);
    return true;
}

} // namespace

bool isSignal(std::string_view name)
{
    return sketch::nameHas(name, {"Record", "Arm", "Alert", "Play", "Listen", "Learn", "Alternative", "Freeze"});
}

bool inAccentFamily(std::string_view name, const theme::RgbTriple& rgb, const theme::RgbTriple& accent)
{
    if (name == "ChosenDefault") {
        return true;
    }
    if (sketch::roleOf(name) == sketch::RoleKind::Clips || isSignal(name) || name == "SurfaceBackground"
        || name == "ControlForeground") {
        return false;
    }
    const Oklch own = color::toOklch(rgb);
    const Oklch lead = color::toOklch(accent);
    const bool near = distance(oklabOf(own), oklabOf(lead)) < kNearAccent;
    if (lead.C < kFamilyChroma) {
        // A grey accent's family is what is on, chosen or selected in its grey, not every grey text or line of it.
        const sketch::RoleKind role = sketch::roleOf(name);
        return near && (role == sketch::RoleKind::Accents || role == sketch::RoleKind::Selection);
    }
    return near || (own.C >= kFamilyChroma && std::abs(hueTurn(lead.h, own.h)) <= kFamilyHue);
}

namespace {

// The theme's colours carried over to the new base colours: the element
// table's order first, then what else the theme names.
struct Carried {
    std::vector<Node> nodes;
    std::map<std::string, std::size_t, std::less<>> place; // each element's node
};

Carried carriedOver(const sketch::ElementColors& theme, const BaseColors& to)
{
    const BaseColors fromBase = baseColorsOf(theme);
    const Frame from = frameOf(fromBase);
    const Frame onto = frameOf(to);
    const LightnessMap lightness(from, onto, farDepthOf(theme, from));

    Carried carried;
    const auto add = [&](const std::string& name, const theme::RgbTriple& rgb) {
        if (carried.place.count(name) != 0) {
            return;
        }
        carried.place[name] = carried.nodes.size();
        Node node {name, color::toOklch(rgb), rgb, false, nullptr};
        const Oklch moved = carriedColor(name, rgb, from, onto, lightness, fromBase);
        const Oklab was = oklabOf(node.wanted);
        const Oklab now = oklabOf(moved);
        if (std::abs(was.L - now.L) > kSame || std::abs(was.a - now.a) > kSame || std::abs(was.b - now.b) > kSame) {
            node.wanted = moved;
            node.rgb = color::fromOklch(moved);
        }
        carried.nodes.push_back(node);
    };
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        if (const auto found = theme.find(info.name); found != theme.end()) {
            add(found->first, found->second.rgb);
        }
    }
    for (const auto& [name, color] : theme) {
        add(name, color.rgb);
    }
    // The base colours as given: the ground and the text exactly; the chosen
    // state takes the accent where it was the theme's accent.
    const auto give = [&](const char* name, const theme::RgbTriple& was, const theme::RgbTriple& rgb, bool fixed) {
        const auto found = carried.place.find(name);
        if (found != carried.place.end() && same(theme.at(name).rgb, was)) {
            Node& node = carried.nodes[found->second];
            node.rgb = rgb;
            node.wanted = color::toOklch(rgb);
            node.fixed = fixed;
        }
    };
    give("SurfaceBackground",
         theme.count("SurfaceBackground") ? theme.at("SurfaceBackground").rgb : theme::RgbTriple {}, to.background,
         true);
    give("ControlForeground",
         theme.count("ControlForeground") ? theme.at("ControlForeground").rgb : theme::RgbTriple {}, to.foreground,
         true);
    give("ChosenDefault", fromBase.accent, to.accent, false);
    return carried;
}

// The pairs the scenes draw, each held to its minimum or to what the theme had.
std::vector<Link> pairLinks(const sketch::ElementColors& theme, const Carried& carried, bool toMinimums)
{
    std::vector<Link> links;
    for (const sketch::ContrastPair& pair : sketch::contrastPairs(theme)) {
        if (pair.foreground != pair.background) {
            links.push_back({carried.place.at(pair.foreground), carried.place.at(pair.background), pair.minimum,
                             toMinimums ? pair.minimum : std::min(pair.minimum, pair.ratio)});
        }
    }
    return links;
}

// While a pair falls short, what stands on the ground moves first (light text
// on a lit colour that had to be dark), the ground where that cannot help.
void meetTargets(const std::vector<Link>& links, std::vector<Node>& nodes)
{
    std::vector<std::vector<const Link*>> linksOf(nodes.size());
    for (const Link& link : links) {
        linksOf[link.foreground].push_back(&link);
        linksOf[link.background].push_back(&link);
    }
    constexpr int kRounds = 12;
    for (int round = 0; round < kRounds; ++round) {
        bool moved = false;
        for (const Link& link : links) {
            if (holds(link, nodes)) {
                continue;
            }
            // What stands on the ground moves first; the ground where it cannot.
            std::size_t mover = nodes[link.foreground].fixed ? link.background : link.foreground;
            if (nodes[mover].fixed) {
                continue;
            }
            // A lightness found counts where it lifts the failing pair too.
            const auto lifts = [&](std::size_t node, const Fit& candidate) {
                const std::size_t other = node == link.foreground ? link.background : link.foreground;
                return candidate.found && ratioOf(candidate.rgb, nodes[other].rgb) >= link.target;
            };
            Fit fit = fitted(mover, nodes, linksOf[mover]);
            fit.found = lifts(mover, fit);
            if (!fit.found && mover == link.foreground && !nodes[link.background].fixed) {
                Fit ground = fitted(link.background, nodes, linksOf[link.background]);
                if (lifts(link.background, ground)) {
                    mover = link.background;
                    fit = ground;
                }
            }
            if (!fit.found && movedTogether(mover, link, nodes, linksOf)) {
                moved = true;
                continue;
            }
            if (!same(nodes[mover].rgb, fit.rgb)) {
                nodes[mover].rgb = fit.rgb;
                moved = true;
            }
        }
        if (!moved) {
            break;
        }
    }
}

// Every colour, then the pairs that moved or still fall short, lowest ratio before first.
GeneratedTheme reported(const std::vector<Node>& nodes, const std::vector<Link>& links,
                        const std::vector<double>& before)
{
    GeneratedTheme result;
    for (const Node& node : nodes) {
        result.colors.emplace_back(node.name, node.rgb);
    }
    std::vector<std::size_t> order(links.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return before[a] < before[b]; });
    for (const std::size_t i : order) {
        const Link& link = links[i];
        const double after = ratioOf(nodes[link.foreground].rgb, nodes[link.background].rgb);
        const MovedPair pair {nodes[link.foreground].name, nodes[link.background].name, before[i], after, link.target};
        if (after < link.target) {
            result.shortfalls.push_back(pair);
        } else if (before[i] < link.target) {
            result.moved.push_back(pair);
        }
    }
    return result;
}

} // namespace

GeneratedTheme transferTheme(const sketch::ElementColors& theme, const BaseColors& to, bool toMinimums)
{
    Carried carried = carriedOver(theme, to);
    const std::vector<Link> links = pairLinks(theme, carried, toMinimums);
    std::vector<double> before(links.size());
    for (std::size_t i = 0; i < links.size(); ++i) {
        before[i] = ratioOf(carried.nodes[links[i].foreground].rgb, carried.nodes[links[i].background].rgb);
    }
    meetTargets(links, carried.nodes);
    return reported(carried.nodes, links, before);
}

GeneratedTheme recolourTheme(model::ThemeModel& theme, const BaseColors& to)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (int number = 1; number <= theme.entryCount(); ++number) {
        entries.emplace_back(theme.entry(number).element, theme::SplitColor(theme.currentColor(number)));
    }
    GeneratedTheme transferred = transferTheme(sketch::elementColors(entries), to);
    applyGenerated(theme, transferred);
    return transferred;
}

} // namespace tintwright::make
