#include "Scene.h"

#include "ElementTable.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace tintwright::sketch {

namespace {

// Adds shapes to a scene; each call returns the new shape's index, so text can
// name the shape it stands on.
class Builder {
public:
    explicit Builder(std::string name) { m_scene.name = std::move(name); }

    int rect(const char* element, double x, double y, double w, double h, Paint paint = Paint::Fill)
    {
        return add(ShapeKind::Rect, paint, element, x, y, w, h);
    }
    int rounded(const char* element, double x, double y, double w, double h, Paint paint = Paint::Fill)
    {
        return add(ShapeKind::RoundedRect, paint, element, x, y, w, h);
    }
    int line(const char* element, double x1, double y1, double x2, double y2)
    {
        const int index = add(ShapeKind::Line, Paint::Stroke, element, std::min(x1, x2), std::min(y1, y2),
                              std::abs(x2 - x1), std::abs(y2 - y1));
        m_scene.shapes.back().points = {{x1, y1}, {x2, y2}};
        return index;
    }
    int polyline(const char* element, std::vector<Point> points)
    {
        double left = points.front().x, top = points.front().y, right = left, bottom = top;
        for (const Point& point : points) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
            top = std::min(top, point.y);
            bottom = std::max(bottom, point.y);
        }
        const int index = add(ShapeKind::Polyline, Paint::Stroke, element, left, top, right - left, bottom - top);
        m_scene.shapes.back().points = std::move(points);
        return index;
    }
    int circle(const char* element, double cx, double cy, double r, Paint paint = Paint::Fill)
    {
        return add(ShapeKind::Circle, paint, element, cx - r, cy - r, 2 * r, 2 * r);
    }
    int arc(const char* element, double cx, double cy, double r, double start, double span)
    {
        const int index = add(ShapeKind::Arc, Paint::Stroke, element, cx - r, cy - r, 2 * r, 2 * r);
        m_scene.shapes.back().startAngle = start;
        m_scene.shapes.back().spanAngle = span;
        return index;
    }
    int text(const char* element, double x, double baseline, double size, std::string words, int on)
    {
        const double width = size * 0.55 * static_cast<double>(words.size());
        const int index = add(ShapeKind::Text, Paint::Fill, element, x, baseline, width, size);
        m_scene.shapes.back().text = std::move(words);
        m_scene.shapes.back().standsOn = on;
        return index;
    }
    // A small graphic (an icon, a mark) standing on another shape.
    int glyph(const char* element, double x, double y, double w, double h, int on, ShapeKind kind = ShapeKind::Rect)
    {
        const int index = add(kind, Paint::Fill, element, x, y, w, h);
        m_scene.shapes.back().standsOn = on;
        m_scene.shapes.back().glyph = true;
        return index;
    }
    // A rotary knob: ring, value arc and needle.
    void knob(double cx, double cy, bool active, bool bipolar, int on)
    {
        const double r = 11;
        arc(active ? "Poti" : "DeactivatedPoti", cx, cy, r, -45, 270);
        if (bipolar) {
            glyph("BipolarPotiTriangle", cx - 3, cy - r - 7, 6, 5, on);
            arc("BipolReset", cx, cy, r + 3, 85, 10);
        }
        const char* needle = active ? "PotiNeedle" : "DeactivatedPotiNeedle";
        line(needle, cx, cy, cx + r * 0.7, cy - r * 0.7);
        m_scene.shapes.back().standsOn = on;
        m_scene.shapes.back().glyph = true;
    }
    // A button with a caption: its face and its text.
    int button(const char* face, const char* caption, double x, double y, double w, double h, std::string words)
    {
        const int index = rounded(face, x, y, w, h);
        text(caption, x + 4, y + h - 5, 10, std::move(words), index);
        return index;
    }

    std::size_t size() const { return m_scene.shapes.size(); }

