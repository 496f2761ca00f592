#include "Complete.h"

#include "color/Color.h"
#include "sketch/ElementTable.h"
#include "sketch/Roles.h"
#include "theme/ThemeError.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <tuple>
#include <utility>

namespace tintwright::make {

namespace {

// The blend factors and alphas of Live 10.1 and the values it writes, as
// themes saved by Live 10.1 carry them: ten after the last of the view check
// controls, six after the warper's time bar.
struct Factor {
    std::string_view after; // the element they follow
    std::string_view name;
    std::string_view value;
};
constexpr Factor kFactors[] = {
    {"ViewCheckControlDisabledOff", "DefaultBlendFactor", "0.8000000119"},
    {"ViewCheckControlDisabledOff", "IconBlendFactor", "0.6499999762"},
    {"ViewCheckControlDisabledOff", "ClipBlendFactor", "0.75"},
    {"ViewCheckControlDisabledOff", "NoteBorderStandbyBlendFactor", "0.5"},
    {"ViewCheckControlDisabledOff", "RetroDisplayBlendFactor", "0.8999999762"},
    {"ViewCheckControlDisabledOff", "CheckControlNotCheckedBlendFactor", "0.5"},
    {"ViewCheckControlDisabledOff", "MixSurfaceAreaBlendFactor", "0.349999994"},
    {"ViewCheckControlDisabledOff", "TextFrameSegmentBlendFactor", "0.6000000238"},
    {"ViewCheckControlDisabledOff", "VelocityEditorForegroundSelectedBlendFactor", "0.6000000238"},
    {"ViewCheckControlDisabledOff", "NoteDisabledSelectedBlendFactor", "0.5"},
    {"WarperTimeBarMarkerBackground", "MinVelocityNoteBlendFactor", "0.200000003"},
    {"WarperTimeBarMarkerBackground", "StripedBackgroundShadeFactor", "0.8999999762"},
    {"WarperTimeBarMarkerBackground", "AutomationLaneHeaderAlpha", "60"},
    {"WarperTimeBarMarkerBackground", "AutomationLaneClipBodyAlpha", "60"},
    {"WarperTimeBarMarkerBackground", "NonEditableAutomationAlpha", "127"},
    {"WarperTimeBarMarkerBackground", "DisabledContextMenuIconAlpha", "85"},
};

std::string_view trimmed(std::string_view record)
{
    while (!record.empty() && (record.back() == ' ' || record.back() == '\t')) {
        record.remove_suffix(1);
    }
    return record;
}

// Where each record of Live's stands among a theme's records: its first and
// last line. An element is its "<Name>" line through "</Name>"; a factor its
// one "<Name Value=..." line. The first of a name counts.
std::map<std::string_view, std::pair<std::size_t, std::size_t>> places(const std::vector<std::string>& records)
{
    std::map<std::string_view, std::pair<std::size_t, std::size_t>> found;
    std::map<std::string_view, std::size_t> open; // elements whose closing line is still to come
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::string_view record = trimmed(records[i]);
        if (record.size() < 3 || record.front() != '<') {
            continue;
        }
        if (record[1] == '/') {
            const std::string_view name = record.substr(2, record.size() - 3);
            if (const auto start = open.find(name); start != open.end()) {
                found[name].second = i;
                open.erase(start);
            }
            continue;
        }
        const std::size_t end = record.find_first_of(" >");
        const std::string_view name = record.substr(1, end == std::string_view::npos ? end : end - 1);
        if (found.count(name) == 0) {
            found[name] = {i, i};
            if (end != std::string_view::npos && record[end] == '>') {
                open[name] = i;
            }
        }
    }
    return found;
}

// The colours of one hue and chroma from black to white, with their luminance.
struct Candidate {
    theme::RgbTriple rgb;
    double lightness; // OKLCH
    double luminance; // WCAG
};
std::vector<Candidate> candidates(const color::Oklch& wanted)
{
    constexpr int kSteps = 64; // steps of OKLCH lightness, each under two percent
    std::vector<Candidate> result;
    for (int step = 0; step <= kSteps; ++step) {
        const double lightness = static_cast<double>(step) / kSteps;
        const theme::RgbTriple rgb = color::fromOklch({lightness, wanted.C, wanted.h});
        result.push_back({rgb, lightness, color::relativeLuminance(rgb)});
    }
    return result;
}

// What a made colour stands against in one pair.
struct Against {
    double luminance; // the other element's
    double minimum;
    bool text; // text to be read, which counts before a mark
};

// The worst pair's ratio over its minimum (of text pairs alone where
// `textOnly`), held at 2.
double worstMargin(const Candidate& choice, const std::vector<Against>& against, bool textOnly = false)
{
    double worst = 2;
    for (const Against& other : against) {
        if (textOnly && !other.text) {
            continue;
        }
        const double ratio =
            (std::max(choice.luminance, other.luminance) + 0.05) / (std::min(choice.luminance, other.luminance) + 0.05);
        worst = std::min(worst, ratio / other.minimum);
    }
    return worst;
}

constexpr double kSpare = 1.0005; // a hair above each minimum, for rounding

bool meets(const Candidate& choice, const std::vector<Against>& against)
{
    return worstMargin(choice, against) >= kSpare;
}

// The candidate nearest the wanted lightness at which every pair meets its
// minimum; where none does, the one nearest it at which the text can still be
// read (a mark that cannot stand apart is not worth a white clip); where the
// text cannot be read either, the one that comes nearest.
theme::RgbTriple fitted(double wantedLightness, const std::vector<Candidate>& choices,
                        const std::vector<Against>& against)
{
    theme::RgbTriple best = choices.front().rgb;
    std::tuple<bool, bool, double> bestKey {false, false, -1};
    for (const Candidate& choice : choices) {
        const double worst = worstMargin(choice, against);
        const bool fits = worst >= kSpare;
        const bool readable = worstMargin(choice, against, true) >= kSpare;
        const std::tuple<bool, bool, double> key {
            fits, readable, fits || readable ? -std::abs(choice.lightness - wantedLightness) : worst};
        if (key > bestKey) {
            bestKey = key;
            best = choice.rgb;
        }
    }
    return best;
}

} // namespace

