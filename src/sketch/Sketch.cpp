#include "Sketch.h"

#include "ElementTable.h"
#include "color/Color.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <sstream>

namespace tintwright::sketch {

namespace {

std::string xmlEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) {
                out += c;
            }
        }
    }
    return out;
}

// One decimal at most, and none where it is 0: "12", "12.5", "-3.2".
std::string number(double value)
{
    const long tenths = std::lround(value * 10);
    const unsigned long magnitude = static_cast<unsigned long>(tenths < 0 ? -tenths : tenths);
    std::string text = (tenths < 0 ? "-" : "") + std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += '.';
        text += static_cast<char>('0' + magnitude % 10);
    }
    return text;
}

std::string pointList(const std::vector<Point>& points)
{
    std::string list;
    for (const Point& point : points) {
        list += (list.empty() ? "" : " ") + number(point.x) + "," + number(point.y);
    }
    return list;
}

void writeShape(std::ostream& out, const Shape& shape, const ElementColors& colors)
{
    const auto found = colors.find(shape.element);
    const bool missing = found == colors.end();
    const std::string paint = missing ? "url(#missing)" : color::hexColor(found->second.rgb);
    std::string attributes = " data-element=\"" + xmlEscaped(shape.element) + "\"";
    if (missing) {
        attributes += " data-missing=\"true\"";
    }
    attributes += isStroked(shape)
        ? " fill=\"none\" stroke=\"" + paint + "\" stroke-width=\"" + number(kStrokeWidth) + "\""
        : " fill=\"" + paint + "\"";
    attributes += " data-area=\"" + xmlEscaped(shape.area) + "\"";
    const std::string title = missing ? shape.element + " — the theme lacks this element; Live uses its default colour"
                                      : shape.element + " — " + color::hexColor(found->second.rgb) + " — entry "
            + std::to_string(found->second.entry);
    const std::string inner = "<title>" + xmlEscaped(title) + "</title>";
    switch (shape.kind) {
    case ShapeKind::Rect:
    case ShapeKind::RoundedRect:
        out << "<rect x=\"" << number(shape.x) << "\" y=\"" << number(shape.y) << "\" width=\"" << number(shape.w)
            << "\" height=\"" << number(shape.h) << "\""
            << (shape.kind == ShapeKind::RoundedRect ? " rx=\"" + number(kCornerRadius) + "\"" : "") << attributes
            << ">" << inner << "</rect>\n";
        break;
    case ShapeKind::Circle:
        out << "<ellipse cx=\"" << number(shape.x + shape.w / 2) << "\" cy=\"" << number(shape.y + shape.h / 2)
            << "\" rx=\"" << number(shape.w / 2) << "\" ry=\"" << number(shape.h / 2) << "\"" << attributes << ">"
            << inner << "</ellipse>\n";
        break;
    case ShapeKind::Line:
    case ShapeKind::Polyline: {
        const char* element = shape.points.empty() ? "polygon" : "polyline";
        out << "<" << element << " points=\"" << pointList(outlinePoints(shape)) << "\"" << attributes << ">" << inner
            << "</" << element << ">\n";
        break;
    }
    case ShapeKind::Arc: {
        const double cx = shape.x + shape.w / 2;
        const double cy = shape.y + shape.h / 2;
        const double r = shape.w / 2;
        const double start = shape.startAngle * color::kPi / 180;
        const double end = (shape.startAngle + shape.spanAngle) * color::kPi / 180;
        out << "<path d=\"M " << number(cx + r * std::cos(start)) << " " << number(cy - r * std::sin(start)) << " A "
            << number(r) << " " << number(r) << " 0 " << (shape.spanAngle > 180 ? 1 : 0) << " 0 "
            << number(cx + r * std::cos(end)) << " " << number(cy - r * std::sin(end)) << "\"" << attributes << ">"
            << inner << "</path>\n";
        break;
    }
    case ShapeKind::Text:
        out << "<text x=\"" << number(shape.x) << "\" y=\"" << number(shape.y)
            << "\" font-family=\"sans-serif\" font-size=\"" << number(shape.h) << "\"" << attributes << ">" << inner
            << xmlEscaped(shape.text) << "</text>\n";
        break;
    }
}

} // namespace

