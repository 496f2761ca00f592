#include "color/Color.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <tuple>

namespace tintwright::color {
namespace {

TEST(ColorTest, contrastRatioIsWcags)
{
    // White on black is 21; #777777 on white, worked by hand: L = 0.1845, (1.05) / (0.2345) = 4.48.
    EXPECT_DOUBLE_EQ(contrastRatio({255, 255, 255}, {0, 0, 0}), 21.0);
    EXPECT_NEAR(contrastRatio({0x77, 0x77, 0x77}, {255, 255, 255}), 4.48, 0.005);
    // Coloured pairs weigh each channel on its own: #0000ff has L = 0.0722, so on
    // white 1.05 / 0.1222 = 8.59 in either order; #ff0000 has L = 0.2126: 4.00.
    EXPECT_NEAR(contrastRatio({0, 0, 255}, {255, 255, 255}), 8.59, 0.005);
    EXPECT_NEAR(contrastRatio({255, 255, 255}, {0, 0, 255}), 8.59, 0.005);
    EXPECT_NEAR(contrastRatio({255, 0, 0}, {255, 255, 255}), 4.00, 0.005);
}

struct SimulationCase {
    const char* name;
    Vision vision;
    theme::RgbTriple input;
    theme::RgbTriple expected; // worked with the published matrices in double precision, apart from this code
};

class SimulationTest : public ::testing::TestWithParam<SimulationCase> { };

TEST_P(SimulationTest, isWithinTwoStepsOfTheModel)
{
    const theme::RgbTriple out = simulate(GetParam().input, GetParam().vision);
    EXPECT_NEAR(out.R, GetParam().expected.R, 2);
    EXPECT_NEAR(out.G, GetParam().expected.G, 2);
    EXPECT_NEAR(out.B, GetParam().expected.B, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Colors, SimulationTest,
    ::testing::Values(SimulationCase {"protanopiaRed", Vision::Protanopia, {255, 0, 0}, {109, 95, 0}},
                      SimulationCase {"protanopiaOchre", Vision::Protanopia, {200, 150, 50}, {170, 151, 35}},
                      SimulationCase {"deuteranopiaRed", Vision::Deuteranopia, {255, 0, 0}, {163, 144, 0}},
                      SimulationCase {"deuteranopiaAzure", Vision::Deuteranopia, {0, 128, 255}, {0, 121, 253}},
                      SimulationCase {"tritanopiaAzure", Vision::Tritanopia, {0, 128, 255}, {0, 159, 179}},
                      SimulationCase {"tritanopiaOchre", Vision::Tritanopia, {200, 150, 50}, {217, 135, 130}},
                      SimulationCase {"achromatopsiaRed", Vision::Achromatopsia, {255, 0, 0}, {127, 127, 127}},
                      SimulationCase {"whiteStaysWhite", Vision::Tritanopia, {255, 255, 255}, {255, 255, 255}},
                      SimulationCase {"normalChangesNothing", Vision::Normal, {1, 2, 3}, {1, 2, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorTest, hexColorsRoundTrip)
{
    EXPECT_EQ(hexColor({0x0a, 0xbc, 0xff}), "#0abcff");
    const auto parsed = parseHexColor("#0ABCff");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(hexColor(*parsed), "#0abcff");
    for (const char* wrong : {"", "#12345", "#1234567", "0abcff0", "#0abcfg", "#-1-2-3"}) {
        EXPECT_FALSE(parseHexColor(wrong)) << wrong;
    }
}

TEST(ColorTest, oklchMatchesPublishedValuesAndRoundTrips)
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

TEST(ColorTest, onlyPatternsAreGlobs)
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

TEST(ColorTest, manyStarsDoNotTakeLonger)
{
    // A matcher that backtracks at every star takes minutes here.
    const std::string name(200, 'a');
    const std::string pattern = std::string(40, '*') + "#";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(matchesAny(name, {pattern}));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
}

} // namespace
} // namespace tintwright::color
