#include "theme/DisplayText.h"

#include <gtest/gtest.h>

#include <string>

namespace tintwright::theme {
namespace {

struct DisplayCase {
    const char* name;
    std::string record;
    std::string shown; // UTF-8
};

class DisplayTextTest : public ::testing::TestWithParam<DisplayCase> { };

TEST_P(DisplayTextTest, showsUtf8AsItIsAndAnyOtherRecordAsWindows1252)
{
    EXPECT_EQ(displayText(GetParam().record), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Records, DisplayTextTest,
    ::testing::Values(DisplayCase {"ascii", "<SurfaceArea>", "<SurfaceArea>"},
                      DisplayCase {"utf8", "<Ros\xC3\xA9>", "<Ros\xC3\xA9>"},
                      DisplayCase {"utf8FourBytes", "<\xF0\x9F\x8E\xB9>", "<\xF0\x9F\x8E\xB9>"},
                      DisplayCase {"latin1Byte", "<Gr\xFCn>", "<Gr\xC3\xBCn>"},
                      DisplayCase {"windows1252Punctuation", "\x80\x96\x99", "\xE2\x82\xAC\xE2\x80\x93\xE2\x84\xA2"},
                      DisplayCase {"undefinedByteKeepsItsCodePoint", "a\x81", "a\xC2\x81"},
                      DisplayCase {"overlongSlash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
                      DisplayCase {"surrogateHalf", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
                      DisplayCase {"cutShort", "\xE2\x82", "\xC3\xA2\xE2\x80\x9A"},
                      DisplayCase {"beyondUnicode", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintwright::theme