ElementColors elementColors(const std::vector<std::pair<std::string, theme::RgbTriple>>& entries)
{
    ElementColors colors;
    int number = 0;
    for (const auto& [item, rgb] : entries) {
        colors.emplace(std::string(elementName(item)), ElementColor {rgb, ++number});
    }
    return colors;
}

ElementColors elementColors(const theme::ThemeContent& theme)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (const theme::ColorEntry& entry : theme.entries) {
        entries.emplace_back(entry.item, theme::SplitColor(entry.oldColor));
    }
    return elementColors(entries);
}

ElementColors simulated(ElementColors colors, color::Vision vision)
{
    for (auto& [element, painted] : colors) {
        painted.rgb = color::simulate(painted.rgb, vision);
    }
    return colors;
}

Coverage coverage(const ElementColors& colors, const std::vector<const Scene*>& scenes)
{
    const std::set<std::string>& painted = drawnElements();
    std::set<std::string> shown;
    for (const Scene* scene : scenes) {
        for (const Shape& shape : scene->shapes) {
            shown.insert(shape.element);
        }
    }
    Coverage result;
    for (const std::string& element : painted) {
        if (colors.find(element) == colors.end()) {
            (shown.count(element) != 0 ? result.missing : result.missingElsewhere).push_back(element);
        }
    }
    for (const auto& [element, color] : colors) {
        if (painted.count(element) == 0) {
            result.notDrawn.push_back(element);
        }
    }
    return result;
}

std::string svgDocument(const std::vector<const Scene*>& scenes, const ElementColors& colors)
{
    double height = 0;
    double width = 0;
    for (const Scene* scene : scenes) {
        height += scene->height;
        width = std::max(width, scene->width);
    }
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << number(width) << "\" height=\""
        << number(height) << "\" viewBox=\"0 0 " << number(width) << " " << number(height) << "\">\n"
        << "<title>A sketch of Ableton Live 10's window in this theme's colours</title>\n"
        << "<defs><pattern id=\"missing\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
        << "<rect width=\"8\" height=\"8\" fill=\"#ffffff\"/><path d=\"M0 8 L8 0\" stroke=\"#ff00ff\" "
           "stroke-width=\"2\"/>"
        << "</pattern></defs>\n";
    double top = 0;
    for (const Scene* scene : scenes) {
        out << "<g id=\"" << xmlEscaped(scene->id) << "\" data-view=\"" << xmlEscaped(scene->name)
            << "\" transform=\"translate(0 " << number(top) << ")\">\n";
        if (!scene->caption.empty()) {
            out << "<desc>" << xmlEscaped(scene->caption) << "</desc>\n";
        }
        for (const Shape& shape : scene->shapes) {
            writeShape(out, shape, colors);
        }
        out << "</g>\n";
        top += scene->height;
    }
    out << "</svg>\n";
    return out.str();
}

std::vector<ContrastPair> contrastPairs(const ElementColors& colors, const ContrastMinimums& minimums)
{
    // Each pair once; one drawn as text anywhere is held to the text's minimum.
    std::map<std::pair<std::string, std::string>, std::size_t> seen;
    std::vector<ContrastPair> pairs;
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            if (shape.standsOn < 0) {
                continue;
            }
            const Shape& under = scene->shapes[static_cast<std::size_t>(shape.standsOn)];
            const auto foreground = colors.find(shape.element);
            const auto background = colors.find(under.element);
            if (foreground == colors.end() || background == colors.end()) {
                continue;
            }
            if (const auto met = seen.find({shape.element, under.element}); met != seen.end()) {
                ContrastPair& first = pairs[met->second];
                if (!shape.glyph && !first.text) {
                    first.text = true;
                    first.minimum = minimums.text;
                    first.passes = first.ratio >= first.minimum;
                }
                continue;
            }
            seen.emplace(std::pair {shape.element, under.element}, pairs.size());
            ContrastPair pair;
            pair.foreground = shape.element;
            pair.background = under.element;
            pair.text = !shape.glyph;
            pair.foregroundRgb = foreground->second.rgb;
            pair.backgroundRgb = background->second.rgb;
            pair.ratio = color::contrastRatio(pair.foregroundRgb, pair.backgroundRgb);
            pair.minimum = pair.text ? minimums.text : minimums.graphic;
            pair.passes = pair.ratio >= pair.minimum;
            pairs.push_back(pair);
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const ContrastPair& a, const ContrastPair& b) { return a.ratio < b.ratio; });
    return pairs;
}

} // namespace tintwright::sketch
