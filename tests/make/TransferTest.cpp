#include "make/Transfer.h"
#include "make/Complete.h"
#include "sketch/ElementTable.h"
#include "sketch/Roles.h"
#include "support/ThemeTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

namespace tintwright::make {
namespace {

sketch::ElementColors colorsOf(const GeneratedTheme& made)
{
    return sketch::elementColors({made.colors.begin(), made.colors.end()});
}

sketch::ElementColors sample(const char* name)
{
    return sketch::elementColors(
        *theme::readThemeFile(std::filesystem::u8path(std::string(TINTWRIGHT_SAMPLES) + "/" + name)));
}

// The samples, and themes made from base sets of every kind: dark, light, mid
// grey, tinted, pure black and pure white.
std::vector<std::pair<std::string, sketch::ElementColors>> themes()
{
    std::vector<std::pair<std::string, sketch::ElementColors>> all;
    for (const char* name : {"Paper.ask", "Midnight.ask", "Daylight.ask"}) {
        all.emplace_back(name, sample(name));
    }
    const BaseColors sets[] = {
        {{0x1e, 0x1f, 0x22}, {0xe8, 0xe8, 0xe8}, {0xff, 0x9a, 0x3c}},
        {{0xf4, 0xf1, 0xea}, {0x1d, 0x1f, 0x21}, {0x2f, 0x6f, 0xd6}},
        {{0x80, 0x80, 0x80}, {0x00, 0x00, 0x00}, {0xff, 0xd4, 0x00}},
        {{0x2a, 0x0f, 0x4a}, {0xf3, 0xe6, 0xf5}, {0xff, 0x2d, 0x95}},
        {{0x00, 0x00, 0x00}, {0xff, 0xff, 0xff}, {0x00, 0xc8, 0xff}},
        {{0xff, 0xff, 0xff}, {0x00, 0x00, 0x00}, {0xe0, 0x20, 0x20}},
    };
    for (const BaseColors& base : sets) {
        all.emplace_back("made from " + color::hexColor(base.background), colorsOf(generateTheme(base)));
    }
    return all;
}

BaseColors withAccent(BaseColors base, const theme::RgbTriple& accent)
{
    base.accent = accent;
    return base;
}

// Given its own three colours, a theme comes back exactly as it was.
TEST(TransferTest, aThemeGivenItsOwnBaseComesBackUnchanged)
{
    for (const auto& [name, theme] : themes()) {
        SCOPED_TRACE(name);
        const GeneratedTheme same = transferTheme(theme, baseColorsOf(theme));
        ASSERT_EQ(same.colors.size(), theme.size());
        for (const auto& [element, rgb] : same.colors) {
            EXPECT_EQ(color::hexColor(rgb), color::hexColor(theme.at(element).rgb)) << element;
        }
        EXPECT_TRUE(same.moved.empty());
        EXPECT_TRUE(same.shortfalls.empty());
    }
}

// A new accent moves the accent's family; the rest moves only where a pair with
// the new accent needs it, and no pair ends below what it stood at.
TEST(TransferTest, aNewAccentMovesOnlyTheAccentsFamily)
{
    const theme::RgbTriple accents[] = {{0x4b, 0x74, 0xff}, {0xff, 0x9a, 0x3c}, {0x30, 0xd0, 0x70}, {0x80, 0x80, 0x80}};
    for (const auto& [name, theme] : themes()) {
        const BaseColors own = baseColorsOf(theme);
        for (const theme::RgbTriple& accent : accents) {
            SCOPED_TRACE(name + " to " + color::hexColor(accent));
            const GeneratedTheme recoloured = transferTheme(theme, withAccent(own, accent));
            std::set<std::string> movedForContrast;
            for (const MovedPair& pair : recoloured.moved) {
                movedForContrast.insert({pair.foreground, pair.background});
            }
            for (const auto& [element, rgb] : recoloured.colors) {
                const theme::RgbTriple& was = theme.at(element).rgb;
                const bool changed = color::hexColor(rgb) != color::hexColor(was);
                EXPECT_TRUE(!changed || inAccentFamily(element, was, own.accent) || isSignal(element)
                            || movedForContrast.count(element))
                    << element;
            }
            if (movedForContrast.count("ChosenDefault") == 0) {
                EXPECT_EQ(color::hexColor(colorsOf(recoloured).at("ChosenDefault").rgb), color::hexColor(accent));
            }
        }
    }
}

// Over any new base: a pair that met its minimum still meets it, none below
// gets worse, the ground and the text are exactly as given, and the surfaces
// keep their order where the ground keeps its side.
TEST(TransferTest, contrastIsKeptAndSurfacesKeepTheirOrder)
{
    std::mt19937 random(45);
    const auto any = [&](int low, int high) {
        std::uniform_int_distribution<int> channel(low, high);
        return theme::RgbTriple {static_cast<std::uint8_t>(channel(random)), static_cast<std::uint8_t>(channel(random)),
                                 static_cast<std::uint8_t>(channel(random))};
    };
    for (const auto& [name, theme] : themes()) {
        const BaseColors own = baseColorsOf(theme);
        const bool dark = color::toOklch(own.background).L < color::toOklch(own.foreground).L;
        for (int i = 0; i < 12; ++i) {
            const BaseColors to = dark ? BaseColors {any(0, 60), any(200, 255), any(0, 255)}
                                       : BaseColors {any(200, 255), any(0, 60), any(0, 255)};
            SCOPED_TRACE(name + " to " + color::hexColor(to.background) + " " + color::hexColor(to.foreground) + " "
                         + color::hexColor(to.accent));
            const GeneratedTheme made = transferTheme(theme, to);
            const sketch::ElementColors recoloured = colorsOf(made);
            std::set<std::string> movedForContrast;
            for (const MovedPair& pair : made.moved) {
                movedForContrast.insert({pair.foreground, pair.background});
            }
            EXPECT_EQ(color::hexColor(recoloured.at("ControlForeground").rgb), color::hexColor(to.foreground));
            if (theme.count("SurfaceBackground") != 0) {
                EXPECT_EQ(color::hexColor(recoloured.at("SurfaceBackground").rgb), color::hexColor(to.background));
            }
            // Every pair below where it stood (or below its minimum) is named.
            std::set<std::pair<std::string, std::string>> named;
            for (const MovedPair& pair : made.shortfalls) {
                named.insert({pair.foreground, pair.background});
            }
            const std::vector<sketch::ContrastPair> before = sketch::contrastPairs(theme);
            for (const sketch::ContrastPair& pair : sketch::contrastPairs(recoloured)) {
                const auto was = std::find_if(before.begin(), before.end(), [&](const sketch::ContrastPair& old) {
                    return old.foreground == pair.foreground && old.background == pair.background;
                });
                if (pair.foreground != pair.background && pair.ratio < std::min(was->ratio, pair.minimum)) {
                    EXPECT_EQ(named.count({pair.foreground, pair.background}), 1u)
                        << pair.foreground << " on " << pair.background;
                }
            }
            // Surfaces two steps of lightness apart stay in their order, where contrast moved neither.
            if (!readabilityProblem(own).empty()) {
                continue;
            }
            for (const auto& [a, first] : theme) {
                for (const auto& [b, second] : theme) {
                    if (sketch::roleOf(a) != sketch::RoleKind::Surfaces
                        || sketch::roleOf(b) != sketch::RoleKind::Surfaces || a == "SurfaceBackground"
                        || b == "SurfaceBackground" || movedForContrast.count(a) + movedForContrast.count(b) != 0) {
                        continue;
                    }
                    const double apart = color::toOklch(first.rgb).L - color::toOklch(second.rgb).L;
                    if (apart > 0.02) {
                        EXPECT_GE(color::toOklch(recoloured.at(a).rgb).L, color::toOklch(recoloured.at(b).rgb).L)
                            << a << " above " << b;
                    }
                }
            }
        }
    }
}

// The window and generate --from recolour a theme's entries by this one call:
// its own base changes no entry, and every entry of an element takes the element's colour.
TEST(TransferTest, recolourChangesNoEntryForTheThemesOwnBase)
{
    model::ThemeModel theme;
    theme.load(*theme::readThemeFile(TINTWRIGHT_SAMPLES "/Paper.ask"));
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (int number = 1; number <= theme.entryCount(); ++number) {
        entries.emplace_back(theme.entry(number).element, theme::SplitColor(theme.currentColor(number)));
    }
    const BaseColors own = baseColorsOf(sketch::elementColors(entries));
    const std::string untouched = theme.savedBytes();
    recolourTheme(theme, own);
    EXPECT_EQ(theme.savedBytes(), untouched);
    const GeneratedTheme recoloured = recolourTheme(theme, withAccent(own, {0x4b, 0x74, 0xff}));
    EXPECT_TRUE(recoloured.shortfalls.empty());
    EXPECT_EQ(color::hexColor(theme::SplitColor(theme.currentColor(theme.entryOf("ChosenDefault")))), "#4b74ff");
}

} // namespace
} // namespace tintwright::make
