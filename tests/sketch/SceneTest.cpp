#include "sketch/Scene.h"

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

} // namespace
} // namespace tintwright::sketch
