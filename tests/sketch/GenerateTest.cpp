#include "sketch/Generate.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"

#include <gtest/gtest.h>

#include <random>

namespace tintwright::sketch {
namespace {

ElementColors colorsOf(const GeneratedTheme& generated)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries(generated.colors.begin(), generated.colors.end());
    return elementColors(entries);
}

// The promise of generate: whatever the base colours, every pair the sketch
// shows reaches its minimum, and the colours' own moves are reported.
TEST(GenerateTest, everyPairReachesItsMinimumForAnyBaseColours)
{
    std::vector<BaseColors> sets = {
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}},
        {{119, 119, 119}, {118, 118, 118}, {255, 255, 0}}, // a middle grey, where light and dark meet
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
        {{30, 31, 34}, {232, 232, 232}, {255, 154, 60}},
        {{244, 241, 234}, {29, 31, 33}, {47, 111, 214}},
    };
    std::mt19937 random(2009);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto any = [&] {
        return theme::RgbTriple {static_cast<std::uint8_t>(channel(random)), static_cast<std::uint8_t>(channel(random)),
                                 static_cast<std::uint8_t>(channel(random))};
    };
    for (int i = 0; i < 300; ++i) {
        sets.push_back({any(), any(), any()});
    }
    for (const BaseColors& base : sets) {
        const GeneratedTheme generated = generateTheme(base);
        ASSERT_EQ(generated.colors.size(), elementTable().size());
        EXPECT_TRUE(generated.shortfalls.empty()) << generated.shortfalls.front().foreground;
        for (const ContrastPair& pair : contrastPairs(colorsOf(generated))) {
            ASSERT_TRUE(pair.passes) << pair.foreground << " on " << pair.background << ": " << pair.ratio;
        }
    }
}

TEST(GenerateTest, followsTheBaseColoursWhereContrastAllows)
{
    const BaseColors dark {{30, 31, 34}, {232, 232, 232}, {255, 154, 60}};
    const GeneratedTheme generated = generateTheme(dark);
    const ElementColors colors = colorsOf(generated);
    // Text keeps the foreground; the ground stays near the background, darkened at most a little to make
    // room for what stands between them (an activator's light under its caption); the same colours give
    // the same theme.
    EXPECT_EQ(color::hexColor(colors.at("ControlForeground").rgb), "#e8e8e8");
    EXPECT_LT(color::contrastRatio(colors.at("SurfaceBackground").rgb, dark.background), 1.1);
    const GeneratedTheme again = generateTheme(dark);
    for (std::size_t i = 0; i < generated.colors.size(); ++i) {
        EXPECT_EQ(color::hexColor(again.colors[i].second), color::hexColor(generated.colors[i].second));
    }
    // A pair that needed its lightness moved is reported with both ratios.
    ASSERT_FALSE(generated.moved.empty());
    for (const MovedPair& pair : generated.moved) {
        EXPECT_LT(pair.before, pair.minimum);
        EXPECT_GE(pair.after, pair.minimum);
    }
}

} // namespace
} // namespace tintwright::sketch
