#include "theme/LaterTheme.h"
#include "theme/ThemeError.h"

#include <gtest/gtest.h>

namespace tintwright::theme {
namespace {

struct RefusedCase {
    const char* name;
    std::string text;
    std::string reason; // the start of the reason
};

class RefusedLaterThemeTest : public ::testing::TestWithParam<RefusedCase> { };

TEST_P(RefusedLaterThemeTest, isRefusedWithItsReason)
{
    try {
        readLaterTheme(GetParam().text);
        FAIL() << "read";
    } catch (const ThemeError& error) {
        EXPECT_EQ(error.reason().rfind(GetParam().reason, 0), 0u) << error.reason();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedLaterThemeTest,
    ::testing::Values(
        RefusedCase {"tagsThatDoNotNest", "<Ableton><Theme><A Value=\"#000000\" /></Ableton></Theme>",
                     "</Ableton> closes <Theme>"},
        RefusedCase {"cutOff", "<Ableton><Theme><A Value=\"#000000\" />", "the file ends before </Theme>"},
        RefusedCase {"cutOffInATag", "<Ableton><Theme><A Value=\"#00", "the value of Value in <A> is not closed"},
        RefusedCase {"unquotedValue", "<Ableton><Theme><A Value=#000000 /></Theme></Ableton>",
                     "the value of Value in <A> is not quoted"},
        RefusedCase {"twoRoots", "<Ableton><Theme></Theme></Ableton><Ableton/>", "there is more after the end"},
        RefusedCase {"notXml", "R,G,B\n1,2,3\n", "there is no XML element"},
        RefusedCase {"anotherRoot", "<svg><g/></svg>", "this is XML, but not a Live theme: its root is <svg>"},
        RefusedCase {"noTheme", "<Ableton><Other/></Ableton>", "this is XML, but not a Live theme: <Ableton> holds"},
        RefusedCase {"live10",
                     "<Ableton><SkinManager><ControlForeground><R Value=\"1\"/></ControlForeground>"
                     "</SkinManager></Ableton>",
                     "this is a theme of Live 10"},
        RefusedCase {"live10InATheme",
                     "<Ableton><Theme><ControlForeground><R Value=\"1\"/></ControlForeground></Theme></Ableton>",
                     "this is a theme of Live 10"},
        RefusedCase {"entityItDeclares",
                     "<!DOCTYPE Ableton [<!ENTITY e \"x\">]><Ableton Creator=\"&e;\"><Theme/></Ableton>",
                     "the value of Creator in <Ableton> holds a reference to the entity &e;"},
        RefusedCase {"bareAmpersand", "<Ableton Creator=\"A & B\"><Theme/></Ableton>",
                     "the value of Creator in <Ableton> holds a \"&\" that begins no reference"},
        RefusedCase {"ampersandInText", "<Ableton><Theme>&</Theme></Ableton>", "the text between tags holds a \"&\""},
        RefusedCase {"referenceToNoCharacter", "<Ableton Creator=\"&#0;\"><Theme/></Ableton>",
                     "the value of Creator in <Ableton> holds the reference &#0;"},
        RefusedCase {"controlCharacter", std::string("<Ableton Creator=\"a\x01\"><Theme/></Ableton>"),
                     "the value of Creator in <Ableton> holds a control character"},
        RefusedCase {"repeatedAttribute", "<Ableton Creator=\"a\" Creator=\"b\"><Theme/></Ableton>",
                     "<Ableton> gives the attribute Creator twice"},
        RefusedCase {"nameBeginningWithADigit", "<Ableton><Theme><1A Value=\"#000000\"/></Theme></Ableton>",
                     "a name begins with \"1\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LaterThemeTest, readsTheChildrenOfThemeInOrder)
{
    const LaterTheme theme = readLaterTheme(
        "<?xml version=\"1.0\"?>\n<!-- a comment -->\n<Ableton Creator='Me &amp; you'>\n<Theme>\n"
        "<Desktop Value=\"#010203\" />\n<Meter>\n<Maximum Value=\"#ffffff\"/>\n</Meter>\n</Theme>\n</Ableton>\n");
    EXPECT_EQ(theme.creator, "Me &amp; you");
    ASSERT_EQ(theme.records.size(), 2u);
    EXPECT_EQ(theme.records[0].name, "Desktop");
    EXPECT_EQ(theme.records[0].value, "#010203");
    EXPECT_TRUE(theme.records[1].group);
}

// Whatever holds the colours, what they look like decides: check and import agree.
TEST(LaterThemeTest, takesColoursHeldBySkinManagerAndKeepsValuesWritableBetweenDoubleQuotes)
{
    const LaterTheme theme = readLaterTheme("<Ableton Creator='Say \"hi\"\n&#233;t&#xE9;'><SkinManager>"
                                            "<Desktop Value=\"#010203\" /></SkinManager></Ableton>");
    EXPECT_EQ(theme.creator, "Say &quot;hi&quot; &#233;t&#xE9;");
    ASSERT_EQ(theme.records.size(), 1u);
    EXPECT_EQ(theme.records[0].value, "#010203");
}

TEST(LaterThemeTest, readsBothColourSpellings)
{
    const std::optional<LaterColor> plain = laterColor("#0A0b0C");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->r + plain->g + plain->b + plain->alpha, 10 + 11 + 12 + 255);
    const std::optional<LaterColor> alpha = laterColor("#0a0b0c80");
    ASSERT_TRUE(alpha);
    EXPECT_EQ(alpha->alpha, 128);
    for (const char* text : {"#0a0b0", "#0a0b0c8", "0a0b0c", "#0a0b0g", "$clip1", ""}) {
        EXPECT_FALSE(laterColor(text)) << text;
    }
}

} // namespace
} // namespace tintwright::theme
