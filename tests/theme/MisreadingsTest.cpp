#include "theme/Misreadings.h"

#include <gtest/gtest.h>

namespace tintwright::theme {
namespace {

struct MisreadingCase {
    const char* name;
    std::string red; // the R record of the second entry, line 9
    std::string tail; // what follows the entries
    std::vector<std::string> found; // "line: text"
};

class MisreadingTest : public ::testing::TestWithParam<MisreadingCase> { };

// A theme of two entries; the second entry's R record and the end vary.
std::string theme(const MisreadingCase& c)
{
    return "<?xml version=\"1.0\"?>\n<Ableton>\n<SkinManager>\n<ControlForeground>\n<R Value=\"1\" />\n"
           "<G Value=\"2\" />\n<B Value=\"3\" />\n<Desktop>\n"
        + c.red + "\n<G Value=\"5\" />\n<B Value=\"6\" />\n" + c.tail;
}

TEST_P(MisreadingTest, namesEachRecordWithWhatTheReaderTakes)
{
    const std::optional<ThemeContent> content = readThemeText(theme(GetParam()));
    ASSERT_TRUE(content);
    std::vector<std::string> found;
    for (const Misreading& misreading : misreadings(*content)) {
        found.push_back(std::to_string(misreading.line) + ": " + misreading.text);
    }
    EXPECT_EQ(found, GetParam().found);
}

const std::string kEnd = "</SkinManager>\n</Ableton>\n";

INSTANTIATE_TEST_SUITE_P(
    Records, MisreadingTest,
    ::testing::Values(
        MisreadingCase {"whole", "<R Value=\"4\" />", kEnd, {}},
        MisreadingCase {"leadingZeroIsTheSameNumber", "<R Value=\"04\" />", kEnd, {}},
        MisreadingCase {"fourDigits", "<R Value=\"1000\" />", kEnd, {"9: R value \"1000\" is read as 100"}},
        MisreadingCase {"plusSign", "<R Value=\"+255\" />", kEnd, {"9: R value \"+255\" is read as 25"}},
        MisreadingCase {"leadingBlank", "<R Value=\" 255\" />", kEnd, {"9: R value \" 255\" is read as 25"}},
        MisreadingCase {"letters", "<R Value=\"12abc\" />", kEnd, {"9: R value \"12abc\" is read as 12"}},
        MisreadingCase {"beyond255", "<R Value=\"300\" />", kEnd, {"9: R value \"300\" is read as 255"}},
        MisreadingCase {"twoBlanks",
                        "<R  Value=\"4\" />",
                        kEnd,
                        {"9: \"<R  Value=\"4\" />\" is not read as a colour: an entry's R line begins \"<R Value\""}},
        MisreadingCase {"blankLinesAfterTheEnd", "<R Value=\"4\" />", kEnd + "\n \t\n\n", {}},
        MisreadingCase {"cutOff",
                        "<R Value=\"4\" />",
                        "</SkinManager>\n",
                        {"12: the theme ends before its closing </Ableton>: it is cut off"}},
        MisreadingCase {"cutOffMidElement",
                        "<R Value=\"4\" />",
                        "</SkinMan",
                        {"12: the theme ends before its closing </Ableton>: it is cut off"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MisreadingTest, aSwappedRecordIsReadAsTheChannelItStandsFor)
{
    const std::optional<ThemeContent> content =
        readThemeText("a\nb\nc\n<ControlForeground>\n<R Value=\"1\" />\n<B Value=\"2\" />\n<B Value=\"3\" />\n"
                      "</Ableton>\n");
    ASSERT_TRUE(content);
    const std::vector<Misreading> found = misreadings(*content);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].line, 6);
    EXPECT_EQ(found[0].text, "the G value is read from \"<B Value=\"2\" />\" as 2");
}

} // namespace
} // namespace tintwright::theme
