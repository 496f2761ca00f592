#pragma once

#include "color/Color.h"
#include "theme/ColorValue.h"
#include "theme/ThemeDocument.h"
#include "theme/ThemeReader.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The theme being edited and every edit of its colours, with their history:
// what the window and tintwright-cli both change. Standard C++ only.
namespace tintwright::model {

// The element an entry's ITEM text names: the text without its angle brackets.
std::string_view elementName(std::string_view item);

// One colour entry as the theme file gives it.
struct Entry {
    std::string item; // the record naming the element, as the file has its bytes
    std::string element; // the element's name as shown (UTF-8), without angle brackets
    std::array<std::string, 3> valueTexts; // the value texts of its R, G and B records, as read
    theme::ColorValue fileColor = 0; // the colour of its OLD COLOR swatch
};

// The document holds what "Save Theme" writes: the records, the colour table,
// the counters, names and flags of the run. Beside it the model keeps what an
// edit shows: each entry's NEW COLOR swatch and the row the "#" marks. The
// model is the document's only writer; every edit it offers is one step of
// its history, however many entries it changes.
class ThemeModel {
public:
    ThemeModel();
    ~ThemeModel();
    ThemeModel(const ThemeModel&) = delete;
    ThemeModel& operator=(const ThemeModel&) = delete;

    // A read theme replaces the one held, if any, with no edit and no history:
    // the run's names, flags and paths stay. Throws ThemeError for a theme the
    // document cannot hold, changing nothing.
    void load(const theme::ThemeContent& content);

    const theme::ThemeDocument& document() const { return *m_document; }
    // The theme's records as the document holds them now, in file order.
    std::vector<std::string> records() const;

    // The run's state, as the window's commands set it.
    // No theme read: no records, no entries.
    void startUp();
    // The path the file dialog gave last; empty where it gave none.
    void setDialogPath(const std::filesystem::path& path);
    // Whether the opened theme's name begins with "my", so that Save Theme proposes no other.
    void setHasMyPrefix(bool has);
    // A read theme is the one of this run, under its title (UTF-8).
    void open(const theme::ThemeContent& content, const std::string& title);
    // Writes what "Save Theme" writes to `path` (as a whole, or not at all),
    // which then is the saved path: the theme's file from now on.
    void saveAs(std::filesystem::path path);
    // Writes it again to the saved path, whatever a file dialog gave since.
    // Throws std::logic_error where nothing was saved yet.
    void saveAgain();
    // The file last saved; empty before the first save.
    const std::filesystem::path& savedPath() const { return m_document->SavedPath; }

    int entryCount() const { return static_cast<int>(m_entries.size()); }
    // Entries are numbered from 1 in file order, as the grid's rows are.
    const Entry& entry(int number) const;
    // The first entry of the element (named with or without brackets), or 0.
    int entryOf(std::string_view element) const;
    // The colour the entry is saved in: its new colour once changed, else the file's.
    theme::ColorValue currentColor(int number) const;
    // The colour its NEW COLOR swatch shows; nothing before a pick and after a revert.
    std::optional<theme::ColorValue> newColor(int number) const;
    // The row the "#" marks, or 0.
    int markerRow() const { return m_markerRow; }

    // The entry shows `color` as its new colour and is saved in it.
    void giveColor(int number, theme::ColorValue color);
    // Each entry given its colour, as one edit.
    void giveColors(const std::vector<std::pair<int, theme::ColorValue>>& colors);
    // A colour picked for the entry: it becomes WorkColor and the entry's new colour, and the "#" moves there.
    void pick(int number, theme::ColorValue color);
    // Every entry of the entry's current colour gets `color`, picked as for the entry; the entries given it.
    std::vector<int> changeAll(int number, theme::ColorValue color);
    // The entry gets back its file colour (also WorkColor) and counts as changed,
    // so the next save writes it in the writer's form; its "#" goes.
    void revert(int number);
    // The "#" moves to `number`, which becomes MarkedRow.
    void markRow(int number);
    // Every entry whose current colour is the first of a pair gets the second,
    // the pairs all looking at the colours before this edit (so A=B B=A swaps).
    // The entries given a colour, in order.
    std::vector<int> replaceColors(const std::vector<std::pair<theme::ColorValue, theme::ColorValue>>& pairs);
    // Each entry whose element matches the patterns (all, where there are none)
    // gets its current colour adjusted, where that differs from it.
    std::vector<int> adjust(const color::Adjustment& adjustment, const std::vector<std::string>& patterns);

    // The theme's records become `content`'s: the same theme with records put
    // in among its own (a theme made whole). Every entry keeps its colours,
    // its old colour and its "#", found again by its element in order. One
    // edit, to be undone as one. Throws ThemeError for a theme the document
    // cannot hold, changing nothing.
    void extend(const theme::ThemeContent& content);

    // What an edit of the theme's records (not only its colours) changes.
    struct Records {
        theme::ThemeDocument document; // its records, colour table and counts
        std::vector<Entry> entries;
    };
    // An edit tried while a dialog is open: each try starts from the state
    // before the first, and the last is kept (one step) or put back.
    void beginTrial();
    void tryEdit(const std::function<void()>& edit);
    void endTrial(bool keep);

    // The state an edit changes, to be had back.
    struct Snapshot {
        std::shared_ptr<const Records> whole; // set where the edit changed the records themselves
        std::vector<theme::ColorTableRow> table;
        std::vector<std::array<std::string, 3>> records; // each entry's R, G and B records
        std::vector<std::optional<theme::ColorValue>> newColors;
        int markerRow = 0;
        std::int16_t markedRow = 0;
        theme::ColorValue workColor = 0;
    };
    Snapshot snapshot(bool withRecords = false) const;
    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();

    // The bytes "Save Theme" writes now; the changed entries' records are rebuilt first.
    std::string savedBytes();

private:
    // Made at the start of each edit: the outermost one records the state
    // before it as one step when it ends (none while a trial is open).
    class Recorder {
    public:
        explicit Recorder(ThemeModel& model, bool withRecords = false);
        ~Recorder();
        Recorder(const Recorder&) = delete;
        Recorder& operator=(const Recorder&) = delete;

    private:
        ThemeModel& m_model;
        std::optional<Snapshot> m_before;
    };

    void load(const theme::ThemeContent& content, bool store);
    void restore(const Snapshot& state);
    // An edit is done: the state before it can be had back; what was undone is gone.
    void recordEdit(Snapshot before);
    static void step(std::vector<Snapshot>& from, std::vector<Snapshot>& to, ThemeModel& model);

    std::unique_ptr<theme::ThemeDocument> m_document;
    std::vector<Entry> m_entries;
    std::vector<std::optional<theme::ColorValue>> m_newColors;
    int m_markerRow = 0;
    std::vector<Snapshot> m_undo; // unlimited within a run
    std::vector<Snapshot> m_redo;
    int m_editDepth = 0; // edits under way, the open trial counting as one
    std::optional<Snapshot> m_trialBase;
};

} // namespace tintwright::model
