#pragma once

#include "Arguments.h"
#include "Output.h"
#include "model/ThemeModel.h"
#include "theme/Misreadings.h"
#include "theme/PlatformFile.h"
#include "theme/ThemeReader.h"

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace CLI {
class App;
} // namespace CLI

// What every command of tintwright-cli shares: where it reads and writes, how
// a theme named on the command line is read, and the shape of a command.
namespace tintwright::cli {

// Standard input, read once, for a THEME given as "-": with the limits of a
// named file, and no further than where the text shows it is no theme.
class StandardInput {
public:
    explicit StandardInput(std::istream& in)
        : m_in(in)
    {
    }
    const std::string& bytes() { return read(true); }
    // All of it, read with the same limits, whether it looks like a Live 10 theme or not.
    const std::string& text() { return read(false); }

private:
    const std::string& read(bool stopAtNoTheme);

    std::istream& m_in;
    std::optional<std::string> m_bytes;
};

struct Context {
    StandardInput& input;
    std::ostream& out; // data
    std::ostream& err; // messages and summaries
};

// A theme as read from its file, which is read once.
struct ReadTheme {
    theme::ThemeContent content;
    std::string bytes; // the file's bytes
    std::vector<theme::Misreading> misread; // the records the reader takes otherwise than written
};

// Reads a theme as the window does ("-" is standard input), reading the file
// once. Throws CliError with the window's words for a file it would refuse,
// and a detail for a theme of a later Live or in UTF-16.
ReadTheme readTheme(const std::string& file, StandardInput& input);

// "FILE: line N: what is read", one line per record the reader takes otherwise than written.
void tellMisreadings(const std::string& file, const std::vector<theme::Misreading>& misread, std::ostream& out);

// readTheme, telling on standard error every record read otherwise than written.
theme::ThemeContent loadTheme(const std::string& file, Context& context);

// loadTheme for a command that writes a theme built on what it reads: a theme
// read otherwise than written is refused, unless `asRead` (--as-read) says to
// build on what is read. Throws CliError.
theme::ThemeContent loadThemeToWrite(const std::string& file, Context& context, bool asRead);
// The same for a theme read already.
theme::ThemeContent loadThemeToWrite(const std::string& file, ReadTheme read, Context& context, bool asRead);

// --as-read, into `asRead`.
void addAsReadFlag(CLI::App& command, bool& asRead);

// Checks that `file` can be replaced in place (a regular file, not standard
// input) and locks it for the read, the change and the replacement, waiting
// briefly for another program that holds it. Throws CliError.
theme::platform::FileLock lockInPlace(const std::string& file);

// Whether the beginning of a text that is not a Live 10 theme is one of Live
// 11 or 12, whose colours are single Value="#rrggbb" attributes.
bool looksLikeLaterLiveTheme(std::string_view head);

// The whole text of a file ("-" is standard input) read with the limits of a
// theme (1200 lines of at most 64 KiB), whatever it holds. Throws CliError.
std::string boundedText(const std::string& file, StandardInput& input);

// Writes `bytes` to the file `target` as a save does, or to standard output for "-". Throws CliError.
void writeResult(const std::string& target, const std::string& bytes, std::ostream& out);

// What "Save Theme" writes for a theme of these records (read as the window
// reads it, so the window and the CLI write the same bytes). Throws CliError.
std::string savedTheme(const std::vector<std::string>& records);

// One command: it adds itself and its options to the program, and carries
// out what they say once they are parsed.
class Command {
public:
    virtual ~Command() = default;
    virtual CLI::App* define(CLI::App& program) = 0;
    // The exit code. Throws CliError.
    virtual int run(Context& context) = 0;
    // What exit status 1 tells of this command ("the themes differ"), or
    // nothing where it never exits 1; --help and the manual page list them.
    virtual std::string_view exitOne() const { return {}; }
};

// -o OUT and --in-place, one of which a command that changes a theme needs.
void addOutputOptions(CLI::App& command, std::string& output, bool& inPlace);

// --format text|csv|json, into `format`.
void addFormatOption(CLI::App& command, std::string& format, const char* description);
ListFormat listFormat(const std::string& format);

// A command that changes colours (set, replace, adjust): it reads THEME into
// the model, lets `change` edit it, and writes the result to -o OUT or, with
// --in-place, over THEME; "N entries changed" goes to standard error.
class EditCommand : public Command {
public:
    int run(Context& context) final;

protected:
    // The command with THEME; then come the caller's options, then addOutputOptions.
    CLI::App* defineEdit(CLI::App& program, const char* name, const char* description);
    // -o OUT, --in-place and --as-read.
    void addOutputOptions(CLI::App& command);
    // Reads the options and arguments before THEME is read. Throws CliError.
    virtual void checkOptions() { }
    // Edits the model: how many entries changed. Throws CliError.
    virtual int change(model::ThemeModel& theme, const std::string& file) = 0;
    const std::string& themeFile() const { return m_theme; }

private:
    std::string m_name;
    std::string m_theme;
    std::string m_output;
    bool m_inPlace = false;
    bool m_asRead = false;
};

} // namespace tintwright::cli