    // Stretches the shapes from `first` on downwards from `top` by `factor`;
    // circles, arcs and text keep their size and only move.
    void stretchDown(std::size_t first, double top, double factor)
    {
        for (std::size_t i = first; i < m_scene.shapes.size(); ++i) {
            Shape& shape = m_scene.shapes[i];
            const bool rigid =
                shape.kind == ShapeKind::Circle || shape.kind == ShapeKind::Arc || shape.kind == ShapeKind::Text;
            const double anchor = rigid && shape.kind != ShapeKind::Text ? shape.y + shape.h / 2 : shape.y;
            const double moved = top + (anchor - top) * factor;
            if (rigid) {
                shape.y += moved - anchor;
            } else {
                shape.y = moved;
                shape.h *= factor;
            }
            for (Point& point : shape.points) {
                point.y = top + (point.y - top) * factor;
            }
        }
    }

    Scene take() { return std::move(m_scene); }

private:
    int add(ShapeKind kind, Paint paint, const char* element, double x, double y, double w, double h)
    {
        Shape shape;
        shape.kind = kind;
        shape.paint = paint;
        shape.element = element;
        shape.x = x;
        shape.y = y;
        shape.w = w;
        shape.h = h;
        m_scene.shapes.push_back(std::move(shape));
        return static_cast<int>(m_scene.shapes.size()) - 1;
    }

    Scene m_scene;
};

// The Session view's tracks stand side by side from here, each this wide.
constexpr double kTracksLeft = 228;
constexpr double kTrackWidth = 112;

constexpr double trackLeft(int track)
{
    return kTracksLeft + track * kTrackWidth;
}

// Transport, tempo, position, metronome, map modes and CPU along the top.
void controlBar(Builder& b)
{
    const int bar = b.rect("SurfaceBackground", 0, 0, 1200, 40);
    const int tempo = b.rect("ControlBackground", 10, 10, 60, 20);
    b.text("ControlForeground", 14, 25, 11, "120.00", tempo);
    b.button("ChosenDefault", "ControlOnForeground", 80, 10, 24, 20, "M");
    b.rect("ControlContrastTransport", 300, 8, 96, 24, Paint::Stroke);
    const int play = b.rect("TransportOffBackground", 304, 10, 28, 20);
    b.glyph("ChosenPlay", 313, 13, 12, 14, play, ShapeKind::Polyline);
    const int stop = b.rect("TransportOffBackground", 336, 10, 28, 20);
    b.glyph("TransportOffDisabledForeground", 344, 14, 12, 12, stop);
    const int record = b.rect("TransportOffBackground", 368, 10, 26, 20);
    b.glyph("ChosenRecord", 375, 14, 12, 12, record, ShapeKind::Circle);
    const int position = b.rect("TransportSelectionBackground", 410, 10, 80, 20);
    b.text("ControlForeground", 414, 25, 11, "3. 1. 1", position);
    b.rect("TransportProgress", 410, 31, 44, 3);
    const int progress = b.rect("Progress", 520, 12, 150, 16);
    b.text("ProgressText", 526, 24, 10, "Loading 62 %", progress);
    b.button("LearnKey", "ControlForeground", 1040, 10, 34, 20, "KEY");
    b.button("LearnMidi", "ControlForeground", 1078, 10, 38, 20, "MIDI");
    b.text("ControlForeground", 1124, 25, 10, "CPU 12 %", bar);
    b.rect("Alert", 1186, 12, 8, 16);
    b.glyph("AbletonColor", 1170, 14, 6, 6, bar, ShapeKind::Circle);
    b.line("ShadowLight", 0, 38, 1200, 38);
    b.line("ShadowDark", 0, 42, 1200, 42);
}

