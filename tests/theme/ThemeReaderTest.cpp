#include "theme/ThemeReader.h"
#include "support/ThemeTestSupport.h"
#include "theme/ThemeError.h"

#include <gtest/gtest.h>

namespace tintwright::theme {
namespace {

using Column = ColorTableColumn;
using testing::joinLines;
using testing::themeLines;

struct ValueCase {
    const char* name;
    std::string record;
    std::string text;
};

class ValueTextTest : public ::testing::TestWithParam<ValueCase> { };

TEST_P(ValueTextTest, takesCharacter11AndTheDigitsAfterIt)
{
    EXPECT_EQ(valueText(GetParam().record), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Records, ValueTextTest,
                         ::testing::Values(ValueCase {"oneDigit", "<R Value=\"0\" />", "0"},
                                           ValueCase {"twoDigits", "<G Value=\"42\" />", "42"},
                                           ValueCase {"threeDigits", "<B Value=\"255\" />", "255"},
                                           ValueCase {"fourDigitsGiveThree", "<R Value=\"2555\" />", "255"},
                                           ValueCase {"minusSign", "<R Value=\"-5\" />", "-5"},
                                           ValueCase {"character13CountsWhatever12Is", "<R Value=\"1e3\" />", "1e3"},
                                           ValueCase {"withoutBlankBeforeSlash", "<R Value=\"7\"/>", "7"},
                                           ValueCase {"emptyQuotesGiveTheClosingQuote", "<R Value=\"\" />", "\""},
                                           ValueCase {"elevenCharacters", "<R Value=\"9", "9"},
                                           ValueCase {"tooShortForAValue", "<R Value=\"", ""},
                                           ValueCase {"emptyRecord", "", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct FormatCase {
    const char* name;
    std::vector<std::string> records;
    bool isTheme;
};

class ThemeFormatTest : public ::testing::TestWithParam<FormatCase> { };

TEST_P(ThemeFormatTest, looksOnlyAtTheFourthRecord)
{
    EXPECT_EQ(hasThemeFormat(GetParam().records), GetParam().isTheme);
}

INSTANTIATE_TEST_SUITE_P(FourthRecords, ThemeFormatTest,
                         ::testing::Values(FormatCase {"exact", {"a", "b", "c", "<ControlForeground>"}, true},
                                           FormatCase {"trailingBlanks", {"", "", "", "<ControlForeground> \t "}, true},
                                           FormatCase {"otherCase", {"a", "b", "c", "<controlforeground>"}, false},
                                           FormatCase {"otherElement", {"a", "b", "c", "<TextDisabled>"}, false},
                                           FormatCase {"onlyThreeRecords", {"a", "b", "<ControlForeground>"}, false},
                                           FormatCase {"noRecords", {}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ThemeReaderTest, listsEveryEntryWithItsTextsSlotAndOldColour)
{
    const auto content = readThemeText(joinLines(themeLines({{153, 102, 51}, {300, 0, 7}, {0, 0, 0}})));
    ASSERT_TRUE(content);
    ASSERT_EQ(content->entries.size(), 3u);

    const ColorEntry& first = content->entries[0];
    EXPECT_EQ(first.redSlot, 5);
    EXPECT_EQ(first.item, "<ControlForeground>");
    EXPECT_EQ(first.redText, "153");
    EXPECT_EQ(first.greenText, "102");
    EXPECT_EQ(first.blueText, "51");
    EXPECT_EQ(first.oldColor, composeColor(153, 102, 51));

    const ColorEntry& second = content->entries[1];
    EXPECT_EQ(second.redSlot, 11);
    EXPECT_EQ(second.item, "<Element2>");
    EXPECT_EQ(second.redText, "300");
    EXPECT_EQ(second.oldColor, composeColor(255, 0, 7));

    EXPECT_EQ(content->entries[2].oldColor, 0u) << "black stays black";
}

TEST(ThemeReaderTest, negativeValueCountsAsZeroInTheOldColour)
{
    auto lines = themeLines({{10, 20, 30}});
    lines[5] = "<G Value=\"-5\" />";
    const auto content = readThemeText(joinLines(lines));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->entries[0].greenText, "-5");
    EXPECT_EQ(content->entries[0].oldColor, composeColor(10, 0, 30));
}

TEST(ThemeReaderTest, aValueMayHaveSpacesOrTabsBeforeIt)
{
    auto lines = themeLines({{10, 20, 30}});
    lines[4] = "<R Value=\"\t7\" />";
    lines[5] = "<G Value=\" 8\" />";
    const auto content = readThemeText(joinLines(lines));
    ASSERT_TRUE(content);
    EXPECT_EQ(content->entries[0].oldColor, composeColor(7, 8, 30));
}

TEST(ThemeReaderTest, everyRecordIsTestedForAnEntryStart)
{
    const std::vector<std::string> records = {"<R Value=\"1\" />", "<R Value=\"2\" />", "<B Value=\"3\" />",
                                              "<B Value=\"4\" />"};
    const auto entries = listEntries(records);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].item, "") << "an R record in slot 1 has the empty slot 0 before it";
    EXPECT_EQ(entries[1].item, "<R Value=\"1\" />");
    EXPECT_EQ(entries[1].redSlot, 2);
}

TEST(ThemeReaderTest, themeWithoutEntriesLoads)
{
    const auto content = readThemeText("a\r\nb\r\nc\r\n<ControlForeground>\r\n</ControlForeground>\r\n");
    ASSERT_TRUE(content);
    EXPECT_EQ(content->records.size(), 5u);
    EXPECT_TRUE(content->entries.empty());
}

TEST(ThemeReaderTest, lists169EntriesAndRefuses170)
{
    const auto full = readThemeText(joinLines(themeLines(testing::greyRamp(kMaxEntries))));
    ASSERT_TRUE(full);
    EXPECT_EQ(full->entries.size(), static_cast<std::size_t>(kMaxEntries));

    try {
        readThemeText(joinLines(themeLines(testing::greyRamp(kMaxEntries + 1))));
        FAIL() << "entry 170 was listed";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(error.line(), 5 + 6 * kMaxEntries) << "the R line of entry 170";
    }
}

struct BrokenEntryCase {
    const char* name;
    std::vector<std::string> records;
    int line;
    std::string reason;
};

class BrokenEntryTest : public ::testing::TestWithParam<BrokenEntryCase> { };

TEST_P(BrokenEntryTest, isRefusedWithItsLine)
{
    try {
        listEntries(GetParam().records);
        FAIL() << "a broken entry was listed";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch);
        EXPECT_EQ(error.line(), GetParam().line);
        EXPECT_EQ(error.reason(), GetParam().reason);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entries, BrokenEntryTest,
    ::testing::Values(BrokenEntryCase {"letterInGreen",
                                       {"<X>", "<R Value=\"1\" />", "<G Value=\"x1\" />", "<B Value=\"3\" />"},
                                       3,
                                       "the G value \"x1\" is not a number."},
                      BrokenEntryCase {"emptyBlue",
                                       {"<X>", "<R Value=\"1\" />", "<G Value=\"2\" />", "<B Value=\"\" />"},
                                       4,
                                       "the B value \"\" is not a number."},
                      BrokenEntryCase {"exponent",
                                       {"<X>", "<R Value=\"1e3\" />", "<G Value=\"2\" />", "<B Value=\"3\" />"},
                                       2,
                                       "the R value \"1e3\" is not a number."},
                      BrokenEntryCase {"wholeValueQuoted",
                                       {"<X>", "<R Value=\"nan\" />", "<G Value=\"2\" />", "<B Value=\"3\" />"},
                                       2,
                                       "the R value \"nan\" is not a number."},
                      BrokenEntryCase {"redAtTheEnd",
                                       {"<X>", "<R Value=\"1\" />"},
                                       2,
                                       "the R line of a colour entry has no G and B lines after it."},
                      BrokenEntryCase {"redNextToLast",
                                       {"<X>", "<R Value=\"1\" />", "<G Value=\"2\" />"},
                                       2,
                                       "the R line of a colour entry has no B line after it."}),
    [](const auto& info) { return std::string(info.param.name); });

struct ForeignCase {
    const char* name;
    std::string text;
};

class ForeignTextTest : public ::testing::TestWithParam<ForeignCase> { };

TEST_P(ForeignTextTest, isNotATheme)
{
    EXPECT_FALSE(readThemeText(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ForeignTextTest,
    ::testing::Values(ForeignCase {"empty", ""}, ForeignCase {"threeLines", "a\nb\n<ControlForeground>\n"},
                      ForeignCase {"otherCase", "a\nb\nc\n<controlforeground>\n<R Value=\"1\" />\n"},
                      // Once the fourth line shows a foreign file, the rest is not read at all.
                      ForeignCase {"longLineAfterWrongFourth", "a\nb\nc\nd\n" + std::string(100000, 'x')},
                      ForeignCase {"manyLinesAfterWrongFourth", "a\nb\nc\nd\n" + std::string(5000, '\n')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThemeReaderTest, aNulByteInAnElementNameIsNoThemeText)
{
    std::vector<std::string> lines = testing::themeLines({{1, 2, 3}, {4, 5, 6}});
    for (std::string& line : lines) {
        if (line == "\t\t<Element2>") {
            line = std::string("<SurfaceArea\0>", 14);
        }
    }
    try {
        readThemeText(testing::joinLines(lines));
        FAIL() << "read";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.message(), "Line 10: the element name holds a NUL byte; this is not a theme text.");
    }
}

TEST(ThemeReaderTest, utf16TextIsNamedSo)
{
    std::string utf16 = "\xFF\xFE";
    for (const char c : std::string("<?xml?>\r\n<Ableton>\r\n")) {
        utf16 += {c, '\0'};
    }
    EXPECT_TRUE(looksLikeUtf16(utf16));
    EXPECT_TRUE(looksLikeUtf16(utf16.substr(2)));
    EXPECT_FALSE(looksLikeUtf16("<?xml?>\r\n"));
    const testing::TemporaryFolder folder;
    testing::writeBytes(folder.file("Wide.ask"), utf16);
    try {
        readTextFile(folder.file("Wide.ask"));
        FAIL() << "read";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.message(), kUtf16Reason);
    }
}

TEST(ThemeReaderTest, readsSampleFile)
{
    const auto content = readThemeFile(TINTWRIGHT_SAMPLES "/Midnight.ask");
    ASSERT_TRUE(content);
    EXPECT_EQ(content->records.size(), 794u);
    EXPECT_EQ(content->entries.size(), 130u);
    EXPECT_EQ(content->records[3], "<ControlForeground>");
}

TEST(ThemeReaderTest, fileThatCannotBeOpenedSaysWhy)
{
    testing::TemporaryFolder folder;
    const auto expectOpenError = [](const std::filesystem::path& path, const std::string& reason) {
        try {
            readThemeFile(path);
            FAIL() << path << " was read";
        } catch (const ThemeError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
            EXPECT_EQ(error.reason(), reason);
        }
    };
    expectOpenError(folder.file("missing.ask"), "the file cannot be opened: No such file or directory.");
    expectOpenError(folder.path().string(), "this is a folder, not a theme file.");
}

TEST(ThemeReaderTest, storeThemeFillsSlotsFromOne)
{
    const auto content = readThemeText(joinLines(themeLines({{1, 2, 3}, {4, 5, 6}})));
    ASSERT_TRUE(content);
    ThemeDocument document;
    storeTheme(document, *content);

    EXPECT_EQ(document.LineCount, static_cast<std::int16_t>(content->records.size()));
    EXPECT_EQ(document.ThemeLines[0], "");
    EXPECT_EQ(document.ThemeLines[4], "<ControlForeground>");
    EXPECT_EQ(document.ThemeLines[static_cast<std::size_t>(document.LineCount)], "</Ableton>");
    EXPECT_EQ(document.CurrentLine, "</Ableton>");
    EXPECT_EQ(document.EntryCount, 2);
    EXPECT_EQ(document.ColorTable[1][Column::RecordSlot], 5);
    EXPECT_EQ(document.ColorTable[2][Column::RecordSlot], 11);
    EXPECT_EQ(document.ColorTable[1][Column::Changed], 0);
    EXPECT_FALSE(document.ThemeLoaded) << "the window decides when a load is complete";
}

} // namespace
} // namespace tintwright::theme
