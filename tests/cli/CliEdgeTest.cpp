#include "CliRun.h"
#include "cli/Cli.h"
#include "support/ThemeTestSupport.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <atomic>
#include <chrono>
#include <regex>
#include <set>
#include <sstream>
#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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

class CliEdgeTest : public testing::ThemeFolderTest { };

struct ExitCase {
    const char* name;
    std::vector<std::string> arguments; // THEME, FOREIGN and MISSING stand for files of the test
    int code;
    std::string err; // a part of what standard error says
};

class CliExitCodeTest : public CliEdgeTest, public ::testing::WithParamInterface<ExitCase> { };

TEST_P(CliExitCodeTest, exitsAsScriptsExpect)
{
    writeBytes(m_folder.file("notes.txt"), "a\nb\nc\nd\n");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments) {
        if (argument == "THEME" || argument == "FOREIGN" || argument == "MISSING") {
            argument = path(argument == "THEME" ? "Theme.ask" : argument == "FOREIGN" ? "notes.txt" : "missing.ask");
        }
    }
    const Outcome outcome = run(arguments, m_themeBytes);
    EXPECT_EQ(outcome.code, GetParam().code) << outcome.out << outcome.err;
    EXPECT_NE(outcome.err.find(GetParam().err), std::string::npos) << outcome.err;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliExitCodeTest,
    ::testing::Values(
        ExitCase {"checkThemes", {"check", "THEME", "-"}, 0, ""},
        ExitCase {"checkForeign", {"check", "THEME", "FOREIGN"}, 1, ""},
        ExitCase {
            "checkUnreadable", {"check", "FOREIGN", "MISSING", "THEME"}, 2, "missing.ask: the file cannot be opened"},
        ExitCase {
            "unknownCommand", {"frobnicate", "THEME"}, 2, "unknown command 'frobnicate' (see tintwright-cli --help)"},
        ExitCase {"unknownOption", {"list", "--frob", "THEME"}, 2, "unknown option '--frob'"},
        ExitCase {"optionTwiceLastWins", {"list", "THEME", "--format", "json", "--format", "csv"}, 0, ""},
        ExitCase {"inPlaceOnStandardInput", {"set", "-", "1=#000000", "--in-place"}, 2, "standard input"},
        ExitCase {"noOpReplace", {"replace", "THEME", "#123456=#000000", "--in-place"}, 0, "0 entries changed"},
        ExitCase {"sameColourReplace", {"replace", "THEME", "#000000=#000000", "-o", "-"}, 0, "0 entries changed"},
        // A number option takes both ends of its range (a refused number exits 2).
        ExitCase {"hueAtItsTop", {"adjust", "THEME", "--hue", "360", "-o", "-"}, 0, ""},
        ExitCase {"hueAtItsFoot", {"adjust", "THEME", "--hue", "-360", "-o", "-"}, 0, ""},
        ExitCase {"chromaAtItsTop", {"adjust", "THEME", "--chroma", "10", "-o", "-"}, 0, ""},
        ExitCase {"lightnessAtItsTop", {"adjust", "THEME", "--lightness", "1", "-o", "-"}, 0, ""},
        ExitCase {"lightnessAndChromaAtTheirFoot",
                  {"adjust", "THEME", "--lightness", "-1", "--chroma", "0", "-o", "-"},
                  0,
                  ""},
        ExitCase {"minimumsAtTheirTop", {"contrast", "THEME", "--min", "21", "--min-graphic", "21"}, 0, ""},
        ExitCase {"minimumsAtTheirFoot", {"contrast", "THEME", "--min", "1", "--min-graphic", "1"}, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CliEdgeTest, standardInputIsATheme)
{
    const Outcome listed = run({"list", "-", "--format", "csv"}, m_themeBytes);
    EXPECT_EQ(listed.code, 0);
    EXPECT_NE(listed.out.find("1,<ControlForeground>,1,2,3,#010203\n"), std::string::npos) << listed.out;
    const Outcome set = run({"set", "-", "1=#0a0b0c", "-o", "-"}, m_themeBytes);
    EXPECT_NE(set.out.find("<R Value=\"10\" />\r\n<G Value=\"11\" />\r\n<B Value=\"12\" />"), std::string::npos);
}

TEST_F(CliEdgeTest, replaceInPlaceThatChangesNothingLeavesTheFileAlone)
{
    const fs::file_time_type before = fs::last_write_time(m_folder.file("Theme.ask"));
    EXPECT_EQ(run({"replace", path("Theme.ask"), "#123456=#000000", "--in-place"}).code, 0);
    EXPECT_EQ(readBytes(m_folder.file("Theme.ask")), m_themeBytes);
    EXPECT_EQ(fs::last_write_time(m_folder.file("Theme.ask")), before);
    EXPECT_EQ(theme::testing::folderEntries(m_folder.path()), std::vector<std::string> {"Theme.ask"});
}

TEST_F(CliEdgeTest, diffComparesEveryRecordAndCallsLineEndsEqual)
{
    std::string alpha = m_themeBytes;
    alpha.replace(alpha.find("<Alpha Value=\"255\""), 18, "<Alpha Value=\"128\"");
    writeBytes(m_folder.file("Alpha.ask"), alpha);
    const Outcome differ = run({"diff", path("Theme.ask"), path("Alpha.ask")});
    EXPECT_EQ(differ.code, 1);
    EXPECT_EQ(differ.out, "line 8  <Alpha Value=\"255\" /> -> <Alpha Value=\"128\" />\n");

    writeBytes(m_folder.file("CrLf.ask"), joinLines(themeLines({{1, 2, 3}, {0, 0, 0}, {0, 0, 0}}), "\r\n"));
    const Outcome lineEnds = run({"diff", path("Theme.ask"), path("CrLf.ask")});
    EXPECT_EQ(lineEnds.code, 0);
    EXPECT_EQ(lineEnds.out, "the themes differ only in line ends or indentation\n");
}

TEST_F(CliEdgeTest, namesAreEscapedAndWideCharactersTakeTwoColumns)
{
    std::string named = m_themeBytes;
    named.replace(named.find("<Element2>"), 10, "<E\x1b[2J>");
    named.replace(named.find("<Element3>"), 10, "<\xE8\x89\xB2>");
    writeBytes(m_folder.file("Named.ask"), named);
    const Outcome listed = run({"list", path("Named.ask")});
    EXPECT_NE(listed.out.find("  2  <E\\x1b[2J>           "), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("  3  <\xE8\x89\xB2>                "), std::string::npos) << listed.out;
}

TEST_F(CliEdgeTest, aNulByteInAMessageIsShownNotCutOff)
{
    std::string broken = m_themeBytes;
    const std::string value = "<R Value=\"1\"";
    broken.replace(broken.find(value), value.size(), std::string("<R Value=\"\0\"", value.size()));
    writeBytes(m_folder.file("Zero.ask"), broken); // not "Nul.ask": Windows keeps that name for a device
    const Outcome listed = run({"list", path("Zero.ask")});
    EXPECT_EQ(listed.code, 2);
    EXPECT_NE(listed.err.find("the R value \"\\x00\" is not a number."), std::string::npos) << listed.err;
}

TEST_F(CliEdgeTest, paletteListsMostUsedFirstAndAdjustTouchesOnlyMatches)
{
    const nlohmann::json palette = nlohmann::json::parse(run({"palette", path("Theme.ask"), "--format", "json"}).out);
    EXPECT_EQ(palette, nlohmann::json::parse(R"([
        {"hex": "#000000", "count": 2, "entries": [{"number": 2, "item": "<Element2>"}, {"number": 3, "item": "<Element3>"}]},
        {"hex": "#010203", "count": 1, "entries": [{"number": 1, "item": "<ControlForeground>"}]}])"));

    const Outcome adjusted = run({"adjust", path("Theme.ask"), "--lightness", "0.5", "--only", "*t2", "-o", "-"});
    EXPECT_EQ(adjusted.err, "1 entry changed\n");
    const Outcome listed = run({"list", "-", "--format", "csv"}, adjusted.out);
    EXPECT_NE(listed.out.find("2,<Element2>,99,99,99,#636363\n3,<Element3>,0,0,0,#000000"), std::string::npos)
        << listed.out;
}

#ifndef _WIN32
TEST_F(CliEdgeTest, aFifoIsWrittenToAndNotReplaced)
{
    const fs::path fifo = m_folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const Outcome set = run({"set", path("Theme.ask"), "1=#000000", "-o", fifo.u8string()});
    std::string got(64 * 1024, '\0');
    const ssize_t read = ::read(reader, got.data(), got.size());
    ::close(reader);
    EXPECT_EQ(set.code, 0) << set.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
    ASSERT_GT(read, 0);
    EXPECT_EQ(got.substr(0, 21), "<?xml version=\"1.0\" e");
}

// Runs tintwright-cli; should it still run after three seconds, blocked on
// the FIFO, it is let go (a writer comes and goes) and `blocked` says so.
Outcome runLettingGo(const std::vector<std::string>& arguments, const fs::path& fifo, bool& blocked)
{
    std::atomic<bool> done {false};
    blocked = false;
    std::thread watchdog([&] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
        while (!done && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        while (!done) {
            blocked = true;
            const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const Outcome outcome = run(arguments);
    done = true;
    watchdog.join();
    return outcome;
}

TEST_F(CliEdgeTest, everyArgumentIsCheckedBeforeAPipeIsOpened)
{
    const fs::path fifo = m_folder.file("pipe.ask");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string pipe = fifo.u8string();
    const struct {
        std::vector<std::string> arguments;
        std::string err;
    } cases[] = {
        {{"complete", pipe, "--in-place"}, pipe + ": a pipe cannot be replaced in place; write the result with -o OUT"},
        {{"set", pipe, "no-equals", "-o", path("Out.ask")}, "no-equals: \"no-equals\" is not of the form ENTRY=COLOR"},
    };
    for (const auto& [arguments, err] : cases) {
        bool blocked = false;
        const Outcome outcome = runLettingGo(arguments, fifo, blocked);
        EXPECT_FALSE(blocked) << arguments[0];
        EXPECT_EQ(outcome.code, 2);
        EXPECT_EQ(outcome.err, "tintwright-cli: " + err + "\n");
    }
}

TEST_F(CliEdgeTest, diffReadsEachThemeOnce)
{
    const fs::path fifo = m_folder.file("pipe.ask");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer([&] {
        const int file = ::open(fifo.c_str(), O_WRONLY);
        if (file >= 0) {
            EXPECT_EQ(::write(file, m_themeBytes.data(), m_themeBytes.size()),
                      static_cast<ssize_t>(m_themeBytes.size()));
            ::close(file);
        }
    });
    bool blocked = false;
    const Outcome diff = runLettingGo({"diff", fifo.u8string(), path("Theme.ask")}, fifo, blocked);
    writer.join();
    EXPECT_FALSE(blocked);
    EXPECT_EQ(diff.code, 0) << diff.err;
    EXPECT_EQ(diff.out, ""); // the very same bytes
}

// Every run that says it changed the theme in place did: none overwrites another's change.
TEST_F(CliEdgeTest, parallelEditsInPlaceLoseNothing)
{
    const fs::path file = m_folder.file("Midnight.ask");
    fs::copy_file(TINTWRIGHT_SAMPLES "/Midnight.ask", file);
    constexpr int kRuns = 12;
    std::vector<Outcome> outcomes(kRuns);
    std::vector<std::thread> runs;
    for (int i = 0; i < kRuns; ++i) {
        runs.emplace_back([&, i] {
            outcomes[static_cast<std::size_t>(i)] =
                run({"set", file.u8string(), std::to_string(i + 1) + "=" + std::to_string(i) + ",1,2", "--in-place"});
        });
    }
    for (std::thread& thread : runs) {
        thread.join();
    }
    const nlohmann::json listed = nlohmann::json::parse(run({"list", file.u8string(), "--format", "json"}).out);
    for (int i = 0; i < kRuns; ++i) {
        const Outcome& outcome = outcomes[static_cast<std::size_t>(i)];
        ASSERT_EQ(outcome.code, 0) << outcome.err;
        EXPECT_EQ(outcome.err, "1 entry changed\n");
        EXPECT_EQ(listed[static_cast<std::size_t>(i)]["r"], i) << "the change of run " << i << " is lost";
    }
}

TEST_F(CliEdgeTest, inPlaceKeepsPermissionBitsAndOwner)
{
    const fs::path file = m_folder.file("Theme.ask");
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(file.c_str(), 1000, 1000), 0);
    }
    ASSERT_EQ(run({"set", path("Theme.ask"), "1=#000000", "--in-place"}).code, 0);
    struct stat status { };
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(status.st_uid, 1000u);
        EXPECT_EQ(status.st_gid, 1000u);
    }
}

TEST_F(CliEdgeTest, outputThatCannotBeWrittenIsAnError)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = ::dup(1);
    const int savedErr = ::dup(2);
    const int full = ::open("/dev/full", O_WRONLY);
    const fs::path errors = m_folder.file("errors.txt");
    const int errFile = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(full, 0);
    ::dup2(full, 1);
    ::dup2(errFile, 2);
    const int code = runCliOnStandardStreams({"list", path("Theme.ask")});
    std::clearerr(stdout);
    ::dup2(savedOut, 1);
    ::dup2(savedErr, 2);
    for (const int descriptor : {full, errFile, savedOut, savedErr}) {
        ::close(descriptor);
    }
    EXPECT_EQ(code, 2);
    EXPECT_EQ(readBytes(errors), "tintwright-cli: write error: No space left on device\n");
}
#endif

