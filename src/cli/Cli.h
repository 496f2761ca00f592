#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace tintwright::cli {

// Exit codes, as diff and grep have them.
enum ExitCode : int {
    kNothingFound = 0,
    kFound = 1, // a difference, or a file that is not a theme
    kTrouble = 2,
};

// Runs tintwright-cli with its arguments (UTF-8, without the program's name):
// data to `out`, messages to `err`. The exit code.
int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace tintwright::cli
