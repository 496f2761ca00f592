#include "ThemeModel.h"

#include "theme/DisplayText.h"
#include "theme/ThemeWriter.h"

#include <algorithm>
#include <stdexcept>

namespace tintwright::model {

using theme::ColorValue;
using Column = theme::ColorTableColumn;

std::string_view elementName(std::string_view item)
{
    return color::withoutBrackets(item);
}

ThemeModel::ThemeModel()
    : m_document(std::make_unique<theme::ThemeDocument>())
{
}

ThemeModel::~ThemeModel() = default;

ThemeModel::Recorder::Recorder(ThemeModel& model, bool withRecords)
    : m_model(model)
{
    if (m_model.m_editDepth++ == 0) {
        m_before = m_model.snapshot(withRecords);
    }
}

ThemeModel::Recorder::~Recorder()
{
    if (--m_model.m_editDepth == 0 && m_before) {
        m_model.recordEdit(std::move(*m_before));
    }
}

// The run's names, flags and paths stay with the theme's document when its
// records and colour table are replaced.
static void keepRun(const theme::ThemeDocument& old, theme::ThemeDocument& replacing)
{
    replacing.DialogPath = old.DialogPath;
    replacing.SavedPath = old.SavedPath;
    replacing.ThemeTitle = old.ThemeTitle;
    replacing.HasMyPrefix = old.HasMyPrefix;
    replacing.ThemeLoaded = old.ThemeLoaded;
    replacing.WorkColor = old.WorkColor;
}

void ThemeModel::load(const theme::ThemeContent& content)
{
    auto loaded = std::make_unique<theme::ThemeDocument>();
    theme::storeTheme(*loaded, content); // throws before anything changed
    keepRun(*m_document, *loaded);
    // The document stays the same object: the window holds on to it.
    *m_document = std::move(*loaded);
    m_entries.clear();
    m_markerRow = 0;
    m_undo.clear();
    m_redo.clear();
    load(content, false);
}

std::vector<std::string> ThemeModel::records() const
{
    const auto first = m_document->ThemeLines.begin() + 1; // slot 0 holds no record
    return {first, first + m_document->LineCount};
}

void ThemeModel::startUp()
{
    m_document->LineCount = 0;
    m_document->EntryCount = 0;
    m_document->ThemeLoaded = false;
}

void ThemeModel::setDialogPath(const std::filesystem::path& path)
{
    m_document->DialogPath = path;
}

void ThemeModel::setHasMyPrefix(bool has)
{
    m_document->HasMyPrefix = has;
}

void ThemeModel::open(const theme::ThemeContent& content, const std::string& title)
{
    m_document->ThemeTitle = title;
    load(content);
    m_document->ThemeLoaded = true;
}

void ThemeModel::saveAs(std::filesystem::path path)
{
    theme::replaceFile(path, savedBytes());
    m_document->SavedPath = std::move(path);
}

void ThemeModel::saveAgain()
{
    if (m_document->SavedPath.empty()) {
        throw std::logic_error("the theme has not been saved yet.");
    }
    theme::replaceFile(m_document->SavedPath, savedBytes());
}

void ThemeModel::load(const theme::ThemeContent& content, bool store)
{
    if (store) {
        theme::storeTheme(*m_document, content);
    }
    for (const theme::ColorEntry& read : content.entries) {
        const std::string shown = theme::displayText(read.item);
        m_entries.push_back({read.item,
                             std::string(elementName(shown)),
                             {read.redText, read.greenText, read.blueText},
                             read.oldColor & 0xFFFFFFu});
    }
    m_newColors.assign(m_entries.size(), std::nullopt);
}

const Entry& ThemeModel::entry(int number) const
{
    if (number < 1 || number > entryCount()) {
        throw std::out_of_range("there is no colour entry " + std::to_string(number));
    }
    return m_entries[static_cast<std::size_t>(number - 1)];
}

int ThemeModel::entryOf(std::string_view element) const
{
    element = elementName(element);
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [element](const Entry& candidate) { return candidate.element == element; });
    return found == m_entries.end() ? 0 : static_cast<int>(found - m_entries.begin()) + 1;
}

ColorValue ThemeModel::currentColor(int number) const
{
    const Entry& read = entry(number);
    const theme::ColorTableRow& row = m_document->ColorTable[static_cast<std::size_t>(number)];
    if (row[Column::Changed] == 1) {
        return theme::composeColor(row[Column::Red], row[Column::Green], row[Column::Blue]);
    }
    return read.fileColor;
}

