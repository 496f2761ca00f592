#include "Scene.h"

#include "SceneBuilder.h"

#include "ElementTable.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace tintwright::sketch {

using drawing::buildArrangement;
using drawing::buildPreferences;
using drawing::buildSession;

const Scene& sessionScene()
{
    static const Scene scene = buildSession(drawing::MapMode::Off);
    return scene;
}

const Scene& midiMapScene()
{
    static const Scene scene = buildSession(drawing::MapMode::Midi);
    return scene;
}

const Scene& keyMapScene()
{
    static const Scene scene = buildSession(drawing::MapMode::Key);
    return scene;
}

const Scene& arrangementScene()
{
    static const Scene scene = buildArrangement(drawing::ClipEditor::Notes);
    return scene;
}

const Scene& preferencesScene()
{
    static const Scene scene = buildPreferences();
    return scene;
}

const Scene& audioClipScene()
{
    static const Scene scene = buildArrangement(drawing::ClipEditor::Sample);
    return scene;
}

const Scene& envelopesScene()
{
    static const Scene scene = buildArrangement(drawing::ClipEditor::Envelopes);
    return scene;
}

const std::vector<const Scene*>& allScenes()
{
    static const std::vector<const Scene*> scenes = {&sessionScene(),   &arrangementScene(), &preferencesScene(),
                                                     &audioClipScene(), &envelopesScene(),   &midiMapScene(),
                                                     &keyMapScene()};
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
