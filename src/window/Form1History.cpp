#include "Form1.h"

#include "AdjustDialog.h"
#include "FocusReturn.h"
#include "Form1Grid.h"
#include "Form1Texts.h"
#include "GraphicalButton.h"
#include "RecolourDialog.h"
#include "ThemeTable.h"
#include "components/CellGrid.h"
#include "components/CommonDialog.h"
#include "components/Desktop.h"
#include "make/Complete.h"
#include "make/Transfer.h"

#include <QAction>

#include <algorithm>
#include <functional>

// Form1's changes of many colours at once and the history that takes back
// every change of colour.
namespace tintwright::ui {

using namespace grid;
using theme::ColorValue;

ColorValue Form1::currentColor(int row) const
{
    return m_model.currentColor(row);
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
    actionChangeAll->setEnabled(m_document.ThemeLoaded && row > 0);
    actionChangeAll->setText(text(texts::kChangeAllText).arg(row > 0 ? entriesOfColor(currentColor(row)) : 0));
    actionAdjust->setEnabled(m_document.ThemeLoaded);
    actionRecolour->setEnabled(m_document.ThemeLoaded);
    const make::Lacking lacks = make::lacking(m_model.records());
    actionComplete->setEnabled(m_document.ThemeLoaded && lacks.elements + lacks.factors > 0);
    actionUndo->setEnabled(m_model.canUndo());
    actionRedo->setEnabled(m_model.canRedo());
    // Each says what it takes back or brings again.
    actionUndo->setText(m_model.canUndo() && !m_undoSteps.isEmpty() ? text(texts::kUndoStep).arg(m_undoSteps.last())
                                                                    : text(texts::kUndoText));
    actionRedo->setText(m_model.canRedo() && !m_redoSteps.isEmpty() ? text(texts::kRedoStep).arg(m_redoSteps.last())
                                                                    : text(texts::kRedoText));
    actionSaveTheme->setEnabled(oksave->isEnabled());
    actionQuickSave->setEnabled(okquick->isEnabled());
}

void Form1::edited(const QString& step)
{
    m_undoSteps << step;
    m_redoSteps.clear();
    setUnsaved(true);
    refreshAfterEdit();
}

void Form1::refreshAfterEdit()
{
    m_table->refresh();
    updatePreview();
    updateEditActions();
}

// Undo (back) and redo: the state before the last edit, or after the last undo, comes back.
void Form1::stepThroughHistory(bool back)
{
    if (back ? !m_model.canUndo() : !m_model.canRedo()) {
        return;
    }
    back ? m_model.undo() : m_model.redo();
    QStringList& from = back ? m_undoSteps : m_redoSteps;
    if (!from.isEmpty()) {
        (back ? m_redoSteps : m_undoSteps) << from.takeLast();
    }
    setUnsaved(true);
    refreshAfterEdit();
}

// One colour dialog; every entry whose current colour is the current row's gets the colour picked.
void Form1::changeAllOfColor()
{
    const int row = currentRow();
    if (!m_document.ThemeLoaded || row == 0) {
        return;
    }
    runCommand(texts::kColorFailed, {}, [this, row] {
        dialog->setCancelError(true);
        dialog->setFlags(CommonDialog::kRgbInit);
        dialog->setColorTitle(text(texts::kChangeAllTitle).arg(entriesOfColor(currentColor(row))));
        if (!showColorDialog()) {
            return;
        }
        const std::vector<int> changed = m_model.changeAll(row, dialog->color());
        edited(text(texts::kStepChangeAll).arg(std::max<std::size_t>(changed.size(), 1)));
    });
}

// A dialog that changes many colours: `edit` (on the state before it opened)
// shows in the grid and the preview on every `changed` of the dialog, and at
// once where `showAtOnce`; OK keeps it as one edit, Cancel puts everything back.
template<typename Dialog>
void Form1::runEditDialog(Dialog& shown, const std::function<void()>& edit, bool showAtOnce, const QString& step)
{
    const FocusReturn focus(*this);
    m_model.beginTrial();
    bool accepted = false;
    try {
        const auto showResult = [&] {
            m_model.tryEdit(edit);
            m_table->refresh();
            updatePreview();
        };
        connect(&shown, &Dialog::changed, this, showResult);
        if (showAtOnce) {
            showResult();
        }
        keepPreviewInView(shown);
        accepted = m_desktop.runDialog(shown);
        if (accepted) {
            m_model.tryEdit(edit);
        }
    } catch (...) {
        m_model.endTrial(false); // a failed try puts everything back
        m_table->refresh();
        updatePreview();
        throw;
    }
    m_model.endTrial(accepted);
    if (accepted) {
        edited(step);
    } else {
        refreshAfterEdit();
    }
}

void Form1::adjustColors()
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    std::vector<std::string> elements;
    for (int number = 1; number <= m_model.entryCount(); ++number) {
        elements.push_back(m_model.entry(number).element);
    }
    AdjustDialog adjust(this, std::move(elements));
    runEditDialog(
        adjust, [&] { m_model.adjust(adjust.adjustment(), adjust.patterns()); }, false, text(texts::kStepAdjust));
}

// The theme's colours made from three base colours, starting from the theme's
// own ground, text and chosen colour; what OK would keep shows from the start.
void Form1::recolourFromBaseColors()
{
    if (!m_document.ThemeLoaded) {
        return;
    }
    RecolourDialog recolour(this, m_desktop, make::baseColorsOf(sketchColors()));
    runEditDialog(
        recolour,
        [&] {
            if (const auto base = recolour.baseColors()) {
                make::recolourTheme(m_model, *base);
            }
        },
        true, text(texts::kStepRecolour));
}

} // namespace tintwright::ui