std::optional<ColorValue> ThemeModel::newColor(int number) const
{
    entry(number);
    return m_newColors[static_cast<std::size_t>(number - 1)];
}

void ThemeModel::giveColor(int number, ColorValue color)
{
    entry(number);
    const Recorder edit(*this);
    m_newColors[static_cast<std::size_t>(number - 1)] = color;
    const theme::RgbTriple rgb = theme::SplitColor(color);
    theme::ColorTableRow& row = theme::colorTableRow(*m_document, number);
    row[Column::Red] = rgb.R;
    row[Column::Green] = rgb.G;
    row[Column::Blue] = rgb.B;
    row[Column::Changed] = 1;
}

void ThemeModel::giveColors(const std::vector<std::pair<int, ColorValue>>& colors)
{
    const Recorder edit(*this);
    for (const auto& [number, color] : colors) {
        giveColor(number, color);
    }
}

void ThemeModel::pick(int number, ColorValue color)
{
    entry(number);
    const Recorder edit(*this);
    m_document->WorkColor = color;
    giveColor(number, color);
    markRow(number);
}

std::vector<int> ThemeModel::changeAll(int number, ColorValue color)
{
    const ColorValue from = currentColor(number);
    const Recorder edit(*this);
    m_document->WorkColor = color;
    std::vector<int> changed = replaceColors({{from, color}});
    markRow(number);
    return changed;
}

void ThemeModel::revert(int number)
{
    entry(number);
    const Recorder edit(*this);
    m_newColors[static_cast<std::size_t>(number - 1)] = std::nullopt;
    theme::colorTableRow(*m_document, number)[Column::Changed] = 1;
    if (m_markerRow == number) {
        m_markerRow = 0;
    }
    m_document->WorkColor = entry(number).fileColor;
    const theme::RgbTriple rgb = theme::SplitColor(m_document->WorkColor);
    theme::ColorTableRow& row = theme::colorTableRow(*m_document, number);
    row[Column::Red] = rgb.R;
    row[Column::Green] = rgb.G;
    row[Column::Blue] = rgb.B;
}

void ThemeModel::markRow(int number)
{
    entry(number);
    const Recorder edit(*this);
    m_markerRow = number;
    m_document->MarkedRow = static_cast<std::int16_t>(number);
}

std::vector<int> ThemeModel::replaceColors(const std::vector<std::pair<ColorValue, ColorValue>>& pairs)
{
    const Recorder edit(*this);
    std::vector<std::pair<int, ColorValue>> given;
    for (int number = 1; number <= entryCount(); ++number) {
        const ColorValue color = currentColor(number);
        for (const auto& [from, to] : pairs) {
            if (color == from) {
                given.emplace_back(number, to);
            }
        }
    }
    std::vector<int> changed;
    for (const auto& [number, to] : given) {
        giveColor(number, to);
        if (changed.empty() || changed.back() != number) {
            changed.push_back(number);
        }
    }
    return changed;
}

std::vector<int> ThemeModel::adjust(const color::Adjustment& adjustment, const std::vector<std::string>& patterns)
{
    const Recorder edit(*this);
    std::vector<int> changed;
    for (int number = 1; number <= entryCount(); ++number) {
        if (!color::matchesAny(entry(number).element, patterns)) {
            continue;
        }
        const ColorValue before = currentColor(number);
        const theme::RgbTriple rgb = color::adjustColor(theme::SplitColor(before), adjustment);
        const ColorValue adjusted = theme::composeColor(rgb.R, rgb.G, rgb.B);
        if (adjusted != before) {
            giveColor(number, adjusted);
            changed.push_back(number);
        }
    }
    return changed;
}

