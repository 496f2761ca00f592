#include "make/Complete.h"
#include "make/Import.h"
#include "sketch/ElementTable.h"
#include "sketch/Roles.h"
#include "support/ThemeTestSupport.h"
#include "theme/ThemeError.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

namespace tintwright::make {
namespace {

theme::ThemeContent sample(const char* name)
{
    return *theme::readThemeFile(std::filesystem::u8path(std::string(TINTWRIGHT_SAMPLES) + "/" + name));
}

// A theme of Live 10.0 by its elements: all but those Live 10.1 added.
theme::ThemeContent live100Theme()
{
    std::string text = "<?xml version=\"1.0\"?>\n<Ableton>\n<SkinManager>\n";
    int shade = 0;
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        if (!info.since101) {
            const std::string name(info.name);
            shade = (shade + 37) % 256;
            text += "<" + name + ">\n<R Value=\"" + std::to_string(shade) + "\" />\n<G Value=\"40\" />\n"
                + "<B Value=\"" + std::to_string(255 - shade) + "\" />\n<Alpha Value=\"255\" />\n</" + name + ">\n";
        }
    }
    return *theme::readThemeText(text + "<DefaultBlendFactor Value=\"0.5\" />\n</SkinManager>\n</Ableton>\n");
}

// Every element's records stand directly in <SkinManager>, none inside another's.
void expectNoElementInAnother(const std::vector<std::string>& records)
{
    std::vector<std::string> open; // the tags open at a record
    for (const std::string& record : records) {
        const std::string tag = record.substr(std::min(record.find('<'), record.size()));
        if (tag.rfind("</", 0) == 0) {
            ASSERT_FALSE(open.empty()) << tag;
            open.pop_back();
        } else if (tag.rfind("<?", 0) != 0 && tag.find("/>") == std::string::npos && !tag.empty()) {
            EXPECT_LE(open.size(), 2U) << tag << " inside " << open.back();
            open.push_back(tag);
        }
    }
    EXPECT_TRUE(open.empty());
}

// A completed theme holds the theme's records in their order, every colour
// unchanged, and exactly the elements and factors it lacked, whose pairs all
// meet their minimums.
TEST(CompleteTest, addsExactlyWhatIsMissingAndChangesNothingThere)
{
    for (const theme::ThemeContent& theme : {sample("Midnight.ask"), sample("Daylight.ask"), live100Theme()}) {
        const sketch::ElementColors before = sketch::elementColors(theme);
        const Completion completion = completeColors(before);
        const std::vector<std::string> records = completedRecords(theme.records, completion);

        std::size_t next = 0; // the theme's records stand in the result in their order
        for (const std::string& record : records) {
            next += next < theme.records.size() && record == theme.records[next] ? 1 : 0;
        }
        EXPECT_EQ(next, theme.records.size());
        expectNoElementInAnother(records);

        const Lacking before101 = lacking(theme.records);
        EXPECT_EQ(static_cast<int>(completion.made.size()), before101.elements);
        EXPECT_EQ(records.size(), theme.records.size() + 6 * completion.made.size() + before101.factors);
        const Lacking after = lacking(records);
        EXPECT_EQ(after.elements, 0);
        EXPECT_EQ(after.factors, 0);

        std::string text;
        for (const std::string& record : records) {
            text += record + "\n";
        }
        const sketch::ElementColors whole = sketch::elementColors(*theme::readThemeText(text));
        EXPECT_EQ(whole.size(), sketch::elementTable().size());
        for (const auto& [name, color] : before) {
            EXPECT_EQ(color::hexColor(whole.at(name).rgb), color::hexColor(color.rgb)) << name;
        }
        EXPECT_TRUE(completion.shortfalls.empty());
        std::set<std::string> made;
        for (const MadeElement& element : completion.made) {
            made.insert(element.name);
        }
        for (const sketch::ContrastPair& pair : sketch::contrastPairs(whole)) {
            if (made.count(pair.foreground) != 0 || made.count(pair.background) != 0) {
                EXPECT_TRUE(pair.passes) << pair.foreground << " on " << pair.background << " " << pair.ratio;
            }
        }
    }
}

TEST(CompleteTest, theRecordsOfLive101ComeInItsOrder)
{
    const std::vector<LiveRecord>& order = live101Records();
    ASSERT_EQ(order.size(), sketch::elementTable().size() + 16);
    const auto index = [&](std::string_view name) {
        return std::find_if(order.begin(), order.end(), [&](const LiveRecord& r) { return r.name == name; })
            - order.begin();
    };
    EXPECT_EQ(index("DefaultBlendFactor"), index("ViewCheckControlDisabledOff") + 1);
    EXPECT_EQ(index("BackgroundClip"), index("NoteDisabledSelectedBlendFactor") + 1);
    EXPECT_EQ(index("DisabledContextMenuIconAlpha") + 1, index("BipolarPotiTriangle"));
}

struct ImportCase {
    const char* name;
    std::string theme; // the records inside <Theme>
    int kept, made, leftOut, unreadable, repeated;
    std::string record; // one record the Live 10.1 theme must hold, or empty
};

class ImportTest : public ::testing::TestWithParam<ImportCase> { };

std::string later(const std::string& inside)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ableton MajorVersion=\"5\" MinorVersion=\"12.0_12049\" "
           "Creator=\"Someone\">\n\t<Theme>\n\t\t<Name Value=\"Test\" />\n"
        + inside + "\t</Theme>\n</Ableton>\n";
}

