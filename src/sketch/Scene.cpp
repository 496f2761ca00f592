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
    Builder(std::string id, std::string name)
    {
        m_scene.id = std::move(id);
        m_scene.name = std::move(name);
    }

    // The shapes added from now on belong to this part of the view, named
    // below the view's own name ("Mixer › Sends").
    void area(const std::string& part) { m_area = m_scene.name + " › " + part; }

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
            // The centre: a triangle above the ring, and the reset mark on the ring's top.
            glyph("BipolarPotiTriangle", cx - 3, cy - r - 9, 6, 5, on, ShapeKind::Polyline);
            arc("BipolReset", cx, cy, r, 84, 12);
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

    // Moves the shapes from `first` on from the rectangle they were laid out in
    // into another, stretching them; circles, arcs and text keep their size
    // and only move.
    void fit(std::size_t first, double fromX, double fromY, double fromW, double fromH, double toX, double toY,
             double toW, double toH)
    {
        const double sx = toW / fromW;
        const double sy = toH / fromH;
        const auto x = [&](double value) { return toX + (value - fromX) * sx; };
        const auto y = [&](double value) { return toY + (value - fromY) * sy; };
        for (std::size_t i = first; i < m_scene.shapes.size(); ++i) {
            Shape& shape = m_scene.shapes[i];
            const bool rigid =
                shape.kind == ShapeKind::Circle || shape.kind == ShapeKind::Arc || shape.kind == ShapeKind::Text;
            if (shape.kind == ShapeKind::Text) {
                shape.x = x(shape.x);
                shape.y = y(shape.y);
            } else if (rigid) {
                shape.x = x(shape.x + shape.w / 2) - shape.w / 2;
                shape.y = y(shape.y + shape.h / 2) - shape.h / 2;
            } else {
                shape.x = x(shape.x);
                shape.y = y(shape.y);
                shape.w *= sx;
                shape.h *= sy;
            }
            for (Point& point : shape.points) {
                point = {x(point.x), y(point.y)};
            }
        }
    }

    Scene take() { return std::move(m_scene); }
    // The scene cut to the rectangle at (x, y) of w by h: every shape moves by
    // (-x, -y), so a view smaller than Live's whole window is drawn larger.
    Scene takeCut(double x, double y, double w, double h)
    {
        for (Shape& shape : m_scene.shapes) {
            shape.x -= x;
            shape.y -= y;
            for (Point& point : shape.points) {
                point.x -= x;
                point.y -= y;
            }
        }
        m_scene.width = w;
        m_scene.height = h;
        return take();
    }

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
        shape.area = m_area;
        m_scene.shapes.push_back(std::move(shape));
        return static_cast<int>(m_scene.shapes.size()) - 1;
    }

    Scene m_scene;
    std::string m_area;
};

// The Session view's tracks stand side by side from here, each this wide:
// five tracks, two return tracks, then the Master track.
constexpr double kTracksLeft = 228;
constexpr double kTrackWidth = 112;
constexpr int kTracks = 5;
constexpr int kReturns = 2;
constexpr int kMaster = kTracks + kReturns; // the Master track's column

constexpr double trackLeft(int track)
{
    return kTracksLeft + track * kTrackWidth;
}

