#pragma once

#include "Scene.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

// How the views of Live's window are drawn: a builder of shapes, where the
// views share their layout, and the parts every view has.
namespace tintwright::sketch::drawing {

// Whether Live is in MIDI Map Mode or Key Map Mode; never both at once.
enum class MapMode { Off, Midi, Key };

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
    void caption(std::string words) { m_scene.caption = std::move(words); }

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
        // About half the size per character; a character of UTF-8 is one lead byte and its followers.
        const auto characters = std::count_if(words.begin(), words.end(),
                                              [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
        const double width = size * 0.55 * static_cast<double>(characters);
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
    // An icon drawn as a line through `points`, standing on another shape.
    int icon(const char* element, std::vector<Point> points, int on)
    {
        const int index = polyline(element, std::move(points));
        m_scene.shapes.back().standsOn = on;
        m_scene.shapes.back().glyph = true;
        return index;
    }
    // A rotary knob: ring, value arc and needle. Returns the ring's index.
    int knob(double cx, double cy, bool active, bool bipolar, int on)
    {
        const double r = 11;
        const int ring = arc(active ? "Poti" : "DeactivatedPoti", cx, cy, r, -45, 270);
        if (bipolar) {
            // The centre: a triangle above the ring, and the reset mark on the ring's top.
            glyph("BipolarPotiTriangle", cx - 3, cy - r - 9, 6, 5, on, ShapeKind::Polyline);
            arc("BipolReset", cx, cy, r, 84, 12);
        }
        const char* needle = active ? "PotiNeedle" : "DeactivatedPotiNeedle";
        line(needle, cx, cy, cx + r * 0.7, cy - r * 0.7);
        m_scene.shapes.back().standsOn = on;
        m_scene.shapes.back().glyph = true;
        return ring;
    }
    // A number box: its field and its value, as Live's devices and its
    // Arrangement mixer show them. Returns the field's index.
    int numberBox(double x, double y, double w, double h, std::string value)
    {
        const int field = rect("ControlBackground", x, y, w, h);
        text("ControlForeground", x + 3, y + h - 3, 8, std::move(value), field);
        return field;
    }

    // The shape at `index` is a control that MIDI Map Mode and Key Map Mode
    // can assign; mapMode() frames every such control at the end.
    int mappable(int index)
    {
        m_mappable.push_back(index);
        return index;
    }
    // In a map mode, every mappable control framed in the mode's colour, in
    // the control's own area, drawn over everything (where they have moved to
    // by then); nothing when no map mode is on.
    void mapMode(MapMode mode)
    {
        if (mode == MapMode::Off) {
            return;
        }
        const char* element = mode == MapMode::Midi ? "LearnMidi" : "LearnKey";
        for (const int index : m_mappable) {
            const Shape control = m_scene.shapes[static_cast<std::size_t>(index)];
            const double top = control.kind == ShapeKind::Text ? control.y - control.h : control.y;
            rounded(element, control.x - 2, top - 2, control.w + 4, control.h + 4, Paint::Stroke);
            m_scene.shapes.back().area = control.area;
        }
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
    std::vector<int> m_mappable;
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

// The parts every view of Live's main window has; the control bar's map
// switches and the browser show the map mode.
void controlBar(Builder& b, MapMode mode);
void browser(Builder& b, MapMode mode);
void infoAndStatus(Builder& b, const char* topic, const char* help);

// The Session view, in a map mode or in none.
Scene buildSession(MapMode mode);
// The Arrangement above the Detail View of a clip: a MIDI clip's notes or
// its envelopes (Live shows one of them at a time), or an audio clip.
enum class ClipEditor { Notes, Envelopes, Sample };
Scene buildArrangement(ClipEditor editor);
Scene buildPreferences();

} // namespace tintwright::sketch::drawing
