#include "CliRun.h"
#include "sketch/ElementTable.h"
#include "sketch/Scene.h"
#include "support/ThemeTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <set>
#include <streambuf>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace tintwright::cli {
namespace {

namespace fs = std::filesystem;
using theme::testing::joinLines;
using theme::testing::readBytes;
using theme::testing::TemporaryFolder;
using theme::testing::themeLines;
using theme::testing::writeBytes;

using testing::Outcome;
using testing::run;

class CliRefusalTest : public testing::ThemeFolderTest {
protected:
    std::vector<std::string> withPaths(std::vector<std::string> arguments) const
    {
        for (std::string& argument : arguments) {
            if (argument == "THEME" || argument == "OUT" || argument == "MISSING") {
                argument = m_folder.file(argument == "THEME"     ? "Theme.ask"
                                             : argument == "OUT" ? "Out.ask"
                                                                 : "No.ask")
                               .u8string();
            }
        }
        return arguments;
    }
};

struct Refusal {
    const char* name;
    std::vector<std::string> arguments; // THEME and OUT stand for files of the test
    std::string err; // the one line on standard error, after "tintwright-cli: "
};

class RefusedInputTest : public CliRefusalTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(RefusedInputTest, exitsTwoWithOneLineAndWritesNothing)
{
    const Outcome outcome = run(withPaths(GetParam().arguments));
    EXPECT_EQ(outcome.code, 2) << outcome.err;
    EXPECT_EQ(outcome.out, "");
    const std::string theme = m_folder.file("Theme.ask").u8string();
    std::string expected = GetParam().err;
    if (expected.rfind("THEME: ", 0) == 0) {
        expected.replace(0, 5, theme);
    }
    EXPECT_EQ(outcome.err, "tintwright-cli: " + expected + "\n");
    EXPECT_EQ(readBytes(m_folder.file("Theme.ask")), m_themeBytes);
    EXPECT_FALSE(fs::exists(m_folder.file("Out.ask")));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedInputTest,
    ::testing::Values(Refusal {"hueNotANumber",
                               {"adjust", "THEME", "--hue", "nan", "--in-place"},
                               "--hue takes a number from -360 to 360, not \"nan\""},
                      Refusal {"hueInfinite",
                               {"adjust", "THEME", "--hue", "-inf", "--in-place"},
                               "--hue takes a number from -360 to 360, not \"-inf\""},
                      Refusal {"hueHexadecimal",
                               {"adjust", "THEME", "--hue", "0x10", "-o", "OUT"},
                               "--hue takes a number from -360 to 360, not \"0x10\""},
                      Refusal {"hueEmptyAfterEquals",
                               {"adjust", "THEME", "--hue=", "-o", "OUT"},
                               "--hue takes a number from -360 to 360, not \"\""},
                      Refusal {"hueWithUnit",
                               {"adjust", "THEME", "--hue", "30deg", "-o", "OUT"},
                               "--hue takes a number from -360 to 360, not \"30deg\""},
                      Refusal {"chromaNotANumber",
                               {"adjust", "THEME", "--chroma", "nan", "--in-place"},
                               "--chroma takes a number from 0 to 10, not \"nan\""},
                      Refusal {"chromaBeyondDouble",
                               {"adjust", "THEME", "--chroma", "1e309", "--in-place"},
                               "--chroma takes a number from 0 to 10, not \"1e309\""},
                      Refusal {"chromaNegative",
                               {"adjust", "THEME", "--chroma", "-0.5", "--in-place"},
                               "--chroma takes a number from 0 to 10, not \"-0.5\""},
                      Refusal {"lightnessOutOfRange",
                               {"adjust", "THEME", "--lightness", "1.5", "--in-place"},
                               "--lightness takes a number from -1 to 1, not \"1.5\""},
                      Refusal {"lightnessNotANumber",
                               {"adjust", "THEME", "--lightness", "NaN", "--in-place"},
                               "--lightness takes a number from -1 to 1, not \"NaN\""},
                      Refusal {"contrastBelowOne",
                               {"contrast", "THEME", "--min", "0.5"},
                               "--min takes a number from 1 to 21, not \"0.5\""},
                      Refusal {"contrastGraphicInfinite",
                               {"contrast", "THEME", "--min-graphic", "inf"},
                               "--min-graphic takes a number from 1 to 21, not \"inf\""},
                      Refusal {"patternMatchingNothing",
                               {"adjust", "THEME", "--only", "Elemnt*", "--hue", "30", "--in-place"},
                               "THEME: no element matches the pattern 'Elemnt*'"},
                      Refusal {"entryGivenTwoColours",
                               {"set", "THEME", "2=#000000", "2=#111111", "--in-place"},
                               "THEME: entry 2 <Element2> is given two colours, #000000 and #111111"},
                      Refusal {"entryByNumberAndName",
                               {"set", "THEME", "1=#000000", "<ControlForeground>=#111111", "-o", "OUT"},
                               "THEME: entry 1 <ControlForeground> is given two colours, #000000 and #111111"},
                      Refusal {"colourGivenTwoReplacements",
                               {"replace", "THEME", "#000000=#111111", "0,0,0=#222222", "--in-place"},
                               "THEME: #000000 is to become two colours, #111111 and #222222"},
                      Refusal {"generateFromNoColour",
                               {"generate", "--background", "#1e1f22", "--foreground", "#e8e8e8", "--accent", "orange",
                                "--from", "THEME", "-o", "OUT"},
                               "--accent: \"orange\" is not a colour: write #RRGGBB or R,G,B with each part 0..255"},
                      Refusal {"explainNamesAndAll",
                               {"explain", "ControlForeground", "--all"},
                               "explain takes ELEMENT names or --all, not both"},
                      Refusal {"badColourNamesTheArgument",
                               {"set", "THEME", "SurfaceArea=#12345", "-o", "OUT"},
                               "SurfaceArea=#12345: \"#12345\" is not a colour: write #RRGGBB or R,G,B with each "
                               "part 0..255"},
                      Refusal {"badReplacementNamesTheArgument",
                               {"replace", "THEME", "#000000=#1", "-o", "OUT"},
                               "#000000=#1: \"#1\" is not a colour: write #RRGGBB or R,G,B with each part 0..255"},
                      Refusal {"optionWhereTheThemeShouldBe",
                               {"list", "-dark.ask"},
                               "unknown option '-dark.ask' (see tintwright-cli list --help)"},
                      Refusal {"emptyOutputName",
                               {"set", "THEME", "1=#000000", "-o", ""},
                               "the output name is empty: give -o a file, or - for standard output"},
                      Refusal {"emptyOutputNameOfPreview",
                               {"preview", "THEME", "--output="},
                               "the output name is empty: give -o a file, or - for standard output"},
                      Refusal {"unknownOptionBeforeTheme",
                               {"list", "-x", "THEME"},
                               "unknown option '-x' (see tintwright-cli list --help)"},
                      Refusal {"standardInputTwice",
                               {"diff", "-", "-"},
                               "-: standard input is given twice, and it can be read once: name a file for one theme"},
                      Refusal {"argumentBeforeTheTheme",
                               {"set", "MISSING", "no-equals", "-o", "OUT"},
                               "no-equals: \"no-equals\" is not of the form ENTRY=COLOR"},
                      Refusal {"replacementBeforeTheTheme",
                               {"replace", "MISSING", "#000000=#12", "--in-place"},
                               "#000000=#12: \"#12\" is not a colour: write #RRGGBB or R,G,B with each part 0..255"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Accepted {
    const char* name;
    std::vector<std::string> arguments;
    std::string err;
};

class AcceptedInputTest : public CliRefusalTest, public ::testing::WithParamInterface<Accepted> { };

TEST_P(AcceptedInputTest, isCarriedOut)
{
    const Outcome outcome = run(withPaths(GetParam().arguments));
    EXPECT_EQ(outcome.code, 0) << outcome.err;
    EXPECT_EQ(outcome.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, AcceptedInputTest,
    ::testing::Values(
        Accepted {"onlyBeforeTheme",
                  {"adjust", "--only", "Element*", "THEME", "--lightness", "0.5", "-o", "OUT"},
                  "2 entries changed\n"},
        Accepted {"patternInAngleBrackets",
                  {"adjust", "THEME", "--only", "<Element2>", "--lightness", ".5", "-o", "-"},
                  "1 entry changed\n"},
        Accepted {"onePatternPerOnly",
                  {"adjust", "THEME", "--only", "Element2", "--only", "Element3", "--lightness=+0.5", "-o", "OUT"},
                  "2 entries changed\n"},
        Accepted {"sameColourTwice", {"set", "THEME", "2=#101010", "2=16,16,16", "-o", "OUT"}, "1 entry changed\n"},
        Accepted {"decimalsWithSignAndPoint",
                  {"adjust", "THEME", "--hue", "-360", "--chroma", "1.", "-o", "OUT"},
                  "0 entries changed\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliRefusalTest, doubleDashEndsTheOptions)
{
    const fs::path before = fs::current_path();
    fs::current_path(m_folder.path());
    writeBytes(m_folder.file("-dash.ask"), m_themeBytes);
    const Outcome listed = run({"list", "--", "-dash.ask", "--format", "csv"});
    fs::current_path(before);
    EXPECT_EQ(listed.code, 2);
    EXPECT_EQ(listed.err, "tintwright-cli: unexpected argument '--format' (see tintwright-cli list --help)\n");
    fs::current_path(m_folder.path());
    const Outcome csv = run({"list", "--format", "csv", "--", "-dash.ask"});
    fs::current_path(before);
    EXPECT_EQ(csv.code, 0) << csv.err;
    EXPECT_EQ(csv.out.substr(0, 22), "number,item,r,g,b,hex\n");
}

// Standard input that begins with `text` and then never ends, counting what is taken from it.
class EndlessLines : public std::streambuf {
public:
    explicit EndlessLines(std::string text)
        : m_buffer(std::move(text))
    {
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
    }
    std::size_t taken = 0;

protected:
    int_type underflow() override
    {
        m_buffer.assign(4096, '\n');
        setg(m_buffer.data(), m_buffer.data(), m_buffer.data() + m_buffer.size());
        taken += m_buffer.size();
        return traits_type::to_int_type('\n');
    }

private:
    std::string m_buffer;
};

TEST_F(CliRefusalTest, endlessStandardInputIsRefusedAtTheLineLimit)
{
    EndlessLines endless(m_themeBytes);
    std::istream in(&endless);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"list", "-"}, in, out, err), 2);
    EXPECT_EQ(err.str(), "tintwright-cli: -: Line 1201: the theme has more than 1200 lines.\n");
    EXPECT_LT(endless.taken, 256u * 1024u); // the rest of the input is never read
}

TEST(CliBrokenInputTest, unreadableStandardInputIsSaidToBeSo)
{
    class Broken : public std::streambuf {
    protected:
        int_type underflow() override { throw std::ios_base::failure("unreadable"); }
    } broken;
    std::istream in(&broken);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCli({"list", "-"}, in, out, err), 2);
    EXPECT_EQ(err.str().rfind("tintwright-cli: -: standard input cannot be read", 0), 0u) << err.str();
}

TEST_F(CliRefusalTest, machineReadableOutputAgreesAcrossCommands)
{
    const auto json = [&](const std::vector<std::string>& arguments) {
        return nlohmann::json::parse(run(withPaths(arguments)).out);
    };
    const nlohmann::json listed = json({"list", "THEME", "--format", "json"});
    const nlohmann::json palette = json({"palette", "THEME", "--format", "json"});
    EXPECT_EQ(palette[1]["entries"][0]["item"], listed[0]["item"]);

    const nlohmann::json one = json({"explain", "<ControlForeground>", "--format", "json"});
    const nlohmann::json all = json({"explain", "--all", "--format", "json"});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0], all[0]);

    for (const nlohmann::json& pair : json({"contrast", "THEME", "--format", "json", "--min", "7"})) {
        EXPECT_EQ(pair["minimum"].get<double>(), pair["kind"] == "text" ? 7.0 : 3.0);
        EXPECT_EQ(pair["passes"].get<bool>(), pair["ratio"].get<double>() >= pair["minimum"].get<double>()) << pair;
    }
}

TEST_F(CliRefusalTest, checkWritesOneLinePerFileAndNamesLaterLiveThemes)
{
    std::vector<std::string> lines = {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<Ableton>", "<SkinManager>"};
    for (const sketch::ElementInfo& info : sketch::elementTable()) {
        if (!info.since101) {
            const std::string name(info.name);
            lines.insert(lines.end(),
                         {"<" + name + ">", "<R Value=\"1\" />", "<G Value=\"2\" />", "<B Value=\"3\" />"});
        }
    }
    lines.insert(lines.end(), {"</SkinManager>", "</Ableton>"});
    writeBytes(m_folder.file("Old.ask"), joinLines(lines));
    writeBytes(m_folder.file("Later.ask"), "<?xml?>\n<Ableton>\n<Theme>\n<ControlForeground Value=\"#b2b2b2\" />\n");
    const Outcome checked =
        run(withPaths({"check", m_folder.file("Old.ask").u8string(), "THEME", m_folder.file("Later.ask").u8string()}));
    EXPECT_EQ(checked.code, 1);
    ASSERT_EQ(std::count(checked.out.begin(), checked.out.end(), '\n'), 3) << checked.out;
    EXPECT_NE(checked.out.find("Old.ask: ok, 621 lines, 154 colour entries; made for Live 10.0"), std::string::npos)
        << checked.out;
    // What check counts as lacking is what complete makes, every one named.
    const Outcome completed = run({"complete", m_folder.file("Old.ask").u8string(), "-o", "-"});
    const std::string made = completed.err.substr(0, completed.err.find(" elements made"));
    EXPECT_NE(checked.out.find("it lacks " + made + " elements of Live 10.1"), std::string::npos)
        << checked.out << completed.err;
    const std::size_t open = checked.out.find("default colours (");
    ASSERT_NE(open, std::string::npos) << checked.out;
    const std::string names = checked.out.substr(open, checked.out.find(')', open) - open);
    EXPECT_EQ(std::to_string(std::count(names.begin(), names.end(), ',') + 1), made) << names;
    EXPECT_NE(checked.out.find("Later.ask: Wrong file format, this is not an Live 10 Theme Skin!; it looks like a "
                               "theme of Live 11 or 12"),
              std::string::npos)
        << checked.out;

    // One line, whether the colours carry an alpha or not.
    for (const char* value : {"#b2b2b2", "#b2b2b2ff"}) {
        const Outcome listed = run(
            {"list", "-"}, "<?xml?>\n<Ableton>\n<Theme>\n<ControlForeground Value=\"" + std::string(value) + "\" />\n");
        EXPECT_EQ(listed.err,
                  "tintwright-cli: -: Wrong file format, this is not an Live 10 Theme Skin!; it looks like a theme of "
                  "Live 11 or 12, which gives each colour as one Value=\"#rrggbb\" or \"#rrggbbaa\"; a Live 10 "
                  "theme gives R, G and B lines\n");
    }
}

TEST_F(CliRefusalTest, checkTellsEachRecordTheReaderTakesOtherwiseAndGenerateRefusesCutThemesAndUnreadableBases)
{
    std::string misread = m_themeBytes;
    const std::string red = "<R Value=\"1\" />";
    misread.replace(misread.find(red), red.size(), "<R Value=\"1000\" />");
    writeBytes(m_folder.file("Misread.ask"), misread);
    const std::string cut = m_themeBytes.substr(0, m_themeBytes.rfind("</SkinManager>") + 8);
    writeBytes(m_folder.file("Cut.ask"), cut);
    const std::string misreadPath = m_folder.file("Misread.ask").u8string();
    const std::string cutPath = m_folder.file("Cut.ask").u8string();

    const Outcome checked = run({"check", misreadPath, cutPath});
    EXPECT_EQ(checked.code, 1);
    const std::size_t last = std::count(cut.begin(), cut.end(), '\n') + 1;
    EXPECT_EQ(checked.out,
              misreadPath + ": line 5: R value \"1000\" is read as 100\n" + cutPath + ": line " + std::to_string(last)
                  + ": the theme ends before its closing </Ableton>: it is cut off\n");

    const Outcome generated = run({"generate", "--background", "#202020", "--foreground", "#e0e0e0", "--accent",
                                   "#ff9a3c", "--from", cutPath, "-o", path("Out.ask")});
    EXPECT_EQ(generated.code, 2);
    EXPECT_EQ(generated.err.rfind("tintwright-cli: " + cutPath + ": the theme ends before its closing </Ableton>", 0),
              0u)
        << generated.err;
    EXPECT_FALSE(fs::exists(m_folder.file("Out.ask")));

    // White on mid grey cannot be read: the base colours are kept, so no theme.
    const Outcome tooClose = run({"generate", "--background", "#808080", "--foreground", "#ffffff", "--accent",
                                  "#ff9a3c", "-o", path("Out.ask")});
    EXPECT_EQ(tooClose.code, 1);
    EXPECT_EQ(tooClose.err,
              "tintwright-cli: the foreground #ffffff on the background #808080 stands at 3.94:1, and text needs "
              "4.50:1: choose a lighter or darker one; nothing was written\n");
    EXPECT_FALSE(fs::exists(m_folder.file("Out.ask")));
}

// A record read otherwise than written is told wherever the theme is read, and
// nothing is built on it unless asked for in so many words.
TEST_F(CliRefusalTest, aMisreadRecordIsToldWhereverItIsReadAndBuiltOnOnlyAsRead)
{
    std::string misread = m_themeBytes;
    misread.replace(misread.find("<R Value=\"1\""), 12, "<R Value=\"+255\"");
    writeBytes(m_folder.file("Misread.ask"), misread);
    const std::string file = path("Misread.ask");
    const std::string told = file + ": line 5: R value \"+255\" is read as 25\n";
    for (const std::vector<std::string>& reading : {std::vector<std::string> {"list", file},
                                                    {"palette", file},
                                                    {"contrast", file, "--min", "1", "--min-graphic", "1"},
                                                    {"diff", file, file},
                                                    {"preview", file, "--view", "session"}}) {
        const Outcome outcome = run(reading);
        EXPECT_EQ(outcome.code, 0) << reading[0] << outcome.err;
        EXPECT_EQ(outcome.err.substr(0, told.size()), told) << reading[0];
    }
    const std::string out = path("Out.ask");
    const std::string refusal = "tintwright-cli: " + file
        + ": line 5: R value \"+255\" is read as 25; nothing was written; --as-read writes a theme built on what is "
          "read\n";
    for (const std::vector<std::string>& writing : {std::vector<std::string> {"complete", file, "-o", out},
                                                    {"set", file, "2=#101010", "-o", out},
                                                    {"replace", file, "#000000=#101010", "-o", out},
                                                    {"adjust", file, "--hue", "30", "-o", out},
                                                    {"generate", "--background", "#202020", "--foreground", "#e0e0e0",
                                                     "--accent", "#ff9a3c", "--from", file, "-o", out}}) {
        const Outcome refused = run(writing);
        EXPECT_EQ(refused.code, 2) << writing[0];
        EXPECT_EQ(refused.err, refusal) << writing[0];
        EXPECT_FALSE(fs::exists(out)) << writing[0];
        std::vector<std::string> asRead = writing;
        asRead.push_back("--as-read");
        const Outcome written = run(asRead);
        EXPECT_LE(written.code, 1) << writing[0] << written.err;
        EXPECT_EQ(written.err.substr(0, told.size()), told) << writing[0];
        EXPECT_TRUE(fs::exists(out)) << writing[0];
        fs::remove(out);
    }
}

// A failing command prints its error alone, without what it tells on success.
TEST_F(CliRefusalTest, aFailingCommandPrintsItsErrorAlone)
{
    const std::string out = path("missing/folder/Out.svg");
    const Outcome preview = run({"preview", path("Theme.ask"), "-o", out});
    EXPECT_EQ(preview.code, 2);
    EXPECT_EQ(preview.err,
              "tintwright-cli: " + out + ": the file cannot be created in its folder: No such file or directory.\n");
}

struct ImportRefusal {
    const char* name;
    std::string text; // standard input
    std::string err; // a part of the one line
};

class ImportRefusalTest : public ::testing::TestWithParam<ImportRefusal> { };

TEST_P(ImportRefusalTest, isOneLineAndWritesNothing)
{
    const Outcome outcome = run({"import", "-"}, GetParam().text);
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.out, "");
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    EXPECT_EQ(outcome.err.rfind("tintwright-cli: -: ", 0), 0u) << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().err), std::string::npos) << outcome.err;
}

