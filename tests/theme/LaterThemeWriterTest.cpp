#include "theme/LaterThemeWriter.h"
#include "theme/LaterTheme.h"

#include <gtest/gtest.h>

namespace tintwright::theme {
namespace {

// A colour written is read back as it was, its alpha only where it is not 255.
TEST(LaterThemeWriterTest, colourTextReadsBackWithItsAlpha)
{
    for (const LaterColor color :
         {LaterColor {0, 0, 0, 255}, LaterColor {0x1e, 0xab, 0xff, 0}, LaterColor {255, 255, 255, 204}}) {
        const std::string text = laterColorText(color);
        EXPECT_EQ(text.size(), color.alpha == 255 ? 7u : 9u) << text;
        const std::optional<LaterColor> read = laterColor(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(std::tie(read->r, read->g, read->b, read->alpha), std::tie(color.r, color.g, color.b, color.alpha))
            << text;
    }
    EXPECT_EQ(laterColorText({0x0a, 0xbc, 0xde, 0x0f}), "#0abcde0f");
}

// What is written is a theme the reader takes whole, whatever the Creator holds:
// quotes and angle brackets are written as references, references stay.
TEST(LaterThemeWriterTest, writesWhatTheReaderReadsWithTheCreatorEscaped)
{
    LaterTheme theme;
    theme.majorVersion = "5";
    theme.minorVersion = "12.0_12049";
    theme.creator = "Ann \"<Dark>\" Smith &amp; Co & friends";
    theme.records = {{"ControlForeground", "#e8e8e8", false}, {"DefaultBlendFactor", "0.5", false}};
    const std::string text = writeLaterTheme(theme, "3");
    EXPECT_EQ(text.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Ableton MajorVersion=\"5\" "
                         "MinorVersion=\"12.0_12049\" SchemaChangeCount=\"3\" ",
                         0),
              0u);
    EXPECT_NE(text.find("Creator=\"Ann &quot;&lt;Dark&gt;&quot; Smith &amp; Co &amp; friends\""), std::string::npos);
    const LaterTheme read = readLaterTheme(text);
    ASSERT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.records[0].name, "ControlForeground");
    EXPECT_EQ(read.records[0].value, "#e8e8e8");
    EXPECT_EQ(read.records[1].value, "0.5");
    EXPECT_FALSE(read.records[1].group);
}

} // namespace
} // namespace tintwright::theme
