#pragma once

#include "cli/Cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace tintwright::cli::testing {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

// tintwright-cli with these arguments and `input` as its standard input.
inline Outcome run(const std::vector<std::string>& arguments, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCli(arguments, in, out, err);
    return {code, out.str(), err.str()};
}

} // namespace tintwright::cli::testing
