#include "model/ThemeModel.h"
#include "support/ThemeTestSupport.h"
#include "theme/ThemeReader.h"

#include <gtest/gtest.h>

namespace tintwright::model {
namespace {

using theme::composeColor;
using theme::testing::joinLines;
using theme::testing::themeLines;

// Three entries: <ControlForeground> 1,2,3 written "01" (so a rewrite shows), <Element2> and <Element3> black.
class ThemeModelTest : public ::testing::Test {
protected:
    ThemeModelTest()
    {
        std::vector<std::string> lines = themeLines({{1, 2, 3}, {0, 0, 0}, {0, 0, 0}});
        lines[4] = "\t\t\t<R Value=\"01\" />";
        m_model.load(*theme::readThemeText(joinLines(lines)));
        for (std::string& line : lines) {
            line.erase(0, line.find_first_not_of('\t'));
        }
        m_read = joinLines(lines); // as a save writes it: without indentation, each line ended by CR LF
    }
    // The R line of entry `number` as the model saves it.
    std::string savedRed(int number)
    {
        const std::string bytes = m_model.savedBytes();
        std::size_t at = 0;
        for (int i = 0; i < number; ++i) {
            at = bytes.find("<R Value", at + 1);
        }
        return bytes.substr(at, bytes.find('\r', at) - at);
    }

