#include "cli/Arguments.h"

#include <gtest/gtest.h>

#include <optional>

namespace tintwright::cli {
namespace {

struct ColorCase {
    const char* name;
    std::string text;
    std::optional<std::array<int, 3>> rgb; // nothing: refused
};

class ColorArgumentTest : public ::testing::TestWithParam<ColorCase> { };

TEST_P(ColorArgumentTest, readsHexOrDecimalTriples)
{
    const ColorCase& c = GetParam();
    if (!c.rgb) {
        EXPECT_THROW(parseColor(c.text), std::invalid_argument);
        return;
    }
    const theme::RgbTriple rgb = parseColor(c.text);
    EXPECT_EQ((std::array<int, 3> {rgb.R, rgb.G, rgb.B}), *c.rgb);
    EXPECT_EQ(parseColor(hexColor(rgb)).R, rgb.R) << "hexColor reads back";
}

INSTANTIATE_TEST_SUITE_P(
    Colors, ColorArgumentTest,
    ::testing::Values(ColorCase {"hexLower", "#1e2f3a", std::array<int, 3> {30, 47, 58}},
                      ColorCase {"hexMixedCase", "#A0b1C2", std::array<int, 3> {160, 177, 194}},
                      ColorCase {"decimal", "0,128,255", std::array<int, 3> {0, 128, 255}},
                      ColorCase {"decimalWithBlanks", " 7, 8 ,9", std::array<int, 3> {7, 8, 9}},
                      ColorCase {"hexWithBlanksAround", " #ffffff ", std::array<int, 3> {255, 255, 255}},
                      ColorCase {"hexWithABlankInside", "#fff fff", std::nullopt},
                      ColorCase {"leadingZeros", "007,010,000", std::array<int, 3> {7, 10, 0}},
                      ColorCase {"hexTooShort", "#12345", std::nullopt},
                      ColorCase {"hexTooLong", "#1234567", std::nullopt},
                      ColorCase {"hexNotHex", "#12345g", std::nullopt},
                      ColorCase {"hexWithoutHash", "123456", std::nullopt}, ColorCase {"twoParts", "1,2", std::nullopt},
                      ColorCase {"fourParts", "1,2,3,4", std::nullopt}, ColorCase {"above255", "256,0,0", std::nullopt},
                      ColorCase {"negative", "-1,0,0", std::nullopt}, ColorCase {"emptyPart", "1,,3", std::nullopt},
                      ColorCase {"empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EntryArgumentTest, isANumberOrANameWithOrWithoutAngleBrackets)
{
    EXPECT_EQ(parseEntryName("12").number, 12);
    EXPECT_EQ(parseEntryName("SurfaceArea").item, "<SurfaceArea>");
    EXPECT_EQ(parseEntryName("<SurfaceArea>").item, "<SurfaceArea>");
    EXPECT_EQ(parseEntryName("99999999999").number, 1000000) << "held, not overflowed";
}

TEST(AssignmentArgumentTest, splitsAtTheLastEqualsSign)
{
    EXPECT_EQ(splitAssignment("<A=B>=1,2,3", "ENTRY=COLOR"),
              std::make_pair(std::string("<A=B>"), std::string("1,2,3")));
    EXPECT_THROW(splitAssignment("=#123456", "ENTRY=COLOR"), std::invalid_argument);
    EXPECT_THROW(splitAssignment("Name=", "ENTRY=COLOR"), std::invalid_argument);
    EXPECT_THROW(splitAssignment("Name", "ENTRY=COLOR"), std::invalid_argument);
}

} // namespace
} // namespace tintwright::cli
