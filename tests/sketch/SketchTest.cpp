#include "sketch/Sketch.h"
#include "color/Color.h"
#include "sketch/ElementTable.h"
#include "sketch/Roles.h"
#include "sketch/Scene.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <regex>
#include <set>
#include <tuple>

namespace tintwright::sketch {
namespace {

std::vector<std::string> liveElements()
{
    std::ifstream list(TINTWRIGHT_SKETCH_TEST_DATA "/live10-elements.txt");
    std::vector<std::string> names;
    for (std::string name; std::getline(list, name);) {
        if (!name.empty()) {
            names.push_back(name);
        }
    }
    return names;
}

TEST(SketchTest, everyLiveElementIsDescribedAndPaintedOrListedAsPlacedNowhere)
{
    const std::vector<std::string> names = liveElements();
    ASSERT_EQ(names.size(), 162u);
    ASSERT_EQ(elementTable().size(), names.size());
    const std::vector<std::string_view> nowhere = elementsPlacedNowhere();
    std::set<std::string> painted;
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            EXPECT_NE(findElement(shape.element), nullptr) << shape.element << " is no Live 10 element";
            painted.insert(shape.element);
        }
    }
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(elementTable()[i].name, names[i]);
        EXPECT_FALSE(elementTable()[i].description.empty()) << names[i];
        const bool listed = std::find(nowhere.begin(), nowhere.end(), names[i]) != nowhere.end();
        EXPECT_NE(painted.count(names[i]) != 0, listed) << names[i];
    }
    EXPECT_TRUE(nowhere.empty()) << "the sketch places every element";
}

TEST(SketchTest, pointingAcrossTheViewsReachesEveryElement)
{
    std::set<std::string> reached;
    for (const Scene* scene : allScenes()) {
        for (double x = 0; x < scene->width; x += 4) {
            for (double y = 0; y < scene->height; y += 4) {
                const int shape = shapeAt(*scene, x, y);
                if (shape >= 0) {
                    reached.insert(scene->shapes[static_cast<std::size_t>(shape)].element);
                }
            }
        }
    }
    for (const ElementInfo& info : elementTable()) {
        EXPECT_EQ(reached.count(std::string(info.name)), 1u) << info.name << " cannot be pointed at";
    }
}

TEST(SketchTest, svgIsWellFormedAndPaintsEachElementInItsColour)
{
    const auto theme = theme::readThemeFile(TINTWRIGHT_SAMPLES "/Midnight.ask");
    ASSERT_TRUE(theme);
    ElementColors colors = elementColors(*theme);
    colors["SurfaceArea"] = {{1, 2, 3}, 99};
    const std::string svg = svgDocument({&sessionScene()}, colors);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("</svg>\n"), std::string::npos);
    // Every opened element is closed in order.
    std::vector<std::string> open;
    const std::regex tag("<(/?)([a-z]+)[^>]*?(/?)>");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), tag); it != std::sregex_iterator(); ++it) {
        const std::string name = (*it)[2];
        if ((*it)[3] == "/") {
            continue;
        }
        if ((*it)[1] == "/") {
            ASSERT_FALSE(open.empty());
            ASSERT_EQ(open.back(), name);
            open.pop_back();
        } else {
            open.push_back(name);
        }
    }
    EXPECT_TRUE(open.empty());
    const std::regex painted("data-element=\"([A-Za-z0-9]+)\"( data-missing=\"true\")? "
                             "(fill|stroke)[^>]*?\"(#[0-9a-f]{6}|url\\(#missing\\))\"");
    int shapes = 0;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), painted); it != std::sregex_iterator(); ++it) {
        ++shapes;
        const auto found = colors.find((*it)[1].str());
        if (found == colors.end()) {
            EXPECT_EQ((*it)[4], "url(#missing)");
        } else {
            EXPECT_EQ((*it)[4], color::hexColor(found->second.rgb)) << (*it)[1];
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(shapes), sessionScene().shapes.size());
    EXPECT_NE(svg.find("<title>SurfaceArea — #010203 — entry 99</title>"), std::string::npos);
}

