#include "cli/Cli.h"
#include "CliRun.h"
#include "support/ThemeTestSupport.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <regex>
#include <set>
#include <sstream>

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

// A theme in a folder of its own; entry 2 and 3 are named as `second` and `third`.
class CliTest : public ::testing::Test {
protected:
    std::string theme(const std::vector<theme::testing::Rgb>& colors, const std::string& second = "<Element2>",
                      const std::string& third = "<Element3>", const std::string& name = "Theme.ask")
    {
        std::vector<std::string> lines = themeLines(colors);
        for (std::string& line : lines) {
            if (line == "\t\t<Element2>") {
                line = second;
            } else if (line == "\t\t<Element3>") {
                line = third;
            }
        }
        writeBytes(m_folder.file(name), joinLines(lines));
        return path(name);
    }
    std::string path(const std::string& name) const { return m_folder.file(name).u8string(); }

    TemporaryFolder m_folder;
};

TEST_F(CliTest, listShowsEachEntryAsItsSwatchInEveryFormat)
{
    const std::string file = theme({{153, 102, 51}, {300, 0, 7}, {0, 0, 0}}, "<A,\"B\">", "<Gr\xFCn>");

    EXPECT_EQ(run({"list", file, "--format", "csv"}).out,
              "number,item,r,g,b,hex\n"
              "1,<ControlForeground>,153,102,51,#996633\n"
              "2,\"<A,\"\"B\"\">\",255,0,7,#ff0007\n"
              "3,<Gr\xC3\xBCn>,0,0,0,#000000\n");

    const nlohmann::json json = nlohmann::json::parse(run({"list", file, "--format", "json"}).out);
    ASSERT_EQ(json.size(), 3u);
    EXPECT_EQ(
        json[1],
        (nlohmann::json {{"number", 2}, {"item", "<A,\"B\">"}, {"r", 255}, {"g", 0}, {"b", 7}, {"hex", "#ff0007"}}));
    EXPECT_EQ(json[2]["item"], "<Gr\xC3\xBCn>");

    const Outcome text = run({"list", file});
    EXPECT_EQ(text.code, 0);
    EXPECT_EQ(text.out,
              "NBR  ITEM                   R    G    B  HEX\n"
              "  1  <ControlForeground>  153  102   51  #996633\n"
              "  2  <A,\"B\">              255    0    7  #ff0007\n"
              "  3  <Gr\xC3\xBCn>                 0    0    0  #000000\n");
}

// The window saves a pick by storing the colour in the entry's colour table
// row with its changed flag; the same document saved by the core is the reference.
TEST_F(CliTest, setWritesWhatTheWindowSavesAfterTheSamePicks)
{
    const fs::path sample = TINTWRIGHT_SAMPLES "/Midnight.ask";
    const auto content = theme::readThemeFile(sample);
    ASSERT_TRUE(content);
    auto document = std::make_unique<theme::ThemeDocument>();
    theme::storeTheme(*document, *content);
    for (const auto& [row, rgb] :
         std::vector<std::pair<int, std::array<std::int16_t, 3>>> {{3, {12, 34, 56}}, {7, {0, 0, 0}}}) {
        theme::ColorTableRow& entry = theme::colorTableRow(*document, row);
        using Column = theme::ColorTableColumn;
        entry[Column::Red] = rgb[0];
        entry[Column::Green] = rgb[1];
        entry[Column::Blue] = rgb[2];
        entry[Column::Changed] = 1;
    }
    theme::saveTheme(*document, m_folder.file("window.ask"));
    const std::string expected = readBytes(m_folder.file("window.ask"));

    const std::vector<std::string> picks = {"set", sample.u8string(), "3=#0c2238", "<Desktop>=0,0,0"};
    std::vector<std::string> toStandardOutput = picks;
    toStandardOutput.insert(toStandardOutput.end(), {"-o", "-"});
    const Outcome piped = run(toStandardOutput);
    EXPECT_EQ(piped.code, 0);
    EXPECT_EQ(piped.out, expected);
    EXPECT_EQ(piped.err, "1 entry changed\n") << "<Desktop> is black already";

    std::vector<std::string> toFile = picks;
    toFile.insert(toFile.end(), {"-o", path("cli.ask")});
    EXPECT_EQ(run(toFile).out, "");
    EXPECT_EQ(readBytes(m_folder.file("cli.ask")), expected);

    writeBytes(m_folder.file("inplace.ask"), readBytes(sample));
    std::vector<std::string> inPlace = picks;
    inPlace[1] = path("inplace.ask");
    inPlace.push_back("--in-place");
    EXPECT_EQ(run(inPlace).code, 0);
    EXPECT_EQ(readBytes(m_folder.file("inplace.ask")), expected);
}