    std::string m_read;
    ThemeModel m_model;
};

TEST_F(ThemeModelTest, readsEntriesAndSavesAnUnchangedThemeAsItsLines)
{
    ASSERT_EQ(m_model.entryCount(), 3);
    EXPECT_EQ(m_model.entry(1).element, "ControlForeground");
    EXPECT_EQ(m_model.entry(1).valueTexts[0], "01");
    EXPECT_EQ(m_model.entryOf("<Element3>"), 3);
    EXPECT_EQ(m_model.entryOf("Element3"), 3);
    EXPECT_EQ(m_model.entryOf("Nothing"), 0);
    EXPECT_FALSE(m_model.newColor(1));
    EXPECT_EQ(m_model.savedBytes(), m_read);
    EXPECT_THROW(m_model.entry(4), std::out_of_range);
}

TEST_F(ThemeModelTest, aPickShowsSavesAndRewritesOnlyItsEntry)
{
    m_model.giveColor(2, composeColor(10, 20, 30));
    m_model.markRow(2);
    EXPECT_EQ(m_model.newColor(2), composeColor(10, 20, 30));
    EXPECT_EQ(m_model.currentColor(2), composeColor(10, 20, 30));
    EXPECT_EQ(m_model.markerRow(), 2);
    EXPECT_EQ(m_model.document().MarkedRow, 2);
    EXPECT_EQ(savedRed(1), "<R Value=\"01\" />");
    EXPECT_EQ(savedRed(2), "<R Value=\"10\" />");
}

TEST_F(ThemeModelTest, aRevertGoesBackToTheFileColourInTheWritersForm)
{
    m_model.giveColor(1, composeColor(9, 9, 9));
    m_model.markRow(1);
    m_model.revert(1);
    EXPECT_FALSE(m_model.newColor(1));
    EXPECT_EQ(m_model.markerRow(), 0);
    EXPECT_EQ(m_model.document().MarkedRow, 1);
    EXPECT_EQ(m_model.document().WorkColor, composeColor(1, 2, 3));
    EXPECT_EQ(m_model.currentColor(1), composeColor(1, 2, 3));
    EXPECT_EQ(savedRed(1), "<R Value=\"1\" />");
}

TEST_F(ThemeModelTest, replacingLooksAtTheColoursBeforeTheEdit)
{
    const std::vector<int> changed =
        m_model.replaceColors({{composeColor(0, 0, 0), composeColor(1, 2, 3)}, {composeColor(1, 2, 3), 0}});
    EXPECT_EQ(changed, (std::vector<int> {1, 2, 3}));
    EXPECT_EQ(m_model.currentColor(1), 0u);
    EXPECT_EQ(m_model.currentColor(3), composeColor(1, 2, 3));
}

TEST_F(ThemeModelTest, adjustingChangesOnlyMatchingEntriesThatDiffer)
{
    EXPECT_EQ(m_model.adjust({0, 1, 0.5, false}, {"<Element2>"}), (std::vector<int> {2}));
    EXPECT_EQ(m_model.adjust({}, {}), (std::vector<int> {}));
    EXPECT_FALSE(m_model.newColor(3));
}

TEST_F(ThemeModelTest, undoBringsBackTheReadRecordsAlsoAfterASave)
{
    m_model.pick(1, composeColor(5, 5, 5));
    EXPECT_EQ(savedRed(1), "<R Value=\"5\" />"); // a save rebuilds the record
    m_model.undo();
    EXPECT_FALSE(m_model.newColor(1));
    EXPECT_EQ(m_model.markerRow(), 0);
    EXPECT_EQ(m_model.savedBytes(), m_read);
    ASSERT_TRUE(m_model.canRedo());
    m_model.redo();
    EXPECT_EQ(m_model.newColor(1), composeColor(5, 5, 5));
    EXPECT_EQ(m_model.markerRow(), 1);
    // A new edit after an undo drops what was undone.
    m_model.undo();
    m_model.giveColor(2, composeColor(6, 6, 6));
    EXPECT_FALSE(m_model.canRedo());
}

// A second theme read replaces the first whole: its entries, records and
// colours, with no edit of the first left to undo.
TEST_F(ThemeModelTest, aSecondLoadReplacesTheThemeHeld)
{
    m_model.pick(1, composeColor(5, 5, 5));
    const std::vector<std::string> other = themeLines({{7, 8, 9}});
    m_model.load(*theme::readThemeText(joinLines(other)));
    EXPECT_EQ(m_model.entryCount(), 1);
    EXPECT_EQ(m_model.document().EntryCount, 1);
    EXPECT_EQ(m_model.records().size(), other.size());
    EXPECT_EQ(m_model.currentColor(1), composeColor(7, 8, 9));
    EXPECT_FALSE(m_model.newColor(1));
    EXPECT_EQ(m_model.markerRow(), 0);
    EXPECT_FALSE(m_model.canUndo());
}

// Saving again writes the file last saved as, and nothing before a first save.
TEST_F(ThemeModelTest, saveAgainWritesTheFileLastSavedAs)
{
    const theme::testing::TemporaryFolder folder;
    EXPECT_THROW(m_model.saveAgain(), std::logic_error);
    m_model.saveAs(folder.file("first.ask"));
    m_model.pick(1, composeColor(5, 5, 5));
    m_model.saveAgain();
    EXPECT_EQ(m_model.savedPath(), folder.file("first.ask"));
    EXPECT_EQ(theme::testing::readBytes(folder.file("first.ask")), m_model.savedBytes());
    EXPECT_NE(m_model.savedBytes(), m_read);
}

// Every edit is one step, however many entries it changes, and an undo brings
// back every field it changed: the "#", MarkedRow and WorkColor too.
TEST_F(ThemeModelTest, eachEditIsOneStepThatUndoTakesBackWhole)
{
    m_model.pick(3, composeColor(1, 2, 3)); // row 3 takes entry 1's colour
    const ThemeModel::Snapshot afterPick = m_model.snapshot();
    EXPECT_EQ(m_model.changeAll(1, composeColor(9, 9, 9)), (std::vector<int> {1, 3}));
    EXPECT_EQ(m_model.document().MarkedRow, 1);
    EXPECT_EQ(m_model.document().WorkColor, composeColor(9, 9, 9));
    m_model.undo();
    EXPECT_EQ(m_model.document().MarkedRow, afterPick.markedRow);
    EXPECT_EQ(m_model.document().WorkColor, composeColor(1, 2, 3));
    EXPECT_EQ(m_model.currentColor(1), composeColor(1, 2, 3));
    EXPECT_EQ(m_model.markerRow(), 3);
    m_model.undo();
    EXPECT_EQ(m_model.document().MarkedRow, 0);
    EXPECT_EQ(m_model.document().WorkColor, 0u);
    EXPECT_FALSE(m_model.canUndo());

    m_model.giveColors({{2, composeColor(4, 4, 4)}, {3, composeColor(5, 5, 5)}});
    m_model.undo();
    EXPECT_FALSE(m_model.canUndo());
    EXPECT_FALSE(m_model.newColor(2) || m_model.newColor(3));

    // A dialog's tries are one step on OK, and none on Cancel.
    m_model.beginTrial();
    m_model.tryEdit([&] { m_model.giveColor(2, composeColor(7, 7, 7)); });
    m_model.tryEdit([&] { m_model.giveColor(3, composeColor(8, 8, 8)); });
    EXPECT_FALSE(m_model.newColor(2)); // each try starts from the state before the first
    m_model.endTrial(false);
    EXPECT_FALSE(m_model.canUndo());
    EXPECT_FALSE(m_model.newColor(3));
    m_model.beginTrial();
    m_model.tryEdit([&] { m_model.adjust({0, 1, 0.2, false}, {}); });
    m_model.endTrial(true);
    m_model.undo();
    EXPECT_FALSE(m_model.canUndo());
    EXPECT_EQ(m_model.savedBytes(), m_read);
}

} // namespace
} // namespace tintwright::model
