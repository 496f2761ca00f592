#include "Form1.h"

#include "Form1Grid.h"
#include "PreviewWindow.h"
#include "components/CellGrid.h"
#include "theme/DisplayText.h"

// Form1's side of the preview: it feeds the sketch the current colours and
// finds the row of an area the user points at.
namespace tintwright::ui {

using namespace grid;

void Form1::okpreview_Click()
{
    if (m_document.ThemeLoaded == 0) {
        return;
    }
    if (!m_preview) {
        m_preview = new PreviewWindow(this);
        m_preview->setAttribute(Qt::WA_DeleteOnClose);
        m_preview->setThemeName(QString::fromStdString(m_document.ThemeTitle));
        connect(m_preview, &PreviewWindow::elementClicked, this, &Form1::findEntryOf);
        connect(m_preview, &PreviewWindow::elementDoubleClicked, this, [this](const QString& element) {
            const int row = rowOfElement(element);
            if (row > 0) {
                findEntryOf(element);
                Tabelle2->clickCellAt(row, NewColor);
            }
        });
        updatePreview();
        const QModelIndex current = Tabelle2->currentIndex();
        if (current.isValid()) {
            showCurrentCell(current.row() + 1, current.column() + 1);
        }
    }
    m_preview->show();
    m_preview->raise();
    m_preview->activateWindow();
}

sketch::ElementColors Form1::sketchColors() const
{
    std::vector<std::pair<std::string, theme::RgbTriple>> entries;
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        const theme::ColorTableRow& entry = m_document.ColorTable[static_cast<std::size_t>(row)];
        const std::string& item = m_document.ThemeLines[static_cast<std::size_t>(entry[theme::RecordSlot] - 1)];
        entries.emplace_back(theme::displayText(item), theme::SplitColor(currentColor(row)));
    }
    return sketch::elementColors(entries);
}

void Form1::updatePreview()
{
    if (m_preview) {
        m_preview->setColors(sketchColors());
    }
}

int Form1::rowOfElement(const QString& element) const
{
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        if (elementOf(Tabelle2->textAt(row, Item)) == element) {
            return row;
        }
    }
    return 0;
}

// From the sketch to the grid: the element's row becomes current, in view and focused.
void Form1::findEntryOf(const QString& element)
{
    const int row = rowOfElement(element);
    if (row == 0) {
        return;
    }
    Tabelle2->setCurrentCell(row, NewColor);
    Tabelle2->setFocus();
    raise();
    activateWindow();
}

} // namespace tintwright::ui
