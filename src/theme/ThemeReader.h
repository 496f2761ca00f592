#pragma once

#include "ColorValue.h"
#include "ThemeDocument.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintwright::theme {

inline constexpr std::size_t kMaxLineLength = 64 * 1024; // longer lines are not theme text

// What a person is told of a file that is not a Live 10 theme, in the
// program's own long-standing words, leading blank included.
inline constexpr char kWrongFormatMessage[] = " Wrong file format, this is not an Live 10 Theme Skin!";

// Why UTF-16 text is refused, in the words a person is told.
inline constexpr char kUtf16Reason[] = "this is UTF-16 text; a theme is read as UTF-8: save it as UTF-8.";

// Cuts theme text into records: one record per line, without its line end and
// without the spaces and tabs in front of it. A line ends at CR LF, LF or a
// lone CR; commas and quotes are ordinary characters. Throws ThemeError for a
// line longer than 64 KiB or a line past the 1200th.
class RecordCutter {
public:
    void feed(std::string_view bytes);
    // The text has ended: a last line without a line end becomes a record.
    void finish();

    const std::vector<std::string>& records() const { return m_records; }
    std::vector<std::string> takeRecords() { return std::move(m_records); }

private:
    void append(std::string_view bytes);
    void endRecord();

    std::vector<std::string> m_records;
    std::string m_current;
    std::size_t m_lineLength = 0;
    bool m_lineOpen = false;
    bool m_afterCarriageReturn = false;
};

// Feeds one chunk of theme text; false as soon as the records read show the
// text is not a theme, so the rest of a foreign file or a pipe is never read.
// Throws ThemeError as the cutter does.
bool feedTheme(RecordCutter& cutter, std::string_view chunk);

// True when the fourth record is "<ControlForeground>"; blanks after it do not count.
bool hasThemeFormat(const std::vector<std::string>& records);

// True when the record begins an entry: its first eight characters are "<R Value".
bool isColorEntryRecord(std::string_view record);

// The value text of an R, G or B record: character 11, then characters 12 and
// 13 each where it is a digit (counted from 1). Empty for a shorter record.
std::string valueText(std::string_view record);

struct ColorEntry {
    int redSlot = 0; // record number of the entry's R record
    std::string item; // the record before the R record, the themed element
    std::string redText;
    std::string greenText;
    std::string blueText;
    ColorValue oldColor = 0;
};

struct ThemeContent {
    std::vector<std::string> records; // record n is element n - 1
    std::vector<ColorEntry> entries;
};

// Lists the colour entries among the records. Throws ThemeError for more than
// 169 entries, an R record without its G and B records, a value text that is
// not a number, or an element name holding a NUL byte (no theme text has one).
std::vector<ColorEntry> listEntries(const std::vector<std::string>& records);

// Reads and lists a whole theme. Empty when the text is not a theme: fewer than
// four lines, or a fourth line other than "<ControlForeground>". Throws ThemeError.
std::optional<ThemeContent> readThemeFile(const std::filesystem::path& path);
std::optional<ThemeContent> readThemeText(std::string_view text);

// The bytes of a file as the reader takes them, for reading them once: all of
// a theme, and of other text no more than shows it is no theme. Throws
// ThemeError as readThemeFile does.
std::string readThemeBytes(const std::filesystem::path& path);

// Whether text begins as UTF-16 does: with its byte order mark, or as ASCII
// letters each beside a NUL byte.
bool looksLikeUtf16(std::string_view head);

// The whole text of a file, read with a theme's limits (at most 1200 lines of
// at most 64 KiB), whatever it holds: for themes of other formats. Throws
// ThemeError for a file that cannot be read, for text beyond the limits and
// for UTF-16 text.
std::string readTextFile(const std::filesystem::path& path);

// Puts a read theme into a document at its start-up state: records into
// ThemeLines and LineCount, entries into EntryCount and ColorTable column 0.
void storeTheme(ThemeDocument& document, const ThemeContent& content);

} // namespace tintwright::theme
