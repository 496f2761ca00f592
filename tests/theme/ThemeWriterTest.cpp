#include "theme/ThemeWriter.h"
#include "support/ThemeTestSupport.h"
#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#ifndef _WIN32
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

namespace fs = std::filesystem;

namespace tintwright::theme {
namespace {

using Column = ColorTableColumn;
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
    row[Column::Red] = static_cast<std::int16_t>(r);
    row[Column::Green] = static_cast<std::int16_t>(g);
    row[Column::Blue] = static_cast<std::int16_t>(b);
    row[Column::Changed] = 1;
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
    colorTableRow(document, 1)[Column::Red] = 99;
    colorTableRow(document, 1)[Column::Changed] = 2;
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
    const fs::path target = folder.file("theme.ask");
    writeBytes(target, "old contents that are longer than the new ones");
    const fs::perms mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(target, mode);

    replaceFile(target, "new\r\n");

    EXPECT_EQ(readBytes(target), "new\r\n");
#ifndef _WIN32 // Windows keeps no permission bits beyond read-only
    EXPECT_EQ(fs::status(target).permissions(), mode);
#endif
    EXPECT_EQ(testing::folderEntries(folder.path()), std::vector<std::string> {"theme.ask"});
}

TEST(ReplaceFileTest, readOnlyTargetIsRefusedAndLeftAlone)
{
    TemporaryFolder folder;
    const fs::path target = folder.file("theme.ask");
    writeBytes(target, "the only copy");
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        replaceFile(target, "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.reason(), "the file is read-only.");
    }
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(readBytes(target), "the only copy");
    EXPECT_EQ(testing::folderEntries(folder.path()), std::vector<std::string> {"theme.ask"});
}

// Folder and file names in other scripts than Latin, on every system.
TEST(ReplaceFileTest, savesAndReadsBackUnderNonAsciiNames)
{
    TemporaryFolder folder;
    const fs::path themes =
        folder.path() / fs::u8path("Zo\xC3\xAB") / fs::u8path("Th\xC3\xA8mes \xE6\x97\xA5\xE6\x9C\xAC");
    fs::create_directories(themes);
    const fs::path target = themes / fs::u8path("myGr\xC3\xBCn.ask");
    writeBytes(target, "an older theme");

    ThemeDocument document = loadedDocument(readBytes(TINTWRIGHT_SAMPLES "/Daylight.ask"));
    change(document, 2, 1, 2, 3);
    saveTheme(document, target);

    const auto content = readThemeFile(target);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->entries[1].redText, "1");
    EXPECT_EQ(testing::folderEntries(themes), std::vector<std::string> {"myGr\xC3\xBCn.ask"});
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

#ifndef _WIN32
// Links, file modes, fork() and setrlimit() as POSIX systems have them.

TEST(ReplaceFileTest, writesThroughALinkAndKeepsTheLink)
{
    TemporaryFolder folder;
    const fs::path real = folder.file("real.ask");
    const fs::path link = folder.file("link.ask");
    writeBytes(real, "old");
    fs::create_symlink(real, link);

    replaceFile(link, "new");

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), "new");
}

TEST(ReplaceFileTest, danglingLinkCreatesTheFileItNamesAndKeepsTheLink)
{
    TemporaryFolder folder;
    fs::create_symlink("elsewhere.ask", folder.file("theme.ask"));

    replaceFile(folder.file("theme.ask"), "new");

    EXPECT_TRUE(fs::is_symlink(folder.file("theme.ask")));
    EXPECT_EQ(readBytes(folder.file("elsewhere.ask")), "new");
}

TEST(ReplaceFileTest, targetItsOwnerMayWriteButNotReadIsReplaced)
{
    TemporaryFolder folder;
    const fs::path target = folder.file("theme.ask");
    writeBytes(target, "old");
    fs::permissions(target, fs::perms::owner_write);

    replaceFile(target, "new");

    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(target), "new");
}

// A name of 255 bytes in a folder thousands of bytes deep: the temporary file
// beside it has a short name of its own, so it fits wherever the target does.
TEST(ReplaceFileTest, longestNameInADeepFolderIsSaved)
{
    TemporaryFolder folder;
    fs::path deep = folder.path();
    for (int level = 0; level < 14; ++level) {
        deep /= std::string(200, static_cast<char>('a' + level));
    }
    fs::create_directories(deep);
    const fs::path target = deep / (std::string(251, 'n') + ".ask");
    writeBytes(target, "old");

    replaceFile(target, "new");

    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(testing::folderEntries(deep).size(), 1u);
}

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
    const fs::path target = folder.file("mine.ask");
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
    const fs::path target = folder.file("mine.ask");
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