TEST(SketchTest, contrastPairsStandOnTheirBackgrounds)
{
    const ElementColors colors =
        elementColors({{"<ControlForeground>", {255, 255, 255}}, {"<SurfaceBackground>", {0, 0, 0}}});
    const std::vector<ContrastPair> pairs = contrastPairs(colors);
    ASSERT_FALSE(pairs.empty());
    EXPECT_EQ(pairs.front().foreground, "ControlForeground");
    EXPECT_EQ(pairs.front().background, "SurfaceBackground");
    EXPECT_DOUBLE_EQ(pairs.front().ratio, 21.0);
}

TEST(SketchTest, everyElementHasExactlyOneRoleAndTextIsWhatTheScenesWrite)
{
    std::multiset<std::string> placed;
    for (const Role& role : roles()) {
        EXPECT_FALSE(role.description.empty()) << role.name;
        placed.insert(role.elements.begin(), role.elements.end());
    }
    EXPECT_GE(roles().size(), 5u);
    EXPECT_LE(roles().size(), 30u);
    ASSERT_EQ(placed.size(), elementTable().size());
    for (const ElementInfo& info : elementTable()) {
        EXPECT_EQ(placed.count(std::string(info.name)), 1u) << info.name;
    }
    // Roles follow the scenes: whatever a scene writes as text has a text role.
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            if (shape.kind == ShapeKind::Text && shape.standsOn >= 0) {
                const RoleKind role = roleOf(shape.element);
                EXPECT_TRUE(role == RoleKind::Text || role == RoleKind::DisabledText) << shape.element;
            }
        }
    }
}

// The rules are tried in order, the first fitting one wins: elements that more
// than one rule fits, and one of each role, where a reordering would show.
TEST(SketchTest, rolesAreAssignedByTheFirstRuleThatFits)
{
    const std::pair<const char*, RoleKind> expected[] = {
        {"TextDisabled", RoleKind::DisabledText}, // text, and disabled: disabled text
        {"ControlOffDisabledForeground", RoleKind::DisabledText},
        {"ControlForeground", RoleKind::Text},
        {"ClipText", RoleKind::Text}, // text before clips by name
        {"<Clip7>", RoleKind::Clips},
        {"ChosenDefault", RoleKind::Marks}, // drawn on controls before "Chosen" makes it a selection
        {"MeterBackground", RoleKind::Meters}, // a meter before a ground
        {"AutomationDisabled", RoleKind::Automation}, // automation before disabled
        {"SurfaceAreaFocus", RoleKind::Selection}, // focus before surface
        {"RangeDisabled", RoleKind::DisabledControls}, // disabled before range (an accent)
        {"ShadowDark", RoleKind::Lines},
        {"Operator1", RoleKind::Displays},
        {"LearnKey", RoleKind::Accents},
        {"SurfaceBackground", RoleKind::Surfaces},
        {"Poti", RoleKind::Controls},
        {"NoSuchElement", RoleKind::None},
    };
    for (const auto& [element, role] : expected) {
        EXPECT_EQ(roleOf(element), role) << element;
    }
}

TEST(SketchTest, contrastPairsAreLowestFirstOnceEachAndTakeTheFirstOfANameTwice)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    std::uint8_t shade = 0;
    for (const ElementInfo& info : elementTable()) {
        shade = static_cast<std::uint8_t>(shade + 37);
        entries.push_back({"<" + std::string(info.name) + ">", {shade, static_cast<std::uint8_t>(255 - shade), 90}});
    }
    entries.push_back({"<ControlForeground>", {1, 2, 3}}); // a second entry of a name: the first counts
    const ElementColors colors = elementColors(entries);
    EXPECT_EQ(colors.at("ControlForeground").entry, 1);
    EXPECT_EQ(colors.at("ControlForeground").rgb.R, 37);

    const std::vector<ContrastPair> pairs = contrastPairs(colors);
    ASSERT_GT(pairs.size(), 10u);
    EXPECT_TRUE(std::is_sorted(pairs.begin(), pairs.end(),
                               [](const ContrastPair& a, const ContrastPair& b) { return a.ratio < b.ratio; }));
    std::set<std::tuple<std::string, std::string, bool>> seen;
    for (const ContrastPair& pair : pairs) {
        EXPECT_TRUE(seen.insert({pair.foreground, pair.background, pair.text}).second)
            << pair.foreground << " on " << pair.background;
    }
}

