#include "ElementTable.h"

#include <algorithm>

namespace tintwright::sketch {

namespace {

// An element is known where a public text ties its colour to a place in
// Live's window. Elsewhere its place is inferred from its name, from where
// Live's manual puts that part of the window (which does not say which colour
// paints it), and from how Live's own themes look.
constexpr std::string_view kInferred;
// The source names the colour and the place, not the element: that LearnMidi
// is what paints it is inferred from its name.
constexpr std::string_view kMidiMapMode =
    "Live 9's manual, \"MIDI and Key Remote Control\" (ableton.manymanuals.de/software/live-9-0/"
    "user-manual-36533/483), on entering MIDI Map Mode: \"Notice that assignable elements of the interface become "
    "highlighted in blue, and that the Mapping Browser becomes available\"; it names the colour and the place, not "
    "the element, whose name ties it to them";

// Where Live 10 paints each colour element, in the order of Live 10.1's theme files.
const std::vector<ElementInfo> kElements = {
    {"ControlForeground", "The text and icons on controls: button captions, values in number boxes, track names.",
     kInferred, false},
    {"TextDisabled", "Text of controls that are switched off or unavailable, such as a deactivated device's labels.",
     kInferred, false},
    {"ControlDisabled", "Outlines and faces of controls that cannot be used at the moment.", kInferred, false},
    {"MeterBackground",
     "The dark background of the level meters in the mixer, beside each track's fader. The sketch draws the note "
     "ruler's black keys in it, dark in light themes too: no text names their colour.",
     kInferred, false},
    {"SurfaceHighlight",
     "A lighter surface that marks the area under the pointer, such as a hovered track header. The sketch draws the "
     "note ruler's white keys in it: no text names their colour.",
     kInferred, false},
    {"SurfaceArea",
     "The background of the main areas without the keyboard focus: the clip grid with its empty slots, the rack's zone "
     "editor, the clip editor's lanes, the Preferences' settings.",
     kInferred, false},
    {"Desktop", "The gaps between Live's panels: the window background behind every view.", kInferred, false},
    {"ViewCheckControlEnabledOn",
     "The small view selector buttons (show/hide Browser, Detail View, mixer sections) when on.", kInferred, false},
    {"ScrollbarInnerHandle", "The handle of scroll bars inside views, such as the browser's list.", kInferred, false},
    {"ScrollbarInnerTrack", "The track of scroll bars inside views.", kInferred, false},
    {"ScrollbarOuterHandle", "The handle of the scroll bars along the edges of the main views.", kInferred, false},
    {"ScrollbarOuterTrack", "The track of the scroll bars along the edges of the main views.", kInferred, false},
    {"ScrollbarLCDHandle", "The handle of scroll bars on display-like areas such as the overview of the Arrangement.",
     kInferred, false},
    {"ScrollbarLCDTrack", "The track of scroll bars on display-like areas.", kInferred, false},
    {"DetailViewBackground", "The background of the Detail View at the bottom: the device chain and the clip editor.",
     kInferred, false},
    {"PreferencesTab", "The selected tab on the left of the Preferences window.", kInferred, false},
    {"SelectionFrame", "The frame drawn around the selected device in the Detail View.", kInferred, false},
    {"ControlBackground", "The face of controls: number boxes, buttons, menus and fields.", kInferred, false},
    {"ControlFillHandle", "The filled part of sliders and the handle of faders, such as the track volume fader.",
     kInferred, false},
    {"ChosenDefault",
     "An activated button: a switched-on toggle such as the metronome, a track activator, the Monitor setting in use "
     "or a device's activator.",
     kInferred, false},
    {"ChosenRecord", "Record and arm states when on: a track's Arm button, a clip recording in its slot.", kInferred,
     false},
    {"ChosenPreListen", "The cue (pre-listen) buttons when on, with headphone cueing in Solo/Cue mode.", kInferred,
     false},
    {"ImplicitArm", "A track armed by selection (implicit arm), as Live shows for the selected MIDI track.", kInferred,
     false},
    {"RangeDefault", "Modulation or value ranges of controls, such as the ring around a macro-mapped knob.", kInferred,
     false},
    {"RangeDisabled", "The same ranges when the control is disabled.", kInferred, false},
    {"RangeDisabledOff", "The same ranges when disabled and switched off.", kInferred, false},
    {"LearnMidi",
     "The highlight on controls in MIDI Map Mode (Ctrl/Cmd+M): Live highlights every control MIDI can assign (clip "
     "slots, buttons, knobs, faders, the crossfader, device controls), in blue in Live's own themes. The sketch frames "
     "each one in its MIDI Map Mode view.",
     kMidiMapMode, false},
    {"LearnKey",
     "The highlight on controls in Key Map Mode (Ctrl/Cmd+K): every control a key can assign, orange in Live's own "
     "themes. The sketch frames each one in its Key Map Mode view.",
     kInferred, false},
    {"LearnMacro", "The overlay on controls while mapping them to a rack's macro controls.", kInferred, false},
    {"RangeEditField", "The field to edit a mapping's range in MIDI or Key Map Mode.", kInferred, false},
    {"RangeEditField2", "The second range field of a mapping (its maximum).", kInferred, false},
    {"BipolReset", "The reset mark at the top of a bipolar knob's ring, such as the pan knob's centre.", kInferred,
     false},
    {"ChosenAlternative", "The alternative on-state: a soloed track's Solo button.", kInferred, false},
    {"ChosenAlert", "Alerting states of buttons, such as the pending launch of a clip.", kInferred, false},
    {"ChosenPlay", "Playing states: a playing clip's triangle and the play button while Live plays.", kInferred, false},
    {"Clip1", "Clip colour 1 of the colour palette for clips and tracks.", kInferred, false},
    {"Clip2", "Clip colour 2 of the colour palette.", kInferred, false},
    {"Clip3", "Clip colour 3 of the colour palette.", kInferred, false},
    {"Clip4", "Clip colour 4 of the colour palette.", kInferred, false},
    {"Clip5", "Clip colour 5 of the colour palette.", kInferred, false},
    {"Clip6", "Clip colour 6 of the colour palette.", kInferred, false},
    {"Clip7", "Clip colour 7 of the colour palette.", kInferred, false},
    {"Clip8", "Clip colour 8 of the colour palette.", kInferred, false},
    {"Clip9", "Clip colour 9 of the colour palette.", kInferred, false},
    {"Clip10", "Clip colour 10 of the colour palette.", kInferred, false},
    {"Clip11", "Clip colour 11 of the colour palette.", kInferred, false},
    {"Clip12", "Clip colour 12 of the colour palette.", kInferred, false},
    {"Clip13", "Clip colour 13 of the colour palette.", kInferred, false},
    {"Clip14", "Clip colour 14 of the colour palette.", kInferred, false},
    {"Clip15", "Clip colour 15 of the colour palette.", kInferred, false},
    {"Clip16", "Clip colour 16 of the colour palette.", kInferred, false},
    {"ClipText", "The names written on clips in the Session and Arrangement.", kInferred, false},
    {"ClipBorder", "The outline around clips.", kInferred, false},
    {"SelectionBackground",
     "The background of selected items in a focused list or view: a selected browser row, a time selection in the "
     "Arrangement.",
     kInferred, false},
    {"StandbySelectionBackground", "The same selection when its view does not have the keyboard focus.", kInferred,
     false},
    {"SelectionForeground", "The text on a focused selection.", kInferred, false},
    {"StandbySelectionForeground", "The text on a selection whose view does not have the focus.", kInferred, false},
    {"SurfaceBackground",
     "The panels behind controls: the control bar, the browser's list, track headers, the mixer, device title bars, "
     "the Info View, the status bar and the Preferences window.",
     kInferred, false},
    {"AutomationColor", "Automation lines and breakpoints in the Arrangement's automation lanes.", kInferred, false},
    {"AutomationGrid", "The grid lines of automation lanes.", kInferred, false},
    {"LoopColor", "The loop brace in the Arrangement and clip loop markers.", kInferred, false},
    {"OffGridLoopColor", "The loop brace when its ends lie off the grid.", kInferred, false},
    {"ArrangementRulerMarkings", "The bar numbers and ticks of the Arrangement's beat-time ruler.", kInferred, false},
    {"DetailViewRulerMarkings", "The numbers and ticks of the clip editor's ruler.", kInferred, false},
    {"ShadowDark", "The dark edge that gives panels and buttons depth.", kInferred, false},
    {"ShadowLight", "The light edge that gives panels and buttons depth.", kInferred, false},
    {"DisplayBackground", "The background of device displays, such as EQ Eight's and the Compressor's graphs.",
     kInferred, false},
    {"AbletonColor", "Live's accent colour, used for small marks such as the CPU meter's and tempo's activity.",
     kInferred, false},
    {"WaveformColor", "The audio waveform inside audio clips, in the Arrangement and the clip editor.", kInferred,
     false},
    {"VelocityColor", "The velocity markers of MIDI notes in the velocity lane.", kInferred, false},
    {"Alert", "Alerts in the control bar, such as the overload indicator of the CPU meter.", kInferred, false},
    {"ControlOnForeground", "Text and icons on switched-on controls.", kInferred, false},
    {"ControlOffForeground", "Text and icons on switched-off controls, such as a track activator that is off.",
     kInferred, false},
    {"ControlOnDisabledForeground", "Text on switched-on controls that are disabled.", kInferred, false},
    {"ControlOffDisabledForeground", "Text on switched-off controls that are disabled.", kInferred, false},
    {"ControlOnAlternativeForeground", "Text on controls in their alternative on-state, such as a lit solo button.",
     kInferred, false},
    {"ControlTextBack", "The background of editable text fields: the browser's search field, a name being typed.",
     kInferred, false},
    {"ControlContrastFrame", "Frames that set controls off from their surface, such as number box outlines.", kInferred,
     false},
    {"ControlSelectionFrame", "The frame of the control that has the keyboard focus.", kInferred, false},
    {"ControlContrastTransport", "The outlines of the transport buttons in the control bar.", kInferred, false},
    {"Progress", "Progress bars, such as the one shown while Live analyses or loads a set.", kInferred, false},
    {"ProgressText", "The text on progress bars.", kInferred, false},
    {"TransportProgress", "The progress of the playing clip shown in the clip slot and the arrangement position.",
     kInferred, false},
    {"ClipSlotButton",
     "The square Clip Stop buttons: in empty clip slots, in the Track Status row below the clip grid, and the Master "
     "track's Stop All Clips. (Live's manual, chapter \"Session View\", puts the Clip Stop buttons \"in one of the "
     "tracks slots, or in the Track Status field\"; that this element paints them is inferred from its name.)",
     kInferred, false},
    {"BrowserBar", "The bar at the top of the browser with the search field.", kInferred, false},
    {"BrowserBarOverlayHintTextColor", "The grey hint text in the browser's empty search field.", kInferred, false},
    {"BrowserDisabledItem", "Browser entries that cannot be used here, such as a plug-in that failed to load.",
     kInferred, false},
    {"BrowserSampleWaveform", "The waveform of the sample being previewed at the bottom of the browser.", kInferred,
     false},
    {"AutomationDisabled", "Automation that is overridden: a greyed-out envelope after a manual change.", kInferred,
     false},
    {"AutomationMouseOver", "An automation line or breakpoint under the pointer.", kInferred, false},
    {"MidiNoteMaxVelocity", "MIDI notes of the highest velocity; quieter notes are drawn lighter.", kInferred, false},
    {"RetroDisplayBackground", "The background of the retro-style displays of some devices, such as Saturator's curve.",
     kInferred, false},
    {"RetroDisplayBackgroundLine", "The grid lines on retro-style displays.", kInferred, false},
    {"RetroDisplayForeground", "The curve or trace on retro-style displays.", kInferred, false},
    {"RetroDisplayForeground2", "A second trace on retro-style displays.", kInferred, false},
    {"RetroDisplayForegroundDisabled", "The trace on a retro-style display of a deactivated device.", kInferred, false},
    {"RetroDisplayGreen", "Green signal marks on retro-style displays.", kInferred, false},
    {"RetroDisplayRed", "Red signal marks on retro-style displays.", kInferred, false},
    {"RetroDisplayHandle1", "The first draggable handle on a retro-style display.", kInferred, false},
    {"RetroDisplayHandle2", "The second draggable handle on a retro-style display.", kInferred, false},
    {"RetroDisplayScaleText", "The scale numbers on retro-style displays.", kInferred, false},
    {"ThresholdLineColor", "The threshold line in the Compressor's display.", kInferred, false},
    {"GainReductionLineColor", "The gain reduction line in the Compressor's display.", kInferred, false},
    {"InputCurveColor", "The input level curve in the Compressor's display.", kInferred, false},
    {"InputCurveOutlineColor", "The outline of that input curve.", kInferred, false},
    {"OutputCurveColor", "The output level curve in the Compressor's display.", kInferred, false},
    {"OutputCurveOutlineColor", "The outline of that output curve.", kInferred, false},
    {"SpectrumDefaultColor", "The spectrum in Spectrum and EQ Eight.", kInferred, false},
    {"SpectrumAlternativeColor",
     "The second spectrum (another channel or the maximum) in the displays of Spectrum and EQ Eight.", kInferred,
     false},
    {"SpectrumGridLines", "The frequency and level grid of Spectrum and EQ Eight.", kInferred, false},
    {"Operator1", "Operator's oscillator A: its envelope and its box in the routing display.", kInferred, false},
    {"Operator2", "Operator's oscillator B.", kInferred, false},
    {"Operator3", "Operator's oscillator C.", kInferred, false},
    {"Operator4", "Operator's oscillator D.", kInferred, false},
    {"DrumRackScroller1", "The pad overview at the left of a Drum Rack: its empty cells.", kInferred, false},
    {"DrumRackScroller2", "The pad overview at the left of a Drum Rack: the part in view.", kInferred, false},
    {"FilledDrumRackPad", "Drum Rack pads that hold a device.", kInferred, false},
    {"SurfaceAreaFocus",
     "The background of the main area that has the keyboard focus, such as the Arrangement while you work in it.",
     kInferred, false},
    {"FreezeColor", "A frozen track: its clips and header tinted while it is frozen.", kInferred, false},
    {"GridLabel", "The labels of the grid, such as the grid spacing shown in the Arrangement's corner.", kInferred,
     false},
    {"GridLineBase", "The base colour of the grid lines in the Arrangement and the clip editor.", kInferred, true},
    {"ArrangerGridTiles", "The alternating tiles behind the Arrangement's grid.", kInferred, false},
    {"DetailGridTiles", "The alternating tiles behind the clip editor's grid.", kInferred, false},
    {"GridGuideline", "The guide lines of the grid at bar and beat positions.", kInferred, false},
    {"OffGridGuideline", "Guide lines at positions off the grid.", kInferred, false},
    {"TreeColumnHeadBackground", "The header row of the browser's list (Name, Date Modified) behind its text.",
     kInferred, false},
    {"TreeColumnHeadForeground", "The text of the browser's column headers.", kInferred, false},
    {"TreeColumnHeadSelected", "A browser column header that sorts the list.", kInferred, false},
    {"TreeColumnHeadFocus", "A browser column header with the keyboard focus.", kInferred, false},
    {"TreeColumnHeadControl", "Controls inside browser column headers, such as the sort arrow.", kInferred, false},
    {"TreeRowCategoryForeground", "The text of the browser's categories on the left (Sounds, Drums, Instruments).",
     kInferred, false},
    {"TreeRowCategoryBackground", "The background of the browser's category list.", kInferred, false},
    {"SearchIndication", "The mark of search matches in the browser.", kInferred, false},
    {"SearchIndicationStandby", "The same mark when the browser does not have the focus.", kInferred, false},
    {"KeyZoneBackground",
     "The key zones in a rack's Key Zone Editor, right of its chain list, when its Key button is on.", kInferred,
     false},
    {"KeyZoneCrossfadeRamp", "The fade ramps at the ends of key zones.", kInferred, false},
    {"VelocityZoneBackground",
     "The velocity zones in a rack's Velocity Zone Editor, which replaces the Key Zone Editor when shown.", kInferred,
     false},
    {"VelocityZoneCrossfadeRamp", "The fade ramps of velocity zones.", kInferred, false},
    {"SelectorZoneBackground", "The chain select zones in a rack's Chain Select Editor, below the Chain selector.",
     kInferred, false},
    {"SelectorZoneCrossfadeRamp", "The fade ramps of chain select zones.", kInferred, false},
    {"ViewCheckControlEnabledOff", "The view selector buttons when off, such as a hidden mixer section's.", kInferred,
     false},
    {"ViewCheckControlDisabledOn",
     "The view selector buttons when on but unavailable; when Live shows a selector so is not documented.", kInferred,
     false},
    {"ViewCheckControlDisabledOff",
     "The view selector buttons when off and unavailable; when Live shows a selector so is not documented.", kInferred,
     false},
    {"BackgroundClip", "The background of the clip editor's content area (the part holding notes or the waveform).",
     kInferred, false},
    {"BackgroundClipFrame", "The frame around that area.", kInferred, false},
    {"WarperTimeBarRulerBackground", "The bar above an audio clip's waveform that holds the warp markers.", kInferred,
     false},
    {"WarperTimeBarMarkerBackground", "The warp markers in that bar.", kInferred, false},
    {"BipolarPotiTriangle", "The small triangle above bipolar knobs such as pan, marking their centre.", kInferred,
     false},
    {"Poti", "The ring of rotary knobs.", kInferred, false},
    {"DeactivatedPoti", "The ring of knobs that cannot be used now: on a deactivated device or a frozen track's mixer.",
     kInferred, false},
    {"PotiNeedle", "The needle of rotary knobs.", kInferred, false},
    {"DeactivatedPotiNeedle", "The needle of those knobs.", kInferred, false},
    {"TransportOffBackground",
     "The faces of the transport buttons in the control bar that are off, such as Stop and Record while Live plays.",
     kInferred, false},
    {"TransportOffDisabledForeground", "The icons of unavailable transport buttons.", kInferred, false},
    {"TransportSelectionBackground", "The selected transport field, such as the position field being edited.",
     kInferred, false},
    {"Modulation", "Clip modulation envelopes (10.1 separates them from automation).", kInferred, true},
    {"ModulationDisabled", "Clip modulation that is overridden.", kInferred, true},
    {"ModulationMouseOver", "A modulation line under the pointer.", kInferred, true},
    {"AutomationTransformToolFrame",
     "The frame of the automation transform tool that Live 10.1 shows on a time selection.", kInferred, true},
    {"AutomationTransformToolFrameActive", "That frame while it is being used.", kInferred, true},
    {"AutomationTransformToolHandle", "The handles of the transform tool.", kInferred, true},
    {"AutomationTransformToolHandleActive", "A handle of the transform tool while it is dragged.", kInferred, true},
};

} // namespace

const std::vector<ElementInfo>& elementTable()
{
    return kElements;
}

const ElementInfo* findElement(std::string_view name)
{
    name = elementName(name);
    const auto found =
        std::find_if(kElements.begin(), kElements.end(), [name](const ElementInfo& info) { return info.name == name; });
    return found == kElements.end() ? nullptr : &*found;
}

std::string describedWithCertainty(const ElementInfo& info)
{
    std::string text(info.description);
    return info.known() ? text + " Known from: " + std::string(info.source) + "." : text + " (inferred)";
}

} // namespace tintwright::sketch
