#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace tintwright::cli {

// Exit codes, as diff and grep have them.
enum ExitCode : int {
    kNothingFound = 0,
    kFound = 1, // what a command looks for: a difference, a file that is no theme, a pair below its minimum
    kTrouble = 2,
};

// Runs tintwright-cli with its arguments (UTF-8, without the program's name):
// data to `out`, messages to `err`. The exit code.
int runCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);
// The same with standard input read from std::cin.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// The program: runCli on the process's standard streams. Standard output is
// written and flushed before the exit code is given; when that fails, one line
// "tintwright-cli: write error: REASON" and exit code 2.
int runCliOnStandardStreams(const std::vector<std::string>& arguments);

} // namespace tintwright::cli
