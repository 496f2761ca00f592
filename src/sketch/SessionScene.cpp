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
                const int cell = b.rect(slot == 2 ? "SurfaceArea" : "StandbySelectionBackground", x, y, 108, 20);
                b.glyph("ClipSlotButton", x + 4, y + 5, 10, 10, cell);
                if (slot == 3) {
                    b.text("StandbySelectionForeground", x + 20, y + 14, 10, "Selected", cell);
                }
                continue;
            }
            const int clipIndex = track * 4 + slot;
            const int clip = b.rect(frozen ? "FreezeColor" : kClips[clipIndex], x, y, 108, 20);
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
        b.glyph("ClipSlotButton", x + 48, 169, 10, 10, stopRow);
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
        const int launch = b.rect("SurfaceBackground", master, 68 + scene * 24, 108, 20);
        b.glyph("ControlForeground", master + 4, 72 + scene * 24, 10, 12, launch, ShapeKind::Polyline);
        b.text("ControlForeground", master + 20, 82 + scene * 24, 10, "Scene " + std::to_string(scene + 1), launch);
    }
    const int stopAll = b.rect("SurfaceBackground", master, 166, 108, 16);
    b.glyph("ClipSlotButton", master + 48, 169, 10, 10, stopAll);
}

// The mixer below the clip grid, section by section: In/Out, Sends, volume
// and pan with the meters, the track buttons, the crossfader; MIDI Map Mode's
// highlight on the sends, a macro mapping on one knob, the section selectors on the right.
void mixer(Builder& b)
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
                const int face = b.rounded(chosen ? "ChosenDefault" : "ControlBackground", x + 4 + i * 34, 205, 32, 12);
                b.text(chosen ? "ControlOnForeground" : "ControlOffForeground", x + 8 + i * 34, 215, 9, monitor[i],
                       face);
            }
        }
        const int to = b.rect("ControlBackground", x + 4, 220, 100, 12);
        b.text("ControlForeground", x + 8, 230, 9, track == kMaster ? "1/2" : "Master", to);
    }
    b.text("ControlForeground", trackLeft(kMaster) + 4, 200, 9, "Cue Out", io);

    // MIDI Map Mode is on (its switch is lit in the control bar, the Mapping Browser shows): every
    // control that can be mapped is highlighted, here the sends, each framed in LearnMidi.
    b.area("Mixer › Sends");
    const int sends = b.rect("SurfaceBackground", 224, 236, right - 224, 48);
    for (int track = 0; track < kMaster; ++track) {
        for (int send = 0; send < kReturns; ++send) {
            const double cx = trackLeft(track) + 24 + send * 56;
            b.knob(cx, 262, track != kTracks - 1, false, sends);
            b.text("ControlForeground", cx + 14, 280, 9, send == 0 ? "A" : "B", sends);
            if (track != kTracks - 1) { // a frozen track's controls cannot be mapped
                b.rounded("LearnMidi", cx - 14, 246, 28, 30, Paint::Stroke);
            }
        }
    }

    b.area("Mixer › Volume and pan");
    const int strip = b.rect("SurfaceBackground", 224, 286, right - 224, 108);
    for (int track = 0; track <= kMaster; ++track) {
        const double x = trackLeft(track);
        b.rect("MeterBackground", x + 4, 290, 8, 100);
        b.rect("ControlFillHandle", x + 20, 340, 30, 6);
        b.rect("ControlContrastFrame", x + 18, 288, 34, 104, Paint::Stroke);
        b.knob(x + 80, 312, track != kTracks - 1, true, strip);
        if (track == 0) {
            b.arc("RangeDefault", x + 80, 312, 15, -45, 180);
        }
    }
    b.rounded("LearnMacro", trackLeft(2) + 66, 298, 28, 28, Paint::Stroke); // a knob a macro can map
    b.arc("RangeDisabled", trackLeft(kTracks - 1) + 80, 312, 15, -45, 120);
    b.arc("RangeDisabledOff", trackLeft(kTracks - 1) + 80, 312, 21, 75, 90);

    b.area("Mixer › Track buttons");
    const int buttons = b.rect("SurfaceBackground", 224, 396, right - 224, 44);
    for (int track = 0; track < kMaster; ++track) {
        const double x = trackLeft(track);
        const bool off = track == 3;
        const bool frozen = track == kTracks - 1;
        const std::string number = track < kTracks ? std::to_string(track + 1) : track == kTracks ? "A" : "B";
        const int activator = b.rounded(off ? "ControlBackground" : "ChosenDefault", x + 4, 400, 30, 16);
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
        const int solo = b.rounded(track == 1 ? "ChosenAlternative" : "ControlBackground", x + 38, 400, 30, 16);
        b.text(track == 1 ? "ControlOnAlternativeForeground" : "ControlForeground", x + 49, 412, 9, "S", solo);
        if (track < kTracks) {
            const char* arm = track == 2 ? "ChosenRecord" : track == 3 ? "ImplicitArm" : "ControlBackground";
            const int armButton = b.rounded(arm, x + 72, 400, 30, 16);
            b.glyph("ControlForeground", x + 83, 404, 8, 8, armButton, ShapeKind::Circle);
        }
        const int cue = b.rounded(track == 0 ? "ChosenPreListen" : "ControlBackground", x + 4, 420, 30, 14);
        b.glyph("ControlForeground", x + 14, 423, 8, 8, cue);
    }
    b.rect("ControlSelectionFrame", trackLeft(0) + 36, 398, 34, 20, Paint::Stroke);

    b.area("Mixer › Crossfader");
    const int fader = b.rect("SurfaceBackground", 224, 442, right - 224, 36);
    for (int track = 0; track < kMaster; ++track) {
        for (int side = 0; side < 2; ++side) {
            const bool chosen = (track == 0 && side == 0) || (track == 2 && side == 1);
            const double x = trackLeft(track) + 4 + side * 34;
            const int face = b.rounded(chosen ? "ChosenDefault" : "ControlBackground", x, 446, 30, 14);
            b.text(chosen ? "ControlOnForeground" : "ControlOffForeground", x + 11, 457, 9, side == 0 ? "A" : "B",
                   face);
        }
    }
    const double master = trackLeft(kMaster);
    const int slot = b.rect("ControlBackground", master + 4, 452, 100, 6);
    b.glyph("ControlFillHandle", master + 48, 446, 8, 18, slot);
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
// shown to its right, a zone per chain. Live's manual ("Instrument, Drum and
// Effect Racks", "Zones"): the three types of zones "whose editors are toggled
// with the buttons above the Chain List, are Key, Velocity, and Chain Select";
// "The Velocity Zone Editor, when displayed, replaces the Key Zone Editor to
// the right of the Chain List"; "Audio Effect Racks do not have key or velocity
// zones" (copies: manualshelf.com/manual/ableton/live-8-0/reference-manual-english/page-238.html,
// manualshive.com/ru/manual/ableton/live/3439922?page=240). Which colour paints
// what is inferred from the elements' names. Returns the index of the editor's scale.
int rack(Builder& b, double left, double width, double list, const std::vector<const char*>& toggles, std::size_t shown,
         const char* zone, const char* ramp, const char* const (&scale)[3], const std::vector<Chain>& chains)
{
    b.rect("SurfaceBackground", left, 474, width, 130);
    double x = left + 2;
    for (std::size_t i = 0; i < toggles.size(); ++i) {
        // Wide enough for its caption once the chain is fitted into the Detail View.
        const double w = (5 + 4.4 * static_cast<double>(std::char_traits<char>::length(toggles[i]))) / kFitted;
        const bool on = i == shown;
        const int face = b.rounded(on ? "ChosenDefault" : "ControlBackground", x, 477, w, 12);
        b.text(on ? "ControlOnForeground" : "ControlOffForeground", x + 3, 487, 8, toggles[i], face);
        x += w + 1;
    }
    const double editor = left + list + 2;
    const double span = width - list - 6;
    b.rect("SurfaceArea", editor, 492, span, 108);
    const int ruler = b.rect("ControlBackground", editor, 477, span, 12);
    b.text("ControlForeground", editor + 1, 487, 8, scale[0], ruler);
    b.text("ControlForeground", editor + span / 2 - 6, 487, 8, scale[1], ruler);
    b.text("ControlForeground", editor + span - 16, 487, 8, scale[2], ruler);
    for (std::size_t i = 0; i < chains.size(); ++i) {
        const double top = 496 + static_cast<double>(i) * 18;
        const bool selected = i == 0; // the focus is in the Detail View
        const int row = b.rect(selected ? "SelectionBackground" : "SurfaceBackground", left + 2, top, list - 2, 16);
        b.text(selected ? "SelectionForeground" : "ControlForeground", left + 6, top + 12, 9, chains[i].name, row);
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

// The devices of the selected MIDI track, each under its title bar: a MIDI
// Effect Rack showing its velocity zones, an Instrument Rack (selected)
// showing its key zones, Operator, a Drum Rack, EQ Eight, Compressor, an
// Audio Effect Rack showing its chain select zones, Saturator. Laid out 130
// high in the full width, then kFitted into the Detail View.
void deviceChain(Builder& b)
{
    b.area("Detail View");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const std::size_t first = b.size();

    const char* const velocities[3] = {"1", "64", "127"};
    const char* const keys[3] = {"C-2", "C3", "G8"};
    const char* const selector[3] = {"0", "64", "127"};
    b.area("Detail View › MIDI Effect Rack");
    rack(b, 4, 212, 118, {"Key", "Vel", "Chain", "Hide"}, 1, "VelocityZoneBackground", "VelocityZoneCrossfadeRamp",
         velocities, {{"Soft", 0, 0.7, 0.15}, {"Hard", 0.55, 1, 0}});
    b.area("Detail View › Instrument Rack");
    rack(b, 220, 214, 118, {"Key", "Vel", "Chain", "Hide"}, 0, "KeyZoneBackground", "KeyZoneCrossfadeRamp", keys,
         {{"Keys", 0.3, 0.75, 0.1}, {"Bass", 0, 0.4, 0.1}, {"Pad", 0.6, 1, 0}});
    b.area("Detail View › Audio Effect Rack");
    const int scale = rack(b, 894, 170, 72, {"Chain", "Hide"}, 0, "SelectorZoneBackground", "SelectorZoneCrossfadeRamp",
                           selector, {{"Dry", 0, 0.33, 0.05}, {"Warm", 0.33, 0.66, 0.05}, {"Crush", 0.66, 1, 0}});
    // The Chain selector: the mark above the chain select scale that picks the chains playing, here at 20.
    b.glyph("ControlForeground", 894 + 74 + 0.15 * 90, 487, 6, 5, scale, ShapeKind::Polyline);

    b.area("Detail View › Operator");
    b.rect("SurfaceBackground", 438, 474, 92, 130);
    const char* operators[] = {"Operator1", "Operator2", "Operator3", "Operator4"};
    for (int i = 0; i < 4; ++i) {
        const int box = b.rect(operators[i], 441 + i * 22, 482, 19, 22);
        b.text("ControlOnForeground", 446 + i * 22, 498, 10, std::string(1, static_cast<char>('A' + i)), box);
        b.polyline(operators[i],
                   {{441.0 + i * 22, 600}, {446.0 + i * 22, 520}, {453.0 + i * 22, 560}, {459.0 + i * 22, 600}});
    }

    b.area("Detail View › Drum Rack");
    b.rect("DrumRackScroller1", 534, 474, 16, 130);
    b.rect("DrumRackScroller2", 536, 540, 12, 40);
    for (int pad = 0; pad < 16; ++pad) {
        const double x = 554 + (pad % 4) * 23;
        const double y = 478 + (pad / 4) * 31;
        b.rect(pad % 3 == 0 ? "ControlBackground" : "FilledDrumRackPad", x, y, 21, 28);
    }

    b.area("Detail View › EQ Eight");
    b.rect("DisplayBackground", 650, 474, 136, 130);
    for (int i = 1; i < 4; ++i) {
        b.line("SpectrumGridLines", 650 + i * 34, 474, 650 + i * 34, 604);
    }
    std::vector<Point> spectrum;
    std::vector<Point> second;
    for (int i = 0; i <= 34; ++i) {
        spectrum.push_back({650 + i * 4.0, 580 - 40 * std::exp(-std::pow((i - 10) / 7.0, 2)) - 6 * std::sin(i)});
        second.push_back({650 + i * 4.0, 590 - 30 * std::exp(-std::pow((i - 18) / 9.0, 2))});
    }
    b.polyline("SpectrumDefaultColor", spectrum);
    b.polyline("SpectrumAlternativeColor", second);

    b.area("Detail View › Compressor");
    b.rect("DisplayBackground", 790, 474, 100, 130);
    b.polyline("InputCurveOutlineColor", {{790, 604}, {840, 534}, {890, 520}});
    b.polyline("InputCurveColor", {{790, 602}, {840, 532}, {890, 518}});
    b.polyline("OutputCurveOutlineColor", {{790, 604}, {840, 550}, {890, 544}});
    b.polyline("OutputCurveColor", {{790, 602}, {840, 548}, {890, 542}});
    b.line("ThresholdLineColor", 790, 534, 890, 534);
    b.line("GainReductionLineColor", 878, 480, 878, 520);

    b.area("Detail View › Saturator");
    const int retro = b.rect("RetroDisplayBackground", 1068, 474, 128, 130);
    for (int i = 1; i < 4; ++i) {
        b.line("RetroDisplayBackgroundLine", 1068, 474 + i * 32, 1196, 474 + i * 32);
    }
    b.polyline("RetroDisplayForeground", {{1068, 590}, {1110, 560}, {1150, 500}, {1196, 490}});
    b.polyline("RetroDisplayForeground2", {{1068, 600}, {1115, 580}, {1160, 540}, {1196, 530}});
    b.polyline("RetroDisplayForegroundDisabled", {{1068, 520}, {1196, 520}});
    b.glyph("RetroDisplayGreen", 1074, 480, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayRed", 1086, 480, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle1", 1106, 555, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle2", 1146, 495, 8, 8, retro, ShapeKind::Circle);
    b.text("RetroDisplayScaleText", 1072, 600, 9, "-12 dB", retro);

    // Into the Detail View: 968 wide from x 228, below the title bars.
    const double bodyTop = kDetailTop + 22;
    b.fit(first, 0, 474, 1200, 130, 228, bodyTop, 968, kStatusTop - 8 - bodyTop);

    // Every device's title bar: its name on the panel colour, and its activator.
    struct Title {
        const char* name;
        double left;
        double width;
    };
    const Title titles[] = {{"MIDI Effect Rack", 4, 212},    {"Instrument Rack", 220, 214}, {"Operator", 438, 92},
                            {"Drum Rack", 534, 112},         {"EQ Eight", 650, 136},        {"Compressor", 790, 100},
                            {"Audio Effect Rack", 894, 170}, {"Saturator", 1068, 128}};
    for (const Title& device : titles) {
        b.area(std::string("Detail View › ") + device.name);
        const double x = 228 + device.left * kFitted;
        const int title = b.rect("SurfaceBackground", x, kDetailTop + 4, device.width * kFitted, 16);
        b.glyph("ChosenDefault", x + 3, kDetailTop + 8, 8, 8, title, ShapeKind::Circle);
        b.text("ControlForeground", x + 14, kDetailTop + 16, 10, device.name, title);
    }
    b.area("Detail View › Instrument Rack");
    b.rect("SelectionFrame", 228 + 220 * kFitted - 2, kDetailTop + 2, 214 * kFitted + 4, kStatusTop - 6 - kDetailTop,
           Paint::Stroke);
}

Scene buildSession()
{
    Builder b("session", "Session");
    b.area("Window");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b);
    browser(b);
    clipGrid(b);
    mixer(b);
    deviceChain(b);
    infoAndStatus(b, "Clip Launch Button", "Click to start the clip.");
    return b.take();
}

} // namespace tintwright::sketch::drawing
