#include "make/Export.h"
#include "make/Complete.h"
#include "make/Import.h"
#include "sketch/ElementTable.h"
#include "theme/LaterThemeWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace tintwright::make {
namespace {

theme::ThemeContent sample(const std::string& name)
{
    return *theme::readThemeFile(std::filesystem::u8path(std::string(TINTWRIGHT_SAMPLES) + "/" + name));
}

theme::ThemeContent generatedTheme()
{
    model::ThemeModel model;
    model.load(sample("Paper.ask"));
    applyGenerated(model, generateTheme(kExampleBase));
    return *theme::readThemeText(model.savedBytes());
}

// Each element's R, G, B and alpha (255 without an alpha line), and each blend
// factor's or alpha's value, as a Live 10 theme's records give them.
std::map<std::string, std::string> valuesOf(const std::vector<std::string>& records)
{
    std::map<std::string, std::map<std::string, std::string>> elements;
    std::map<std::string, std::string> values;
    std::string element;
    for (const std::string& record : records) {
        const std::size_t quote = record.find('"');
        const std::size_t end = record.find_first_of(" >");
        if (record.size() < 3 || record[0] != '<' || record[1] == '/' || record[1] == '?' || end == std::string::npos) {
            continue;
        }
        const std::string name = record.substr(1, end - 1);
        const std::string value =
            quote == std::string::npos ? "" : record.substr(quote + 1, record.find('"', quote + 1) - quote - 1);
        if (quote == std::string::npos) {
            element = name;
            elements[element].emplace("Alpha", "255");
        } else if (name == "R" || name == "G" || name == "B" || name == "Alpha") {
            elements[element][name] = value;
        } else if (name != "Ableton") {
            values.emplace(name, value);
        }
    }
    for (auto& [name, parts] : elements) {
        if (parts.count("R") != 0) {
            values.emplace(name, parts["R"] + "," + parts["G"] + "," + parts["B"] + " alpha " + parts["Alpha"]);
        }
    }
    return values;
}

// Paper with alphas other than 255 on every fifth element (0 among them), as published themes have.
theme::ThemeContent translucentTheme()
{
    std::vector<std::string> records = sample("Paper.ask").records;
    int alpha = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (records[i].rfind("<Alpha Value=", 0) == 0 && i % 5 == 0) {
            records[i] = "<Alpha Value=\"" + std::to_string(alpha) + "\" />";
            alpha = (alpha + 51) % 255;
        }
    }
    return asReadTheme(records);
}

class ExportRoundTrip : public ::testing::TestWithParam<std::tuple<std::string, LaterLive>> { };

// Exported, written, read back and imported: every element and value both
// Lives know comes back as the theme had it, colour and alpha alike; only
// what the later Live does not know is left out.
TEST_P(ExportRoundTrip, givesBackEverySharedColourAlphaAndValue)
{
    const auto& [name, live] = GetParam();
    const theme::ThemeContent theme = name == "generated" ? generatedTheme()
        : name == "translucent"                           ? translucentTheme()
                                                          : sample(name);
    const Exported exported = exportTheme(theme, live);
    const std::string text = theme::writeLaterTheme(exported.theme, std::string(laterHeader(live).schemaChangeCount));
    const theme::LaterTheme read = theme::readLaterTheme(text);
    EXPECT_EQ(read.minorVersion, laterHeader(live).minorVersion);
    EXPECT_EQ(read.creator, exported.theme.creator);
    const Imported back = importLaterTheme(read);

    const std::map<std::string, std::string> before = valuesOf(theme.records);
    const std::map<std::string, std::string> after = valuesOf(back.records);
    const std::vector<std::string_view>& names = laterRecordNames(live);
    for (const auto& [element, value] : before) {
        if (std::find(names.begin(), names.end(), element) != names.end()) {
            EXPECT_EQ(after.count(element) != 0 ? after.at(element) : "(missing)", value) << element;
        } else {
            EXPECT_NE(std::find(exported.leftOut.begin(), exported.leftOut.end(), element), exported.leftOut.end())
                << element;
        }
    }
    // Import knows every element of Live 10.1 written, and leaves out those the later Live added.
    EXPECT_EQ(back.kept, static_cast<int>(exported.kept.size() + exported.completed.size()));
    EXPECT_EQ(back.leftOut, static_cast<int>(exported.made.size()));
}

INSTANTIATE_TEST_SUITE_P(SamplesAndGenerated, ExportRoundTrip,
                         ::testing::Combine(::testing::Values("Midnight.ask", "Daylight.ask", "Paper.ask", "generated",
                                                              "translucent"),
                                            ::testing::Values(LaterLive::Live11, LaterLive::Live12)));

// The later Lives' records are each one thing: a record Live 10.1 has, an
// element made from a stand-in of Live 10.1, or one left to the later Live;
// those Live 10.1 has stand in its own order, and none twice.
TEST(ExportTest, everyLaterRecordIsSharedMadeOrLeftToLiveInLive10sOrder)
{
    std::map<std::string_view, std::size_t> live10;
    for (const LiveRecord& record : live101Records()) {
        live10.emplace(record.name, live10.size());
    }
    for (const LaterLive live : {LaterLive::Live11, LaterLive::Live12}) {
        std::set<std::string_view> seen;
        std::size_t lastShared = 0;
        for (const std::string_view name : laterRecordNames(live)) {
            EXPECT_TRUE(seen.insert(name).second) << name;
            const std::string_view standIn = standInOf(name);
            const bool shared = live10.count(name) != 0;
            EXPECT_EQ(int(shared) + int(!standIn.empty()) + int(leftToLive(name)), 1) << name;
            if (shared) {
                EXPECT_GT(live10.at(name) + 1, lastShared) << name;
                lastShared = live10.at(name) + 1;
            }
            if (!standIn.empty()) {
                EXPECT_NE(sketch::findElement(standIn), nullptr) << name << " stands in for " << standIn;
            }
        }
    }
}

// A Live 10 theme's Creator travels; the header is the later Live's own.
TEST(ExportTest, keepsTheCreatorUnderTheLaterLivesHeader)
{
    const theme::ThemeContent theme = sample("Paper.ask");
    for (const LaterLive live : {LaterLive::Live11, LaterLive::Live12}) {
        const Exported exported = exportTheme(theme, live);
        EXPECT_EQ(exported.theme.majorVersion, "5");
        EXPECT_EQ(exported.theme.minorVersion.substr(0, 3), live == LaterLive::Live11 ? "11." : "12.");
        EXPECT_FALSE(exported.theme.creator.empty());
        EXPECT_NE(theme.records[1].find("Creator=\"" + exported.theme.creator + "\""), std::string::npos);
    }
}

} // namespace
} // namespace tintwright::make
