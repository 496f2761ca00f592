#include "theme/ColorValue.h"

#include <gtest/gtest.h>

namespace tintwright::theme {
namespace {

struct SplitCase {
    const char* name;
    ColorValue color;
    int r, g, b;
};

class SplitColorTest : public ::testing::TestWithParam<SplitCase> { };

TEST_P(SplitColorTest, givesRedFromLowByteAndIgnoresTopByte)
{
    const SplitCase& c = GetParam();
    const RgbTriple triple = SplitColor(c.color);
    EXPECT_EQ(triple.R, c.r);
    EXPECT_EQ(triple.G, c.g);
    EXPECT_EQ(triple.B, c.b);
}

INSTANTIATE_TEST_SUITE_P(Colors, SplitColorTest,
                         ::testing::Values(SplitCase {"mixed", 0x00123456u, 0x56, 0x34, 0x12},
                                           SplitCase {"blueOne", 0x00010000u, 0, 0, 1},
                                           SplitCase {"systemColourFour", 0x80000004u, 4, 0, 0},
                                           SplitCase {"white", 0x00FFFFFFu, 255, 255, 255},
                                           SplitCase {"black", 0u, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ComposeCase {
    const char* name;
    int r, g, b;
    ColorValue color;
};

class ComposeColorTest : public ::testing::TestWithParam<ComposeCase> { };

TEST_P(ComposeColorTest, clampsEachComponentToAByte)
{
    const ComposeCase& c = GetParam();
    EXPECT_EQ(composeColor(c.r, c.g, c.b), c.color);
}

INSTANTIATE_TEST_SUITE_P(Components, ComposeColorTest,
                         ::testing::Values(ComposeCase {"redOne", 1, 0, 0, 1u},
                                           ComposeCase {"blueOne", 0, 0, 1, 65536u}, ComposeCase {"black", 0, 0, 0, 0u},
                                           ComposeCase {"aboveByteCountsAs255", 300, 999, 256, 0x00FFFFFFu},
                                           ComposeCase {"negativeCountsAsZero", -5, 128, -99, 0x00008000u},
                                           ComposeCase {"ordinary", 153, 102, 51, 153u + 256u * 102u + 65536u * 51u}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tintwright::theme
