#include "SceneBuilder.h"

#include <cmath>
#include <string>
#include <vector>

// The control bar, the browser, the Info View and the status bar: in every view.
namespace tintwright::sketch::drawing {

// Live 10's control bar, left to right as Live's manual groups it (its Live 12
// copy, "Live Concepts", "The Control Bar": "setting your Set's tempo and time
// signature", "turn Follow on or off, as well as view and adjust the current
// Arrangement position", "controls for starting or stopping playback, and for
// starting Arrangement recording", "customizing MIDI overdub settings, arming
// automation, re-enabling automation for currently overriden parameters,
// capturing MIDI, and starting Session recording", "activate and configure the
// Arrangement loop and the recording punch-in and punch-out points";
// ableton.com/de/manual/live-concepts). Live 9's manual names the same
// buttons: "The Control Bar's Session Record Button", "The Control Bar's
// Quantization Chooser" ("Live Concepts", manualshelf.com/manual/ableton/
// live-9-0/reference-manual-english/page-28.html), "the Control Bar's
// Re-Enable Automation button lights" (page-260.html), "the Control Bar's
// Draw Mode switch" (ableton.com/en/manual/editing-midi-notes-and-velocities);
// Ableton's help: "press the Capture MIDI button on the transport"
// (help.ableton.com/hc/en-us/articles/360000776450-Capture-MIDI). Where each
// sits within its group and which colour paints it are inferred.
//
// What MIDI and Key Map Mode can assign here, Live 10's manual ("MIDI and Key
// Remote Control", ecmfa-2011.org/index-1497.html): "the Control Bar's tap
// tempo, metronome and transport controls"; not the time signature, the
// Arrangement position or the loop and punch fields ("Time signature",
// "Arrangement position", "Loop punch in/length" in a user's list of what
// "*cannot* be MIDI mapped", gist.github.com/nikreiman/5721141).
//
// Live plays: the play triangle is lit, stop and record are off, the button
// that re-enables automation is unavailable, the Arrangement loop is on; a Set
// is loading. The map switches are lit in their mode's colour with the caption
// of any lit switch (inferred), or off.
void controlBar(Builder& b, MapMode mode)
{
    b.area("Control bar");
    const int bar = b.rect("SurfaceBackground", 0, 0, 1200, 40);
    const auto field = [&](double x, double w, const char* words) {
        const int face = b.rect("ControlBackground", x, 12, w, 16);
        b.text("ControlForeground", x + 3, 24, 9, words, face);
        return face;
    };
    // A button with an icon: a filled square or circle, or a line through
    // points given in eighths of the icon's 8 by 8 box.
    const auto button = [&](const char* face, double x, double w, ShapeKind glyph, std::vector<Point> eighths = {}) {
        const int index = b.rect(face, x, 12, w, 16);
        const double left = x + w / 2 - 4;
        if (eighths.empty()) {
            b.glyph("ControlForeground", left, 16, 8, 8, index, glyph);
        } else {
            for (Point& point : eighths) {
                point = {left + point.x, 16 + point.y};
            }
            b.icon("ControlForeground", std::move(eighths), index);
        }
        return index;
    };
    b.mappable(field(6, 26, "TAP"));
    b.mappable(field(36, 44, "120.00"));
    b.mappable(button("ControlBackground", 84, 12, ShapeKind::Polyline, {{6, 0}, {2, 4}, {6, 8}})); // nudge down
    b.mappable(button("ControlBackground", 98, 12, ShapeKind::Polyline, {{2, 0}, {6, 4}, {2, 8}})); // nudge up
    field(116, 34, "4 / 4");
    b.mappable(b.button("ChosenDefault", "ControlOnForeground", 154, 12, 20, 16, "M"));
    b.mappable(field(178, 40, "1 Bar"));
    button("ControlBackground", 226, 18, ShapeKind::Polyline, {{0, 8}, {0, 0}, {8, 4}, {0, 8}}); // Follow
    const int position = b.rect("TransportSelectionBackground", 248, 12, 64, 16);
    b.text("ControlForeground", 252, 24, 9, "3. 1. 1", position);
    b.rect("TransportProgress", 248, 30, 36, 3);
    b.rect("ControlContrastTransport", 318, 9, 88, 22, Paint::Stroke);
    b.mappable(b.glyph("ChosenPlay", 324, 13, 12, 14, bar, ShapeKind::Polyline));
    b.mappable(button("TransportOffBackground", 342, 26, ShapeKind::Rect)); // stop
    b.mappable(button("TransportOffBackground", 374, 26, ShapeKind::Circle)); // Arrangement record
    b.mappable(button("TransportOffBackground", 414, 20, ShapeKind::Polyline,
                      {{0, 4}, {8, 4}, {4, 4}, {4, 0}, {4, 8}})); // MIDI Arrangement Overdub
    b.mappable(button("TransportOffBackground", 436, 20, ShapeKind::Polyline,
                      {{0, 8}, {3, 2}, {5, 6}, {8, 0}})); // Automation Arm
    const int reenable = b.rect("TransportOffBackground", 458, 12, 20, 16);
    b.glyph("TransportOffDisabledForeground", 464, 16, 8, 8, reenable, ShapeKind::Polyline);
    b.mappable(button("TransportOffBackground", 480, 20, ShapeKind::Rect)); // Capture MIDI
    b.mappable(button("TransportOffBackground", 502, 20, ShapeKind::Circle)); // Session Record
    field(530, 50, "1. 1. 1"); // loop start, punch-in point
    b.mappable(button("ControlBackground", 584, 14, ShapeKind::Polyline, {{6, 0}, {2, 0}, {2, 8}, {6, 8}})); // punch-in
    const int loop = b.mappable(b.rect("ChosenDefault", 600, 12, 20, 16)); // loop, on
    b.icon("ControlOnForeground", {{606, 22}, {606, 18}, {614, 18}, {614, 22}, {610, 22}}, loop);
    b.mappable(
        button("ControlBackground", 622, 14, ShapeKind::Polyline, {{2, 0}, {6, 0}, {6, 8}, {2, 8}})); // punch-out
    field(640, 50, "4. 0. 0"); // loop, punch region length
    button("ControlBackground", 698, 18, ShapeKind::Polyline, {{0, 8}, {8, 0}}); // Draw Mode: a pencil
    const int progress = b.rect("Progress", 740, 12, 150, 16);
    b.text("ProgressText", 746, 24, 10, "Loading 62 %", progress);
    const char* key = mode == MapMode::Key ? "LearnKey" : "ControlBackground";
    const char* midi = mode == MapMode::Midi ? "LearnMidi" : "ControlBackground";
    b.button(key, mode == MapMode::Key ? "ControlOnForeground" : "ControlOffForeground", 1040, 10, 34, 20, "KEY");
    b.button(midi, mode == MapMode::Midi ? "ControlOnForeground" : "ControlOffForeground", 1078, 10, 38, 20, "MIDI");
    b.text("ControlForeground", 1124, 25, 10, "CPU 12 %", bar);
    b.rect("Alert", 1186, 12, 8, 16);
    b.glyph("AbletonColor", 1170, 14, 6, 6, bar, ShapeKind::Circle);
    b.line("ShadowLight", 0, 38, 1200, 38);
    b.line("ShadowDark", 0, 42, 1200, 42);
}

namespace {

// The mappings of the mode, one a row with what Live's Mapping Browser lists
// (the control's path and name, the key or MIDI message, and the range), the
// selected one with its range fields.
void mappingBrowser(Builder& b, MapMode mode, double bottom)
{
    b.area("Browser › Mapping Browser");
    const int list = b.rect("SurfaceBackground", 0, 44, 220, bottom - 44);
    const int head = b.rect("TreeColumnHeadBackground", 0, 44, 220, 16);
    b.text("TreeColumnHeadForeground", 4, 56, 9, mode == MapMode::Midi ? "Note/Control  Name" : "Key  Name", head);
    b.text("TreeColumnHeadForeground", 150, 56, 9, "Min   Max", head);
    const char* const names[] = {"Clip 1", "1 Drums Volume", "Tempo"};
    const char* const keys[] = {"Q", "1", "T"};
    const char* const midi[] = {"C1", "CC 7", "CC 20"};
    for (int row = 0; row < 3; ++row) {
        const double top = 64 + row * 20;
        const std::string message = mode == MapMode::Midi ? midi[row] : keys[row];
        b.text("ControlForeground", 4, top + 12, 9, message + "  " + names[row], list);
    }
    const int min = b.rect("RangeEditField", 146, 86, 32, 14);
    b.text("ControlForeground", 148, 97, 8, "-inf", min);
    const int max = b.rect("RangeEditField2", 182, 86, 32, 14);
    b.text("ControlForeground", 184, 97, 8, "0 dB", max);
}

} // namespace

// Categories, the list with its column heads, a selection, search matches and
// the preview of the selected sample; in a map mode the Mapping Browser in its
// place. Live 9's manual ("MIDI and Key Remote Control"): on entering MIDI Map
// Mode "the Mapping Browser becomes available" and on leaving it "The Mapping
// Browser will disappear" (ableton.manymanuals.de/software/live-9-0/
// user-manual-36533/483). That Key Map Mode shows it too is inferred.
void browser(Builder& b, MapMode mode)
{
    const double bottom = kDetailTop - 4;
    if (mode != MapMode::Off) {
        mappingBrowser(b, mode, bottom);
        return;
    }
    b.area("Browser");
    b.rect("BrowserBar", 0, 44, 220, 24);
    const int search = b.rect("ControlTextBack", 6, 48, 208, 16);
    b.text("BrowserBarOverlayHintTextColor", 10, 60, 10, "Search (Ctrl + F)", search);
    const int categories = b.rect("TreeRowCategoryBackground", 0, 68, 80, bottom - 68);
    // Live 10's browser: its categories, then its places (Collections came with Live 11).
    double y = 84;
    for (const char* category : {"Sounds", "Drums", "Instruments", "Audio Effects", "MIDI Effects", "Max for Live",
                                 "Plug-ins", "Clips", "Samples"}) {
        b.text("TreeRowCategoryForeground", 6, y, 9, category, categories);
        y += 15;
    }
    y += 8;
    for (const char* place : {"Packs", "User Library", "Current Project", "Add Folder…"}) {
        b.text("TreeRowCategoryForeground", 6, y, 9, place, categories);
        y += 15;
    }
    const int list = b.rect("SurfaceBackground", 82, 68, 130, bottom - 68);
    const int head = b.rect("TreeColumnHeadBackground", 82, 68, 80, 16);
    b.text("TreeColumnHeadForeground", 86, 80, 9, "Name", head);
    const int sorted = b.rect("TreeColumnHeadSelected", 162, 68, 30, 16);
    b.glyph("TreeColumnHeadControl", 172, 72, 8, 6, sorted, ShapeKind::Polyline);
    b.rect("TreeColumnHeadFocus", 192, 68, 20, 16);
    b.text("ControlForeground", 86, 100, 10, "Bass Drum.adg", list);
    const int selected = b.rect("SelectionBackground", 82, 106, 130, 16);
    b.text("SelectionForeground", 86, 118, 10, "Dusty Kit.adg", selected);
    const int match = b.rect("SearchIndication", 82, 124, 40, 16);
    b.text("ControlForeground", 86, 136, 10, "Dust", match);
    const int standby = b.rect("SearchIndicationStandby", 82, 142, 40, 16);
    b.text("ControlForeground", 86, 154, 10, "Dust", standby);
    b.text("BrowserDisabledItem", 86, 172, 10, "Missing.vst", list);
    std::vector<Point> wave;
    for (int i = 0; i <= 30; ++i) {
        wave.push_back({86 + i * 4.0, bottom - 14 + 8 * std::sin(i * 1.3) * (1 - i / 36.0)});
    }
    b.line("ShadowDark", 82, bottom - 28, 212, bottom - 28);
    b.polyline("BrowserSampleWaveform", wave);
    b.rect("ScrollbarInnerTrack", 212, 68, 8, bottom - 68);
    b.rect("ScrollbarInnerHandle", 213, 90, 6, 60);
}

// The Info View below the browser names what is under the pointer; the status
// bar along the bottom says what Live did, with the switches that show the
// Info View and the Detail View.
void infoAndStatus(Builder& b, const char* topic, const char* help)
{
    b.area("Info View");
    const int info = b.rect("SurfaceBackground", 0, kDetailTop, 220, kStatusTop - kDetailTop - 4);
    b.text("ControlForeground", 6, kDetailTop + 16, 10, topic, info);
    b.text("ControlForeground", 6, kDetailTop + 32, 9, help, info);
    b.area("Status bar");
    const int bar = b.rect("SurfaceBackground", 0, kStatusTop, 1200, 14);
    b.rect("ViewCheckControlEnabledOn", 4, kStatusTop + 3, 12, 8);
    b.text("ControlForeground", 24, kStatusTop + 11, 9, "Clip 3 launched", bar);
    b.rect("ViewCheckControlEnabledOff", 1184, kStatusTop + 3, 12, 8);
}

} // namespace tintwright::sketch::drawing