std::vector<std::string> elementRecords(std::string_view name, const theme::RgbTriple& rgb, int alpha)
{
    const std::string element(name);
    return {"<" + element + ">",
            "<R Value=\"" + std::to_string(rgb.R) + "\" />",
            "<G Value=\"" + std::to_string(rgb.G) + "\" />",
            "<B Value=\"" + std::to_string(rgb.B) + "\" />",
            "<Alpha Value=\"" + std::to_string(alpha) + "\" />",
            "</" + element + ">"};
}

std::string factorRecord(std::string_view name, std::string_view value)
{
    return "<" + std::string(name) + " Value=\"" + std::string(value) + "\" />";
}

const std::vector<LiveRecord>& live101Records()
{
    static const std::vector<LiveRecord> records = [] {
        std::vector<LiveRecord> order;
        for (const sketch::ElementInfo& info : sketch::elementTable()) {
            order.push_back({info.name, {}});
            for (const Factor& factor : kFactors) {
                if (factor.after == info.name) {
                    order.push_back({factor.name, factor.value});
                }
            }
        }
        return order;
    }();
    return records;
}

std::vector<std::string> live101Header(std::string_view creator)
{
    // Live 10.1 writes version 5, minor version 10.0_377 and one schema change.
    return {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
            "<Ableton MajorVersion=\"5\" MinorVersion=\"10.0_377\" SchemaChangeCount=\"1\" Creator=\""
                + std::string(creator) + "\" Revision=\"\">",
            "<SkinManager>"};
}

