#include "sketch/Scene.h"
#include "sketch/SceneBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace tintwright::sketch {
namespace {

Shape shape(ShapeKind kind, const char* element, double x, double y, double w, double h, Paint paint = Paint::Fill)
{
    Shape made;
    made.kind = kind;
    made.paint = paint;
    made.element = element;
    made.x = x;
    made.y = y;
    made.w = w;
    made.h = h;
    return made;
}

// What the pointer hits: the topmost shape, a line within reach of it, an
// outline on its line only, text in the box above its baseline.
TEST(SceneTest, thePointerHitsTheTopmostShapeWhereItIsDrawn)
{
    Scene scene;
    scene.shapes.push_back(shape(ShapeKind::Rect, "Ground", 0, 0, 100, 100));
    scene.shapes.push_back(shape(ShapeKind::Rect, "Frame", 10, 10, 40, 40, Paint::Stroke));
    Shape line = shape(ShapeKind::Line, "Line", 0, 0, 0, 0);
    line.points = {{60, 10}, {90, 40}};
    scene.shapes.push_back(line);
    scene.shapes.push_back(shape(ShapeKind::Text, "Text", 60, 80, 30, 10)); // baseline at 80, 10 high

    const struct {
        double x, y;
        const char* element; // "" for none
    } points[] = {
        {5, 5, "Ground"},     {10, 30, "Frame"},  {12, 30, "Frame"}, // on the outline's line, within reach
        {30, 30, "Ground"}, // inside the outline: what is under it
        {75, 25, "Line"},     {77, 25, "Line"},   {75, 31, "Ground"}, // within 3 of the line, and beyond
        {61, 75, "Text"},     {61, 69, "Ground"}, // the text's box is above its baseline
        {100, 100, "Ground"}, {101, 50, ""},      {-1, 50, ""},
    };
    for (const auto& point : points) {
        const int hit = shapeAt(scene, point.x, point.y);
        const std::string element = hit < 0 ? "" : scene.shapes[static_cast<std::size_t>(hit)].element;
        EXPECT_EQ(element, point.element) << point.x << "," << point.y;
    }
}

// What stands on a ground is drawn after it and on it, so that the contrast
// pair the scene names is the one the picture shows.
TEST(SceneTest, whatStandsOnAGroundIsDrawnAfterItAndOnIt)
{
    constexpr double kTolerance = 1;
    for (const Scene* scene : allScenes()) {
        for (std::size_t i = 0; i < scene->shapes.size(); ++i) {
            const Shape& top = scene->shapes[i];
            if (top.standsOn < 0) {
                continue;
            }
            ASSERT_LT(static_cast<std::size_t>(top.standsOn), i) << scene->id << " " << top.element;
            const Shape& ground = scene->shapes[static_cast<std::size_t>(top.standsOn)];
            // A text's middle left lies on its ground; a mark's box overlaps it (a handle across a slider).
            const bool text = top.kind == ShapeKind::Text;
            const double left = top.x;
            const double right = text ? top.x : top.x + top.w;
            const double upper = text ? top.y - top.h / 2 : top.y;
            const double lower = text ? upper : top.y + top.h;
            EXPECT_TRUE(right >= ground.x - kTolerance && left <= ground.x + ground.w + kTolerance
                        && lower >= ground.y - kTolerance && upper <= ground.y + ground.h + kTolerance)
                << scene->id << ": <" << top.element << "> \"" << top.text << "\" at " << top.x << "," << top.y
                << " is not on <" << ground.element << ">";
        }
    }
}

// An element's areas come in the order of the views, each once.
TEST(SceneTest, areasOfAnElementFollowTheViewsOnceEach)
{
    const std::vector<std::string> areas = areasOf("ControlForeground");
    ASSERT_FALSE(areas.empty());
    std::size_t view = 0;
    for (const std::string& area : areas) {
        EXPECT_EQ(std::count(areas.begin(), areas.end(), area), 1) << area;
        while (view < allScenes().size() && area.rfind(allScenes()[view]->name + " › ", 0) != 0) {
            ++view;
        }
        EXPECT_LT(view, allScenes().size()) << area << " is out of the views' order";
    }
    EXPECT_TRUE(areasOf("NoSuchElement").empty());
}

// Live shows one of a rack's zone editors at a time, and a MIDI clip's notes
// or its envelopes, never both: no area mixes two of the rack's zone kinds,
// no view's Detail View draws notes beside envelopes, and each is drawn.
TEST(SceneTest, liveShowsOneEditorAtATime)
{
    const std::set<std::string> zones = {"KeyZoneBackground", "VelocityZoneBackground", "SelectorZoneBackground"};
    std::set<std::string> drawn;
    for (const Scene* scene : allScenes()) {
        std::map<std::string, std::set<std::string>> zonesByArea;
        bool notes = false;
        bool envelopes = false;
        for (const Shape& shape : scene->shapes) {
            if (zones.count(shape.element) != 0) {
                zonesByArea[shape.area].insert(shape.element);
                drawn.insert(shape.element);
            }
            const bool detail = shape.area.find("› Detail View") != std::string::npos;
            notes = notes || (detail && shape.element == "MidiNoteMaxVelocity");
            envelopes = envelopes || (detail && shape.element.rfind("Modulation", 0) == 0);
        }
        for (const auto& [area, kinds] : zonesByArea) {
            EXPECT_EQ(kinds.size(), 1u) << area;
        }
        EXPECT_FALSE(notes && envelopes) << scene->id;
        drawn.insert(notes ? "notes" : "");
        drawn.insert(envelopes ? "envelopes" : "");
    }
    for (const char* expected :
         {"KeyZoneBackground", "VelocityZoneBackground", "SelectorZoneBackground", "notes", "envelopes"}) {
        EXPECT_EQ(drawn.count(expected), 1u) << expected;
    }
}

bool inArea(const Shape& shape, const std::string& part)
{
    const std::string suffix = " › " + part;
    return shape.area.size() >= suffix.size()
        && shape.area.compare(shape.area.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The Arrangement's upper edge from the top: the overview, the beat-time
// ruler, the scrub area, then the tracks; in every view of the Arrangement.
TEST(SceneTest, theArrangementsRulerStandsAboveItsScrubArea)
{
    const char* const order[] = {"Overview", "Beat-time ruler", "Scrub area", "Tracks"};
    int arrangements = 0;
    for (const Scene* scene : allScenes()) {
        std::map<std::string, double> tops;
        for (const Shape& shape : scene->shapes) {
            for (const char* part : order) {
                if (inArea(shape, part) && shape.kind != ShapeKind::Text) {
                    const auto known = tops.find(part);
                    tops[part] = known == tops.end() ? shape.y : std::min(known->second, shape.y);
                }
            }
        }
        if (tops.empty()) {
            continue;
        }
        ++arrangements;
        ASSERT_EQ(tops.size(), 4u) << scene->id;
        for (std::size_t i = 1; i < 4; ++i) {
            EXPECT_LT(tops[order[i - 1]], tops[order[i]]) << scene->id << ": " << order[i - 1] << " above " << order[i];
        }
    }
    EXPECT_EQ(arrangements, 3);
}

// Live is in one map mode at a time, and each view says which states it shows
// at once: no view frames controls in two map modes' colours, and the two map
// modes each have a view of their own.
TEST(SceneTest, theMapModesAreNeverShownAtOnce)
{
    std::set<std::string> shown;
    for (const Scene* scene : allScenes()) {
        EXPECT_FALSE(scene->caption.empty()) << scene->id;
        std::set<std::string> modes;
        for (const Shape& shape : scene->shapes) {
            if (shape.element == "LearnMidi" || shape.element == "LearnKey" || shape.element == "LearnMacro") {
                modes.insert(shape.element);
            }
        }
        EXPECT_LE(modes.size(), 1u) << scene->id;
        if (modes.size() == 1) {
            shown.insert(scene->id + " " + *modes.begin());
        }
    }
    EXPECT_EQ(shown, (std::set<std::string> {"midi-map LearnMidi", "key-map LearnKey", "session LearnMacro"}));
}

// In a map mode Live highlights every control it can assign: each kind of
// them (a row: where, which element, which shape) is framed in the mode's
// colour wherever the view draws it, and what cannot be assigned is not.
TEST(SceneTest, aMapModeFramesEveryKindOfControlItCanAssign)
{
    const struct {
        const char* area;
        const char* element;
        ShapeKind kind;
    } assignable[] = {
        {"Control bar", "ChosenPlay", ShapeKind::Polyline},
        {"Control bar", "ChosenDefault", ShapeKind::RoundedRect},
        {"Clip grid", "Clip1", ShapeKind::Rect},
        {"Clip grid", "ClipSlotButton", ShapeKind::Rect},
        {"Master track", "ControlForeground", ShapeKind::Polyline}, // the scene launch buttons
        {"Mixer › In/Out", "ChosenDefault", ShapeKind::RoundedRect},
        {"Mixer › Sends", "Poti", ShapeKind::Arc},
        {"Mixer › Volume and pan", "Poti", ShapeKind::Arc},
        {"Mixer › Volume and pan", "ControlFillHandle", ShapeKind::Rect},
        {"Mixer › Track buttons", "ChosenDefault", ShapeKind::RoundedRect},
        {"Mixer › Track buttons", "ChosenAlternative", ShapeKind::RoundedRect},
        {"Mixer › Track buttons", "ChosenRecord", ShapeKind::RoundedRect},
        {"Mixer › Track buttons", "ChosenPreListen", ShapeKind::RoundedRect},
        {"Mixer › Crossfader", "ChosenDefault", ShapeKind::RoundedRect},
        {"Mixer › Crossfader", "ControlFillHandle", ShapeKind::Rect},
        {"Instrument Rack", "Poti", ShapeKind::Arc}, // the macro controls
        {"EQ Eight", "Poti", ShapeKind::Arc},
        {"Operator", "ControlBackground", ShapeKind::Rect},
        {"Saturator", "ChosenDefault", ShapeKind::Circle}, // a device's activator
    };
    for (const auto& [scene, learn] :
         {std::pair {&midiMapScene(), "LearnMidi"}, std::pair {&keyMapScene(), "LearnKey"}}) {
        std::vector<const Shape*> frames;
        for (const Shape& shape : scene->shapes) {
            if (shape.element == learn) {
                frames.push_back(&shape);
            }
        }
        const auto framed = [&](const Shape& control) {
            const double cx = control.x + control.w / 2;
            const double cy = control.y + control.h / 2;
            return std::any_of(frames.begin(), frames.end(), [&](const Shape* frame) {
                return frame->area == control.area && cx > frame->x && cx < frame->x + frame->w && cy > frame->y
                    && cy < frame->y + frame->h;
            });
        };
        // A frozen track's mixer controls, which the sketch shows unavailable, need no frame.
        double frozenLeft = 0;
        double frozenRight = 0;
        for (const Shape& shape : scene->shapes) {
            if (inArea(shape, "Clip grid") && shape.element == "FreezeColor" && frozenRight == 0) {
                frozenLeft = shape.x;
                frozenRight = shape.x + shape.w;
            }
        }
        for (const auto& kind : assignable) {
            int found = 0;
            for (const Shape& shape : scene->shapes) {
                const double cx = shape.x + shape.w / 2;
                const bool frozen = inArea(shape, "Mixer › Volume and pan") && cx > frozenLeft && cx < frozenRight;
                if (inArea(shape, kind.area) && shape.element == kind.element && shape.kind == kind.kind && !frozen) {
                    ++found;
                    EXPECT_TRUE(framed(shape)) << scene->id << ": <" << kind.element << "> in " << shape.area << " at "
                                               << shape.x << "," << shape.y;
                }
            }
            EXPECT_GT(found, 0) << scene->id << " draws no <" << kind.element << "> in " << kind.area;
        }
        // Neither the Arrangement position, the routing nor a frozen track's knobs can be assigned.
        for (const Shape& shape : scene->shapes) {
            const bool unassignable = shape.element == "TransportSelectionBackground"
                || shape.element == "DeactivatedPoti"
                || (inArea(shape, "Mixer › In/Out") && shape.kind == ShapeKind::Rect && shape.h == 12);
            EXPECT_FALSE(unassignable && framed(shape)) << scene->id << ": <" << shape.element << "> is framed";
        }
    }
}

// The edges of each kind of shape: an outline is hit up to 3 outside its
// line and 3 inside it; a line's reach ends 3 past its ends, not along its
// extension; text from its size above the baseline down to the baseline.
TEST(SceneTest, thePointerHitsAShapeUpToItsEdges)
{
    Scene scene;
    scene.shapes.push_back(shape(ShapeKind::Rect, "Ground", 0, 0, 200, 200));
    scene.shapes.push_back(shape(ShapeKind::Rect, "Frame", 50, 50, 40, 40, Paint::Stroke));
    Shape line = shape(ShapeKind::Line, "Line", 120, 20, 30, 30);
    line.points = {{120, 20}, {150, 50}};
    scene.shapes.push_back(line);
    scene.shapes.push_back(shape(ShapeKind::Text, "Text", 100, 150, 30, 10));

    const struct {
        double x, y;
        const char* element;
    } points[] = {
        {47, 70, "Frame"},  {46.9, 70, "Ground"},   {52.5, 70, "Frame"}, {53.5, 70, "Ground"},
        {93, 70, "Frame"},  {70, 46.9, "Ground"},   {70, 92.5, "Frame"}, {70, 93.1, "Ground"},
        {153, 50, "Line"},  {160, 60, "Ground"},    {117, 20, "Line"},   {110, 10, "Ground"},
        {101, 140, "Text"}, {101, 139.9, "Ground"}, {101, 150, "Text"},  {101, 150.1, "Ground"},
        {130, 145, "Text"}, {130.1, 145, "Ground"},
    };
    for (const auto& point : points) {
        const int hit = shapeAt(scene, point.x, point.y);
        ASSERT_GE(hit, 0) << point.x << "," << point.y;
        EXPECT_EQ(scene.shapes[static_cast<std::size_t>(hit)].element, point.element) << point.x << "," << point.y;
    }
}

// Outlines, lines, arcs and polylines through points are drawn as lines in
// the element's colour; the rest is filled, a mark without points as a
// triangle in its bounds pointing right (a launch or play mark).
TEST(SceneTest, whatIsDrawnAsALineAndHowAMarkIsOutlined)
{
    const struct {
        ShapeKind kind;
        Paint paint;
        bool points;
        bool stroked;
    } cases[] = {
        {ShapeKind::Rect, Paint::Fill, false, false},        {ShapeKind::Rect, Paint::Stroke, false, true},
        {ShapeKind::RoundedRect, Paint::Fill, false, false}, {ShapeKind::RoundedRect, Paint::Stroke, false, true},
        {ShapeKind::Circle, Paint::Fill, false, false},      {ShapeKind::Circle, Paint::Stroke, false, true},
        {ShapeKind::Line, Paint::Fill, true, true},          {ShapeKind::Polyline, Paint::Fill, true, true},
        {ShapeKind::Polyline, Paint::Fill, false, false},    {ShapeKind::Arc, Paint::Fill, false, true},
        {ShapeKind::Text, Paint::Fill, false, false},
    };
    for (const auto& [kind, paint, points, stroked] : cases) {
        Shape made = shape(kind, "Element", 10, 20, 8, 12, paint);
        if (points) {
            made.points = {{10, 20}, {18, 32}, {14, 25}};
        }
        EXPECT_EQ(isStroked(made), stroked) << static_cast<int>(kind) << " " << static_cast<int>(paint);
        const std::vector<Point> outline = outlinePoints(made);
        const std::vector<Point> expected =
            points ? made.points : std::vector<Point> {{10, 20}, {18, 26}, {10, 32}}; // tip at the right middle
        ASSERT_EQ(outline.size(), expected.size());
        for (std::size_t i = 0; i < outline.size(); ++i) {
            EXPECT_EQ(outline[i].x, expected[i].x) << i;
            EXPECT_EQ(outline[i].y, expected[i].y) << i;
        }
    }
}

// The pointer finds a text as far as it is drawn: a character is as wide as
// any other, however many bytes UTF-8 gives it ("Add Folder…" in the browser).
TEST(SceneTest, aTextIsAsWideAsItsCharacters)
{
    drawing::Builder b("test", "Test");
    const int ground = b.rect("SurfaceBackground", 0, 0, 300, 40);
    const int accented = b.text("ControlForeground", 10, 20, 10, "Zoë Add Folder…", ground);
    const int plain = b.text("ControlForeground", 10, 20, 10, "Zoe Add Folder.", ground);
    const Scene scene = b.take();
    EXPECT_DOUBLE_EQ(scene.shapes[static_cast<std::size_t>(accented)].w,
                     scene.shapes[static_cast<std::size_t>(plain)].w);
}

} // namespace
} // namespace tintwright::sketch