TEST_F(CliEdgeTest, rolesHoldEveryElementOnceAndASimulatedPreviewIsSeenSo)
{
    const nlohmann::json roles = nlohmann::json::parse(run({"roles", "--format", "json"}).out);
    std::set<std::string> elements;
    std::size_t count = 0;
    for (const nlohmann::json& role : roles) {
        EXPECT_FALSE(role["description"].get<std::string>().empty());
        for (const nlohmann::json& element : role["elements"]) {
            elements.insert(element.get<std::string>());
            ++count;
        }
    }
    EXPECT_EQ(count, 162u);
    EXPECT_EQ(elements.size(), 162u);

    const Outcome grey = run({"preview", "-", "--simulate", "achromatopsia"}, m_themeBytes);
    ASSERT_EQ(grey.code, 0) << grey.err;
    const std::regex fill("fill=\"#([0-9a-f]{2})([0-9a-f]{2})([0-9a-f]{2})\"");
    int fills = 0;
    for (auto it = std::sregex_iterator(grey.out.begin(), grey.out.end(), fill); it != std::sregex_iterator(); ++it) {
        EXPECT_TRUE((*it)[1] == (*it)[2] && (*it)[2] == (*it)[3]) << (*it)[0];
        ++fills;
    }
    EXPECT_GT(fills, 0);
    EXPECT_EQ(run({"preview", "-", "--simulate", "sepia"}, m_themeBytes).code, 2);
}

} // namespace
} // namespace tintwright::cli