namespace {

// Clips and the text on them with their lightness turned over: dark clips
// under light text, for a theme whose own marks on clips leave no room for light ones.
std::vector<std::pair<std::string, theme::RgbTriple>>
clipsTurned(std::vector<std::pair<std::string, theme::RgbTriple>> colors)
{
    for (auto& [name, rgb] : colors) {
        if (sketch::roleOf(name) == sketch::RoleKind::Clips || name == "ClipText") {
            color::Oklch turned = color::toOklch(rgb);
            turned.L = 1 - turned.L;
            rgb = color::fromOklch(turned);
        }
    }
    return colors;
}

// Makes the elements a theme lacks, each fitted to every pair it makes with the colours there.
class Completer {
public:
    Completer(const sketch::ElementColors& present,
              const std::vector<std::pair<std::string, theme::RgbTriple>>& generatedColors)
        : m_present(present)
        , m_colors(present)
    {
        // Every pair the scenes draw, with both of its elements, and the pairs each element is in.
        sketch::ElementColors all;
        for (const auto& [name, rgb] : generatedColors) {
            all[name] = {rgb, 0};
            if (present.find(name) == present.end()) {
                m_missing.push_back({name, rgb, {}});
            }
        }
        m_pairs = sketch::contrastPairs(all);
        for (const sketch::ContrastPair& pair : m_pairs) {
            if (pair.foreground != pair.background) {
                m_pairsOf[pair.foreground].push_back(&pair);
                m_pairsOf[pair.background].push_back(&pair);
            }
        }
    }

    Completion complete()
    {
        makeGroundsFirst();
        // One fitted early did not see the made ones standing on it: while a pair
        // falls short, each is fitted again against all the others.
        constexpr int kRounds = 6;
        Completion completion;
        completion.shortfalls = shortfalls();
        for (int round = 0; round < kRounds && !completion.shortfalls.empty(); ++round) {
            for (Missing& element : m_missing) {
                fit(element);
            }
            completion.shortfalls = shortfalls();
        }
        for (const Missing& element : m_missing) {
            completion.made.push_back({element.name, m_colors.at(element.name).rgb});
        }
        std::vector<MovedPair> below;
        for (const MovedPair& pair : completion.shortfalls) {
            const bool foregroundMade = m_made.count(pair.foreground) != 0;
            const bool backgroundMade = m_made.count(pair.background) != 0;
            const bool theirs =
                foregroundMade != backgroundMade && noRoomFor(foregroundMade ? pair.foreground : pair.background);
            (theirs ? completion.noRoom : below).push_back(pair);
        }
        completion.shortfalls = std::move(below);
        return completion;
    }

private:
    struct Missing {
        std::string name;
        theme::RgbTriple wanted; // as its role gives it
        std::vector<Candidate> choices; // made once it has to move
    };

    // What a pair of `name` asks of it against the colours of `others`.
    std::vector<Against> againstOf(const std::string& name, const sketch::ElementColors& others)
    {
        std::vector<Against> against;
        for (const sketch::ContrastPair* pair : m_pairsOf[name]) {
            const auto other = others.find(pair->foreground == name ? pair->background : pair->foreground);
            if (other != others.end()) {
                against.push_back({color::relativeLuminance(other->second.rgb), pair->minimum, pair->text});
            }
        }
        return against;
    }

    // The element's colour fitted to every pair it makes with a colour there
    // now: its wanted colour where that meets every minimum, nothing being nearer.
    void fit(Missing& element)
    {
        const std::vector<Against> against = againstOf(element.name, m_colors);
        const Candidate own {element.wanted, color::toOklch(element.wanted).L,
                             color::relativeLuminance(element.wanted)};
        theme::RgbTriple rgb = element.wanted;
        if (!meets(own, against)) {
            if (element.choices.empty()) {
                element.choices = candidates(color::toOklch(element.wanted));
            }
            rgb = fitted(own.lightness, element.choices, against);
        }
        m_colors[element.name] = {rgb, 0};
    }

    // Grounds first: an element waits while a missing ground of its is not made
    // yet (but no longer than there are elements, should grounds form a ring).
    void makeGroundsFirst()
    {
        for (std::size_t round = 0; m_made.size() < m_missing.size(); ++round) {
            for (Missing& element : m_missing) {
                const std::vector<const sketch::ContrastPair*>& pairs = m_pairsOf[element.name];
                const bool waits = round < m_missing.size()
                    && std::any_of(pairs.begin(), pairs.end(), [&](const sketch::ContrastPair* pair) {
                                       return pair->foreground == element.name && m_present.count(pair->background) == 0
                                           && m_made.count(pair->background) == 0;
                                   });
                if (m_made.count(element.name) == 0 && !waits) {
                    fit(element);
                    m_made.insert(element.name);
                }
            }
        }
    }

