#include "Command.h"
#include "Cli.h"

#include "make/Complete.h"
#include "theme/DisplayText.h"
#include "theme/ThemeError.h"
#include "theme/ThemeWriter.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <system_error>

namespace tintwright::cli {

namespace {

const std::map<std::string, ListFormat> kListFormats = {
    {"text", ListFormat::Text}, {"csv", ListFormat::Csv}, {"json", ListFormat::Json}};

// --in-place reads the theme and puts the result in its place, which only a
// regular file has: a pipe would be read empty and a device written through.
void refuseUnreplaceable(const std::string& file)
{
    std::error_code error;
    const std::filesystem::file_type type = std::filesystem::status(pathFromArgument(file), error).type();
    const char* what = type == std::filesystem::file_type::fifo                                      ? "a pipe"
        : type == std::filesystem::file_type::character || type == std::filesystem::file_type::block ? "a device"
        : type == std::filesystem::file_type::socket                                                 ? "a socket"
                                                                                                     : nullptr;
    if (what != nullptr) {
        throw CliError(file, std::string(what) + " cannot be replaced in place; write the result with -o OUT");
    }
}

// How long an edit in place waits for another that holds the theme: edits
// take milliseconds, so a theme held longer is held by something else.
constexpr std::chrono::milliseconds kInPlacePatience {5000};

} // namespace

const std::string& StandardInput::read(bool stopAtNoTheme)
{
    if (m_bytes) {
        return *m_bytes;
    }
    // Read as a named file is: the same limits, and nothing past the point
    // where the text shows it is no theme, so an endless input ends soon.
    std::string bytes;
    theme::RecordCutter cutter;
    std::string chunk(64 * 1024, '\0');
    errno = 0;
    try {
        for (;;) {
            m_in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            const auto got = static_cast<std::size_t>(m_in.gcount());
            if (got == 0) {
                break;
            }
            bytes.append(chunk.data(), got);
            if (!stopAtNoTheme && bytes.size() == got && theme::looksLikeUtf16(bytes)) {
                throw CliError("-", theme::kUtf16Reason);
            }
            if (!stopAtNoTheme) {
                cutter.feed(std::string_view(chunk.data(), got));
            } else if (!theme::feedTheme(cutter, std::string_view(chunk.data(), got))) {
                break;
            }
        }
    } catch (const theme::ThemeError& error) {
        throw CliError("-", error.message());
    }
    // A closed standard input reads as empty; only the C stream behind std::cin knows it failed.
    const int reason = errno;
    if (m_in.bad() || (&m_in == &std::cin && std::ferror(stdin))) {
        throw CliError("-",
                       "standard input cannot be read"
                           + (reason != 0 ? ": " + std::generic_category().message(reason) : std::string()) + ".",
                       true);
    }
    m_bytes = std::move(bytes);
    return *m_bytes;
}
bool looksLikeLaterLiveTheme(std::string_view head)
{
    theme::RecordCutter cutter;
    try {
        cutter.feed(head);
    } catch (const theme::ThemeError&) {
        return false;
    }
    constexpr std::size_t kHeaderRecords = 8; // the colours begin within the first few lines
    constexpr std::string_view kValue = " Value=\"#";
    const std::vector<std::string>& records = cutter.records();
    for (std::size_t i = 0; i < std::min(records.size(), kHeaderRecords); ++i) {
        const std::string& record = records[i];
        const std::size_t at = record.find(kValue);
        if (at == std::string::npos || record.front() != '<') {
            continue;
        }
        // #rrggbb, or #rrggbbaa with an alpha.
        const std::size_t digits = at + kValue.size();
        std::size_t end = digits;
        while (end < record.size() && std::isxdigit(static_cast<unsigned char>(record[end])) != 0) {
            ++end;
        }
        if ((end - digits == 6 || end - digits == 8) && end < record.size() && record[end] == '"') {
            return true;
        }
    }
    return false;
}
ReadTheme readTheme(const std::string& file, StandardInput& input)
{
    ReadTheme read;
    std::optional<theme::ThemeContent> content;
    try {
        read.bytes = file == "-" ? input.bytes() : theme::readThemeBytes(pathFromArgument(file));
        content = theme::readThemeText(read.bytes);
    } catch (const theme::ThemeError& error) {
        throw CliError(file, error.message(), error.number() == theme::ErrorNumber::FileNotFound);
    }
    if (!content) {
        CliError error(file, theme::kWrongFormatMessage);
        if (theme::looksLikeUtf16(read.bytes)) {
            error.setDetail(theme::kUtf16Reason);
        } else if (looksLikeLaterLiveTheme(read.bytes)) {
            error.setDetail("it looks like a theme of Live 11 or 12, which gives each colour as one "
                            "Value=\"#rrggbb\" or \"#rrggbbaa\"; a Live 10 theme gives R, G and B lines");
        }
        throw error;
    }
    read.content = std::move(*content);
    read.misread = theme::misreadings(read.content);
    return read;
}

void tellMisreadings(const std::string& file, const std::vector<theme::Misreading>& misread, std::ostream& out)
{
    for (const theme::Misreading& misreading : misread) {
        out << escaped(file) << ": line " << misreading.line << ": " << escaped(misreading.text) << '\n';
    }
}

theme::ThemeContent loadTheme(const std::string& file, Context& context)
{
    ReadTheme read = readTheme(file, context.input);
    tellMisreadings(file, read.misread, context.err);
    return std::move(read.content);
}

theme::ThemeContent loadThemeToWrite(const std::string& file, Context& context, bool asRead)
{
    return loadThemeToWrite(file, readTheme(file, context.input), context, asRead);
}

theme::ThemeContent loadThemeToWrite(const std::string& file, ReadTheme read, Context& context, bool asRead)
{
    if (!read.misread.empty() && !asRead) {
        const theme::Misreading& first = read.misread.front();
        const std::size_t more = read.misread.size() - 1;
        CliError error(file,
                       "line " + std::to_string(first.line) + ": " + first.text
                           + (more == 0 ? std::string()
                                        : " (and " + counted(more, "more record", "more records")
                                      + " read otherwise than written; tintwright-cli check lists them)"));
        error.setDetail("nothing was written; --as-read writes a theme built on what is read");
        throw error;
    }
    tellMisreadings(file, read.misread, context.err);
    return std::move(read.content);
}

void addAsReadFlag(CLI::App& command, bool& asRead)
{
    command.add_flag("--as-read", asRead,
                     "write the result also where THEME is read otherwise than written (tintwright-cli check "
                     "tells where), building on what is read");
}

theme::platform::FileLock lockInPlace(const std::string& file)
{
    if (file == "-") {
        throw CliError("", "--in-place needs a theme file; standard input cannot be replaced");
    }
    refuseUnreplaceable(file);
    theme::platform::FileLock lock;
    const std::error_code error = theme::platform::lockFile(pathFromArgument(file), kInPlacePatience, lock);
    if (error == std::errc::resource_unavailable_try_again) {
        throw CliError(file,
                       "another program is changing this theme in place (it is locked); nothing was written, "
                       "try again");
    }
    if (error) {
        throw CliError(file, "the file cannot be opened: " + error.message() + ".", true);
    }
    return lock;
}

std::string boundedText(const std::string& file, StandardInput& input)
{
    if (file == "-") {
        return input.text();
    }
    try {
        return theme::readTextFile(pathFromArgument(file));
    } catch (const theme::ThemeError& error) {
        throw CliError(file, error.message(), error.number() == theme::ErrorNumber::FileNotFound);
    }
}

std::string savedTheme(const std::vector<std::string>& records)
{
    model::ThemeModel theme;
    try {
        theme.load(make::asReadTheme(records));
    } catch (const theme::ThemeError& error) {
        throw CliError("", error.message());
    }
    return theme.savedBytes();
}

void writeResult(const std::string& target, const std::string& bytes, std::ostream& out)
{
    if (target == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return;
    }
    try {
        theme::replaceFile(pathFromArgument(target), bytes);
    } catch (const theme::ThemeError& error) {
        throw CliError(target, error.message());
    }
}

void addFormatOption(CLI::App& command, std::string& format, const char* description)
{
    command.add_option("--format", format, description)->check(CLI::IsMember(kListFormats));
}

ListFormat listFormat(const std::string& format)
{
    return kListFormats.at(format);
}

CLI::App* EditCommand::defineEdit(CLI::App& program, const char* name, const char* description)
{
    m_name = name;
    CLI::App* command = program.add_subcommand(name, description);
    command->add_option("THEME", m_theme, "the theme to read")->required();
    return command;
}

void EditCommand::addOutputOptions(CLI::App& command)
{
    cli::addOutputOptions(command, m_output, m_inPlace);
    addAsReadFlag(command, m_asRead);
}

void addOutputOptions(CLI::App& command, std::string& output, bool& inPlace)
{
    CLI::Option* option =
        command.add_option("-o,--output", output,
                           "save the result to OUT; - writes it to standard output (this or --in-place is REQUIRED)");
    option->type_name("OUT");
    command.add_flag("--in-place", inPlace, "replace THEME with the result (this or -o is REQUIRED)")->excludes(option);
}

int EditCommand::run(Context& context)
{
    checkOptions();
    if (m_output.empty() && !m_inPlace) {
        throw CliError("", m_name + " needs -o OUT, -o - or --in-place");
    }
    // Held from before the read until after the replacement, so no other edit in place comes between.
    const theme::platform::FileLock lock = m_inPlace ? lockInPlace(m_theme) : theme::platform::FileLock();
    model::ThemeModel theme;
    theme.load(loadThemeToWrite(m_theme, context, m_asRead));
    const int changed = change(theme, m_theme);
    // A theme that would not change stays as it is, bytes and all; -o still writes the file asked for.
    if (changed > 0 || !m_inPlace) {
        writeResult(m_inPlace ? m_theme : m_output, theme.savedBytes(), context.out);
    }
    context.err << changed << (changed == 1 ? " entry" : " entries") << " changed\n";
    return kNothingFound;
}

} // namespace tintwright::cli
