#include "sketch/Sketch.h"
#include "sketch/ColorMath.h"
#include "sketch/ElementTable.h"
#include "sketch/Scene.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
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
    for (const Scene* scene : {&sessionScene(), &arrangementScene()}) {
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

TEST(SketchTest, pointingAcrossBothViewsReachesEveryElement)
{
    std::set<std::string> reached;
    for (const Scene* scene : {&sessionScene(), &arrangementScene()}) {
        for (double x = 0; x < scene->width; x += 4) {
            for (double y = 0; y < scene->height; y += 4) {
                const int shape = shapeAt(*scene, x, y);
                if (shape >= 0) {
                    reached.insert(scene->shapes[static_cast<std::size_t>(shape)].element);
                }
            }
        }
    }
    EXPECT_EQ(reached.size(), elementTable().size());
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
            EXPECT_EQ((*it)[4], hexColor(found->second.rgb)) << (*it)[1];
        }
    }
    EXPECT_EQ(static_cast<std::size_t>(shapes), sessionScene().shapes.size());
    EXPECT_NE(svg.find("<title>SurfaceArea — #010203 — entry 99</title>"), std::string::npos);
}

TEST(SketchTest, contrastRatioIsWcags)
{
    // White on black is 21; #777777 on white, worked by hand: L = 0.1845, (1.05) / (0.2345) = 4.48.
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_NEAR(contrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.005);
    const ElementColors colors =
        elementColors({{"<ControlForeground>", {255, 255, 255}}, {"<SurfaceBackground>", {0, 0, 0}}});
    const std::vector<ContrastPair> pairs = contrastPairs(colors);
    ASSERT_FALSE(pairs.empty());
    EXPECT_EQ(pairs.front().foreground, "ControlForeground");
    EXPECT_EQ(pairs.front().background, "SurfaceBackground");
    EXPECT_DOUBLE_EQ(pairs.front().ratio, 21.0);
}

} // namespace
} // namespace tintwright::sketch

namespace tintwright::sketch {
namespace {

TEST(ColorMathTest, oklchMatchesPublishedValuesAndRoundTrips)
{
    // sRGB red is oklch(62.8% 0.2577 29.23) in Ottosson's OKLab.
    const Oklch red = toOklch({255, 0, 0});
    EXPECT_NEAR(red.L, 0.62796, 1e-4);
    EXPECT_NEAR(red.C, 0.25768, 1e-4);
    EXPECT_NEAR(red.h, 29.234, 1e-2);
    EXPECT_NEAR(toOklch({255, 255, 255}).L, 1.0, 1e-6);
    for (int r = 0; r < 256; r += 15) {
        for (int g = 0; g < 256; g += 15) {
            for (int b = 0; b < 256; b += 15) {
                const theme::RgbTriple rgb {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                                            static_cast<std::uint8_t>(b)};
                const theme::RgbTriple back = fromOklch(toOklch(rgb));
                ASSERT_EQ(std::make_tuple(back.R, back.G, back.B), std::make_tuple(rgb.R, rgb.G, rgb.B));
            }
        }
    }
}

struct AdjustCase {
    const char* name;
    theme::RgbTriple input;
    Adjustment adjustment;
    theme::RgbTriple expected;
};

class AdjustTest : public ::testing::TestWithParam<AdjustCase> { };

TEST_P(AdjustTest, givesTheWorkedColour)
{
    const theme::RgbTriple out = adjustColor(GetParam().input, GetParam().adjustment);
    EXPECT_NEAR(out.R, GetParam().expected.R, 1);
    EXPECT_NEAR(out.G, GetParam().expected.G, 1);
    EXPECT_NEAR(out.B, GetParam().expected.B, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, AdjustTest,
    ::testing::Values(AdjustCase {"greyStaysGreyUnderAHueTurn", {128, 128, 128}, {123, 2.5, 0, false}, {128, 128, 128}},
                      AdjustCase {"nothingChangesNothing", {12, 200, 99}, {}, {12, 200, 99}},
                      // Red is at the edge of sRGB: more chroma cannot fit, so it stays red.
                      AdjustCase {"outOfGamutLosesChromaOnly", {255, 0, 0}, {0, 3, 0, false}, {255, 0, 0}},
                      AdjustCase {"blackInvertedIsWhite", {0, 0, 0}, {0, 1, 0, true}, {255, 255, 255}},
                      AdjustCase {"lightnessHeldToOne", {200, 200, 200}, {0, 1, 0.9, false}, {255, 255, 255}},
                      // Parts that are no numbers change nothing; an endless chroma ends at sRGB's edge.
                      AdjustCase {"notANumberChangesNothing",
                                  {12, 200, 99},
                                  {std::nan(""), std::nan(""), std::nan(""), false},
                                  {12, 200, 99}},
                      AdjustCase {
                          "endlessHueChangesNothing", {12, 200, 99}, {HUGE_VAL, 1, -HUGE_VAL, false}, {12, 200, 99}},
                      AdjustCase {"endlessChromaFindsTheEdge", {255, 0, 0}, {0, HUGE_VAL, 0, false}, {255, 0, 0}},
                      AdjustCase {"hugeChromaFindsTheEdge", {255, 0, 0}, {0, 1e300, 0, false}, {255, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorMathTest, onlyPatternsAreGlobs)
{
    EXPECT_TRUE(matchesAny("Clip12", {}));
    EXPECT_TRUE(matchesAny("Clip12", {"Surface*", "Clip*"}));
    EXPECT_TRUE(matchesAny("SurfaceArea", {"Surface?rea"}));
    EXPECT_FALSE(matchesAny("SurfaceArea", {"Surface?"}));
    EXPECT_FALSE(matchesAny("ClipText", {"Clip?"}));
    EXPECT_TRUE(matchesAny("Clip1", {"<Clip1>"}));
    EXPECT_TRUE(matchesAny("Clip1", {"<Cl*>"}));
    EXPECT_TRUE(matchesAny("a*b", {"a*b"}));
    EXPECT_TRUE(matchesAny("ab", {"**a**b**"}));
    EXPECT_FALSE(matchesAny("abc", {"*a*b"}));
    EXPECT_TRUE(matchesAny("mississippi", {"*sip*"}));
}

TEST(ColorMathTest, manyStarsDoNotTakeLonger)
{
    // A matcher that backtracks at every star takes minutes here.
    const std::string name(200, 'a');
    const std::string pattern = std::string(40, '*') + "#";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(matchesAny(name, {pattern}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

} // namespace
} // namespace tintwright::sketch
