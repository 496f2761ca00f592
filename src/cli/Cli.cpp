#include "Cli.h"

#include "Arguments.h"
#include "Command.h"
#include "Commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

namespace tintwright::cli {

namespace {

constexpr char kProgram[] = "tintwright-cli";

// "Exit status: ..." for --help, from what each command says exit 1 tells.
std::string exitStatus(const std::vector<std::pair<CLI::App*, Command*>>& commands)
{
    std::string ones;
    for (const auto& [app, command] : commands) {
        if (!command->exitOne().empty()) {
            ones += (ones.empty() ? "" : ", ") + app->get_name() + ": " + std::string(command->exitOne());
        }
    }
    return "Exit status: 0 nothing to report; 1 " + ones
        + "; 2 trouble: a wrong argument, a refused theme, a file that cannot be read or written.";
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

// The arguments as CLI11 takes them: last first. CLI11 would take the next
// argument for an empty "--name=": the option is given empty text instead.
std::vector<std::string> forCli11(const std::vector<std::string>& arguments)
{
    std::vector<std::string> reversed;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        optionsEnded = optionsEnded || argument == "--";
        if (!optionsEnded && argument.size() > 3 && argument.rfind("--", 0) == 0 && argument.back() == '=') {
            reversed.insert(reversed.begin(), argument.substr(0, argument.size() - 1));
            reversed.insert(reversed.begin(), std::string());
        } else {
            reversed.insert(reversed.begin(), argument);
        }
    }
    return reversed;
}

// What a parsed command did not take: "--" ends the options, and CLI11 keeps
// it among the rest. An argument after it is never an option.
std::string leftOver(const CLI::App& command)
{
    const std::vector<std::string> extras = command.remaining();
    const auto extra = std::find_if(extras.begin(), extras.end(), [](const std::string& e) { return e != "--"; });
    if (extra == extras.end()) {
        return {};
    }
    const bool option = extra->rfind('-', 0) == 0 && std::find(extras.begin(), extra, "--") == extra;
    return std::string(option ? "unknown option '" : "unexpected argument '") + escaped(*extra) + "' (see " + kProgram
        + " " + command.get_name() + " --help)";
}

// "-o ''" names no file: said so, rather than taken for "no -o given".
std::string emptyOutput(const CLI::App& command)
{
    for (const CLI::Option* option : command.get_options()) {
        if (option->check_name("--output") && option->count() > 0 && option->as<std::string>().empty()) {
            return "the output name is empty: give -o a file, or - for standard output";
        }
    }
    return {};
}

} // namespace

// A new command is a file of its own and a line here.
std::vector<std::unique_ptr<Command>> commandTable()
{
    std::vector<std::unique_ptr<Command>> commands;
    for (auto make : {listCommand, setCommand, replaceCommand, adjustCommand, paletteCommand, diffCommand, checkCommand,
                      previewCommand, explainCommand, contrastCommand, rolesCommand, generateCommand, completeCommand,
                      importCommand, exportCommand}) {
        commands.push_back(make());
    }
    return commands;
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    return runCli(arguments, std::cin, out, err);
}

int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err)
{
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
               "  tintwright-cli check *.ask");

    const std::vector<std::unique_ptr<Command>> commands = commandTable();
    std::vector<std::pair<CLI::App*, Command*>> defined;
    for (const auto& command : commands) {
        CLI::App* subcommand = command->define(app);
        subcommand->allow_extras();
        defined.emplace_back(subcommand, command.get());
    }
    app.footer(app.get_footer() + "\n\n" + exitStatus(defined));
    const std::string unknown = unknownCommand(app, arguments);
    if (!unknown.empty()) {
        err << kProgram << ": unknown command '" << escaped(unknown) << "' (see " << kProgram << " --help)\n";
        return kTrouble;
    }
    try {
        std::vector<std::string> reversed = forCli11(arguments);
        app.parse(reversed);
    } catch (const CLI::Success& success) {
        return app.exit(success, out, err);
    } catch (const CLI::ParseError& error) {
        // An option CLI11 does not know stands among the extras, and CLI11
        // may first miss what it took for THEME: the option is what is wrong.
        const auto parsed =
            std::find_if(defined.begin(), defined.end(), [](const auto& entry) { return entry.first->parsed(); });
        const std::string extra = parsed == defined.end() ? std::string() : leftOver(*parsed->first);
        if (extra.rfind("unknown option", 0) == 0) {
            err << kProgram << ": " << extra << '\n';
        } else {
            const std::string help = parsed == defined.end() ? std::string(kProgram)
                                                             : std::string(kProgram) + " " + parsed->first->get_name();
            err << kProgram << ": " << escaped(error.what()) << " (see " << help << " --help)\n";
        }
        return kTrouble;
    }
    const auto parsed =
        std::find_if(defined.begin(), defined.end(), [](const auto& entry) { return entry.first->parsed(); });
    if (const std::string extra = leftOver(*parsed->first); !extra.empty()) {
        err << kProgram << ": " << extra << '\n';
        return kTrouble;
    }
    if (const std::string empty = emptyOutput(*parsed->first); !empty.empty()) {
        err << kProgram << ": " << empty << '\n';
        return kTrouble;
    }

    StandardInput input(in);
    // What a command tells on the way is told once it ends, and only when it
    // does not fail: a failing command prints its error alone.
    std::ostringstream told;
    Context context {input, out, told};
    try {
        const int code = parsed->second->run(context);
        err << told.str();
        return code;
    } catch (const CliError& error) {
        // Every error is one line: a detail follows the problem on it.
        const std::string where = error.file().empty() ? "" : escaped(error.file()) + ": ";
        err << kProgram << ": " << where << escaped(error.problem())
            << (error.detail().empty() ? "" : "; " + escaped(error.detail())) << '\n';
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
