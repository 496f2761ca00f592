#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintwright::theme {
namespace {

using Records = std::vector<std::string>;

Records cut(const std::string& text)
{
    RecordCutter cutter;
    cutter.feed(text);
    cutter.finish();
    return cutter.records();
}

struct CutCase {
    const char* name;
    std::string text;
    Records records;
};

class RecordCuttingTest : public ::testing::TestWithParam<CutCase> { };

TEST_P(RecordCuttingTest, givesOneRecordPerLine)
{
    EXPECT_EQ(cut(GetParam().text), GetParam().records);
}

// The same text fed in two pieces, split at every position, cuts the same way:
// a CR LF pair torn apart by a read boundary stays one line end.
TEST_P(RecordCuttingTest, cutsTheSameWhateverTheReadBoundaries)
{
    const std::string& text = GetParam().text;
    for (std::size_t split = 0; split <= text.size(); ++split) {
        RecordCutter cutter;
        cutter.feed(text.substr(0, split));
        cutter.feed(text.substr(split));
        cutter.finish();
        EXPECT_EQ(cutter.records(), GetParam().records) << "split at " << split;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RecordCuttingTest,
    ::testing::Values(CutCase {"crLfLineEnds", "a\r\nb\r\n", {"a", "b"}}, CutCase {"lfLineEnds", "a\nb\n", {"a", "b"}},
                      CutCase {"loneCrLineEnds", "a\rb\r", {"a", "b"}},
                      CutCase {"mixedLineEnds", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
                      CutCase {"lastLineWithoutLineEnd", "a\r\nb", {"a", "b"}},
                      CutCase {"emptyLinesAreEmptyRecords", "a\r\n\r\n\nb\r\n", {"a", "", "", "b"}},
                      CutCase {"crBeforeCrLfIsTwoLineEnds", "a\r\r\nb", {"a", "", "b"}},
                      CutCase {
                          "indentationIsSkipped", "\t\t<R Value=\"1\" />\r\n  \t <X>\n", {"<R Value=\"1\" />", "<X>"}},
                      CutCase {"blankOnlyLineIsEmpty", " \t \r\n", {""}},
                      CutCase {"trailingBlanksStay", "<ControlForeground> \t\r\n", {"<ControlForeground> \t"}},
                      CutCase {"commaKeepsLineWhole", "<Info Value=\"a, b\" />\r\n", {"<Info Value=\"a, b\" />"}},
                      CutCase {"leadingQuoteKeepsLineWhole", "\"quoted\", rest\r\n", {"\"quoted\", rest"}},
                      CutCase {"inwardBlanksStay", "a  b\r\n", {"a  b"}},
                      CutCase {"nulBytesAreCharacters", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
                      CutCase {"emptyTextHasNoRecord", "", {}},
                      CutCase {"singleLineEndIsOneEmptyRecord", "\r\n", {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecordCutterLimits, takes1200LinesAndRefusesThe1201st)
{
    const std::string line = "<X />\r\n";
    std::string text;
    for (int i = 0; i < kMaxLines; ++i) {
        text += line;
    }
    EXPECT_EQ(cut(text).size(), static_cast<std::size_t>(kMaxLines));

    try {
        cut(text + "one more");
        FAIL() << "line 1201 was taken";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(error.line(), kMaxLines + 1);
    }
}

TEST(RecordCutterLimits, takes64KiBLineAndRefusesALongerOne)
{
    const std::string longest(kMaxLineLength, 'x');
    EXPECT_EQ(cut("first\n" + longest + "\n"), (Records {"first", longest}));

    try {
        cut("first\n\t" + longest + "\n");
        FAIL() << "an overlong line was taken";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::SubscriptOutOfRange);
        EXPECT_EQ(error.line(), 2);
    }
}

} // namespace
} // namespace tintwright::theme
