#include "Form1.h"

#include "AdjustDialog.h"
#include "Form1Grid.h"
#include "Form1Texts.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "components/Desktop.h"

#include <QAction>

// Form1's changes of many colours at once and the history that takes back
// every change of colour.
namespace tintwright::ui {

using namespace grid;
using theme::ColorValue;

ColorValue Form1::currentColor(int row) const
{
    const theme::ColorTableRow& entry = m_document.ColorTable[static_cast<std::size_t>(row)];
    if (entry[theme::Changed] == 1) {
        return theme::composeColor(entry[theme::Red], entry[theme::Green], entry[theme::Blue]);
    }
    return Tabelle2->backColorAt(row, OldColor) & 0xFFFFFFu;
}

int Form1::currentRow() const
{
    const QModelIndex current = Tabelle2->currentIndex();
    return current.isValid() && current.row() + 1 <= m_document.EntryCount ? current.row() + 1 : 0;
}

int Form1::entriesOfColor(ColorValue color) const
{
    int count = 0;
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        count += currentColor(row) == color ? 1 : 0;
    }
    return count;
}

void Form1::updateEditActions()
{
    const int row = currentRow();
    actionChangeAll->setEnabled(m_document.ThemeLoaded != 0 && row > 0);
    actionChangeAll->setText(text(texts::kChangeAllText).arg(row > 0 ? entriesOfColor(currentColor(row)) : 0));
    actionAdjust->setEnabled(m_document.ThemeLoaded != 0);
    actionUndo->setEnabled(!m_undo.empty());
    actionRedo->setEnabled(!m_redo.empty());
}

Form1::EditState Form1::captureState() const
{
    EditState state;
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        const theme::ColorTableRow& entry = m_document.ColorTable[static_cast<std::size_t>(row)];
        state.table.push_back(entry);
        const auto slot = static_cast<std::size_t>(entry[theme::RecordSlot]);
        state.records.push_back(
            {m_document.ThemeLines[slot], m_document.ThemeLines[slot + 1], m_document.ThemeLines[slot + 2]});
        state.newColors.push_back(Tabelle2->backColorAt(row, NewColor));
        if (!Tabelle2->textAt(row, Marker).isEmpty()) {
            state.markerRow = row;
        }
    }
    state.markedRow = m_document.MarkedRow;
    return state;
}

void Form1::restoreState(const EditState& state)
{
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        const auto index = static_cast<std::size_t>(row - 1);
        theme::colorTableRow(m_document, row) = state.table[index];
        const auto slot = static_cast<std::size_t>(state.table[index][theme::RecordSlot]);
        for (std::size_t record = 0; record < 3; ++record) {
            m_document.ThemeLines[slot + record] = state.records[index][record];
        }
        Tabelle2->setRow(row);
        Tabelle2->setCol(NewColor);
        Tabelle2->setCellBackColor(state.newColors[index]);
        Tabelle2->setCellAccessibleText(
            state.newColors[index] == theme::kMenuBackground ? text(texts::kNoNewColorSpoken) : QString());
        Tabelle2->setCol(Marker);
        const bool marked = row == state.markerRow;
        Tabelle2->setText(marked ? text(texts::kMarker) : QString());
        Tabelle2->setCellAccessibleText(marked ? text(texts::kMarkerSpoken) : QString());
    }
    m_document.MarkedRow = state.markedRow;
}

// An edit is done: what was before it can be had back.
void Form1::recordEdit(EditState before)
{
    m_undo.push_back(std::move(before));
    m_redo.clear();
    updatePreview();
    updateEditActions();
}

// Undo and redo: the state on top of `from` comes back, and the present goes onto `to`.
void Form1::stepThroughHistory(std::vector<EditState>& from, std::vector<EditState>& to)
{
    if (from.empty()) {
        return;
    }
    to.push_back(captureState());
    restoreState(from.back());
    from.pop_back();
    updatePreview();
    updateEditActions();
}

// One colour dialog; every entry whose current colour is the current row's gets the colour picked.
void Form1::changeAllOfColor()
{
    const int row = currentRow();
    if (m_document.ThemeLoaded == 0 || row == 0) {
        return;
    }
    runCommand(texts::kColorFailed, {}, [this, row] {
        const ColorValue color = currentColor(row);
        dialog->setCancelError(true);
        dialog->setFlags(CommonDialog::kRgbInit);
        if (!dialog->ShowColor()) {
            return;
        }
        EditState before = captureState();
        m_document.WorkColor = dialog->color();
        for (int other = 1; other <= m_document.EntryCount; ++other) {
            if (currentColor(other) == color) {
                giveNewColor(other, m_document.WorkColor);
            }
        }
        markRow(row);
        recordEdit(std::move(before));
    });
}

// Gives each entry whose element matches the patterns its current colour adjusted, where that differs.
void Form1::applyAdjustment(const color::Adjustment& adjustment, const std::vector<std::string>& patterns)
{
    for (int row = 1; row <= m_document.EntryCount; ++row) {
        if (!color::matchesAny(elementOf(Tabelle2->textAt(row, Item)).toStdString(), patterns)) {
            continue;
        }
        const ColorValue color = currentColor(row);
        const theme::RgbTriple rgb = color::adjustColor(theme::SplitColor(color), adjustment);
        const ColorValue adjusted = theme::composeColor(rgb.R, rgb.G, rgb.B);
        if (adjusted != color) {
            giveNewColor(row, adjusted);
        }
    }
}

// The dialog shows its result in the grid and the preview while it is open;
// OK keeps it as one edit, Cancel puts everything back.
void Form1::adjustColors()
{
    if (m_document.ThemeLoaded == 0) {
        return;
    }
    EditState before = captureState();
    AdjustDialog adjust(this);
    const auto showResult = [&] {
        restoreState(before);
        applyAdjustment(adjust.adjustment(), adjust.patterns());
        updatePreview();
    };
    connect(&adjust, &AdjustDialog::changed, this, showResult);
    keepPreviewInView(adjust);
    const bool accepted = m_desktop.runDialog(adjust);
    restoreState(before);
    if (accepted) {
        applyAdjustment(adjust.adjustment(), adjust.patterns());
        recordEdit(std::move(before));
    }
    updatePreview();
}

} // namespace tintwright::ui