// Where the Detail View, the Info View and the status bar begin, in every view.
constexpr double kDetailTop = 496;
constexpr double kStatusTop = 746;

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
    double y = 86;
    for (const char* category : {"Sounds", "Drums", "Instruments", "Audio Effects", "Plug-ins"}) {
        b.text("TreeRowCategoryForeground", 6, y, 10, category, categories);
        y += 18;
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
// and pan with the meters, the track buttons, the crossfader; map-mode
// overlays on two controls, the section selectors on the right.
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

    b.area("Mixer › Sends");
    const int sends = b.rect("SurfaceBackground", 224, 236, right - 224, 48);
    for (int track = 0; track < kMaster; ++track) {
        for (int send = 0; send < kReturns; ++send) {
            const double cx = trackLeft(track) + 24 + send * 56;
            b.knob(cx, 262, track != kTracks - 1, false, sends);
            b.text("ControlForeground", cx + 14, 280, 9, send == 0 ? "A" : "B", sends);
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
    b.rect("LearnMidi", trackLeft(1) + 20, 300, 30, 50);
    b.rect("LearnMacro", trackLeft(2) + 66, 298, 28, 28);
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

    b.area("Mixer › Section selectors");
    const int selectors = b.rect("SurfaceBackground", right + 6, 188, 1196 - right - 6, 90);
    const char* kinds[] = {"ViewCheckControlEnabledOn", "ViewCheckControlEnabledOff", "ViewCheckControlDisabledOn",
                           "ViewCheckControlDisabledOff"};
    const char* labels[] = {"I/O", "S", "X", "D"};
    for (int i = 0; i < 4; ++i) {
        b.rect(kinds[i], right + 10, 192 + i * 20, 14, 10);
        b.text("ControlForeground", right + 28, 201 + i * 20, 9, labels[i], selectors);
    }
    b.area("Mixer");
    b.rect("ScrollbarOuterTrack", 224, 482, right - 224, 8);
    b.rect("ScrollbarOuterHandle", 300, 483, 200, 6);
}

// The devices of the selected track, each under its title bar: Auto Filter
// (selected), EQ Eight, Compressor, Operator, a Drum Rack, an Instrument
// Rack's zone editor and Saturator. Laid out 130 high in the full width, then
// fitted into the Detail View.
void deviceChain(Builder& b)
{
    b.area("Detail View");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const std::size_t first = b.size();

    b.area("Detail View › Auto Filter");
    const int device = b.rect("SurfaceBackground", 4, 474, 150, 130);
    b.knob(30, 520, true, false, device);
    b.knob(70, 520, true, true, device);
    b.knob(110, 520, false, false, device);
    b.text("TextDisabled", 96, 550, 9, "Off", device);

    b.area("Detail View › EQ Eight");
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

    b.area("Detail View › Compressor");
    b.rect("DisplayBackground", 366, 474, 140, 130);
    b.polyline("InputCurveOutlineColor", {{366, 604}, {436, 534}, {506, 520}});
    b.polyline("InputCurveColor", {{366, 602}, {436, 532}, {506, 518}});
    b.polyline("OutputCurveOutlineColor", {{366, 604}, {436, 550}, {506, 544}});
    b.polyline("OutputCurveColor", {{366, 602}, {436, 548}, {506, 542}});
    b.line("ThresholdLineColor", 366, 534, 506, 534);
    b.line("GainReductionLineColor", 490, 480, 490, 520);

    b.area("Detail View › Operator");
    b.rect("SurfaceBackground", 512, 474, 120, 130);
    const char* operators[] = {"Operator1", "Operator2", "Operator3", "Operator4"};
    for (int i = 0; i < 4; ++i) {
        const int box = b.rect(operators[i], 520 + i * 27, 482, 22, 22);
        b.text("ControlOnForeground", 527 + i * 27, 498, 10, std::string(1, static_cast<char>('A' + i)), box);
        b.polyline(operators[i],
                   {{520.0 + i * 27, 600}, {526.0 + i * 27, 520}, {534.0 + i * 27, 560}, {540.0 + i * 27, 600}});
    }

    b.area("Detail View › Drum Rack");
    b.rect("DrumRackScroller1", 638, 474, 20, 130);
    b.rect("DrumRackScroller2", 640, 540, 16, 40);
    for (int pad = 0; pad < 16; ++pad) {
        const double x = 662 + (pad % 4) * 30;
        const double y = 478 + (pad / 4) * 30;
        b.rect(pad % 3 == 0 ? "ControlBackground" : "FilledDrumRackPad", x, y, 28, 28);
    }

    b.area("Detail View › Instrument Rack zones");
    b.rect("SurfaceArea", 786, 474, 200, 130);
    b.rect("KeyZoneBackground", 790, 480, 150, 14);
    b.polyline("KeyZoneCrossfadeRamp", {{940, 494}, {970, 480}});
    b.rect("VelocityZoneBackground", 800, 500, 120, 14);
    b.polyline("VelocityZoneCrossfadeRamp", {{920, 514}, {950, 500}});
    b.rect("SelectorZoneBackground", 810, 520, 100, 14);
    b.polyline("SelectorZoneCrossfadeRamp", {{910, 534}, {940, 520}});

    b.area("Detail View › Saturator");
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

    // Into the Detail View: 968 wide from x 228, below the title bars.
    const double bodyTop = kDetailTop + 22;
    b.fit(first, 0, 474, 1200, 130, 228, bodyTop, 968, kStatusTop - 8 - bodyTop);

    // Every device's title bar: its name on the panel colour, and its activator.
    const double lefts[] = {4, 160, 366, 512, 638, 786, 992};
    const double widths[] = {150, 200, 140, 120, 142, 200, 200};
    const char* names[] = {"Auto Filter", "EQ Eight", "Compressor", "Operator", "Drum Rack", "Zones", "Saturator"};
    const char* areas[] = {"Auto Filter",           "EQ Eight", "Compressor", "Operator", "Drum Rack",
                           "Instrument Rack zones", "Saturator"};
    const double scale = 968.0 / 1200.0;
    for (int i = 0; i < 7; ++i) {
        b.area(std::string("Detail View › ") + areas[i]);
        const double x = 228 + lefts[i] * scale;
        const int title = b.rect("SurfaceBackground", x, kDetailTop + 4, widths[i] * scale, 16);
        b.glyph("ChosenDefault", x + 3, kDetailTop + 8, 8, 8, title, ShapeKind::Circle);
        b.text("ControlForeground", x + 14, kDetailTop + 16, 10, names[i], title);
    }
    b.area("Detail View › Auto Filter");
    b.rect("SelectionFrame", 228 + 4 * scale - 2, kDetailTop + 2, 150 * scale + 4, kStatusTop - 6 - kDetailTop,
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

// The Arrangement above its Detail View: the overview, the scrub area with
// locators, loop brace and the Back to Arrangement button at its right, the
// beat-time ruler, grid tiles, clips with waveform and notes, an automation
// lane with a time selection and the transform tool, the return tracks and the
// Master track, track headers on the right. It has the keyboard focus.
void arrangement(Builder& b)
{
    b.area("Overview");
    b.rect("ScrollbarLCDTrack", 224, 44, 972, 10);
    b.rect("ScrollbarLCDHandle", 400, 45, 300, 8);

    b.area("Scrub area");
    const int scrub = b.rect("SurfaceBackground", 224, 56, 880, 14);
    b.rect("LoopColor", 384, 58, 240, 6);
    b.rect("OffGridLoopColor", 624, 58, 22, 6);
    const double locators[] = {304, 704};
    const char* locatorNames[] = {"Verse", "Chorus"};
    for (int i = 0; i < 2; ++i) {
        b.glyph("ControlForeground", locators[i], 58, 8, 10, scrub, ShapeKind::Polyline);
        b.text("ControlForeground", locators[i] + 10, 67, 9, locatorNames[i], scrub);
    }
    const int back = b.rounded("ControlBackground", 1080, 57, 22, 12);
    b.glyph("ControlForeground", 1086, 59, 8, 8, back, ShapeKind::Polyline);

    b.area("Beat-time ruler");
    const int ruler = b.rect("SurfaceBackground", 224, 72, 880, 18);
    for (int bar = 0; bar < 11; ++bar) {
        b.text("ArrangementRulerMarkings", 230 + bar * 80, 86, 10, std::to_string(bar + 1), ruler);
    }

    b.area("Tracks");
    b.rect("SurfaceAreaFocus", 224, 92, 880, 400);
    for (int tile = 0; tile < 11; ++tile) {
        if (tile % 2 == 1) {
            b.rect("ArrangerGridTiles", 224 + tile * 80, 92, 80, 400);
        }
        b.line("GridLineBase", 224 + tile * 80, 92, 224 + tile * 80, 492);
        b.line("GridGuideline", 264 + tile * 80, 92, 264 + tile * 80, 492);
    }
    b.line("OffGridGuideline", 650, 92, 650, 492);
    const int gridLabel = b.rect("SurfaceBackground", 1048, 474, 52, 14);
    b.text("GridLabel", 1054, 485, 9, "1/4", gridLabel);

    const int audio = b.rect("Clip6", 304, 96, 240, 56);
    b.rect("ClipBorder", 304, 96, 240, 56, Paint::Stroke);
    b.text("ClipText", 308, 108, 10, "Break.wav", audio);
    std::vector<Point> wave;
    for (int i = 0; i <= 118; ++i) {
        wave.push_back({306 + i * 2.0, 132 + 16 * std::sin(i * 0.9) * std::fabs(std::cos(i * 0.11))});
    }
    b.polyline("WaveformColor", wave);
    const int midi = b.rect("Clip11", 304, 158, 320, 56);
    b.text("ClipText", 308, 170, 10, "Chords", midi);
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", 310 + note * 38, 180 + (note % 4) * 8, 30, 5, midi);
    }
    const int frozen = b.rect("FreezeColor", 304, 220, 200, 56);
    b.text("ControlForeground", 308, 232, 10, "Frozen", frozen);

    b.area("Automation lane");
    for (int i = 1; i < 4; ++i) {
        b.line("AutomationGrid", 224, 282 + i * 20, 1104, 282 + i * 20);
    }
    b.rect("SelectionBackground", 464, 282, 160, 80);
    b.polyline("AutomationColor", {{224, 342}, {384, 342}, {464, 302}, {544, 322}, {624, 292}});
    b.circle("AutomationColor", 464, 302, 3);
    b.circle("AutomationMouseOver", 544, 322, 4);
    b.polyline("AutomationDisabled", {{624, 292}, {900, 292}, {1104, 312}});
    b.rect("AutomationTransformToolFrame", 464, 288, 160, 60, Paint::Stroke);
    b.rect("AutomationTransformToolFrameActive", 700, 288, 100, 60, Paint::Stroke);
    b.rect("AutomationTransformToolHandle", 460, 284, 8, 8);
    b.rect("AutomationTransformToolHandleActive", 696, 284, 8, 8);

    // Track headers on the right, as the Arrangement has them; the return
    // tracks and the Master track below the others.
    b.area("Track headers");
    const char* names[] = {"1 Break", "2 Chords", "3 Frozen", "Volume", "A Reverb", "B Delay", "Master"};
    const double tops[] = {96, 158, 220, 282, 372, 404, 436};
    const double heights[] = {58, 58, 58, 80, 30, 30, 40};
    for (int track = 0; track < 7; ++track) {
        if (track == 4) {
            b.area("Return tracks");
        } else if (track == 6) {
            b.area("Master track");
        }
        const char* face = track == 2 ? "FreezeColor" : "SurfaceBackground";
        const int header = b.rect(face, 1106, tops[track], 90, heights[track]);
        b.text("ControlForeground", 1110, tops[track] + 14, 10, names[track], header);
        if (track < 2) {
            const int arm =
                b.rounded(track == 1 ? "ChosenRecord" : "ControlBackground", 1172, tops[track] + 20, 18, 14);
            b.glyph("ControlForeground", 1177, tops[track] + 23, 8, 8, arm, ShapeKind::Circle);
        }
    }
}

// The Detail View of a MIDI clip: the clip's box, the note editor with its
// ruler, grid tiles and notes, the velocities and the clip's modulation.
void midiEditor(Builder& b)
{
    b.area("Detail View › Clip");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const int box = b.rect("SurfaceBackground", 228, kDetailTop + 4, 140, 236);
    b.text("ControlForeground", 232, kDetailTop + 20, 10, "Clip: Chords", box);
    b.area("Detail View › MIDI Note Editor");
    const int rulerBar = b.rect("SurfaceBackground", 372, kDetailTop + 4, 824, 18);
    for (int bar = 0; bar < 6; ++bar) {
        b.text("DetailViewRulerMarkings", 376 + bar * 136, kDetailTop + 18, 10, "1." + std::to_string(bar + 1),
               rulerBar);
    }
    b.rect("LoopColor", 372, kDetailTop + 22, 544, 4);
    b.rect("OffGridLoopColor", 916, kDetailTop + 22, 40, 4);
    const int notes = b.rect("BackgroundClip", 372, kDetailTop + 28, 824, 104);
    b.rect("BackgroundClipFrame", 372, kDetailTop + 28, 824, 104, Paint::Stroke);
    for (int tile = 0; tile < 6; ++tile) {
        if (tile % 2 == 0) {
            b.rect("DetailGridTiles", 372 + tile * 136, kDetailTop + 28, 136, 104);
        }
        b.line("GridLineBase", 372 + tile * 136, kDetailTop + 28, 372 + tile * 136, kDetailTop + 132);
    }
    for (int note = 0; note < 8; ++note) {
        b.glyph("MidiNoteMaxVelocity", 380 + note * 100, kDetailTop + 40 + (note % 5) * 16, 80, 8, notes);
    }
    b.area("Detail View › Velocity lane");
    const int velocities = b.rect("SurfaceArea", 372, kDetailTop + 136, 824, 52);
    for (int note = 0; note < 8; ++note) {
        const double top = kDetailTop + 146 + (note % 4) * 9;
        b.line("VelocityColor", 384 + note * 100, kDetailTop + 186, 384 + note * 100, top);
        b.glyph("VelocityColor", 380 + note * 100, top - 4, 8, 8, velocities, ShapeKind::Circle);
    }
    b.area("Detail View › Envelopes");
    b.rect("SurfaceArea", 372, kDetailTop + 192, 824, 48);
    b.polyline("Modulation",
               {{372, kDetailTop + 220}, {560, kDetailTop + 204}, {760, kDetailTop + 236}, {900, kDetailTop + 200}});
    b.polyline("ModulationDisabled", {{900, kDetailTop + 200}, {1196, kDetailTop + 200}});
    b.circle("ModulationMouseOver", 760, kDetailTop + 236, 4);
}

// The Detail View of an audio clip: the clip's box, the sample editor with its
// ruler, the warp markers in their bar above the waveform.
void audioEditor(Builder& b)
{
    b.area("Detail View › Clip");
    b.rect("DetailViewBackground", 224, kDetailTop, 972, kStatusTop - kDetailTop - 4);
    const int box = b.rect("SurfaceBackground", 228, kDetailTop + 4, 140, 236);
    b.text("ControlForeground", 232, kDetailTop + 20, 10, "Clip: Break.wav", box);
    b.button("ChosenDefault", "ControlOnForeground", 232, kDetailTop + 30, 44, 16, "Warp");
    b.area("Detail View › Sample Editor");
    const int rulerBar = b.rect("SurfaceBackground", 372, kDetailTop + 4, 824, 18);
    for (int bar = 0; bar < 6; ++bar) {
        b.text("DetailViewRulerMarkings", 376 + bar * 136, kDetailTop + 18, 10, "1." + std::to_string(bar + 1),
               rulerBar);
    }
    const int warper = b.rect("WarperTimeBarRulerBackground", 372, kDetailTop + 24, 824, 14);
    for (int marker = 0; marker < 4; ++marker) {
        b.glyph("WarperTimeBarMarkerBackground", 420 + marker * 200, kDetailTop + 25, 10, 12, warper);
    }
    b.rect("BackgroundClip", 372, kDetailTop + 40, 824, 200);
    b.rect("BackgroundClipFrame", 372, kDetailTop + 40, 824, 200, Paint::Stroke);
    std::vector<Point> wave;
    for (int i = 0; i <= 205; ++i) {
        wave.push_back({374 + i * 4.0, kDetailTop + 140 + 60 * std::sin(i * 0.7) * std::fabs(std::cos(i * 0.05))});
    }
    b.polyline("WaveformColor", wave);
}

Scene buildArrangement(bool audio)
{
    Builder b(audio ? "audio-clip" : "arrangement", audio ? "Audio clip" : "Arrangement");
    b.area("Window");
    b.rect("Desktop", 0, 0, 1200, 760);
    controlBar(b);
    browser(b);
    arrangement(b);
    if (audio) {
        audioEditor(b);
    } else {
        midiEditor(b);
    }
    infoAndStatus(b, "Arrangement", "Drag to select time; Tab shows the Session.");
    return b.take();
}

// Live's Preferences, a window of its own: its tabs on the left, the selected
// one's settings on the right.
Scene buildPreferences()
{
    Builder b("preferences", "Preferences");
    b.area("Window");
    b.rect("Desktop", 152, 52, 896, 656); // a margin of Live's window around the Preferences window
    b.area("Tabs");
    const int window = b.rect("SurfaceBackground", 160, 60, 880, 640);
    b.text("ControlForeground", 172, 82, 12, "Preferences", window);
    double y = 100;
    for (const char* tab : {"Look/Feel", "Audio", "Link/MIDI", "File/Folder", "Library", "Plug-Ins",
                            "Record/Warp/Launch", "Licenses/Maintenance"}) {
        const bool chosen = y == 100;
        const int face = b.rect(chosen ? "PreferencesTab" : "SurfaceBackground", 168, y, 180, 22);
        b.text("ControlForeground", 176, y + 16, 10, tab, face);
        y += 26;
    }
    b.line("ShadowDark", 352, 96, 352, 692);
    b.area("Look/Feel");
    const int page = b.rect("SurfaceArea", 356, 96, 676, 596);
    const char* labels[] = {"Language", "Zoom", "Theme", "Hue", "Saturation", "Follow Behavior", "Hide Labels"};
    const char* values[] = {"English", "100 %", "Tintwright", "", "", "", "Off"};
    for (int row = 0; row < 7; ++row) {
        const double top = 112 + row * 40;
        b.text("ControlForeground", 372, top + 14, 10, labels[row], page);
        if (row == 3 || row == 4) {
            const int slider = b.rect("ControlBackground", 560, top + 6, 240, 6);
            b.glyph("ControlFillHandle", 560 + (row == 3 ? 60 : 150), top, 8, 18, slider);
            continue;
        }
        if (row == 5) {
            const char* options[] = {"Page", "Scroll"};
            for (int i = 0; i < 2; ++i) {
                const int face = b.rounded(i == 0 ? "ChosenDefault" : "ControlBackground", 560 + i * 80, top, 76, 18);
                b.text(i == 0 ? "ControlOnForeground" : "ControlOffForeground", 566 + i * 80, top + 13, 10, options[i],
                       face);
            }
            continue;
        }
        const int chooser = b.rect("ControlBackground", 560, top, 160, 18);
        b.text("ControlForeground", 566, top + 13, 10, values[row], chooser);
        if (row == 2) {
            b.rect("ControlSelectionFrame", 558, top - 2, 164, 22, Paint::Stroke);
        }
    }
    b.text("TextDisabled", 372, 420, 10, "Plug-In Windows: only with a plug-in open", page);
    const int name = b.rect("ControlTextBack", 560, 440, 240, 18);
    b.text("ControlForeground", 566, 453, 10, "My Theme", name);
    // Drawn as large as the view allows: its text stays readable at the preview's opening size.
    return b.takeCut(152, 52, 896, 656);
}

} // namespace

const Scene& sessionScene()
{
    static const Scene scene = buildSession();
    return scene;
}

const Scene& arrangementScene()
{
    static const Scene scene = buildArrangement(false);
    return scene;
}

const Scene& preferencesScene()
{
    static const Scene scene = buildPreferences();
    return scene;
}

const Scene& audioClipScene()
{
    static const Scene scene = buildArrangement(true);
    return scene;
}

const std::vector<const Scene*>& allScenes()
{
    static const std::vector<const Scene*> scenes = {&sessionScene(), &arrangementScene(), &preferencesScene(),
                                                     &audioClipScene()};
    return scenes;
}

std::vector<std::string> areasOf(std::string_view element)
{
    std::vector<std::string> areas;
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            if (shape.element == element && std::find(areas.begin(), areas.end(), shape.area) == areas.end()) {
                areas.push_back(shape.area);
            }
        }
    }
    return areas;
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
        for (const Scene* scene : allScenes()) {
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
