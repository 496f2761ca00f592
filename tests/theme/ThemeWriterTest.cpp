#include "theme/ThemeWriter.h"
#include "ThemeTestSupport.h"
#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

namespace tintwright::theme {
namespace {

using testing::joinLines;
using testing::readBytes;
using testing::TemporaryFolder;
using testing::themeLines;
using testing::writeBytes;

ThemeDocument loadedDocument(const std::string& text)
{
    const auto content = readThemeText(text);
    EXPECT_TRUE(content);
    ThemeDocument document;
    storeTheme(document, *content);
    return document;
}

std::string written(const ThemeDocument& document)
{
    std::string out;
    WriteThemeLines(document, out);
    return out;
}

void change(ThemeDocument& document, int entry, int r, int g, int b)
{
    ColorTableRow& row = colorTableRow(document, entry);
    row[Red] = static_cast<std::int16_t>(r);
    row[Green] = static_cast<std::int16_t>(g);
    row[Blue] = static_cast<std::int16_t>(b);
    row[Changed] = 1;
}

TEST(ThemeWriterTest, unchangedThemeIsWrittenRecordForRecordWithCrLf)
{
    const std::string sample = readBytes(TINTWRIGHT_SAMPLES "/Daylight.ask");
    ThemeDocument document = loadedDocument(sample);
    RewriteChangedEntries(document);

    const auto content = readThemeText(sample);
    EXPECT_EQ(written(document), joinLines(content->records, "\r\n"));
}

TEST(ThemeWriterTest, changedEntryRewritesExactlyItsThreeLines)
{
    const std::vector<std::string> lines = themeLines({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    ThemeDocument document = loadedDocument(joinLines(lines));
    change(document, 2, 0, 128, 255);
    RewriteChangedEntries(document);

    std::vector<std::string> expected = themeLines({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    for (std::string& line : expected) {
        line.erase(0, line.find_first_not_of('\t'));
    }
    expected[10] = "<R Value=\"0\" />";
    expected[11] = "<G Value=\"128\" />";
    expected[12] = "<B Value=\"255\" />";
    EXPECT_EQ(written(document), joinLines(expected));
}

TEST(ThemeWriterTest, changedEntryComesOutInTheWritersSpelling)
{
    ThemeDocument document = loadedDocument("a\r\nb\r\nc\r\n<ControlForeground>\r\n\t<R Value=\"10\"/>\r\n<G "
                                            "Value=\"20\"   />\r\n<B Value=\"30\" Extra=\"1\"/>\r\n");
    change(document, 1, 10, 20, 30);
    RewriteChangedEntries(document);
    EXPECT_EQ(
        written(document),
        "a\r\nb\r\nc\r\n<ControlForeground>\r\n<R Value=\"10\" />\r\n<G Value=\"20\" />\r\n<B Value=\"30\" />\r\n");
}

TEST(ThemeWriterTest, onlyFlagOneCountsAsChanged)
{
    const std::string text = joinLines(themeLines({{1, 2, 3}}));
    ThemeDocument document = loadedDocument(text);
    const std::string before = written(document);
    colorTableRow(document, 1)[Red] = 99;
    colorTableRow(document, 1)[Changed] = 2;
    RewriteChangedEntries(document);
    EXPECT_EQ(written(document), before);
}

TEST(ThemeWriterTest, savingTwiceWritesIdenticalFiles)
{
    TemporaryFolder folder;
    ThemeDocument document = loadedDocument(readBytes(TINTWRIGHT_SAMPLES "/Midnight.ask"));
    change(document, 3, 12, 34, 56);
    change(document, 7, 0, 0, 0);
    saveTheme(document, folder.file("first.ask"));
    saveTheme(document, folder.file("second.ask"));
    EXPECT_EQ(readBytes(folder.file("first.ask")), readBytes(folder.file("second.ask")));
    EXPECT_NE(readBytes(folder.file("first.ask")).find("<R Value=\"12\" />\r\n<G Value=\"34\" />"), std::string::npos);
}

TEST(ReplaceFileTest, replacesTargetKeepsItsPermissionsAndLeavesNoTemporary)
{
    TemporaryFolder folder;
    const std::string target = folder.file("theme.ask");
    writeBytes(target, "old contents that are longer than the new ones");
    ::chmod(target.c_str(), 0640);

    replaceFile(target, "new\r\n");

    EXPECT_EQ(readBytes(target), "new\r\n");
    struct stat info { };
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(testing::folderEntries(folder.path()), std::vector<std::string> {"theme.ask"});
}

TEST(ReplaceFileTest, writesThroughALinkAndKeepsTheLink)
{
    TemporaryFolder folder;
    const std::string real = folder.file("real.ask");
    const std::string link = folder.file("link.ask");
    writeBytes(real, "old");
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    replaceFile(link, "new");

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new");
}

struct FailedSaveCase {
    const char* name;
    std::string target; // relative to the test folder
    std::string reason;
};

class FailedSaveTest : public ::testing::TestWithParam<FailedSaveCase> { };

TEST_P(FailedSaveTest, saysWhyAndChangesNothing)
{
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.path() / "folder.ask");
    const auto before = testing::folderEntries(folder.path());
    try {
        replaceFile(folder.file(GetParam().target), "x");
        FAIL() << "the save reported success";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::PathFileAccess);
        EXPECT_EQ(error.reason(), GetParam().reason);
    }
    EXPECT_EQ(testing::folderEntries(folder.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FailedSaveTest,
    ::testing::Values(FailedSaveCase {"missingFolder", "nowhere/theme.ask",
                                      "the file cannot be created in its folder: No such file or directory."},
                      FailedSaveCase {"folderInTheWay", "folder.ask", "a folder of this name is in the way."}),
    [](const auto& info) { return std::string(info.param.name); });

// Runs `save` in a child process set up by `prepare` (a lower file-size limit,
// another user) and tells how the child ended: 0 when the save reported an
// error, 1 when it reported success, other values when it crashed.
template<typename Prepare, typename Save> int inChildProcess(Prepare prepare, Save save)
{
    const pid_t child = ::fork();
    if (child == 0) {
        prepare();
        try {
            save();
        } catch (const ThemeError&) {
            ::_exit(0);
        }
        ::_exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

std::string sampleTheme()
{
    return readBytes(TINTWRIGHT_SAMPLES "/Midnight.ask");
}

TEST(FailedSaveFaultTest, fullDiskLeavesExistingTargetByteIdentical)
{
    TemporaryFolder folder;
    const std::string target = folder.file("mine.ask");
    const std::string good = "the only copy\r\n";
    writeBytes(target, good);

    ThemeDocument document = loadedDocument(sampleTheme());
    const int ended = inChildProcess(
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit {4096, 4096};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        },
        [&] { saveTheme(document, target); });

    EXPECT_EQ(ended, 0) << "the save must report the failure";
    EXPECT_EQ(readBytes(target), good);
    EXPECT_EQ(testing::folderEntries(folder.path()), std::vector<std::string> {"mine.ask"});
}

TEST(FailedSaveFaultTest, readOnlyFolderLeavesExistingTargetByteIdentical)
{
    TemporaryFolder folder;
    const std::string target = folder.file("mine.ask");
    const std::string good = "the only copy\r\n";
    writeBytes(target, good);
    ::chmod(target.c_str(), 0666);
    ::chmod(folder.path().c_str(), 0555);

    ThemeDocument document = loadedDocument(sampleTheme());
    const int ended = inChildProcess(
        [] {
            // The superuser may write anywhere; the save runs as an ordinary user.
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                ::_exit(50);
            }
        },
        [&] { saveTheme(document, target); });

    ::chmod(folder.path().c_str(), 0755);
    if (ended == 50) {
        GTEST_SKIP() << "this superuser may not become an ordinary user";
    }
    EXPECT_EQ(ended, 0) << "the save must report the failure";
    EXPECT_EQ(readBytes(target), good);
    EXPECT_EQ(testing::folderEntries(folder.path()), std::vector<std::string> {"mine.ask"});
}

} // namespace
} // namespace tintwright::theme
