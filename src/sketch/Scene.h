#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tintwright::sketch {

enum class ShapeKind { Rect, RoundedRect, Line, Polyline, Circle, Arc, Text };

// How the element's colour paints the shape.
enum class Paint { Fill, Stroke };

struct Point {
    double x = 0;
    double y = 0;
};

// One shape of Live's window, painted by one colour element. Coordinates are
// in the scene's design space; renderers scale.
struct Shape {
    ShapeKind kind = ShapeKind::Rect;
    Paint paint = Paint::Fill;
    std::string element; // without angle brackets
    double x = 0, y = 0, w = 0, h = 0; // bounds; for text x, y is the baseline start and h the size
    std::vector<Point> points; // lines and polylines
    double startAngle = 0, spanAngle = 0; // arcs, degrees counter-clockwise from three o'clock
    std::string text;
    int standsOn = -1; // text and glyphs: the index of the shape they stand on
    bool glyph = false; // a standing shape that is a graphic (an icon), not text
    std::string area; // the part of Live's window it belongs to, "Session › Mixer › Sends"
};

struct Scene {
    std::string id; // "session", "arrangement", "audio-clip", "envelopes"…: the CLI's --view
    std::string name; // "Session", "Arrangement", "Audio clip", "Clip envelopes"…: how the views are shown
    // Which states the view shows that Live's resting window does not, and
    // where it differs from a new Set: so that nobody takes it for either.
    std::string caption;
    double width = 1200;
    double height = 760;
    std::vector<Shape> shapes; // in painting order
};

// The views of Live's window; built once, they never change. The Session view
// shows the devices of the selected track below it, the Arrangement the MIDI
// editor of its selected clip, the audio clip view the same Arrangement with an
// audio clip's editor, the clip envelopes view the MIDI clip's Envelope Editor
// in its MIDI editor's place; Preferences is a window of its own. The two map
// modes are the Session view while MIDI Map Mode or Key Map Mode is on: Live
// is in one of them at a time.
const Scene& sessionScene();
const Scene& arrangementScene();
const Scene& preferencesScene();
const Scene& audioClipScene();
const Scene& envelopesScene();
const Scene& midiMapScene();
const Scene& keyMapScene();
// Every view, in that order: Session, Arrangement, Preferences, Audio clip,
// Clip envelopes, MIDI Map Mode, Key Map Mode.
const std::vector<const Scene*>& allScenes();

// The areas where the scenes draw an element, each once, in the order of the
// views and of painting: what `explain` says and the SVG's data-area names.
std::vector<std::string> areasOf(std::string_view element);

// How every renderer draws a shape, decided here once.
inline constexpr double kStrokeWidth = 2; // design units of a stroked shape's line
inline constexpr double kCornerRadius = 3; // of a rounded rectangle
// Whether the shape is drawn as a line in its element's colour, not filled:
// outlines, lines, polylines with points and arcs.
bool isStroked(const Shape& shape);
// The corners of a line or polyline as drawn: its points, or for a glyph
// without points the triangle (a launch or play mark) in its bounds, filled.
std::vector<Point> outlinePoints(const Shape& shape);

// Every element some scene draws.
const std::set<std::string>& drawnElements();

// The index of the topmost shape at (x, y), or -1.
int shapeAt(const Scene& scene, double x, double y);

// Elements of the table that no scene paints: no sound place in Live is known for them.
std::vector<std::string_view> elementsPlacedNowhere();

} // namespace tintwright::sketch