std::string utf16(const std::string& text)
{
    std::string wide = "\xFF\xFE";
    for (const char c : text) {
        wide += {c, '\0'};
    }
    return wide;
}

const std::string kLaterColours = "<ControlForeground Value=\"#b2b2b2\" />\n";

INSTANTIATE_TEST_SUITE_P(
    Cli, ImportRefusalTest,
    ::testing::Values(
        ImportRefusal {"entityOfItsOwn",
                       "<!DOCTYPE Ableton [<!ENTITY e \"x\">]>\n<Ableton Creator=\"&e;\">\n<Theme>\n" + kLaterColours
                           + "</Theme>\n</Ableton>\n",
                       "a reference to the entity &e;"},
        ImportRefusal {"bareAmpersand",
                       "<Ableton Creator=\"A & B\">\n<Theme>\n" + kLaterColours + "</Theme>\n</Ableton>\n",
                       "a \"&\" that begins no reference"},
        ImportRefusal {"repeatedAttribute",
                       "<Ableton Creator=\"A\" Creator=\"B\">\n<Theme>\n" + kLaterColours + "</Theme>\n</Ableton>\n",
                       "gives the attribute Creator twice"},
        ImportRefusal {"live10InATheme",
                       "<Ableton>\n<Theme>\n<ControlForeground>\n<R Value=\"1\" />\n</ControlForeground>\n</Theme>\n"
                       "</Ableton>\n",
                       "this is a theme of Live 10"},
        ImportRefusal {"nothingKept", "<Ableton>\n<Theme>\n<Unknown Value=\"#b2b2b2\" />\n</Theme>\n</Ableton>\n",
                       "none of its elements is one Live 10 knows"},
        ImportRefusal {"utf16", utf16("<Ableton>\r\n<Theme>\r\n" + std::string(1300, '\n') + "</Theme></Ableton>"),
                       "this is UTF-16 text"}),
    [](const auto& info) { return std::string(info.param.name); });