// A pair the scenes draw both as text and as a mark is held to the text's
// minimum, whichever of the two is drawn first.
TEST(SketchTest, aPairDrawnAsTextAnywhereIsHeldToTheTextMinimum)
{
    std::set<std::pair<std::string, std::string>> asText;
    for (const Scene* scene : allScenes()) {
        for (const Shape& shape : scene->shapes) {
            if (shape.standsOn >= 0 && !shape.glyph) {
                asText.insert({shape.element, scene->shapes[static_cast<std::size_t>(shape.standsOn)].element});
            }
        }
    }
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (const ElementInfo& info : elementTable()) {
        entries.push_back({std::string(info.name), {90, 90, 90}});
    }
    const ContrastMinimums minimums {7, 2};
    for (const ContrastPair& pair : contrastPairs(elementColors(entries), minimums)) {
        const bool text = asText.count({pair.foreground, pair.background}) != 0;
        EXPECT_EQ(pair.text, text) << pair.foreground << " on " << pair.background;
        EXPECT_EQ(pair.minimum, text ? minimums.text : minimums.graphic)
            << pair.foreground << " on " << pair.background;
    }
}

// A pair exactly at its minimum reaches it; a hair below does not. Shown
// ratios are rounded down, so one shown at its minimum reaches it too.
TEST(SketchTest, aPairAtExactlyItsMinimumPasses)
{
    const ElementColors colors = elementColors(std::vector<std::pair<std::string, theme::RgbTriple>> {
        {"ControlForeground", {120, 120, 120}}, {"SurfaceBackground", {20, 20, 20}}});
    const std::vector<ContrastPair> measured = contrastPairs(colors);
    ASSERT_FALSE(measured.empty());
    const ContrastPair& pair = measured.front();
    for (const auto& [minimum, passes] :
         {std::pair {pair.ratio, true}, std::pair {std::nextafter(pair.ratio, 99.0), false},
          std::pair {std::nextafter(pair.ratio, 0.0), true}}) {
        const std::vector<ContrastPair> again = contrastPairs(colors, {minimum, minimum});
        EXPECT_EQ(again.front().passes, passes) << minimum;
    }
    EXPECT_DOUBLE_EQ(color::shownRatio(4.4983), 4.49);
    EXPECT_DOUBLE_EQ(color::shownRatio(4.5), 4.5);
    EXPECT_DOUBLE_EQ(color::shownRatio(4.57), 4.57);
}

// Every colour is seen through the vision and keeps its entry. No vision
// turns a grey into a colour or moves black and white; without colour vision
// everything is grey, and to a protanope or deuteranope red and green are
// one hue, told apart only by lightness.
TEST(SketchTest, simulatedColoursKeepGreysAndFoldRedAndGreenTogether)
{
    const ElementColors colors =
        elementColors(std::vector<std::pair<std::string, theme::RgbTriple>> {{"<SurfaceBackground>", {0, 0, 0}},
                                                                             {"<ControlForeground>", {255, 255, 255}},
                                                                             {"<Poti>", {128, 128, 128}},
                                                                             {"<ChosenRecord>", {255, 0, 0}},
                                                                             {"<ChosenPlay>", {0, 255, 0}}});
    const auto hueApart = [](const theme::RgbTriple& a, const theme::RgbTriple& b) {
        const double apart = std::fabs(color::toOklch(a).h - color::toOklch(b).h);
        return std::min(apart, 360 - apart);
    };
    for (const color::NamedVision& named : color::visions()) {
        const ElementColors seen = simulated(colors, named.vision);
        ASSERT_EQ(seen.size(), colors.size()) << named.name;
        for (const auto& [element, painted] : colors) {
            EXPECT_EQ(seen.at(element).entry, painted.entry) << named.name << " " << element;
        }
        for (const char* grey : {"SurfaceBackground", "ControlForeground", "Poti"}) {
            const theme::RgbTriple before = colors.at(grey).rgb;
            const theme::RgbTriple after = seen.at(grey).rgb;
            EXPECT_TRUE(std::abs(after.R - before.R) <= 1 && std::abs(after.G - before.G) <= 1
                        && std::abs(after.B - before.B) <= 1)
                << named.name << " " << grey;
        }
        const theme::RgbTriple red = seen.at("ChosenRecord").rgb;
        const theme::RgbTriple green = seen.at("ChosenPlay").rgb;
        if (named.vision == color::Vision::Achromatopsia) {
            EXPECT_TRUE(red.R == red.G && red.G == red.B && green.R == green.G && green.G == green.B);
            continue; // greys have no hue
        }
        const bool folds = named.vision == color::Vision::Protanopia || named.vision == color::Vision::Deuteranopia;
        EXPECT_EQ(hueApart(red, green) < 15, folds) << named.name << ": " << hueApart(red, green) << " degrees apart";
    }
}