// Categories, the list with its column heads, a selection and search matches.
void browser(Builder& b, double height)
{
    b.rect("BrowserBar", 0, 44, 220, 24);
    const int search = b.rect("ControlTextBack", 6, 48, 208, 16);
    b.text("BrowserBarOverlayHintTextColor", 10, 60, 10, "Search (Ctrl + F)", search);
    const int categories = b.rect("TreeRowCategoryBackground", 0, 68, 80, height - 68);
    double y = 86;
    for (const char* category : {"Sounds", "Drums", "Instruments", "Audio Effects", "Plug-ins"}) {
        b.text("TreeRowCategoryForeground", 6, y, 10, category, categories);
        y += 18;
    }
    const int list = b.rect("SurfaceBackground", 82, 68, 130, height - 68);
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
    b.rect("MeterBackground", 84, height - 30, 126, 24);
    std::vector<Point> wave;
    for (int i = 0; i <= 30; ++i) {
        wave.push_back({86 + i * 4.0, height - 18 + 8 * std::sin(i * 1.3) * (1 - i / 36.0)});
    }
    b.polyline("BrowserSampleWaveform", wave);
    b.rect("ScrollbarInnerTrack", 212, 68, 8, height - 68);
    b.rect("ScrollbarInnerHandle", 213, 90, 6, 60);
}

// A mapping list as MIDI Map Mode shows it in the browser's place, with its range fields.
void mappings(Builder& b)
{
    const int panel = b.rect("SurfaceBackground", 0, 330, 220, 40);
    b.text("ControlForeground", 6, 346, 10, "Mapping: Volume", panel);
    const int min = b.rect("RangeEditField", 6, 352, 60, 14);
    b.text("ControlForeground", 10, 363, 9, "-inf dB", min);
    const int max = b.rect("RangeEditField2", 70, 352, 60, 14);
    b.text("ControlForeground", 74, 363, 9, "0.0 dB", max);
}

