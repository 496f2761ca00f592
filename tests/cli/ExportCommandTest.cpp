#include "CliRun.h"

#include "make/Export.h"
#include "theme/LaterTheme.h"
#include "theme/LaterThemeWriter.h"

#include <gtest/gtest.h>

namespace tintwright::cli {
namespace {

using namespace testing;
using theme::testing::readBytes;
using theme::testing::writeBytes;

std::filesystem::path samplePath(const char* name)
{
    return std::filesystem::u8path(std::string(TINTWRIGHT_SAMPLES) + "/" + name);
}

// The file export writes is the core's export of the theme, and standard error counts what it did.
TEST_F(ThemeFolderTest, exportWritesTheCoresThemeAndCountsWhatItKeptMadeAndLeftOut)
{
    const theme::ThemeContent midnight = *theme::readThemeFile(samplePath("Midnight.ask"));
    for (const auto& [flag, live] : {std::pair {"11", make::LaterLive::Live11}, {"12", make::LaterLive::Live12}}) {
        const Outcome exported =
            run({"export", samplePath("Midnight.ask").u8string(), "--live", flag, "-o", path("Later.ask")});
        ASSERT_EQ(exported.code, 0) << exported.err;
        EXPECT_EQ(exported.out, "");
        const make::Exported core = make::exportTheme(midnight, live);
        EXPECT_EQ(readBytes(m_folder.file("Later.ask")),
                  theme::writeLaterTheme(core.theme, std::string(make::laterHeader(live).schemaChangeCount)));
        EXPECT_EQ(exported.err.rfind(std::to_string(core.kept.size()) + " elements kept, ", 0), 0u) << exported.err;
        EXPECT_NE(exported.err.find(std::to_string(core.made.size()) + " that Live " + flag + " added made"),
                  std::string::npos)
            << exported.err;
        EXPECT_NE(exported.err.find("(inferred): " + std::string(core.made.front())), std::string::npos);
    }
}

// check names which Live a file is for: export's input and import's; its exit codes stay.
TEST_F(ThemeFolderTest, checkNamesWhichLiveAFileIsFor)
{
    writeBytes(m_folder.file("Later.ask"),
               "<?xml version=\"1.0\"?>\n<Ableton MajorVersion=\"5\">\n<Theme>\n"
               "<ControlForeground Value=\"#b2b2b2\" />\n</Theme>\n</Ableton>\n");
    const Outcome checked = run({"check", samplePath("Paper.ask").u8string(), path("Theme.ask"), path("Later.ask")});
    EXPECT_EQ(checked.code, 1);
    EXPECT_NE(checked.out.find("Paper.ask: ok, 993 lines, 162 colour entries, a Live 10.1 theme\n"), std::string::npos)
        << checked.out;
    EXPECT_NE(checked.out.find("Theme.ask: ok, 24 lines, 3 colour entries, a Live 10 theme\n"), std::string::npos);
    EXPECT_NE(checked.out.find("; a Live 11 or 12 theme: tintwright-cli import reads it\n"), std::string::npos);
}

struct Refusal {
    const char* name;
    std::vector<std::string> arguments; // THEME stands for the theme to export
    std::string theme; // its bytes
    std::string error; // a part of the one line on standard error
};

class ExportRefusalTest : public ThemeFolderTest, public ::testing::WithParamInterface<Refusal> { };

// A refused export says why in one line, exits 2 and leaves the output as it was.
TEST_P(ExportRefusalTest, exitsTwoAndLeavesTheOutputAsItWas)
{
    writeBytes(m_folder.file("In.ask"), GetParam().theme);
    writeBytes(m_folder.file("Out.ask"), "kept");
    std::vector<std::string> arguments;
    for (const std::string& argument : GetParam().arguments) {
        arguments.push_back(argument == "THEME" ? path("In.ask") : argument == "OUT" ? path("Out.ask") : argument);
    }
    const Outcome refused = run(arguments);
    EXPECT_EQ(refused.code, 2);
    EXPECT_NE(refused.err.find(GetParam().error), std::string::npos) << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    EXPECT_EQ(readBytes(m_folder.file("Out.ask")), "kept");
}

const std::string kWhole = theme::testing::joinLines(theme::testing::themeLines({{1, 2, 3}}));
const std::string kLater = "<?xml version=\"1.0\"?>\n<Ableton MajorVersion=\"5\">\n<Theme>\n"
                           "<ControlForeground Value=\"#b2b2b2\" />\n</Theme>\n</Ableton>\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportRefusalTest,
    ::testing::Values(
        Refusal {"laterTheme", {"export", "THEME", "--live", "12", "-o", "OUT"}, kLater, "tintwright-cli import"},
        Refusal {"foreignFile", {"export", "THEME", "--live", "12", "-o", "OUT"}, "hello\n", "Wrong file format"},
        Refusal {"cutOffTheme",
                 {"export", "THEME", "--live", "11", "-o", "OUT"},
                 kWhole.substr(0, kWhole.rfind("</Ableton>")),
                 "cut off"},
        Refusal {"unknownLive", {"export", "THEME", "--live", "10", "-o", "OUT"}, kWhole, "--live"},
        Refusal {"noLive", {"export", "THEME", "-o", "OUT"}, kWhole, "--live"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintwright::cli