#else

TEST(ReplaceFileTest, posixOnlyCases)
{
    GTEST_SKIP() << "links, file modes, fork() and setrlimit() are tested where POSIX offers them";
}

#endif

// A save the system denies says which folder and what to do, with Live's own
// Themes folder in mind where the system keeps it out of reach; other failures
// give the system's reason alone.
struct DeniedCase {
    const char* name;
    platform::System system;
    const char* folder;
    const char* advice; // a part of the reason
    bool namesAdministrator;
};

class DeniedSaveTest : public ::testing::TestWithParam<DeniedCase> { };

TEST_P(DeniedSaveTest, namesTheFolderAndTheAdviceOfItsSystem)
{
    const std::filesystem::path folder = std::filesystem::u8path(GetParam().folder);
    for (const std::errc denied : {std::errc::permission_denied, std::errc::operation_not_permitted}) {
        const std::string reason = saveFailureReason("the file cannot be created in its folder",
                                                     std::make_error_code(denied), folder, GetParam().system);
        EXPECT_EQ(reason.rfind("the file cannot be created in its folder: ", 0), 0u) << reason;
        EXPECT_NE(reason.find("the folder \"" + folder.u8string() + "\""), std::string::npos) << reason;
        EXPECT_NE(reason.find(GetParam().advice), std::string::npos) << reason;
        EXPECT_EQ(reason.find("administrator") != std::string::npos, GetParam().namesAdministrator) << reason;
        EXPECT_EQ(reason.find("ProgramData") != std::string::npos, GetParam().system == platform::System::Windows)
            << reason;
    }
    const std::string full = saveFailureReason(
        "the file cannot be written", std::make_error_code(std::errc::no_space_on_device), folder, GetParam().system);
    EXPECT_EQ(full.find("folder"), std::string::npos) << full;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, DeniedSaveTest,
    ::testing::Values(
        DeniedCase {"windows", platform::System::Windows, "Themes", "copy it there with administrator rights", true},
        DeniedCase {"macOsInsideLive", platform::System::MacOs,
                    "/Applications/Live 10 Suite.app/Contents/App-Resources/Themes", "inside Live's application", true},
        DeniedCase {"macOsElsewhere", platform::System::MacOs, "/Users/me/Themes", "into a folder of yours", false},
        DeniedCase {"linux", platform::System::Other, "/usr/share/themes", "into a folder of yours", false}),
    [](const auto& info) { return std::string(info.param.name); });

// Edits in place lock the theme: a second lock waits, then gives up; a lock
// taken after the holder replaced the file holds the new file.
TEST(FileLockTest, aHeldThemeIsLockedAgainOnlyOnceReleasedAndThenAsReplaced)
{
    const testing::TemporaryFolder folder;
    const std::filesystem::path theme = folder.file("Theme.ask");
    testing::writeBytes(theme, "old");
    platform::FileLock first;
    ASSERT_FALSE(platform::lockFile(theme, std::chrono::milliseconds(0), first));
    EXPECT_TRUE(first.held());
    EXPECT_EQ(testing::readBytes(theme), "old"); // held, not kept from reading

    platform::FileLock second;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(platform::lockFile(theme, std::chrono::milliseconds(100), second),
              std::errc::resource_unavailable_try_again);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_FALSE(second.held());

    // A lock that waits while the holder replaces the file ends up on the new one.
    std::error_code waited;
    std::thread waiter([&] { waited = platform::lockFile(theme, std::chrono::milliseconds(5000), second); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    replaceFile(theme, "new");
    first = platform::FileLock();
    waiter.join();
    ASSERT_FALSE(waited) << waited.message();
    platform::FileLock third;
    EXPECT_EQ(platform::lockFile(theme, std::chrono::milliseconds(0), third),
              std::errc::resource_unavailable_try_again);
    EXPECT_EQ(platform::lockFile(folder.file("Missing.ask"), std::chrono::milliseconds(0), third),
              std::errc::no_such_file_or_directory);
}

} // namespace
} // namespace tintwright::theme
