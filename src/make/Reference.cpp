#include "Reference.h"

#include "Complete.h"
#include "Transfer.h"
#include "color/Color.h"
#include "sketch/ElementTable.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace tintwright::make {

namespace {

using color::Oklch;

// How a design places an element.
enum class Kind {
    Neutral, // a grey of the ground's and the text's tint, at a share of the way from ground to text
    Accent, // the accent's hue turned a little, its chroma scaled, its lightness stepped
    Own, // a colour of its own: a signal, a clip, a device's colour
    Ink, // near-black text on lit colours, of the ground's tint
};

struct Relation {
    std::string_view element;
    Kind kind;
    double dark; // Neutral: share from ground (0) to text (1), below 0 beyond the ground; Accent: lightness step; Own,
                 // Ink: lightness
    double light; // the same in the light design
    double chroma = 0; // Accent: share of the accent's chroma; Own: chroma
    double hue = 0; // Accent: turn from the accent's hue; Own: hue
};

Relation neutral(std::string_view element, double dark, double light)
{
    return {element, Kind::Neutral, dark, light};
}
Relation accent(std::string_view element, double step, double chroma = 1, double turn = 0)
{
    return {element, Kind::Accent, step, step, chroma, turn};
}
Relation own(std::string_view element, double lightness, double chroma, double hue)
{
    return {element, Kind::Own, lightness, lightness, chroma, hue};
}
Relation ink(std::string_view element, double lightness)
{
    return {element, Kind::Ink, lightness, lightness};
}

// Hues a musician reads without a legend, as careful themes give them (OKLCH degrees).
constexpr double kRed = 27;
constexpr double kGreen = 148;
constexpr double kListenBlue = 253;
constexpr double kSoloBlue = 225;
constexpr double kMidiMapViolet = 275;
constexpr double kKeyMapOrange = 45;

// What the dark and light designs are made of. The figures are our own rounding
// of what careful published Live 10 themes share, measured in OKLCH as a share
// of the way from ground to text (three dark themes agree within 0.2 on most
// surfaces): panels a step or two above the ground, the arrangement's area and
// the gaps of the window below it, meters and device displays dark in light
// themes too, lit states bright (0.64 to 0.88) with near-black text on them,
// the device area quiet (chroma at most 0.08 but for operators and signals),
// the selection a pale tint of the accent and its standby state a darker one.
const std::vector<Relation>& relations()
{
    static const std::vector<Relation> all = {
        neutral("ControlForeground", 1, 1),
        neutral("TextDisabled", 0.5, 0.5),
        neutral("ControlDisabled", 0.42, 0.3),
        neutral("MeterBackground", -0.12, 0.92),
        neutral("SurfaceHighlight", 0.16, 0.12),
        neutral("SurfaceArea", -0.08, 0.07),
        neutral("Desktop", -0.14, 0.16),
        accent("ViewCheckControlEnabledOn", 0),
        neutral("ScrollbarInnerHandle", 0.3, 0.3),
        neutral("ScrollbarInnerTrack", -0.06, 0.06),
        neutral("ScrollbarOuterHandle", 0.35, 0.35),
        neutral("ScrollbarOuterTrack", 0.06, 0.08),
        neutral("ScrollbarLCDHandle", 0.5, 0.45),
        neutral("ScrollbarLCDTrack", 0.22, 0.2),
        neutral("DetailViewBackground", 0.17, 0.11),
        neutral("PreferencesTab", 0.12, 0.1),
        neutral("SelectionFrame", 0.85, 0.85),
        neutral("ControlBackground", 0.08, 0.1),
        neutral("ControlFillHandle", 0.32, 0.35),
        accent("ChosenDefault", 0),
        own("ChosenRecord", 0.64, 0.21, kRed),
        own("ChosenPreListen", 0.66, 0.15, kListenBlue),
        own("ImplicitArm", 0.66, 0.19, kRed + 2),
        accent("RangeDefault", 0.06, 0.6, -8),
        neutral("RangeDisabled", 0.45, 0.35),
        neutral("RangeDisabledOff", 0.05, 0.1),
        own("LearnMidi", 0.6, 0.19, kMidiMapViolet),
        own("LearnKey", 0.72, 0.18, kKeyMapOrange),
        own("LearnMacro", 0.8, 0.2, kGreen),
        accent("RangeEditField", -0.26, 0.3),
        own("RangeEditField2", 0.5, 0.09, 25),
        own("BipolReset", 0.83, 0.1, kSoloBlue),
        own("ChosenAlternative", 0.84, 0.1, kSoloBlue),
        own("ChosenAlert", 0.7, 0.19, 33),
        own("ChosenPlay", 0.89, 0.2, kGreen),
        // Clips: fourteen hues round the circle, light enough for dark names,
        // the lightness varied a little; a light and a middle grey to end.
        own("Clip1", 0.62, 0.1, 20),
        own("Clip2", 0.8, 0.12, 48),
        own("Clip3", 0.86, 0.12, 72),
        own("Clip4", 0.84, 0.13, 98),
        own("Clip5", 0.76, 0.14, 124),
        own("Clip6", 0.93, 0.1, 145),
        own("Clip7", 0.75, 0.11, 170),
        own("Clip8", 0.8, 0.09, 200),
        own("Clip9", 0.72, 0.11, 232),
        own("Clip10", 0.78, 0.09, 255),
        own("Clip11", 0.7, 0.12, 285),
        own("Clip12", 0.78, 0.11, 312),
        own("Clip13", 0.72, 0.14, 345),
        own("Clip14", 0.86, 0.08, 0),
        own("Clip15", 0.94, 0, 0),
        own("Clip16", 0.7, 0, 0),
        ink("ClipText", 0.12),
        neutral("ClipBorder", 1.1, 1.1),
        accent("SelectionBackground", 0.14, 0.3),
        accent("StandbySelectionBackground", -0.08, 0.25),
        ink("SelectionForeground", 0.18),
        ink("StandbySelectionForeground", 0.18),
        neutral("SurfaceBackground", 0, 0),
        own("AutomationColor", 0.66, 0.21, kRed),
        neutral("AutomationGrid", -0.25, 0.25),
        neutral("LoopColor", 0.7, 0.7),
        neutral("OffGridLoopColor", 0.75, 0.75),
        neutral("ArrangementRulerMarkings", 0.7, 0.75),
        neutral("DetailViewRulerMarkings", 0.9, 0.9),
        ink("ShadowDark", 0),
        neutral("ShadowLight", 0.25, -0.1),
        neutral("DisplayBackground", -0.06, 0.9),
        accent("AbletonColor", 0),
        ink("WaveformColor", 0.12),
        own("VelocityColor", 0.68, 0.2, 28),
        own("Alert", 0.68, 0.21, 32),
        ink("ControlOnForeground", 0.18),
        neutral("ControlOffForeground", 0.95, 0.95),
        ink("ControlOnDisabledForeground", 0.38),
        neutral("ControlOffDisabledForeground", 0.45, 0.45),
        ink("ControlOnAlternativeForeground", 0.18),
        neutral("ControlTextBack", -0.04, 0.05),
        neutral("ControlContrastFrame", -0.08, 0.2),
        neutral("ControlSelectionFrame", -0.08, 0.25),
        neutral("ControlContrastTransport", 0.02, 0.08),
        accent("Progress", 0),
        neutral("ProgressText", 0.35, 0.35),
        accent("TransportProgress", -0.08, 0.8),
        neutral("ClipSlotButton", 0.04, 0.08),
        neutral("BrowserBar", 0.08, 0.06),
        neutral("BrowserBarOverlayHintTextColor", 0.55, 0.55),
        neutral("BrowserDisabledItem", 0.5, 0.5),
        neutral("BrowserSampleWaveform", 0.55, 0.55),
        neutral("AutomationDisabled", 0.7, 0.5),
        own("AutomationMouseOver", 0.74, 0.12, 235),
        own("MidiNoteMaxVelocity", 0.68, 0.2, 28),
        neutral("RetroDisplayBackground", -0.12, 0.95),
        neutral("RetroDisplayBackgroundLine", 0.12, 0.8),
        accent("RetroDisplayForeground", 0),
        own("RetroDisplayForeground2", 0.82, 0.08, kSoloBlue),
        neutral("RetroDisplayForegroundDisabled", 0.5, 0.55),
        own("RetroDisplayGreen", 0.76, 0.16, kGreen + 4),
        own("RetroDisplayRed", 0.8, 0.1, kSoloBlue),
        accent("RetroDisplayHandle1", 0),
        own("RetroDisplayHandle2", 0.79, 0.09, 25),
        neutral("RetroDisplayScaleText", 0.85, 0.3),
        own("ThresholdLineColor", 0.82, 0.08, kSoloBlue),
        own("GainReductionLineColor", 0.8, 0.08, 80),
        neutral("InputCurveColor", 1.1, -0.1),
        neutral("InputCurveOutlineColor", -0.3, 0.3),
        neutral("OutputCurveColor", 0.95, 0.9),
        neutral("OutputCurveOutlineColor", 1, 1),
        neutral("SpectrumDefaultColor", 0.3, 0.35),
        own("SpectrumAlternativeColor", 0.62, 0.08, kListenBlue),
        neutral("SpectrumGridLines", 0.35, 0.3),
        own("Operator1", 0.72, 0.15, 30),
        own("Operator2", 0.78, 0.17, 141),
        own("Operator3", 0.8, 0.12, 200),
        own("Operator4", 0.76, 0.15, 65),
        neutral("DrumRackScroller1", 0.15, 0.15),
        neutral("DrumRackScroller2", 0.05, 0.06),
        neutral("FilledDrumRackPad", 0.45, 0.35),
        neutral("SurfaceAreaFocus", -0.12, 0.1),
        own("FreezeColor", 0.62, 0.12, 250),
        ink("GridLabel", 0.12),
        neutral("ArrangerGridTiles", 0.03, 0.03),
        neutral("DetailGridTiles", 0.02, 0.02),
        neutral("GridGuideline", 0.8, 0.8),
        neutral("OffGridGuideline", 1.1, 1.1),
        neutral("TreeColumnHeadBackground", 0.15, 0.1),
        neutral("TreeColumnHeadForeground", 1, 1),
        neutral("TreeColumnHeadSelected", 0.22, 0.18),
        neutral("TreeColumnHeadFocus", 0.18, 0.14),
        neutral("TreeColumnHeadControl", 0.02, 0.05),
        neutral("TreeRowCategoryForeground", 0.72, 0.72),
        neutral("TreeRowCategoryBackground", -0.05, 0.04),
        accent("SearchIndication", 0.08, 0.7),
        accent("SearchIndicationStandby", -0.06, 0.45),
        own("KeyZoneBackground", 0.84, 0.05, 121),
        own("KeyZoneCrossfadeRamp", 0.68, 0.08, 125),
        own("VelocityZoneBackground", 0.8, 0.04, 18),
        own("VelocityZoneCrossfadeRamp", 0.62, 0.08, 24),
        own("SelectorZoneBackground", 0.83, 0.03, 233),
        own("SelectorZoneCrossfadeRamp", 0.58, 0.08, 265),
        neutral("ViewCheckControlEnabledOff", 0.9, 0.9),
        neutral("ViewCheckControlDisabledOn", 0.85, 0.85),
        neutral("ViewCheckControlDisabledOff", 0.85, 0.85),
        neutral("BackgroundClip", 0.35, 0.3),
        neutral("BackgroundClipFrame", -0.02, 0.2),
        neutral("WarperTimeBarRulerBackground", 0.12, 0.1),
        neutral("WarperTimeBarMarkerBackground", 0.07, 0.15),
        neutral("BipolarPotiTriangle", -0.05, 0.6),
        neutral("Poti", -0.05, 0.55),
        neutral("DeactivatedPoti", 0.1, 0.25),
        neutral("PotiNeedle", 0.9, -0.05),
        neutral("DeactivatedPotiNeedle", 0.3, 0.1),
        neutral("TransportOffBackground", 0.02, 0.05),
        neutral("TransportOffDisabledForeground", 0.4, 0.4),
        neutral("TransportSelectionBackground", 0.12, 0.12),
        own("Modulation", 0.8, 0.08, kSoloBlue),
        neutral("ModulationDisabled", 0.7, 0.5),
        own("ModulationMouseOver", 0.66, 0.1, 220),
        neutral("AutomationTransformToolFrame", 0.45, 0.45),
        neutral("AutomationTransformToolFrameActive", 0.75, 0.75),
        neutral("AutomationTransformToolHandle", 0.45, 0.45),
        neutral("AutomationTransformToolHandleActive", 0.75, 0.75),
        neutral("GridLineBase", -0.25, 0.25),
    };
    return all;
}

// Live paints these over what lies beneath; careful themes give them these alphas.
struct Alpha {
    std::string_view element;
    int alpha;
};
constexpr Alpha kAlphas[] = {
    {"ShadowDark", 150},
    {"ShadowLight", 180},
    {"WaveformColor", 220},
    {"InputCurveColor", 38},
    {"OutputCurveColor", 38},
    {"OffGridGuideline", 110},
    {"OffGridLoopColor", 100},
    {"ViewCheckControlEnabledOff", 127},
    {"ViewCheckControlDisabledOff", 64},
};

struct DesignFrame {
    Oklch ground;
    Oklch text;
    Oklch accent;
};

// Our own base colours for each design: a cool near-neutral ground, its text
// and a yellow accent, apart from every signal so that each can make way for a new one.
DesignFrame frameOf(Design design)
{
    if (design == Design::Dark) {
        return {{0.27, 0.008, 265}, {0.93, 0.006, 265}, {0.82, 0.15, 95}};
    }
    return {{0.9, 0.006, 90}, {0.22, 0.012, 265}, {0.82, 0.15, 95}};
}

Oklch placed(const Relation& relation, Design design, const DesignFrame& frame)
{
    const double value = design == Design::Dark ? relation.dark : relation.light;
    const auto tint = [&](double share) {
        const double t = std::clamp(share, 0.0, 1.0);
        const color::Oklab ground = color::oklabOf({0, frame.ground.C, frame.ground.h});
        const color::Oklab text = color::oklabOf({0, frame.text.C, frame.text.h});
        return color::oklchOf(color::Oklab {0, (1 - t) * ground.a + t * text.a, (1 - t) * ground.b + t * text.b});
    };
    switch (relation.kind) {
    case Kind::Neutral: {
        Oklch c = tint(value);
        c.L = std::clamp(frame.ground.L + value * (frame.text.L - frame.ground.L), 0.0, 1.0);
        return c;
    }
    case Kind::Accent:
        return {std::clamp(frame.accent.L + value, 0.0, 1.0), frame.accent.C * relation.chroma,
                std::fmod(frame.accent.h + relation.hue + 360, 360)};
    case Kind::Own:
        return {value, relation.chroma, relation.hue};
    case Kind::Ink:
        break;
    }
    Oklch c = tint(0);
    c.L = value;
    return c;
}

} // namespace

