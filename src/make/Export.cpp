#include "Export.h"

#include "Complete.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"
#include "theme/LaterThemeWriter.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

namespace tintwright::make {

namespace {

// The records of Live 11's themes as Live 11.0 saves them (MinorVersion
// 11.0_432, a theme saved by Live 11.0.1).
// clang-format off
const std::vector<std::string_view> kLive11 = {
    "ControlForeground", "TextDisabled", "ControlDisabled", "MeterBackground", "SurfaceHighlight", "SurfaceArea",
    "SurfaceAreaForeground", "Desktop", "ViewCheckControlEnabledOn", "ScrollbarInnerHandle", "ScrollbarInnerTrack",
    "ScrollbarOuterHandle", "ScrollbarOuterTrack", "ScrollbarLCDHandle", "ScrollbarLCDTrack", "DetailViewBackground",
    "PreferencesTab", "SelectionFrame", "ControlBackground", "ControlFillHandle", "ChosenDefault", "ChosenRecord",
    "ChosenPreListen", "ImplicitArm", "RangeDefault", "RangeDisabled", "RangeDisabledOff", "LearnMidi", "LearnKey",
    "LearnMacro", "RangeEditField", "RangeEditField2", "BipolReset", "ChosenAlternative", "ChosenAlert", "ChosenPlay",
    "Clip1", "Clip2", "Clip3", "Clip4", "Clip5", "Clip6", "Clip7", "Clip8", "Clip9", "Clip10", "Clip11", "Clip12",
    "Clip13", "Clip14", "Clip15", "Clip16", "ClipText", "ClipBorder", "SceneContrast", "SelectionBackground",
    "StandbySelectionBackground", "SelectionForeground", "StandbySelectionForeground", "SelectionBackgroundContrast",
    "SurfaceBackground", "TakeLaneTrackHighlighted", "TakeLaneTrackNotHighlighted", "AutomationColor",
    "AutomationGrid", "LoopColor", "OffGridLoopColor", "ArrangementRulerMarkings", "DetailViewRulerMarkings",
    "ShadowDark", "ShadowLight", "DisplayBackground", "AbletonColor", "WaveformColor", "DimmedWaveformColor",
    "VelocityColor", "VelocitySelectedOrHovered", "NoteProbability", "Alert", "ControlOnForeground",
    "ControlOffForeground", "ControlOnDisabledForeground", "ControlOffDisabledForeground",
    "ControlOnAlternativeForeground", "ControlTextBack", "ControlContrastFrame", "ControlSelectionFrame",
    "ControlContrastTransport", "Progress", "ProgressText", "TransportProgress", "ClipSlotButton", "BrowserBar",
    "BrowserBarOverlayHintTextColor", "BrowserDisabledItem", "BrowserSampleWaveform", "AutomationDisabled",
    "AutomationMouseOver", "MidiNoteMaxVelocity", "RetroDisplayBackground", "RetroDisplayBackgroundLine",
    "RetroDisplayForeground", "RetroDisplayForeground2", "RetroDisplayForegroundDisabled", "RetroDisplayGreen",
    "RetroDisplayRed", "RetroDisplayHandle1", "RetroDisplayHandle2", "RetroDisplayScaleText", "ThresholdLineColor",
    "GainReductionLineColor", "InputCurveColor", "InputCurveOutlineColor", "OutputCurveColor",
    "OutputCurveOutlineColor", "SpectrumDefaultColor", "SpectrumAlternativeColor", "SpectrumGridLines", "Operator1",
    "Operator2", "Operator3", "Operator4", "DrumRackScroller1", "DrumRackScroller2", "FilledDrumRackPad",
    "SurfaceAreaFocus", "FreezeColor", "GridLabel", "GridLineBase", "ArrangerGridTiles", "DetailGridTiles",
    "GridGuideline", "OffGridGuideline", "TreeColumnHeadBackground", "TreeColumnHeadForeground",
    "TreeColumnHeadSelected", "TreeColumnHeadFocus", "TreeColumnHeadControl", "TreeRowCategoryForeground",
    "TreeRowCategoryBackground", "SearchIndication", "SearchIndicationStandby", "KeyZoneBackground",
    "KeyZoneCrossfadeRamp", "VelocityZoneBackground", "VelocityZoneCrossfadeRamp", "SelectorZoneBackground",
    "SelectorZoneCrossfadeRamp", "ViewCheckControlEnabledOff", "ViewCheckControlDisabledOn",
    "ViewCheckControlDisabledOff", "DefaultBlendFactor", "IconBlendFactor", "ClipBlendFactor",
    "NoteBorderStandbyBlendFactor", "RetroDisplayBlendFactor", "CheckControlNotCheckedBlendFactor",
    "MixSurfaceAreaBlendFactor", "TextFrameSegmentBlendFactor", "NoteDisabledSelectedBlendFactor", "BackgroundClip",
    "BackgroundClipFrame", "WarperTimeBarRulerBackground", "WarperTimeBarMarkerBackground",
    "MinVelocityNoteBlendFactor", "StripedBackgroundShadeFactor", "NonEditableAutomationAlpha",
    "DisabledContextMenuIconAlpha", "ClipBorderAlpha", "ScrollBarAlpha", "ScrollBarOnHoverAlpha",
    "ScrollBarBackgroundAlpha", "InaudibleTakeLightness", "InaudibleTakeSaturation", "InaudibleTakeNameLightness",
    "InaudibleTakeNameSaturation", "AutomationLaneClipBodyLightness", "AutomationLaneClipBodySaturation",
    "AutomationLaneHeaderLightness", "AutomationLaneHeaderSaturation", "TakeLaneHeaderLightness",
    "TakeLaneHeaderSaturation", "TakeLaneHeaderNameLightness", "TakeLaneHeaderNameSaturation",
    "AutomationLaneHeaderNameLightness", "AutomationLaneHeaderNameSaturation", "ClipContrastColorAdjustment",
    "BipolarPotiTriangle", "Poti", "DeactivatedPoti", "PotiNeedle", "DeactivatedPotiNeedle", "TransportOffBackground",
    "TransportOffDisabledForeground", "TransportSelectionBackground", "Modulation", "ModulationDisabled",
    "ModulationMouseOver", "AutomationTransformToolFrame", "AutomationTransformToolFrameActive",
    "AutomationTransformToolHandle", "AutomationTransformToolHandleActive", "MutedAuditionClip", "LinkedTrackHover",
    "ExpressionLaneHeaderHighlight", "ZoomPanHandle", "StandardVuMeter", "OverloadVuMeter", "DisabledVuMeter",
    "HeadphonesVuMeter", "SendsOnlyVuMeter", "BipolarGainReductionVuMeter", "OrangeVuMeter"
};
// clang-format on

// The records of Live 12's themes as Live 12 saves them: the same in a theme
// saved by Live 12.1 (12.0_12120) and in one of MinorVersion 12.0_12049.
// clang-format off
const std::vector<std::string_view> kLive12 = {
    "ControlForeground", "TextDisabled", "ControlDisabled", "MeterBackground", "SurfaceHighlight", "SurfaceArea",
    "Desktop", "ViewCheckControlEnabledOn", "ScrollbarInnerHandle", "ScrollbarInnerTrack", "ScrollbarLCDHandle",
    "ScrollbarLCDTrack", "ScrollbarMixerShowOnScrollHandle", "DetailViewBackground", "PreferencesTab",
    "SelectionFrame", "ControlBackground", "ControlFillHandle", "ChosenDefault", "ChosenRecord", "ChosenPreListen",
    "ImplicitArm", "RangeDefault", "RangeDisabled", "RangeDisabledOff", "LearnMidi", "LearnKey", "LearnMacro",
    "RangeEditField", "RangeEditField2", "BipolReset", "ChosenAlternative", "ChosenAlert", "ChosenPlay", "Clip1",
    "Clip2", "Clip3", "Clip4", "Clip5", "Clip6", "Clip7", "Clip8", "Clip9", "Clip10", "Clip11", "Clip12", "Clip13",
    "Clip14", "Clip15", "Clip16", "ClipText", "ClipBorder", "SceneContrast", "SelectionBackground",
    "StandbySelectionBackground", "SelectionForeground", "StandbySelectionForeground", "SelectionBackgroundContrast",
    "SurfaceBackground", "TakeLaneTrackHighlighted", "TakeLaneTrackNotHighlighted", "AutomationColor",
    "AutomationGrid", "LoopColor", "OffGridLoopColor", "ArrangementRulerMarkings", "DetailViewRulerMarkings",
    "ShadowDark", "ShadowLight", "DisplayBackground", "AbletonColor", "WaveformColor", "DimmedWaveformColor",
    "VelocityColor", "VelocitySelectedOrHovered", "NoteProbability", "Alert", "ControlOnForeground",
    "ControlOffForeground", "ControlOnDisabledForeground", "ControlOffDisabledForeground",
    "ControlOnAlternativeForeground", "ControlTextBack", "ControlContrastFrame", "ControlSelectionFrame",
    "ControlContrastTransport", "ViewControlOn", "ViewControlOff", "Progress", "ProgressText", "TransportProgress",
    "ClipSlotButton", "BrowserBar", "BrowserBarOverlayHintTextColor", "BrowserDisabledItem", "BrowserSampleWaveform",
    "AutomationDisabled", "AutomationMouseOver", "MidiNoteMaxVelocity", "RetroDisplayBackground",
    "RetroDisplayBackgroundLine", "RetroDisplayForeground", "RetroDisplayForeground2",
    "RetroDisplayForegroundDisabled", "RetroDisplayGreen", "RetroDisplayRed", "RetroDisplayHandle1",
    "RetroDisplayHandle2", "RetroDisplayScaleText", "RetroDisplayTitle", "ThresholdLineColor",
    "GainReductionLineColor", "InputCurveColor", "InputCurveOutlineColor", "OutputCurveColor",
    "OutputCurveOutlineColor", "SpectrumDefaultColor", "SpectrumAlternativeColor", "SpectrumGridLines", "Operator1",
    "Operator2", "Operator3", "Operator4", "DrumRackScroller1", "DrumRackScroller2", "FilledDrumRackPad",
    "SurfaceAreaFocus", "FreezeColor", "GridLabel", "GridLineBase", "ArrangerGridTiles", "DetailGridTiles",
    "GridGuideline", "OffGridGuideline", "TreeColumnHeadBackground", "TreeColumnHeadForeground",
    "TreeColumnHeadSelected", "TreeColumnHeadFocus", "TreeColumnHeadControl", "TreeRowCategoryForeground",
    "TreeRowCategoryBackground", "BrowserTagBackground", "SearchIndication", "SearchIndicationStandby",
    "KeyZoneBackground", "KeyZoneCrossfadeRamp", "VelocityZoneBackground", "VelocityZoneCrossfadeRamp",
    "SelectorZoneBackground", "SelectorZoneCrossfadeRamp", "ViewCheckControlEnabledOff", "ViewCheckControlDisabledOn",
    "ViewCheckControlDisabledOff", "DefaultBlendFactor", "IconBlendFactor", "ClipBlendFactor",
    "NoteBorderStandbyBlendFactor", "RetroDisplayBlendFactor", "CheckControlNotCheckedBlendFactor",
    "MixSurfaceAreaBlendFactor", "TextFrameSegmentBlendFactor", "NoteDisabledSelectedBlendFactor", "BackgroundClip",
    "BackgroundClipFrame", "WarperTimeBarRulerBackground", "WarperTimeBarMarkerBackground",
    "MinVelocityNoteBlendFactor", "StripedBackgroundShadeFactor", "NonEditableAutomationAlpha",
    "DisabledContextMenuIconAlpha", "ClipBorderAlpha", "ScrollBarAlpha", "ScrollBarOnHoverAlpha",
    "ScrollBarBackgroundAlpha", "InaudibleTakeLightness", "InaudibleTakeSaturation", "InaudibleTakeNameLightness",
    "InaudibleTakeNameSaturation", "AutomationLaneClipBodyLightness", "AutomationLaneClipBodySaturation",
    "AutomationLaneHeaderLightness", "AutomationLaneHeaderSaturation", "TakeLaneHeaderLightness",
    "TakeLaneHeaderSaturation", "TakeLaneHeaderNameLightness", "TakeLaneHeaderNameSaturation",
    "AutomationLaneHeaderNameLightness", "AutomationLaneHeaderNameSaturation", "ClipContrastColorAdjustment",
    "SessionSlotOklabLCompensationFactor", "BipolarPotiTriangle", "Poti", "DeactivatedPoti", "PotiNeedle",
    "DeactivatedPotiNeedle", "PianoBlackKey", "PianoWhiteKey", "PianoKeySeparator", "TransportOffBackground",
    "TransportOffDisabledForeground", "TransportOffForeground", "TransportSelectionBackground", "Modulation",
    "ModulationDisabled", "ModulationMouseOver", "AutomationTransformToolFrame", "AutomationTransformToolFrameActive",
    "AutomationTransformToolHandle", "AutomationTransformToolHandleActive", "MutedAuditionClip", "LinkedTrackHover",
    "ExpressionLaneHeaderHighlight", "DeactivatedClipHeader", "DeactivatedClipHeaderForeground", "ScaleAwareness",
    "StandardVuMeter", "OverloadVuMeter", "DisabledVuMeter", "HeadphonesVuMeter", "SendsOnlyVuMeter",
    "BipolarGainReductionVuMeter", "OrangeVuMeter", "MainViewFocusIndicator", "MidiEditorBlackKeyBackground",
    "MidiEditorBackgroundWhiteKeySeparator", "RangeEditField3", "ScrollbarInnerHandleHover",
    "ScrollbarInnerTrackHover", "ScrollbarLCDHandleHover", "ScrollbarLCDTrackHover",
    "ScrollbarMixerShowOnScrollHandleHover", "RetroDisplayControlSelectionFrame", "ThresholdLineColorHover",
    "SecondarySelectionForeground"
};
// clang-format on

// The elements Live 11 and 12 added and the element of Live 10 whose part each
// plays, inferred from their names and from where Live 10's elements are drawn:
// a hover takes the colour of what it hovers over, the piano keys those of the
// note ruler's keys, a new control state that of the control Live 10 had.
const std::map<std::string_view, std::string_view> kStandIns = {
    {"SurfaceAreaForeground", "ControlForeground"},
    {"ScrollbarMixerShowOnScrollHandle", "ScrollbarInnerHandle"},
    {"ScrollbarMixerShowOnScrollHandleHover", "ScrollbarInnerHandle"},
    {"ScrollbarInnerHandleHover", "ScrollbarInnerHandle"},
    {"ScrollbarInnerTrackHover", "ScrollbarInnerTrack"},
    {"ScrollbarLCDHandleHover", "ScrollbarLCDHandle"},
    {"ScrollbarLCDTrackHover", "ScrollbarLCDTrack"},
    {"ZoomPanHandle", "ScrollbarInnerHandle"},
    {"SceneContrast", "SurfaceBackground"},
    {"SelectionBackgroundContrast", "StandbySelectionBackground"},
    {"SecondarySelectionForeground", "StandbySelectionForeground"},
    {"TakeLaneTrackHighlighted", "SurfaceHighlight"},
    {"TakeLaneTrackNotHighlighted", "SurfaceBackground"},
    {"ExpressionLaneHeaderHighlight", "SurfaceHighlight"},
    {"DimmedWaveformColor", "WaveformColor"},
    {"VelocitySelectedOrHovered", "AutomationMouseOver"},
    {"ThresholdLineColorHover", "AutomationMouseOver"},
    {"NoteProbability", "VelocityColor"},
    {"ViewControlOn", "ViewCheckControlEnabledOn"},
    {"ViewControlOff", "ViewCheckControlEnabledOff"},
    {"RetroDisplayTitle", "RetroDisplayScaleText"},
    {"RetroDisplayControlSelectionFrame", "ControlSelectionFrame"},
    {"BrowserTagBackground", "BrowserBar"},
    {"PianoBlackKey", "MeterBackground"},
    {"PianoWhiteKey", "SurfaceHighlight"},
    {"PianoKeySeparator", "SurfaceBackground"},
    {"MidiEditorBlackKeyBackground", "ShadowDark"},
    {"MidiEditorBackgroundWhiteKeySeparator", "GridLineBase"},
    {"TransportOffForeground", "ControlOffForeground"},
    {"MutedAuditionClip", "BackgroundClip"},
    {"LinkedTrackHover", "SelectionBackground"},
    {"DeactivatedClipHeader", "BackgroundClip"},
    {"DeactivatedClipHeaderForeground", "ClipText"},
    {"ScaleAwareness", "ChosenDefault"},
    {"MainViewFocusIndicator", "SelectionFrame"},
    {"RangeEditField3", "RangeEditField2"},
};

// What the later Lives have that no value of a Live 10 theme can stand for:
// settings of lightness, saturation and alpha, and the level meters' colours,
// which every published theme measured leaves at Live's own.
const std::set<std::string_view> kLeftToLive = {
    "ClipBorderAlpha",
    "ScrollBarAlpha",
    "ScrollBarOnHoverAlpha",
    "ScrollBarBackgroundAlpha",
    "InaudibleTakeLightness",
    "InaudibleTakeSaturation",
    "InaudibleTakeNameLightness",
    "InaudibleTakeNameSaturation",
    "AutomationLaneClipBodyLightness",
    "AutomationLaneClipBodySaturation",
    "AutomationLaneHeaderLightness",
    "AutomationLaneHeaderSaturation",
    "TakeLaneHeaderLightness",
    "TakeLaneHeaderSaturation",
    "TakeLaneHeaderNameLightness",
    "TakeLaneHeaderNameSaturation",
    "AutomationLaneHeaderNameLightness",
    "AutomationLaneHeaderNameSaturation",
    "ClipContrastColorAdjustment",
    "SessionSlotOklabLCompensationFactor",
    "StandardVuMeter",
    "OverloadVuMeter",
    "DisabledVuMeter",
    "HeadphonesVuMeter",
    "SendsOnlyVuMeter",
    "BipolarGainReductionVuMeter",
    "OrangeVuMeter",
};

std::string_view trimmed(std::string_view record)
{
    while (!record.empty() && (record.back() == ' ' || record.back() == '\t')) {
        record.remove_suffix(1);
    }
    return record;
}

// The value text of a one-line record <Name Value="..." />, or nothing.
std::optional<std::string> valueOf(std::string_view record, std::string_view name)
{
    const std::string start = "<" + std::string(name) + " Value=\"";
    if (record.substr(0, start.size()) != start) {
        return std::nullopt;
    }
    const std::size_t end = record.find('"', start.size());
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(record.substr(start.size(), end - start.size()));
}

// The Creator of a theme's <Ableton> line, or empty.
std::string creatorOf(const std::vector<std::string>& records)
{
    constexpr std::string_view kCreator = " Creator=\"";
    for (std::size_t i = 0; i < std::min<std::size_t>(records.size(), 3); ++i) {
        const std::string& record = records[i];
        const std::size_t at = record.find(kCreator);
        if (record.rfind("<Ableton", 0) == 0 && at != std::string::npos) {
            const std::size_t start = at + kCreator.size();
            const std::size_t end = record.find('"', start);
            return record.substr(start, end == std::string::npos ? std::string::npos : end - start);
        }
    }
    return {};
}

struct Painted {
    theme::RgbTriple rgb;
    int alpha = 255;
};

// Each element's colour as the reader reads it, and the alpha on the line
// after its B line (255 where that is no alpha of 0 to 255); the first of a name.
std::map<std::string, Painted, std::less<>> paintedElements(const theme::ThemeContent& theme)
{
    std::map<std::string, Painted, std::less<>> painted;
    for (const theme::ColorEntry& entry : theme.entries) {
        const std::string name(sketch::elementName(trimmed(entry.item)));
        if (painted.count(name) != 0) {
            continue;
        }
        Painted element {theme::SplitColor(entry.oldColor), 255};
        const auto alphaAt = static_cast<std::size_t>(entry.redSlot) + 2;
        if (alphaAt < theme.records.size()) {
            const std::optional<std::string> alpha = valueOf(trimmed(theme.records[alphaAt]), "Alpha");
            if (alpha && !alpha->empty() && alpha->size() <= 3
                && std::all_of(alpha->begin(), alpha->end(), [](char c) { return c >= '0' && c <= '9'; })
                && std::stoi(*alpha) <= 255) {
                element.alpha = std::stoi(*alpha);
            }
        }
        painted.emplace(name, element);
    }
    return painted;
}

// The blend factors and alphas of Live 10.1 among the records, by name; the first of a name.
std::map<std::string, std::string, std::less<>> factorValues(const std::vector<std::string>& records)
{
    std::map<std::string, std::string, std::less<>> values;
    for (const LiveRecord& live : live101Records()) {
        if (live.factor.empty()) {
            continue;
        }
        for (const std::string& record : records) {
            if (const std::optional<std::string> value = valueOf(trimmed(record), live.name)) {
                values.emplace(std::string(live.name), *value);
                break;
            }
        }
    }
    return values;
}

} // namespace

LaterHeader laterHeader(LaterLive live)
{
    // What those Lives write: Live 12 reads 12.0's schema in every later version.
    return live == LaterLive::Live11 ? LaterHeader {"5", "11.0_432", "3"} : LaterHeader {"5", "12.0_12049", "3"};
}

const std::vector<std::string_view>& laterRecordNames(LaterLive live)
{
    return live == LaterLive::Live11 ? kLive11 : kLive12;
}

std::string_view standInOf(std::string_view laterElement)
{
    const auto found = kStandIns.find(laterElement);
    return found == kStandIns.end() ? std::string_view() : found->second;
}

bool leftToLive(std::string_view name)
{
    return kLeftToLive.count(name) != 0;
}

Exported exportTheme(const theme::ThemeContent& theme, LaterLive live)
{
    Exported result;
    const sketch::ElementColors own = sketch::elementColors(theme);
    const std::map<std::string, std::string, std::less<>> ownFactors = factorValues(theme.records);
    const Completion completion = completeColors(own);
    result.shortfalls = completion.shortfalls;
    const theme::ThemeContent whole = asReadTheme(completedRecords(theme.records, completion));
    const auto painted = paintedElements(whole);
    const auto factors = factorValues(whole.records);

    const LaterHeader header = laterHeader(live);
    result.theme.majorVersion = header.majorVersion;
    result.theme.minorVersion = header.minorVersion;
    result.theme.creator = creatorOf(theme.records);
    const std::vector<std::string_view>& names = laterRecordNames(live);
    const auto write = [&](std::string_view name, const Painted& color) {
        result.theme.records.push_back(
            {std::string(name),
             theme::laterColorText({color.rgb.R, color.rgb.G, color.rgb.B, static_cast<std::uint8_t>(color.alpha)}),
             false});
    };
    for (const std::string_view name : names) {
        if (const auto factor = factors.find(name); factor != factors.end()) {
            result.theme.records.push_back({std::string(name), factor->second, false});
            ++result.factors;
        } else if (const auto color = painted.find(name); color != painted.end()) {
            write(name, color->second);
            (own.count(name) != 0 ? result.kept : result.completed).emplace_back(name);
        } else if (const auto standIn = painted.find(standInOf(name)); standIn != painted.end()) {
            write(name, standIn->second);
            result.made.emplace_back(name);
        } else {
            ++result.leftToLive;
        }
    }
    const auto known = [&](std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    for (const auto& [name, color] : own) {
        if (!known(name)) {
            result.leftOut.push_back(name);
        }
    }
    for (const auto& [name, value] : ownFactors) {
        if (!known(name)) {
            result.leftOut.push_back(name);
        }
    }
    return result;
}

} // namespace tintwright::make
