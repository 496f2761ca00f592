#include "SceneBuilder.h"

#include <cmath>
#include <string>
#include <vector>

// The Session view: the clip grid, the mixer and the selected track's devices.
namespace tintwright::sketch::drawing {

// The clip grid: clip slots with clips playing, recording, waiting to start,
// stopped and empty, the Track Status row of stop buttons; the return tracks'
// and the Master track's heads, and the Master's scene launch buttons.
void clipGrid(Builder& b)
{
    b.area("Clip grid");
    b.rect("SurfaceArea", 224, 44, trackLeft(kMaster) - 228, 142);
    static const char* const kClips[] = {"Clip1", "Clip2",  "Clip3",  "Clip4",  "Clip5",  "Clip6",  "Clip7",  "Clip8",
                                         "Clip9", "Clip10", "Clip11", "Clip12", "Clip13", "Clip14", "Clip15", "Clip16"};
    static const char* const kNames[] = {"1 Drums", "2 Bass", "3 Keys", "4 Vox", "5 Frozen"};
    for (int track = 0; track < kTracks; ++track) {
        const double x = trackLeft(track);
        const bool frozen = track == kTracks - 1;
        const char* headFace = frozen ? "FreezeColor" : track == 2 ? "SurfaceHighlight" : "SurfaceBackground";
        const int header = b.rect(headFace, x, 46, 108, 18);
        b.text("ControlForeground", x + 4, 59, 10, kNames[track], header);
        for (int slot = 0; slot < 4; ++slot) {
            const double y = 68 + slot * 24;
            if (frozen && slot >= 2) {
                // An empty slot, and a selected one while the focus is in the Detail View.
                const int cell =
                    b.mappable(b.rect(slot == 2 ? "SurfaceArea" : "StandbySelectionBackground", x, y, 108, 20));
                b.glyph("ClipSlotButton", x + 4, y + 5, 10, 10, cell);
                if (slot == 3) {
                    b.text("StandbySelectionForeground", x + 20, y + 14, 10, "Selected", cell);
                }
                continue;
            }
            const int clipIndex = track * 4 + slot;
            const int clip = b.mappable(b.rect(frozen ? "FreezeColor" : kClips[clipIndex], x, y, 108, 20));
            b.rect("ClipBorder", x, y, 108, 20, Paint::Stroke);
            // A frozen track's clips are written as its head is; a clip's launch triangle as its name (inferred).
            b.text(frozen ? "ControlForeground" : "ClipText", x + 20, y + 14, 10,
                   "Clip " + std::to_string(clipIndex + 1), clip);
            if (slot == 0 && track == 0) {
                b.glyph("ChosenPlay", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
                b.rect("TransportProgress", x, y + 17, 60, 3);
            } else if (slot == 1 && track == 1) {
                b.glyph("ChosenRecord", x + 4, y + 5, 10, 10, clip, ShapeKind::Circle);
            } else if (slot == 2 && track == 0) {
                b.glyph("ChosenAlert", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
            } else {
                b.glyph(frozen ? "ControlForeground" : "ClipText", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
            }
        }
        const int stopRow = b.rect("SurfaceBackground", x, 166, 108, 16);
        b.mappable(b.glyph("ClipSlotButton", x + 48, 169, 10, 10, stopRow));
    }
    b.area("Return tracks");
    for (int track = kTracks; track < kMaster; ++track) {
        const int header = b.rect("SurfaceBackground", trackLeft(track), 46, 108, 18);
        b.text("ControlForeground", trackLeft(track) + 4, 59, 10, track == kTracks ? "A Reverb" : "B Delay", header);
    }
    b.area("Master track");
    const double master = trackLeft(kMaster);
    const int header = b.rect("SurfaceBackground", master, 46, 108, 18);
    b.text("ControlForeground", master + 4, 59, 10, "Master", header);
    for (int scene = 0; scene < 4; ++scene) {
        const int launch = b.mappable(b.rect("SurfaceBackground", master, 68 + scene * 24, 108, 20));
        b.glyph("ControlForeground", master + 4, 72 + scene * 24, 10, 12, launch, ShapeKind::Polyline);
        b.text("ControlForeground", master + 20, 82 + scene * 24, 10, "Scene " + std::to_string(scene + 1), launch);
    }
    const int stopAll = b.rect("SurfaceBackground", master, 166, 108, 16);
    b.mappable(b.glyph("ClipSlotButton", master + 48, 169, 10, 10, stopAll));
}

// The mixer below the clip grid, section by section: In/Out, Sends, volume
// and pan with the meters, the track buttons, the crossfader; a macro mapping
// on one knob, the section selectors on the right.
//
// What MIDI and Key Map Mode can assign, Live 10's manual ("MIDI and Key Remote
// Control", ecmfa-2011.org/index-1497.html), for both: "most of Live's controls
// can be remote-controlled with an external MIDI controller and the computer
// keyboard", among them "Session View slots", "Switches and
// buttons — among them the Track and Device Activator switches", "Radio buttons
// — [...] the crossfader assignment section in each track", "Continuous controls
// — like the mixer's volume, pan and sends", "The crossfader"; not the routing
// ("I/O routing" in a user's list of what "*cannot* be MIDI mapped",
// gist.github.com/nikreiman/5721141). A frozen track's controls, which the
// sketch shows unavailable, are left unframed (inferred).
void mixer(Builder& b, MapMode mode)
{
    const double right = trackLeft(kMaster + 1);
    b.area("Mixer › In/Out");
    const int io = b.rect("SurfaceBackground", 224, 188, right - 224, 46);
    for (int track = 0; track <= kMaster; ++track) {
        const double x = trackLeft(track);
        if (track < kTracks) {
            const int from = b.rect("ControlBackground", x + 4, 190, 100, 12);
            b.text("ControlForeground", x + 8, 200, 9, "Ext. In", from);
            const char* monitor[] = {"In", "Auto", "Off"};
            for (int i = 0; i < 3; ++i) {
                const bool chosen = i == 1;
                const int face =
                    b.mappable(b.rounded(chosen ? "ChosenDefault" : "ControlBackground", x + 4 + i * 34, 205, 32, 12));
                b.text(chosen ? "ControlOnForeground" : "ControlOffForeground", x + 8 + i * 34, 215, 9, monitor[i],
                       face);
            }
        }
        const int to = b.rect("ControlBackground", x + 4, 220, 100, 12);
        b.text("ControlForeground", x + 8, 230, 9, track == kMaster ? "1/2" : "Master", to);
    }
    b.text("ControlForeground", trackLeft(kMaster) + 4, 200, 9, "Cue Out", io);

    b.area("Mixer › Sends");
    const int sends = b.rect("SurfaceBackground", 224, 236, right - 224, 48);
    for (int track = 0; track < kMaster; ++track) {
        for (int send = 0; send < kReturns; ++send) {
            const double cx = trackLeft(track) + 24 + send * 56;
            const bool frozen = track == kTracks - 1;
            const int knob = b.knob(cx, 262, !frozen, false, sends);
            if (!frozen) {
                b.mappable(knob);
            }
            b.text("ControlForeground", cx + 14, 280, 9, send == 0 ? "A" : "B", sends);
        }
    }

    b.area("Mixer › Volume and pan");
    const int strip = b.rect("SurfaceBackground", 224, 286, right - 224, 108);
    for (int track = 0; track <= kMaster; ++track) {
        const double x = trackLeft(track);
        const bool frozen = track == kTracks - 1;
        b.rect("MeterBackground", x + 4, 290, 8, 100);
        const int handle = b.rect("ControlFillHandle", x + 20, 340, 30, 6);
        b.rect("ControlContrastFrame", x + 18, 288, 34, 104, Paint::Stroke);
        const int pan = b.knob(x + 80, 312, !frozen, true, strip);
        if (!frozen) {
            b.mappable(handle);
            b.mappable(pan);
        }
        if (track == 0) {
            b.arc("RangeDefault", x + 80, 312, 15, -45, 180);
        }
    }
    if (mode == MapMode::Off) {
        // A knob a macro can map, as Macro Map Mode frames it: a third map mode, never at once with the others.
        b.rounded("LearnMacro", trackLeft(2) + 66, 298, 28, 28, Paint::Stroke);
    }
    b.arc("RangeDisabled", trackLeft(kTracks - 1) + 80, 312, 15, -45, 120);
    b.arc("RangeDisabledOff", trackLeft(kTracks - 1) + 80, 312, 21, 75, 90);

    b.area("Mixer › Track buttons");
    const int buttons = b.rect("SurfaceBackground", 224, 396, right - 224, 44);
    for (int track = 0; track < kMaster; ++track) {
        const double x = trackLeft(track);
        const bool off = track == 3;
        const bool frozen = track == kTracks - 1;
        const std::string number = track < kTracks ? std::to_string(track + 1) : track == kTracks ? "A" : "B";
        const int activator = b.mappable(b.rounded(off ? "ControlBackground" : "ChosenDefault", x + 4, 400, 30, 16));
        b.text(off ? "ControlOffForeground" : "ControlOnForeground", x + 14, 412, 9, number, activator);
        if (frozen) {
            // A frozen track's buttons cannot be used.
            const int soloDisabled = b.rounded("ControlDisabled", x + 38, 400, 30, 16);
            b.text("ControlOnDisabledForeground", x + 49, 412, 9, "S", soloDisabled);
            const int cueDisabled = b.rounded("ControlDisabled", x + 72, 400, 30, 16);
            b.text("ControlOffDisabledForeground", x + 83, 412, 9, "C", cueDisabled);
            b.text("TextDisabled", x + 4, 434, 9, "Frozen", buttons);
            continue;
        }
        const int solo =
            b.mappable(b.rounded(track == 1 ? "ChosenAlternative" : "ControlBackground", x + 38, 400, 30, 16));
        b.text(track == 1 ? "ControlOnAlternativeForeground" : "ControlForeground", x + 49, 412, 9, "S", solo);
        if (track < kTracks) {
            const char* arm = track == 2 ? "ChosenRecord" : track == 3 ? "ImplicitArm" : "ControlBackground";
            const int armButton = b.mappable(b.rounded(arm, x + 72, 400, 30, 16));
            b.glyph("ControlForeground", x + 83, 404, 8, 8, armButton, ShapeKind::Circle);
        }
        const int cue = b.mappable(b.rounded(track == 0 ? "ChosenPreListen" : "ControlBackground", x + 4, 420, 30, 14));
        b.glyph("ControlForeground", x + 14, 423, 8, 8, cue);
    }
    b.rect("ControlSelectionFrame", trackLeft(0) + 36, 398, 34, 20, Paint::Stroke);

    b.area("Mixer › Crossfader");
    const int fader = b.rect("SurfaceBackground", 224, 442, right - 224, 36);
    for (int track = 0; track < kMaster; ++track) {
        for (int side = 0; side < 2; ++side) {
            const bool chosen = (track == 0 && side == 0) || (track == 2 && side == 1);
            const double x = trackLeft(track) + 4 + side * 34;
            const int face = b.mappable(b.rounded(chosen ? "ChosenDefault" : "ControlBackground", x, 446, 30, 14));
            b.text(chosen ? "ControlOnForeground" : "ControlOffForeground", x + 11, 457, 9, side == 0 ? "A" : "B",
                   face);
        }
    }
    const double master = trackLeft(kMaster);
    const int slot = b.rect("ControlBackground", master + 4, 452, 100, 6);
    b.mappable(b.glyph("ControlFillHandle", master + 48, 446, 8, 18, slot));
    b.text("ControlForeground", master + 4, 474, 9, "A", fader);
    b.text("ControlForeground", master + 96, 474, 9, "B", fader);

    // The Mixer Section selectors show or hide the sections Live's manual lists ("Mixing", "The Live
    // Mixer"; a copy at ecmfa-2011.org/index-1500.html): In/Out, Sends, Returns, Mixer, Track Delays, Crossfader. All
    // are shown here but the track delays. The letters stand for those names (inferred: the manual's text does not
    // spell them).
    b.area("Mixer › Section selectors");
    const int selectors = b.rect("SurfaceBackground", right + 6, 188, 1196 - right - 6, 126);
    const char* labels[] = {"I-O", "S", "R", "M", "D", "X"};
    for (int i = 0; i < 6; ++i) {
        b.rect(i == 4 ? "ViewCheckControlEnabledOff" : "ViewCheckControlEnabledOn", right + 10, 192 + i * 20, 14, 10);
        b.text("ControlForeground", right + 28, 201 + i * 20, 9, labels[i], selectors);
    }
    b.area("Mixer");
    b.rect("ScrollbarOuterTrack", 224, 482, right - 224, 8);
    b.rect("ScrollbarOuterHandle", 300, 483, 200, 6);
}

// The device chain is laid out 1200 wide and kFitted into the Detail View's 968.
constexpr double kFitted = 968.0 / 1200.0;
// The devices' bodies are laid out 130 high from here, then fitted into the
// Detail View below the title bars; the controls along their bottom are
// drawn after that, where the bodies have gone, so that knobs stay round.
constexpr double kBodyTop = 474;
constexpr double kBodyHeight = 130;
constexpr double kFittedTop = kDetailTop + 22;
constexpr double kFittedHeight = kStatusTop - 8 - kFittedTop;
// Where a device's displays end and its row of controls begins.
constexpr double kControlsTop = 566;

double fittedX(double x)
{
    return 228 + x * kFitted;
}

double fittedY(double y)
{
    return kFittedTop + (y - kBodyTop) * kFittedHeight / kBodyHeight;
}

// A rack's chain, and the part of its zone editor's range (0 to 1) that the
// chain's zone covers, with the fade at the zone's upper end.
struct Chain {
    const char* name;
    double from;
    double to;
    double fade;
};

// A rack as Live shows it: the buttons that toggle its zone editors above the
// chain list, the chain list with one chain selected, and the one zone editor
// shown to its right, a zone per chain; left of the chain list room for its
// macro controls where it shows them. Live 9's manual ("Instrument, Drum and
// Effect Racks", "Zones"): "The three types of zones, whose editors are
// toggled with the buttons above the Chain List, are Key, Velocity, and Chain
// Select. The adjacent Hide button whisks them out of sight."; "Note: Audio
// Effect Racks do not have key or velocity zones"; "The Velocity Zone Editor,
// when displayed, replaces the Key Zone Editor to the right of the Chain List"
// (manualshelf.com/manual/ableton/88199/user-s-manual-english-latvian/
// page-290.html and page-292.html). Which colour paints what is inferred from
// the elements' names. Returns the index of the editor's scale.
int rack(Builder& b, double left, double width, double macros, double list, const std::vector<const char*>& toggles,
         std::size_t shown, const char* zone, const char* ramp, const char* const (&scale)[3],
         const std::vector<Chain>& chains)
{
    b.rect("SurfaceBackground", left, kBodyTop, width, kBodyHeight);
    const double chainsLeft = left + macros;
    double x = chainsLeft + 2;
    for (std::size_t i = 0; i < toggles.size(); ++i) {
        // Wide enough for its caption once the chain is fitted into the Detail View.
        const double w = (5 + 4.4 * static_cast<double>(std::char_traits<char>::length(toggles[i]))) / kFitted;
        const bool on = i == shown;
        const int face = b.rounded(on ? "ChosenDefault" : "ControlBackground", x, 477, w, 12);
        b.text(on ? "ControlOnForeground" : "ControlOffForeground", x + 3, 487, 8, toggles[i], face);
        x += w + 1;
    }
    const double editor = chainsLeft + list + 2;
    const double span = left + width - editor - 4;
    b.rect("SurfaceArea", editor, 492, span, 108);
    const int ruler = b.rect("ControlBackground", editor, 477, span, 12);
    b.text("ControlForeground", editor + 1, 487, 8, scale[0], ruler);
    b.text("ControlForeground", editor + span / 2 - 6, 487, 8, scale[1], ruler);
    b.text("ControlForeground", editor + span - 16, 487, 8, scale[2], ruler);
    for (std::size_t i = 0; i < chains.size(); ++i) {
        const double top = 496 + static_cast<double>(i) * 18;
        const bool selected = i == 0; // the focus is in the Detail View
        const int row =
            b.rect(selected ? "SelectionBackground" : "SurfaceBackground", chainsLeft + 2, top, list - 2, 16);
        b.text(selected ? "SelectionForeground" : "ControlForeground", chainsLeft + 6, top + 12, 9, chains[i].name,
               row);
        const Chain& chain = chains[i];
        const double from = editor + 2 + chain.from * (span - 4);
        const double to = editor + 2 + chain.to * (span - 4);
        // A zone's lower, main part, and its narrow upper part where the fade ramps down.
        b.rect(zone, from, top + 6, to - from, 10);
        b.polyline(ramp, {{to - chain.fade * (span - 4), top + 1}, {to, top + 5}});
        b.rect(zone, from, top + 1, to - from - chain.fade * (span - 4), 3);
    }
    return ruler;
}

// A device of the chain: its name and where it stands in the 1200-wide layout.
struct Device {
    const char* name;
    double left;
    double width;
};

// Knobs with their names below them, in a row along a device's bottom, on the
// panel under its display (drawn in the Detail View's own coordinates).
void knobRow(Builder& b, const Device& device, int panel, const std::vector<const char*>& names)
{
    const double left = fittedX(device.left);
    const double step = device.width * kFitted / static_cast<double>(names.size());
    const double cy = fittedY(kControlsTop) + 20;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const double cx = left + step * (static_cast<double>(i) + 0.5);
        b.mappable(b.knob(cx, cy, true, false, panel));
        const double words = 8 * 0.55 * static_cast<double>(std::char_traits<char>::length(names[i]));
        b.text("ControlForeground", cx - words / 2, cy + 26, 8, names[i], panel);
    }
}

// The devices of the selected MIDI track, each under its title bar with its
// activator: a MIDI Effect Rack showing its velocity zones, an Instrument Rack
// (selected) showing its macro controls and key zones, Operator with its
// oscillators' number boxes, a Drum Rack, EQ Eight, Compressor and Saturator
// with their displays and knobs, an Audio Effect Rack showing its chain select
// zones. Laid out 130 high in the full width, then kFitted into the Detail
// View. The devices' knobs are those Live's own devices show under their
// displays (which ones and their names are inferred).
void deviceChain(Builder& b)
{
    b.area("Detail View");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const std::size_t first = b.size();

    const Device midiRack {"MIDI Effect Rack", 4, 196};
    const Device instrumentRack {"Instrument Rack", 204, 290};
    const Device operatorSynth {"Operator", 498, 84};
    const Device drumRack {"Drum Rack", 586, 112};
    const Device eq {"EQ Eight", 702, 120};
    const Device compressor {"Compressor", 826, 96};
    const Device audioRack {"Audio Effect Rack", 926, 150};
    const Device saturator {"Saturator", 1080, 112};
    const Device devices[] = {midiRack, instrumentRack, operatorSynth, drumRack, eq, compressor, audioRack, saturator};

    const char* const velocities[3] = {"1", "64", "127"};
    const char* const keys[3] = {"C-2", "C3", "G8"};
    const char* const selector[3] = {"0", "64", "127"};
    constexpr double kMacros = 76;
    b.area("Detail View › MIDI Effect Rack");
    rack(b, midiRack.left, midiRack.width, 0, 118, {"Key", "Vel", "Chain", "Hide"}, 1, "VelocityZoneBackground",
         "VelocityZoneCrossfadeRamp", velocities, {{"Soft", 0, 0.7, 0.15}, {"Hard", 0.55, 1, 0}});
    b.area("Detail View › Instrument Rack");
    const std::size_t instrument = b.size();
    rack(b, instrumentRack.left, instrumentRack.width, kMacros, 118, {"Key", "Vel", "Chain", "Hide"}, 0,
         "KeyZoneBackground", "KeyZoneCrossfadeRamp", keys,
         {{"Keys", 0.3, 0.75, 0.1}, {"Bass", 0, 0.4, 0.1}, {"Pad", 0.6, 1, 0}});
    b.area("Detail View › Audio Effect Rack");
    const int scale = rack(b, audioRack.left, audioRack.width, 0, 72, {"Chain", "Hide"}, 0, "SelectorZoneBackground",
                           "SelectorZoneCrossfadeRamp", selector,
                           {{"Dry", 0, 0.33, 0.05}, {"Warm", 0.33, 0.66, 0.05}, {"Crush", 0.66, 1, 0}});
    // The Chain selector: the mark above the chain select scale that picks the chains playing, here at 20.
    const int chainSelector = b.glyph("ControlForeground", audioRack.left + 74 + 0.15 * (audioRack.width - 80), 487, 6,
                                      5, scale, ShapeKind::Polyline);

    b.area("Detail View › Operator");
    const int operatorPanel =
        b.rect("SurfaceBackground", operatorSynth.left, kBodyTop, operatorSynth.width, kBodyHeight);
    const char* operators[] = {"Operator1", "Operator2", "Operator3", "Operator4"};
    for (int i = 0; i < 4; ++i) {
        const double x = operatorSynth.left + 3 + i * 20;
        const int box = b.rect(operators[i], x, 482, 18, 22);
        b.text("ControlOnForeground", x + 5, 498, 10, std::string(1, static_cast<char>('A' + i)), box);
        b.polyline(operators[i], {{x, 560}, {x + 5, 512}, {x + 12, 536}, {x + 18, 560}});
    }

    b.area("Detail View › Drum Rack");
    b.rect("DrumRackScroller1", drumRack.left, kBodyTop, 16, kBodyHeight);
    b.rect("DrumRackScroller2", drumRack.left + 2, 540, 12, 40);
    for (int pad = 0; pad < 16; ++pad) {
        const double x = drumRack.left + 20 + (pad % 4) * 23;
        const double y = 478 + (pad / 4) * 31;
        b.rect(pad % 3 == 0 ? "ControlBackground" : "FilledDrumRackPad", x, y, 21, 28);
    }

    const double display = kControlsTop - 4 - kBodyTop; // a display's height above the controls
    b.area("Detail View › EQ Eight");
    const int eqPanel = b.rect("SurfaceBackground", eq.left, kBodyTop, eq.width, kBodyHeight);
    b.rect("DisplayBackground", eq.left, kBodyTop, eq.width, display);
    for (int i = 1; i < 4; ++i) {
        b.line("SpectrumGridLines", eq.left + i * eq.width / 4, kBodyTop, eq.left + i * eq.width / 4,
               kBodyTop + display);
    }
    std::vector<Point> spectrum;
    std::vector<Point> second;
    for (int i = 0; i <= 30; ++i) {
        const double x = eq.left + i * eq.width / 30;
        spectrum.push_back({x, 545 - 30 * std::exp(-std::pow((i - 9) / 6.0, 2)) - 4 * std::sin(i)});
        second.push_back({x, 552 - 22 * std::exp(-std::pow((i - 16) / 8.0, 2))});
    }
    b.polyline("SpectrumDefaultColor", spectrum);
    b.polyline("SpectrumAlternativeColor", second);

    b.area("Detail View › Compressor");
    const int compressorPanel = b.rect("SurfaceBackground", compressor.left, kBodyTop, compressor.width, kBodyHeight);
    const double c = compressor.left;
    const double w = compressor.width;
    const double base = kBodyTop + display;
    b.rect("DisplayBackground", c, kBodyTop, w, display);
    b.polyline("InputCurveOutlineColor", {{c, base}, {c + w / 2, 514}, {c + w, 504}});
    b.polyline("InputCurveColor", {{c, base - 2}, {c + w / 2, 512}, {c + w, 502}});
    b.polyline("OutputCurveOutlineColor", {{c, base}, {c + w / 2, 526}, {c + w, 522}});
    b.polyline("OutputCurveColor", {{c, base - 2}, {c + w / 2, 524}, {c + w, 520}});
    b.line("ThresholdLineColor", c, 514, c + w, 514);
    b.line("GainReductionLineColor", c + w - 12, 480, c + w - 12, 506);

    b.area("Detail View › Saturator");
    const double s = saturator.left;
    const double sw = saturator.width;
    const int saturatorPanel = b.rect("SurfaceBackground", s, kBodyTop, sw, kBodyHeight);
    const int retro = b.rect("RetroDisplayBackground", s, kBodyTop, sw, display);
    for (int i = 1; i < 4; ++i) {
        b.line("RetroDisplayBackgroundLine", s, kBodyTop + i * display / 4, s + sw, kBodyTop + i * display / 4);
    }
    b.polyline("RetroDisplayForeground", {{s, 552}, {s + 40, 530}, {s + 78, 494}, {s + sw, 486}});
    b.polyline("RetroDisplayForeground2", {{s, 558}, {s + 46, 545}, {s + 88, 516}, {s + sw, 510}});
    b.polyline("RetroDisplayForegroundDisabled", {{s, 505}, {s + sw, 505}});
    b.glyph("RetroDisplayGreen", s + 6, 479, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayRed", s + 18, 479, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle1", s + 36, 526, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle2", s + 74, 490, 8, 8, retro, ShapeKind::Circle);
    b.text("RetroDisplayScaleText", s + 4, 558, 9, "-12 dB", retro);

    // Into the Detail View: 968 wide from x 228, below the title bars.
    b.fit(first, 0, kBodyTop, 1200, kBodyHeight, 228, kFittedTop, 968, kFittedHeight);
    b.mappable(chainSelector);

    // The Instrument Rack's eight macro controls, in two columns left of its chain list.
    b.area("Detail View › Instrument Rack");
    const int macroPanel = static_cast<int>(instrument);
    for (int macro = 0; macro < 8; ++macro) {
        const double cx = fittedX(instrumentRack.left) + 16 + (macro / 4) * 30;
        const double cy = kFittedTop + 18 + (macro % 4) * 52;
        b.mappable(b.knob(cx, cy, true, false, macroPanel));
        b.text("ControlForeground", cx - 13, cy + 24, 7, "Macro " + std::to_string(macro + 1), macroPanel);
    }
    b.area("Detail View › Operator");
    const char* const boxes[] = {"Coarse", "Level"};
    const char* const values[] = {"1", "0 dB"};
    for (int i = 0; i < 2; ++i) {
        const double x = fittedX(operatorSynth.left) + 3 + i * 33;
        b.text("ControlForeground", x, fittedY(kControlsTop) + 14, 8, boxes[i], operatorPanel);
        b.mappable(b.numberBox(x, fittedY(kControlsTop) + 22, 30, 14, values[i]));
    }
    b.area("Detail View › EQ Eight");
    knobRow(b, eq, eqPanel, {"Freq", "Gain", "Q"});
    b.area("Detail View › Compressor");
    knobRow(b, compressor, compressorPanel, {"Ratio", "Out"});
    b.area("Detail View › Saturator");
    knobRow(b, saturator, saturatorPanel, {"Drive", "Out", "D/W"});

    // Every device's title bar: its name on the panel colour, and its activator.
    for (const Device& device : devices) {
        b.area(std::string("Detail View › ") + device.name);
        const double x = fittedX(device.left);
        const int title = b.rect("SurfaceBackground", x, kDetailTop + 4, device.width * kFitted, 16);
        b.mappable(b.glyph("ChosenDefault", x + 3, kDetailTop + 8, 8, 8, title, ShapeKind::Circle));
        b.text("ControlForeground", x + 14, kDetailTop + 16, 10, device.name, title);
    }
    b.area("Detail View › Instrument Rack");
    b.rect("SelectionFrame", fittedX(instrumentRack.left) - 2, kDetailTop + 2, instrumentRack.width * kFitted + 4,
           kStatusTop - 6 - kDetailTop, Paint::Stroke);
}

// Which states each view shows at once, as Live never shows them together,
// and where it differs from a new Set.
constexpr char kSessionStates[] =
    "Shown at once: Live plays; one clip plays, one records, one waits to launch; a track is frozen; a Set loads "
    "(62 %); a knob is framed as in Macro Map Mode; the crossfader section is shown, which a new Set hides.";

Scene buildSession(MapMode mode)
{
    static const char* const ids[] = {"session", "midi-map", "key-map"};
    static const char* const names[] = {"Session", "MIDI Map Mode", "Key Map Mode"};
    const auto which = static_cast<std::size_t>(mode);
    Builder b(ids[which], names[which]);
    switch (mode) {
    case MapMode::Off:
        b.caption(kSessionStates);
        break;
    case MapMode::Midi:
        b.caption(std::string("The Session view in MIDI Map Mode: every control MIDI can assign framed, the Mapping "
                              "Browser in the browser's place. ")
                  + kSessionStates);
        break;
    case MapMode::Key:
        b.caption(std::string("The Session view in Key Map Mode: every control a key can assign framed, the Mapping "
                              "Browser in the browser's place. ")
                  + kSessionStates);
        break;
    }
    b.area("Window");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b, mode);
    browser(b, mode);
    clipGrid(b);
    mixer(b, mode);
    deviceChain(b);
    if (mode == MapMode::Off) {
        infoAndStatus(b, "Clip Launch Button", "Click to start the clip.");
    } else {
        infoAndStatus(b, mode == MapMode::Midi ? "MIDI Map Mode" : "Key Map Mode",
                      mode == MapMode::Midi ? "Click a control, then move a MIDI control."
                                            : "Click a control, then press a key.");
    }
    b.mapMode(mode);
    return b.take();
}

} // namespace tintwright::sketch::drawing
