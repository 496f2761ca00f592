// Feeds arbitrary bytes through the theme reader and, when they load as a
// theme, through the writer. Besides crashes and sanitizer reports it checks:
// - cutting records does not depend on where the reads split the text;
// - a theme saved without edits is exactly its records, each ended by CR LF,
//   and reading that back gives the same records and entries;
// - rewriting changed entries keeps the line count and writes the writer's form;
// - a later Live's theme that is read gives attribute values that stay
//   well-formed between double quotes on a line of their own.

#include "theme/LaterTheme.h"
#include "theme/ThemeDocument.h"
#include "theme/ThemeError.h"
#include "theme/ThemeReader.h"
#include "theme/ThemeWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace theme = tintwright::theme;

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property violated: %s\n", what);
        std::abort();
    }
}

struct Failure {
    theme::ErrorNumber number;
    int line;
    bool operator==(const Failure& other) const { return number == other.number && line == other.line; }
};

using Outcome = std::variant<std::vector<std::string>, Failure>;

Outcome cutInChunks(std::string_view text, std::size_t chunk)
{
    try {
        theme::RecordCutter cutter;
        for (std::size_t at = 0; at < text.size(); at += chunk) {
            cutter.feed(text.substr(at, chunk));
        }
        cutter.finish();
        return cutter.takeRecords();
    } catch (const theme::ThemeError& error) {
        return Failure {error.number(), error.line()};
    }
}

bool sameEntries(const std::vector<theme::ColorEntry>& a, const std::vector<theme::ColorEntry>& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].redSlot != b[i].redSlot || a[i].item != b[i].item || a[i].redText != b[i].redText
            || a[i].greenText != b[i].greenText || a[i].blueText != b[i].blueText || a[i].oldColor != b[i].oldColor) {
            return false;
        }
    }
    return true;
}

std::string joined(const std::vector<std::string>& records)
{
    std::string text;
    for (const std::string& record : records) {
        text += record;
        text += "\r\n";
    }
    return text;
}

void checkRoundTrip(const theme::ThemeContent& content)
{
    theme::ThemeDocument document;
    theme::storeTheme(document, content);
    theme::RewriteChangedEntries(document);
    std::string written;
    theme::WriteThemeLines(document, written);
    check(written == joined(content.records), "unedited save writes the records read");

    const std::optional<theme::ThemeContent> again = theme::readThemeText(written);
    check(again.has_value(), "a saved theme reads as a theme");
    check(again->records == content.records, "a saved theme reads back the same records");
    check(sameEntries(again->entries, content.entries), "a saved theme reads back the same entries");
}

void checkRewrite(const theme::ThemeContent& content, const std::uint8_t* data, std::size_t size)
{
    theme::ThemeDocument document;
    theme::storeTheme(document, content);
    for (int entry = 1; entry <= document.EntryCount; ++entry) {
        theme::ColorTableRow& row = theme::colorTableRow(document, entry);
        const std::size_t at = static_cast<std::size_t>(entry) * 3;
        row[theme::ColorTableColumn::Red] = size > at ? data[at] : 0;
        row[theme::ColorTableColumn::Green] = size > at + 1 ? data[at + 1] : 128;
        row[theme::ColorTableColumn::Blue] = size > at + 2 ? data[at + 2] : 255;
        row[theme::ColorTableColumn::Changed] = entry % 2;
    }
    theme::RewriteChangedEntries(document);
    std::string written;
    theme::WriteThemeLines(document, written);
    check(document.LineCount == static_cast<int>(content.records.size()), "rewriting keeps the line count");

    // The last changed entry is written after every other, so its three lines stand as built.
    for (int entry = document.EntryCount; entry >= 1; --entry) {
        const theme::ColorTableRow& row = document.ColorTable[static_cast<std::size_t>(entry)];
        if (row[theme::ColorTableColumn::Changed] != 1) {
            continue;
        }
        const std::size_t slot = static_cast<std::size_t>(row[theme::ColorTableColumn::RecordSlot]);
        check(document.ThemeLines[slot] == "<R Value=\"" + std::to_string(row[theme::ColorTableColumn::Red]) + "\" />",
              "a changed R line has the writer's form");
        check(document.ThemeLines[slot + 2]
                  == "<B Value=\"" + std::to_string(row[theme::ColorTableColumn::Blue]) + "\" />",
              "a changed B line has the writer's form");
        break;
    }
}

// No quote, line end or "<" of its own, and every "&" begins a reference.
bool writableBetweenDoubleQuotes(const std::string& value)
{
    if (value.find_first_of("\"\r\n<") != std::string::npos) {
        return false;
    }
    for (std::size_t at = value.find('&'); at != std::string::npos; at = value.find('&', at + 1)) {
        const std::size_t end = value.find(';', at);
        if (end == std::string::npos || end == at + 1) {
            return false;
        }
    }
    return true;
}

void checkLaterTheme(std::string_view text)
{
    try {
        const theme::LaterTheme later = theme::readLaterTheme(text);
        check(writableBetweenDoubleQuotes(later.creator), "a later theme's Creator is written well-formed");
        for (const theme::LaterRecord& record : later.records) {
            check(writableBetweenDoubleQuotes(record.value), "a later theme's values are written well-formed");
        }
    } catch (const theme::ThemeError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::size_t chunk = size > 0 ? 1 + data[0] % 97 : 1;
    check(cutInChunks(text, chunk) == cutInChunks(text, text.size() + 1), "cutting does not depend on chunks");

    checkLaterTheme(text);

    std::optional<theme::ThemeContent> content;
    try {
        content = theme::readThemeText(text);
    } catch (const theme::ThemeError&) {
        return 0;
    }
    if (content) {
        check(content->records.size() <= static_cast<std::size_t>(theme::kMaxLines), "at most 1200 records");
        check(content->entries.size() <= static_cast<std::size_t>(theme::kMaxEntries), "at most 169 entries");
        checkRoundTrip(*content);
        checkRewrite(*content, data, size);
    }
    return 0;
}