    std::vector<MovedPair> shortfalls() const
    {
        std::vector<MovedPair> below;
        for (const sketch::ContrastPair& pair : sketch::contrastPairs(m_colors)) {
            if (!pair.passes && (m_made.count(pair.foreground) != 0 || m_made.count(pair.background) != 0)) {
                below.push_back({pair.foreground, pair.background, pair.ratio, pair.ratio, pair.minimum});
            }
        }
        return below;
    }

    // A pair of a made colour with one of the theme's own that no lightness of
    // the made colour meets, together with the rest of its pairs with the
    // theme's own colours, is the theme's own doing.
    bool noRoomFor(const std::string& name)
    {
        const auto element =
            std::find_if(m_missing.begin(), m_missing.end(), [&](const Missing& m) { return m.name == name; });
        const std::vector<Against> against = againstOf(name, m_present);
        const std::vector<Candidate> choices = candidates(color::toOklch(element->wanted));
        return std::none_of(choices.begin(), choices.end(), [&](const Candidate& c) { return meets(c, against); });
    }

    const sketch::ElementColors& m_present;
    sketch::ElementColors m_colors; // the theme's own and those made so far
    std::vector<sketch::ContrastPair> m_pairs;
    std::map<std::string, std::vector<const sketch::ContrastPair*>> m_pairsOf;
    std::vector<Missing> m_missing;
    std::set<std::string> m_made;
};

Completion completeFrom(const sketch::ElementColors& present,
                        const std::vector<std::pair<std::string, theme::RgbTriple>>& generatedColors)
{
    return Completer(present, generatedColors).complete();
}

} // namespace

BaseColors baseColorsOf(const sketch::ElementColors& present)
{
    const auto first = [&](std::initializer_list<const char*> names) -> std::optional<theme::RgbTriple> {
        for (const char* name : names) {
            if (const auto found = present.find(name); found != present.end()) {
                return found->second.rgb;
            }
        }
        return std::nullopt;
    };
    constexpr theme::RgbTriple kDark = kExampleBase.background;
    constexpr theme::RgbTriple kLight = kExampleBase.foreground;
    const auto against = [&](const theme::RgbTriple& other) {
        return color::contrastRatio(other, kDark) >= color::contrastRatio(other, kLight) ? kDark : kLight;
    };
    std::optional<theme::RgbTriple> background = first({"SurfaceBackground", "SurfaceArea", "Desktop"});
    std::optional<theme::RgbTriple> foreground = first({"ControlForeground"});
    if (!background) {
        background = foreground ? against(*foreground) : kDark;
    }
    if (!foreground) {
        foreground = against(*background);
    }
    return {*background, *foreground,
            first({"ChosenDefault", "AbletonColor", "Progress"}).value_or(kExampleBase.accent)};
}