const sketch::ElementColors& designColors(Design design)
{
    static const auto build = [](Design which) {
        const DesignFrame frame = frameOf(which);
        std::map<std::string_view, theme::RgbTriple> made;
        for (const Relation& relation : relations()) {
            made[relation.element] = color::fromOklch(placed(relation, which, frame));
        }
        std::vector<std::pair<std::string, theme::RgbTriple>> entries;
        for (const sketch::ElementInfo& info : sketch::elementTable()) {
            entries.emplace_back(std::string(info.name), made.at(info.name));
        }
        // Every pair the scenes draw at least at its minimum on the design's own base.
        const sketch::ElementColors raw = sketch::elementColors(entries);
        const GeneratedTheme met = transferTheme(raw, baseColorsOf(raw), true);
        return sketch::elementColors({met.colors.begin(), met.colors.end()});
    };
    // Each design is made the first time it is asked for, and only then.
    if (design == Design::Dark) {
        static const sketch::ElementColors dark = build(Design::Dark);
        return dark;
    }
    static const sketch::ElementColors light = build(Design::Light);
    return light;
}

BaseColors designBase(Design design)
{
    return baseColorsOf(designColors(design));
}

int designAlpha(std::string_view element)
{
    for (const Alpha& alpha : kAlphas) {
        if (alpha.element == element) {
            return alpha.alpha;
        }
    }
    return 255;
}

Design nearestDesign(const BaseColors& base)
{
    return color::toOklch(base.foreground).L >= color::toOklch(base.background).L ? Design::Dark : Design::Light;
}

std::vector<std::string> themeRecords(const std::vector<std::pair<std::string, theme::RgbTriple>>& colors,
                                      std::string_view creator)
{
    std::map<std::string_view, theme::RgbTriple> byName;
    for (const auto& [name, rgb] : colors) {
        byName.emplace(name, rgb);
    }
    std::vector<std::string> records = live101Header(creator);
    for (const LiveRecord& record : live101Records()) {
        if (!record.factor.empty()) {
            records.push_back(factorRecord(record.name, record.factor));
            continue;
        }
        const auto found = byName.find(record.name);
        if (found == byName.end()) {
            continue;
        }
        const std::vector<std::string> block = elementRecords(record.name, found->second, designAlpha(record.name));
        records.insert(records.end(), block.begin(), block.end());
    }
    records.insert(records.end(), {"</SkinManager>", "</Ableton>"});
    return records;
}

} // namespace tintwright::make
