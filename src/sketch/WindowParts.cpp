#include "SceneBuilder.h"

#include <cmath>
#include <vector>

// The control bar, the browser, the Info View and the status bar: in every view.
namespace tintwright::sketch::drawing {

// Transport, tempo, position, metronome, map modes and CPU along the top. Live
// plays: the play triangle is lit; stop and record are off; the button that
// re-enables automation is unavailable.
void controlBar(Builder& b)
{
    b.area("Control bar");
    const int bar = b.rect("SurfaceBackground", 0, 0, 1200, 40);
    const int tempo = b.rect("ControlBackground", 10, 10, 60, 20);
    b.text("ControlForeground", 14, 25, 11, "120.00", tempo);
    b.button("ChosenDefault", "ControlOnForeground", 80, 10, 24, 20, "M");
    b.rect("ControlContrastTransport", 300, 8, 130, 24, Paint::Stroke);
    b.glyph("ChosenPlay", 313, 13, 12, 14, bar, ShapeKind::Polyline);
    const int stop = b.rect("TransportOffBackground", 336, 10, 28, 20);
    b.glyph("ControlForeground", 344, 14, 12, 12, stop);
    const int record = b.rect("TransportOffBackground", 368, 10, 26, 20);
    b.glyph("ControlForeground", 375, 14, 12, 12, record, ShapeKind::Circle);
    const int automation = b.rect("TransportOffBackground", 398, 10, 28, 20);
    b.glyph("TransportOffDisabledForeground", 406, 14, 12, 12, automation, ShapeKind::Polyline);
    const int position = b.rect("TransportSelectionBackground", 440, 10, 80, 20);
    b.text("ControlForeground", 444, 25, 11, "3. 1. 1", position);
    b.rect("TransportProgress", 440, 31, 44, 3);
    const int progress = b.rect("Progress", 540, 12, 150, 16);
    b.text("ProgressText", 546, 24, 10, "Loading 62 %", progress);
    // The switches of Key and MIDI Map Mode lit, their captions as on any lit switch (inferred).
    b.button("LearnKey", "ControlOnForeground", 1040, 10, 34, 20, "KEY");
    b.button("LearnMidi", "ControlOnForeground", 1078, 10, 38, 20, "MIDI");
    b.text("ControlForeground", 1124, 25, 10, "CPU 12 %", bar);
    b.rect("Alert", 1186, 12, 8, 16);
    b.glyph("AbletonColor", 1170, 14, 6, 6, bar, ShapeKind::Circle);
    b.line("ShadowLight", 0, 38, 1200, 38);
    b.line("ShadowDark", 0, 42, 1200, 42);
}

// Categories, the list with its column heads, a selection, search matches and
// the preview of the selected sample; in MIDI Map Mode the Mapping Browser.
void browser(Builder& b)
{
    const double bottom = kDetailTop - 4;
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

    // MIDI Map Mode shows the mappings in the browser's place, with their range fields.
    b.area("Browser › Mapping Browser");
    const double top = bottom - 110;
    const int panel = b.rect("SurfaceBackground", 0, top, 220, 40);
    b.text("ControlForeground", 6, top + 16, 10, "Mapping: Volume", panel);
    const int min = b.rect("RangeEditField", 6, top + 22, 60, 14);
    b.text("ControlForeground", 10, top + 33, 9, "-inf dB", min);
    const int max = b.rect("RangeEditField2", 70, top + 22, 60, 14);
    b.text("ControlForeground", 74, top + 33, 9, "0.0 dB", max);
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