// Clip slots with clips playing, recording, stopped and empty; scene launch.
void sessionTracks(Builder& b)
{
    b.rect("SurfaceArea", 224, 44, 740, 230);
    static const char* const kClips[] = {"Clip1", "Clip2",  "Clip3",  "Clip4",  "Clip5",  "Clip6",  "Clip7",  "Clip8",
                                         "Clip9", "Clip10", "Clip11", "Clip12", "Clip13", "Clip14", "Clip15", "Clip16"};
    static const char* const kTracks[] = {"1 Drums", "2 Bass", "3 Keys", "4 Pad", "5 Vox", "6 Frozen"};
    for (int track = 0; track < 6; ++track) {
        const double x = trackLeft(track);
        const bool frozen = track == 5;
        const int header = b.rect(track == 2 ? "SurfaceHighlight" : "SurfaceBackground", x, 46, 108, 18);
        b.text("ControlForeground", x + 4, 59, 10, kTracks[track], header);
        for (int slot = 0; slot < 4; ++slot) {
            const double y = 68 + slot * 24;
            const int clipIndex = track * 3 + slot;
            const bool empty = (track + slot) % 4 == 3;
            if (empty) {
                const int cell = b.rect("SurfaceArea", x, y, 108, 20);
                b.glyph("ClipSlotButton", x + 4, y + 5, 10, 10, cell);
                continue;
            }
            const int clip = b.rect(frozen ? "FreezeColor" : kClips[clipIndex % 16], x, y, 108, 20);
            b.rect("ClipBorder", x, y, 108, 20, Paint::Stroke);
            b.text("ClipText", x + 20, y + 14, 10, "Clip " + std::to_string(clipIndex + 1), clip);
            if (slot == 0 && track == 0) {
                b.glyph("ChosenPlay", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
                b.rect("TransportProgress", x, y + 17, 60, 3);
            } else if (slot == 1 && track == 1) {
                b.glyph("ChosenRecord", x + 4, y + 5, 10, 10, clip, ShapeKind::Circle);
            } else if (slot == 2 && track == 0) {
                b.glyph("ChosenAlert", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
            } else {
                b.glyph("ControlForeground", x + 4, y + 4, 10, 12, clip, ShapeKind::Polyline);
            }
        }
        const int stopRow = b.rect("SurfaceBackground", x, 166, 108, 16);
        b.glyph("ClipSlotButton", x + 48, 169, 10, 10, stopRow);
    }
    // Two more clips show the rest of the palette; a selected and an unfocused selected clip.
    for (int i = 0; i < 16; ++i) {
        b.rect(kClips[i], kTracksLeft + i * 42, 190, 38, 12);
    }
    const int chosen = b.rect("StandbySelectionBackground", kTracksLeft, 208, 108, 20);
    b.text("StandbySelectionForeground", 232, 222, 10, "Fill (selected)", chosen);
    b.rect("SelectionFrame", 340, 208, 108, 20, Paint::Stroke);
    for (int scene = 0; scene < 4; ++scene) {
        const int launch = b.rect("SurfaceBackground", 904, 68 + scene * 24, 56, 20);
        b.glyph("ControlForeground", 908, 72 + scene * 24, 10, 12, launch, ShapeKind::Polyline);
    }
}

// Meters, volume, pan, activator, solo, arm, cue; map-mode overlays on two controls.
void mixer(Builder& b)
{
    const int strip = b.rect("SurfaceBackground", 224, 278, 740, 188);
    for (int track = 0; track < 6; ++track) {
        const double x = trackLeft(track);
        b.rect("MeterBackground", x + 4, 290, 8, 100);
        b.rect("ControlFillHandle", x + 20, 340, 30, 6);
        b.rect("ControlContrastFrame", x + 18, 288, 34, 104, Paint::Stroke);
        b.knob(x + 80, 310, true, true, strip);
        if (track == 0) {
            b.arc("RangeDefault", x + 80, 310, 15, -45, 180);
        }
        const int activator = b.rounded(track == 4 ? "ControlBackground" : "ChosenDefault", x + 4, 400, 30, 16);
        b.text(track == 4 ? "ControlOffForeground" : "ControlOnForeground", x + 14, 412, 9, std::to_string(track + 1),
               activator);
        const int solo = b.rounded(track == 1 ? "ChosenAlternative" : "ControlBackground", x + 38, 400, 30, 16);
        b.text(track == 1 ? "ControlOnAlternativeForeground" : "ControlForeground", x + 49, 412, 9, "S", solo);
        const char* arm = track == 2 ? "ChosenRecord" : track == 3 ? "ImplicitArm" : "ControlBackground";
        const int armButton = b.rounded(arm, x + 72, 400, 30, 16);
        b.glyph("ControlForeground", x + 83, 404, 8, 8, armButton, ShapeKind::Circle);
        const int cue = b.rounded(track == 0 ? "ChosenPreListen" : "ControlBackground", x + 4, 420, 30, 14);
        b.glyph("ControlForeground", x + 14, 423, 8, 8, cue);
    }
    // A track whose controls are unavailable.
    const int disabledOn = b.rounded("ControlDisabled", trackLeft(5) + 38, 420, 30, 14);
    b.text("ControlOnDisabledForeground", trackLeft(5) + 49, 431, 9, "S", disabledOn);
    const int disabledOff = b.rounded("ControlDisabled", trackLeft(5) + 72, 420, 30, 14);
    b.text("ControlOffDisabledForeground", trackLeft(5) + 83, 431, 9, "C", disabledOff);
    b.text("TextDisabled", trackLeft(5) + 4, 450, 9, "Frozen", strip);
    b.rect("ControlSelectionFrame", trackLeft(0) + 38 - 2, 398, 34, 20, Paint::Stroke);
    b.rect("LearnMidi", trackLeft(1) + 20, 300, 30, 50);
    b.rect("LearnMacro", trackLeft(2) + 66, 296, 28, 28);
    b.arc("RangeDisabled", trackLeft(4) + 80, 310, 15, -45, 120);
    b.arc("RangeDisabledOff", trackLeft(4) + 80, 310, 18, 75, 90);
    // View selectors along the right edge, and the outer scroll bar.
    b.rect("ViewCheckControlEnabledOn", 946, 282, 14, 10);
    b.rect("ViewCheckControlEnabledOff", 946, 296, 14, 10);
    b.rect("ViewCheckControlDisabledOn", 946, 310, 14, 10);
    b.rect("ViewCheckControlDisabledOff", 946, 324, 14, 10);
    b.rect("ScrollbarOuterTrack", 224, 458, 720, 8);
    b.rect("ScrollbarOuterHandle", 300, 459, 200, 6);
}

// The Preferences window's tabs, beside the Session view.
void preferences(Builder& b)
{
    const int window = b.rect("SurfaceBackground", 968, 44, 228, 230);
    b.text("ControlForeground", 974, 60, 10, "Preferences", window);
    double y = 70;
    for (const char* tab : {"Look/Feel", "Audio", "Link/MIDI", "File/Folder"}) {
        const bool chosen = y == 70;
        const int face = b.rect(chosen ? "PreferencesTab" : "ControlBackground", 972, y, 80, 18);
        b.text("ControlForeground", 976, y + 13, 10, tab, face);
        y += 22;
    }
}

// Devices: knobs, an EQ, a compressor, Operator, a Drum Rack, a zone editor, a retro display.
void deviceChain(Builder& b)
{
    b.rect("DetailViewBackground", 0, 470, 1200, 290);
    const int title = b.rect("SurfaceBackground", 4, 474, 150, 16);
    b.text("ControlForeground", 8, 486, 10, "Auto Filter", title);
    const int device = b.rect("SurfaceBackground", 4, 492, 150, 120);
    b.knob(30, 530, true, false, device);
    b.knob(70, 530, true, true, device);
    b.knob(110, 530, false, false, device);
    b.text("TextDisabled", 96, 560, 9, "Off", device);

    b.rect("DisplayBackground", 160, 474, 200, 130);
    for (int i = 1; i < 5; ++i) {
        b.line("SpectrumGridLines", 160 + i * 40, 474, 160 + i * 40, 604);
    }
    std::vector<Point> spectrum;
    std::vector<Point> second;
    for (int i = 0; i <= 40; ++i) {
        spectrum.push_back({160 + i * 5.0, 580 - 40 * std::exp(-std::pow((i - 12) / 8.0, 2)) - 6 * std::sin(i)});
        second.push_back({160 + i * 5.0, 590 - 30 * std::exp(-std::pow((i - 20) / 10.0, 2))});
    }
    b.polyline("SpectrumDefaultColor", spectrum);
    b.polyline("SpectrumAlternativeColor", second);

    b.rect("DisplayBackground", 366, 474, 140, 130);
    b.polyline("InputCurveOutlineColor", {{366, 604}, {436, 534}, {506, 520}});
    b.polyline("InputCurveColor", {{366, 602}, {436, 532}, {506, 518}});
    b.polyline("OutputCurveOutlineColor", {{366, 604}, {436, 550}, {506, 544}});
    b.polyline("OutputCurveColor", {{366, 602}, {436, 548}, {506, 542}});
    b.line("ThresholdLineColor", 366, 534, 506, 534);
    b.line("GainReductionLineColor", 490, 480, 490, 520);

    b.rect("SurfaceBackground", 512, 474, 120, 130);
    const char* operators[] = {"Operator1", "Operator2", "Operator3", "Operator4"};
    for (int i = 0; i < 4; ++i) {
        const int box = b.rect(operators[i], 520 + i * 27, 482, 22, 22);
        b.text("ControlForeground", 527 + i * 27, 498, 10, std::string(1, static_cast<char>('A' + i)), box);
        b.polyline(operators[i],
                   {{520.0 + i * 27, 600}, {526.0 + i * 27, 520}, {534.0 + i * 27, 560}, {540.0 + i * 27, 600}});
    }

    b.rect("DrumRackScroller1", 638, 474, 20, 130);
    b.rect("DrumRackScroller2", 640, 540, 16, 40);
    for (int pad = 0; pad < 16; ++pad) {
        const double x = 662 + (pad % 4) * 30;
        const double y = 478 + (pad / 4) * 30;
        b.rect(pad % 3 == 0 ? "ControlBackground" : "FilledDrumRackPad", x, y, 28, 28);
    }

    b.rect("SurfaceArea", 786, 474, 200, 130);
    b.rect("KeyZoneBackground", 790, 480, 150, 14);
    b.polyline("KeyZoneCrossfadeRamp", {{940, 494}, {970, 480}});
    b.rect("VelocityZoneBackground", 800, 500, 120, 14);
    b.polyline("VelocityZoneCrossfadeRamp", {{920, 514}, {950, 500}});
    b.rect("SelectorZoneBackground", 810, 520, 100, 14);
    b.polyline("SelectorZoneCrossfadeRamp", {{910, 534}, {940, 520}});

    const int retro = b.rect("RetroDisplayBackground", 992, 474, 200, 130);
    for (int i = 1; i < 4; ++i) {
        b.line("RetroDisplayBackgroundLine", 992, 474 + i * 32, 1192, 474 + i * 32);
    }
    b.polyline("RetroDisplayForeground", {{992, 590}, {1050, 560}, {1100, 500}, {1192, 490}});
    b.polyline("RetroDisplayForeground2", {{992, 600}, {1060, 580}, {1130, 540}, {1192, 530}});
    b.polyline("RetroDisplayForegroundDisabled", {{992, 520}, {1192, 520}});
    b.glyph("RetroDisplayGreen", 1000, 480, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayRed", 1012, 480, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle1", 1046, 555, 8, 8, retro, ShapeKind::Circle);
    b.glyph("RetroDisplayHandle2", 1096, 495, 8, 8, retro, ShapeKind::Circle);
    b.text("RetroDisplayScaleText", 996, 600, 9, "-12 dB", retro);
}

// Ruler, loop brace, grid tiles, clips with waveform and notes, automation and
// modulation with the transform tool, a time selection.
void arrangement(Builder& b)
{
    b.rect("SurfaceAreaFocus", 224, 44, 972, 360);
    b.rect("ScrollbarLCDTrack", 224, 44, 972, 10);
    b.rect("ScrollbarLCDHandle", 400, 45, 300, 8);
    const int ruler = b.rect("SurfaceBackground", 224, 56, 972, 22);
    for (int bar = 0; bar < 12; ++bar) {
        b.text("ArrangementRulerMarkings", 230 + bar * 80, 72, 10, std::to_string(bar + 1), ruler);
    }
    b.rect("LoopColor", 384, 56, 240, 6);
    b.rect("OffGridLoopColor", 624, 56, 22, 6);
    for (int tile = 0; tile < 12; ++tile) {
        if (tile % 2 == 1) {
            b.rect("ArrangerGridTiles", 224 + tile * 80, 80, 80, 320);
        }
        b.line("GridLineBase", 224 + tile * 80, 80, 224 + tile * 80, 400);
        b.line("GridGuideline", 264 + tile * 80, 80, 264 + tile * 80, 400);
    }
    b.line("OffGridGuideline", 650, 80, 650, 400);
    const int gridLabel = b.rect("SurfaceBackground", 1140, 384, 52, 14);
    b.text("GridLabel", 1146, 395, 9, "1/4", gridLabel);

    const int audio = b.rect("Clip6", 304, 90, 240, 60);
    b.rect("ClipBorder", 304, 90, 240, 60, Paint::Stroke);
    b.text("ClipText", 308, 102, 10, "Break.wav", audio);
    std::vector<Point> wave;
    for (int i = 0; i <= 118; ++i) {
        wave.push_back({306 + i * 2.0, 128 + 18 * std::sin(i * 0.9) * std::fabs(std::cos(i * 0.11))});
    }
    b.polyline("WaveformColor", wave);
    const int midi = b.rect("Clip11", 304, 160, 320, 60);
    b.text("ClipText", 308, 172, 10, "Chords", midi);
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", 310 + note * 38, 182 + (note % 4) * 8, 30, 5, midi);
    }
    const int frozen = b.rect("FreezeColor", 640, 160, 160, 60);
    b.text("ClipText", 644, 172, 10, "Frozen", frozen);

    b.rect("SurfaceArea", 224, 230, 972, 80);
    for (int i = 1; i < 4; ++i) {
        b.line("AutomationGrid", 224, 230 + i * 20, 1196, 230 + i * 20);
    }
    b.rect("SelectionBackground", 464, 230, 160, 80);
    b.polyline("AutomationColor", {{224, 290}, {384, 290}, {464, 250}, {544, 270}, {624, 240}});
    b.circle("AutomationColor", 464, 250, 3);
    b.circle("AutomationMouseOver", 544, 270, 4);
    b.polyline("AutomationDisabled", {{624, 240}, {900, 240}, {1196, 260}});
    b.rect("AutomationTransformToolFrame", 464, 236, 160, 60, Paint::Stroke);
    b.rect("AutomationTransformToolFrameActive", 700, 236, 100, 60, Paint::Stroke);
    b.rect("AutomationTransformToolHandle", 460, 232, 8, 8);
    b.rect("AutomationTransformToolHandleActive", 696, 232, 8, 8);

    // Track headers on the right, as the Arrangement has them.
    const char* names[] = {"1 Break", "2 Chords", "Volume"};
    const double tops[] = {90, 160, 230};
    const double heights[] = {60, 60, 80};
    for (int track = 0; track < 3; ++track) {
        const int header = b.rect("SurfaceBackground", 1106, tops[track], 90, heights[track]);
        b.text("ControlForeground", 1110, tops[track] + 14, 10, names[track], header);
        if (track < 2) {
            const int arm =
                b.rounded(track == 1 ? "ChosenRecord" : "ControlBackground", 1172, tops[track] + 20, 18, 14);
            b.glyph("ControlForeground", 1177, tops[track] + 23, 8, 8, arm, ShapeKind::Circle);
        }
    }
}

// The clip editor below the Arrangement: waveform with warp markers, notes, velocities, modulation.
void clipEditor(Builder& b)
{
    b.rect("DetailViewBackground", 0, 410, 1200, 350);
    const int box = b.rect("SurfaceBackground", 4, 414, 150, 340);
    b.text("ControlForeground", 8, 430, 10, "Clip: Chords", box);
    const int rulerBar = b.rect("SurfaceBackground", 160, 414, 1036, 18);
    for (int bar = 0; bar < 8; ++bar) {
        b.text("DetailViewRulerMarkings", 164 + bar * 128, 428, 10, "1." + std::to_string(bar + 1), rulerBar);
    }
    b.rect("OffGridLoopColor", 420, 432, 60, 4);
    const int warper = b.rect("WarperTimeBarRulerBackground", 160, 436, 1036, 14);
    for (int marker = 0; marker < 4; ++marker) {
        b.glyph("WarperTimeBarMarkerBackground", 200 + marker * 230, 437, 10, 12, warper);
    }
    b.rect("BackgroundClip", 160, 452, 1036, 150);
    b.rect("BackgroundClipFrame", 160, 452, 1036, 150, Paint::Stroke);
    std::vector<Point> wave;
    for (int i = 0; i <= 258; ++i) {
        wave.push_back({162 + i * 4.0, 490 + 26 * std::sin(i * 0.7) * std::fabs(std::cos(i * 0.05))});
    }
    b.polyline("WaveformColor", wave);
    const int notes = b.rect("BackgroundClip", 160, 530, 1036, 72);
    for (int tile = 0; tile < 8; tile += 2) {
        b.rect("DetailGridTiles", 160 + tile * 128, 530, 128, 72);
    }
    for (int note = 0; note < 10; ++note) {
        b.glyph("MidiNoteMaxVelocity", 170 + note * 100, 540 + (note % 5) * 10, 80, 7, notes);
    }
    const int velocities = b.rect("SurfaceArea", 160, 606, 1036, 60);
    for (int note = 0; note < 10; ++note) {
        const double top = 616 + (note % 4) * 10;
        b.line("VelocityColor", 170 + note * 100, 664, 170 + note * 100, top);
        b.glyph("VelocityColor", 166 + note * 100, top - 4, 8, 8, velocities, ShapeKind::Circle);
    }
    b.rect("SurfaceArea", 160, 670, 1036, 84);
    b.polyline("Modulation", {{160, 720}, {400, 700}, {640, 740}, {900, 690}});
    b.polyline("ModulationDisabled", {{900, 690}, {1196, 690}});
    b.circle("ModulationMouseOver", 640, 740, 4);
}

Scene buildSession()
{
    Builder b("Session");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b);
    browser(b, 466);
    mappings(b);
    sessionTracks(b);
    mixer(b);
    preferences(b);
    const std::size_t devices = b.size();
    deviceChain(b);
    // The devices were laid out 130 high; the Detail View below the mixer has room for twice that.
    b.stretchDown(devices + 1, 474, 2.0);
    return b.take();
}