TEST_F(CliTest, setByANameSeveralEntriesShareSetsThemAll)
{
    const std::string file = theme({{1, 1, 1}, {2, 2, 2}, {3, 3, 3}}, "<Twin>", "<Twin>");
    const Outcome set = run({"set", file, "Twin=#0a0b0c", "-o", path("out.ask")});
    EXPECT_EQ(set.err, "2 entries changed\n");
    EXPECT_EQ(run({"list", path("out.ask"), "--format", "csv"}).out,
              "number,item,r,g,b,hex\n"
              "1,<ControlForeground>,1,1,1,#010101\n"
              "2,<Twin>,10,11,12,#0a0b0c\n"
              "3,<Twin>,10,11,12,#0a0b0c\n");
}

TEST_F(CliTest, replaceLooksAtTheColoursTheFileGave)
{
    const std::string file = theme({{1, 2, 3}, {4, 5, 6}, {1, 2, 3}});
    const Outcome swap = run({"replace", file, "1,2,3=#040506", "#040506=1,2,3", "-o", path("out.ask")});
    EXPECT_EQ(swap.code, 0);
    EXPECT_EQ(swap.err, "3 entries changed\n");
    EXPECT_EQ(run({"list", path("out.ask"), "--format", "csv"}).out,
              "number,item,r,g,b,hex\n"
              "1,<ControlForeground>,4,5,6,#040506\n"
              "2,<Element2>,1,2,3,#010203\n"
              "3,<Element3>,4,5,6,#040506\n");
}

TEST_F(CliTest, diffTellsChangedAndMissingEntriesAndExitsOneForThem)
{
    const std::string first = theme({{1, 2, 3}, {4, 5, 6}}, "<Element2>", "<Element3>", "A.ask");
    const std::string second = theme({{1, 2, 3}, {10, 11, 12}, {0, 0, 0}}, "<Element2>", "<Element3>", "B.ask");
    const Outcome differ = run({"diff", first, second});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out,
              "<Element2>  #040506 -> #0a0b0c\n<Element3>  only in " + second
                  + "\nline 20  <Alpha Value=\"255\" />  only in " + second + "\nline 21  </Element3>  only in "
                  + second + "\n");
    const Outcome same = run({"diff", first, first});
    EXPECT_EQ(same.code, 0);
    EXPECT_EQ(same.out, "");
}

TEST_F(CliTest, checkTellsEachFileAndExitsOneForOneThatIsNoTheme)
{
    const std::string good = theme({{1, 2, 3}});
    writeBytes(m_folder.file("notes.txt"), "a\nb\nc\nd\n");
    EXPECT_EQ(run({"check", good}).code, 0);
    const Outcome mixed = run({"check", good, path("notes.txt")});
    EXPECT_EQ(mixed.code, 1);
    EXPECT_EQ(mixed.out,
              good + ": ok, 12 lines, 1 colour entry, a Live 10 theme\n" + path("notes.txt")
                  + ": Wrong file format, this is not an Live 10 Theme Skin!\n");
}

