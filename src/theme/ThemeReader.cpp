#include "ThemeReader.h"

#include "Misreadings.h"
#include "PlatformFile.h"
#include "ThemeError.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <system_error>

namespace tintwright::theme {

namespace {

constexpr std::string_view kFormatRecord = "<ControlForeground>";
constexpr std::string_view kEntryStart = "<R Value";
constexpr std::size_t kValueStart = 10; // character 11

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool showsNotTheme(const std::vector<std::string>& records)
{
    return records.size() >= 4 && !hasThemeFormat(records);
}

bool isDigit(std::string_view text, std::size_t index)
{
    return index < text.size() && text[index] >= '0' && text[index] <= '9';
}

std::string systemReason(int error)
{
    return std::generic_category().message(error);
}

// A decimal integer with an optional sign and blanks (spaces, tabs) around it.
std::optional<int> toNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 4) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The number the value text stands for; the message quotes the whole value
// as written, of which the value text may be only the start.
int componentValue(const std::string& text, std::string_view record, const char* channel, int line)
{
    const std::optional<int> value = toNumber(text);
    if (!value) {
        throw ThemeError(ErrorNumber::TypeMismatch,
                         std::string("the ") + channel + " value \"" + writtenValue(record) + "\" is not a number.",
                         line);
    }
    return *value;
}

std::optional<ThemeContent> finishReading(RecordCutter& cutter)
{
    cutter.finish();
    if (!hasThemeFormat(cutter.records())) {
        return std::nullopt;
    }
    ThemeContent content;
    content.records = cutter.takeRecords();
    content.entries = listEntries(content.records);
    return content;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the file in chunks of 64 KiB, handing each to `take` while it
// returns true; whether the file was read to its end. Throws ThemeError for a
// folder and for a file that cannot be opened or read.
bool readChunks(const std::filesystem::path& path, const std::function<bool(std::string_view)>& take)
{
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        throw ThemeError(ErrorNumber::FileNotFound, "this is a folder, not a theme file.");
    }
    errno = 0;
    const std::unique_ptr<std::FILE, FileCloser> file(platform::openForReading(path));
    if (!file) {
        throw ThemeError(ErrorNumber::FileNotFound, "the file cannot be opened: " + systemReason(errno) + ".");
    }
    std::string chunk(64 * 1024, '\0');
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), file.get());
        if (got == 0) {
            if (std::ferror(file.get())) {
                throw ThemeError(ErrorNumber::FileNotFound, "the file cannot be read: " + systemReason(errno) + ".");
            }
            return true;
        }
        if (!take(std::string_view(chunk.data(), got))) {
            return false;
        }
    }
}

} // namespace

void RecordCutter::feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (bytes.front() == '\n') {
                bytes.remove_prefix(1);
                continue;
            }
        }
        const auto lineEnd = std::find_if(bytes.begin(), bytes.end(), [](char c) { return c == '\r' || c == '\n'; });
        const std::size_t end = static_cast<std::size_t>(lineEnd - bytes.begin());
        append(bytes.substr(0, end));
        if (end == bytes.size()) {
            return;
        }
        endRecord();
        m_afterCarriageReturn = bytes[end] == '\r';
        bytes.remove_prefix(end + 1);
    }
}

void RecordCutter::append(std::string_view bytes)
{
    if (bytes.empty()) {
        return;
    }
    m_lineOpen = true;
    m_lineLength += bytes.size();
    if (m_lineLength > kMaxLineLength) {
        throw ThemeError(ErrorNumber::SubscriptOutOfRange, "the line is longer than 64 KiB; this is not a theme text.",
                         static_cast<int>(m_records.size()) + 1);
    }
    if (m_current.empty()) {
        const auto text = std::find_if_not(bytes.begin(), bytes.end(), isBlank);
        bytes.remove_prefix(static_cast<std::size_t>(text - bytes.begin()));
        if (bytes.empty()) {
            return;
        }
    }
    m_current.append(bytes);
}

void RecordCutter::endRecord()
{
    if (m_records.size() == static_cast<std::size_t>(kMaxLines)) {
        throw ThemeError(ErrorNumber::SubscriptOutOfRange,
                         "the theme has more than " + std::to_string(kMaxLines) + " lines.", kMaxLines + 1);
    }
    m_records.push_back(std::move(m_current));
    m_current.clear();
    m_lineLength = 0;
    m_lineOpen = false;
}

void RecordCutter::finish()
{
    if (m_lineOpen) {
        endRecord();
    }
}

bool feedTheme(RecordCutter& cutter, std::string_view chunk)
{
    try {
        cutter.feed(chunk);
    } catch (const ThemeError&) {
        if (showsNotTheme(cutter.records())) {
            return false;
        }
        throw;
    }
    return !showsNotTheme(cutter.records());
}

bool hasThemeFormat(const std::vector<std::string>& records)
{
    if (records.size() < 4) {
        return false;
    }
    std::string_view fourth = records[3];
    while (!fourth.empty() && isBlank(fourth.back())) {
        fourth.remove_suffix(1);
    }
    return fourth == kFormatRecord;
}

bool isColorEntryRecord(std::string_view record)
{
    return record.substr(0, kEntryStart.size()) == kEntryStart;
}

