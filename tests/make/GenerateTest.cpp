#include "make/Generate.h"
#include "sketch/ElementTable.h"
#include "sketch/Sketch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace tintwright::make {
namespace {

double lightness(const sketch::ElementColors& colors, const char* name)
{
    return color::toOklch(colors.at(name).rgb).L;
}

sketch::ElementColors colorsOf(const GeneratedTheme& generated)
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries(generated.colors.begin(), generated.colors.end());
    return sketch::elementColors(entries);
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
        const bool tooClose = color::contrastRatio(base.background, base.foreground) < sketch::ContrastMinimums {}.text;
        EXPECT_EQ(readabilityProblem(base).empty(), !tooClose) << readabilityProblem(base);
        if (tooClose) {
            continue;
        }
        const GeneratedTheme generated = generateTheme(base);
        ASSERT_EQ(generated.colors.size(), sketch::elementTable().size());
        const bool roomy = color::contrastRatio(base.background, base.foreground) >= kRoomy;
        readable += roomy ? 1 : 0;
        EXPECT_TRUE(!roomy || generated.shortfalls.empty())
            << color::hexColor(base.background) << ' ' << color::hexColor(base.foreground) << ' '
            << color::hexColor(base.accent) << ": " << generated.shortfalls.front().foreground << " on "
            << generated.shortfalls.front().background;
        // What is reported is what falls short.
        std::size_t failing = 0;
        for (const sketch::ContrastPair& pair : sketch::contrastPairs(colorsOf(generated))) {
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
    const sketch::ElementColors colors = colorsOf(generated);
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

double apart(const sketch::ElementColors& c, const char* a, const char* b)
{
    const color::Oklch x = color::toOklch(c.at(a).rgb);
    const color::Oklch y = color::toOklch(c.at(b).rgb);
    const double radians = color::kPi / 180;
    return std::hypot(x.L - y.L, x.C * std::cos(x.h * radians) - y.C * std::cos(y.h * radians),
                      x.C * std::sin(x.h * radians) - y.C * std::sin(y.h * radians));
}

double hueTurn(double from, double to)
{
    return std::abs(std::fmod(to - from + 540, 360) - 180);
}

// What a theme maker would reject in a generated theme, over base sets of
// every kind: dark, light, mid grey, tinted, pure black and pure white, with
// accents of every hue and a grey one.
TEST(GenerateTest, keepsWhatCarefulThemesKeepForAnyBaseSet)
{
    const std::vector<std::pair<theme::RgbTriple, theme::RgbTriple>> grounds = {
        {{0x1e, 0x1f, 0x22}, {0xe8, 0xe8, 0xe8}}, {{0x00, 0x00, 0x00}, {0xff, 0xff, 0xff}},
        {{0x2a, 0x0f, 0x4a}, {0xf3, 0xe6, 0xf5}}, {{0x05, 0x05, 0x05}, {0xd0, 0xd0, 0xd0}},
        {{0x80, 0x80, 0x80}, {0x00, 0x00, 0x00}}, {{0xf4, 0xf1, 0xea}, {0x1d, 0x1f, 0x21}},
        {{0xff, 0xff, 0xff}, {0x00, 0x00, 0x00}}, {{0xc9, 0xcd, 0xee}, {0x2f, 0x3d, 0x1e}},
    };
    const theme::RgbTriple accents[] = {{0xff, 0x9a, 0x3c}, {0x4b, 0x74, 0xff}, {0x2f, 0x6f, 0xd6}, {0xe0, 0x20, 0x20},
                                        {0x30, 0xd0, 0x70}, {0x8a, 0x2b, 0xe2}, {0x80, 0x80, 0x80}, {0xff, 0xd4, 0x00}};
    for (const auto& [background, foreground] : grounds) {
        for (const theme::RgbTriple& accent : accents) {
            const BaseColors base {background, foreground, accent};
            SCOPED_TRACE(color::hexColor(background) + " " + color::hexColor(foreground) + " "
                         + color::hexColor(accent));
            const sketch::ElementColors c = colorsOf(generateTheme(base));
            const bool dark = lightness(c, "SurfaceBackground") < lightness(c, "ControlForeground");
            // The base colours as given; the accent's hue on the chosen state.
            EXPECT_EQ(color::hexColor(c.at("SurfaceBackground").rgb), color::hexColor(background));
            EXPECT_EQ(color::hexColor(c.at("ControlForeground").rgb), color::hexColor(foreground));
            const color::Oklch lead = color::toOklch(accent);
            if (lead.C >= 0.05) {
                EXPECT_LT(hueTurn(lead.h, color::toOklch(c.at("ChosenDefault").rgb).h), 10);
            }
            // Solo apart from On; MIDI Map and Key Map apart from the accent.
            EXPECT_GE(apart(c, "ChosenAlternative", "ChosenDefault"), 0.09);
            EXPECT_GE(apart(c, "LearnMidi", "ChosenDefault"), 0.075);
            EXPECT_GE(apart(c, "LearnKey", "ChosenDefault"), 0.075);
            // No white selection in a dark theme: a white clip stays apart from the selected slot.
            // The gaps between panels darker than the panels in light themes.
            if (!dark) {
                EXPECT_LT(lightness(c, "Desktop"), lightness(c, "SurfaceBackground"));
            }
            if (dark) {
                EXPECT_LE(lightness(c, "StandbySelectionBackground"), 0.88);
                EXPECT_GE(apart(c, "StandbySelectionBackground", "Clip15"), 0.05);
            }
            // A quiet device area.
            for (const char* quiet :
                 {"FilledDrumRackPad", "KeyZoneBackground", "VelocityZoneBackground", "SelectorZoneBackground",
                  "SpectrumDefaultColor", "InputCurveColor", "OutputCurveColor"}) {
                EXPECT_LE(color::toOklch(c.at(quiet).rgb).C, 0.085) << quiet;
            }
            // A lively play green (on a mid-grey ground it must be far lighter or darker), record red.
            const color::Oklch play = color::toOklch(c.at("ChosenPlay").rgb);
            EXPECT_LT(hueTurn(play.h, 148), 20);
            if (lightness(c, "SurfaceBackground") < 0.4) {
                EXPECT_GE(play.L, 0.75);
                EXPECT_GE(play.C, 0.15);
            }
            for (const char* red : {"ChosenRecord", "ImplicitArm"}) {
                const color::Oklch record = color::toOklch(c.at(red).rgb);
                EXPECT_GE(record.C, 0.12) << red;
                EXPECT_LT(hueTurn(record.h, 29), 20) << red;
            }
            // The Detail View a visible step from the ground, and at least three
            // panel levels a step apart, even on pure black or white.
            EXPECT_GE(std::abs(lightness(c, "DetailViewBackground") - lightness(c, "SurfaceBackground")), 0.045);
            std::vector<double> levels;
            for (const char* panel : {"SurfaceBackground", "SurfaceArea", "Desktop", "DetailViewBackground",
                                      "SurfaceHighlight", "BrowserBar", "TreeColumnHeadBackground"}) {
                const double l = lightness(c, panel);
                if (std::none_of(levels.begin(), levels.end(),
                                 [&](double seen) { return std::abs(seen - l) < 0.03; })) {
                    levels.push_back(l);
                }
            }
            EXPECT_GE(levels.size(), 3u);
        }
    }
}

// Any base set whose text stands 7:1 from its ground makes a theme in which every pair meets its minimum.
TEST(GenerateTest, makesAWholeThemeWhereTheTextStandsSevenToOne)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto any = [&] {
        return theme::RgbTriple {static_cast<std::uint8_t>(channel(random)), static_cast<std::uint8_t>(channel(random)),
                                 static_cast<std::uint8_t>(channel(random))};
    };
    int made = 0;
    for (int i = 0; i < 5000 && made < 150; ++i) {
        const BaseColors base {any(), any(), any()};
        if (color::contrastRatio(base.background, base.foreground) < 7) {
            continue;
        }
        ++made;
        const GeneratedTheme generated = generateTheme(base);
        EXPECT_TRUE(generated.shortfalls.empty())
            << color::hexColor(base.background) << ' ' << color::hexColor(base.foreground) << ' '
            << color::hexColor(base.accent) << ": " << generated.shortfalls.front().foreground << " on "
            << generated.shortfalls.front().background;
    }
    EXPECT_EQ(made, 150);
}

} // namespace
} // namespace tintwright::make
