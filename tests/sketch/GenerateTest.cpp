#include "sketch/Generate.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tintwright::sketch {
namespace {

double lightness(const ElementColors& colors, const char* name)
{
    return color::toOklch(colors.at(name).rgb).L;
}

ElementColors colorsOf(const GeneratedTheme& generated)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries(generated.colors.begin(), generated.colors.end());
    return elementColors(entries);
}

// The promise of generate: where text cannot be read in the foreground on the
// background, the reason is given instead of a theme; otherwise every pair that
// falls short is reported, and none does where the two leave room for all.
TEST(GenerateTest, everyPairReachesItsMinimumForAnyBaseColours)
{
    // A lit switch with its caption stands 3:1 from the ground and 4.5:1 from
    // its caption: every pair has room where the base colours stand 13.5:1 apart.
    const double kRoomy = 3 * 4.5;
    std::vector<BaseColors> sets = {
        {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
        {{255, 255, 255}, {255, 255, 255}, {255, 255, 255}},
        {{119, 119, 119}, {118, 118, 118}, {255, 255, 0}}, // a middle grey, where light and dark meet
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}},
        {{30, 31, 34}, {232, 232, 232}, {255, 154, 60}},
        {{244, 241, 234}, {29, 31, 33}, {47, 111, 214}},
    };
    std::mt19937 random(2009);
    const auto any = [&](int low, int high) {
        std::uniform_int_distribution<int> channel(low, high);
        return theme::RgbTriple {static_cast<std::uint8_t>(channel(random)), static_cast<std::uint8_t>(channel(random)),
                                 static_cast<std::uint8_t>(channel(random))};
    };
    // Any three colours, and dark themes and light ones of any hue.
    for (int i = 0; i < 150; ++i) {
        sets.push_back({any(0, 255), any(0, 255), any(0, 255)});
        sets.push_back({any(0, 50), any(200, 255), any(0, 255)});
        sets.push_back({any(200, 255), any(0, 50), any(0, 255)});
    }
    int readable = 0; // sets with room for every pair
    for (const BaseColors& base : sets) {
        const bool tooClose = color::contrastRatio(base.background, base.foreground) < ContrastMinimums {}.text;
        EXPECT_EQ(readabilityProblem(base).empty(), !tooClose) << readabilityProblem(base);
        if (tooClose) {
            continue;
        }
        const GeneratedTheme generated = generateTheme(base);
        ASSERT_EQ(generated.colors.size(), elementTable().size());
        const bool roomy = color::contrastRatio(base.background, base.foreground) >= kRoomy;
        readable += roomy ? 1 : 0;
        EXPECT_TRUE(!roomy || generated.shortfalls.empty())
            << color::hexColor(base.background) << ' ' << color::hexColor(base.foreground) << ' '
            << color::hexColor(base.accent) << ": " << generated.shortfalls.front().foreground << " on "
            << generated.shortfalls.front().background;
        // What is reported is what falls short.
        std::size_t failing = 0;
        for (const ContrastPair& pair : contrastPairs(colorsOf(generated))) {
            failing += pair.passes ? 0 : 1;
        }
        EXPECT_EQ(failing, generated.shortfalls.size());
    }
    EXPECT_GT(readable, 150);
}