namespace {

// Chroma from which a colour counts as one of the theme's own hues.
constexpr double kColourful = 0.05;
// Clip names are dark: a made clip is at least this light.
constexpr double kClipLeast = 0.7;

// The colours made for what a theme lacks, drawn from the theme's own palette:
// a made colour takes the hue and chroma of the theme's own colour nearest in
// hue; made clips keep the design's sixteen hues at the chroma the theme's own
// colours have, light enough for dark names.
std::vector<std::pair<std::string, theme::RgbTriple>>
fromOwnPalette(std::vector<std::pair<std::string, theme::RgbTriple>> made, const sketch::ElementColors& present)
{
    std::vector<color::Oklch> palette;
    for (const auto& [name, color] : present) {
        const color::Oklch own = color::toOklch(color.rgb);
        if (own.C >= kColourful) {
            palette.push_back(own);
        }
    }
    if (palette.empty()) {
        return made;
    }
    std::vector<double> chromas;
    for (const color::Oklch& own : palette) {
        chromas.push_back(own.C);
    }
    std::nth_element(chromas.begin(), chromas.begin() + static_cast<std::ptrdiff_t>(chromas.size() / 2), chromas.end());
    const double usualChroma = chromas[chromas.size() / 2];
    for (auto& [name, rgb] : made) {
        if (present.count(name) != 0) {
            continue;
        }
        color::Oklch wanted = color::toOklch(rgb);
        if (sketch::roleOf(name) == sketch::RoleKind::Clips) {
            wanted.C = wanted.C > 0 ? usualChroma : 0;
            wanted.L = std::max(wanted.L, kClipLeast);
        } else if (wanted.C >= kColourful) {
            const auto turn = [&](const color::Oklch& own) {
                return std::abs(std::fmod(own.h - wanted.h + 540.0, 360.0) - 180.0);
            };
            const auto nearest =
                std::min_element(palette.begin(), palette.end(),
                                 [&](const color::Oklch& a, const color::Oklch& b) { return turn(a) < turn(b); });
            wanted.h = nearest->h;
            wanted.C = nearest->C;
        } else {
            continue;
        }
        rgb = color::fromOklch(wanted);
    }
    return made;
}

} // namespace

Completion completeColors(const sketch::ElementColors& present)
{
    const GeneratedTheme generated = generateTheme(baseColorsOf(present));
    const std::vector<std::pair<std::string, theme::RgbTriple>> own = fromOwnPalette(generated.colors, present);
    Completion completion = completeFrom(present, own);
    if (!completion.shortfalls.empty() || !completion.noRoom.empty()) {
        Completion turned = completeFrom(present, clipsTurned(own));
        if (turned.shortfalls.size() + turned.noRoom.size() < completion.shortfalls.size() + completion.noRoom.size()) {
            completion = std::move(turned);
        }
    }
    return completion;
}

std::vector<std::string> completedRecords(std::vector<std::string> records, const Completion& completion)
{
    std::map<std::string_view, theme::RgbTriple> made;
    for (const MadeElement& element : completion.made) {
        made[element.name] = element.rgb;
    }
    const auto at = places(records);
    // Before the first record of Live's the theme has, or after <SkinManager>.
    std::size_t insertAt = at.count("SkinManager") != 0 ? at.at("SkinManager").first + 1 : 0;
    std::multimap<std::size_t, std::string> added; // by the line they go before
    for (const LiveRecord& live : live101Records()) {
        if (const auto place = at.find(live.name); place != at.end()) {
            insertAt = place->second.second + 1;
        } else if (!live.factor.empty()) {
            added.emplace(insertAt, factorRecord(live.name, live.factor));
        } else if (const auto rgb = made.find(live.name); rgb != made.end()) {
            for (std::string& record : elementRecords(live.name, rgb->second)) {
                added.emplace(insertAt, std::move(record));
            }
        }
    }
    std::vector<std::string> result;
    for (std::size_t i = 0; i <= records.size(); ++i) {
        const auto [first, last] = added.equal_range(i);
        for (auto record = first; record != last; ++record) {
            result.push_back(std::move(record->second));
        }
        if (i < records.size()) {
            result.push_back(std::move(records[i]));
        }
    }
    return result;
}

theme::ThemeContent asReadTheme(const std::vector<std::string>& records)
{
    std::string text;
    for (const std::string& record : records) {
        text += record + "\r\n";
    }
    std::optional<theme::ThemeContent> content = theme::readThemeText(text);
    if (!content) {
        throw theme::ThemeError(theme::ErrorNumber::TypeMismatch,
                                "the theme has no <ControlForeground> as its fourth line.");
    }
    return std::move(*content);
}

Lacking lacking(const std::vector<std::string>& records)
{
    const auto at = places(records);
    Lacking result;
    for (const LiveRecord& live : live101Records()) {
        if (at.count(live.name) == 0) {
            (live.factor.empty() ? result.elements : result.factors) += 1;
            if (live.factor.empty()) {
                result.elementNames.emplace_back(live.name);
            }
        }
    }
    return result;
}

} // namespace tintwright::make