// check and import agree on what a file is, whatever holds its colours.
TEST_F(CliRefusalTest, importTakesWhatCheckCallsALaterThemeAndWritesWellFormedAttributes)
{
    const std::string later = "<?xml version=\"1.0\"?>\n<Ableton Creator='Say \"hi\"'>\n<SkinManager>\n<Name "
                              "Value=\"Mine\" />\n"
        + kLaterColours + "</SkinManager>\n</Ableton>\n";
    const Outcome checked = run({"check", "-"}, later);
    EXPECT_EQ(checked.code, 1);
    EXPECT_NE(checked.out.find("it looks like a theme of Live 11 or 12"), std::string::npos) << checked.out;
    const Outcome imported = run({"import", "-"}, later);
    EXPECT_EQ(imported.code, 0) << imported.err;
    EXPECT_NE(imported.out.find(" Creator=\"Say &quot;hi&quot;\" "), std::string::npos) << imported.out;
    EXPECT_NE(imported.err.find("1 element kept, 161 made from the theme's colours, 0 that Live 10 does not know left "
                                "out; its <Name> left out"),
              std::string::npos)
        << imported.err;
    EXPECT_EQ(run({"check", "-"}, imported.out).code, 0);
}

TEST_F(CliRefusalTest, previewNamesAsHatchedOnlyWhatTheViewDraws)
{
    const Outcome preview = run({"preview", path("Theme.ask"), "--view", "preferences"});
    ASSERT_EQ(preview.code, 0) << preview.err;
    const std::string hatched = "missing, drawn hatched (Live uses its default colours): ";
    const std::size_t start = preview.err.find(hatched);
    ASSERT_NE(start, std::string::npos) << preview.err;
    const std::string names =
        preview.err.substr(start + hatched.size(), preview.err.find('\n', start) - start - hatched.size());
    std::set<std::string> drawn;
    for (const sketch::Shape& shape : sketch::preferencesScene().shapes) {
        drawn.insert(shape.element);
    }
    std::size_t at = 0;
    for (std::size_t next = 0; next != std::string::npos; at = next + 2) {
        next = names.find(", ", at);
        const std::string name = names.substr(at, next == std::string::npos ? std::string::npos : next - at);
        EXPECT_EQ(drawn.count(name), 1u) << name << " is named hatched but the view does not draw it";
    }
    EXPECT_NE(preview.err.find("missing, not in this view: "), std::string::npos) << preview.err;
}

TEST_F(CliRefusalTest, previewShowsAnEightBitNameAsEveryMessageDoes)
{
    std::string named = m_themeBytes;
    named.replace(named.find("<Element2>"), 10, "<Gr\xFCn>");
    const Outcome preview = run({"preview", "-"}, named);
    EXPECT_EQ(preview.code, 0);
    EXPECT_NE(preview.err.find("Gr\xC3\xBCn"), std::string::npos) << preview.err;
    EXPECT_EQ(preview.err.find('\xFC'), std::string::npos);
}

#ifndef _WIN32
TEST_F(CliRefusalTest, aPipeIsNotReplacedInPlace)
{
    const fs::path fifo = m_folder.file("pipe.ask");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Outcome outcome = run({"adjust", fifo.u8string(), "--hue", "3", "--in-place"});
    EXPECT_EQ(outcome.code, 2);
    EXPECT_EQ(outcome.err,
              "tintwright-cli: " + fifo.u8string()
                  + ": a pipe cannot be replaced in place; write the result with -o OUT\n");
}
#endif

} // namespace
} // namespace tintwright::cli