// The lines of a theme other than its R, G and B records, without the
// indentation a save leaves out.
std::vector<std::string> linesBesideColours(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::istringstream stream(bytes);
    for (std::string line; std::getline(stream, line);) {
        line.erase(0, line.find_first_not_of('\t'));
        if (line.rfind("<R ", 0) != 0 && line.rfind("<G ", 0) != 0 && line.rfind("<B ", 0) != 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST_F(CliTest, generateWritesAWholeReadableThemeAndRecoloursOneWithoutTouchingItsOtherLines)
{
    const std::vector<std::string> base = {"--background", "#f4f1ea", "--foreground", "#1d1f21", "--accent", "#2f6fd6"};
    std::vector<std::string> arguments = {"generate"};
    arguments.insert(arguments.end(), base.begin(), base.end());
    const Outcome made = run(arguments);
    ASSERT_EQ(made.code, 0) << made.err;
    EXPECT_EQ(run(arguments).out, made.out); // the same colours, the same bytes
    // Every element and blend factor of Live 10.1 in Live's order, as the Paper sample has them.
    const fs::path paper = TINTWRIGHT_SAMPLES "/Paper.ask";
    const auto records = [](const std::string& bytes) {
        std::vector<std::string> names;
        for (const std::string& line : linesBesideColours(bytes)) {
            if (line.rfind("<Alpha ", 0) != 0 && line.rfind("<Ableton ", 0) != 0) {
                names.push_back(line);
            }
        }
        return names;
    };
    EXPECT_EQ(records(made.out), records(readBytes(paper)));
    writeBytes(m_folder.file("Made.ask"), made.out);
    EXPECT_EQ(run({"contrast", path("Made.ask")}).code, 0);

    const fs::path midnight = TINTWRIGHT_SAMPLES "/Midnight.ask";
    arguments.insert(arguments.end(), {"--from", midnight.u8string(), "-o", path("Recoloured.ask")});
    ASSERT_EQ(run(arguments).code, 0);
    const std::string recoloured = readBytes(m_folder.file("Recoloured.ask"));
    EXPECT_EQ(linesBesideColours(recoloured), linesBesideColours(readBytes(midnight)));
    EXPECT_NE(recoloured, readBytes(midnight));

    // A theme recoloured to its own three colours keeps every colour.
    const Outcome own = run({"generate", "--from", paper.u8string(), "--background", "#dadde0", "--foreground",
                             "#1d1f21", "--accent", "#f0a030", "-o", path("Own.ask")});
    ASSERT_EQ(own.code, 0) << own.err;
    EXPECT_EQ(own.err, "");
    EXPECT_EQ(run({"list", path("Own.ask")}).out, run({"list", paper.u8string()}).out);
}

// Where explain says an element is drawn is where the drawing has it: its
// areas are the data-area names of its shapes across every view.
TEST_F(CliTest, explainNamesExactlyTheAreasTheSketchDrawsEachElementIn)
{
    const Outcome explained = run({"explain", "--all", "--format", "json"});
    ASSERT_EQ(explained.code, 0);
    const Outcome drawn = run({"preview", TINTWRIGHT_SAMPLES "/Paper.ask"});
    ASSERT_EQ(drawn.code, 0);
    std::map<std::string, std::set<std::string>> areas;
    const std::regex shape("data-element=\"([A-Za-z0-9]+)\"[^>]*? data-area=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(drawn.out.begin(), drawn.out.end(), shape); it != std::sregex_iterator();
         ++it) {
        areas[(*it)[1]].insert((*it)[2]);
    }
    int known = 0;
    for (const auto& element : nlohmann::json::parse(explained.out)) {
        const std::string name = element.at("element");
        const auto said = element.at("areas").get<std::vector<std::string>>();
        EXPECT_EQ(std::set<std::string>(said.begin(), said.end()), areas[name]) << name;
        EXPECT_EQ(said.size(), areas[name].size()) << name << " names an area twice";
        EXPECT_EQ(element.at("certainty") == "known", !element.at("source").get<std::string>().empty()) << name;
        known += element.at("certainty") == "known" ? 1 : 0;
    }
    EXPECT_GE(areas.size(), 155u);
    EXPECT_GT(known, 0);
    // Each map mode's highlight is drawn in its own view only, among them its clip grid.
    for (const auto& [element, view] : {std::pair {"LearnMidi", "MIDI Map Mode › "}, {"LearnKey", "Key Map Mode › "}}) {
        EXPECT_EQ(areas[element].count(std::string(view) + "Clip grid"), 1u) << element;
        for (const std::string& area : areas[element]) {
            EXPECT_EQ(area.rfind(view, 0), 0u) << element << " in " << area;
        }
    }
}

struct RefusalCase {
    const char* name;
    std::vector<std::string> arguments; // THEME, OUT, FOREIGN and FOLDER stand for files of the test
    std::string problem;
};

class CliRefusalTest : public CliTest, public ::testing::WithParamInterface<RefusalCase> { };

TEST_P(CliRefusalTest, saysWhyInOneLineExitsTwoAndWritesNothing)
{
    const std::string file = theme({{1, 2, 3}, {4, 5, 6}});
    writeBytes(m_folder.file("notes.txt"), "a\nb\nc\nd\n");
    fs::create_directory(m_folder.file("folder"));
    writeBytes(m_folder.file("locked.ask"), readBytes(m_folder.file("Theme.ask")));
    fs::permissions(m_folder.file("locked.ask"), fs::perms::owner_read);
    const auto before = theme::testing::folderEntries(m_folder.path());
    const std::string themeBytes = readBytes(m_folder.file("Theme.ask"));

    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        const std::map<std::string, std::string> files = {{"THEME", file},
                                                          {"OUT", path("out.ask")},
                                                          {"FOREIGN", path("notes.txt")},
                                                          {"FOLDER", path("folder")},
                                                          {"LOCKED", path("locked.ask")},
                                                          {"NOWHERE", path("nowhere/out.ask")}};
        if (files.count(argument) != 0) {
            argument = files.at(argument);
        }
    }
    const Outcome refused = run(arguments);

    fs::permissions(m_folder.file("locked.ask"), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err.rfind("tintwright-cli: ", 0), 0u) << refused.err;
    EXPECT_EQ(refused.err.find('\n'), refused.err.size() - 1) << "one line: " << refused.err;
    EXPECT_NE(refused.err.find(GetParam().problem), std::string::npos) << refused.err;
    EXPECT_EQ(theme::testing::folderEntries(m_folder.path()), before);
    EXPECT_EQ(readBytes(m_folder.file("Theme.ask")), themeBytes);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CliRefusalTest,
    ::testing::Values(
        RefusalCase {"malformedColour", {"set", "THEME", "1=#12345", "-o", "OUT"}, "\"#12345\" is not a colour"},
        RefusalCase {"unknownName", {"set", "THEME", "Nothing=#123456", "-o", "OUT"}, "no colour entry is named"},
        RefusalCase {"numberZero", {"set", "THEME", "0=#123456", "-o", "OUT"}, "there is no colour entry 0"},
        RefusalCase {"numberPastTheEnd", {"set", "THEME", "3=#123456", "-o", "OUT"}, "there is no colour entry 3"},
        RefusalCase {"noAssignment", {"set", "THEME", "1", "-o", "OUT"}, "is not of the form ENTRY=COLOR"},
        RefusalCase {"noOutput", {"set", "THEME", "1=#123456"}, "set needs -o OUT"},
        RefusalCase {"twoOutputs", {"replace", "THEME", "#010203=#123456", "-o", "OUT", "--in-place"}, "excludes"},
        RefusalCase {"foreignTheme", {"set", "FOREIGN", "1=#123456", "-o", "OUT"}, "Wrong file format"},
        RefusalCase {"folderAsTheme", {"list", "FOLDER"}, "this is a folder"},
        RefusalCase {"missingTheme", {"list", "MISSING.ask"}, "cannot be opened"},
        RefusalCase {"foreignInDiff", {"diff", "THEME", "FOREIGN"}, "Wrong file format"},
        RefusalCase {"outputInMissingFolder", {"set", "THEME", "1=#123456", "-o", "NOWHERE"}, "cannot be created"},
        RefusalCase {"readOnlyInPlace", {"set", "LOCKED", "1=#123456", "--in-place"}, "read-only"},
        RefusalCase {"unknownFormat", {"list", "THEME", "--format", "xml"}, "--format"},
        RefusalCase {"unknownCommand", {"paint", "THEME"}, "tintwright-cli --help"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintwright::cli
