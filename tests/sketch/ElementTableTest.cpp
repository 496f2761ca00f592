#include "sketch/ElementTable.h"

#include <gtest/gtest.h>

#include <string>

namespace tintwright::sketch {
namespace {

// Theme files write names in angle brackets, people type them bare; a name
// Live 10 lacks, a part of one or half a pair of brackets finds nothing.
TEST(ElementTableTest, findsAnElementByItsNameWithOrWithoutBrackets)
{
    const struct {
        const char* name;
        const char* found; // null for none
    } cases[] = {
        {"ControlForeground", "ControlForeground"},
        {"<ControlForeground>", "ControlForeground"},
        {"<AutomationTransformToolHandleActive>", "AutomationTransformToolHandleActive"}, // the table's last
        {"<ControlForeground", nullptr},
        {"controlforeground", nullptr}, // theme files are XML: names are case-sensitive
        {"Control", nullptr},
        {"ControlForegroundX", nullptr},
        {"<>", nullptr},
        {"", nullptr},
    };
    for (const auto& [name, found] : cases) {
        const ElementInfo* info = findElement(name);
        EXPECT_EQ(info == nullptr, found == nullptr) << name;
        if (info != nullptr && found != nullptr) {
            EXPECT_EQ(info->name, found) << name;
        }
    }
}

// Only an element a public text places is called known, naming that text;
// every other says it is inferred, after its description.
TEST(ElementTableTest, onlyAnElementWithASourceIsDescribedAsKnown)
{
    for (const ElementInfo& info : elementTable()) {
        const std::string text = describedWithCertainty(info);
        const std::string inferred = " (inferred)";
        const bool saysInferred = text.size() > inferred.size()
            && text.compare(text.size() - inferred.size(), inferred.size(), inferred) == 0;
        EXPECT_EQ(text.rfind(std::string(info.description), 0), 0u) << info.name;
        EXPECT_EQ(saysInferred, !info.known()) << info.name;
        EXPECT_EQ(text.find("Known from: ") != std::string::npos, info.known()) << info.name;
        EXPECT_EQ(info.certainty(), info.known() ? "known" : "inferred") << info.name;
    }
    // The manual places MIDI Map Mode's highlight; nothing places the surfaces.
    ASSERT_NE(findElement("LearnMidi"), nullptr);
    EXPECT_NE(describedWithCertainty(*findElement("LearnMidi")).find("Known from: Live 9's manual"), std::string::npos);
    EXPECT_FALSE(findElement("SurfaceBackground")->known());
}

} // namespace
} // namespace tintwright::sketch