std::string valueText(std::string_view record)
{
    if (record.size() <= kValueStart) {
        return {};
    }
    std::size_t length = 1;
    if (isDigit(record, kValueStart + 1)) {
        length = 2;
    }
    if (isDigit(record, kValueStart + 2)) {
        length = 3;
    }
    return std::string(record.substr(kValueStart, length));
}

std::vector<ColorEntry> listEntries(const std::vector<std::string>& records)
{
    std::vector<ColorEntry> entries;
    const int count = static_cast<int>(records.size());
    for (int slot = 1; slot <= count; ++slot) {
        if (!isColorEntryRecord(records[static_cast<std::size_t>(slot - 1)])) {
            continue;
        }
        if (entries.size() == static_cast<std::size_t>(kMaxEntries)) {
            throw ThemeError(ErrorNumber::SubscriptOutOfRange,
                             "the theme has more than " + std::to_string(kMaxEntries) + " colour entries; at most "
                                 + std::to_string(kMaxEntries) + " can be listed.",
                             slot);
        }
        if (slot + 2 > count) {
            throw ThemeError(ErrorNumber::TypeMismatch,
                             slot + 1 > count ? "the R line of a colour entry has no G and B lines after it."
                                              : "the R line of a colour entry has no B line after it.",
                             slot);
        }
        ColorEntry entry;
        entry.redSlot = slot;
        entry.item = slot > 1 ? records[static_cast<std::size_t>(slot - 2)] : std::string();
        // Names are matched as whole texts; one cut by a NUL byte would be taken for another.
        if (entry.item.find('\0') != std::string::npos) {
            throw ThemeError(ErrorNumber::TypeMismatch, "the element name holds a NUL byte; this is not a theme text.",
                             slot - 1);
        }
        entry.redText = valueText(records[static_cast<std::size_t>(slot - 1)]);
        entry.greenText = valueText(records[static_cast<std::size_t>(slot)]);
        entry.blueText = valueText(records[static_cast<std::size_t>(slot + 1)]);
        const auto record = [&](int at) -> const std::string& { return records[static_cast<std::size_t>(at - 1)]; };
        entry.oldColor = composeColor(componentValue(entry.redText, record(slot), "R", slot),
                                      componentValue(entry.greenText, record(slot + 1), "G", slot + 1),
                                      componentValue(entry.blueText, record(slot + 2), "B", slot + 2));
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<ThemeContent> readThemeText(std::string_view text)
{
    RecordCutter cutter;
    constexpr std::size_t kChunk = 64 * 1024;
    for (std::size_t at = 0; at < text.size(); at += kChunk) {
        if (!feedTheme(cutter, text.substr(at, kChunk))) {
            return std::nullopt;
        }
    }
    return finishReading(cutter);
}

bool looksLikeUtf16(std::string_view head)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(head[at]); };
    if (head.size() >= 2 && ((byte(0) == 0xFF && byte(1) == 0xFE) || (byte(0) == 0xFE && byte(1) == 0xFF))) {
        return true;
    }
    if (head.size() < 4) {
        return false;
    }
    const bool littleEndian = byte(0) != 0 && byte(1) == 0 && byte(2) != 0 && byte(3) == 0;
    const bool bigEndian = byte(0) == 0 && byte(1) != 0 && byte(2) == 0 && byte(3) != 0;
    return littleEndian || bigEndian;
}

std::string readTextFile(const std::filesystem::path& path)
{
    RecordCutter cutter; // throws past the limits, so an endless file ends soon
    std::string text;
    readChunks(path, [&](std::string_view chunk) {
        // Cut as bytes, UTF-16 would be twice its lines, every other one a NUL byte.
        if (text.empty() && looksLikeUtf16(chunk)) {
            throw ThemeError(ErrorNumber::TypeMismatch, kUtf16Reason);
        }
        cutter.feed(chunk);
        text.append(chunk);
        return true;
    });
    return text;
}

std::string readThemeBytes(const std::filesystem::path& path)
{
    RecordCutter cutter;
    std::string bytes;
    readChunks(path, [&](std::string_view chunk) {
        bytes.append(chunk);
        return feedTheme(cutter, chunk);
    });
    return bytes;
}

std::optional<ThemeContent> readThemeFile(const std::filesystem::path& path)
{
    RecordCutter cutter;
    if (!readChunks(path, [&](std::string_view chunk) { return feedTheme(cutter, chunk); })) {
        return std::nullopt;
    }
    return finishReading(cutter);
}

void storeTheme(ThemeDocument& document, const ThemeContent& content)
{
    if (content.records.size() > static_cast<std::size_t>(kMaxLines)
        || content.entries.size() > static_cast<std::size_t>(kColorTableRows)) {
        throw ThemeError(ErrorNumber::SubscriptOutOfRange, "the theme does not fit into the document.");
    }
    for (const std::string& record : content.records) {
        ++document.LineCount;
        document.ThemeLines[static_cast<std::size_t>(document.LineCount)] = record;
        document.CurrentLine = record;
    }
    for (const ColorEntry& entry : content.entries) {
        ++document.EntryCount;
        colorTableRow(document, document.EntryCount)[ColorTableColumn::RecordSlot] =
            static_cast<std::int16_t>(entry.redSlot);
    }
}

} // namespace tintwright::theme
