#include "Cli.h"

#include "Arguments.h"
#include "Commands.h"
#include "theme/ThemeError.h"
#include "theme/ThemeWriter.h"

#include <CLI/CLI.hpp>

#include <map>

namespace tintwright::cli {

namespace {

constexpr char kProgram[] = "tintwright-cli";

const std::map<std::string, ListFormat> kListFormats = {
    {"text", ListFormat::Text}, {"csv", ListFormat::Csv}, {"json", ListFormat::Json}};

struct Options {
    std::string theme;
    std::vector<std::string> themes;
    std::string format = "text";
    std::vector<std::string> pairs;
    std::string output;
    bool inPlace = false;
};

// The options of set and replace: the theme, its pairs, and where the result goes.
CLI::App* addEditCommand(CLI::App& app, const char* name, const char* description, const char* pairs,
                         const char* example, Options& options)
{
    CLI::App* command = app.add_subcommand(name, description);
    command->add_option("THEME", options.theme, "the theme to read")->required();
    command->add_option(pairs, options.pairs)->required();
    CLI::Option* output =
        command->add_option("-o,--output", options.output, "save the result to OUT; - writes it to standard output");
    output->type_name("OUT");
    command->add_flag("--in-place", options.inPlace, "replace THEME with the result")->excludes(output);
    command->footer(std::string("Example:\n  ") + example);
    return command;
}

void writeResult(const Options& options, const std::string& bytes, std::ostream& out)
{
    if (options.output == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        return;
    }
    const std::string& target = options.inPlace ? options.theme : options.output;
    try {
        theme::replaceFile(pathFromArgument(target), bytes);
    } catch (const theme::ThemeError& error) {
        throw CliError(target, error.what());
    }
}

int edit(const Options& options, bool byColor, std::ostream& out, std::ostream& err)
{
    if (options.output.empty() && !options.inPlace) {
        throw CliError("", std::string(byColor ? "replace" : "set") + " needs -o OUT, -o - or --in-place");
    }
    const theme::ThemeContent theme = loadTheme(options.theme);
    const NewColors colors = byColor ? colorsToReplace(theme, options.theme, options.pairs)
                                     : colorsToSet(theme, options.theme, options.pairs);
    writeResult(options, savedTheme(theme, colors), out);
    err << colors.size() << (colors.size() == 1 ? " entry" : " entries") << " changed\n";
    return kNothingFound;
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    Options options;
    CLI::App app("Lists, sets, replaces and compares the colours of Ableton Live 10 themes (.ask), "
                 "writing exactly what Tintwright's \"Save Theme\" writes.",
                 kProgram);
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(kProgram) + " " + TINTWRIGHT_VERSION);
    app.footer("ENTRY is an entry number or an element name, with or without its angle brackets.\n"
               "COLOR is #RRGGBB or R,G,B with each part 0..255.\n\n"
               "Examples:\n"
               "  tintwright-cli list Dark.ask --format json\n"
               "  tintwright-cli set Dark.ask SurfaceArea=#1e1e1e 12=30,30,30 -o myDark.ask\n"
               "  tintwright-cli replace Dark.ask '#ff8000=#0080ff' --in-place\n"
               "  tintwright-cli diff Dark.ask myDark.ask\n"
               "  tintwright-cli check *.ask\n\n"
               "Exit status: 0 nothing to report, 1 a difference or a refused theme, 2 trouble.");

    CLI::App* list = app.add_subcommand("list", "List every colour entry of THEME");
    list->add_option("THEME", options.theme, "the theme to read")->required();
    list->add_option("--format", options.format, "text (the default), csv or json")->check(CLI::IsMember(kListFormats));
    list->footer("Example:\n  tintwright-cli list Dark.ask --format csv");

    CLI::App* set =
        addEditCommand(app, "set", "Give the named entries new colours", "ENTRY=COLOR",
                       "tintwright-cli set Dark.ask SurfaceArea=#1e1e1e '<Alert>=255,64,0' -o myDark.ask", options);
    CLI::App* replace = addEditCommand(app, "replace", "Give every entry of one colour another colour", "COLOR=COLOR",
                                       "tintwright-cli replace Dark.ask '#ff8000=#0080ff' -o -", options);

    CLI::App* diff = app.add_subcommand("diff", "Compare two themes entry by entry (exit 1 when they differ)");
    diff->add_option("THEME_A THEME_B", options.themes, "the two themes")->required()->expected(2);
    diff->footer("Example:\n  tintwright-cli diff Dark.ask myDark.ask");

    CLI::App* check = app.add_subcommand("check", "Tell of each file whether it is a theme (exit 1 when one is not)");
    check->add_option("THEME", options.themes, "the files to check")->required();
    check->footer("Example:\n  tintwright-cli check *.ask");

    try {
        std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
        app.parse(reversed);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        err << kProgram << ": " << error.what() << " (see " << kProgram << " --help)\n";
        return kTrouble;
    }

    try {
        if (list->parsed()) {
            listEntries(loadTheme(options.theme), kListFormats.at(options.format), out);
            return kNothingFound;
        }
        if (set->parsed() || replace->parsed()) {
            return edit(options, replace->parsed(), out, err);
        }
        if (diff->parsed()) {
            const theme::ThemeContent first = loadTheme(options.themes[0]);
            const theme::ThemeContent second = loadTheme(options.themes[1]);
            return diffThemes(first, options.themes[0], second, options.themes[1], out) > 0 ? kFound : kNothingFound;
        }
        bool allThemes = true;
        for (const std::string& file : options.themes) {
            allThemes = checkTheme(file, out) && allThemes;
        }
        return allThemes ? kNothingFound : kFound;
    } catch (const CliError& error) {
        err << kProgram << ": " << (error.file().empty() ? "" : error.file() + ": ") << error.problem() << '\n';
        return kTrouble;
    }
}

} // namespace tintwright::cli