TEST_P(ImportTest, keepsWhatBothLivesKnowAndMakesTheRest)
{
    const Imported imported = importLaterTheme(theme::readLaterTheme(later(GetParam().theme)));
    EXPECT_EQ(imported.kept, GetParam().kept);
    EXPECT_EQ(imported.made, GetParam().made);
    EXPECT_EQ(imported.leftOut, GetParam().leftOut);
    EXPECT_EQ(imported.unreadable, GetParam().unreadable);
    EXPECT_EQ(imported.repeated, GetParam().repeated);
    EXPECT_EQ(imported.kept + imported.made, static_cast<int>(sketch::elementTable().size()));
    EXPECT_TRUE(imported.shortfalls.empty());
    const Lacking left = lacking(imported.records);
    EXPECT_EQ(left.elements + left.factors, 0);
    if (!GetParam().record.empty()) {
        EXPECT_NE(std::find(imported.records.begin(), imported.records.end(), GetParam().record),
                  imported.records.end())
            << GetParam().record;
    }
    EXPECT_EQ(imported.records[1].find("Creator=\"Someone\""), imported.records[1].find("Creator="));
}

INSTANTIATE_TEST_SUITE_P(
    Later, ImportTest,
    ::testing::Values(
        ImportCase {"sixDigits", "<ControlForeground Value=\"#E0dEf4\" />\n", 1, 161, 0, 0, 0, "<R Value=\"224\" />"},
        ImportCase {"eightDigitsGiveTheAlpha", "<SurfaceHighlight Value=\"#403d5233\" />\n", 1, 161, 0, 0, 0,
                    "<Alpha Value=\"51\" />"},
        ImportCase {"unknownElementsAndGroupsLeftOut",
                    "<ScaleAwareness Value=\"#c4a7e7\" />\n<StandardVuMeter>\n<Maximum Value=\"#ff0a0a\" />\n"
                    "</StandardVuMeter>\n<Desktop Value=\"#191724\" />\n",
                    1, 161, 2, 0, 0, "<B Value=\"36\" />"},
        ImportCase {"givenTwiceTheFirstKept", "<Desktop Value=\"#010203\" />\n<Desktop Value=\"#ffffff\" />\n", 1, 161,
                    0, 0, 1, "<G Value=\"2\" />"},
        ImportCase {"noColourMadeInstead", "<Desktop Value=\"#101010\" />\n<Clip1 Value=\"$clip1\" />\n", 1, 161, 0, 1,
                    0, ""},
        ImportCase {"factorsKept", "<Desktop Value=\"#101010\" />\n<ClipBlendFactor Value=\"0.7580000162\" />\n", 1,
                    161, 0, 0, 0, "<ClipBlendFactor Value=\"0.7580000162\" />"}),
    [](const auto& info) { return std::string(info.param.name); });

// A theme of which no element would be kept is refused, whatever else it holds.
TEST(ImportRefusalTest, keepsNothingIsRefused)
{
    for (const char* theme : {"<Clip1 Value=\"$clip1\" />\n", "<ClipBlendFactor Value=\"0.75\" />\n",
                              "<ScaleAwareness Value=\"#c4a7e7\" />\n"}) {
        EXPECT_THROW(importLaterTheme(theme::readLaterTheme(later(theme))), theme::ThemeError) << theme;
    }
}

// What a theme lacks is made from its own palette: a made colour takes one of
// the theme's own hues, and a template's $clipN placeholders become sixteen
// clips in the theme's manner, light enough for dark names.
TEST(CompleteTest, makesWhatIsMissingFromTheThemesOwnPalette)
{
    const std::string own = "<ControlForeground Value=\"#ecebf2\" />\n<SurfaceBackground Value=\"#262433\" />\n"
                            "<SurfaceArea Value=\"#1c1a28\" />\n<ChosenDefault Value=\"#d08ae8\" />\n"
                            "<ChosenPlay Value=\"#7fe0a0\" />\n<AutomationColor Value=\"#6ed8f0\" />\n"
                            "<ChosenRecord Value=\"#f06a6a\" />\n<ClipText Value=\"#18161f\" />\n";
    std::string clips;
    for (int i = 1; i <= 16; ++i) {
        clips += "<Clip" + std::to_string(i) + " Value=\"$clip" + std::to_string(i) + "\" />\n";
    }
    const Imported imported = importLaterTheme(theme::readLaterTheme(later(own + clips)));
    EXPECT_TRUE(imported.shortfalls.empty());
    const sketch::ElementColors made = sketch::elementColors(asReadTheme(imported.records));
    std::vector<color::Oklch> palette;
    for (const char* name : {"ChosenDefault", "ChosenPlay", "AutomationColor", "ChosenRecord"}) {
        palette.push_back(color::toOklch(made.at(name).rgb));
    }
    std::set<std::string> clipColours;
    for (const auto& [name, colour] : made) {
        const color::Oklch c = color::toOklch(colour.rgb);
        if (sketch::roleOf(name) == sketch::RoleKind::Clips) {
            EXPECT_GE(c.L, 0.68) << name;
            clipColours.insert(color::hexColor(colour.rgb));
        } else if (c.C >= 0.06) {
            const bool ownHue = std::any_of(palette.begin(), palette.end(), [&](const color::Oklch& p) {
                return std::abs(std::fmod(p.h - c.h + 540, 360) - 180) < 6;
            });
            EXPECT_TRUE(ownHue) << name << ' ' << color::hexColor(colour.rgb);
        }
    }
    EXPECT_EQ(clipColours.size(), 16u);
}

} // namespace
} // namespace tintwright::make