void ThemeModel::extend(const theme::ThemeContent& content)
{
    auto extended = std::make_unique<theme::ThemeDocument>();
    theme::storeTheme(*extended, content); // throws before anything changed
    const Recorder edit(*this, true);
    const theme::ThemeDocument& old = *m_document; // read before it is replaced below
    keepRun(old, *extended);
    extended->CurrentLine = old.CurrentLine;

    std::vector<Entry> oldEntries = std::move(m_entries);
    std::vector<std::optional<ColorValue>> oldNewColors = std::move(m_newColors);
    // The document stays the same object: the window holds on to it.
    const auto oldDocument = std::make_unique<const theme::ThemeDocument>(*m_document);
    *m_document = std::move(*extended);
    m_entries.clear();
    load(content, false);

    // Each old entry is the next entry of its element in the extended theme.
    int next = 1;
    int markerRow = 0;
    std::int16_t markedRow = 0;
    for (std::size_t index = 0; index < oldEntries.size(); ++index) {
        int number = next;
        while (number <= entryCount()
               && m_entries[static_cast<std::size_t>(number - 1)].element != oldEntries[index].element) {
            ++number;
        }
        if (number > entryCount()) {
            continue; // not found again: keeps nothing
        }
        next = number + 1;
        const int oldNumber = static_cast<int>(index) + 1;
        m_entries[static_cast<std::size_t>(number - 1)] = oldEntries[index];
        m_newColors[static_cast<std::size_t>(number - 1)] = oldNewColors[index];
        const theme::ColorTableRow& was = oldDocument->ColorTable[static_cast<std::size_t>(oldNumber)];
        theme::ColorTableRow& row = theme::colorTableRow(*m_document, number);
        for (const Column column : {Column::Red, Column::Green, Column::Blue, Column::Changed}) {
            row[column] = was[column];
        }
        markerRow = m_markerRow == oldNumber ? number : markerRow;
        markedRow = oldDocument->MarkedRow == oldNumber ? static_cast<std::int16_t>(number) : markedRow;
    }
    m_markerRow = markerRow;
    m_document->MarkedRow = markedRow;
}

void ThemeModel::beginTrial()
{
    m_trialBase = snapshot();
    ++m_editDepth;
}

void ThemeModel::tryEdit(const std::function<void()>& edit)
{
    restore(*m_trialBase);
    edit();
}

void ThemeModel::endTrial(bool keep)
{
    --m_editDepth;
    if (keep) {
        recordEdit(std::move(*m_trialBase));
    } else {
        restore(*m_trialBase);
    }
    m_trialBase.reset();
}

ThemeModel::Snapshot ThemeModel::snapshot(bool withRecords) const
{
    Snapshot state;
    if (withRecords) {
        state.whole = std::make_shared<const Records>(Records {*m_document, m_entries});
    }
    for (int number = 1; number <= entryCount(); ++number) {
        const theme::ColorTableRow& row = m_document->ColorTable[static_cast<std::size_t>(number)];
        state.table.push_back(row);
        const auto slot = static_cast<std::size_t>(row[Column::RecordSlot]);
        state.records.push_back(
            {m_document->ThemeLines[slot], m_document->ThemeLines[slot + 1], m_document->ThemeLines[slot + 2]});
    }
    state.newColors = m_newColors;
    state.markerRow = m_markerRow;
    state.markedRow = m_document->MarkedRow;
    state.workColor = m_document->WorkColor;
    return state;
}

void ThemeModel::restore(const Snapshot& state)
{
    if (state.whole) {
        const theme::ThemeDocument& was = state.whole->document;
        m_document->ThemeLines = was.ThemeLines;
        m_document->LineCount = was.LineCount;
        m_document->ColorTable = was.ColorTable;
        m_document->EntryCount = was.EntryCount;
        m_entries = state.whole->entries;
    }
    for (int number = 1; number <= entryCount(); ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        theme::colorTableRow(*m_document, number) = state.table[index];
        const auto slot = static_cast<std::size_t>(state.table[index][Column::RecordSlot]);
        for (std::size_t record = 0; record < 3; ++record) {
            m_document->ThemeLines[slot + record] = state.records[index][record];
        }
    }
    m_newColors = state.newColors;
    m_markerRow = state.markerRow;
    m_document->MarkedRow = state.markedRow;
    m_document->WorkColor = state.workColor;
}

void ThemeModel::recordEdit(Snapshot before)
{
    m_undo.push_back(std::move(before));
    m_redo.clear();
}

void ThemeModel::step(std::vector<Snapshot>& from, std::vector<Snapshot>& to, ThemeModel& model)
{
    if (from.empty()) {
        return;
    }
    to.push_back(model.snapshot(from.back().whole != nullptr));
    model.restore(from.back());
    from.pop_back();
}

void ThemeModel::undo()
{
    step(m_undo, m_redo, *this);
}

void ThemeModel::redo()
{
    step(m_redo, m_undo, *this);
}

std::string ThemeModel::savedBytes()
{
    theme::RewriteChangedEntries(*m_document);
    std::string bytes;
    theme::WriteThemeLines(*m_document, bytes);
    return bytes;
}

} // namespace tintwright::model