Scene buildArrangement()
{
    Builder b("Arrangement");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b);
    browser(b, 406);
    arrangement(b);
    clipEditor(b);
    return b.take();
}

} // namespace

const Scene& sessionScene()
{
    static const Scene scene = buildSession();
    return scene;
}

const Scene& arrangementScene()
{
    static const Scene scene = buildArrangement();
    return scene;
}

namespace {

double distanceToSegment(const Point& p, const Point& a, const Point& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool contains(const Shape& shape, double x, double y)
{
    constexpr double kReach = 3; // how near a line the pointer must be
    if ((shape.kind == ShapeKind::Line || shape.kind == ShapeKind::Polyline) && shape.points.size() >= 2) {
        for (std::size_t i = 1; i < shape.points.size(); ++i) {
            if (distanceToSegment({x, y}, shape.points[i - 1], shape.points[i]) <= kReach) {
                return true;
            }
        }
        return false;
    }
    const double slack = shape.paint == Paint::Stroke ? kReach : 0;
    const double top = shape.kind == ShapeKind::Text ? shape.y - shape.h : shape.y;
    const auto within = [&](double margin) {
        return x >= shape.x - margin && x <= shape.x + shape.w + margin && y >= top - margin
            && y <= top + shape.h + margin;
    };
    // An outline is hit on its line, not in the area it encloses.
    return within(slack) && !(shape.paint == Paint::Stroke && shape.w > 2 * kReach && within(-kReach));
}

} // namespace

int shapeAt(const Scene& scene, double x, double y)
{
    for (int i = static_cast<int>(scene.shapes.size()) - 1; i >= 0; --i) {
        if (contains(scene.shapes[static_cast<std::size_t>(i)], x, y)) {
            return i;
        }
    }
    return -1;
}

bool isStroked(const Shape& shape)
{
    return shape.paint == Paint::Stroke || shape.kind == ShapeKind::Line || shape.kind == ShapeKind::Arc
        || (shape.kind == ShapeKind::Polyline && !shape.points.empty());
}

std::vector<Point> outlinePoints(const Shape& shape)
{
    if (!shape.points.empty()) {
        return shape.points;
    }
    return {{shape.x, shape.y}, {shape.x + shape.w, shape.y + shape.h / 2}, {shape.x, shape.y + shape.h}};
}

const std::set<std::string>& drawnElements()
{
    static const std::set<std::string> drawn = [] {
        std::set<std::string> elements;
        for (const Scene* scene : {&sessionScene(), &arrangementScene()}) {
            for (const Shape& shape : scene->shapes) {
                elements.insert(shape.element);
            }
        }
        return elements;
    }();
    return drawn;
}

std::vector<std::string_view> elementsPlacedNowhere()
{
    std::vector<std::string_view> nowhere;
    for (const ElementInfo& info : elementTable()) {
        if (drawnElements().count(std::string(info.name)) == 0) {
            nowhere.push_back(info.name);
        }
    }
    return nowhere;
}

} // namespace tintwright::sketch