// A theme lacking an element: where the scenes asked about paint it, it is
// missing and drawn hatched; where only other scenes do, missing elsewhere.
// An element of the theme that no scene paints is named.
TEST(SketchTest, coverageNamesTheMissingElementsAndHatchesThem)
{
    const Scene& preferences = preferencesScene();
    std::set<std::string> inPreferences;
    for (const Shape& shape : preferences.shapes) {
        inPreferences.insert(shape.element);
    }
    const std::string here = preferences.shapes.front().element;
    std::string elsewhere;
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (const ElementInfo& info : elementTable()) {
        const std::string name(info.name);
        if (elsewhere.empty() && inPreferences.count(name) == 0) {
            elsewhere = name;
        } else if (name != here) {
            entries.push_back({"<" + name + ">", {10, 20, 30}});
        }
    }
    entries.push_back({"<NotALiveElement>", {1, 2, 3}});
    const ElementColors colors = elementColors(entries);

    const Coverage result = coverage(colors, {&preferences});
    EXPECT_EQ(result.missing, std::vector<std::string> {here});
    EXPECT_EQ(result.missingElsewhere, std::vector<std::string> {elsewhere});
    EXPECT_EQ(result.notDrawn, std::vector<std::string> {"NotALiveElement"});

    const std::string svg = svgDocument({&preferences}, colors);
    const auto count = [&svg](const std::string& text) {
        std::size_t found = 0;
        for (std::size_t at = svg.find(text); at != std::string::npos; at = svg.find(text, at + 1)) {
            ++found;
        }
        return found;
    };
    const auto shapesOfHere = std::count_if(preferences.shapes.begin(), preferences.shapes.end(),
                                            [&here](const Shape& shape) { return shape.element == here; });
    EXPECT_EQ(count("data-missing=\"true\""), static_cast<std::size_t>(shapesOfHere));
    EXPECT_EQ(count("url(#missing)"), static_cast<std::size_t>(shapesOfHere));
    EXPECT_EQ(count("<title>" + here + " — the theme lacks this element"), static_cast<std::size_t>(shapesOfHere));
}

// Whatever a scene says is written into the SVG as text: quotes cannot end
// an attribute, angle brackets cannot open a tag, ampersands are entities,
// and control characters (which XML 1.0 forbids) are left out.
TEST(SketchTest, svgEscapesEverythingTheScenesWrite)
{
    Scene scene;
    scene.id = "a\"b";
    scene.name = "<view>";
    scene.caption = "R&D\x01";
    Shape shape;
    shape.kind = ShapeKind::Text;
    shape.element = "Odd\"<&>";
    shape.area = "x & \"y\"";
    shape.text = "<b>&amp;\"\x1f";
    scene.shapes = {shape};
    for (const ElementColors& colors : {ElementColors {}, ElementColors {{shape.element, {{1, 2, 3}, 7}}}}) {
        const std::string svg = svgDocument({&scene}, colors);
        for (const char* escaped : {"id=\"a&quot;b\"", "data-view=\"&lt;view&gt;\"", "<desc>R&amp;D</desc>",
                                    "data-element=\"Odd&quot;&lt;&amp;&gt;\"", "data-area=\"x &amp; &quot;y&quot;\"",
                                    "<title>Odd&quot;&lt;&amp;&gt; — ", "&lt;b&gt;&amp;amp;&quot;</text>"}) {
            EXPECT_NE(svg.find(escaped), std::string::npos) << escaped << " in\n" << svg;
        }
        EXPECT_FALSE(std::regex_search(svg, std::regex("&(?!(amp|lt|gt|quot);)"))) << svg;
        EXPECT_EQ(std::count_if(svg.begin(), svg.end(), [](char c) { return c != '\n' && c >= 0 && c < 0x20; }), 0);
    }
}

} // namespace
} // namespace tintwright::sketch
