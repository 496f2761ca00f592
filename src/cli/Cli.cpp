#include "Cli.h"

#include "Arguments.h"
#include "Commands.h"
#include "SketchCommands.h"
#include "color/Color.h"
#include "theme/ThemeError.h"
#include "theme/ThemeWriter.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <map>
#include <sstream>
#include <system_error>

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
    std::string view = "both";
    std::vector<std::string> elements;
    bool all = false;
    std::string minimumText = "4.5";
    std::string minimumGraphic = "3.0";
    std::string hue = "0";
    std::string chroma = "1";
    std::string lightness = "0";
    bool invertLightness = false;
    std::vector<std::string> patterns;
};

// The ranges of the numeric options, as --help and the man page state them.
constexpr double kHueRange = 360; // degrees either way
constexpr double kMostChroma = 10; // a factor; sRGB's most colourful colours need less than 3
constexpr double kLightnessRange = 1;
constexpr double kLeastRatio = 1;
constexpr double kMostRatio = 21; // WCAG's ratios run from 1 to 21

color::Adjustment adjustment(const Options& options)
{
    color::Adjustment result;
    result.hue = parseNumber("--hue", options.hue, -kHueRange, kHueRange);
    result.chroma = parseNumber("--chroma", options.chroma, 0, kMostChroma);
    result.lightness = parseNumber("--lightness", options.lightness, -kLightnessRange, kLightnessRange);
    result.invertLightness = options.invertLightness;
    return result;
}

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

// Writes `bytes` to the file `target`, or to standard output for "-".
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

// set, replace and adjust: the theme read, the entries `change` names given
// their new colours, and the result written where the options say.
template<typename Change>
int edit(const Options& options, const char* command, Change&& change, StandardInput& input, std::ostream& out,
         std::ostream& err)
{
    if (options.output.empty() && !options.inPlace) {
        throw CliError("", std::string(command) + " needs -o OUT, -o - or --in-place");
    }
    if (options.inPlace && options.theme == "-") {
        throw CliError("", "--in-place needs a theme file; standard input cannot be replaced");
    }
    if (options.inPlace) {
        refuseUnreplaceable(options.theme);
    }
    model::ThemeModel theme;
    theme.load(loadTheme(options.theme, input));
    const int changed = change(theme);
    // A theme that would not change stays as it is, bytes and all; -o still writes the file asked for.
    if (changed > 0 || !options.inPlace) {
        writeResult(options.inPlace ? options.theme : options.output, theme.savedBytes(), out);
    }
    err << changed << (changed == 1 ? " entry" : " entries") << " changed\n";
    return kNothingFound;
}

int compareThemes(const Options& options, StandardInput& input, std::ostream& out)
{
    const theme::ThemeContent first = loadTheme(options.themes[0], input);
    const theme::ThemeContent second = loadTheme(options.themes[1], input);
    if (diffThemes(first, options.themes[0], second, options.themes[1], out) > 0) {
        return kFound;
    }
    if (options.themes[0] != options.themes[1]
        && fileBytes(options.themes[0], input) != fileBytes(options.themes[1], input)) {
        out << "the themes differ only in line ends or indentation\n";
    }
    return kNothingFound;
}

int checkThemes(const Options& options, StandardInput& input, std::ostream& out, std::ostream& err)
{
    int code = kNothingFound;
    for (const std::string& file : options.themes) {
        switch (checkTheme(file, input, out, err)) {
        case CheckResult::Theme:
            break;
        case CheckResult::NotATheme:
            code = std::max(code, static_cast<int>(kFound));
            break;
        case CheckResult::Unreadable:
            code = kTrouble;
            break;
        }
    }
    return code;
}

// The command named on the command line, when it names one that does not exist.
std::string unknownCommand(const CLI::App& app, const std::vector<std::string>& arguments)
{
    if (arguments.empty() || arguments.front().empty() || arguments.front().front() == '-') {
        return {};
    }
    for (const CLI::App* command : app.get_subcommands({})) {
        if (command->get_name() == arguments.front()) {
            return {};
        }
    }
    return arguments.front();
}

} // namespace

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return runCli(arguments, std::cin, out, err);
}