TEST(GenerateTest, followsTheBaseColoursWhereContrastAllows)
{
    const BaseColors dark {{30, 31, 34}, {232, 232, 232}, {255, 154, 60}};
    const GeneratedTheme generated = generateTheme(dark);
    const ElementColors colors = colorsOf(generated);
    // The same colours give the same theme.
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

// How careful Live 10 themes stand their colours to each other, for dark,
// light, mid-grey and saturated base sets alike.
TEST(GenerateTest, keepsTheRelationsOfCarefulThemes)
{
    const BaseColors sets[] = {
        {{0x1e, 0x1f, 0x22}, {0xe8, 0xe8, 0xe8}, {0xff, 0x9a, 0x3c}}, // dark, orange
        {{0x05, 0x05, 0x05}, {0xd0, 0xd0, 0xd0}, {0x8a, 0x2b, 0xe2}}, // near black, dark violet accent
        {{0x2a, 0x0f, 0x4a}, {0xf3, 0xe6, 0xf5}, {0xff, 0x2d, 0x95}}, // saturated
        {{0x80, 0x80, 0x80}, {0x00, 0x00, 0x00}, {0xff, 0xd4, 0x00}}, // mid grey
        {{0xf4, 0xf1, 0xea}, {0x1d, 0x1f, 0x21}, {0x2f, 0x6f, 0xd6}}, // light
        {{0xf3, 0xe6, 0xf5}, {0x3a, 0x1f, 0x40}, {0x1f, 0x3a, 0x8a}}, // pastel, dark accent
    };
    for (const BaseColors& base : sets) {
        const ElementColors c = colorsOf(generateTheme(base));
        // Nearer than a just noticeable difference in OKLab.
        const auto near = [&](const char* a, const char* b) {
            const color::Oklch x = color::toOklch(c.at(a).rgb);
            const color::Oklch y = color::toOklch(c.at(b).rgb);
            const double radians = 3.14159265358979 / 180;
            return std::hypot(x.L - y.L, x.C * std::cos(x.h * radians) - y.C * std::cos(y.h * radians),
                              x.C * std::sin(x.h * radians) - y.C * std::sin(y.h * radians))
                < 0.03;
        };
        const bool dark = lightness(c, "SurfaceBackground") < 0.5;
        SCOPED_TRACE(color::hexColor(base.background));
        // The base colours are kept as given.
        EXPECT_EQ(color::hexColor(c.at("SurfaceBackground").rgb), color::hexColor(base.background));
        EXPECT_EQ(color::hexColor(c.at("ControlForeground").rgb), color::hexColor(base.foreground));
        // The chosen state is bright, in the accent's hue, with dark text on it.
        EXPECT_GE(lightness(c, "ChosenDefault"), dark ? 0.67 : 0.55);
        const color::Oklch accent = color::toOklch(base.accent);
        const double turn =
            std::abs(std::fmod(color::toOklch(c.at("ChosenDefault").rgb).h - accent.h + 540, 360) - 180);
        EXPECT_LT(turn, 15);
        EXPECT_LT(lightness(c, "ControlOnForeground"), lightness(c, "ChosenDefault"));
        // Four states stay apart.
        for (const char* a : {"SurfaceHighlight", "FreezeColor", "LearnKey", "ChosenDefault"}) {
            for (const char* b : {"SurfaceHighlight", "FreezeColor", "LearnKey", "ChosenDefault"}) {
                EXPECT_TRUE(a == b || !near(a, b)) << a << " and " << b;
            }
        }
        // Meters stand on dark; clips are light with darker text.
        EXPECT_LE(lightness(c, "MeterBackground"), 0.32);
        double clips = 0;
        for (int i = 1; i <= 16; ++i) {
            clips += lightness(c, ("Clip" + std::to_string(i)).c_str()) / 16;
        }
        EXPECT_GE(clips, 0.68);
        EXPECT_LT(lightness(c, "ClipText"), 0.4);
        // Layers: the Detail View lighter than the ground where there is room, the focused area no lighter
        // than the area in dark themes, Desktop, ground and area apart.
        if (lightness(c, "SurfaceBackground") < 0.95) {
            EXPECT_GT(lightness(c, "DetailViewBackground"), lightness(c, "SurfaceBackground"));
        }
        if (dark) {
            EXPECT_LE(lightness(c, "SurfaceAreaFocus"), lightness(c, "SurfaceArea"));
        }
        EXPECT_FALSE(near("SurfaceBackground", "SurfaceArea"));
        EXPECT_FALSE(near("SurfaceBackground", "Desktop"));
        // Disabled text quieter than text, where the two base colours leave room for both.
        const double text = color::contrastRatio(base.foreground, base.background);
        EXPECT_TRUE(text < 7
                    || color::contrastRatio(c.at("TextDisabled").rgb, c.at("SurfaceBackground").rgb) < 0.75 * text);
    }
}

} // namespace
} // namespace tintwright::sketch