int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
    Options options;
    CLI::App app("Lists, sets, replaces and compares the colours of Ableton Live 10 themes (.ask), "
                 "writing exactly what Tintwright's \"Save Theme\" writes.",
                 kProgram);
    app.allow_windows_style_options(false);
    app.require_subcommand(1);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.set_version_flag("--version", std::string(kProgram) + " " + TINTWRIGHT_VERSION);
    app.footer("ENTRY is an entry number or an element name, with or without its angle brackets.\n"
               "COLOR is #RRGGBB or R,G,B with each part 0..255. THEME - is standard input.\n"
               "A theme has at most 1200 lines and 169 colour entries.\n\n"
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

    CLI::App* adjust = app.add_subcommand("adjust", "Shift the colours of THEME in OKLCH: hue, chroma, lightness");
    adjust->add_option("THEME", options.theme, "the theme to read")->required();
    adjust->add_option("--hue", options.hue, "degrees to turn the hue by, -360..360 (0)")->type_name("DEG");
    adjust->add_option("--chroma", options.chroma, "factor for the chroma, 0..10 (1)")->type_name("FACTOR");
    adjust->add_option("--lightness", options.lightness, "to add to the lightness, -1..1 (0)")->type_name("DELTA");
    adjust->add_flag("--invert-lightness", options.invertLightness, "lightness L becomes 1 - L first");
    adjust
        ->add_option("--only", options.patterns,
                     "adjust only elements matching PATTERN (* and ?, brackets optional); one pattern each, "
                     "repeatable; a pattern that matches nothing is an error")
        ->type_name("PATTERN")
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    CLI::Option* adjustOutput =
        adjust->add_option("-o,--output", options.output, "save the result to OUT; - writes it to standard output");
    adjustOutput->type_name("OUT");
    adjust->add_flag("--in-place", options.inPlace, "replace THEME with the result")->excludes(adjustOutput);
    adjust->footer("A colour outside sRGB keeps its lightness and hue and loses chroma until it fits.\n"
                   "Example:\n  tintwright-cli adjust Dark.ask --hue 30 --chroma 0.8 --only 'Clip*' -o Warm.ask");

    CLI::App* palette = app.add_subcommand("palette", "List the distinct colours of THEME, most used first");
    palette->add_option("THEME", options.theme, "the theme to read")->required();
    palette->add_option("--format", options.format, "text (the default), csv or json")
        ->check(CLI::IsMember(kListFormats));
    palette->footer("Example:\n  tintwright-cli palette Dark.ask --format json");

    CLI::App* diff = app.add_subcommand(
        "diff", "Compare two themes: the colour entries by name, then every other line (exit 1 when they differ)");
    diff->add_option("THEME_A THEME_B", options.themes, "the two themes")->required()->expected(2);
    diff->footer("Themes that differ only in line ends or indentation are equal.\n"
                 "Example:\n  tintwright-cli diff Dark.ask myDark.ask");

    CLI::App* check = app.add_subcommand(
        "check", "Tell of each file whether it is a theme (exit 1 when one is not, 2 when one cannot be read)");
    check->add_option("THEME", options.themes, "the files to check")->required();
    check->footer("Example:\n  tintwright-cli check *.ask");

    CLI::App* preview = app.add_subcommand("preview", "Draw Live 10's window in THEME's colours as SVG");
    preview->add_option("THEME", options.theme, "the theme to read")->required();
    preview->add_option("--view", options.view, "session, arrangement or both (the default)")
        ->check(CLI::IsMember({"session", "arrangement", "both"}));
    preview->add_option("-o,--output", options.output, "save the SVG to OUT; - (the default) is standard output")
        ->type_name("OUT");
    preview->footer("Missing elements are drawn hatched; they and undrawn elements are named on standard error.\n"
                    "Example:\n  tintwright-cli preview Dark.ask -o Dark.svg");

    CLI::App* explain = app.add_subcommand("explain", "Tell where Live 10 paints each ELEMENT");
    explain->add_option("ELEMENT", options.elements, "element names, with or without angle brackets");
    explain->add_flag("--all", options.all, "the whole table");
    explain->add_option("--format", options.format, "text (the default), csv or json")
        ->check(CLI::IsMember(kListFormats));
    explain->footer("Example:\n  tintwright-cli explain ChosenAlternative SurfaceArea");

    CLI::App* contrast =
        app.add_subcommand("contrast", "Contrast ratios of text and marks on their backgrounds (exit 1 when too low)");
    contrast->add_option("THEME", options.theme, "the theme to read")->required();
    contrast->add_option("--min", options.minimumText, "least ratio for text, 1..21 (4.5)")->type_name("RATIO");
    contrast->add_option("--min-graphic", options.minimumGraphic, "least ratio for graphics, 1..21 (3.0)")
        ->type_name("RATIO");
    contrast->add_option("--format", options.format, "text (the default), csv or json")
        ->check(CLI::IsMember(kListFormats));
    contrast->footer("Example:\n  tintwright-cli contrast Dark.ask --min 3");

    for (CLI::App* command : app.get_subcommands({})) {
        command->allow_extras();
    }
    const std::string unknown = unknownCommand(app, arguments);
    if (!unknown.empty()) {
        err << kProgram << ": unknown command '" << escaped(unknown) << "' (see " << kProgram << " --help)\n";
        return kTrouble;
    }
    try {
        std::vector<std::string> reversed;
        bool optionsEnded = false;
        for (const std::string& argument : arguments) {
            optionsEnded = optionsEnded || argument == "--";
            // CLI11 would take the next argument for an empty "--name=": the option is given empty text.
            if (!optionsEnded && argument.size() > 3 && argument.rfind("--", 0) == 0 && argument.back() == '=') {
                reversed.insert(reversed.begin(), argument.substr(0, argument.size() - 1));
                reversed.insert(reversed.begin(), std::string());
            } else {
                reversed.insert(reversed.begin(), argument);
            }
        }
        app.parse(reversed);
        for (const CLI::App* command : app.get_subcommands({})) {
            // "--" ends the options; CLI11 keeps it among what it did not take.
            const std::vector<std::string> extras = command->remaining();
            const auto extra =
                std::find_if(extras.begin(), extras.end(), [](const std::string& e) { return e != "--"; });
            if (command->parsed() && extra != extras.end()) {
                const bool option = extra->rfind('-', 0) == 0 && std::find(extras.begin(), extra, "--") == extra;
                err << kProgram << ": " << (option ? "unknown option '" : "unexpected argument '") << escaped(*extra)
                    << "' (see " << kProgram << " " << command->get_name() << " --help)\n";
                return kTrouble;
            }
        }
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        err << kProgram << ": " << escaped(error.what()) << " (see " << kProgram << " --help)\n";
        return kTrouble;
    }

    StandardInput input(in);
    try {
        if (list->parsed()) {
            listEntries(loadTheme(options.theme, input), kListFormats.at(options.format), out);
            return kNothingFound;
        }
        if (set->parsed()) {
            return edit(
                options, "set",
                [&](model::ThemeModel& theme) { return setColors(theme, options.theme, options.pairs); }, input, out,
                err);
        }
        if (replace->parsed()) {
            return edit(
                options, "replace",
                [&](model::ThemeModel& theme) { return replaceColors(theme, options.theme, options.pairs); }, input,
                out, err);
        }
        if (adjust->parsed()) {
            return edit(
                options, "adjust",
                [&, change = adjustment(options)](model::ThemeModel& theme) {
                    return adjustColors(theme, options.theme, change, options.patterns);
                },
                input, out, err);
        }
        if (palette->parsed()) {
            listPalette(loadTheme(options.theme, input), kListFormats.at(options.format), out);
            return kNothingFound;
        }
        if (diff->parsed()) {
            return compareThemes(options, input, out);
        }
        if (preview->parsed()) {
            std::ostringstream svg;
            previewTheme(loadTheme(options.theme, input), options.view, svg, err);
            writeResult(options.output.empty() ? "-" : options.output, svg.str(), out);
            return kNothingFound;
        }
        if (explain->parsed()) {
            if (options.all && !options.elements.empty()) {
                throw CliError("", "explain takes ELEMENT names or --all, not both");
            }
            if (!options.all && options.elements.empty()) {
                throw CliError("", "explain needs an ELEMENT or --all");
            }
            explainElements(options.all ? std::vector<std::string>() : options.elements,
                            kListFormats.at(options.format), out);
            return kNothingFound;
        }
        if (contrast->parsed()) {
            const double text = parseNumber("--min", options.minimumText, kLeastRatio, kMostRatio);
            const double graphic = parseNumber("--min-graphic", options.minimumGraphic, kLeastRatio, kMostRatio);
            return reportContrast(loadTheme(options.theme, input), text, graphic, kListFormats.at(options.format), out)
                ? kFound
                : kNothingFound;
        }
        return checkThemes(options, input, out, err);
    } catch (const CliError& error) {
        const std::string where = error.file().empty() ? "" : escaped(error.file()) + ": ";
        err << kProgram << ": " << where << escaped(error.problem()) << '\n';
        if (!error.detail().empty()) {
            err << kProgram << ": " << where << escaped(error.detail()) << '\n';
        }
        return kTrouble;
    }
}

int runCliOnStandardStreams(const std::vector<std::string>& arguments)
{
    // Standard output is written in one piece at the end, so that a failure to
    // write it is known before the program says it succeeded.
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(arguments, std::cin, out, err);
    const std::string bytes = out.str();
    errno = 0;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno != 0 ? errno : EIO;
        std::fputs((std::string(kProgram) + ": write error: " + std::generic_category().message(error) + "\n").c_str(),
                   stderr);
        return kTrouble;
    }
    std::fputs(err.str().c_str(), stderr);
    std::fflush(stderr);
    return code;
}

} // namespace tintwright::cli
